#pragma once

#include <cstdint>

#include "common/random.h"

// The small draws the expression-chain templates share.
namespace mathsheets::chains {

// 2..8.
inline std::int32_t Factor(RandomSource& r) {
  return r.Random(7) + 2;
}

// 20, 30, ..., 80.
inline std::int32_t Tens(RandomSource& r) {
  return 10 * r.Random(7) + 20;
}

// 1..k, the switch that decides which numbers of a template are multiplied by ten, so that one
// template gives both small-number and whole-tens variants.
inline std::int32_t Switch(RandomSource& r, std::int32_t k) {
  return Draw10(r, 10 * k - 1, 10);
}

// The largest divisor of p not above q; 1 when p has none from 2 up to q.
constexpr std::int32_t LargestDivisorUpTo(std::int32_t p, std::int32_t q) {
  for (std::int32_t d = q; d >= 2; --d)
    if (p % d == 0) return d;
  return 1;
}

}  // namespace mathsheets::chains
