#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "wordproblems/tests/s_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

// Whether w/den is the nearest fraction with denominator den on its side of r: no other numerator
// lies between it and r.
bool IsNeighbour(std::int64_t w, std::int64_t den, Rational r) {
  const Rational f(w, den);
  return f > r ? !(Rational(w - 1, den) > r) : !(Rational(w + 1, den) < r);
}

TEST(S7, TheAnswerNamesTheHeadWithTheLargerPieces) {
  ForManySeeds(S(7), [](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(first.size(), 4u);
    const auto w1 = first[0], p1 = first[1], w2 = first[2], p2 = first[3];
    EXPECT_TRUE(Between(w1, 2, p1 - 2));
    EXPECT_TRUE(Between(w2, 1, p2));
    const auto common = std::gcd(p1, p2);
    EXPECT_TRUE(IsPrime(p1 / common) && IsPrime(p2 / common) && p1 / common <= 11 &&
                p2 / common <= 11);
    const Rational first_piece(w1, p1), second_piece(w2, p2);
    EXPECT_FALSE(first_piece == second_piece);
    EXPECT_TRUE(IsNeighbour(w2, p2, first_piece));
    EXPECT_EQ(p.answerLine, first_piece > second_piece ? "первой" : "второй");
  });
}

TEST(S7, WorkedHeadsAndNoHeadOfNothing) {
  // A = 4, P1 = 4·11 = 44, P2 = 4·2 = 8.
  const auto cheese = [](std::int32_t w1Draw, std::int32_t side) {
    return Scripted(S(7), {{39, 0}, {39, 0}, {49, 40}, {49, 0}, {41, w1Draw}, {100, side}});
  };
  const ProblemInstance lighter = cheese(28, 50);
  EXPECT_EQ(
      lighter.fileLines,
      (Lines{"Головку сыра массой 30 кг поделили на 44 pавных кусочков, а головку массой 5 кг "
             "на 8",
             "pавных кусочков. Кусочек какой головки сыра, первой или второй, вы  посоветуете "
             "съесть",
             "Мише, который очень его любит?"}));
  EXPECT_EQ(lighter.answerLine, "первой");
  const ProblemInstance heavier = cheese(28, 51);
  EXPECT_TRUE(Contains(heavier.fileLines[0], "головку массой 6 кг на 8"));
  EXPECT_EQ(heavier.answerLine, "второй");
  // 2/44 of a kilogram per piece leaves no lighter head with pieces of an eighth: the second head
  // is the lightest heavier one, 1 kg, instead of 0 kg.
  const ProblemInstance small = cheese(0, 0);
  EXPECT_TRUE(Contains(small.fileLines[0],
                       "массой 2 кг поделили на 44 pавных кусочков, а "
                       "головку массой 1 кг на 8"));
  EXPECT_EQ(small.answerLine, "второй");
}

TEST(S8, TheAnswerNamesTheCarThatCoversMore) {
  ForManySeeds(S(8), [](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]), second = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 2u);
    const auto c = first[0], t = first[1], y = second[0], x = second[1];
    EXPECT_TRUE(Between(c, 5, 14) && Between(t - c, 1, 7) && Between(y - c, 1, 5));
    EXPECT_TRUE(IsNeighbour(x, y, Rational(t, c)));
    const Rational car(y, c), truck(x, t);
    EXPECT_FALSE(car == truck);
    EXPECT_EQ(p.answerLine, car > truck ? "легковой" : "грузовой");
  });
  // 5 and 6 hours; 6 hours for each: the truck needs more than 7,2 hours to pass the car.
  EXPECT_EQ(Scripted(S(8), {{10, 0}, {7, 0}, {5, 0}, {100, 51}}).fileLines[1],
            "автомобиль проедет большее расстояние: легковой за 6 час или грузовой за 8 час?");
  const ProblemInstance car = Scripted(S(8), {{10, 0}, {7, 0}, {5, 0}, {100, 50}});
  EXPECT_EQ(car.fileLines[0],
            "Расстояние между двумя городами легковой автомобиль преодолевает за 5 час, а грузовой "
            "- за 6 час. Какой ");
  EXPECT_TRUE(Contains(car.fileLines[1], " грузовой за 7 час?"));
  EXPECT_EQ(car.answerLine, "легковой");
}

