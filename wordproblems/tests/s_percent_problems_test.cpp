#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "wordproblems/tests/s_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

TEST(S18, CucumbersAreTheirPercentOfTheVegetables) {
  ForManySeeds(S(18), [](const ProblemInstance& p) {
    const auto n = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(n.size(), 2u);
    const auto total = n[0], percent = n[1];
    EXPECT_TRUE(Between(total, 400, 980) && total % 20 == 0);
    EXPECT_TRUE(Between(percent, 5, 95) && percent % 5 == 0);
    EXPECT_EQ(Rational(AnswerOf(p)), Rational(total * percent, 100));
  });
  const ProblemInstance p = Scripted(S(18), {{189, 0}, {30, 0}});
  EXPECT_EQ(p.fileLines, (Lines{"Магазин продал 400 кг огурцов и помидоров, причем огурцы "
                                "составляли 5 % этих овощей.",
                                "Сколько килограммов огурцов продали?"}));
  EXPECT_EQ(p.answerLine, "20");
}

TEST(S19, OaksAreAPartOfAPart) {
  ForManySeeds(S(19), [](const ProblemInstance& p) {
    const auto parts = FractionsIn(p.fileLines[0]);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(std::gcd(parts[0].num, parts[0].den), 1);
    EXPECT_LT(parts[0].num, parts[0].den);
    EXPECT_EQ(FractionAnswer(p), parts[0].value() * parts[1].value());
  });
  // j hits the marks of i (2) and k (5), then takes 3.
  const ProblemInstance p =
      Scripted(S(19), {{39, 0}, {29, 0}, {29, 0}, {29, 20}, {29, 10}, {29, 0}, {29, 20}});
  EXPECT_EQ(p.fileLines, (Lines{"Толвары сотавляют 3/10 всех деревьев  которые растуть в парке, а "
                                "дубы - 10/33 от",
                                "количества толваров. Какую часть всех деревьев в парке "
                                "сотавляют дубы?"}));
  EXPECT_EQ(p.answerLine, "1/11");
}

TEST(S20, EachWeekSellsWholeBoxesAndTheThirdWhatIsLeft) {
  const std::array<std::string, 3> boxes = {" коробка", " коробки", " коробок"};
  ForManySeeds(S(20), [&](const ProblemInstance& p) {
    const auto total = NumbersIn(p.fileLines[0]).at(0);
    EXPECT_TRUE(Contains(
        p.fileLines[0], "продали " + std::to_string(total) + boxes[FormAfter(total)] + " конфет."));
    const auto first = FractionsIn(p.fileLines[0]).at(0),
               second = FractionsIn(p.fileLines[1]).at(0);
    EXPECT_EQ(std::gcd(first.num, first.den), 1);
    EXPECT_LT(second.num, second.den);
    const Rational week1 = Rational(total) * first.value();
    const Rational rest = Rational(total) - week1;
    const Rational week2 = rest * second.value();
    EXPECT_EQ(week1.den(), 1);
    EXPECT_EQ(week2.den(), 1);
    EXPECT_EQ(Rational(AnswerOf(p)), rest - week2);
    EXPECT_GT(AnswerOf(p), 0);
  });
}

TEST(S20, WorkedWeeksRedrawTheSecondFraction) {
  // 7/10 first; 22/21 is too much, so m is drawn again; 14/33 of the rest second.
  const ProblemInstance p = Scripted(
      S(20),
      {{29, 0}, {39, 0}, {39, 10}, {39, 0}, {49, 0}, {49, 40}, {39, 10}, {49, 30}, {100, 51}});
  EXPECT_EQ(p.fileLines,
            (Lines{"За три недели продали 220 коробок конфет. За первую неделю продали "
                   "7/10 этого количества,",
                   "за вторую - 14/33 остатка. Сколько коробок конфет продали за "
                   "третью неделю?"}));
  EXPECT_EQ(p.answerLine, "38");
}

TEST(S20, EveryFirstWeekLeavesASecondFractionBelowOne) {
  // The second-week loop ends only if some unmarked m and r give p[r]·p[j] < p[m]·p[k].
  const int primes[] = {0, 2, 3, 5, 7, 11, 13, 17};
  for (int i1 = 3; i1 <= 5; ++i1)
    for (int j = 1; j <= 4; ++j)
      for (int k = 1; k <= 4; ++k) {
        if (j == i1 || k == i1 || k == j) continue;
        bool found = false;
        for (int m = 4; m <= 7; ++m)
          for (int r = 1; r <= 5; ++r) {
            const bool free = m != i1 && m != j && m != k && r != i1 && r != j && r != k && r != m;
            found = found || (free && primes[r] * primes[j] < primes[m] * primes[k]);
          }
        EXPECT_TRUE(found) << i1 << " " << j << " " << k;
      }
}

TEST(S21, TheBankAddsThreeMonths) {
  ForManySeeds(S(21), [](const ProblemInstance& p) {
    const auto june = NumbersIn(p.fileLines[0]).at(0);
    const auto share = DecimalsIn(p.fileLines[0]).at(1);
    const auto august = FractionsIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(IsPrime(august.den) && Between(august.den, 11, 19));
    EXPECT_TRUE(Between(august.num - august.den, 1, 5));
    EXPECT_TRUE(share == Rational(5 * august.den, 100) ||
                (august.den <= 13 && share == Rational(7 * august.den, 100)));
    const Rational july = Rational(june) * share;
    EXPECT_EQ(july.den(), 1);
    EXPECT_EQ(Rational(AnswerOf(p)), Rational(june) + july + july * august.value());
  });
  const ProblemInstance p = Scripted(S(21), {{39, 0}, {5, 0}, {100, 51}, {79, 0}});
  EXPECT_EQ(p.fileLines, (Lines{"Банк \"Ломаный грош\" получил в июне 200 сольдо прибыли, в июле "
                                "- 0,77 от прибыли",
                                "июня, в августе - 12/11 от прибыли июля. Сколько сольдо "
                                "составила прибыль банка",
                                "за три летних месяца?"}));
  EXPECT_EQ(p.answerLine, "522");
  // 17 and 19 take 5d without a draw.
  EXPECT_TRUE(Contains(Scripted(S(21), {{39, 20}, {5, 0}, {79, 0}}).fileLines[0], " - 0,85 от"));
}

