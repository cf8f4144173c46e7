#include "common/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace mathsheets {

std::string DecimalText(std::int64_t n, int places, std::string_view separator) {
  // The magnitude goes unsigned so that the smallest 64-bit value has a magnitude too.
  const bool negative = n < 0;
  const std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(n) + 1 : static_cast<std::uint64_t>(n);
  char digits[20];
  const auto count = static_cast<std::size_t>(
      std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  const std::size_t fraction = places > 0 ? static_cast<std::size_t>(places) : 0;

  std::string text;
  text.reserve(2 + separator.size() + std::max(count, fraction));
  if (negative) text += '-';
  if (fraction == 0) {
    text.append(digits, count);
  } else if (count <= fraction) {
    // The whole part is "0", and zeros fill the places in front of the digits.
    text += '0';
    text += separator;
    text.append(fraction - count, '0');
    text.append(digits, count);
  } else {
    text.append(digits, count - fraction);
    text += separator;
    text.append(digits + count - fraction, fraction);
  }
  return text;
}

}  // namespace mathsheets
