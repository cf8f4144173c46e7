// B71..B78: two or three children, so many times more or fewer, in one or two steps. The counts
// are drawn before the children.
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

struct KidsTimesProblem {
  int number;
  int children;
  const NameTable* names;
  const Nouns<8>* nouns;
  std::int32_t nounCount;
  TimesAgreement times;
  TaleCounts (*draw)(ProblemModule&);
  std::int32_t (*answer)(const TaleCounts&);
  TaleTemplates lines;
};

// Y has k times as many as X's a (2 to 9), k 2 to 8.
TaleCounts DrawCountAndTimes(ProblemModule& m) {
  TaleCounts n;
  n.a = m.Random(8) + 2;
  n.k = m.Random(7) + 2;
  return n;
}

// X's a is k times Y's q, so that Y's count is whole.
TaleCounts DrawMultiple(ProblemModule& m) {
  TaleCounts n;
  n.q = m.Random(8) + 1;
  n.k = m.Random(7) + 2;
  n.a = n.q * n.k;
  return n;
}

constexpr std::array<KidsTimesProblem, 8> kKidsTimesProblems = {{
    // B71: Y has k times more; how many together.
    {71,
     2,
     &KidsOfC,
     &ThingsB,
     7,
     TimesAgreement::TailKeep,
     &DrawCountAndTimes,
     [](const TaleCounts& n) { return n.a + n.a * n.k; },
     {"У {X} {a} {N(a)}, а y {Y} в {k} {R(k)} больше. Cколько {N3} у детей? "}},
    // B72: Y has k times more; how many more.
    {72,
     2,
     &KidsOfC,
     &ThingsB,
     8,
     TimesAgreement::TailKeep,
     &DrawCountAndTimes,
     [](const TaleCounts& n) { return n.a * n.k - n.a; },
     {"У {X} {a} {N(a)}, y {Y} в {k} {R(k)} больше. Ha cколько {N3}", " у {Y} больше, чем у {X}?"}},
    // B73: Y has b times more, Z c times more than Y.
    {73,
     3,
     &KidsOfE,
     &ThingsD,
     7,
     TimesAgreement::Standard,
     [](ProblemModule& m) {
       TaleCounts n;
       do {
         n.a = m.Random(4) + 1;
         n.b = m.Random(3) + 2;
         n.c = m.Random(7) + 2;
       } while (n.a * n.b > 9);
       return n;
     },
     [](const TaleCounts& n) { return n.a * n.b * n.c; },
     {"У {X} {a} {N(a)}, y {Y} в {b} {R(b)} больше, а у {Z} в {c} {R(c)} больше,",
      "чем у {Y}. Cколько {N3} у {Z}?"}},
    // B74: Y has k times fewer; how many together.
    {74,
     2,
     &KidsOfC,
     &ThingsB,
     8,
     TimesAgreement::Standard,
     &DrawMultiple,
     [](const TaleCounts& n) { return n.a + n.q; },
     {"У {X} {a} {N(a)} а у {Y} в {k} {R(k)} меньше. Сколько {N3} у детей?"}},
    // B75: Y has k times fewer; how many more has X.
    {75,
     2,
     &KidsOfE,
     &ThingsD,
     7,
     TimesAgreement::Standard,
     &DrawMultiple,
     [](const TaleCounts& n) { return n.a - n.q; },
     {"У {X} {a} {N(a)}, a y {Y} в {k} {R(k)} меньше.",
      " Ha cколько {N3} y {X} больше, чем y {Y}?"}},
    // B76: Y has b times more, Z c times fewer than Y.
    {76,
     3,
     &KidsOfC,
     &ThingsB,
     7,
     TimesAgreement::Standard,
     [](ProblemModule& m) {
       TaleCounts n;
       n.a = m.Random(8) + 1;
       n.q = m.Random(8) + 1;
       n.c = m.Random(7) + 2;
       n.b = n.q * n.c;
       return n;
     },
     [](const TaleCounts& n) { return n.a * n.q; },
     {"У {X} {a} {N(a)}, y {Y} в {b} {R(b)} больше, а у {Z} в {c} {R(c)} меньше,",
      "чем у {Y}. Cколько {N3} у {Z}?"}},
    // B77: Y has b times fewer, Z c times more than Y.
    {77,
     3,
     &KidsOfC,
     &ThingsB,
     7,
     TimesAgreement::Standard,
     [](ProblemModule& m) {
       TaleCounts n;
       n.c = m.Random(7) + 2;
       n.q = m.Random(8) + 1;
       n.b = m.Random(7) + 2;
       n.a = n.q * n.b;
       return n;
     },
     [](const TaleCounts& n) { return n.c * n.q; },
     {"У {X} {a} {N(a)}, y {Y} в {b} {R(b)} меньше, а у {Z} в {c} {R(c)} больше,",
      "чем у {Y}. Cколько {N3} у {Z}?"}},
    // B78: Y has b times fewer, Z c times fewer than Y.
    {78,
     3,
     &KidsOfC,
     &ThingsB,
     7,
     TimesAgreement::Standard,
     [](ProblemModule& m) {
       TaleCounts n;
       do {
         n.c = m.Random(7) + 2;
         n.g = m.Random(8) + 1;
       } while (n.c * n.g > 9);
       n.q = n.c * n.g;
       n.b = m.Random(7) + 2;
       n.a = n.q * n.b;
       return n;
     },
     [](const TaleCounts& n) { return n.g; },
     {"У {X} {a} {N(a)}, y {Y} в {b} {R(b)} меньше, а у {Z} в {c} {R(c)}  меньше,",
      "чем у {Y}. Cколько {N3} у {Z}?"}},
}};

static_assert(EveryRowHasValidTaleTemplates(kKidsTimesProblems));

void GenerateKidsTimes(const KidsTimesProblem& p, ProblemModule& m) {
  Tale tale;
  tale.n = p.draw(m);
  tale.times = p.times;
  if (p.children == 2)
    NameChildren(tale, *p.names, DrawDistinct<2>(m, kDrawnKids));
  else
    NameChildren(tale, *p.names, DrawDistinct<3>(m, kDrawnKids));
  tale.nouns[0] = {'N', &EntryAt(*p.nouns, m.Random(p.nounCount) + 1)};
  SetTaleInstance(m, p.lines, tale, p.answer(tale.n));
}

constexpr auto kBindings = BindRows<kKidsTimesProblems, &GenerateKidsTimes>();

}  // namespace

std::span<const ProblemBinding> BKidsTimesProblems() {
  return kBindings;
}

}  // namespace mathsheets
