// B89..B96: what two or three boxes hold, so many times more or fewer. The thing is drawn after
// the counts.
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_nouns.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

struct BoxProblem {
  int number;
  TaleCounts (*draw)(ProblemModule&);
  bool (*accept)(const TaleCounts&);  // the whole draw is repeated until it holds
  std::int32_t (*answer)(const TaleCounts&);
  TaleTemplates lines;
};

// Random(bound), a zero drawn again.
std::int32_t DrawNonZero(ProblemModule& m, std::int32_t bound) {
  std::int32_t value = 0;
  do value = m.Random(bound);
  while (value == 0);
  return value;
}

// The first box's a 1 to 499, k 2 to 9.
TaleCounts DrawCountAndTimes(ProblemModule& m) {
  TaleCounts n;
  n.a = DrawNonZero(m, 500);
  n.k = m.Random(8) + 2;
  return n;
}

// The second box's q 1 to 99 and a = q × k.
TaleCounts DrawPartAndTimes(ProblemModule& m) {
  TaleCounts n;
  n.q = DrawNonZero(m, 100);
  n.k = m.Random(7) + 2;
  n.a = n.q * n.k;
  return n;
}

constexpr std::array<BoxProblem, 8> kBoxProblems = {{
    // B89: k times more; how many together.
    {89,
     &DrawCountAndTimes,
     [](const TaleCounts& n) { return n.a + n.a * n.k <= 1000; },
     [](const TaleCounts& n) { return n.a + n.a * n.k; },
     {"В одном ящике {a} {N(a)}, а в другом в {k} {R(k)} больше. Cколько {N3}",
      "в обоих ящиках? "}},
    // B90: k times more; how many more.
    {90,
     &DrawCountAndTimes,
     [](const TaleCounts& n) { return n.a * n.k - n.a <= 1000; },
     [](const TaleCounts& n) { return n.a * n.k - n.a; },
     {"В одном ящике {a} {N(a)}, а в дрyгом в {k} {R(k)} больше. Ha cколько {N3} во втором "
      "ящике больше,",
      "чем в первом? "}},
    // B91: b times more, then c times more.
    {91,
     [](ProblemModule& m) {
       TaleCounts n;
       n.a = DrawNonZero(m, 250);
       n.b = m.Random(7) + 2;
       n.c = m.Random(7) + 2;
       return n;
     },
     [](const TaleCounts& n) { return n.a * n.b * n.c <= 1000; },
     [](const TaleCounts& n) { return n.a * n.b * n.c; },
     {"В одном ящике {a} {N(a)}, в дрyгом в {b} {R(b)} больше, а в третьем в {c} {R(c)}",
      " больше, чем во втором ящике. Сколько  {N3} в третьем ящике? "}},
    // B92: k times fewer; how many together.
    {92,
     &DrawPartAndTimes,
     [](const TaleCounts& n) { return n.a + n.q <= 1000; },
     [](const TaleCounts& n) { return n.a + n.q; },
     {"В одном ящике {a} {N(a)}, а в дрyгом в {k} {R(k)} меньше. ",
      "Сколько  {N3} в обоих ящиках? "}},
    // B93: k times fewer; how many more.
    {93,
     &DrawPartAndTimes,
     [](const TaleCounts& n) { return n.a - n.q <= 1000; },
     [](const TaleCounts& n) { return n.a - n.q; },
     {"В одном ящике {a} {N(a)}, a в дрyгом в {k} {R(k)} меньше. На сколько ",
      "{N3} в первом ящике больше, чем во втором? "}},
    // B94: b times more, then c times fewer.
    {94,
     [](ProblemModule& m) {
       TaleCounts n;
       n.a = m.Random(499) + 1;
       n.q = m.Random(9) + 1;
       n.c = m.Random(7) + 2;
       n.b = n.q * n.c;
       return n;
     },
     [](const TaleCounts& n) { return n.a * n.b <= 1000; },
     [](const TaleCounts& n) { return n.a * n.q; },
     {"В одном ящике {a} {N(a)}, во втором в {b} {R(b)} больше, а в третьем в {c} {R(c)} "
      "меньше, чем ",
      "во втором. Сколько {N3} в третьем ящике? "}},
    // B95: b times fewer, then c times more.
    {95,
     [](ProblemModule& m) {
       TaleCounts n;
       n.c = m.Random(8) + 2;
       n.q = m.Random(99) + 1;
       n.b = m.Random(7) + 2;
       n.a = n.q * n.b;
       return n;
     },
     [](const TaleCounts& n) { return n.c * n.q <= 1000; },
     [](const TaleCounts& n) { return n.c * n.q; },
     {"В одном ящике {a} {N(a)}, во втором в {b} {R(b)} меньше, а в третьем в {c} {R(c)} "
      "больше, чем ",
      "во втором. Сколько {N3} в третьем ящике? "}},
    // B96: b times fewer, then c times fewer.
    {96,
     [](ProblemModule& m) {
       TaleCounts n;
       n.c = m.Random(7) + 2;
       n.g = m.Random(99) + 1;
       n.q = n.c * n.g;
       n.b = m.Random(7) + 2;
       n.a = n.q * n.b;
       return n;
     },
     [](const TaleCounts& n) { return n.a <= 1000; },
     [](const TaleCounts& n) { return n.g; },
     {"В одном ящике {a} {N(a)}, в дрyгом в {b} {R(b)} меньше, а в третьем в {c} {R(c)} "
      "меньше, чем ",
      "во втором. Сколько {N3} в третьем ящике? "}},
}};

static_assert(EveryRowHasValidTaleTemplates(kBoxProblems));

void GenerateBoxes(const BoxProblem& p, ProblemModule& m) {
  Tale tale;
  tale.n = DrawUntil(m, p.draw, p.accept);
  tale.nouns[0] = {'N', &EntryAt(BoxItems, m.Random(kDrawnBoxItems) + 1)};
  SetTaleInstance(m, p.lines, tale, p.answer(tale.n));
}

constexpr auto kBindings = BindRows<kBoxProblems, &GenerateBoxes>();

}  // namespace

std::span<const ProblemBinding> BBoxProblems() {
  return kBindings;
}

}  // namespace mathsheets
