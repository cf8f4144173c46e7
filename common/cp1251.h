#pragma once

#include <string>
#include <string_view>

namespace mathsheets {

// Windows-1251 <-> UTF-8 by a fixed table in the program: converting needs no iconv, no locale
// and no file, and is a table look-up per character.

// Throws std::invalid_argument for a character that Windows-1251 cannot hold or for broken UTF-8:
// every text the program writes is its own, so such a character is a fault to find, not to hide.
std::string Utf8ToCp1251(std::string_view utf8);
// Encodes `utf8` at `out`, which must have room for utf8.size() bytes (no character gets longer),
// and returns the end of what was written: the worksheet files encode straight into their buffer.
char* EncodeCp1251(std::string_view utf8, char* out);

// Bytes without a character in the code page (only 0x98) become U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace mathsheets
