#include "wordproblems/problem_module.h"

#include "common/plural.h"

namespace mathsheets {

std::int32_t SelectNounClass(NounRule rule, std::int32_t count, std::int32_t& cls) {
  switch (rule) {
    case NounRule::Standard:
      PluralClass(count, cls);
      break;
    case NounRule::One4:
      PluralClassOne4(count, cls);
      break;
    case NounRule::Trim:
      PluralClassTrim(count, cls);
      break;
    case NounRule::Tail:
      PluralClassTail(count, cls);
      break;
    case NounRule::TailKeep:
      PluralClassTailKeep(count, cls);
      break;
  }
  return cls;
}

std::string_view NounFor(std::int32_t count, const std::array<std::string_view, 3>& forms) {
  std::int32_t cls = 0;
  return NounForm(forms, SelectNounClass(NounRule::Standard, count, cls));
}

}  // namespace mathsheets
