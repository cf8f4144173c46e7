// B105..B110 and B112: four kinds of trees or flowers in a garden, the first two counted, the
// other two so many times more or fewer. The plants are drawn after the counts.
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_nouns.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

struct GardenProblem {
  int number;
  const Nouns<8>* plants;
  TaleCounts (*draw)(ProblemModule&);
  bool (*accept)(const TaleCounts&);  // besides no 1 among a, b, d and e
  std::int32_t (*answer)(const TaleCounts&);
  TaleTemplates lines;
};

// V's b, W d times V and Q e times W.
TaleCounts DrawGrowingChain(ProblemModule& m) {
  TaleCounts n;
  n.a = m.Random(98) + 1;
  n.b = m.Random(8) + 1;
  n.d = m.Random(8) + 1;
  n.e = m.Random(8) + 1;
  return n;
}

// b = m × e, so that Q, e times fewer than W, is whole.
TaleCounts DrawPartOfW(ProblemModule& m) {
  TaleCounts n;
  n.a = m.Random(98) + 1;
  n.e = m.Random(8) + 1;
  n.d = m.Random(8) + 1;
  n.m = m.Random(8) + 1;
  n.b = n.m * n.e;
  return n;
}

// b = m × e × d, so that W, d times fewer than V, and Q, e times fewer than W, are whole.
TaleCounts DrawShrinkingChain(ProblemModule& m) {
  TaleCounts n = DrawPartOfW(m);
  n.b *= n.d;
  return n;
}

// B110, B112: the count of Q, b * d / e, stays within ten, and U is at least as many and fewer
// than a hundred more.
constexpr bool QPartOfWFits(const TaleCounts& n) {
  const std::int32_t countOfQ = n.b * n.d / n.e;
  return n.a - countOfQ < 100 && n.a >= countOfQ && n.b <= 10 && countOfQ <= 10;
}

// The first lines all gardens share; the rest tells how W and Q compare.
constexpr std::string_view kGarden = "У саду растет {a} {U(a)}, {b} {V(b)}, {W4} и {Q4}. ";

constexpr std::array<GardenProblem, 7> kGardenProblems = {{
    // B105: W and Q more; how many U and Q.
    {105,
     &GardenTrees,
     &DrawGrowingChain,
     [](const TaleCounts& n) { return n.a + n.b * n.d * n.e < 100; },
     [](const TaleCounts& n) { return n.a + n.b * n.d * n.e; },
     {kGarden, "Известно, что {W3} в {d} {R(d)} больше, чем {V3}, a {Q3} в {e} {R(e)}",
      " больше, чем {W3}. Сколько вcьего {U3} и {Q3} растет в саду?"}},
    // B106: W and Q more; how many more U than Q.
    {106,
     &GardenFlowers,
     &DrawGrowingChain,
     [](const TaleCounts& n) { return n.a - n.b * n.d * n.e < 100 && n.b * n.d * n.e < n.a; },
     [](const TaleCounts& n) { return n.a - n.b * n.d * n.e; },
     {kGarden, "Известно, что {W3} в {d} {R(d)} больше, чем {V3}, a {Q3} в {e} {R(e)}",
      " больше, чем {W3}. На сколько в саду больше {U3}, чем {Q3}?"}},
    // B107: W more, Q fewer; how many U and Q.
    {107,
     &GardenFlowers,
     &DrawPartOfW,
     [](const TaleCounts& n) { return n.a + n.b * n.d / n.e < 100; },
     [](const TaleCounts& n) { return n.a + n.m * n.d; },
     {kGarden, "Известно, что {W3} в {d} {R(d)} больше, чем {V3}, a {Q3} в {e} {R(e)}",
      " меньше, чем {W3}. Сколько {U3} и {Q3} растет в саду?"}},
    // B108: W and Q fewer; how many U and Q.
    {108,
     &GardenTrees,
     &DrawShrinkingChain,
     [](const TaleCounts& n) {
       return n.a + n.m < 100 && n.b <= 100 && n.d <= n.b && n.e <= n.b / n.d;
     },
     [](const TaleCounts& n) { return n.a + n.m; },
     {kGarden, "Известно, что {W3} в {d} {R(d)} меньше, чем {V3}, a {Q3} в {e} {R(e)}",
      " меньше, чем {W3}. Сколько вcьего {U3} и {Q3} растет в саду?"}},
    // B109: W and Q fewer; how many more U than Q.
    {109,
     &GardenTrees,
     &DrawShrinkingChain,
     [](const TaleCounts& n) {
       return n.a - n.m < 100 && n.b <= 100 && n.a >= n.m && n.d <= n.b && n.e <= n.b / n.d;
     },
     [](const TaleCounts& n) { return n.a - n.m; },
     {kGarden, "Известно, что {W3} в {d} {R(d)} меньше, чем {V3}, a {Q3} в {e} {R(e)}",
      " меньше, чем {W3}. На сколько больше {U3}, чем {Q3} растет в саду?"}},
    // B110: W more, Q fewer; how many more U than Q.
    {110,
     &GardenFlowers,
     &DrawPartOfW,
     &QPartOfWFits,
     [](const TaleCounts& n) { return n.a - n.m * n.d; },
     {kGarden, "Известно, что {W3} в {d} {R(d)} больше, чем {V3}, a {Q3} в {e} {R(e)}",
      " меньше, чем {W3}. На сколько больше {U3}, чем {Q3} растет в саду?"}},
    // B112: as B110, with "y" for "в".
    {112,
     &GardenFlowers,
     &DrawPartOfW,
     &QPartOfWFits,
     [](const TaleCounts& n) { return n.a - n.m * n.d; },
     {kGarden, "Известно, что {W3} y {d} {R(d)} больше, чем {V3}, a {Q3} в {e} {R(e)}",
      " меньше, чем {W3}. На сколько больше {U3}, чем {Q3} растет в саду?"}},
}};

static_assert(EveryRowHasValidTaleTemplates(kGardenProblems));

// A single plant or a multiplier of 1 would make no story: such draws start again.
bool NoOnes(const TaleCounts& n) {
  return n.a != 1 && n.b != 1 && n.d != 1 && n.e != 1;
}

void GenerateGarden(const GardenProblem& p, ProblemModule& m) {
  Tale tale;
  tale.n = DrawUntil(m, p.draw, [&](const TaleCounts& n) { return NoOnes(n) && p.accept(n); });
  tale.times = TimesAgreement::Garden;
  const auto plants = DrawDistinct<4>(m, kDrawnPlants);
  constexpr std::string_view letters = "UVWQ";
  for (std::size_t i = 0; i < plants.size(); ++i)
    tale.nouns[i] = {letters[i], &EntryAt(*p.plants, plants[i])};
  SetTaleInstance(m, p.lines, tale, p.answer(tale.n));
}

constexpr auto kBindings = BindRows<kGardenProblems, &GenerateGarden>();

}  // namespace

std::span<const ProblemBinding> BGardenProblems() {
  return kBindings;
}

}  // namespace mathsheets
