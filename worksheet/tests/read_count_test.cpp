#include "worksheet/read_count.h"

#include <gtest/gtest.h>

namespace mathsheets {
namespace {

TEST(ReadCount, EmptyTextIsZero) {
  EXPECT_EQ(ReadCount(""), 0);
}

TEST(ReadCount, PlainNumbersWithTheirSign) {
  EXPECT_EQ(ReadCount("12"), 12);
  EXPECT_EQ(ReadCount("-4"), -4);
  EXPECT_EQ(ReadCount("+9"), 9);
  EXPECT_EQ(ReadCount("0"), 0);
}

TEST(ReadCount, LeadingBlanksAreSkipped) {
  EXPECT_EQ(ReadCount(" 7"), 7);
  EXPECT_EQ(ReadCount("   -3"), -3);
}

TEST(ReadCount, StoppingEarlyKeepsTheDigitsWithoutTheSign) {
  EXPECT_EQ(ReadCount("7 "), 7);
  EXPECT_EQ(ReadCount("3a"), 3);
  EXPECT_EQ(ReadCount("3д"), 3);
  EXPECT_EQ(ReadCount("-4a"), 4);
  EXPECT_EQ(ReadCount("abc"), 0);
  EXPECT_EQ(ReadCount("-x"), 0);
  EXPECT_EQ(ReadCount("1 2"), 1);
}

TEST(ReadCount, HexadecimalAfterDollarOrX) {
  EXPECT_EQ(ReadCount("$1F"), 31);
  EXPECT_EQ(ReadCount("x10"), 16);
  EXPECT_EQ(ReadCount("X0a"), 10);
  EXPECT_EQ(ReadCount("0x1f"), 31);
  EXPECT_EQ(ReadCount("0XFF"), 255);
  EXPECT_EQ(ReadCount("-$10"), -16);
  EXPECT_EQ(ReadCount("$1G"), 1);
  EXPECT_EQ(ReadCount("$"), 0);
}

TEST(ReadCount, DecimalDigitsStopAtHexLetters) {
  EXPECT_EQ(ReadCount("12ab"), 12);
}

TEST(ReadCount, SignAloneIsZero) {
  EXPECT_EQ(ReadCount("-"), 0);
  EXPECT_EQ(ReadCount("+"), 0);
}

TEST(ReadCount, ValuesPastTheThirtyTwoBitRangeStopAtItsEnds) {
  EXPECT_EQ(ReadCount("2147483647"), 2147483647);
  EXPECT_EQ(ReadCount("99999999999"), 2147483647);
  EXPECT_EQ(ReadCount("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ReadCount("-99999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace mathsheets
