#include "common/plural.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace mathsheets {
namespace {

// A class value no selector ever writes: seeing it afterwards means "no class".
constexpr std::int32_t kUntouched = 99;

// The everyday Russian rule on the last two digits of a positive count.
std::int32_t EverydayClass(std::int32_t n) {
  const std::int32_t lastTwo = n % 100;
  if (lastTwo >= 11 && lastTwo <= 14) return 3;
  const std::int32_t units = n % 10;
  if (units == 1) return 1;
  if (units >= 2 && units <= 4) return 2;
  return 3;
}

struct ClassCase {
  std::int32_t n;
  std::int32_t cls;
};

TEST(PluralClassTest, TableOfCounts) {
  constexpr std::array<ClassCase, 34> kCases = {{
      {1, 1},
      {2, 2},
      {4, 2},
      {5, 3},
      {10, 3},
      {11, 3},
      {14, 3},
      {20, 3},
      {21, 1},
      {22, 2},
      {25, 3},
      {30, 3},
      {100, 3},
      {101, 1},
      {111, 3},
      {112, 3},
      {121, 1},
      {124, 2},
      {1000, 3},
      {1001, 1},
      {1011, 3},
      {1021, 1},
      {1121, 2},
      {2105, 3},
      {1234, 2},
      {1250, 3},
      {1310, 1},
      {1200, 3},
      {21000, 3},
      {11121, 1},
      {0, kUntouched},
      {-1, kUntouched},
      {-21, kUntouched},
      {-2147483647, kUntouched},
  }};
  for (const ClassCase& c : kCases) {
    std::int32_t cls = kUntouched;
    PluralClass(c.n, cls);
    EXPECT_EQ(cls, c.cls) << "n = " << c.n;
  }
}

TEST(PluralClassTest, FollowsTheLastTwoDigitsBelowAThousand) {
  for (std::int32_t n = 1; n <= 999; ++n) {
    std::int32_t cls = kUntouched;
    PluralClass(n, cls);
    EXPECT_EQ(cls, EverydayClass(n)) << "n = " << n;
  }
}

TEST(PluralClassTest, NoClassKeepsThePreviousOne) {
  std::int32_t cls = 2;
  PluralClass(0, cls);
  EXPECT_EQ(cls, 2);
  PluralClassOne4(-7, cls);
  EXPECT_EQ(cls, 2);
}

TEST(PluralClassOne4Test, WritesFourForClassOne) {
  constexpr std::array<ClassCase, 9> kCases = {{
      {1, 4},
      {21, 4},
      {101, 4},
      {1021, 4},
      {3, 2},
      {1121, 2},
      {11, 3},
      {25, 3},
      {0, kUntouched},
  }};
  for (const ClassCase& c : kCases) {
    std::int32_t cls = kUntouched;
    PluralClassOne4(c.n, cls);
    EXPECT_EQ(cls, c.cls) << "n = " << c.n;
  }
}

enum class Selector { Trim, Tail, TailKeep };

struct CutCase {
  Selector selector;
  std::int32_t n;
  std::int32_t cls;
  std::int32_t nAfter;
};

void Select(Selector s, std::int32_t& n, std::int32_t& cls) {
  switch (s) {
    case Selector::Trim:
      PluralClassTrim(n, cls);
      break;
    case Selector::Tail:
      PluralClassTail(n, cls);
      break;
    case Selector::TailKeep:
      PluralClassTailKeep(n, cls);
      break;
  }
}

TEST(LastTwoDigitsSelectorsTest, ClassAndCountAfterwards) {
  constexpr std::array<CutCase, 30> kCases = {{
      {Selector::Trim, 121, 1, 21},
      {Selector::Trim, 200, 3, 0},
      {Selector::Trim, 7, 3, 7},
      {Selector::Trim, 100, 3, 0},
      {Selector::Trim, 0, 3, 0},
      {Selector::Trim, 1121, 1, 21},
      {Selector::Trim, 2105, 3, 5},
      {Selector::Trim, 113, 3, 13},
      {Selector::Trim, -300, kUntouched, -300},
      {Selector::Trim, -21, kUntouched, -21},
      {Selector::Tail, 100, 3, 100},
      {Selector::Tail, 312, 3, 12},
      {Selector::Tail, 200, 3, 0},
      {Selector::Tail, 0, 3, 0},
      {Selector::Tail, 99, 3, 99},
      {Selector::Tail, 1103, 2, 3},
      {Selector::Tail, 1121, 1, 21},
      {Selector::Tail, -300, 3, -300},
      {Selector::Tail, -121, kUntouched, -121},
      {Selector::TailKeep, 300, 3, 300},
      {Selector::TailKeep, 142, 2, 42},
      {Selector::TailKeep, 100, 3, 100},
      {Selector::TailKeep, 0, 3, 0},
      {Selector::TailKeep, 5, 3, 5},
      {Selector::TailKeep, 1121, 1, 21},
      {Selector::TailKeep, 4000, 3, 4000},
      {Selector::TailKeep, 101, 1, 1},
      {Selector::TailKeep, -200, 3, -200},
      {Selector::TailKeep, -142, kUntouched, -142},
      {Selector::TailKeep, -1, kUntouched, -1},
  }};
  for (const CutCase& c : kCases) {
    std::int32_t n = c.n;
    std::int32_t cls = kUntouched;
    Select(c.selector, n, cls);
    EXPECT_EQ(cls, c.cls) << "selector " << static_cast<int>(c.selector) << ", n = " << c.n;
    EXPECT_EQ(n, c.nAfter) << "selector " << static_cast<int>(c.selector) << ", n = " << c.n;
  }
}

// Unlike PluralClass, the cut selectors never fall back on the leading-digit rule: every
// positive count agrees by its last two digits.
TEST(LastTwoDigitsSelectorsTest, EveryPositiveCountFollowsTheLastTwoDigits) {
  for (Selector s : {Selector::Trim, Selector::Tail, Selector::TailKeep}) {
    for (std::int32_t count = 1; count <= 30000; ++count) {
      std::int32_t n = count;
      std::int32_t cls = kUntouched;
      Select(s, n, cls);
      ASSERT_EQ(cls, EverydayClass(count))
          << "selector " << static_cast<int>(s) << ", n = " << count;
    }
  }
}

}  // namespace
}  // namespace mathsheets
