// "В десятичное" and "Период": common fractions turned into decimals.
#include <array>
#include <string>

#include "generators/decimals.h"

namespace mathsheets {

namespace {

constexpr int kSignificantDigits = 15;

// The period of g digits is drawn as Trunc((Random(span) + base) / 10), again while it is a
// multiple of `repdigit` (a period of one repeated digit is really a shorter one); the fraction
// is P / denominator, reduced by the prime factors of the denominator.
struct PeriodRow {
  std::int32_t span;
  std::int32_t base;
  std::int32_t repdigit;  // 0: nothing is drawn again
  std::int32_t denominator;
  std::array<std::int32_t, 3> primes;  // 0 marks an unused place
};

constexpr std::array<PeriodRow, 4> kPeriods = {{
    {79, 10, 0, 9, {3, 0, 0}},
    {979, 10, 11, 99, {3, 0, 0}},
    {9799, 100, 111, 999, {3, 11, 37}},
    {97999, 1000, 1111, 9999, {3, 11, 101}},
}};

const PeriodRow& PeriodRowOf(int digits) {
  const int index = digits < 1 ? 0 : digits > 4 ? 3 : digits - 1;
  return kPeriods[static_cast<std::size_t>(index)];
}

// The common factor hidden in the fraction, and the numerators of the reduced fraction, both
// chosen by a draw of 1..4.
constexpr std::array<std::int64_t, 4> kHiddenFactors = {3, 7, 11, 13};
constexpr std::array<std::int64_t, 4> kNumerators = {2, 3, 7, 11};

std::int64_t DrawOneOf(RandomSource& random, const std::array<std::int64_t, 4>& values) {
  return values[static_cast<std::size_t>(Draw10(random, 39, 10) - 1)];
}

std::string FourDigitExponent(int exponent) {
  std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return (exponent < 0 ? "-" : "+") + digits;
}

}  // namespace

std::string ScientificText(std::int64_t num, std::int64_t den) {
  if (den <= 0) return {};
  const char sign = num < 0 ? '-' : ' ';
  const std::uint64_t n =
      num < 0 ? ~static_cast<std::uint64_t>(num) + 1 : static_cast<std::uint64_t>(num);
  const std::uint64_t d = static_cast<std::uint64_t>(den);
  if (n == 0)
    return std::string(1, sign) + "0." + std::string(kSignificantDigits - 1, '0') + "E+0000";

  // Long division up to one digit past the last one kept, which decides the rounding.
  std::string digits = n / d == 0 ? std::string() : std::to_string(n / d);
  int exponent = static_cast<int>(digits.size()) - 1;
  std::uint64_t remainder = n % d;
  while (digits.size() <= kSignificantDigits) {
    remainder *= 10;
    const auto digit = static_cast<char>(remainder / d);
    remainder %= d;
    if (digits.empty() && digit == 0) {
      --exponent;
      continue;
    }
    digits.push_back(static_cast<char>('0' + digit));
  }
  const bool roundUp = digits[kSignificantDigits] >= '5';
  digits.resize(kSignificantDigits);
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) {
      ++digits[i - 1];
    } else {  // 9.99...95 becomes 10: one digit more in front
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  return std::string(1, sign) + digits[0] + "." + digits.substr(1) + "E" +
         FourDigitExponent(exponent);
}

PeriodicFraction ReducePeriod(std::int32_t period, int digits) {
  const PeriodRow& row = PeriodRowOf(digits);
  PeriodicFraction result{period, row.denominator, std::to_string(period)};
  for (std::int32_t prime : row.primes) {
    if (prime == 0) continue;
    while (result.numerator % prime == 0 && result.denominator % prime == 0) {
      result.numerator /= prime;
      result.denominator /= prime;
    }
  }
  const auto width = static_cast<std::size_t>(digits);
  if (result.period.size() < width) result.period.insert(0, width - result.period.size(), '0');
  return result;
}

// The fraction reduces to m / b^n, so its decimal ends; it is shown with a factor 3, 7, 11 or 13
// in both parts.
void FractionToDecimal(MainModule& m, WorksheetFiles& files) {
  const std::int64_t base = m.Random(39) + 10 < 20 ? 2 : 5;
  const std::int32_t exponent = Draw10(m.random, 29, 20);
  std::int64_t power = 1;
  for (std::int32_t i = 0; i < exponent; ++i) power *= base;
  const std::int64_t factor = DrawOneOf(m.random, kHiddenFactors);
  const std::int64_t den = power * factor;
  std::int64_t num = 0;
  do num = factor * DrawOneOf(m.random, kNumerators);
  while (num >= den);
  const std::string line = std::to_string(num) + ":" + std::to_string(den) + "=";
  files.WriteBoth(line, line + ScientificText(num, den));
}

void FractionToPeriod(MainModule& m, WorksheetFiles& files) {
  const int digits = Draw10(m.random, 39, 10);
  const PeriodRow& row = PeriodRowOf(digits);
  std::int32_t period = 0;
  do period = Draw10(m.random, row.span, row.base);
  while (row.repdigit != 0 && period % row.repdigit == 0);
  const PeriodicFraction f = ReducePeriod(period, digits);
  const std::string numerator = std::to_string(f.numerator);
  const std::string denominator = std::to_string(f.denominator);
  files.WriteBoth(numerator, numerator);
  files.WriteBoth("----=", "----=0,(" + f.period + ")");
  files.WriteBoth(denominator, denominator);
  files.WriteBoth(" ", " ");
}

}  // namespace mathsheets
