#include "common/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace mathsheets {

void AppendDecimalText(std::string& out, std::int64_t n, int places, std::string_view separator) {
  // The magnitude goes unsigned so that the smallest 64-bit value has a magnitude too.
  const bool negative = n < 0;
  const std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(n) + 1 : static_cast<std::uint64_t>(n);
  char digits[20];
  const auto count = static_cast<std::size_t>(
      std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  const std::size_t fraction = places > 0 ? static_cast<std::size_t>(places) : 0;

  if (negative) out += '-';
  if (fraction == 0) {
    out.append(digits, count);
  } else if (count <= fraction) {
    // The whole part is "0", and zeros fill the places in front of the digits.
    out += '0';
    out += separator;
    out.append(fraction - count, '0');
    out.append(digits, count);
  } else {
    out.append(digits, count - fraction);
    out += separator;
    out.append(digits + count - fraction, fraction);
  }
}

std::string DecimalText(std::int64_t n, int places, std::string_view separator) {
  std::string text;
  AppendDecimalText(text, n, places, separator);
  return text;
}

}  // namespace mathsheets
