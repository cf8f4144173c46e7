#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <string>

#include "wordproblems/tests/s_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

std::int64_t SmallestPrimeFactor(std::int64_t n) {
  for (std::int64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return d;
  return n;
}

// Whether n is a product of one member of each set.
bool IsProductOf(std::int64_t n, std::vector<std::vector<std::int64_t>> sets) {
  if (sets.empty()) return n == 1;
  const std::vector<std::int64_t> first = sets.front();
  sets.erase(sets.begin());
  for (const auto f : first)
    if (n % f == 0 && IsProductOf(n / f, sets)) return true;
  return false;
}

TEST(S1, WorkedExampleRedrawsMarkedPrimes) {
  // k = 2 (3), m = 10 (29): n = 87; L = 84; j hits the mark of k, then takes 5; j2 hits 5, then 2.
  const ProblemInstance p =
      Scripted(S(1), {{39, 10}, {59, 10}, {5, 2}, {49, 10}, {49, 20}, {49, 25}, {49, 0}});
  const Lines rest = {
      "русского языка. Сколько было школ, если известно, что их не менше чем 84 и каждая школа",
      "получила одинаковое количество словарей каждого вида."};
  Lines file = {
      "Между школьными библиотеками поделили 435 толковых и 174 орфографических словарей"};
  file.insert(file.end(), rest.begin(), rest.end());
  Lines preview = {
      "Между школьными библиотеками поделили 435 толковых и 174 орфографических  словарей"};
  preview.insert(preview.end(), rest.begin(), rest.end());
  EXPECT_EQ(p.fileLines, file);
  EXPECT_EQ(p.Preview(), preview);
  EXPECT_EQ(p.answerLine, "87");
}

TEST(S1, SchoolsAreTheOnlyCommonDivisorFromTheBoundUp) {
  ForManySeeds(S(1), [](const ProblemInstance& p) {
    const auto first = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(first.size(), 2u);
    const auto a = first[0], b = first[1], lower = NumbersIn(p.fileLines[1]).at(0);
    const auto n = AnswerOf(p);
    EXPECT_EQ(std::gcd(a, b), n);
    EXPECT_TRUE(Between(n - lower, 1, 5));
    for (std::int64_t d = lower; d < n; ++d) EXPECT_FALSE(a % d == 0 && b % d == 0) << d;
    const auto small = SmallestPrimeFactor(n);
    EXPECT_TRUE(small <= 7 && IsPrime(n / small) && Between(n / small, 23, 43));
    // The kinds come from 2..11, differ from each other and from the small factor of n.
    for (const auto kind : {a / n, b / n})
      EXPECT_TRUE(IsPrime(kind) && kind <= 11 && kind != small);
    EXPECT_NE(a, b);
  });
}

TEST(S2, WorkedGiftsAndTheirLastTwoDigitForms) {
  // n = 2·2·5 = 20; chocolates 20·5·5·5 = 2500; oranges 20·11 = 220; bananas 20·17 = 340.
  const ProblemInstance p =
      Scripted(S(2), {{39, 0}, {39, 0}, {29, 20}, {29, 20}, {29, 20}, {29, 20}, {19, 0}, {19, 0}});
  EXPECT_EQ(
      p.fileLines,
      (Lines{"Для новогодних подарков купили 2500 шоколадок, 220 апельсинов,  и 340 бананов. ",
             "Какое наибольшее количество однаковых подарков можно из них сделать? Сколько "
             "отдельных",
             "шоколадок, апельсинов и бананов будет в каждом подарке?"}));
  EXPECT_EQ(p.answerLine, "всего 20из них:   шок. 125 апель. 11 бан. 17");
  // n = 7·7·3 = 147: 147·2·2·2 = 1176 ends in 76; 147·13 = 1911 in 11; 147·19 = 2793 in 93.
  const ProblemInstance odd =
      Scripted(S(2), {{39, 38}, {39, 38}, {29, 10}, {29, 0}, {29, 0}, {29, 0}, {19, 18}, {19, 18}});
  EXPECT_EQ(odd.fileLines[0],
            "Для новогодних подарков купили 1176 шоколадок, 1911 апельсинов,  и 2793 банана. ");
}

TEST(S2S3, TheGreatestNumberOfGiftsDividesAllThreeKinds) {
  const std::array<std::array<std::string, 3>, 3> forms = {{
      {" шоколадка, ", " шоколадки, ", " шоколадок, "},
      {" апельсин, ", " апельсина, ", " апельсинов, "},
      {" банан. ", " банана. ", " бананов. "},
  }};
  for (const int index : {S(2), S(3)}) {
    ForManySeeds(index, [&](const ProblemInstance& p) {
      const auto kinds = NumbersIn(p.fileLines[0]);
      ASSERT_EQ(kinds.size(), 3u);
      const auto n = std::gcd(std::gcd(kinds[0], kinds[1]), kinds[2]);
      // Three factors of 2..5 over n, then one of 11 or 13, then one of 17 or 19.
      const auto c = kinds[0] / n, o = kinds[1] / n, b = kinds[2] / n;
      EXPECT_TRUE(IsProductOf(c, {{2, 3, 5}, {2, 3, 5}, {2, 3, 5}})) << c;
      EXPECT_TRUE(o == 11 || o == 13);
      EXPECT_TRUE(b == 17 || b == 19);
      EXPECT_TRUE(IsProductOf(n, {{2, 3, 5, 7}, {2, 3, 5, 7}, {2, 3, 5}})) << n;
      if (index == S(3)) {
        EXPECT_EQ(AnswerOf(p), n);
        return;
      }
      for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(
            Contains(p.fileLines[0], std::to_string(kinds[i]) + forms[i][FormAfter(kinds[i])]));
      EXPECT_EQ(p.answerLine, "всего " + std::to_string(n) + "из них:   шок. " + std::to_string(c) +
                                  " апель. " + std::to_string(o) + " бан. " + std::to_string(b));
    });
  }
}

TEST(S4, TheDistanceIsTheLeastCommonMultipleOfTheSteps) {
  ForManySeeds(S(4), [](const ProblemInstance& p) {
    const auto steps = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(steps.size(), 2u);
    const auto g = std::gcd(steps[0], steps[1]);
    EXPECT_TRUE(g == 2 || g == 3 || g == 5 || g == 7);
    EXPECT_EQ(AnswerOf(p), std::lcm(steps[0], steps[1]));
  });
}

// The week from Monday, in the two cases the lines use.
constexpr std::array<const char*, 7> kOnDay = {"в понедельник", "во вторник", "в среду",
                                               "в четверг",     "в пятницу",  "в субботу",
                                               "в воскресенье"};
constexpr std::array<const char*, 7> kDay = {"понедельник", "вторник", "среду",      "четверг",
                                             "пятницу",     "субботу", "воскресенье"};

TEST(S5, NextMeetingIsTheLeastCommonMultipleOfTheIntervalsLater) {
  ForManySeeds(S(5), [](const ProblemInstance& p) {
    const auto s = NumbersIn(p.fileLines[0]);
    ASSERT_EQ(s.size(), 3u);
    for (const auto days : s) {
      EXPECT_TRUE(Between(days, 2, 6));
      EXPECT_TRUE(Contains(p.fileLines[0], std::to_string(days) + (days < 5 ? " дня" : " дней")));
    }
    EXPECT_TRUE(s[0] != s[1] && s[1] != s[2] && s[0] != s[2]);
    int met = -1;
    for (int d = 0; d < 7; ++d)
      if (Contains(p.fileLines[1],
                   std::string("бассейне ") + kOnDay[static_cast<std::size_t>(d)] + "."))
        met = d;
    ASSERT_GE(met, 0);
    const auto n = std::lcm(std::lcm(s[0], s[1]), s[2]);
    EXPECT_EQ(p.answerLine, std::string(kDay[static_cast<std::size_t>((met + n) % 7)]) + "  " +
                                std::to_string(n) + " дн.");
  });
}

TEST(S5, WorkedIntervals) {
  // 2, 3 and 4 days, met on Sunday: 12 days later, a Friday.
  const ProblemInstance p = Scripted(S(5), {{49, 0}, {49, 10}, {49, 20}, {69, 60}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Саша ходит в бассейн один раз в 2 дня, Коля - в 3 дня, Петя - 4 дня.",
                   "Они встретились в бассейне в воскресенье. Через сколько дней и в "
                   "какой день недели они встретятся",
                   "в следующий раз?"}));
  EXPECT_EQ(p.answerLine, "пятницу  12 дн.");
  // 4, 5 and 6 after redraws of equal intervals; met on Monday: 60 days later, a Saturday.
  const ProblemInstance wide =
      Scripted(S(5), {{49, 20}, {49, 20}, {49, 30}, {49, 20}, {49, 30}, {49, 40}, {69, 0}});
  EXPECT_EQ(wide.answerLine, "пятницу  60 дн.");
}