TEST(S9, TheDifferenceOfTheJugs) {
  ForManySeeds(S(9), [](const ProblemInstance& p) {
    const auto jugs = FractionsIn(p.fileLines[0]);
    ASSERT_EQ(jugs.size(), 2u);
    for (const auto& jug : jugs) {
      EXPECT_TRUE(jug.den == 11 || jug.den == 13 || jug.den == 17 || jug.den == 19);
      EXPECT_TRUE(Between(jug.num, 1, jug.den / 2));
    }
    EXPECT_NE(jugs[0].den, jugs[1].den);
    const Rational difference = jugs[0].value() - jugs[1].value();
    EXPECT_EQ(FractionAnswer(p), difference < Rational(0) ? -difference : difference);
  });
  // d1 = 11; d2 hits the mark of 11, then 19.
  const ProblemInstance p = Scripted(S(9), {{39, 0}, {39, 0}, {39, 30}, {5, 4}, {9, 0}});
  EXPECT_EQ(p.fileLines, (Lines{"В одном кувшинчике было 5/11 л сметаны, а в другом - 1/19 л.  В "
                                "каком кувшинчике было больше ",
                                "сметаны и на сколько?"}));
  EXPECT_EQ(p.Preview()[0],
            "В одном кувшинчике было 5/11 л сметаны, а в другом - 1/19 л. В "
            "каком кувшинчике было больше ");
  EXPECT_EQ(p.answerLine, "84/209");
}

// "w час и n/d" read back as w + n/d, n/d a reduced proper fraction.
Rational HoursAnswer(const std::string& line) {
  const auto whole = NumbersIn(line).at(0);
  const auto f = FractionsIn(line).at(0);
  EXPECT_EQ(line, std::to_string(whole) + " час и " + std::to_string(f.num) + "/" +
                      std::to_string(f.den));
  EXPECT_TRUE(f.num >= 1 && f.num < f.den) << line;
  EXPECT_EQ(f.value().den(), f.den) << line;
  return Rational(whole) + f.value();
}

TEST(S10, EveryDrawGivesTheTotalAsHoursAndAProperFraction) {
  // All primes, all c1 and c2: the generator's total against cleaning plus washing up.
  for (int e = 1; e <= 4; ++e)
    for (int k = 1; k <= 4; ++k)
      for (int j = 3; j <= 5; ++j) {
        if (j == k) continue;
        const std::int32_t primes[] = {0, 2, 3, 5, 7, 11};
        const std::int32_t a = primes[e] * primes[k];
        for (int c1Draw = 0; c1Draw < (a == 4 ? 1 : 3); ++c1Draw)
          for (int c2Draw = 0; c2Draw < 3; ++c2Draw) {
            std::vector<ScriptedDraw> draws = {
                {39, For10(e, 10)}, {39, For10(k, 10)}, {29, For10(j, 30)}};
            if (a != 4) draws.push_back({3, c1Draw});
            draws.push_back({3, c2Draw});
            const ProblemInstance p = Scripted(S(10), draws);
            const auto times = FractionsIn(p.fileLines[0]);
            ASSERT_EQ(times.size(), 2u);
            const Rational cleaning = times[0].value(), more = times[1].value();
            EXPECT_EQ(times[0].num, a == 4 ? 3 : c1Draw + a / 2 + 1);
            EXPECT_EQ(times[0].den, a);
            EXPECT_EQ(times[1].den, primes[e] * primes[j]);
            EXPECT_TRUE(cleaning > more);
            EXPECT_EQ(HoursAnswer(p.answerLine), cleaning + (cleaning - more)) << p.fileLines[0];
          }
      }
}

