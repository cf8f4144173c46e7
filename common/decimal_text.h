#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mathsheets {

// A decimal kept as a whole number n of its smallest unit, written as n / 10^places with exactly
// `places` digits after `separator`: "0" before the separator when n < 10^places, leading zeros
// after it when n has fewer digits than that, trailing zeros kept (47, 3, "," gives 0,047;
// 20, 1, "." gives 2.0). With no places the text is the whole number alone. A negative n is
// written as "-" and the text of its magnitude.
std::string DecimalText(std::int64_t n, int places, std::string_view separator);
// Appends that text to `out`: a line of many numbers makes no string for each.
void AppendDecimalText(std::string& out, std::int64_t n, int places, std::string_view separator);

}  // namespace mathsheets
