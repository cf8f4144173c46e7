#pragma once

#include <cstdint>
#include <string_view>

namespace mathsheets {

// The number a count box or variants box holds: leading blanks skipped, one optional sign, decimal
// digits or hexadecimal ones after "$", "x", "X", "0x" or "0X". A text read to its end gives the
// signed value; a text that stops early gives the digits read so far without their sign (0 for
// none), so "3a" is 3 and "-4a" is 4. Values past the 32-bit range stop at its ends.
std::int32_t ReadCount(std::string_view text);

}  // namespace mathsheets
