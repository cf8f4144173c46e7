#include "generators/divisibility.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "generators/registry.h"
#include "shell/catalog.h"
#include "testing/rational.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::Rational;
using testing::ScriptedDraw;
using testing::ScriptedRandom;

constexpr int kGcd = 48;
constexpr int kLcm = 49;
constexpr int kFactors2 = 58;
constexpr int kReduce = 66;
constexpr int kCompare = 67;
constexpr int kFactors1 = 80;
constexpr int kFactors0 = 101;

using Lines = std::vector<std::string>;

struct Written {
  Lines student;
  Lines teacher;
};

Written RunOnce(int type, MainModule& m) {
  MemoryWorksheet sheet;
  const TaskGenerator generator = FindTaskGenerator(type);
  EXPECT_NE(generator, nullptr) << "type " << type;
  if (generator != nullptr) generator(m, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

bool IsPrime(std::int64_t n) {
  if (n < 2) return false;
  for (std::int64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

TEST(DivisibilityTest, BindsTheCatalogTypes) {
  std::set<int> numbers;
  for (const GeneratorBinding& b : DivisibilityGenerators()) {
    numbers.insert(b.number);
    EXPECT_EQ(TaskKindByNumber(b.number).family, TaskFamily::Divisibility) << b.number;
    EXPECT_EQ(FindTaskGenerator(b.number), b.generator) << b.number;
  }
  EXPECT_EQ(numbers,
            (std::set<int>{kGcd, kLcm, kFactors2, kReduce, kCompare, kFactors1, kFactors0}));
}

// ---- "НОД" and "НОК" ----------------------------------------------------------------------

// DrawGcdPair at level 1 giving A = 3 x 7 = 21 and B = 3 x 2 = 6.
ScriptedRandom GcdPairTwentyOneAndSix() {
  return ScriptedRandom({{39, 10}, {39, 30}, {39, 0}, {39, 0}, {39, 0}, {39, 0}, {39, 0}});
}

TEST(DivisibilityTest, GcdWorkedExample) {
  ScriptedRandom random = GcdPairTwentyOneAndSix();
  MainModule m(random);
  m.GcdLevel = 1;
  const Written run = RunOnce(kGcd, m);
  random.ExpectAllDrawn();
  EXPECT_EQ(run.student, (Lines{"НОД(21,6)="}));
  EXPECT_EQ(run.teacher, (Lines{"НОД(21,6)=3"}));
  EXPECT_EQ(m.pair.PairGcd, 3);
}

TEST(DivisibilityTest, LcmWorkedExampleWithLatinK) {
  ScriptedRandom random = GcdPairTwentyOneAndSix();
  MainModule m(random);
  m.GcdLevel = 1;
  const Written run = RunOnce(kLcm, m);
  random.ExpectAllDrawn();
  EXPECT_EQ(run.student, (Lines{"НОK(21,6)="}));
  EXPECT_EQ(run.teacher, (Lines{"НОK(21,6)=42"}));
  // "НО" in UTF-8 is four bytes; the fifth is the Latin K.
  ASSERT_GE(run.student[0].size(), 5u);
  EXPECT_EQ(run.student[0][4], 'K');
}

TEST(DivisibilityTest, GcdAndLcmAnswersOverManySeedsAtEveryLevel) {
  static const std::regex kLine(R"((НОД|НОK)\(([1-9]\d*),([1-9]\d*)\)=)");
  for (int type : {kGcd, kLcm})
    for (std::int32_t level = 0; level <= 5; ++level) {
      Pcg32 random(static_cast<std::uint64_t>(level * 7 + type));
      MainModule m(random);
      m.GcdLevel = level;
      for (int i = 0; i < 500; ++i) {
        const Written run = RunOnce(type, m);
        ASSERT_EQ(run.student.size(), 1u);
        ASSERT_EQ(run.teacher.size(), 1u);
        const std::string& line = run.student[0];
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(line, parts, kLine)) << line;
        EXPECT_EQ(parts[1].str(), type == kGcd ? "НОД" : "НОK");
        const std::int64_t a = std::stoll(parts[2]);
        const std::int64_t b = std::stoll(parts[3]);
        ASSERT_EQ(run.teacher[0].rfind(line, 0), 0u) << run.teacher[0];
        const std::int64_t expected = type == kGcd ? std::gcd(a, b) : std::lcm(a, b);
        ASSERT_EQ(run.teacher[0], line + std::to_string(expected));
        EXPECT_EQ(m.GcdLevel, level);
      }
    }
}

// ---- prime factorisation ------------------------------------------------------------------

constexpr const char* kFactorPrompt = "Разложите на простые делители  :";

TEST(DivisibilityTest, FactorisationKeepsDrawingOrderAndRepeats) {
  // Four factors (count draw 0), then 3, 2, 3, 7.
  ScriptedRandom random({{29, 0}, {189, 10}, {189, 0}, {189, 15}, {189, 30}});
  MainModule m(random);
  const Written run = RunOnce(kFactors2, m);
  random.ExpectAllDrawn();
  EXPECT_EQ(run.student, (Lines{"126", kFactorPrompt}));
  EXPECT_EQ(run.teacher, (Lines{"126", "   3   2   3   7"}));
}

TEST(DivisibilityTest, FactorisationTopCountAndTopPrimeOfEachSize) {
  struct Case {
    int type;
    std::vector<ScriptedDraw> draws;
    Lines teacher;
  };
  const std::array<Case, 3> cases = {{
      {kFactors2,
       {{29, 28}, {189, 188}, {189, 180}, {189, 0}, {189, 9}, {189, 50}, {189, 100}},
       {"7236268", "   67   67   2   2   13   31"}},
      {kFactors1,
       {{29, 28}, {109, 108}, {109, 0}, {109, 0}, {109, 0}, {109, 0}, {109, 99}},
       {"14384", "   31   2   2   2   2   29"}},
      {kFactors0, {{29, 0}, {59, 58}, {59, 50}, {59, 5}}, {"338", "   13   13   2"}},
  }};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    ScriptedRandom random(c.draws);
    MainModule m(random);
    const Written run = RunOnce(c.type, m);
    random.ExpectAllDrawn();
    EXPECT_EQ(run.student, (Lines{c.teacher[0], kFactorPrompt}));
    EXPECT_EQ(run.teacher, c.teacher);
  }
}

TEST(DivisibilityTest, FactorisationsMultiplyBackOverManySeeds) {
  struct Size {
    int type;
    std::size_t fewest;
    std::size_t most;
    std::int64_t topPrime;
  };
  for (const Size& size :
       {Size{kFactors2, 4, 6, 67}, Size{kFactors1, 4, 6, 31}, Size{kFactors0, 3, 5, 13}}) {
    SCOPED_TRACE(size.type);
    Pcg32 random(static_cast<std::uint64_t>(size.type));
    MainModule m(random);
    std::set<std::int64_t> primesSeen;
    std::set<std::size_t> countsSeen;
    for (int i = 0; i < 3000; ++i) {
      const Written run = RunOnce(size.type, m);
      ASSERT_EQ(run.student.size(), 2u);
      ASSERT_EQ(run.teacher.size(), 2u);
      EXPECT_EQ(run.student[1], kFactorPrompt);
      EXPECT_EQ(run.student[0], run.teacher[0]);
      const std::int64_t n = std::stoll(run.student[0]);
      ASSERT_EQ(std::to_string(n), run.student[0]);

      std::vector<std::int64_t> factors;
      std::string rebuilt;
      const std::string& list = run.teacher[1];
      static const std::regex kFactor(R"(   ([1-9]\d*))");
      for (auto it = std::sregex_iterator(list.begin(), list.end(), kFactor);
           it != std::sregex_iterator(); ++it) {
        factors.push_back(std::stoll((*it)[1]));
        rebuilt += it->str();
      }
      ASSERT_EQ(rebuilt, list) << "malformed factor list '" << list << "'";
      ASSERT_GE(factors.size(), size.fewest) << list;
      ASSERT_LE(factors.size(), size.most) << list;
      std::int64_t product = 1;
      for (std::int64_t p : factors) {
        ASSERT_TRUE(IsPrime(p)) << list;
        ASSERT_LE(p, size.topPrime) << list;
        product *= p;
        primesSeen.insert(p);
      }
      ASSERT_EQ(product, n) << list;
      countsSeen.insert(factors.size());
    }
    std::set<std::int64_t> allPrimes;
    for (std::int64_t p = 2; p <= size.topPrime; ++p)
      if (IsPrime(p)) allPrimes.insert(p);
    EXPECT_EQ(primesSeen, allPrimes);
    std::set<std::size_t> allCounts;
    for (std::size_t k = size.fewest; k <= size.most; ++k) allCounts.insert(k);
    EXPECT_EQ(countsSeen, allCounts);
  }
}

// ---- "СократитьД" ------------------------------------------------------------------------

TEST(DivisibilityTest, ReduceWorkedExampleRedrawsEqualNumbers) {
  ScriptedRandom random({
      // First pair: all four factors common (C = 4), so A = B and the pair is drawn again.
      {39, 0},
      {39, 10},
      {39, 20},
      {39, 30},
      {39, 0},
      {39, 0},
      {29, 28},
      // Second pair: A = 2 x 3 x 5 x 7, C = 2, B = 2 x 3 x 2 x 3.
      {39, 0},
      {39, 10},
      {39, 20},
      {39, 30},
      {39, 0},
      {39, 0},
      {29, 0},
      {39, 0},
      {39, 10},
  });
  MainModule m(random);
  m.FractionLevel = 1;
  const Written run = RunOnce(kReduce, m);
  random.ExpectAllDrawn();
  EXPECT_EQ(run.student, (Lines{"Сократите дробь", "36", "----=", "210"}));
  EXPECT_EQ(run.teacher, (Lines{"36      6", "---- = ---", "210      35", " "}));
  EXPECT_EQ(m.FractionLevel, 3);
}

TEST(DivisibilityTest, ReduceLinesKeepFixedBarsForWideNumbers) {
  const DivisibilityLines lines = ReduceFractionLines(1540, 16170, 770);
  EXPECT_EQ(lines.student, (Lines{"Сократите дробь", "1540", "----=", "16170"}));
  EXPECT_EQ(lines.teacher, (Lines{"1540      2", "---- = ---", "16170      21", " "}));
}

TEST(DivisibilityTest, ReducedFractionIsReducedAndEqualOverManySeeds) {
  static const std::regex kNumber(R"([1-9]\d*)");
  static const std::regex kPair(R"(([1-9]\d*)      ([1-9]\d*))");
  Pcg32 random(66);
  MainModule m(random);
  for (int i = 0; i < 3000; ++i) {
    m.FractionLevel = i % 5;
    const Written run = RunOnce(kReduce, m);
    EXPECT_EQ(m.FractionLevel, 3);
    ASSERT_EQ(run.student.size(), 4u);
    ASSERT_EQ(run.teacher.size(), 4u);
    EXPECT_EQ(run.student[0], "Сократите дробь");
    EXPECT_EQ(run.student[2], "----=");
    EXPECT_EQ(run.teacher[1], "---- = ---");
    EXPECT_EQ(run.teacher[3], " ");
    ASSERT_TRUE(std::regex_match(run.student[1], kNumber)) << run.student[1];
    ASSERT_TRUE(std::regex_match(run.student[3], kNumber)) << run.student[3];
    std::smatch top;
    std::smatch bottom;
    ASSERT_TRUE(std::regex_match(run.teacher[0], top, kPair)) << run.teacher[0];
    ASSERT_TRUE(std::regex_match(run.teacher[2], bottom, kPair)) << run.teacher[2];
    const std::int64_t n = std::stoll(run.student[1]);
    const std::int64_t d = std::stoll(run.student[3]);
    EXPECT_EQ(std::stoll(top[1]), n);
    EXPECT_EQ(std::stoll(bottom[1]), d);
    const std::int64_t rn = std::stoll(top[2]);
    const std::int64_t rd = std::stoll(bottom[2]);
    ASSERT_LT(n, d);
    ASSERT_EQ(Rational(n, d), Rational(rn, rd)) << n << "/" << d << " = " << rn << "/" << rd;
    ASSERT_EQ(std::gcd(rn, rd), 1) << rn << "/" << rd;
    // A common part of two to four primes: the fraction always reduces by at least 4.
    ASSERT_GE(n / rn, 4) << n << "/" << d;
  }
}

// ---- "СравнитьД" -------------------------------------------------------------------------

TEST(DivisibilityTest, CompareWorkedExampleRedrawsEqualFractions) {
  ScriptedRandom random({
      // A = 2 x 3 x 5, C = 2, B's third factor: 5 refused, then 2, so B = 12.
      {29, 0},
      {29, 10},
      {29, 20},
      {29, 0},
      {29, 0},
      {29, 0},
      {19, 0},
      {29, 20},
      {29, 0},
      // 5/30 = 2/12: both numerators are drawn again, 7/30 against 1/12.
      {27, 4},
      {9, 1},
      {27, 6},
      {9, 0},
  });
  MainModule m(random);
  const Written run = RunOnce(kCompare, m);
  random.ExpectAllDrawn();
  EXPECT_EQ(run.student, (Lines{"Сравните дроби:", "7    1", "---  ---", "30    12"}));
  EXPECT_EQ(run.teacher, (Lines{"7    1", "--->---", "30    12", " "}));
  EXPECT_EQ(m.FractionLevel, 2);
}

TEST(DivisibilityTest, CompareLinesWriteLessThan) {
  const DivisibilityLines lines = CompareFractionsLines(1, 12, 7, 30);
  EXPECT_EQ(lines.student, (Lines{"Сравните дроби:", "1    7", "---  ---", "12    30"}));
  EXPECT_EQ(lines.teacher, (Lines{"1    7", "---<---", "12    30", " "}));
}

TEST(DivisibilityTest, ComparisonSignIsRightAndFractionsDifferOverManySeeds) {
  static const std::regex kPair(R"(([1-9]\d*)    ([1-9]\d*))");
  Pcg32 random(67);
  MainModule m(random);
  bool sawLess = false;
  bool sawGreater = false;
  for (int i = 0; i < 3000; ++i) {
    m.FractionLevel = i % 5;
    const Written run = RunOnce(kCompare, m);
    EXPECT_EQ(m.FractionLevel, 2);
    ASSERT_EQ(run.student.size(), 4u);
    ASSERT_EQ(run.teacher.size(), 4u);
    EXPECT_EQ(run.student[0], "Сравните дроби:");
    EXPECT_EQ(run.student[2], "---  ---");
    EXPECT_EQ(run.teacher[0], run.student[1]);
    EXPECT_EQ(run.teacher[2], run.student[3]);
    EXPECT_EQ(run.teacher[3], " ");
    std::smatch top;
    std::smatch bottom;
    ASSERT_TRUE(std::regex_match(run.student[1], top, kPair)) << run.student[1];
    ASSERT_TRUE(std::regex_match(run.student[3], bottom, kPair)) << run.student[3];
    const std::int64_t n1 = std::stoll(top[1]);
    const std::int64_t n2 = std::stoll(top[2]);
    const std::int64_t a = std::stoll(bottom[1]);
    const std::int64_t b = std::stoll(bottom[2]);
    ASSERT_NE(a, b);
    ASSERT_GE(n1, 1);
    ASSERT_LE(n1, a - 3);
    ASSERT_GE(n2, 1);
    ASSERT_LE(n2, b - 3);
    const Rational left(n1, a);
    const Rational right(n2, b);
    ASSERT_FALSE(left == right) << n1 << "/" << a << " " << n2 << "/" << b;
    const bool less = left < right;
    ASSERT_EQ(run.teacher[1], less ? "---<---" : "--->---");
    (less ? sawLess : sawGreater) = true;
  }
  EXPECT_TRUE(sawLess);
  EXPECT_TRUE(sawGreater);
}

}  // namespace
}  // namespace mathsheets
