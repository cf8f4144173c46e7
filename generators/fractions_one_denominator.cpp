#include <algorithm>

#include "common/fraction_layout.h"
#include "generators/fractions_families.h"

namespace mathsheets::fractions {

void SameDenominatorMinus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t x = m.Random(17);
  const std::int32_t y = m.Random(20);
  // The first numerator exceeds the second by y + 1 and stays below the denominator.
  const std::int32_t n1 = x + y + 4;
  const std::int32_t n2 = x + 3;
  const std::int32_t d = m.Random(10) + x + y + 5;
  WriteFractionExercise(files, SameDenominatorLayout(n1, "-", n2, d, n1 - n2));
}

void SameDenominatorPlus(MainModule& m, WorksheetFiles& files) {
  const std::int32_t x = m.Random(17);
  const std::int32_t y = m.Random(17);
  const std::int32_t n1 = y + 2;
  const std::int32_t n2 = x + 3;
  // One more than the largest sum, so the sum stays a proper fraction.
  const std::int32_t d = m.Random(10) + x + y + 6;
  WriteFractionExercise(files, SameDenominatorLayout(n1, "+", n2, d, n1 + n2));
}

void OneMinusFraction(MainModule& m, WorksheetFiles& files) {
  const std::int32_t x = m.Random(17);
  const std::int32_t y = m.Random(10);
  const std::int32_t n = x + 3;
  const std::int32_t d = x + y + 4;
  WriteFractionExercise(files, OneMinusLayout(n, d, d - n));
}

void SumAboveOne(MainModule& m, WorksheetFiles& files) {
  const std::int32_t x = m.Random(15);
  const std::int32_t y = m.Random(15);
  const std::int32_t n1 = y + 10;
  const std::int32_t n2 = x + 10;
  // Above the larger numerator by at most 5, while each numerator is at least 10: the sum lies
  // strictly between one and two.
  const std::int32_t d = std::max(n1, n2) + m.Random(5) + 1;
  WriteFractionExercise(files, SumAboveOneLayout(n1, n2, d, n1 + n2 - d));
}

void AnyOneDenominator(MainModule& m, WorksheetFiles& files) {
  const std::int32_t r = m.Random(400);
  if (r <= 100)
    SameDenominatorMinus(m, files);
  else if (r <= 200)
    OneMinusFraction(m, files);
  else if (r <= 300)
    SumAboveOne(m, files);
  else
    SameDenominatorPlus(m, files);
}

}  // namespace mathsheets::fractions
