#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "wordproblems/tests/s_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

TEST(S25, MetresPerMinuteAsAWholeAndAReducedFraction) {
  ForManySeeds(S(25), [](const ProblemInstance& p) {
    const auto v = NumbersIn(p.fileLines[0]).at(0);
    EXPECT_TRUE(Between(v, 50, 110) && v % 3 != 0);
    const auto whole = NumbersIn(p.answerLine).at(0);
    const auto f = FractionsIn(p.answerLine).at(0);
    EXPECT_EQ(p.answerLine,
              std::to_string(whole) + "  " + std::to_string(f.num) + "/" + std::to_string(f.den));
    EXPECT_TRUE(f.num < f.den && f.value().den() == f.den);
    EXPECT_EQ(Rational(whole) + f.value(), Rational(1000 * v, 60));
  });
  const ProblemInstance p = Scripted(S(25), {{60, 0}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Автомобиль ехал со скоростью 50 км/час. Какая скорость автомобиля  в метрах за "
                   "минуту? "}));
  EXPECT_EQ(p.answerLine, "833  1/3");
  EXPECT_EQ(Scripted(S(25), {{60, 1}}).answerLine, "866  2/3");  // 51 is taken as 52
}

TEST(S26S27, JointWorkTimesAddAsReciprocals) {
  ForManySeeds(S(26), [](const ProblemInstance& p) {
    const auto one = NumbersIn(p.fileLines[0]).at(0), other = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_EQ(Rational(1, AnswerOf(p)), Rational(1, one) + Rational(1, other));
  });
  ForManySeeds(S(27), [](const ProblemInstance& p) {
    const auto together = NumbersIn(p.fileLines[0]).at(0), one = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(Between(together, 25, 81));
    EXPECT_EQ(Rational(1, AnswerOf(p)), Rational(1, together) - Rational(1, one));
  });
  const ProblemInstance painters = Scripted(S(26), {{5, 0}, {5, 0}});
  EXPECT_EQ(painters.fileLines,
            (Lines{"Маляр Иван Иванович может отремонтировать кабинет математики за 150 час, а "
                   "маляр Петр ",
                   "Петрович - за 30 час. За сколько часов, работая вместе они отремонтируют этот "
                   "кабинет?"}));
  EXPECT_EQ(painters.answerLine, "25");
  const ProblemInstance workers = Scripted(S(27), {{5, 4}, {5, 0}});
  EXPECT_EQ(workers.fileLines,
            (Lines{"Два работника, работая вместе, могут выполнить определенную работу за 45 час. "
                   "Один из них, ",
                   "работая самостоятельно, может выполнить эту работу за 50 час. За сколько "
                   "часов ее может выполнить",
                   "самостоятельно второй работник?"}));
  EXPECT_EQ(workers.answerLine, "450");
}

// The answer's parts add up to `total` and stand in the ratio `ratio`, by a factor of 3..8.
void ExpectParts(const Numbers& parts, std::int64_t total, const Numbers& ratio) {
  ASSERT_EQ(parts.size(), ratio.size());
  EXPECT_EQ(std::accumulate(parts.begin(), parts.end(), std::int64_t{0}), total);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    EXPECT_EQ(parts[i] * ratio[0], parts[0] * ratio[i]);
    EXPECT_EQ(parts[i] % ratio[i], 0);
    EXPECT_TRUE(Between(parts[i] / ratio[i], 3, 8));
  }
}