TEST(S10, WorkedTotals) {
  // a = 2·7, c1 = 8; b = 2·5, c2 = 3: 8/14 + 8/14 - 3/10 = 59/70, under an hour.
  const ProblemInstance below = Scripted(S(10), {{39, 0}, {39, 30}, {29, 0}, {3, 0}, {3, 2}});
  EXPECT_EQ(
      below.fileLines,
      (Lines{"Золушка  8/14 час убирала комнаты, что на 3/10 час больше времени, которое она ",
             "потратила на мойку посуды. Сколько времени Золушка потратила на уборку  и "
             "мойку посуды?"}));
  EXPECT_EQ(below.Preview()[1],
            "потратила на мойку посуды. Сколько времени Золушка потратила на уборку и мойку "
            "посуды?");
  EXPECT_EQ(below.answerLine, "0 час и 59/70");
  // a = 4 takes c1 = 3 without a draw.
  const ProblemInstance four = Scripted(S(10), {{39, 0}, {39, 0}, {29, 0}, {3, 0}});
  EXPECT_TRUE(Contains(four.fileLines[0], "Золушка  3/4 час убирала комнаты, что на 1/10 час"));
  EXPECT_EQ(four.answerLine, "1 час и 2/5");
}

// "F1   Fk": the parts done in one hour and in k hours.
void ExpectParts(const ProblemInstance& p, Rational perHour, std::int64_t hours) {
  const auto parts = FractionsIn(p.answerLine);
  ASSERT_EQ(parts.size(), 2u) << p.answerLine;
  EXPECT_EQ(p.answerLine, std::to_string(parts[0].num) + "/" + std::to_string(parts[0].den) +
                              "   " + std::to_string(parts[1].num) + "/" +
                              std::to_string(parts[1].den));
  for (const auto& part : parts) EXPECT_EQ(part.value().den(), part.den) << p.answerLine;
  EXPECT_EQ(parts[0].value(), perHour);
  EXPECT_EQ(parts[1].value(), perHour * Rational(hours));
}

// The times share one prime and differ in the other, taken from 2..7.
void ExpectSharedPrime(const Numbers& times, std::int64_t low, std::int64_t high) {
  std::int64_t common = times.at(0);
  for (const auto t : times) common = std::gcd(common, t);
  EXPECT_TRUE(IsPrime(common) && Between(common, low, high)) << common;
  for (std::size_t i = 0; i < times.size(); ++i) {
    EXPECT_TRUE(IsPrime(times[i] / common) && times[i] / common <= 7);
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(times[i], times[j]);
  }
}

TEST(S11S12, JointWorkInOneHourAndMore) {
  ForManySeeds(S(11), [](const ProblemInstance& p) {
    const auto t = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_GT(t[0], t[1]);
    ExpectSharedPrime(t, 11, 19);
    ExpectParts(p, Rational(1, t[0]) + Rational(1, t[1]), 2);
  });
  ForManySeeds(S(12), [](const ProblemInstance& p) {
    const auto t = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(t.size(), 3u);
    ExpectSharedPrime(t, 11, 19);
    ExpectParts(p, Rational(1, t[0]) + Rational(1, t[1]) + Rational(1, t[2]), 3);
  });
  // e = 11; 2 and 3: 33 and 22 hours; 1/22 + 1/33 = 5/66.
  const ProblemInstance p = Scripted(S(11), {{39, 0}, {39, 0}, {39, 10}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Ивасик-Телесик может вспахать поле за 33 час, а Котигорошко за 22 час. Какую "
                   "часть поля",
                   "вспашут они вместе за 1 час? За 2 час?"}));
  EXPECT_EQ(p.answerLine, "5/66   5/33");
}

