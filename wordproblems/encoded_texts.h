#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace mathsheets {

// Line templates and the texts of slots in Windows-1251, each encoded the first time a run renders
// it and found again by where its text lies: both are tables of the program. A run looks up
// several texts for every line it renders, so the look-up is a multiplication and a probe or two
// of a flat table, not a division of a node-based map.
class EncodedTexts {
 public:
  // The Windows-1251 bytes of `text`, which must lie in memory that lives as long as the program
  // (a table's text, or a part of one); they stay valid as long as this object.
  std::string_view Of(std::string_view text) {
    const Slot& slot = slots_[Find(text)];
    if (slot.from == text.data() && slot.size == text.size()) return slot.cp1251;
    return Add(text);
  }

 private:
  struct Slot {
    const char* from = nullptr;
    std::size_t size = 0;
    std::string_view cp1251;
  };

  // The slot of `text`, or the empty slot where it would go.
  std::size_t Find(std::string_view text) const {
    const std::size_t mask = slots_.size() - 1;
    const auto key = reinterpret_cast<std::uintptr_t>(text.data()) ^ text.size();
    std::size_t at = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15U) >> 32U) & mask;
    while (slots_[at].from != nullptr &&
           (slots_[at].from != text.data() || slots_[at].size != text.size()))
      at = (at + 1) & mask;
    return at;
  }

  std::string_view Add(std::string_view text);

  std::vector<Slot> slots_ = std::vector<Slot>(1024);
  std::size_t used_ = 0;
  // The encoded texts; a deque keeps each string where it is while more are added.
  std::deque<std::string> texts_;
};

}  // namespace mathsheets
