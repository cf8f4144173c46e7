#include "common/factor_pair.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedDraw;
using testing::ScriptedRandom;

enum class Member { Gcd, FractionA, FractionB, FractionBWide };

FactorPairResult Draw(Member member, RandomSource& random, std::int32_t level) {
  switch (member) {
    case Member::Gcd:
      return DrawGcdPair(random, level);
    case Member::FractionA:
      return DrawFractionPairA(random, level);
    case Member::FractionB:
      return DrawFractionPairB(random, level, false);
    case Member::FractionBWide:
      return DrawFractionPairB(random, level, true);
  }
  return {};
}

// What one member draws at one level: factors from Primes[(Random(range) + 10) / 10], `factors`
// of them per number, and the common count (Random(commonSpan) + commonBase) / 10, or 1 without
// a draw when commonSpan is 0.
struct Expected {
  Member member;
  std::int32_t level;
  std::int32_t range;
  std::int32_t factors;
  std::int64_t topPrime;
  std::int32_t commonSpan;
  std::int32_t commonBase;
  std::int32_t commonMin;
  std::int32_t commonMax;
};

constexpr std::array<Expected, 16> kExpected = {{
    {Member::Gcd, 1, 39, 2, 7, 0, 0, 1, 1},
    {Member::Gcd, 2, 59, 3, 13, 19, 10, 1, 2},
    {Member::Gcd, 3, 79, 4, 19, 19, 20, 2, 3},
    {Member::Gcd, 4, 119, 5, 37, 29, 20, 2, 4},
    {Member::Gcd, 5, 199, 6, 71, 29, 30, 3, 5},
    {Member::FractionA, 2, 29, 3, 5, 19, 20, 2, 3},
    {Member::FractionA, 3, 39, 4, 7, 29, 20, 2, 4},
    {Member::FractionA, 4, 49, 5, 11, 29, 30, 3, 5},
    {Member::FractionB, 1, 19, 2, 3, 0, 0, 1, 1},
    {Member::FractionB, 2, 39, 3, 7, 19, 20, 2, 3},
    {Member::FractionB, 3, 49, 4, 11, 29, 20, 2, 4},
    {Member::FractionB, 4, 59, 5, 13, 29, 30, 3, 5},
    {Member::FractionBWide, 1, 19, 2, 3, 0, 0, 1, 1},
    {Member::FractionBWide, 2, 59, 3, 13, 19, 20, 2, 3},
    {Member::FractionBWide, 3, 69, 4, 17, 29, 20, 2, 4},
    {Member::FractionBWide, 4, 89, 5, 23, 29, 30, 3, 5},
}};

std::string Name(const Expected& e) {
  static constexpr std::array<const char*, 4> kNames = {
      "DrawGcdPair", "DrawFractionPairA", "DrawFractionPairB", "DrawFractionPairB wide"};
  return std::string(kNames[static_cast<std::size_t>(e.member)]) + " level " +
         std::to_string(e.level);
}

std::int64_t Power(std::int64_t base, std::int32_t exponent) {
  std::int64_t p = 1;
  for (std::int32_t i = 0; i < exponent; ++i) p *= base;
  return p;
}

std::vector<std::int64_t> PrimeFactors(std::int64_t n) {
  std::vector<std::int64_t> factors;
  for (std::int64_t d = 2; d * d <= n; ++d)
    while (n % d == 0) {
      factors.push_back(d);
      n /= d;
    }
  if (n > 1) factors.push_back(n);
  return factors;
}

void ExpectTexts(const FactorPairResult& r) {
  EXPECT_EQ(r.PairAText(), std::to_string(r.PairA));
  EXPECT_EQ(r.PairBText(), std::to_string(r.PairB));
  EXPECT_EQ(r.PairGcdText(), std::to_string(r.PairGcd));
}

