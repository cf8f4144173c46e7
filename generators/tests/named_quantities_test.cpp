#include "generators/named_quantities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "generators/registry.h"
#include "generators/tests/one_line_exercise.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedDraw;
using testing::ScriptedRandom;

constexpr int kSeeds = 1000;

using testing::Exercise;
using testing::Generate;
using testing::RunScript;

// Whole numbers in the lines never have leading zeros.
constexpr const char* kNumber = "([1-9][0-9]*)";

std::int64_t Num(const std::ssub_match& m) {
  return std::stoll(m.str());
}

// ---------------------------------------------------------------------------------------------
// Hours and minutes, metres and centimetres, kilograms and grams, added or subtracted.

struct CompoundSumCase {
  int type;
  std::string larger;
  std::string smaller;
  std::int64_t base;
  std::int64_t addLow, addHigh;       // the larger parts of an addition
  std::int64_t subLow, subHigh;       // the second larger part of a subtraction
  std::int64_t gapLow, gapHigh;       // how far the first larger part lies above it
  std::int64_t smallLow, smallHigh;   // every smaller part drawn
  std::int64_t subtractionAnswerLow;  // the least larger part of a difference
};

const std::vector<CompoundSumCase> kCompoundSums = {
    {89, "час", "мн", 60, 1, 9, 1, 9, 2, 10, 10, 59, 1},
    {90, "м", "см", 100, 10, 68, 10, 88, 12, 90, 10, 89, 11},
    {91, "кг", "г", 1000, 10, 68, 10, 88, 12, 90, 100, 899, 11},
};

TEST(NamedQuantities, SumsAndDifferencesAreExactInTheSmallerUnitOverManySeeds) {
  for (const CompoundSumCase& c : kCompoundSums) {
    const std::string n = kNumber;
    const std::regex line(n + " " + c.larger + " " + n + " " + c.smaller + " ([-+]) " + n + " " +
                          c.larger + " " + n + " " + c.smaller + "=");
    const std::regex answer(n + " " + c.larger + " " + n + " " + c.smaller);
    Pcg32 random(static_cast<std::uint64_t>(c.type));
    int additions = 0;
    for (int i = 0; i < kSeeds; ++i) {
      const Exercise e = Generate(c.type, random);
      std::smatch s, t;
      const std::string given = e.Answer();
      ASSERT_TRUE(std::regex_match(e.student, s, line)) << e.student;
      ASSERT_TRUE(std::regex_match(given, t, answer)) << e.teacher;
      const std::int64_t h1 = Num(s[1]), m1 = Num(s[2]), h2 = Num(s[4]), m2 = Num(s[5]);
      const std::int64_t h = Num(t[1]), mm = Num(t[2]);
      for (std::int64_t small : {m1, m2}) {
        EXPECT_GE(small, c.smallLow) << e.student;
        EXPECT_LE(small, c.smallHigh) << e.student;
      }
      EXPECT_GE(mm, 1) << e.teacher;
      EXPECT_LT(mm, c.base) << e.teacher;
      const std::int64_t first = h1 * c.base + m1, second = h2 * c.base + m2;
      if (s[3] == "+") {
        ++additions;
        EXPECT_NE(m1 + m2, c.base) << e.student;
        for (std::int64_t large : {h1, h2}) {
          EXPECT_GE(large, c.addLow) << e.student;
          EXPECT_LE(large, c.addHigh) << e.student;
        }
        EXPECT_EQ(h * c.base + mm, first + second) << e.teacher;
      } else {
        EXPECT_NE(m1, m2) << e.student;
        EXPECT_GE(h2, c.subLow) << e.student;
        EXPECT_LE(h2, c.subHigh) << e.student;
        EXPECT_GE(h1 - h2, c.gapLow) << e.student;
        EXPECT_LE(h1 - h2, c.gapHigh) << e.student;
        EXPECT_GE(h, c.subtractionAnswerLow) << e.teacher;
        EXPECT_EQ(h * c.base + mm, first - second) << e.teacher;
      }
    }
    // c > 50 of Random(100): 49 chances in 100.
    EXPECT_NEAR(additions / static_cast<double>(kSeeds), 0.49, 0.04) << "type " << c.type;
  }
}