TEST(S28ToS31, PartsInTheGivenRatio) {
  struct Case {
    int index;
    std::string separator;
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
  };
  const std::vector<Case> cases = {
      {S(28), " ", {{10, 19}, {3, 9}}},
      {S(29), " ", {{20, 29}, {3, 9}, {10, 19}}},
      {S(30), " ", {{20, 39}, {21, 30}, {21, 30}}},
      {S(31), ":", {{20, 29}, {3, 9}, {10, 19}, {6, 25}}},
  };
  for (const Case& c : cases) {
    ForManySeeds(c.index, [&](const ProblemInstance& p) {
      Numbers all;
      for (const auto& line : p.fileLines)
        for (const auto v : NumbersIn(line)) all.push_back(v);
      ASSERT_EQ(all.size(), c.ranges.size() + 1);
      const Numbers ratio(all.begin() + 1, all.end());
      for (std::size_t i = 0; i < ratio.size(); ++i)
        EXPECT_TRUE(Between(ratio[i], c.ranges[i].first, c.ranges[i].second));
      const Numbers parts = NumbersIn(p.answerLine);
      std::string joined;
      for (const auto part : parts)
        joined += (joined.empty() ? "" : c.separator) + std::to_string(part);
      EXPECT_EQ(p.answerLine, joined);
      ExpectParts(parts, all[0], ratio);
      if (c.index == S(31)) {
        for (std::size_t i = 0; i < 3; ++i) EXPECT_NE(ratio[3], ratio[i]);
      }
      if (c.index == S(30)) {
        EXPECT_LT(2 * std::max({parts[0], parts[1], parts[2]}), all[0]);
      }
    });
  }
}

TEST(S28ToS31, WorkedDivisions) {
  const ProblemInstance two = Scripted(S(28), {{99, 0}, {69, 0}, {59, 0}});
  EXPECT_EQ(two.fileLines, (Lines{"Поделите число 39 на две части в отношении 10:3"}));
  EXPECT_EQ(two.answerLine, "30 9");
  // The fourth part 10 equals the third and is drawn again.
  const ProblemInstance four =
      Scripted(S(31), {{99, 0}, {69, 0}, {99, 0}, {199, 40}, {199, 4}, {59, 50}});
  EXPECT_EQ(four.fileLines, (Lines{"Поделите число 312 на четыре части в отношении 20:3:10:6"}));
  EXPECT_EQ(four.answerLine, "160:24:80:48");
  const ProblemInstance triangle = Scripted(S(30), {{199, 0}, {99, 0}, {99, 90}, {59, 0}});
  EXPECT_EQ(triangle.fileLines,
            (Lines{"Периметр треугольника равен 213 см, а длины его сторон относятся ",
                   "как 20:21:30. Найдите стороны треугольника."}));
  EXPECT_EQ(triangle.answerLine, "60 63 90");
}

