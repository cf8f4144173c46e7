#include <gtest/gtest.h>

#include <array>
#include <string>

#include "wordproblems/tests/z_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

bool Has(const std::string& line, const std::string& piece) {
  return line.find(piece) != std::string::npos;
}

TEST(Z1, WorkedExampleWithTheLatinYForm) {
  const ProblemInstance z1 = Scripted(1, {{99, 0}, {99, 98}, {30, 1}, {15, 2}, {100, 50}});
  EXPECT_EQ(z1.fileLines,
            (Lines{"Светланка и Петя решали задачи, Петя решил 41 задачy, а Светланка на",
                   "22 задачи меньше. Сколько задач решили Петя и Светланка вместе?"}));
  EXPECT_EQ(z1.Preview(), z1.fileLines);
  EXPECT_EQ(z1.answerLine, "60");
  const ProblemInstance more = Scripted(1, {{99, 10}, {99, 10}, {30, 29}, {15, 14}, {100, 51}});
  EXPECT_TRUE(Has(more.fileLines[0], "Наденька и Юра решали задачи, Юра решил 69 задач, а "));
  EXPECT_EQ(more.fileLines[1].rfind("34 задачи больше.", 0), 0u);
  EXPECT_EQ(more.answerLine, "172");
}

TEST(Z1, AnswerIsTheTotalOfBothChildren) {
  const std::array<std::string, 3> forms = {"задачy", "задачи", "задач"};
  ForManySeeds(1, [&](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 2u);
    const auto a = NumbersIn(p.fileLines[0]).at(0), d = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(Between(a, 40, 69) && Between(d, 20, 34));
    EXPECT_TRUE(
        Has(p.fileLines[0], " решил " + std::to_string(a) + " " + forms[FormAfter(a)] + ", а "));
    EXPECT_EQ(p.fileLines[1].rfind(std::to_string(d) + " " + forms[FormAfter(d)] + " ", 0), 0u);
    const bool fewer = Has(p.fileLines[1], " меньше. ");
    EXPECT_NE(fewer, Has(p.fileLines[1], " больше. "));
    EXPECT_EQ(AnswerOf(p), a + (fewer ? a - d : a + d));
  });
}

TEST(Z2, WordsSwapWithTheDraw) {
  const ProblemInstance fewer =
      Scripted(2, {{69, 0}, {69, 0}, {69, 0}, {30, 0}, {15, 2}, {10, 3}, {100, 50}});
  EXPECT_EQ(fewer.fileLines,
            (Lines{"Крутивус, Кай и Чип собирали орешки. Кай нашел 60 орешков,",
                   "что на 22 орешка менше чем Крутивус, a Чип - на 13 орешков больше чем ",
                   "Крутивус. Сколько всего орешков они собрали?"}));
  EXPECT_EQ(fewer.answerLine, "237");
  const ProblemInstance more =
      Scripted(2, {{69, 68}, {69, 68}, {69, 60}, {30, 1}, {15, 1}, {10, 0}, {100, 51}});
  EXPECT_EQ(more.fileLines,
            (Lines{"Герда, Карлсон и Кумбля собирали орешки. Карлсон нашел 61 орешек,",
                   "что на 21 орешек больше чем Герда, a Кумбля - на 10 орешков менше чем ",
                   "Герда. Сколько всего орешков они собрали?"}));
  EXPECT_EQ(more.answerLine, "131");
}

TEST(Z2, AnswerAddsTheThreeFinds) {
  ForManySeeds(2, [](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 3u);
    const auto n = NumbersIn(p.fileLines[0]).at(0);
    const auto second = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(second.size(), 2u);
    const auto d = second[0], e = second[1];
    EXPECT_TRUE(Between(n, 60, 89) && Between(d, 20, 34) && Between(e, 10, 19));
    // B found n, d fewer (or more) than C; A found e more (or fewer) than C.
    const bool bFewer = p.fileLines[1].find(" менше чем ") < p.fileLines[1].find(" больше чем ");
    const auto c = bFewer ? n + d : n - d;
    const auto a = bFewer ? c + e : c - e;
    EXPECT_EQ(AnswerOf(p), n + c + a);
  });
}

TEST(Z3, CakesAndCheesecakesDifferAndAreRedrawnTogether) {
  const ProblemInstance worked =
      Scripted(3, {{29, 28}, {20, 1}, {10, 4}, {10, 4}, {10, 2}, {10, 7}});
  EXPECT_EQ(worked.fileLines,
            (Lines{"Крокодил Гена ко дню роджения свого друга Чебурашки приготовил",
                   "21 пирожок с повидлом, пирожные с кремом, которых было на 12 больше, чем "
                   "пирожков,",
                   "и ватрушки с сыром. Причем пирожных было на 17 меньше чем ватрушек. Сколько ",
                   "всего пирожков, пирожных и ватрушек было приготовлено ко дню роджения?"}));
  EXPECT_EQ(worked.answerLine, "104");
  ForManySeeds(3, [](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 4u);
    const auto second = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(second.size(), 2u);
    const auto pies = second[0], a = second[1], b = NumbersIn(p.fileLines[2]).at(0);
    EXPECT_TRUE(Between(pies, 20, 39) && Between(a, 10, 19) && Between(b, 10, 19));
    EXPECT_NE(a, b);
    const auto cakes = pies + a, cheesecakes = cakes + b;
    EXPECT_EQ(AnswerOf(p), pies + cakes + cheesecakes);
  });
}