TEST(NamedQuantities, WorkedHoursAndMinutes) {
  // Addition, 3 and 2 hours, 45 and 30 minutes.
  EXPECT_EQ(RunScript(89, {{100, 51}, {9, 2}, {9, 1}, {50, 35}, {50, 20}}),
            "3 час 45 мн + 2 час 30 мн=6 час 15 мн");
  // 20 and 40 minutes would make a whole hour: both are drawn again; 35 and 45 carry an hour.
  EXPECT_EQ(RunScript(89, {{100, 99}, {9, 2}, {9, 1}, {50, 10}, {50, 30}, {50, 25}, {50, 35}}),
            "3 час 35 мн + 2 час 45 мн=6 час 20 мн");
  // Subtraction (c = 50 is not above 50): equal minutes are drawn again, then an hour is
  // borrowed and leaves a single hour.
  EXPECT_EQ(RunScript(89, {{100, 50}, {9, 3}, {9, 0}, {50, 10}, {50, 10}, {50, 5}, {50, 30}}),
            "6 час 15 мн - 4 час 40 мн=1 час 35 мн");
}

TEST(NamedQuantities, WorkedMetresAndKilograms) {
  // 50 and 50 centimetres make a whole metre and are drawn again.
  EXPECT_EQ(RunScript(90, {{100, 51}, {59, 0}, {59, 58}, {80, 40}, {80, 40}, {80, 79}, {80, 0}}),
            "10 м 89 см + 68 м 10 см=78 м 99 см");
  EXPECT_EQ(RunScript(90, {{100, 0}, {79, 0}, {79, 0}, {80, 0}, {80, 79}}),
            "22 м 10 см - 10 м 89 см=11 м 21 см");
  // The grams of an answer are written without leading zeros.
  EXPECT_EQ(RunScript(91, {{100, 0}, {79, 10}, {79, 0}, {800, 750}, {800, 748}}),
            "32 кг 850 г - 20 кг 848 г=12 кг 2 г");
  EXPECT_EQ(RunScript(91, {{100, 70}, {59, 58}, {59, 58}, {800, 799}, {800, 799}}),
            "68 кг 899 г + 68 кг 899 г=137 кг 798 г");
}

// ---------------------------------------------------------------------------------------------
// A compound quantity times a whole number.

struct ProductKind {
  std::int64_t base;
  std::int64_t wLow, wHigh, fLow, fHigh, sLow, sHigh;
  std::string smaller;
};

const std::map<std::string, ProductKind> kProductKinds = {
    {"м", {100, 5, 9, 50, 79, 10, 89, "см"}},
    {"руб", {100, 5, 9, 50, 79, 10, 89, "коп"}},
    {"кг", {1000, 5, 9, 50, 79, 100, 899, "г"}},
    {"час", {60, 2, 5, 5, 9, 20, 39, "мн"}},
};

TEST(NamedQuantities, ProductsAreExactAndKeepTheirSmallerPartOverManySeeds) {
  const std::string n = kNumber;
  const std::string larger = "(м|руб|кг|час)", smaller = "(см|коп|г|мн)";
  const std::regex line("\\(" + n + " " + larger + " " + n + " " + smaller + "\\)x " + n + " =");
  const std::regex answer(n + " " + larger + " " + n + " " + smaller);
  std::map<std::string, int> kinds;
  Pcg32 random(97);
  for (int i = 0; i < kSeeds; ++i) {
    const Exercise e = Generate(97, random);
    std::smatch s, t;
    const std::string given = e.Answer();
    ASSERT_TRUE(std::regex_match(e.student, s, line)) << e.student;
    ASSERT_TRUE(std::regex_match(given, t, answer)) << e.teacher;
    const ProductKind& k = kProductKinds.at(s[2]);
    ++kinds[s[2]];
    EXPECT_EQ(s[4], k.smaller) << e.student;
    EXPECT_EQ(t[2], s[2]) << e.teacher;
    EXPECT_EQ(t[4], s[4]) << e.teacher;
    const std::int64_t w = Num(s[1]), sm = Num(s[3]), f = Num(s[5]);
    EXPECT_TRUE(w >= k.wLow && w <= k.wHigh) << e.student;
    EXPECT_TRUE(f >= k.fLow && f <= k.fHigh) << e.student;
    EXPECT_TRUE(sm >= k.sLow && sm <= k.sHigh) << e.student;
    EXPECT_NE(f * sm % k.base, 0) << e.student;
    const std::int64_t smallerAnswer = Num(t[3]);
    EXPECT_GE(smallerAnswer, 1) << e.teacher;
    EXPECT_LT(smallerAnswer, k.base) << e.teacher;
    EXPECT_EQ(Num(t[1]) * k.base + smallerAnswer, (w * k.base + sm) * f) << e.teacher;
  }
  EXPECT_EQ(kinds.size(), 4U);
}

