// B117..B132: perimeter and area of squares, rectangles and triangles.
#include <gtest/gtest.h>

#include "wordproblems/tests/b_tale_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;
using R = Rational;

struct FigureCase {
  int number;
  std::string_view order;  // the numbers as the text shows them; '1' and '2' are S1 and S2
  R (*answer)(const ShownCounts&, const std::string& text);
  bool (*drawn)(const ShownCounts&, const std::string& text);
};

bool Flat(std::int64_t x, std::int64_t y, std::int64_t z) {
  return x >= y + z || y >= x + z || z >= x + y;
}

bool Says(const std::string& text, std::string_view word) {
  return text.find(word) != std::string::npos;
}

// The sides of a rectangle from one side S and a difference d: S is the shorter one when the
// other is "больше".
std::pair<std::int64_t, std::int64_t> ShorterAndLonger(const ShownCounts& n,
                                                       const std::string& text) {
  const bool longerOther = Says(text, " больше.");
  EXPECT_NE(longerOther, Says(text, " меньше.")) << text;
  return longerOther ? std::pair{n['S'], n['S'] + n['d']} : std::pair{n['S'] - n['d'], n['S']};
}

const FigureCase kFigureCases[] = {
    {117, "s", [](const ShownCounts& n, const std::string&) { return R(4) * n['s']; },
     [](const ShownCounts& n, const std::string&) { return Between(n['s'], 2, 20); }},
    {118, "xyz",
     [](const ShownCounts& n, const std::string&) { return R(n['x']) + n['y'] + n['z']; },
     [](const ShownCounts& n, const std::string&) {
       return !Flat(n['x'], n['y'], n['z']) && Between(n['x'], 10, 32) && Between(n['z'], 10, 33);
     }},
    {119, "s", [](const ShownCounts& n, const std::string&) { return R(3) * n['s']; },
     [](const ShownCounts& n, const std::string&) { return Between(n['s'], 2, 20); }},
    {120, "Pc", [](const ShownCounts& n, const std::string&) { return (R(n['P']) - n['c']) / 2; },
     [](const ShownCounts& n, const std::string&) {
       return Between(n['c'], 2, 20) && Between((n['P'] - n['c']) / 2, 20, 38);
     }},
    {121, "xyP",
     [](const ShownCounts& n, const std::string&) { return R(n['P']) - n['x'] - n['y']; },
     [](const ShownCounts& n, const std::string&) {
       const std::int64_t z = n['P'] - n['x'] - n['y'];
       return !Flat(n['x'], n['y'], z) && Between(z, 10, 28);
     }},
    {122, "Sd",
     [](const ShownCounts& n, const std::string& text) {
       const auto [p, q] = ShorterAndLonger(n, text);
       return R(2) * p + R(2) * q;
     },
     [](const ShownCounts& n, const std::string& text) {
       const auto [p, q] = ShorterAndLonger(n, text);
       return Between(p, 10, 18) && Between(q, 20, 38);
     }},
    {123, "Sk",
     [](const ShownCounts& n, const std::string& text) {
       const R other = Says(text, "больше в ") ? R(n['S']) * n['k'] : R(n['S'], n['k']);
       return R(2) * n['S'] + R(2) * other;
     },
     [](const ShownCounts& n, const std::string& text) {
       const bool more = Says(text, "\nбольше в ");
       const std::int64_t p = more ? n['S'] : n['S'] / n['k'];
       return more != Says(text, "\nменше в ") && Between(p, 10, 18) && Between(n['k'], 2, 4) &&
              Says(text, " раза. ");
     }},
    {124, "P", [](const ShownCounts& n, const std::string&) { return R(n['P'], 4); },
     [](const ShownCounts& n, const std::string&) { return Between(n['P'] / 4, 7, 23); }},
    {125, "12m",
     [](const ShownCounts& n, const std::string& text) {
       const R named(Says(text, " чем первая. ") ? n['1'] : n['2']);
       const R third = Says(text, " раза больше чем ") ? named * n['m'] : named / n['m'];
       return R(n['1']) + n['2'] + third;
     },
     [](const ShownCounts& n, const std::string& text) {
       const bool first = Says(text, " чем первая. "), more = Says(text, " раза больше чем ");
       const std::int64_t named = first ? n['1'] : n['2'];
       const std::int64_t third = more ? named * n['m'] : named / n['m'];
       return first != Says(text, " чем вторая. ") && more != Says(text, " раза меньше чем ") &&
              Between(n['m'], 2, 3) && !Flat(n['1'], n['2'], third);
     }},
    {126, "ab", [](const ShownCounts& n, const std::string&) { return R(n['a']) * n['b']; },
     [](const ShownCounts& n, const std::string&) {
       return Between(n['a'], 10, 28) && Between(n['b'], 2, 8);
     }},
    {127, "aA", [](const ShownCounts& n, const std::string&) { return R(n['A'], n['a']); },
     [](const ShownCounts& n, const std::string& text) {
       const bool cm = Says(text, " см, а его") && Says(text, " кв.см. ");
       const bool dm = Says(text, " дм, а его") && Says(text, " кв.дм. ");
       return cm != dm && Between(n['A'] / n['a'], 4, 10);
     }},
    {128, "s", [](const ShownCounts& n, const std::string&) { return R(n['s']) * n['s']; },
     [](const ShownCounts& n, const std::string&) { return Between(n['s'], 11, 19); }},
    // The answer is the side whose square is the area shown.
    {129, "A",
     [](const ShownCounts& n, const std::string& text) {
       for (std::int64_t s = 1; s * s <= n['A']; ++s)
         if (s * s == n['A']) return R(s);
       ADD_FAILURE() << "no whole side: " << text;
       return R(0);
     },
     [](const ShownCounts& n, const std::string& text) {
       return Between(n['A'], 4, 100) && Says(text, " кв.см.") != Says(text, " кв.дм.");
     }},
    {130, "Sd",
     [](const ShownCounts& n, const std::string& text) {
       const auto [p, q] = ShorterAndLonger(n, text);
       return R(p) * q;
     },
     [](const ShownCounts& n, const std::string& text) {
       const auto [p, q] = ShorterAndLonger(n, text);
       return Between(p, 2, 4) && Between(q, 6, 8);
     }},
    {131, "aP",
     [](const ShownCounts& n, const std::string&) { return R(n['a']) * (R(n['P'], 2) - n['a']); },
     [](const ShownCounts& n, const std::string&) { return Between(n['P'], 30, 54); }},
    {132, "P", [](const ShownCounts& n, const std::string&) { return R(n['P'], 4) * R(n['P'], 4); },
     [](const ShownCounts& n, const std::string&) { return Between(n['P'] / 4, 10, 28); }},
};