TEST(Z4, ThreeShelves) {
  const ProblemInstance worked = Scripted(4, {{20, 1}, {10, 3}, {10, 3}, {10, 1}, {10, 2}});
  EXPECT_EQ(worked.fileLines,
            (Lines{"На одной полке было 21 книжка, на другой на 21 книжку больше, чем на первой,",
                   "а на третьей - на 22 книжки больше чем на первой и второй вместе. Сколько "
                   "книжек",
                   "было на трьех полках вместе?"}));
  EXPECT_EQ(worked.answerLine, "148");
  ForManySeeds(4, [](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(first.size(), 2u);
    const auto a = first[0], b = first[1], c = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(Between(a, 20, 39) && Between(b, 20, 29) && Between(c, 20, 29));
    EXPECT_NE(b, c);
    EXPECT_EQ(AnswerOf(p), a + (a + b) + (a + a + b + c));
  });
}

TEST(Z5, ThreeDaysOfCycling) {
  ForManySeeds(5, [](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 3u);
    const auto a = NumbersIn(p.fileLines[0]).at(0);
    const auto second = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_TRUE(Between(a, 30, 49) && Between(second[0], 20, 29) && Between(second[1], 10, 19));
    const auto day2 = a + second[0], day3 = a + day2 + second[1];
    EXPECT_EQ(AnswerOf(p), a + day2 + day3);
  });
}

TEST(Z6, ArrivalIsDepartureAndTravelTimeWithoutTakingTheHoursRound) {
  const ProblemInstance late = Scripted(6, {{14, 13}, {25, 24}, {8, 7}, {25, 24}});
  EXPECT_EQ(late.fileLines,
            (Lines{"Поезд отдходит от станции А в 14 час 59 мн и двигается к станции В",
                   "9 час 59 мн. В котром часу поезд прибывает на станцию В?"}));
  EXPECT_EQ(late.answerLine, "24 год 58 хв");
  ForManySeeds(6, [](const ProblemInstance& p) {
    const auto leave = NumbersIn(p.fileLines[0]), travel = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(leave.size(), 2u);
    ASSERT_EQ(travel.size(), 2u);
    EXPECT_TRUE(Between(leave[0], 1, 14) && Between(leave[1], 35, 59));
    EXPECT_TRUE(Between(travel[0], 2, 9) && Between(travel[1], 35, 59));
    const auto arrive = NumbersIn(p.answerLine);
    ASSERT_EQ(arrive.size(), 2u);
    EXPECT_EQ(p.answerLine,
              std::to_string(arrive[0]) + " год " + std::to_string(arrive[1]) + " хв");
    EXPECT_LT(arrive[1], 60);
    EXPECT_EQ(arrive[0] * 60 + arrive[1], (leave[0] + travel[0]) * 60 + leave[1] + travel[1]);
  });
}

TEST(Z7, DistanceFromThePairSums) {
  // z equal to y draws z again; z then equal to x draws all three again.
  const ProblemInstance worked = Scripted(
      7, {{100, 10}, {100, 20}, {100, 20}, {100, 10}, {100, 1}, {100, 1}, {100, 1}, {100, 2}});
  EXPECT_EQ(worked.fileLines[1],
            "проехал 202 км, за первый и третий день преодолел 203 км, а за второй "
            "и третий 203 км.");
  EXPECT_EQ(worked.answerLine, "304");
  ForManySeeds(7, [](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 3u);
    const auto sums = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(sums.size(), 3u);
    const auto xy = sums[0], xz = sums[1], yz = sums[2];
    ASSERT_EQ((xy + xz + yz) % 2, 0);
    const auto total = (xy + xz + yz) / 2, x = total - yz, y = total - xz, z = total - xy;
    for (auto v : {x, y, z}) EXPECT_TRUE(Between(v, 100, 199));
    EXPECT_NE(z, y);
    EXPECT_NE(z, x);
    EXPECT_EQ(AnswerOf(p), total);
  });
}