TEST(S13ToS15, WhatIsLeftAndWhatOnePipeDoes) {
  ForManySeeds(S(13), [](const ProblemInstance& p) {
    const auto t = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(t.size(), 2u);
    ExpectSharedPrime(t, 2, 7);
    EXPECT_EQ(FractionAnswer(p), Rational(1) - Rational(1, t[0]) - Rational(1, t[1]));
    EXPECT_TRUE(Contains(p.fileLines[0], std::to_string(t[1]) + "  мн. Какая"));
    EXPECT_TRUE(Contains(p.Preview()[0], std::to_string(t[1]) + " мн. Какая"));
    EXPECT_EQ(p.Preview()[1], p.fileLines[1]);
  });
  ForManySeeds(S(14), [](const ProblemInstance& p) {
    const auto t = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(t.size(), 2u);
    ExpectSharedPrime(t, 2, 7);
    EXPECT_LT(t[0], t[1]);
    EXPECT_EQ(FractionAnswer(p), Rational(1) - (Rational(1, t[0]) - Rational(1, t[1])));
  });
  ForManySeeds(S(15), [](const ProblemInstance& p) {
    const auto a = NumbersIn(p.fileLines[0]).at(0), b = NumbersIn(p.fileLines[1]).at(1);
    EXPECT_TRUE(a == 2 || a == 3 || a == 5);
    EXPECT_TRUE(b == 7 || b == 11 || b == 13);
    EXPECT_EQ(FractionAnswer(p), Rational(1, a) - Rational(1, b));
  });
  // e = 2; 3 then 2: 6 and 4 minutes, 1/6 + 1/4 = 5/12 eaten.
  const ProblemInstance p = Scripted(S(13), {{39, 0}, {39, 10}, {39, 0}});
  EXPECT_EQ(p.fileLines, (Lines{"Миша может съесть арбуз за 6 мн, а Коля - за 4  мн. Какая часть "
                                "арбуза останется",
                                "через 1 мн, если мальчики начнут есть его одновременно?"}));
  EXPECT_EQ(p.answerLine, "7/12");
  // The same draws for S14 put the filling pipe first.
  EXPECT_EQ(Scripted(S(14), {{39, 0}, {39, 10}, {39, 0}}).fileLines[0],
            "Бассейн можно заполнить водой за 4 час через одну трубу и  осушить за 6 через "
            "другую. Петя");
}

TEST(S16S17, PartsOfAnAngleAndOfTheMushrooms) {
  ForManySeeds(S(16), [](const ProblemInstance& p) {
    const auto f = FractionsIn(p.fileLines[0]).at(0);
    EXPECT_EQ(90 % f.den, 0);
    EXPECT_TRUE(f.den >= 2 && f.den != 90);
    EXPECT_TRUE(Between(f.num, 1, f.den - 1) && std::gcd(f.num, f.den) == 1);
    EXPECT_EQ(Rational(AnswerOf(p)), Rational(90) * f.value());
  });
  ForManySeeds(S(17), [](const ProblemInstance& p) {
    const auto total = NumbersIn(p.fileLines[0]).at(0);
    const auto f = FractionsIn(p.fileLines[0]).at(0);
    EXPECT_TRUE(IsPrime(f.den) && Between(f.den, 11, 23));
    EXPECT_TRUE(Between(f.num, 1, f.den - 1));
    EXPECT_EQ(total % (10 * f.den), 0);
    EXPECT_TRUE(Between(total / f.den, 100, 390));
    EXPECT_EQ(Rational(AnswerOf(p)), Rational(total) * f.value());
  });
  // d = 2 can only be asked as 1/2.
  const ProblemInstance half = Scripted(S(16), {{99, 0}, {1, 0}});
  EXPECT_EQ(half.fileLines, (Lines{"Сколько градусов составляет 1/2 прямого угла?"}));
  EXPECT_EQ(half.answerLine, "45");
  // d = 6: 2/6 is drawn again.
  EXPECT_EQ(Scripted(S(16), {{99, 30}, {5, 1}, {5, 4}}).answerLine, "75");
  const ProblemInstance mushrooms = Scripted(S(17), {{49, 0}, {10, 2}, {30, 0}});
  EXPECT_EQ(mushrooms.fileLines, (Lines{"Миша собрал 1100 грибов, из них 3/11 составляли белые. "
                                        "Сколько белых грибов собрал Миша?"}));
  EXPECT_EQ(mushrooms.answerLine, "300");
}

}  // namespace
}  // namespace mathsheets
