#include <algorithm>
#include <array>
#include <utility>

#include "common/factor_pair.h"
#include "common/fraction_layout.h"
#include "generators/fractions_families.h"
#include "generators/ordered_pair.h"

namespace mathsheets::fractions {

namespace {

// Two fractions over the numbers of one factor-pair drawing, with their common denominator.
struct PairFractions {
  Fraction first;
  Fraction second;
  std::int64_t lcm;
};

std::int64_t OverLcm(Fraction f, std::int64_t lcm) {
  return f.numerator * (lcm / f.denominator);
}

// At the higher levels a numerator may reach or pass its denominator.
std::int64_t DrawNumerator(MainModule& m, std::int64_t denominator, std::int32_t level) {
  return m.Random(static_cast<std::int32_t>(denominator - 3)) + 2 * level;
}

void DrawPairA(MainModule& m, std::int32_t level) {
  m.pair = DrawFractionPairA(m.random, level);
}

// Two different denominators: equal ones come out whenever the whole drawing is common.
void DrawDistinctPairA(MainModule& m, std::int32_t level) {
  do {
    DrawPairA(m, level);
  } while (m.pair.PairA == m.pair.PairB);
}

PairFractions DrawNumerators(MainModule& m, std::int32_t level) {
  const std::int64_t a = m.pair.PairA;
  const std::int64_t b = m.pair.PairB;
  const std::int64_t n1 = DrawNumerator(m, a, level);
  const std::int64_t n2 = DrawNumerator(m, b, level);
  return {{n1, a}, {n2, b}, m.pair.PairLcm};
}

// For a subtraction: two different fractions, the larger one first, so the difference is
// positive.
PairFractions DrawUnequalNumerators(MainModule& m, std::int32_t level) {
  PairFractions t{};
  do {
    t = DrawNumerators(m, level);
  } while (OverLcm(t.first, t.lcm) == OverLcm(t.second, t.lcm));
  if (OverLcm(t.second, t.lcm) > OverLcm(t.first, t.lcm)) std::swap(t.first, t.second);
  return t;
}

std::int64_t SumOverLcm(const PairFractions& t) {
  return OverLcm(t.first, t.lcm) + OverLcm(t.second, t.lcm);
}

std::int64_t DifferenceOverLcm(const PairFractions& t) {
  return OverLcm(t.first, t.lcm) - OverLcm(t.second, t.lcm);
}

// The plain two-fraction sums and differences need two different factors, which level 1 cannot
// give; a level not chosen yet counts as 1.
std::int32_t RaisedFractionLevel(MainModule& m) {
  if (m.FractionLevel <= 1) m.FractionLevel = 2;
  return m.FractionLevel;
}

// Whole parts of the mixed sums and differences: Trunc((Random(span) + 10) / 10), by MixedLevel.
constexpr std::array<std::int32_t, 3> kMixedWholeSpan = {49, 99, 199};

// A group not chosen yet counts as its first button.
std::int32_t ChosenOrFirst(std::int32_t level) {
  return std::clamp(level, 1, 3);
}

std::int64_t DrawMixedWhole(MainModule& m, std::int32_t mixedLevel) {
  return Draw10(m.random, kMixedWholeSpan[static_cast<std::size_t>(mixedLevel - 1)], 10);
}

// The product of the two smaller numbers over the product of the two larger ones, each number
// taken without its pair's common divisor (the cross-cancellation a pupil would do).
MixedNumber SmallerOverLarger(const OrderedPair& p1, const OrderedPair& p2) {
  return ReducedAnswer((p1.smaller / p1.gcd) * (p2.smaller / p2.gcd),
                       (p1.larger / p1.gcd) * (p2.larger / p2.gcd));
}

MixedNumber LargerOverSmaller(const OrderedPair& p1, const OrderedPair& p2) {
  return ReducedAnswer((p1.larger / p1.gcd) * (p2.larger / p2.gcd),
                       (p1.smaller / p1.gcd) * (p2.smaller / p2.gcd));
}

std::int32_t MulDivFractionLevel(MainModule& m) {
  m.FractionLevel = std::max(m.MulDivLevel + 1, 2);
  return m.FractionLevel;
}

std::int32_t MixedMulDivFractionLevel(MainModule& m) {
  m.FractionLevel = ChosenOrFirst(m.MixedMulDivLevel) + 1;
  return m.FractionLevel;
}

}  // namespace

void TwoFractionsPlus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = RaisedFractionLevel(m);
  DrawDistinctPairA(m, level);
  const PairFractions t = DrawNumerators(m, level);
  WriteFractionExercise(
      files, TwoFractionLayout(t.first, "+", t.second, ReducedAnswer(SumOverLcm(t), t.lcm)));
}

