#pragma once

#include <string_view>

namespace mathsheets {

// Encodes `utf8` as Windows-1251 at `out`, which must have room for utf8.size() bytes (no
// character gets longer), and returns the end of what was written. Throws std::invalid_argument
// as Utf8ToCp1251 does. Written for the worksheet files: digits, signs and Cyrillic letters take
// a few instructions each, without a look-up in a map or an append to a string.
char* EncodeCp1251(std::string_view utf8, char* out);

}  // namespace mathsheets
