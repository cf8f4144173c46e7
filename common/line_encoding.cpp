#include "common/line_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

}  // namespace

char* EncodeCp1251(std::string_view utf8, char* out) {
  const CyrillicBytes& cyrillic = Cyrillic();
  const char* in = utf8.data();
  const char* const end = in + utf8.size();
  while (in < end) {
    // Digits and signs come in runs: eight at a time while no byte has its top bit set.
    while (end - in >= 8) {
      std::uint64_t word;
      std::memcpy(&word, in, sizeof word);
      if (word & 0x8080808080808080ULL) break;
      std::memcpy(out, in, sizeof word);
      in += 8;
      out += 8;
    }
    if (in == end) break;
    const auto lead = static_cast<unsigned char>(*in);
    if (lead < 0x80) {
      *out++ = *in++;
      continue;
    }
    if ((lead == 0xD0 || lead == 0xD1) && end - in >= 2) {
      const auto next = static_cast<unsigned char>(in[1]);
      const unsigned char byte = cyrillic[((lead & 1U) << 6) | (next & 0x3FU)];
      if ((next & 0xC0) == 0x80 && byte != 0) {
        *out++ = static_cast<char>(byte);
        in += 2;
        continue;
      }
    }
    // Punctuation such as the dash or the numero sign, and broken UTF-8, which throws there.
    const std::size_t length = std::min(SequenceLength(lead), static_cast<std::size_t>(end - in));
    const std::string encoded = Utf8ToCp1251({in, length});
    std::memcpy(out, encoded.data(), encoded.size());
    out += encoded.size();
    in += length;
  }
  return out;
}

}  // namespace mathsheets