TEST(NamedQuantities, WorkedProducts) {
  EXPECT_EQ(RunScript(97, {{39, 0}, {5, 2}, {30, 14}, {80, 25}}), "(7 м 35 см)x 64 =470 м 40 см");
  // 50 x 10 kopecks are whole roubles: the multiplier and the kopecks are drawn again.
  EXPECT_EQ(RunScript(97, {{39, 10}, {5, 4}, {30, 0}, {80, 0}, {30, 1}, {80, 0}}),
            "(9 руб 10 коп)x 51 =464 руб 10 коп");
  EXPECT_EQ(RunScript(97, {{39, 29}, {5, 0}, {30, 29}, {800, 0}}),
            "(5 кг 100 г)x 79 =402 кг 900 г");
  // 6 x 30 minutes are whole hours; 35 minutes x 8 make 4 hours 40 minutes.
  EXPECT_EQ(RunScript(97, {{39, 38}, {4, 0}, {5, 1}, {20, 10}, {5, 3}, {20, 15}}),
            "(2 час 35 мн)x 8 =20 час 40 мн");
}

// ---------------------------------------------------------------------------------------------
// Computing in a convenient order.

std::vector<std::int64_t> Numbers(const std::string& text) {
  std::vector<std::int64_t> numbers;
  static const std::regex number("[0-9]+");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    numbers.push_back(std::stoll(it->str()));
  return numbers;
}

bool IsRound(std::int64_t v, std::int64_t unit) {
  return v % unit == 0 && v / unit >= 2 && v / unit <= 9;
}

// Whether the numbers pair off into a round number of hundreds, one of thousands and one of
// ten-thousands (2..9 of each).
bool PairsOffRound(std::vector<std::int64_t> rest, std::set<std::int64_t> units) {
  if (rest.empty()) return units.empty();
  const std::int64_t first = rest.front();
  for (std::size_t i = 1; i < rest.size(); ++i)
    for (std::int64_t unit : units)
      if (IsRound(first + rest[i], unit)) {
        std::vector<std::int64_t> others;
        for (std::size_t j = 1; j < rest.size(); ++j)
          if (j != i) others.push_back(rest[j]);
        std::set<std::int64_t> left = units;
        left.erase(unit);
        if (PairsOffRound(others, left)) return true;
      }
  return false;
}

TEST(ConvenientOrder, SixAddendsPairOffIntoRoundNumbersOverManySeeds) {
  const std::string n = kNumber;
  const std::regex line(n + "\\+" + n + "\\+" + n + "\\+" + n + "\\+" + n + "\\+" + n + "=");
  std::set<std::string> shapes;
  Pcg32 random(87);
  for (int i = 0; i < kSeeds; ++i) {
    const Exercise e = Generate(87, random);
    ASSERT_TRUE(std::regex_match(e.student, line)) << e.student;
    const std::vector<std::int64_t> v = Numbers(e.student);
    std::int64_t sum = 0;
    std::string shape;  // the digit counts, which tell the orders apart
    for (std::int64_t x : v) {
      sum += x;
      shape += std::to_string(std::to_string(x).size());
    }
    shapes.insert(shape);
    EXPECT_EQ(e.Answer(), std::to_string(sum)) << e.teacher;
    EXPECT_EQ(sum % 100, 0) << e.teacher;
    EXPECT_GE(sum, 22200);
    EXPECT_LE(sum, 99900);
    EXPECT_TRUE(PairsOffRound(v, {100, 1000, 10000})) << e.student;
  }
  EXPECT_GE(shapes.size(), 5U);
}

