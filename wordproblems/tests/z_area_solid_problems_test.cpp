#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "wordproblems/tests/z_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

// The smallest and largest value one measure took over many instances: both ends of its range
// must come up.
struct Span {
  std::int64_t low = INT64_MAX, high = INT64_MIN;
  void Add(std::int64_t v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
};

struct Range {
  std::int64_t low, high;
};

void ExpectSpan(const Span& seen, Range range, const std::string& what) {
  EXPECT_EQ(seen.low, range.low) << what;
  EXPECT_EQ(seen.high, range.high) << what;
}

// Measures as they appear in the line, in order, with the answer from them.
struct AreaCase {
  int index;
  std::array<Range, 3> ranges;  // unused ranges are {0, 0}
  std::size_t measures;
  std::int64_t (*area)(const Numbers&);
  std::string_view start;
};

std::int64_t Product(const Numbers& n) {
  return n[0] * n[1];
}
std::int64_t Square(const Numbers& n) {
  return n[0] * n[0];
}
std::int64_t TwoSquares(const Numbers& n) {
  return n[0] * n[0] + n[1] * n[1];
}
std::int64_t SquareAndRectangle(const Numbers& n) {
  return n[0] * n[0] + n[1] * n[2];
}

constexpr std::string_view kSquareAndRectangle = "Вычислите общую площадь квадрата со стороной ";

const std::array<AreaCase, 13> kAreaCases = {{
    {30, {{{6, 9}, {2, 5}}}, 2, Product, "Вычисли площадь прямоугольника со сторонами "},
    {31, {{{2, 9}}}, 1, Square, "Вычисли площадь квадрата со стороной "},
    {32, {{{8, 36}}}, 1, Square, "Вычисли площадь квадрата со стороной "},
    {33, {{{12, 19}}}, 1, Square, "Вычисли площадь квадрата со стороной "},
    {34, {{{48, 76}}}, 1, Square, "Вычисли площадь квадрата со стороной "},
    {35, {{{2, 9}, {10, 17}}}, 2, TwoSquares, "Вычислите общую площадь квадратов со сторонами "},
    {36, {{{12, 19}, {20, 27}}}, 2, TwoSquares, "Вычислите общую площадь квадратов со сторонами "},
    // s, then the rectangle's sides as written: q, then p.
    {37, {{{12, 19}, {2, 6}, {7, 14}}}, 3, SquareAndRectangle, kSquareAndRectangle},
    {38, {{{32, 39}, {8, 12}, {17, 24}}}, 3, SquareAndRectangle, kSquareAndRectangle},
    {39, {{{21, 98}, {12, 16}, {17, 24}}}, 3, SquareAndRectangle, kSquareAndRectangle},
    {40, {{{51, 128}, {18, 22}, {27, 34}}}, 3, SquareAndRectangle, kSquareAndRectangle},
    {41, {{{210, 280}, {30, 70}, {120, 160}}}, 3, SquareAndRectangle, kSquareAndRectangle},
    {42, {{{1210, 1280}, {230, 270}, {520, 560}}}, 3, SquareAndRectangle, kSquareAndRectangle},
}};

TEST(Z30ToZ42, AreasFromTheWrittenMeasuresOverTheirWholeRanges) {
  for (const AreaCase& c : kAreaCases) {
    std::array<Span, 3> seen;
    ForManySeeds(c.index, [&](const ProblemInstance& p) {
      ASSERT_EQ(p.fileLines.size(), 1u);
      EXPECT_EQ(p.Preview(), p.fileLines);
      EXPECT_EQ(p.fileLines[0].rfind(c.start, 0), 0u) << p.fileLines[0];
      const Numbers n = NumbersIn(p.fileLines[0]);
      ASSERT_EQ(n.size(), c.measures);
      for (std::size_t i = 0; i < n.size(); ++i) seen[i].Add(n[i]);
      EXPECT_EQ(AnswerOf(p), c.area(n));
      // Z32 and Z34 write four times a drawn side; Z41 and Z42 ten times each measure.
      if (c.index == 32 || c.index == 34) {
        EXPECT_EQ(n[0] % 4, 0);
      }
      if (c.index >= 41) {
        for (auto v : n) EXPECT_EQ(v % 10, 0);
      }
    });
    for (std::size_t i = 0; i < c.measures; ++i)
      ExpectSpan(seen[i], c.ranges[i],
                 "Z" + std::to_string(c.index) + " measure " + std::to_string(i + 1));
  }
}

TEST(Z37, WritesTheRectangleShortSideFirst) {
  const ProblemInstance worked = Scripted(37, {{79, 0}, {79, 78}, {49, 0}});
  EXPECT_EQ(worked.fileLines, (Lines{"Вычислите общую площадь квадрата со стороной 12 и "
                                     "прямоугольника со сторонами 2 и 14"}));
  EXPECT_EQ(worked.answerLine, "172");
}

// The three different measures of a box problem; `line` is where they stand.
void ForBoxes(int index, std::size_t line, Range range,
              const std::function<void(const ProblemInstance&, const Numbers&)>& check) {
  Span seen;
  ForManySeeds(index, [&](const ProblemInstance& p) {
    const Numbers n = NumbersIn(p.fileLines.at(line));
    ASSERT_GE(n.size(), 3u);
    const Numbers box(n.end() - 3, n.end());
    EXPECT_TRUE(box[0] != box[1] && box[1] != box[2] && box[0] != box[2]);
    for (auto v : box) seen.Add(v);
    check(p, box);
  });
  ExpectSpan(seen, range, "Z" + std::to_string(index));
}

constexpr Range kSmall = {2, 16}, kLarge = {12, 26};

TEST(Z43ToZ52, BoxesAndCubes) {
  const std::string volume = "Вычислите объем прямоугольного параллелепипеда, измерения ";
  for (const int index : {43, 44}) {
    ForBoxes(
        index, 0, index == 43 ? kSmall : kLarge, [&](const ProblemInstance& p, const Numbers& b) {
          EXPECT_EQ(AnswerOf(p), b[0] * b[1] * b[2]);
          // The misspelt "которго" is in Z43's file and in Z44's preview.
          const bool small = index == 43;
          EXPECT_EQ(p.fileLines[0].rfind(volume + (small ? "которго" : "которого") + " равны: ", 0),
                    0u);
          EXPECT_EQ(
              p.Preview()[0].rfind(volume + (small ? "которого" : "которго") + " равны: ", 0),
              0u);
          EXPECT_EQ(NumbersIn(p.Preview()[0]), NumbersIn(p.fileLines[0]));
        });
  }
  for (const int index : {47, 48}) {
    ForBoxes(
        index, 1, index == 47 ? kSmall : kLarge, [&](const ProblemInstance& p, const Numbers& b) {
          EXPECT_EQ(AnswerOf(p), 2 * (b[0] * b[1] + b[0] * b[2] + b[1] * b[2]));
          const std::string first =
              "Вычислите площадь поверхности прямоугольного параллелепипеда, измерения которого ";
          EXPECT_EQ(p.fileLines[0], first + (index == 47 ? "равны,, " : "равны, "));
          EXPECT_EQ(p.Preview()[0], first + "равны, ");
          EXPECT_EQ(p.Preview()[1], p.fileLines[1]);
        });
  }
  for (const int index : {51, 52})
    ForBoxes(index, 1, index == 51 ? kSmall : kLarge,
             [](const ProblemInstance& p, const Numbers& b) {
               EXPECT_EQ(AnswerOf(p), 4 * (b[0] + b[1] + b[2]));
             });
  const std::array<std::pair<int, Range>, 4> cubes = {
      {{45, {6, 12}}, {46, {16, 22}}, {49, {6, 12}}, {50, {16, 22}}}};
  for (const auto& [index, range] : cubes) {
    Span seen;
    ForManySeeds(index, [&](const ProblemInstance& p) {
      const auto e = NumbersIn(p.fileLines[0]).at(0);
      seen.Add(e);
      EXPECT_EQ(AnswerOf(p), index < 49 ? e * e * e : 6 * e * e);
    });
    ExpectSpan(seen, range, "Z" + std::to_string(index));
  }
}

TEST(Z43, WorkedExampleRedrawsEqualMeasures) {
  const ProblemInstance p =
      Scripted(43, {{149, 0}, {149, 0}, {149, 10}, {149, 0}, {149, 10}, {149, 20}});
  EXPECT_EQ(p.fileLines, (Lines{"Вычислите объем прямоугольного параллелепипеда, измерения "
                                "которго равны: 2 м, 3 м и 4 м."}));
  EXPECT_EQ(p.Preview(), (Lines{"Вычислите объем прямоугольного параллелепипеда, измерения "
                                   "которого равны: 2 м, 3 м и 4 м."}));
  EXPECT_EQ(p.answerLine, "24");
}

TEST(Z53Z54, SurfaceFromHeightWidthAndLength) {
  const ProblemInstance worked = Scripted(53, {{69, 0}, {39, 20}, {39, 10}});
  EXPECT_EQ(worked.fileLines,
            (Lines{"Высота прямоугольного параллелепипеда равна 11 см, что на 3 cм больше чем ",
                   "его ширина и в 4 раза меньше его длины. Вычислите площадь  поверхности ",
                   "параллелепипеда. "}));
  EXPECT_EQ(worked.answerLine, "1848");
  const std::array<std::string, 3> times = {"", " раза", " раз"};
  for (const int index : {53, 54}) {
    ForManySeeds(index, [&](const ProblemInstance& p) {
      ASSERT_EQ(p.fileLines.size(), 3u);
      const Numbers first = NumbersIn(p.fileLines[0]);
      ASSERT_EQ(first.size(), 2u);
      const auto h = first[0], d = first[1], w = h - d, k = NumbersIn(p.fileLines[1]).at(0);
      const auto l = h * k;
      EXPECT_TRUE(Between(k, 2, 5));
      EXPECT_TRUE(index == 53 ? Between(w, 8, 14) && Between(d, 2, 5)
                              : Between(w, 18, 24) && Between(d, 6, 9));
      EXPECT_NE(p.fileLines[1].find(" в " + std::to_string(k) + times[FormAfter(k)] + " меньше"),
                std::string::npos);
      EXPECT_EQ(AnswerOf(p), 2 * (w * h + w * l + h * l));
    });
  }
}

TEST(Z55ToZ58, EdgesAndHeight) {
  for (const int index : {55, 56}) {
    ForManySeeds(index, [](const ProblemInstance& p) {
      const auto sum = NumbersIn(p.fileLines[0]).at(0);
      EXPECT_EQ(4 * AnswerOf(p), sum);
    });
  }
  for (const int index : {57, 58}) {
    const Range range = index == 57 ? kSmall : kLarge;
    ForManySeeds(index, [&](const ProblemInstance& p) {
      const auto volume = NumbersIn(p.fileLines[0]).at(0);
      const Numbers sides = NumbersIn(p.fileLines[1]);
      ASSERT_EQ(sides.size(), 2u);
      const auto length = sides[0], width = sides[1], height = AnswerOf(p);
      EXPECT_GT(length, width);  // never the shorter one first
      EXPECT_TRUE(height != length && height != width);
      for (auto v : {length, width, height}) EXPECT_TRUE(Between(v, range.low, range.high));
      EXPECT_EQ(length * width * height, volume);
    });
  }
}

TEST(Z57, SwapsLengthAndWidth) {
  const ProblemInstance p = Scripted(57, {{149, 0}, {149, 50}, {149, 20}});
  EXPECT_EQ(p.fileLines, (Lines{"Объем прямоугольного параллелепипеда равен 56 см,  длина - ",
                                "7 см, ширина - 2 cм. Найдите высоту данного параллелепипеда."}));
  EXPECT_EQ(p.answerLine, "4");
}

TEST(Z59Z60, FloorOfTheRoom) {
  const ProblemInstance worked = Scripted(59, {{39, 10}, {109, 0}, {109, 10}, {99, 0}, {99, 10}});
  EXPECT_EQ(worked.fileLines,
            (Lines{"Объем комнаты равен 120 м, а высота - 4 м. Найдите площадь пола."}));
  EXPECT_EQ(worked.answerLine, "30");
  for (const int index : {59, 60}) {
    const Range width = index == 59 ? Range{4, 14} : Range{14, 24};
    const Range length = index == 59 ? Range{5, 14} : Range{15, 24};
    ForManySeeds(index, [&](const ProblemInstance& p) {
      const Numbers n = NumbersIn(p.fileLines[0]);
      ASSERT_EQ(n.size(), 2u);
      const auto volume = n[0], h = n[1], floor = AnswerOf(p);
      EXPECT_TRUE(Between(h, 3, 6));
      EXPECT_EQ(h * floor, volume);
      // Some width and length of their ranges, different from each other and the height.
      bool found = false;
      for (auto b = width.low; b <= width.high; ++b)
        if (floor % b == 0 && Between(floor / b, length.low, length.high) && b != h &&
            floor / b != h && floor / b != b)
          found = true;
      EXPECT_TRUE(found) << floor;
    });
  }
}

}  // namespace
}  // namespace mathsheets