// The six factors of A drawn with `factorValue`, the common count with `commonValue`, and every
// extra factor of B with `extraValue`.
std::vector<ScriptedDraw> Script(const Expected& e, std::int32_t factorValue,
                                 std::int32_t commonValue, std::int32_t common,
                                 std::int32_t extraValue) {
  std::vector<ScriptedDraw> draws(6, ScriptedDraw{e.range, factorValue});
  if (e.commonSpan > 0) draws.push_back({e.commonSpan, commonValue});
  for (std::int32_t j = common; j < e.factors; ++j) draws.push_back({e.range, extraValue});
  return draws;
}

// The lowest corner: every factor of A is 2, the fewest common factors, B's extras are 3.
TEST(FactorPairTest, ScriptedLowestDrawsAtEveryLevel) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(Name(e));
    ScriptedRandom random(Script(e, 0, 0, e.commonMin, 10));
    const FactorPairResult r = Draw(e.member, random, e.level);
    random.ExpectAllDrawn();
    EXPECT_EQ(r.PairA, Power(2, e.factors));
    EXPECT_EQ(r.PairB, Power(2, e.commonMin) * Power(3, e.factors - e.commonMin));
    EXPECT_EQ(r.PairGcd, Power(2, e.commonMin));
    EXPECT_EQ(r.PairLcm, Power(2, e.factors) * Power(3, e.factors - e.commonMin));
    ExpectTexts(r);
  }
}

// The highest corner: every factor of A is the top prime, the most common factors, B's extras 2.
TEST(FactorPairTest, ScriptedHighestDrawsAtEveryLevel) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(Name(e));
    ScriptedRandom random(
        Script(e, e.range - 1, e.commonSpan > 0 ? e.commonSpan - 1 : 0, e.commonMax, 0));
    const FactorPairResult r = Draw(e.member, random, e.level);
    random.ExpectAllDrawn();
    EXPECT_EQ(r.PairA, Power(e.topPrime, e.factors));
    EXPECT_EQ(r.PairB, Power(e.topPrime, e.commonMax) * Power(2, e.factors - e.commonMax));
    EXPECT_EQ(r.PairGcd, Power(e.topPrime, e.commonMax));
    EXPECT_EQ(r.PairLcm, Power(e.topPrime, e.factors) * Power(2, e.factors - e.commonMax));
    ExpectTexts(r);
  }
}

TEST(FactorPairTest, GcdPairLevelOneWorkedExample) {
  // A = 3 x 7 and its four unused factors; C is 1 without a draw; B's second factor comes out 7
  // (a factor of A outside the common part) and is drawn again as 2.
  ScriptedRandom random(
      {{39, 10}, {39, 30}, {39, 0}, {39, 25}, {39, 38}, {39, 15}, {39, 35}, {39, 5}});
  const FactorPairResult r = DrawGcdPair(random, 1);
  random.ExpectAllDrawn();
  EXPECT_EQ(r.PairA, 21);
  EXPECT_EQ(r.PairB, 6);
  EXPECT_EQ(r.PairGcd, 3);
  EXPECT_EQ(r.PairLcm, 42);
  EXPECT_EQ(r.PairAText(), "21");
  EXPECT_EQ(r.PairBText(), "6");
  EXPECT_EQ(r.PairGcdText(), "3");
}

TEST(FactorPairTest, ExtraFactorIsDrawnAgainUntilItDiffersFromEveryNonCommonFactor) {
  // Level 3 with C = 2: A = 2 x 3 x 5 x 7; B keeps 2 x 3 and may take neither 5 nor 7.
  ScriptedRandom random({{79, 0},
                         {79, 10},
                         {79, 20},
                         {79, 30},
                         {79, 0},
                         {79, 0},
                         {19, 0},  // C = 2
                         {79, 20},
                         {79, 30},
                         {79, 10},  // 5 and 7 refused, 3 taken
                         {79, 39},
                         {79, 0}});  // 7 refused, 2 taken
  const FactorPairResult r = DrawGcdPair(random, 3);
  random.ExpectAllDrawn();
  EXPECT_EQ(r.PairA, 210);
  EXPECT_EQ(r.PairB, 2 * 3 * 3 * 2);
  EXPECT_EQ(r.PairGcd, 6);
  EXPECT_EQ(r.PairLcm, 210 * 6);
}

