// Worked instances of the fraction types with every draw scripted: the exact lines of both files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generators/fractions.h"
#include "generators/registry.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedDraw;
using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

// Draws of one factor pair: six prime draws (Random(range)), the common count, the extra factors.
std::vector<ScriptedDraw> Pair(std::int32_t range, std::vector<std::int32_t> primes,
                               std::int32_t commonSpan, std::int32_t common,
                               std::vector<std::int32_t> extra = {}) {
  std::vector<ScriptedDraw> draws;
  for (std::int32_t p : primes) draws.push_back({range, p});
  draws.push_back({commonSpan, common});
  for (std::int32_t e : extra) draws.push_back({range, e});
  return draws;
}

std::vector<ScriptedDraw> Join(std::initializer_list<std::vector<ScriptedDraw>> parts) {
  std::vector<ScriptedDraw> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Pair A at level 2: 12 = 2·2·3 and 18 = 2·3·3 (Random(29): 0..9 give 2, 10..19 give 3).
std::vector<ScriptedDraw> PairA12And18() {
  return Pair(29, {0, 10, 0, 0, 0, 0}, 19, 0, {10});
}
// Pair B at level 2 (Random(39): 0.. give 2, 10.. 3, 20.. 5, 30.. 7): 30 and 42, gcd 6.
std::vector<ScriptedDraw> PairB30And42() {
  return Pair(39, {0, 10, 20, 0, 0, 0}, 19, 0, {30});
}
// 30 and 45, gcd 15.
std::vector<ScriptedDraw> PairB30And45() {
  return Pair(39, {10, 20, 0, 0, 0, 0}, 19, 0, {10});
}
// 50 and 75, gcd 25.
std::vector<ScriptedDraw> PairB50And75() {
  return Pair(39, {20, 20, 0, 0, 0, 0}, 19, 0, {10});
}

void ExpectExercise(int number, std::vector<ScriptedDraw> draws, const Lines& student,
                    const Lines& teacher, void (*levels)(MainModule&) = nullptr,
                    bool separator = true) {
  SCOPED_TRACE("type " + std::to_string(number));
  ScriptedRandom random(std::move(draws));
  MainModule m(random);
  if (levels) levels(m);
  MemoryWorksheet w;
  FindTaskGenerator(number)(m, w.files);
  random.ExpectAllDrawn();
  Lines s = student;
  Lines t = teacher;
  if (separator) {
    s.push_back(" ");
    t.push_back(" ");
  }
  EXPECT_EQ(w.student.lines, s);
  EXPECT_EQ(w.teacher.lines, t);
}

TEST(FractionWorkedInstances, OneDenominator) {
  // x = 4, y = 3: 11/13 - 7/13.
  ExpectExercise(43, {{17, 4}, {20, 3}, {10, 1}}, {"11    7", "-- - --=", "13   13"},
                 {"11    7  4", "-- - --=--", "13   13 13"});
  // 150 of 400 chooses one minus a fraction: x = 2, y = 5.
  ExpectExercise(47, {{400, 150}, {17, 2}, {10, 5}}, {"     5", "1 - --= ", "    11"},
                 {"     5   6", "1 - --= --", "    11  11"});
  // x = 3, y = 0: 10/16 + 13/16 = 1 7/16.
  ExpectExercise(46, {{15, 3}, {15, 0}, {5, 2}}, {"10   13", "-- + --= ", "16   16"},
                 {"10   13    7", "-- + --= 1--", "16   16   16"});
}

TEST(FractionWorkedInstances, TwoFractionsRedrawEqualDenominators) {
  // The first drawing shares all three factors (8 and 8) and is drawn again.
  const auto draws =
      Join({Pair(29, {0, 0, 0, 0, 0, 0}, 19, 10), PairA12And18(), {{9, 1}, {15, 3}}});
  ExpectExercise(50, draws, {"5    7    ", "-- + --  =", "12   18   "},
                 {"5    7      29", "-- + --  = --", "12   18    36"});
  ExpectExercise(76, Join({PairA12And18(), {{9, 1}, {15, 3}}}),
                 {"|  5 |   7    ", "|- --| + --  =", "|  12|   18   "},
                 {"|  5 |   7      29", "|- --| + --  = --", "|  12|   18    36"},
                 [](MainModule& m) { m.FractionLevel = 2; });
}

TEST(FractionWorkedInstances, DifferenceRedrawsEqualFractionsAndPutsTheLargerFirst) {
  // 4/12 = 6/18 is drawn again; then 5/12 < 11/18, so 11/18 comes first.
  ExpectExercise(51, Join({PairA12And18(), {{9, 0}, {15, 2}, {9, 1}, {15, 7}}}),
                 {"11   5    ", "-- - --  =", "18   12   "},
                 {"11   5      7", "-- - --  = --", "18   12    36"});
}

TEST(FractionWorkedInstances, ProductWithCrossCancellation) {
  // 30/42 x 30/45 = 10/21.
  ExpectExercise(52, Join({PairB30And42(), PairB30And45()}),
                 {"30     30   ", "--  x  --  =", "42     45   "},
                 {"30     30     10", "--  x  --  = --", "42     45    21"});
}

TEST(FractionWorkedInstances, MixedDifferenceOrdersTheWholeParts) {
  // The whole parts one and four are swapped; 4 5/12 - 1 7/18 = 3 1/36.
  ExpectExercise(55, Join({{{49, 5}, {49, 35}}, PairA12And18(), {{9, 1}, {15, 3}}}),
                 {" 5     7    ", "4-- - 1--  =", " 12    18   "},
                 {" 5     7        1", "4-- - 1--  =  3--", " 12    18      36"},
                 [](MainModule& m) { m.MixedLevel = 1; });
}

TEST(FractionWorkedInstances, MixedSumThatComesOutWhole) {
  // Level 0 draws as level 1; 8 and 8 are kept. 2 4/8 + 3 4/8 = 6.
  ExpectExercise(
      54, Join({{{49, 10}, {49, 20}}, Pair(29, {0, 0, 0, 0, 0, 0}, 19, 10), {{5, 0}, {5, 0}}}),
      {" 4    4   ", "2- + 3-  =", " 8    8   "},
      {" 4    4       ", "2- + 3-  =  6", " 8    8      "});
}

TEST(FractionWorkedInstances, MixedProductAndQuotient) {
  // 45/30 x 42/30 = 1 15/30 x 1 12/30 = 2 1/10.
  ExpectExercise(56, Join({PairB30And42(), PairB30And45()}),
                 {" 15      12   ", "1--  x  1--  =", " 30      30   "},
                 {" 15      12       1", "1--  x  1--  =  2--", " 30      30      10"});
  // The second pair 30 and 45 repeats 30 and is drawn again: 75/30 : 50/42 = 2 1/10.
  ExpectExercise(57, Join({PairB30And42(), PairB30And45(), PairB50And75()}),
                 {" 15      8    ", "2--  :  1--  =", " 30      42   "},
                 {" 15      8        1", "2--  :  1--  =  2--", " 30      42      10"});
}

TEST(FractionWorkedInstances, ThreeFractions) {
  // (2, 3, 5) and 11: 3/22 - 5/33 - 20/55 = -25/66.
  ExpectExercise(77, {{39, 30}, {39, 0}, {189, 10}, {189, 30}, {189, 180}, {100, 10}, {100, 20}},
                 {"3    5   20  ", "-- - -- - --=", "22   33   55 "},
                 {"3    5   20     -25", "-- - -- - --= ---", "22   33   55    66"});
  // 4/22 - 3/33 - 5/55 = 0 stays over the common denominator.
  ExpectExercise(77, {{39, 30}, {39, 0}, {189, 20}, {189, 10}, {189, 30}, {100, 0}, {100, 0}},
                 {"4    3   5  ", "-- - -- - --=", "22   33   55 "},
                 {"4    3   5     0", "-- - -- - --= ---", "22   33   55    330"});
}

TEST(FractionWorkedInstances, ThreeMixedNumbers) {
  // 12 3/5 - 13 7/12 + 10 1/4 = 9 4/15.
  ExpectExercise(
      99,
      {{89, 20},
       {89, 30},
       {89, 0},
       {169, 20},
       {3, 2},
       {169, 90},
       {10, 6},
       {169, 10},
       {2, 0},
       {100, 50},
       {100, 10}},
      {"   3        7       1   ", "12-- + (-13--) + 10-- = ", "   5       12       4   "},
      {"   3        7       1     4", "12-- + (-13--) + 10-- = 9--",
       "   5       12       4     15"});
  // Base 3, cofactor 2 drawn twice: 10 1/6 - 10 2/9 - 10 4/15 = -(10 + 29/90).
  ExpectExercise(100,
                 {{89, 0},
                  {89, 0},
                  {89, 0},
                  {29, 0},
                  {59, 0},
                  {59, 5},
                  {59, 10},
                  {59, 20},
                  {4, 0},
                  {7, 1},
                  {12, 3},
                  {100, 80},
                  {100, 90}},
                 {"   1        2         4     ",
                  "10-- + (-10--) + (-10--) = ", "   6        9        15     "},
                 {"   1        2         4       29", "10-- + (-10--) + (-10--) = -10--",
                  "   6        9        15       90"});
}

TEST(FractionWorkedInstances, MixedNumbersOverOneDenominator) {
  // 61 of 100 adds; 4/9 + 5/9 over 9 would make a whole and is drawn again. 3 7/12 + 2 9/12.
  ExpectExercise(114,
                 {{100, 61},
                  {8, 0},
                  {8, 0},
                  {15, 3},
                  {15, 4},
                  {15, 3},
                  {8, 2},
                  {8, 1},
                  {15, 6},
                  {15, 8},
                  {15, 2}},
                 {"  7    9", "3-- +2--=", " 12   12"},
                 {"  7    9   4", "3-- +2--=6--", " 12   12  12"}, nullptr, /*separator=*/false);
  // 50 of 100 subtracts, and always borrows: 6 3/17 - 3 12/17 = 2 8/17.
  ExpectExercise(115, {{100, 50}, {5, 2}, {3, 1}, {5, 2}, {5, 2}, {15, 4}},
                 {"  3   12", "6-- -3--=", " 17   17"},
                 {"  3   12   8", "6-- -3--=2--", " 17   17  17"}, nullptr, /*separator=*/false);
}

}  // namespace
}  // namespace mathsheets
