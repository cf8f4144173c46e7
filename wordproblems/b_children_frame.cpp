#include "wordproblems/b_children_frame.h"

#include <stdexcept>

namespace mathsheets {

namespace {

using Count = std::int32_t ChildrenValues::*;

struct CountSlot {
  std::string_view name;
  Count count;
};

constexpr std::array<CountSlot, 7> kCountSlots = {{
    {"a", &ChildrenValues::a},
    {"b", &ChildrenValues::b},
    {"c", &ChildrenValues::c},
    {"d", &ChildrenValues::d},
    {"e", &ChildrenValues::e},
    {"k", &ChildrenValues::k},
    {"P", &ChildrenValues::P},
}};

// A word that agrees with a count: the noun, or "раз" after the multiplier with its own class.
struct AgreeingSlot {
  std::string_view name;
  Count count;
  NounRule rule;
  bool timesWord;
};

constexpr std::array<AgreeingSlot, 5> kAgreeingSlots = {{
    {"N(a)", &ChildrenValues::a, NounRule::Standard, false},
    {"N(e)", &ChildrenValues::e, NounRule::Standard, false},
    {"N(P)", &ChildrenValues::P, NounRule::Tail, false},
    {"N(k)", &ChildrenValues::k, NounRule::Trim, false},
    {"R(k)", &ChildrenValues::k, NounRule::TailKeep, true},
}};

constexpr std::array<std::string_view, 3> kChildSlots = {"X", "Y", "Z"};

struct LineContext {
  const NameTable* names;
  const Noun& noun;
  const ChildrenValues& v;
  std::int32_t& nounClass;
  std::int32_t& timesClass;
};

SlotText Slot(const LineContext& c, std::string_view name) {
  for (std::size_t i = 0; i < kChildSlots.size(); ++i)
    if (name == kChildSlots[i]) {
      if (c.names == nullptr || c.v.kids[i] == 0)
        throw std::logic_error("a line names a child the problem has not drawn");
      return EntryAt(*c.names, c.v.kids[i]);
    }
  for (const CountSlot& slot : kCountSlots)
    if (name == slot.name) return SlotText(c.v.*slot.count);
  for (const AgreeingSlot& slot : kAgreeingSlots)
    if (name == slot.name)
      return slot.timesWord ? NounAfter(TimesWord, slot.rule, c.v.*slot.count, c.timesClass)
                            : NounAfter(c.noun, slot.rule, c.v.*slot.count, c.nounClass);
  if (name == "N3") return Form3(c.noun);
  if (name == "N4") return Form4(c.noun);
  if (name == "join") return c.v.d == c.v.e ? ", и у " : ", а у ";
  throw std::logic_error("unknown slot in a line template");
}

}  // namespace

void DrawChildren(ProblemModule& m, int count, ChildrenValues& v) {
  v.kids = {};
  if (count == 2) {
    const auto kids = DrawDistinct<2>(m, kDrawnKids);
    v.kids = {kids[0], kids[1], 0};
  } else if (count == 3) {
    v.kids = DrawDistinct<3>(m, kDrawnKids);
  }
}

void DrawNoun(ProblemModule& m, std::int32_t nouns, ChildrenValues& v) {
  v.t = m.Random(nouns) + 1;
}

void SetChildrenInstance(ProblemModule& m, const ChildrenTemplates& templates,
                         const NameTable* names, const Nouns<8>& nouns, const ChildrenValues& v,
                         std::int32_t answer) {
  const LineContext context{names, EntryAt(nouns, v.t), v, m.nounClass, m.timesClass};
  SetTemplateInstance(
      m, templates, [&](std::string_view name) { return Slot(context, name); }, answer);
}

}  // namespace mathsheets