TEST(S22, CabbageIsWhatThePercentagesReferTo) {
  ForManySeeds(S(22), [](const ProblemInstance& p) {
    const auto total = NumbersIn(p.fileLines[0]).at(0);
    const auto percents = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(percents.size(), 2u);
    const auto c = percents[0], k = percents[1];
    EXPECT_TRUE(Between(c, 11, 49) && c % 10 != 0);
    EXPECT_TRUE(Between(k, 111, 149) && k % 10 != 0);
    const auto cabbage = AnswerOf(p);
    EXPECT_TRUE(cabbage % 100 == 0 && Between(cabbage, 2000, 9900));
    EXPECT_EQ(Rational(cabbage) * Rational(100 + c + k, 100), Rational(total));
  });
  const ProblemInstance p = Scripted(S(22), {{38, 18}, {38, 28}, {799, 0}});
  EXPECT_EQ(p.fileLines, (Lines{"В столовую завезли 5360 килограммов овощей: капусту, морковку и "
                                "картошку. Морковка составляла",
                                "29% от капусты, картошка 139% от капусты. Сколько килограммов "
                                "капусты завезли в столовую?"}));
  EXPECT_EQ(p.answerLine, "2000");
}

TEST(S23, EveryOrchardRowBalancesTheTwoPercentages) {
  for (std::int32_t row = 1; row <= 21; ++row) {
    const ProblemInstance p = Scripted(S(23), {{209, For10(row, 10)}});
    const auto first = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(first.size(), 2u);
    const auto trees = first[0], p1 = first[1], p2 = NumbersIn(p.fileLines[1]).at(0);
    const auto apples = AnswerOf(p);
    EXPECT_TRUE(Between(apples, 1, trees - 1));
    EXPECT_EQ(p1 * apples, p2 * (trees - apples)) << row;
  }
  EXPECT_EQ(Scripted(S(23), {{209, 200}}).fileLines,
            (Lines{"В саду росли груши и яблони, всего 900 деревьев. Сколько яблонь росло в саду, "
                   "если 180% их",
                   "количества равно 45% количества груш?"}));
}

TEST(S24, EveryCordRowAndPairLeavesAnExactRest) {
  for (std::int32_t row = 1; row <= 21; ++row) {
    const int pairs = row >= 15 ? 6 : 1;
    for (std::int32_t pair = 1; pair <= pairs; ++pair) {
      std::vector<ScriptedDraw> draws = {{209, For10(row, 10)}};
      if (row >= 15) draws.push_back({59, For10(pair, 10)});
      const ProblemInstance p = Scripted(S(24), draws);
      const auto length = NumbersIn(p.fileLines[0]).at(0);
      const auto a = NumbersIn(p.fileLines[0]).at(2), b = NumbersIn(p.fileLines[1]).at(1),
                 c = NumbersIn(p.fileLines[1]).at(3);
      const Rational afterTwo = Rational(length) * (Rational(1) - Rational(1, a) - Rational(1, b));
      const Rational rest = afterTwo * (Rational(1) - Rational(1, c));
      const auto answer = DecimalsIn(p.answerLine);
      ASSERT_EQ(answer.size(), 1u) << p.answerLine;
      EXPECT_EQ(answer[0], rest) << row << " " << pair;
      // Millimetres: the rest and each cut are whole.
      EXPECT_EQ((afterTwo * Rational(1000)).den(), 1);
      EXPECT_EQ((rest * Rational(1000)).den(), 1);
      // No trailing zeros after the comma, and no comma without digits after it.
      if (Contains(p.answerLine, ",")) {
        EXPECT_NE(p.answerLine.back(), '0') << p.answerLine;
      }
      EXPECT_NE(p.answerLine.back(), ',');
      EXPECT_TRUE(a < b);
    }
  }
}

TEST(S24, WorkedCords) {
  const ProblemInstance first = Scripted(S(24), {{209, 0}});
  EXPECT_EQ(first.fileLines,
            (Lines{"От шнура, длина которого  10 м,  сначала отрезали 1/4 его длины,",
                   "потом - 1/5 начальной длины, а потом - 1/11 того, что "
                   "осталось. Сколько метров",
                   "шнура осталось после этих трех операций?"}));
  EXPECT_EQ(first.answerLine, "5");
  EXPECT_EQ(Scripted(S(24), {{209, 10}}).answerLine, "7,2");
  // Row 15 with the pair 5 and 25: 22 m - 4,4 m - 0,88 m = 16,72 m, less 1/11 of it.
  const ProblemInstance paired = Scripted(S(24), {{209, 140}, {59, 50}});
  EXPECT_EQ(paired.fileLines[1],
            "потом - 1/25 начальной длины, а потом - 1/11 того, что осталось. Сколько метров");
  EXPECT_EQ(paired.answerLine, "15,2");
  // Row 19 (38 m) with 2 and 25: 38 - 19 - 1,52 = 17,48; less 1/19: 16,56.
  EXPECT_EQ(Scripted(S(24), {{209, 180}, {59, 20}}).answerLine, "16,56");
}

}  // namespace
}  // namespace mathsheets
