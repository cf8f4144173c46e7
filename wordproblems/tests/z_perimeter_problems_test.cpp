#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "wordproblems/tests/z_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

// The numbers of all lines of an instance, in order.
Numbers AllNumbers(const ProblemInstance& p) {
  Numbers all;
  for (const std::string& line : p.fileLines)
    for (auto v : NumbersIn(line)) all.push_back(v);
  return all;
}

TEST(Z14ToZ16, RectangleTriangleSquare) {
  ForManySeeds(14, [](const ProblemInstance& p) {
    const auto n = AllNumbers(p);
    ASSERT_EQ(n.size(), 2u);
    EXPECT_NE(n[0], n[1]);
    EXPECT_TRUE(Between(n[0], 20, 99) && Between(n[1], 20, 99));
    EXPECT_EQ(AnswerOf(p), 2 * (n[0] + n[1]));
  });
  ForManySeeds(15, [](const ProblemInstance& p) {
    const auto n = AllNumbers(p);
    ASSERT_EQ(n.size(), 3u);
    EXPECT_TRUE(n[0] != n[1] && n[1] != n[2] && n[0] != n[2]);
    EXPECT_EQ(AnswerOf(p), n[0] + n[1] + n[2]);
  });
  ForManySeeds(16, [](const ProblemInstance& p) {
    const auto n = AllNumbers(p);
    ASSERT_EQ(n.size(), 1u);
    EXPECT_EQ(AnswerOf(p), 4 * n[0]);
  });
}