TEST(S6, TheOnlyCommonMultipleBetweenTheBounds) {
  const std::array<std::string, 3> pieces = {" штуці ", " штуки ", " штук "};
  ForManySeeds(S(6), [&](const ProblemInstance& p) {
    const auto by = NumbersIn(p.fileLines[1]);
    const auto bounds = NumbersIn(p.fileLines[2]);
    ASSERT_EQ(by.size(), 2u);
    ASSERT_EQ(bounds.size(), 2u);
    const auto a = by[0], b = by[1], lower = bounds[0], upper = bounds[1];
    EXPECT_TRUE(Contains(p.fileLines[1], " или по " + std::to_string(b) + pieces[FormAfter(b)] +
                                             "в один  подарок."));
    const auto n = AnswerOf(p), lcm = std::lcm(a, b);
    EXPECT_EQ(n % lcm, 0);
    EXPECT_TRUE(IsPrime(n / lcm) && Between(n / lcm, 17, 31));
    int multiples = 0;
    for (auto k = lower + 1; k < upper; ++k) multiples += k % lcm == 0;
    EXPECT_EQ(multiples, 1);
    EXPECT_TRUE(lower < n && n < upper);
  });
}

TEST(S6, WorkedSweets) {
  // k = 2 (3), k2 = 2 (3): a = 9; j hits the mark, then 3 (5): b = 15; L = 45, h = 22; m = 7 (17):
  // N = 765; bounds 765 - 22 - 4 and 765 + 22 + 19.
  const ProblemInstance p =
      Scripted(S(6), {{39, 0}, {39, 0}, {49, 0}, {49, 10}, {49, 0}, {20, 4}, {20, 19}});
  EXPECT_EQ(p.fileLines,
            (Lines{"Готовя подарки к Новому году, члены родительского комитета увидели,  что "
                   "конфеты,",
                   "которые у них есть, можно разложить поровну по 9 или по 15 штук в один  "
                   "подарок. Сколько",
                   "было конфет, если известно, что их было больше чем 739 и меньше чем 806?"}));
  EXPECT_EQ(p.answerLine, "765");
}

}  // namespace
}  // namespace mathsheets
