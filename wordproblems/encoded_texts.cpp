#include "wordproblems/encoded_texts.h"

#include <utility>

#include "common/cp1251.h"

namespace mathsheets {

std::string_view EncodedTexts::Add(std::string_view text) {
  // At most half full, so a probe ends soon at an empty slot.
  if (2 * (used_ + 1) > slots_.size()) {
    std::vector<Slot> old(2 * slots_.size());
    std::swap(old, slots_);
    for (const Slot& slot : old)
      if (slot.from != nullptr) slots_[Find({slot.from, slot.size})] = slot;
  }
  const std::string_view encoded = texts_.emplace_back(Utf8ToCp1251(text));
  slots_[Find(text)] = {text.data(), text.size(), encoded};
  ++used_;
  return encoded;
}

}  // namespace mathsheets
