#include "common/factor_pair.h"

#include <algorithm>
#include <array>

#include "common/divisors.h"

namespace mathsheets {

namespace {

enum class CommonCount { One, From10Span19, From20Span19, From20Span29, From30Span29 };

struct PairParameters {
  std::int32_t primeRange;  // R: a factor is Primes[(Random(R) + 10) / 10]
  std::int32_t factors;     // K
  CommonCount common;       // how C is drawn
};

std::int32_t DrawCommonCount(RandomSource& random, CommonCount rule) {
  switch (rule) {
    case CommonCount::One:
      return 1;
    case CommonCount::From10Span19:
      return Draw10(random, 19, 10);
    case CommonCount::From20Span19:
      return Draw10(random, 19, 20);
    case CommonCount::From20Span29:
      return Draw10(random, 29, 20);
    case CommonCount::From30Span29:
      return Draw10(random, 29, 30);
  }
  return 1;
}

std::int64_t DrawPrime(RandomSource& random, std::int32_t range) {
  return Primes[static_cast<std::size_t>(Draw10(random, range, 10))];
}

FactorPairResult DrawFactorPair(RandomSource& random, const PairParameters& p) {
  const std::size_t k = static_cast<std::size_t>(p.factors);
  // All six factors are drawn, whatever K uses of them.
  std::array<std::int64_t, 6> first{};
  for (auto& f : first) f = DrawPrime(random, p.primeRange);
  const std::size_t c = static_cast<std::size_t>(DrawCommonCount(random, p.common));

  std::array<std::int64_t, 6> second = first;
  for (std::size_t j = c; j < k; ++j) {
    // An extra factor of B equal to a non-common factor of A would enlarge the common divisor.
    do {
      second[j] = DrawPrime(random, p.primeRange);
    } while (std::find(first.begin() + static_cast<std::ptrdiff_t>(c),
                       first.begin() + static_cast<std::ptrdiff_t>(k),
                       second[j]) != first.begin() + static_cast<std::ptrdiff_t>(k));
  }

  FactorPairResult r;
  r.PairA = 1;
  r.PairB = 1;
  r.PairGcd = 1;
  for (std::size_t i = 0; i < k; ++i) {
    r.PairA *= first[i];
    r.PairB *= second[i];
    if (i < c) r.PairGcd *= first[i];
  }
  r.PairLcm = (r.PairA / r.PairGcd) * r.PairB;
  return r;
}

std::size_t LevelIndex(std::int32_t level, std::int32_t lowest, std::int32_t highest) {
  return static_cast<std::size_t>(std::clamp(level, lowest, highest) - 1);
}

constexpr std::array<PairParameters, 5> kGcdPair = {{
    {39, 2, CommonCount::One},
    {59, 3, CommonCount::From10Span19},
    {79, 4, CommonCount::From20Span19},
    {119, 5, CommonCount::From20Span29},
    {199, 6, CommonCount::From30Span29},
}};

// Level 1 of pair A (R 9, only the prime 2) is never drawn: no second factor could differ.
constexpr std::array<PairParameters, 4> kFractionPairA = {{
    {9, 2, CommonCount::One},
    {29, 3, CommonCount::From20Span19},
    {39, 4, CommonCount::From20Span29},
    {49, 5, CommonCount::From30Span29},
}};

constexpr std::array<std::int32_t, 4> kFractionPairBRange = {19, 39, 49, 59};
constexpr std::array<std::int32_t, 4> kFractionPairBWideRange = {19, 59, 69, 89};

}  // namespace

FactorPairResult DrawGcdPair(RandomSource& random, std::int32_t gcdLevel) {
  return DrawFactorPair(random, kGcdPair[LevelIndex(gcdLevel, 1, 5)]);
}

FactorPairResult DrawFractionPairA(RandomSource& random, std::int32_t fractionLevel) {
  return DrawFactorPair(random, kFractionPairA[LevelIndex(fractionLevel, 2, 4)]);
}

FactorPairResult DrawFractionPairB(RandomSource& random, std::int32_t fractionLevel,
                                   bool widePrimes) {
  const std::size_t i = LevelIndex(fractionLevel, 1, 4);
  PairParameters p = kFractionPairA[i];
  p.primeRange = widePrimes ? kFractionPairBWideRange[i] : kFractionPairBRange[i];
  return DrawFactorPair(random, p);
}

}  // namespace mathsheets
