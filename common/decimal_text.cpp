#include "common/decimal_text.h"

#include <charconv>

namespace mathsheets {

std::string DecimalText(std::int64_t n, int places, std::string_view separator) {
  // The magnitude goes unsigned so that the smallest 64-bit value has a magnitude too.
  const bool negative = n < 0;
  const std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(n) + 1 : static_cast<std::uint64_t>(n);
  char buffer[20];
  const std::string_view digits(
      buffer, static_cast<std::size_t>(
                  std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr - buffer));
  const std::size_t fraction = places > 0 ? static_cast<std::size_t>(places) : 0;
  // One digit more than the places, so that the whole part is at least "0".
  const std::size_t zeros = digits.size() <= fraction ? fraction + 1 - digits.size() : 0;
  std::string text;
  text.reserve(1 + zeros + digits.size() + separator.size());
  if (negative) text += '-';
  text.append(zeros, '0');
  text += digits;
  if (fraction > 0) text.insert(text.size() - fraction, separator);
  return text;
}

}  // namespace mathsheets
