#include "common/line_encoding.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "common/cp1251.h"

namespace mathsheets {

namespace {

// The two-byte sequences D0 80 .. D1 BF are U+0400..U+047F, where every Cyrillic letter of the
// code page lies. Their bytes are asked of the converter once, so this table can never disagree
// with it; 0 marks a character the code page does not hold.
using CyrillicBytes = std::array<unsigned char, 128>;

CyrillicBytes AskConverter() {
  CyrillicBytes bytes{};
  for (unsigned i = 0; i < bytes.size(); ++i) {
    const char32_t cp = 0x0400 + i;
    const char sequence[2] = {static_cast<char>(0xC0 | (cp >> 6)),
                              static_cast<char>(0x80 | (cp & 0x3F))};
    try {
      bytes[i] = static_cast<unsigned char>(Utf8ToCp1251({sequence, 2}).front());
    } catch (const std::invalid_argument&) {
    }
  }
  return bytes;
}

const CyrillicBytes& Cyrillic() {
  static const CyrillicBytes bytes = AskConverter();
  return bytes;
}

std::size_t SequenceLength(unsigned char lead) {
  return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Copies the one character at `in` the slow way: punctuation such as the dash or the numero sign,
// and broken UTF-8, which throws there.
char* EncodeOther(const char*& in, const char* end, char* out) {
  const std::size_t length =
      std::min(SequenceLength(static_cast<unsigned char>(*in)), static_cast<std::size_t>(end - in));
  const std::string encoded = Utf8ToCp1251({in, length});
  in += length;
  return std::copy(encoded.begin(), encoded.end(), out);
}

}  // namespace

char* EncodeCp1251(std::string_view utf8, char* out) {
  const CyrillicBytes& cyrillic = Cyrillic();
  const char* in = utf8.data();
  const char* const end = in + utf8.size();
  // Words and blanks alternate every few characters, so ASCII and Cyrillic are told apart without
  // a branch; only the rare other characters leave the loop.
  while (end - in >= 2) {
    const auto first = static_cast<unsigned char>(in[0]);
    const auto second = static_cast<unsigned char>(in[1]);
    const bool ascii = first < 0x80;
    const bool letter = (first & 0xFEU) == 0xD0 && (second & 0xC0U) == 0x80;
    const unsigned char byte = cyrillic[((first & 1U) << 6) | (second & 0x3FU)];
    if (!ascii && (!letter || byte == 0)) {
      out = EncodeOther(in, end, out);
      continue;
    }
    *out++ = static_cast<char>(ascii ? first : byte);
    in += ascii ? 1 : 2;
  }
  while (in < end) {
    if (static_cast<unsigned char>(*in) < 0x80)
      *out++ = *in++;
    else
      out = EncodeOther(in, end, out);
  }
  return out;
}

}  // namespace mathsheets
