// B1..B16: two children and their things in one step, each problem with its own ranges.
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_counts.h"

namespace mathsheets {

namespace {

// A count drawn as Random(perA × a + range) + from: perA = 1 lets the bound follow a count a
// drawn before it.
struct CountDraw {
  std::int32_t perA, range, from;
};

enum class SkipOneAt { Never, BeforeB, AfterB };
enum class Redraw { Never, BEqualToA };
enum class Answer { Sum, Difference };

struct PairProblem {
  int number;
  const NameTable* names;
  const Nouns<8>* nouns;
  std::int32_t nounCount;
  CountDraw a, b;
  Redraw redraw;
  SkipOneAt skipOne;
  Answer answer;
  ChildrenTemplates lines;
};

constexpr PairProblem Pair(int number, const NameTable& names, const Nouns<8>& nouns,
                           std::int32_t nounCount, CountDraw a, CountDraw b, Redraw redraw,
                           SkipOneAt skipOne, Answer answer, ChildrenTemplates lines) {
  return {number, &names, &nouns, nounCount, a, b, redraw, skipOne, answer, lines};
}

constexpr std::array<PairProblem, 16> kPairProblems = {
    // B1
    Pair(1, KidsOfA, ThingsA, 7, {0, 49, 2}, {0, 49, 2}, Redraw::BEqualToA, SkipOneAt::Never,
         Answer::Sum, {"У {X} {a} {N(a)}, а y {Y} {b}. Cколько {N3} у детей? "}),
    // B2
    Pair(2, KidsOfB, ThingsB, 8, {0, 9, 10}, {1, -5, 2}, Redraw::Never, SkipOneAt::Never,
         Answer::Difference,
         {"У {X} и {Y} было {a} {N(a)}. Они отдали {b}. Сколько {N3} осталось у детей? "}),
    // B3
    Pair(3, KidsOfD, ThingsC, 7, {0, 9, 10}, {1, -5, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Difference, {"У {X} и {Y} {a} {N(a)}. Cколько {N3} у {X}, если у {Y} {b}?"}),
    // B4
    Pair(4, Kids, ThingsB, 8, {0, 10, 10}, {1, -5, 3}, Redraw::Never, SkipOneAt::Never, Answer::Sum,
         {"После того, как {X} и {Y} отдали {a} {N(a)}, оталось {b}.",
          "Сколько {N3} было у детей сначала? "}),
    // B5
    Pair(5, KidsOfC, ThingsB, 7, {0, 10, 12}, {1, -5, 3}, Redraw::Never, SkipOneAt::AfterB,
         Answer::Difference,
         {"У {X} и {Y} было {a} {N(a)}. Cколько {N3} они отдали, если у них осталось {b}?"}),
    // B6
    Pair(6, KidsOfC, ThingsB, 7, {0, 10, 10}, {0, 5, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Sum, {"У {X} {a} {N(a)}, а y {Y} на {b} больше. Cколько {N3} у {Y}?"}),
    // B7
    Pair(7, KidsOfC, ThingsB, 7, {0, 10, 10}, {1, -5, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Difference, {"У {X} {a} {N(a)}, а y {Y} на {b} меньше. Cколько {N3} у {Y}?"}),
    // B8
    Pair(8, KidsOfC, ThingsB, 7, {0, 10, 10}, {0, 9, 5}, Redraw::BEqualToA, SkipOneAt::Never,
         Answer::Sum, {"У {X} {a} {N(a)}, а y {Y} {b}.  Cколько {N3} у детей?"}),
    // B9
    Pair(9, KidsOfC, ThingsB, 8, {0, 79, 20}, {1, -15, 3}, Redraw::Never, SkipOneAt::BeforeB,
         Answer::Difference,
         {"У {X} и {Y} было {a} {N(a)}.  Они отдали {b}. Сколько {N3} осталось у детей?"}),
    // B10
    Pair(10, KidsOfE, ThingsD, 7, {0, 79, 20}, {1, -15, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Difference, {"У {X} и {Y} {a} {N(a)}.  Cколько {N3} у {X}, если у {Y} {b}?"}),
    // B11
    Pair(11, Kids, ThingsB, 8, {0, 79, 20}, {1, -15, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Sum,
         {"После того, как {X} и {Y} отдали {a} {N(a)}, осталось {b}. ",
          "Сколько {N3} было у детей сначала?"}),
    // B12
    Pair(12, KidsOfE, ThingsE, 7, {0, 79, 20}, {1, -15, 3}, Redraw::Never, SkipOneAt::AfterB,
         Answer::Difference,
         {"У {X} и {Y} было {a} {N(a)}. Cколько {N3} они отдали, если у них осталось {b}?"}),
    // B13
    Pair(13, KidsOfC, ThingsB, 7, {0, 29, 10}, {0, 10, 10}, Redraw::Never, SkipOneAt::Never,
         Answer::Sum, {"У {X} {a} {N(a)}, а y {Y} на {b} больше. Cколько {N3} у {Y}?"}),
    // B14
    Pair(14, KidsOfC, ThingsB, 7, {0, 69, 20}, {1, -5, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Difference, {"У {X} {a} {N(a)}, а y {Y} на {b} меньше. Cколько {N3} у {Y}?"}),
    // B15
    Pair(15, KidsOfC, ThingsB, 7, {0, 69, 20}, {1, -5, 3}, Redraw::Never, SkipOneAt::Never,
         Answer::Sum, {"У {X} {a} {N(a)}, а y {Y} {b}.  Cколько {N3} у детей?"}),
    // B16
    Pair(16, KidsOfC, ThingsB, 8, {0, 69, 20}, {1, -5, 3}, Redraw::Never, SkipOneAt::AfterB,
         Answer::Difference,
         {"У {X} и {Y} было {a} {N(a)}.  Они отдали {b}. ", "Сколько {N3} осталось у детей?"}),
};

static_assert(EveryRowHasValidChildrenTemplates(kPairProblems));

std::int32_t Draw(ProblemModule& m, const CountDraw& draw, std::int32_t a) {
  return m.Random(draw.perA * a + draw.range) + draw.from;
}

void GeneratePair(const PairProblem& p, ProblemModule& m) {
  ChildrenValues v;
  DrawChildren(m, 2, v);
  v.a = Draw(m, p.a, 0);
  if (p.skipOne == SkipOneAt::BeforeB) SkipOne(v.a);
  do v.b = Draw(m, p.b, v.a);
  while (p.redraw == Redraw::BEqualToA && v.b == v.a);
  // The count shown is moved on, the second count keeps the range of the count drawn.
  if (p.skipOne == SkipOneAt::AfterB) SkipOne(v.a);
  DrawNoun(m, p.nounCount, v);
  SetChildrenInstance(m, p.lines, p.names, *p.nouns, v,
                      p.answer == Answer::Sum ? v.a + v.b : v.a - v.b);
}

constexpr auto kBindings = BindRows<kPairProblems, &GeneratePair>();

}  // namespace

std::span<const ProblemBinding> BPairProblems() {
  return kBindings;
}

}  // namespace mathsheets
