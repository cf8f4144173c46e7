#include "wordproblems/b_nouns.h"

namespace mathsheets {

std::string_view NounAfter(const Noun& noun, NounRule rule, std::int32_t count, std::int32_t& cls) {
  return NounForm(noun, SelectNounClass(rule, count, cls));
}

}  // namespace mathsheets