TEST(Z15, ThirdSideEqualToTheSecondDrawsAllAgain) {
  // b = a draws a and b again; c = a draws c again; c = b draws everything again.
  const ProblemInstance p = Scripted(
      15, {{80, 0}, {80, 0}, {80, 0}, {80, 1}, {80, 0}, {80, 1}, {80, 2}, {80, 3}, {80, 4}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Вычслите периметр треугольника со сторонами 22 см, 23 см i 24 см."}));
  EXPECT_EQ(p.answerLine, "69");
}

TEST(Z17ToZ21, Rectangles) {
  ForManySeeds(17, [](const ProblemInstance& p) {
    const auto n = AllNumbers(p);
    ASSERT_EQ(n.size(), 2u);
    const auto longer = n[0], shorter = n[0] - n[1];
    EXPECT_TRUE(Between(shorter, 20, 98) && longer > shorter && longer <= 99);
    EXPECT_EQ(AnswerOf(p), 2 * (longer + shorter));
  });
  ForManySeeds(18, [](const ProblemInstance& p) {
    const auto n = AllNumbers(p);
    ASSERT_EQ(n.size(), 2u);
    const auto other = AnswerOf(p);
    EXPECT_LT(other, n[1]);
    EXPECT_EQ(2 * (other + n[1]), n[0]);
  });
  const std::array<std::string, 3> times = {"", " раза", " раз"};
  for (const int index : {19, 20}) {
    ForManySeeds(index, [&](const ProblemInstance& p) {
      const auto n = AllNumbers(p);
      ASSERT_EQ(n.size(), 2u);
      const auto a = n[0], k = n[1];
      EXPECT_TRUE(Between(k, 2, 9));
      const std::string more = index == 19 ? " больше" : " менше";
      EXPECT_NE(p.fileLines[0].find(" в " + std::to_string(k) + times[FormAfter(k)] + more +
                                    " чем первая."),
                std::string::npos);
      if (index == 19) {
        EXPECT_EQ(AnswerOf(p), 2 * (a + a * k));
      } else {
        ASSERT_EQ(a % k, 0);
        EXPECT_TRUE(Between(a / k, 10, 29));
        EXPECT_EQ(AnswerOf(p), 2 * (a + a / k));
      }
    });
  }
  ForManySeeds(21, [](const ProblemInstance& p) {
    const auto n = AllNumbers(p);
    ASSERT_EQ(n.size(), 2u);
    EXPECT_NE(n[0], n[1]);
    EXPECT_EQ(4 * AnswerOf(p), 2 * (n[0] + n[1]));
  });
}

TEST(Z19, WorkedLine) {
  const ProblemInstance p = Scripted(19, {{80, 5}, {79, 10}});
  EXPECT_EQ(p.fileLines, (Lines{"Одна сторона прямоугольника равна 25 см, а другая в 3 раза "
                                "больше чем первая.",
                                "Найдите периметр прямоугольника."}));
  EXPECT_EQ(p.answerLine, "200");
}

bool IsTriangle(std::array<std::int64_t, 3> s) {
  std::sort(s.begin(), s.end());
  return s[0] > 0 && s[2] < s[0] + s[1];
}

TEST(Z22ToZ26, Triangles) {
  ForManySeeds(22, [](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(first.size(), 2u);
    const auto a = first[0], b = first[0] + first[1];
    ASSERT_EQ(b % 2, 0);
    EXPECT_TRUE(IsTriangle({a, b, b / 2}));
    EXPECT_EQ(AnswerOf(p), a + b + b / 2);
  });
  ForManySeeds(23, [](const ProblemInstance& p) {
    const auto a = NumbersIn(p.fileLines[0]).at(0), d = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(IsTriangle({a, 3 * a, 3 * a - d}));
    EXPECT_EQ(AnswerOf(p), a + 3 * a + 3 * a - d);
  });
  ForManySeeds(24, [](const ProblemInstance& p) {
    const auto base = NumbersIn(p.fileLines[0]).at(0), leg = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_GT(2 * leg, base);
    EXPECT_EQ(AnswerOf(p), base + 2 * leg);
  });
  ForManySeeds(25, [](const ProblemInstance& p) {
    const auto n = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(n.size(), 2u);
    const auto leg = AnswerOf(p);
    EXPECT_EQ(n[0], n[1] + 2 * leg);
    EXPECT_GT(2 * leg, n[1]);
  });
  ForManySeeds(26, [](const ProblemInstance& p) {
    const auto n = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(n.size(), 2u);
    const auto base = AnswerOf(p);
    EXPECT_EQ(n[0], base + 2 * n[1]);
    EXPECT_TRUE(IsTriangle({base, n[1], n[1]}));
  });
}

TEST(Z22, RedrawsWhileTheSideIsNotLongerThanTheDifference) {
  const ProblemInstance p = Scripted(22, {{30, 0}, {10, 5}, {30, 2}, {10, 7}, {30, 2}, {10, 0}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Одна сторона треугольника равна 24 см, другая сторона на 10 см больше чем "
                   "первая,",
                   "а третья сторона в 2 раза меньше чем вторая. Найдите периметр треугольника."}));
  EXPECT_EQ(p.answerLine, "75");
}

// The angle between hands at `a` and `b` from twelve, at most half of `full` (360 in degrees).
std::int64_t Angle(std::int64_t a, std::int64_t b, std::int64_t full = 360) {
  const std::int64_t d = ((a - b) % full + full) % full;
  return std::min(d, full - d);
}

TEST(Z27ToZ29, ClockAngles) {
  ForManySeeds(27, [](const ProblemInstance& p) {
    const auto h = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(Between(h, 1, 11));
    EXPECT_EQ(AnswerOf(p), Angle(30 * h, 0));
    EXPECT_EQ(p.fileLines[0], "Укажите градусную меру угла между стрелками часов, если они ");
    EXPECT_EQ(p.Preview()[0], "Укажите градусную меру угла между стрелками часов, если вони ");
    EXPECT_EQ(p.Preview()[1], p.fileLines[1]);
  });
  ForManySeeds(28, [](const ProblemInstance& p) {
    const auto n = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(n.size(), 2u);
    EXPECT_TRUE(Between(n[0], 1, 59));
    EXPECT_EQ(AnswerOf(p), Angle(6 * n[0], 0));
  });
  ForManySeeds(29, [](const ProblemInstance& p) {
    const auto n = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(n.size(), 3u);
    const auto h = n[0], minutes = n[1];
    // In half degrees: the hour hand moves one a minute, the minute hand twelve.
    ASSERT_EQ(minutes % 12, 0);
    EXPECT_EQ(2 * AnswerOf(p), Angle(60 * h + minutes, 12 * minutes, 720));
    EXPECT_TRUE(Between(AnswerOf(p), 6, 180));
  });
}

TEST(Z27ToZ29, WorkedAngles) {
  EXPECT_EQ(Scripted(27, {{11, 5}}).answerLine, "180");
  EXPECT_EQ(Scripted(27, {{11, 8}}).fileLines[1], "показывают 9 час ровно.");
  EXPECT_EQ(Scripted(27, {{11, 8}}).answerLine, "90");
  EXPECT_EQ(Scripted(28, {{59, 29}}).answerLine, "180");
  EXPECT_EQ(Scripted(28, {{59, 44}}).fileLines[1], "часов, если они показывают 45 мн 0 сек.");
  EXPECT_EQ(Scripted(28, {{59, 44}}).answerLine, "90");
  const ProblemInstance early = Scripted(29, {{11, 0}, {4, 0}});
  EXPECT_EQ(early.fileLines,
            (Lines{"Укажите градусную меру угла между часовой и минутной стрелками ",
                   "часов, если они показывают 1 час 12 мн 0 сек."}));
  EXPECT_EQ(early.answerLine, "36");
  EXPECT_EQ(Scripted(29, {{11, 10}, {4, 0}}).answerLine, "96");
}

}  // namespace
}  // namespace mathsheets
