// B79..B86: the petals of two or three flowers, so many times more or fewer. The flowers are drawn
// after the counts.
#include <array>
#include <span>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_nouns.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

struct PetalProblem {
  int number;
  int flowers;
  TaleCounts (*draw)(ProblemModule&);
  bool (*accept)(const TaleCounts&);  // the whole draw is repeated until it holds
  std::int32_t (*answer)(const TaleCounts&);
  TaleTemplates lines;
};

// a 10 to 40 in tens (a zero is drawn again), k 2 to 8.
TaleCounts DrawTensAndTimes(ProblemModule& m) {
  TaleCounts n;
  do n.a = 10 * m.Random(5);
  while (n.a == 0);
  n.k = m.Random(7) + 2;
  return n;
}

// The second flower's q 10 to 60 in tens and a = q × k.
TaleCounts DrawPartAndTimes(ProblemModule& m) {
  TaleCounts n;
  n.q = 10 * (m.Random(6) + 1);
  n.k = m.Random(7) + 2;
  n.a = n.q * n.k;
  return n;
}

constexpr std::array<PetalProblem, 8> kPetalProblems = {{
    // B79: k times more; how many together.
    {79,
     2,
     &DrawTensAndTimes,
     [](const TaleCounts& n) { return n.a + n.a * n.k <= 100; },
     [](const TaleCounts& n) { return n.a + n.a * n.k; },
     {"У {F1} {a} лепесточков, а y {F2} в {k} {R(k)} больше. Cколько лепесточков",
      "у цветов вместе?"}},
    // B80: k times more; how many more.
    {80,
     2,
     &DrawTensAndTimes,
     [](const TaleCounts& n) { return n.a * n.k - n.a <= 100; },
     [](const TaleCounts& n) { return n.a * n.k - n.a; },
     {"У {F1} {a} лепесточков, а y {F2} в {k} {R(k)} больше. Ha cколько лепесточков у {F2} "
      "больше, ",
      "чем у {F1}? "}},
    // B81: b times more, then c times more.
    {81,
     3,
     [](ProblemModule& m) {
       TaleCounts n;
       n.a = 10 * (m.Random(6) + 1);
       n.b = m.Random(2) + 2;
       n.c = m.Random(2) + 2;
       return n;
     },
     [](const TaleCounts& n) { return n.a * n.b * n.c <= 1000; },
     [](const TaleCounts& n) { return n.a * n.b * n.c; },
     {"У {F1} {a} лепесточков, y {F2} в {b} {R(b)} больше, a y {F3} в {c} {R(c)}",
      " больше, чем у {F2}. Сколько лепесточков у {F3}?"}},
    // B82: k times fewer; how many together.
    {82,
     2,
     &DrawPartAndTimes,
     [](const TaleCounts& n) { return n.a + n.q <= 1000; },
     [](const TaleCounts& n) { return n.a + n.q; },
     {"У {F1} {a} лепесточков, а y {F2} в {k} {R(k)} меньше. Сколько ",
      "лепесточков у цветов вместе?"}},
    // B83: k times fewer; how many more.
    {83,
     2,
     &DrawPartAndTimes,
     [](const TaleCounts& n) { return n.a - n.q <= 1000; },
     [](const TaleCounts& n) { return n.a - n.q; },
     {"У {F1} {a} лепесточков, а y {F2} в {k} {R(k)} меньше. На сколько лепесточков у ",
      "{F1} больше, чем у {F2}?"}},
    // B84: b times more, then c times fewer.
    {84,
     3,
     [](ProblemModule& m) {
       TaleCounts n;
       n.a = 10 * (m.Random(8) + 1);
       n.q = m.Random(8) + 1;
       n.c = m.Random(7) + 2;
       n.b = n.q * n.c;
       return n;
     },
     [](const TaleCounts& n) { return n.a * n.b <= 100 && n.a * n.q <= 1000; },
     [](const TaleCounts& n) { return n.a * n.q; },
     {"У {F1} {a} лепесточков, y {F2} в {b} {R(b)} больше, а у {F3} в {c} {R(c)} меньше, чем",
      "у {F2}. Cколько лепесточков у {F3}?"}},
    // B85: b times fewer, then c times more.
    {85,
     3,
     [](ProblemModule& m) {
       TaleCounts n;
       n.c = m.Random(7) + 2;
       n.q = 10 * (m.Random(6) + 1);
       n.b = m.Random(7) + 2;
       n.a = n.q * n.b;
       return n;
     },
     [](const TaleCounts& n) { return n.c * n.q <= 1000; },
     [](const TaleCounts& n) { return n.c * n.q; },
     {"У {F1} {a} лепесточков, y {F2} в {b} {R(b)} меньше, а у {F3} в {c} {R(c)} больше,",
      "чем у {F2}. Cколько лепесточков у {F3}?"}},
    // B86: b times fewer, then c times fewer.
    {86,
     3,
     [](ProblemModule& m) {
       TaleCounts n;
       n.g = m.Random(7) + 2;
       n.c = m.Random(7) + 2;
       n.b = m.Random(7) + 2;
       n.a = 10 * n.g * n.c * n.b;
       return n;
     },
     [](const TaleCounts& n) { return n.a <= 810; },
     [](const TaleCounts& n) { return 10 * n.g; },
     {"У {F1} {a} лепесточков, y {F2} в {b} {R(b)} меньше, а у {F3} в {c} {R(c)}  меньше,",
      "чем у {F2}. Cколько лепесточков у {F3}?"}},
}};

static_assert(EveryRowHasValidTaleTemplates(kPetalProblems));

void NameFlowers(Tale& tale, std::span<const std::int32_t> entries) {
  constexpr std::array<std::string_view, 3> slots = {"F1", "F2", "F3"};
  for (std::size_t i = 0; i < entries.size(); ++i)
    tale.words[i] = {slots[i], EntryAt(Flowers, entries[i])};
}

void GeneratePetals(const PetalProblem& p, ProblemModule& m) {
  Tale tale;
  tale.n = DrawUntil(m, p.draw, p.accept);
  if (p.flowers == 2)
    NameFlowers(tale, DrawDistinct<2>(m, kDrawnFlowers));
  else
    NameFlowers(tale, DrawDistinct<3>(m, kDrawnFlowers));
  SetTaleInstance(m, p.lines, tale, p.answer(tale.n));
}

constexpr auto kBindings = BindRows<kPetalProblems, &GeneratePetals>();

}  // namespace

std::span<const ProblemBinding> BPetalProblems() {
  return kBindings;
}

}  // namespace mathsheets
