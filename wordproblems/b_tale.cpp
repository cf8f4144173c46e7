#include "wordproblems/b_tale.h"

#include <stdexcept>

namespace mathsheets {

namespace {

// Where each one-letter count lies in kTaleCountSlots, by its letter; -1 for none.
constexpr std::array<std::int8_t, 128> kOneLetterCounts = [] {
  std::array<std::int8_t, 128> at{};
  at.fill(-1);
  for (std::size_t i = 0; i < kTaleCountSlots.size(); ++i)
    if (kTaleCountSlots[i].name.size() == 1)
      at[static_cast<std::size_t>(kTaleCountSlots[i].name[0])] = static_cast<std::int8_t>(i);
  return at;
}();

const TaleCountSlot* FindTaleCount(std::string_view name) {
  if (name.size() == 1) {
    const auto letter = static_cast<unsigned char>(name[0]);
    const int at = letter < kOneLetterCounts.size() ? kOneLetterCounts[letter] : -1;
    return at < 0 ? nullptr : &kTaleCountSlots[static_cast<std::size_t>(at)];
  }
  for (const TaleCountSlot& slot : kTaleCountSlots)
    if (slot.name == name) return &slot;
  return nullptr;
}

// The selector of a noun after a count. The totals (P, up to 999) follow the rule of the tail
// that keeps 100, the counts that stand before a larger total (k) the rule that cuts every count
// from 100, and the second plant of the garden writes its nominative plural after 21, 31, ...;
// every other count follows the standard rule.
struct NounAgreement {
  std::string_view slot;
  NounRule rule;
};

constexpr std::array<NounAgreement, 6> kNounAgreements = {{
    {"N(P)", NounRule::Tail},
    {"U(P)", NounRule::Tail},
    {"V(P)", NounRule::Tail},
    {"N(k)", NounRule::Trim},
    {"U(k)", NounRule::Trim},
    {"V(b)", NounRule::One4},
}};

NounRule NounRuleOf(std::string_view slot) {
  for (const NounAgreement& agreement : kNounAgreements)
    if (agreement.slot == slot) return agreement.rule;
  return NounRule::Standard;
}

struct LineContext {
  const Tale& tale;
  std::int32_t& nounClass;
  std::int32_t& timesClass;
};

const Noun& NounOf(const Tale& tale, char letter) {
  for (const TaleNoun& noun : tale.nouns)
    if (noun.letter == letter && noun.noun != nullptr) return *noun.noun;
  throw std::logic_error("a line names a noun the problem has not drawn");
}

std::string_view TimesWordAfter(const LineContext& c, std::int32_t count) {
  switch (c.tale.times) {
    case TimesAgreement::Garden:
      return count >= 2 && count <= 4 ? TimesWord[1] : TimesWord[0];
    case TimesAgreement::TailKeep:
      return NounAfter(TimesWord, NounRule::TailKeep, count, c.timesClass);
    case TimesAgreement::Standard:
      break;
  }
  return NounAfter(TimesWord, NounRule::Standard, count, c.timesClass);
}

SlotText Slot(const LineContext& c, std::string_view name) {
  for (const TaleWord& word : c.tale.words)
    if (!word.slot.empty() && word.slot == name) return word.text;
  if (const TaleCountSlot* count = FindTaleCount(name)) return SlotText(c.tale.n.*count->count);
  if (name.size() == 2 && (name[1] == '3' || name[1] == '4'))
    return name[1] == '3' ? Form3(NounOf(c.tale, name[0])) : Form4(NounOf(c.tale, name[0]));
  if (name.size() >= 4 && name[1] == '(') {
    const TaleCountSlot* count = FindTaleCount(name.substr(2, name.size() - 3));
    if (count == nullptr) throw std::logic_error("a line agrees with an unknown count");
    const std::int32_t value = c.tale.n.*count->count;
    if (name[0] == 'R') return TimesWordAfter(c, value);
    return NounAfter(NounOf(c.tale, name[0]), NounRuleOf(name), value, c.nounClass);
  }
  throw std::logic_error("unknown slot in a line template");
}

}  // namespace

void SetTaleInstance(ProblemModule& m, const TaleTemplates& templates, const Tale& tale,
                     std::int32_t answer) {
  const LineContext context{tale, m.nounClass, m.timesClass};
  SetTemplateInstance(
      m, templates, [&](std::string_view name) { return Slot(context, name); }, answer);
}

}  // namespace mathsheets