TEST(Z8, FlowersOfTheSecondKind) {
  const ProblemInstance worked = Scripted(
      8, {{69, 60}, {49, 40}, {49, 0}, {50, 5}, {50, 5}, {10, 0}, {50, 5}, {50, 6}, {10, 9}});
  EXPECT_EQ(worked.fileLines,
            (Lines{"В саду Настя выращивали цветы. Известно, что ромашек и васильков было 111, а ",
                   "остальные - хризантемы, причем хризантем на 19 больше чем ромашек.",
                   "Сколько васильков было у Насти, если всего цветов было 185?"}));
  EXPECT_EQ(worked.answerLine, "56");
  ForManySeeds(8, [](const ProblemInstance& p) {
    const auto sum = NumbersIn(p.fileLines[0]).at(0), more = NumbersIn(p.fileLines[1]).at(0),
               total = NumbersIn(p.fileLines[2]).at(0);
    const auto t = total - sum, a = t - more, b = sum - a;
    EXPECT_TRUE(Between(a, 50, 99) && Between(b, 50, 99) && Between(more, 10, 19));
    EXPECT_NE(a, b);
    EXPECT_EQ(AnswerOf(p), b);
  });
}

TEST(Z9, NeverTwentyOnePassengers) {
  const ProblemInstance worked =
      Scripted(9, {{20, 0}, {10, 1}, {10, 1}, {10, 2}, {10, 0}, {10, 0}, {5, 0}});
  EXPECT_EQ(worked.fileLines,
            (Lines{"На остановке в тролейбус зашло 22 пассажира, а вышло - 5. На другой "
                   "остановке вышло",
                   "25 пассажиров и вошло - 30. Cколько пассажиров было в тролейбусе до первой "
                   "остановки, ",
                   "если посла второй остановки их стало 52?"}));
  EXPECT_EQ(worked.answerLine, "30");
  const std::array<std::string, 3> forms = {" пассажир,", " пассажира,", " пассажиров,"};
  ForManySeeds(9, [&](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]), second = NumbersIn(p.fileLines[1]);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 2u);
    const auto in = first[0], out = first[1], out2 = second[0], in2 = second[1];
    EXPECT_TRUE(Between(in, 20, 29) && Between(out, 5, 14) && Between(in2, 30, 39) &&
                Between(out2, 25, 29));
    EXPECT_NE(in, 21);
    EXPECT_TRUE(Has(p.fileLines[0], std::to_string(in) + forms[FormAfter(in)]));
    const auto after = NumbersIn(p.fileLines[2]).at(0);
    const auto before = AnswerOf(p);
    EXPECT_TRUE(Between(before, 30, 49));
    EXPECT_EQ(before + in - out - out2 + in2, after);
  });
}

TEST(Z10, FirstTrainDistance) {
  ForManySeeds(10, [](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 3u);
    const auto n = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(n.size(), 3u);
    const auto t1 = n[0], t2 = n[1], extra = n[2];
    EXPECT_TRUE(Between(t1, 5, 14) && Between(t2 - t1, 5, 14));
    ASSERT_EQ(extra % (t2 - t1), 0);
    const auto speed = extra / (t2 - t1);
    EXPECT_TRUE(Between(speed, 30, 99));
    EXPECT_EQ(AnswerOf(p), speed * t1);
  });
}

TEST(Z11, ApplesOfTheFirstDay) {
  const std::array<std::string, 3> forms = {" ящик", " ящика", " ящиков"};
  ForManySeeds(11, [&](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 3u);
    const auto boxes = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(boxes.size(), 2u);
    const auto n = boxes[0], m = boxes[1], less = NumbersIn(p.fileLines[2]).at(0);
    EXPECT_TRUE(Between(n, 20, 39) && Between(m, 10, 19));
    EXPECT_TRUE(Has(p.fileLines[0], std::to_string(n) + forms[FormAfter(n)] + " яблок"));
    ASSERT_EQ(less % (n - m), 0);
    EXPECT_TRUE(Between(less / (n - m), 10, 19));
    EXPECT_EQ(AnswerOf(p), n * (less / (n - m)));
  });
}

TEST(Z12, LineStartsWithABlankAndNamesThePointInBothAlphabets) {
  const ProblemInstance worked = Scripted(12, {{39, 38}, {39, 0}, {140, 0}});
  EXPECT_EQ(worked.fileLines,
            (Lines{" На отрезке MB обозначили точку К. Расстояние между срединами отрезков MK i "
                   "BK",
                   " составляет 10 см. Какая длина отрезка MB?"}));
  EXPECT_EQ(worked.answerLine, "20");
  ForManySeeds(12, [](const ProblemInstance& p) {
    EXPECT_EQ(p.fileLines[0].rfind(" На отрезке ", 0), 0u);
    const auto d = NumbersIn(p.fileLines[1]).at(0);
    EXPECT_TRUE(Between(d, 10, 149));
    EXPECT_EQ(AnswerOf(p), 2 * d);
  });
}

TEST(Z13, TwoThirdsSoldOnTheSecondDay) {
  ForManySeeds(13, [](const ProblemInstance& p) {
    ASSERT_EQ(p.fileLines.size(), 2u);
    const auto kg = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(kg.size(), 2u);
    EXPECT_NE(kg[0], kg[1]);
    for (auto v : kg) EXPECT_TRUE(v % 3 == 0 && Between(v / 3, 50, 149));
    EXPECT_EQ(AnswerOf(p) * 3, 2 * (kg[0] + kg[1]));
  });
}

}  // namespace
}  // namespace mathsheets
