// "Округление": a number of four whole digits and four decimals rounded to a place.
#include <array>
#include <string_view>

#include "common/decimal_text.h"
#include "generators/decimals.h"

namespace mathsheets {

namespace {

// By place, thousandths first. "cотых" begins with a Latin c; the texts are kept byte for byte.
constexpr std::array<std::string_view, 7> kInstructions = {
    "Округлите до тысячных:", "Округлите до cотых:", "Округлите до десятых:", "Округлите до целых:",
    "Округлите до десятков:", "Округлите до сотен:", "Округлите до тысяч:",
};

constexpr std::int32_t PowerOfTen(int exponent) {
  std::int32_t power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

}  // namespace

std::string RoundedText(std::int32_t tenThousandths, RoundingPlace place) {
  // The place's unit in ten-thousandths is 10^k; adding half a unit before cutting rounds the
  // digit after the place half up and carries as far left as it must.
  const int k = static_cast<int>(place);
  const std::int32_t unit = PowerOfTen(k);
  const std::int32_t rounded = (tenThousandths + unit / 2) / unit;
  if (k <= 4) return DecimalText(rounded, 4 - k, ",");
  return std::to_string(rounded * PowerOfTen(k - 4));
}

void RoundDecimal(MainModule& m, WorksheetFiles& files) {
  // Thousands 1..8 so that a carry leaves four whole digits; the last decimal is never 0.
  std::int32_t value = Draw10(m.random, 79, 10);
  for (int i = 0; i < 6; ++i) value = 10 * value + Draw10(m.random, 99, 0);
  value = 10 * value + Draw10(m.random, 89, 10);
  const int k = Draw10(m.random, 69, 10);
  const std::string_view instruction = kInstructions[static_cast<std::size_t>(k - 1)];
  const std::string number = DecimalText(value, 4, ",") + "=";
  files.WriteBoth(instruction, instruction);
  files.WriteBoth(number, number + RoundedText(value, static_cast<RoundingPlace>(k)));
}

}  // namespace mathsheets
