// B50..B57 and B67..B70: four stories of "so many times more or fewer", each with small counts,
// with tens and with products up to 995.
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_counts.h"

namespace mathsheets {

namespace {

enum class TimesAnswer { Product, Count };  // P, or a (the count or the factor)

struct TimesStory {
  const NameTable* names;
  const Nouns<8>* nouns;
  std::int32_t nounCount;
  ChildrenTemplates lines;
  TimesAnswer answer;
};

constexpr TimesStory Told(const NameTable& names, const Nouns<8>& nouns, std::int32_t nounCount,
                          TimesAnswer answer, ChildrenTemplates lines) {
  return {&names, &nouns, nounCount, lines, answer};
}

constexpr TimesStory kTimesMore =
    Told(KidsOfC, ThingsB, 7, TimesAnswer::Product,
         {"У {X} {a} {N(a)}, а y {Y} в {k} {R(k)} больше. Cколько {N3} y {Y}? "});
constexpr TimesStory kTimesFewer =
    Told(KidsOfC, ThingsB, 8, TimesAnswer::Count,
         {"У {X} {P} {N(P)}, а y {Y} в {k} {R(k)} меньше. Cколько {N3} у {Y}? "});
constexpr TimesStory kHowManyTimesMore =
    Told(KidsOfE, ThingsD, 7, TimesAnswer::Count,
         {"У {X} {P} {N(P)}, а у {Y} {k}. В сколько раз у {X} больше {N3} чем у {Y}?"});
constexpr TimesStory kHowManyTimesFewer =
    Told(KidsOfC, ThingsB, 8, TimesAnswer::Count,
         {"У {X} {k} {N(k)}, а у {Y} {P}. В сколько раз у {X} меньше {N3} чем у {Y}?"});

struct TimesProblem {
  int number;
  TimesCounts (*draw)(ProblemModule&);
  const TimesStory* story;
};

constexpr std::array<TimesProblem, 12> kTimesProblems = {{
    {50, &DrawTimesSmall, &kTimesMore},          // B50
    {51, &DrawTimesSmall, &kTimesFewer},         // B51
    {52, &DrawTimesSmall, &kHowManyTimesMore},   // B52
    {53, &DrawTimesSmall, &kHowManyTimesFewer},  // B53
    {54, &DrawTimesTens, &kTimesMore},           // B54
    {55, &DrawTimesWide, &kTimesFewer},          // B55
    {56, &DrawTimesTens, &kHowManyTimesMore},    // B56
    {57, &DrawTimesTens, &kHowManyTimesFewer},   // B57
    {67, &DrawTimesWide, &kTimesMore},           // B67
    {68, &DrawTimesTens, &kTimesFewer},          // B68
    {69, &DrawTimesWide, &kHowManyTimesMore},    // B69
    {70, &DrawTimesWide, &kHowManyTimesFewer},   // B70
}};

static_assert(ChildrenTemplatesValid(kTimesMore.lines) &&
              ChildrenTemplatesValid(kTimesFewer.lines) &&
              ChildrenTemplatesValid(kHowManyTimesMore.lines) &&
              ChildrenTemplatesValid(kHowManyTimesFewer.lines));

void GenerateTimes(const TimesProblem& p, ProblemModule& m) {
  const TimesStory& story = *p.story;
  ChildrenValues v;
  DrawChildren(m, 2, v);
  const TimesCounts n = p.draw(m);
  v.a = n.a;
  v.k = n.k;
  v.P = n.P;
  DrawNoun(m, story.nounCount, v);
  SetChildrenInstance(m, story.lines, story.names, *story.nouns, v,
                      story.answer == TimesAnswer::Product ? v.P : v.a);
}

constexpr auto kBindings = BindRows<kTimesProblems, &GenerateTimes>();

}  // namespace

std::span<const ProblemBinding> BTimesProblems() {
  return kBindings;
}

}  // namespace mathsheets
