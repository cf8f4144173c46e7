#include "common/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace mathsheets {
namespace {

TEST(DecimalText, WritesExactlyThePlacesAfterTheSeparator) {
  EXPECT_EQ(DecimalText(47, 1, ","), "4,7");
  EXPECT_EQ(DecimalText(1234, 2, "."), "12.34");
  EXPECT_EQ(DecimalText(1003, 1, ","), "100,3");
  EXPECT_EQ(DecimalText(123, 3, ","), "0,123");
}

TEST(DecimalText, PadsNumbersShorterThanThePlacesWithZeros) {
  EXPECT_EQ(DecimalText(47, 3, ","), "0,047");
  EXPECT_EQ(DecimalText(7, 1, ","), "0,7");
  EXPECT_EQ(DecimalText(5, 4, "."), "0.0005");
  EXPECT_EQ(DecimalText(0, 2, "."), "0.00");
  EXPECT_EQ(DecimalText(2350, 6, ","), "0,002350");
  EXPECT_EQ(DecimalText(480, 10, ","), "0,0000000480");
}

TEST(DecimalText, KeepsTrailingZeros) {
  EXPECT_EQ(DecimalText(480, 4, ","), "0,0480");
  EXPECT_EQ(DecimalText(20, 1, "."), "2.0");
  EXPECT_EQ(DecimalText(700, 2, "."), "7.00");
  EXPECT_EQ(DecimalText(900, 3, ","), "0,900");
}

TEST(DecimalText, WithoutPlacesIsTheWholeNumber) {
  EXPECT_EQ(DecimalText(4000, 0, ","), "4000");
  EXPECT_EQ(DecimalText(0, 0, ","), "0");
}

TEST(DecimalText, NegativeValuesCarryTheSignInFront) {
  EXPECT_EQ(DecimalText(-47, 3, ","), "-0,047");
  EXPECT_EQ(DecimalText(-1234, 2, "."), "-12.34");
  EXPECT_EQ(DecimalText(std::numeric_limits<std::int64_t>::min(), 2, "."), "-92233720368547758.08");
}

}  // namespace
}  // namespace mathsheets
