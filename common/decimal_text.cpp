#include "common/decimal_text.h"

namespace mathsheets {

std::string DecimalText(std::int64_t n, int places, std::string_view separator) {
  // The magnitude goes unsigned so that the smallest 64-bit value has a magnitude too.
  const bool negative = n < 0;
  const std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(n) + 1 : static_cast<std::uint64_t>(n);
  std::string digits = std::to_string(magnitude);
  const std::size_t fraction = places > 0 ? static_cast<std::size_t>(places) : 0;
  // One digit more than the places, so that the whole part is at least "0".
  if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
  if (fraction > 0) digits.insert(digits.size() - fraction, separator);
  return negative ? "-" + digits : digits;
}

}  // namespace mathsheets