TEST(BFigureProblems, AnswersRangesAndWords) {
  for (const FigureCase& c : kFigureCases) {
    SCOPED_TRACE("B" + std::to_string(c.number));
    ForSeeds(c.number, [&](const ProblemInstance& p) {
      const ShownCounts n = ReadShown(p, c.order);
      const std::string text = TextOf(p);
      ExpectAnswer(p, c.answer(n, text));
      EXPECT_TRUE(c.drawn(n, text));
    });
  }
}

TEST(BFigureWorkedExamples, PinnedDraws) {
  const ProblemInstance b120 = Scripted(B(120), {{19, 18}, {19, 18}});
  EXPECT_EQ(b120.fileLines, (Lines{"Периметр треугольника ABC равен 96 см. AC=AB ",
                                   "Найдите длинну стороны AC, если CB=20 см."}));
  EXPECT_EQ(b120.answerLine, "38");
  // 10, 10 and 20 lie flat and are drawn again.
  const ProblemInstance b118 =
      Scripted(B(118), {{23, 0}, {23, 0}, {24, 10}, {23, 5}, {23, 6}, {24, 7}});
  EXPECT_EQ(b118.fileLines,
            Lines{"Стороны треугольника равны 15 см, 16 см и 17 см. Найдите его периметр."});
  EXPECT_EQ(b118.answerLine, "48");
  // W value 2 draws k before p and shows k × p.
  const ProblemInstance b123 = Scripted(B(123), {{19, 10}, {29, 5}, {9, 2}});
  EXPECT_EQ(b123.fileLines, (Lines{"У прямоугольника одна сторона  равна 24 см, а другая -",
                                   "менше в 2 раза. Найдите периметр прямоугольника."}));
  EXPECT_EQ(b123.answerLine, "72");
  // Sides 3, 5 and 6: the shorter third side named after the second, so S1 = r, S2 = m × p.
  const ProblemInstance b125 = Scripted(B(125), {{2, 0}, {7, 1}, {18, 3}, {19, 12}, {19, 15}});
  EXPECT_EQ(b125.fileLines,
            (Lines{"Первая сторона треугольника равна 5 см, другая 6 см, а третья",
                   "сторона в 2 раза меньше чем вторая. Знайдите периметр треугольника."}));
  EXPECT_EQ(b125.answerLine, "14");
}

}  // namespace
}  // namespace mathsheets