TEST(S32, TwoRatiosChainedThroughY) {
  ForManySeeds(S(32), [](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]), second = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(second.size(), 2u);
    const auto parts = NumbersIn(p.answerLine);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(p.answerLine, std::to_string(parts[0]) + ":" + std::to_string(parts[1]) + ":" +
                                std::to_string(parts[2]));
    EXPECT_EQ(parts[0] + parts[1] + parts[2], first[0]);
    EXPECT_EQ(parts[0] * first[2], parts[1] * first[1]);    // X:Y
    EXPECT_EQ(parts[1] * second[1], parts[2] * second[0]);  // Y:Z
    const Numbers primes = {first[1], first[2], second[0], second[1]};
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_TRUE(IsPrime(primes[i]) && primes[i] <= 13);
      for (std::size_t j = 0; j < i; ++j) EXPECT_NE(primes[i], primes[j]);
    }
  });
  const ProblemInstance p =
      Scripted(S(32), {{39, 0}, {39, 0}, {39, 10}, {59, 20}, {59, 30}, {59, 0}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Поделите число 105 на три части X, Y i Z так, чтоб X:Y=5:2,", "a Y:Z=3:7"}));
  EXPECT_EQ(p.answerLine, "45:18:42");
}

// The one decimal of an answer line, which must be all of it.
Rational DecimalAnswer(const ProblemInstance& p) {
  const auto numbers = DecimalsIn(p.answerLine);
  EXPECT_EQ(numbers.size(), 1u) << p.answerLine;
  return numbers.empty() ? Rational(-1) : numbers[0];
}

const Rational kPi(314, 100);

TEST(S33ToS38, CircleAnswersWithPiAsThreePointOneFour) {
  for (int k = 33; k <= 38; ++k) {
    ForManySeeds(S(k), [&](const ProblemInstance& p) {
      ASSERT_EQ(p.fileLines.size(), 2u);
      EXPECT_EQ(p.fileLines[1], "Считать П=3,14");
      const auto given = DecimalsIn(p.fileLines[0]);
      const Rational answer = DecimalAnswer(p);
      switch (k) {
        case 33:
          ASSERT_EQ(given.size(), 2u);
          EXPECT_NE(given[1].num() % 5, 0);
          EXPECT_EQ(answer, Rational(2) * (given[0] + given[1] * Rational(1, 10)));
          break;
        case 34:
          ASSERT_EQ(given.size(), 2u);
          EXPECT_TRUE(Between(given[1].num(), 10, 98) && given[1].num() % 5 != 0);
          EXPECT_EQ(p.answerLine.size() - p.answerLine.find(','), 3u);
          EXPECT_EQ(answer, Rational(2) * (given[0] + given[1] * Rational(1, 100)));
          break;
        case 35:
          EXPECT_EQ(answer, kPi * given.at(0));
          break;
        case 36:
          EXPECT_EQ(answer, kPi * given.at(0) * given.at(0));
          break;
        case 37:
          EXPECT_EQ(kPi * answer, given.at(0));
          break;
        case 38: {
          ASSERT_EQ(given.size(), 2u);
          const Rational distance = given[0];
          const auto turns = given[1].num();
          EXPECT_EQ(p.fileLines[0].find(','), std::string("Чтобы проехать ").size() + 3);
          EXPECT_EQ(Rational(2) * kPi * answer * Rational(turns), distance);
          const auto cm = (answer * Rational(100)).num();
          EXPECT_TRUE(Between(cm, 11, 78) && cm % 5 != 0);
          EXPECT_EQ(turns, cm < 40 ? 400 : cm <= 53 ? 300 : 200);
          break;
        }
      }
      if (k >= 35 && k <= 37) {
        const Rational length = k == 37 ? answer : given.at(0);
        const auto mm = (length * Rational(10)).num();
        EXPECT_TRUE(Between(mm, 21, 99) && mm % 5 != 0) << mm;
      }
    });
  }
}

TEST(S33ToS38, WorkedCircles) {
  const ProblemInstance s33 = Scripted(S(33), {{149, 0}, {89, 40}, {89, 60}});
  EXPECT_EQ(s33.fileLines,
            (Lines{"Найдите диаметр круга, радиус которого равен 6 см 7 мм", "Считать П=3,14"}));
  EXPECT_EQ(s33.answerLine, "13,4");
  const ProblemInstance s34 = Scripted(S(34), {{149, 0}, {889, 420}});
  EXPECT_EQ(s34.fileLines[0], "Найдите диаметр круга, радиус которого равен  6 м 52 cм");
  EXPECT_EQ(s34.answerLine, "13,04");
  const ProblemInstance s35 = Scripted(S(35), {{799, 270}});
  EXPECT_EQ(s35.fileLines[0], "Вычислите длину круга, диаметр которого равен 4,7 cм.");
  EXPECT_EQ(s35.answerLine, "14,758");
  EXPECT_EQ(Scripted(S(35), {{799, 10}}).answerLine, "6,594");
  const ProblemInstance s36 = Scripted(S(36), {{799, 30}});
  EXPECT_EQ(s36.fileLines[0], "Вычислите площадь круга, радиус которого равен 2,3 cм.");
  EXPECT_EQ(s36.answerLine, "16,6106");
  const ProblemInstance s37 = Scripted(S(37), {{799, 100}, {799, 270}});  // 30 is drawn again
  EXPECT_EQ(s37.fileLines[0], "Вычислите диаметр круга, длина которого равна 14,758 cм.");
  EXPECT_EQ(s37.answerLine, "4,7");
  const ProblemInstance s38 = Scripted(S(38), {{679, 120}});
  EXPECT_EQ(s38.fileLines, (Lines{"Чтобы проехать 577,76 м, колесо совершило 400 оборотов. "
                                  "Найдите радиус колеса.",
                                  "Считать П=3,14"}));
  EXPECT_EQ(s38.answerLine, "0,23");
}

}  // namespace
}  // namespace mathsheets
