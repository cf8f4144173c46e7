#include "common/divisors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

namespace mathsheets {
namespace {

bool IsPrime(std::int32_t n) {
  if (n < 2) return false;
  for (std::int32_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

TEST(PrimesTest, HoldsTheFirstThirtyPrimesFromIndexOne) {
  ASSERT_EQ(Primes.size(), 31u);
  std::int32_t candidate = 1;
  for (std::size_t i = 1; i <= 30; ++i) {
    do ++candidate;
    while (!IsPrime(candidate));
    EXPECT_EQ(Primes[i], candidate) << "index " << i;
  }
  EXPECT_EQ(Primes[30], 113);
}

TEST(GcdTest, WorkedValuesAndNonPositiveOperands) {
  EXPECT_EQ(Gcd(12, 18), 6);
  EXPECT_EQ(Gcd(18, 12), 6);
  EXPECT_EQ(Gcd(7, 7), 7);
  EXPECT_EQ(Gcd(1, 1), 1);
  EXPECT_EQ(Gcd(0, 5), 1);
  EXPECT_EQ(Gcd(5, 0), 1);
  EXPECT_EQ(Gcd(0, 0), 1);
  EXPECT_EQ(Gcd(-4, 6), 1);
  EXPECT_EQ(Gcd(6, -4), 1);
}

TEST(GcdTest, AgreesWithTheStandardLibrary) {
  for (std::int32_t a = 1; a <= 200; ++a)
    for (std::int32_t b = 1; b <= 200; ++b) ASSERT_EQ(Gcd(a, b), std::gcd(a, b)) << a << "," << b;
}

TEST(GcdTest, LopsidedOperandsFinishAtOnce) {
  EXPECT_EQ(Gcd(1, 2147483647), 1);
  EXPECT_EQ(Gcd(2147483646, 2), 2);
}

TEST(Gcd64Test, LeavesBothOperandsEqualToTheResult) {
  struct Case {
    std::int64_t a, b, g;
  };
  for (const Case& c :
       {Case{12, 18, 6}, Case{18, 12, 6}, Case{7, 7, 7}, Case{35, 64, 1},
        Case{1, 1000000000000000LL, 1},
        Case{2 * 3 * 5 * 7 * 11 * 13LL * 1000003LL, 13 * 17 * 1000003LL, 13 * 1000003LL}}) {
    std::int64_t a = c.a;
    std::int64_t b = c.b;
    EXPECT_EQ(Gcd64(a, b), c.g) << c.a << "," << c.b;
    EXPECT_EQ(a, c.g);
    EXPECT_EQ(b, c.g);
  }
}

TEST(Gcd64Test, AgreesWithTheStandardLibrary) {
  for (std::int64_t a = 1; a <= 120; ++a)
    for (std::int64_t b = 1; b <= 120; ++b) {
      std::int64_t x = a * 1000000007LL;
      std::int64_t y = b * 1000000007LL;
      ASSERT_EQ(Gcd64(x, y), std::gcd(a, b) * 1000000007LL) << a << "," << b;
    }
}

}  // namespace
}  // namespace mathsheets
