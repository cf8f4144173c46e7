#pragma once

#include <cstdint>
#include <string>

#include "common/random.h"
#include "generators/generator.h"

namespace mathsheets {

// A sum and its two addends, in the smallest unit of their decimal places:
// sum == addend + other.
struct DecimalSum {
  std::int32_t sum;
  std::int32_t addend;
  std::int32_t other;
};

// The numbers shared by the addition and the subtraction of one size, with 1, 2 or 3 decimal
// places. Tenths: sum 4.1..9.9 and addend 2.0.. below it, no number a whole one. Hundredths and
// thousandths: the difference keeps two or three whole digits; with hundredths its last two
// digits are never 00.
DecimalSum DrawDecimalSum(RandomSource& random, int places);

// The quotient num / den in the reals' default notation of the worksheets: the sign (a blank
// when not negative), the first significant digit, ".", fourteen more digits rounded half up,
// "E", the exponent's sign and four digits: 21, 24 gives " 8.75000000000000E-0001".
// den must be positive and below 2^63 / 10.
std::string ScientificText(std::int64_t num, std::int64_t den);

// P / (10^g - 1), the fraction whose decimal is 0,(P) with a period of g digits, reduced, and the
// period text with its leading zeros.
struct PeriodicFraction {
  std::int32_t numerator;
  std::int32_t denominator;
  std::string period;
};
PeriodicFraction ReducePeriod(std::int32_t period, int digits);

// The places "Округление" rounds to, from the thousandths (1) to the thousands (7).
enum class RoundingPlace {
  Thousandths = 1,
  Hundredths,
  Tenths,
  Units,
  Tens,
  Hundreds,
  Thousands,
};

// A number of ten-thousandths (four whole digits and four decimals) rounded half up to the place
// and written with a comma, the kept decimals even when 0, the dropped whole digits as zeros:
// 35072841 to thousandths gives 3507,284; 19500001 to hundreds gives 2000.
std::string RoundedText(std::int32_t tenThousandths, RoundingPlace place);

// Types 13..23 (products, quotients, sums and differences of decimals), 59 (fraction to
// decimal), 60 (fraction to periodic decimal) and 98 (rounding).
std::span<const GeneratorBinding> DecimalGenerators();

// The generators of the conversions and the rounding, in their own files.
void FractionToDecimal(MainModule& m, WorksheetFiles& files);
void FractionToPeriod(MainModule& m, WorksheetFiles& files);
void RoundDecimal(MainModule& m, WorksheetFiles& files);

}  // namespace mathsheets