void AbsoluteValuePlus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = RaisedFractionLevel(m);
  DrawDistinctPairA(m, level);
  const PairFractions t = DrawNumerators(m, level);
  WriteFractionExercise(
      files, AbsoluteFirstLayout(t.first, "+", t.second, ReducedAnswer(SumOverLcm(t), t.lcm)));
}

void TwoFractionsMinus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = RaisedFractionLevel(m);
  DrawDistinctPairA(m, level);
  const PairFractions t = DrawUnequalNumerators(m, level);
  WriteFractionExercise(
      files, TwoFractionLayout(t.first, "-", t.second, ReducedAnswer(DifferenceOverLcm(t), t.lcm)));
}

void TwoFractionsTimes(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = MulDivFractionLevel(m);
  const OrderedPair p1 = DrawOrderedPairB(m, level);
  const OrderedPair p2 = DrawOrderedPairB(m, level);
  WriteFractionExercise(files,
                        TwoFractionLayout({p2.smaller, p1.larger}, " x ", {p1.smaller, p2.larger},
                                          SmallerOverLarger(p1, p2)));
}

void TwoFractionsDivide(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = MulDivFractionLevel(m);
  const OrderedPair p1 = DrawOrderedPairB(m, level);
  const OrderedPair p2 = DrawOrderedPairB(m, level);
  WriteFractionExercise(files,
                        TwoFractionLayout({p2.smaller, p1.larger}, " : ", {p2.larger, p1.smaller},
                                          SmallerOverLarger(p1, p2)));
}

void TwoMixedPlus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t mixedLevel = ChosenOrFirst(m.MixedLevel);
  const std::int64_t w1 = DrawMixedWhole(m, mixedLevel);
  const std::int64_t w2 = DrawMixedWhole(m, mixedLevel);
  const std::int32_t level = mixedLevel + 1;
  m.FractionLevel = level;
  // Equal denominators are welcome here.
  DrawPairA(m, level);
  const PairFractions t = DrawNumerators(m, level);
  WriteFractionExercise(files, TwoMixedLayout({w1, t.first.numerator, t.first.denominator}, "+",
                                              {w2, t.second.numerator, t.second.denominator},
                                              ReducedAnswer(SumOverLcm(t), t.lcm, w1 + w2)));
}

void TwoMixedMinus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t mixedLevel = ChosenOrFirst(m.MixedLevel);
  std::int64_t w1 = DrawMixedWhole(m, mixedLevel);
  std::int64_t w2 = DrawMixedWhole(m, mixedLevel);
  if (w1 < w2) std::swap(w1, w2);
  const std::int32_t level = mixedLevel + 1;
  m.FractionLevel = level;
  DrawDistinctPairA(m, level);
  const PairFractions t = DrawUnequalNumerators(m, level);
  WriteFractionExercise(files, TwoMixedLayout({w1, t.first.numerator, t.first.denominator}, "-",
                                              {w2, t.second.numerator, t.second.denominator},
                                              ReducedAnswer(DifferenceOverLcm(t), t.lcm, w1 - w2)));
}

void TwoMixedTimes(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = MixedMulDivFractionLevel(m);
  const OrderedPair p1 = DrawOrderedPairB(m, level);
  const OrderedPair p2 = DrawOrderedPairB(m, level);
  WriteFractionExercise(
      files, MixedWhenImproperLayout({p2.larger, p1.smaller}, " x ", {p1.larger, p2.smaller},
                                     LargerOverSmaller(p1, p2)));
}

void TwoMixedDivide(MainModule& m, WorksheetFiles& files) {
  const std::int32_t level = MixedMulDivFractionLevel(m);
  OrderedPair p1{};
  OrderedPair p2{};
  MixedNumber answer;
  // A quotient that comes out whole is drawn anew, both pairs with it, and the second pair never
  // repeats a number of the first.
  do {
    p1 = DrawOrderedPairB(m, level);
    p2 = DrawOrderedPairB(m, level, &p1);
    answer = LargerOverSmaller(p1, p2);
  } while (answer.numerator == 0);
  WriteFractionExercise(files, MixedWhenImproperLayout({p2.larger, p1.smaller}, " : ",
                                                       {p2.smaller, p1.larger}, answer));
}

}  // namespace mathsheets::fractions