TEST(ConvenientOrder, WorkedSixAddendsInEveryOrder) {
  // 137 + 63 = 200, 4521 + 479 = 5000, 12345 + 7655 = 20000.
  const std::vector<std::string> lines = {
      "137+4521+63+12345+479+7655=25200", "4521+137+12345+63+479+7655=25200",
      "137+7655+4521+63+479+12345=25200", "7655+137+4521+12345+479+63=25200",
      "479+137+4521+12345+63+7655=25200",
  };
  const std::int32_t orderDraws[] = {0, 19, 20, 39, 48};
  for (std::size_t o = 0; o < lines.size(); ++o)
    EXPECT_EQ(
        RunScript(
            87,
            {{8, 0}, {80, 37}, {8, 3}, {3800, 3521}, {8, 0}, {8000, 2345}, {49, orderDraws[o]}}),
        lines[o]);
  // The smallest and the largest split of each round number.
  EXPECT_EQ(RunScript(87, {{8, 0}, {80, 79}, {8, 0}, {800, 0}, {8, 7}, {78000, 77999}, {49, 0}}),
            "179+1000+21+87999+1000+2001=92200");
}

TEST(ConvenientOrder, DifferencesAreRoundOverManySeeds) {
  const std::string n = kNumber;
  const std::regex line(n + "\\+" + n + "-" + n + "-" + n + "=");
  Pcg32 random(88);
  for (int i = 0; i < kSeeds; ++i) {
    const Exercise e = Generate(88, random);
    std::smatch s;
    ASSERT_TRUE(std::regex_match(e.student, s, line)) << e.student;
    const std::int64_t x = Num(s[1]), y = Num(s[2]), z = Num(s[3]), w = Num(s[4]);
    const std::int64_t r = x + y - z - w;
    EXPECT_EQ(e.Answer(), std::to_string(r)) << e.teacher;
    EXPECT_EQ(r % 100, 0) << e.teacher;
    EXPECT_GE(r, 1100);
    EXPECT_LE(r, 4400);
    for (std::int64_t v : {x, y, z, w}) EXPECT_NE(v % 10, 0) << e.student;
    // One added and one subtracted number are below 1000, and their difference is round.
    const auto small = [](std::int64_t v) { return v < 1000; };
    ASSERT_NE(small(x), small(y)) << e.student;
    ASSERT_NE(small(z), small(w)) << e.student;
    const std::int64_t hundreds = (small(x) ? x : y) - (small(z) ? z : w);
    const std::int64_t thousands = (small(x) ? y : x) - (small(z) ? w : z);
    EXPECT_TRUE(hundreds % 100 == 0 && hundreds >= 100 && hundreds <= 400) << e.student;
    EXPECT_TRUE(thousands % 1000 == 0 && thousands >= 1000 && thousands <= 4000) << e.student;
    EXPECT_GE(small(z) ? z : w, 100);
    EXPECT_LE(small(z) ? z : w, 498);
    EXPECT_GE(small(z) ? w : z, 2000);
    EXPECT_LE(small(z) ? w : z, 5998);
  }
}

TEST(ConvenientOrder, WorkedDifferencesInEveryOrder) {
  // 100 and 2000 end in 0 and are drawn again.
  const std::vector<std::string> lines = {
      "501+3005-101-2005=1400",
      "501+3005-2005-101=1400",
      "3005+501-101-2005=1400",
      "3005+501-2005-101=1400",
  };
  const std::int32_t orderDraws[] = {0, 10, 29, 38};
  for (std::size_t o = 0; o < lines.size(); ++o)
    EXPECT_EQ(
        RunScript(88,
                  {{399, 0}, {399, 1}, {4, 3}, {3999, 0}, {3999, 5}, {4, 0}, {39, orderDraws[o]}}),
        lines[o]);
}

