#include "common/divisors.h"

#include <cassert>

namespace mathsheets {

namespace {
// Euclid's remainders reach the same final value as repeated subtraction, without its
// run time on lopsided operands.
template <typename T>
T CommonDivisor(T a, T b) {
  while (b != 0) {
    const T r = a % b;
    a = b;
    b = r;
  }
  return a;
}
}  // namespace

std::int32_t Gcd(std::int32_t a, std::int32_t b) {
  if (a <= 0 || b <= 0) return 1;
  return CommonDivisor(a, b);
}

std::int64_t Gcd64(std::int64_t& a, std::int64_t& b) {
  assert(a > 0 && b > 0);
  if (a <= 0 || b <= 0) return 1;
  const std::int64_t g = CommonDivisor(a, b);
  a = g;
  b = g;
  return g;
}

}  // namespace mathsheets
