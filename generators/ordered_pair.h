#pragma once

#include <cstdint>

#include "generators/main_module.h"

namespace mathsheets {

// Larger number, smaller number and common divisor of one factor-pair drawing.
struct OrderedPair {
  std::int64_t larger;
  std::int64_t smaller;
  std::int64_t gcd;

  bool Shares(const FactorPairResult& p) const {
    return p.PairA == larger || p.PairA == smaller || p.PairB == larger || p.PairB == smaller;
  }
};

// DrawFractionPairB at `level` (with the module's WidePrimes), again until the two numbers differ
// and, with `avoid`, share neither number with it. The drawing stays in m.pair.
OrderedPair DrawOrderedPairB(MainModule& m, std::int32_t level, const OrderedPair* avoid = nullptr);

}  // namespace mathsheets