TEST(ConvenientOrder, ProductsOverManySeeds) {
  const std::string n = kNumber;
  const std::regex three(n + "х" + n + "x" + n + "=");
  const std::regex sum(n + "х" + n + "\\+" + n + "x" + n + "=");
  int threes = 0, sums = 0;
  Pcg32 random(95);
  for (int i = 0; i < kSeeds; ++i) {
    const Exercise e = Generate(95, random);
    std::smatch s;
    if (std::regex_match(e.student, s, three)) {
      ++threes;
      const std::int64_t p = Num(s[1]), mid = Num(s[2]), q = Num(s[3]);
      EXPECT_TRUE(p * q == 10 || p * q == 100 || p * q == 1000) << e.student;
      EXPECT_EQ(mid % 2, 1) << e.student;
      EXPECT_TRUE(mid >= 101 && mid <= 899) << e.student;
      EXPECT_EQ(e.Answer(), std::to_string(p * mid * q)) << e.teacher;
    } else if (std::regex_match(e.student, s, sum)) {
      ++sums;
      const std::int64_t a = Num(s[1]), b = Num(s[2]), c = Num(s[3]), d = Num(s[4]);
      // The common factor is the three-digit one of each product.
      const std::int64_t common1 = std::max(a, b), other1 = std::min(a, b);
      const std::int64_t common2 = std::max(c, d), other2 = std::min(c, d);
      EXPECT_EQ(common1, common2) << e.student;
      EXPECT_TRUE(common1 >= 100 && common1 <= 899) << e.student;
      EXPECT_TRUE(other1 >= 10 && other1 <= 89) << e.student;
      EXPECT_EQ(other1 + other2, 100) << e.student;
      EXPECT_EQ(e.Answer(), std::to_string(a * b + c * d)) << e.teacher;
      EXPECT_EQ(e.Answer(), std::to_string(100 * common1)) << e.teacher;
    } else {
      ADD_FAILURE() << e.student;
    }
  }
  // Mode 2 is Random(19) >= 10: 9 chances in 19.
  EXPECT_NEAR(sums / static_cast<double>(kSeeds), 9.0 / 19, 0.04);
  EXPECT_GT(threes, 0);
}

TEST(ConvenientOrder, WorkedProducts) {
  EXPECT_EQ(RunScript(95, {{19, 0}, {29, 10}, {59, 10}, {800, 247}}), "4х347x25=34700");
  // The pair 2 and 5 needs no pick; an even middle factor becomes odd.
  EXPECT_EQ(RunScript(95, {{19, 9}, {29, 9}, {800, 0}}), "2х101x5=1010");
  EXPECT_EQ(RunScript(95, {{19, 5}, {29, 28}, {59, 58}, {800, 799}}), "125х899x8=899000");
  const std::vector<std::string> forms = {
      "15х347+85x347=34700",
      "347х15+85x347=34700",
      "347х15+347x85=34700",
      "15х347+347x85=34700",
  };
  const std::int32_t formDraws[] = {0, 10, 20, 38};
  for (std::size_t f = 0; f < forms.size(); ++f)
    EXPECT_EQ(RunScript(95, {{19, 18}, {39, formDraws[f]}, {80, 5}, {800, 247}}), forms[f]);
}

TEST(NamedQuantityLines, PiecesAndBlanks) {
  EXPECT_EQ(CompoundSumLine(kKilogramWords, {12, 5}, "-", {3, 40}), "12 кг 5 г - 3 кг 40 г=");
  EXPECT_EQ(CompoundText(kRoubleWords, {464, 10}), "464 руб 10 коп");
  EXPECT_EQ(CompoundProductLine(kHourWords, {2, 35}, 8), "(2 час 35 мн)x 8 =");
  const std::int32_t numbers[] = {1, 22, 333};
  EXPECT_EQ(PlusChainLine(numbers), "1+22+333=");
}

}  // namespace
}  // namespace mathsheets
