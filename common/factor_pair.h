#pragma once

#include <cstdint>
#include <string>

#include "common/random.h"

namespace mathsheets {

// Two numbers drawn as products of primes with a known common part: G is their greatest common
// divisor and L their least common multiple by construction.
struct FactorPairResult {
  std::int64_t PairA = 0;
  std::int64_t PairB = 0;
  std::int64_t PairGcd = 0;
  std::int64_t PairLcm = 0;
  // Decimal texts, made only when asked: the exercises write the numbers themselves.
  std::string PairAText() const { return std::to_string(PairA); }
  std::string PairBText() const { return std::to_string(PairB); }
  std::string PairGcdText() const { return std::to_string(PairGcd); }
};

// GcdLevel 1..5 (0, not chosen yet, draws as 1).
FactorPairResult DrawGcdPair(RandomSource& random, std::int32_t gcdLevel);
// FractionLevel 2..4; level 1 (and 0) draws at level 2, where two different factors exist.
FactorPairResult DrawFractionPairA(RandomSource& random, std::int32_t fractionLevel);
// FractionLevel 1..4 (0 draws as 1), with the wide prime ranges once WidePrimes is set.
FactorPairResult DrawFractionPairB(RandomSource& random, std::int32_t fractionLevel,
                                   bool widePrimes);

}  // namespace mathsheets