TEST(FactorPairTest, InvariantsOverManySeeds) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(Name(e));
    std::set<std::int64_t> primesSeen;
    std::set<std::size_t> commonCountsSeen;
    bool sawEqualNumbers = false;
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
      Pcg32 random(seed);
      const FactorPairResult r = Draw(e.member, random, e.level);
      ASSERT_EQ(r.PairGcd, std::gcd(r.PairA, r.PairB)) << "seed " << seed;
      ASSERT_EQ(r.PairLcm, std::lcm(r.PairA, r.PairB)) << "seed " << seed;
      const std::vector<std::int64_t> a = PrimeFactors(r.PairA);
      const std::vector<std::int64_t> b = PrimeFactors(r.PairB);
      const std::vector<std::int64_t> g = PrimeFactors(r.PairGcd);
      ASSERT_EQ(a.size(), static_cast<std::size_t>(e.factors)) << "seed " << seed;
      ASSERT_EQ(b.size(), static_cast<std::size_t>(e.factors)) << "seed " << seed;
      ASSERT_GE(g.size(), static_cast<std::size_t>(e.commonMin)) << "seed " << seed;
      ASSERT_LE(g.size(), static_cast<std::size_t>(e.commonMax)) << "seed " << seed;
      ASSERT_LE(a.back(), e.topPrime) << "seed " << seed;
      ASSERT_LE(b.back(), e.topPrime) << "seed " << seed;
      primesSeen.insert(a.begin(), a.end());
      primesSeen.insert(b.begin(), b.end());
      commonCountsSeen.insert(g.size());
      sawEqualNumbers |= r.PairA == r.PairB;
      ExpectTexts(r);
    }
    // Every prime of the level's range turns up, the top one included.
    std::set<std::int64_t> allPrimes;
    for (std::int64_t p = 2; p <= e.topPrime; ++p)
      if (PrimeFactors(p).size() == 1) allPrimes.insert(p);
    EXPECT_EQ(primesSeen, allPrimes);
    std::set<std::size_t> allCounts;
    for (std::int32_t c = e.commonMin; c <= e.commonMax; ++c)
      allCounts.insert(static_cast<std::size_t>(c));
    EXPECT_EQ(commonCountsSeen, allCounts);
    // Equal numbers come only from a common part covering all factors.
    EXPECT_EQ(sawEqualNumbers, e.commonMax == e.factors);
  }
}

TEST(FactorPairTest, LevelsNotChosenDrawAsTheLowestUsableLevel) {
  struct Alias {
    Member member;
    std::int32_t level;
    std::int32_t drawsAs;
  };
  for (const Alias& alias :
       {Alias{Member::Gcd, 0, 1}, Alias{Member::FractionA, 0, 2}, Alias{Member::FractionA, 1, 2},
        Alias{Member::FractionB, 0, 1}, Alias{Member::FractionBWide, 0, 1}}) {
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
      Pcg32 random(seed);
      Pcg32 reference(seed);
      const FactorPairResult r = Draw(alias.member, random, alias.level);
      const FactorPairResult expected = Draw(alias.member, reference, alias.drawsAs);
      ASSERT_EQ(r.PairA, expected.PairA) << "level " << alias.level << ", seed " << seed;
      ASSERT_EQ(r.PairB, expected.PairB) << "level " << alias.level << ", seed " << seed;
      ASSERT_EQ(r.PairGcd, expected.PairGcd) << "level " << alias.level << ", seed " << seed;
    }
  }
}

TEST(FactorPairTest, EveryMemberFinishesAtEveryLevel) {
  for (Member member : {Member::Gcd, Member::FractionA, Member::FractionB, Member::FractionBWide})
    for (std::int32_t level = -1; level <= 6; ++level) {
      Pcg32 random(static_cast<std::uint64_t>(level + 100));
      for (int i = 0; i < 2000; ++i) {
        const FactorPairResult r = Draw(member, random, level);
        ASSERT_EQ(r.PairGcd, std::gcd(r.PairA, r.PairB));
      }
    }
}

}  // namespace
}  // namespace mathsheets
