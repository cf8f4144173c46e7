#include "common/cp1251.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace mathsheets {

namespace {

// The code point of every byte 0x80..0xFF. The table is written out rather than asked of iconv at
// run time, so converting can never fail for want of a file descriptor or a locale.
constexpr char32_t kNoCharacter = 0xFFFD;
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x0402,       0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC,       0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452,       0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    kNoCharacter, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0,       0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401,       0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0,       0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451,       0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
    0x0410,       0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  //
    0x0418,       0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  //
    0x0420,       0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  //
    0x0428,       0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  //
    0x0430,       0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  //
    0x0438,       0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  //
    0x0440,       0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  //
    0x0448,       0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  //
};

// Every character of the upper half lies in U+00A0..U+04FF except the punctuation of U+2000 and
// up: the first range is a flat table indexed by code point, the rest a short sorted list.
constexpr char32_t kFlatFirst = 0x00A0;
constexpr char32_t kFlatLast = 0x04FF;

// 0 marks a code point the code page does not hold (byte 0 is never an encoding of one above 0x7F).
constexpr std::array<unsigned char, kFlatLast - kFlatFirst + 1> BuildFlatEncoding() {
  std::array<unsigned char, kFlatLast - kFlatFirst + 1> bytes{};
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    const char32_t cp = kUpperHalf[i];
    if (cp >= kFlatFirst && cp <= kFlatLast)
      bytes[cp - kFlatFirst] = static_cast<unsigned char>(0x80 + i);
  }
  return bytes;
}
constexpr auto kFlatEncoding = BuildFlatEncoding();

struct Punctuation {
  char32_t cp;
  unsigned char byte;
};

constexpr std::size_t CountPunctuation() {
  std::size_t count = 0;
  for (char32_t cp : kUpperHalf) count += cp > kFlatLast && cp != kNoCharacter ? 1 : 0;
  return count;
}

constexpr std::array<Punctuation, CountPunctuation()> BuildPunctuation() {
  std::array<Punctuation, CountPunctuation()> list{};
  std::size_t next = 0;
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    const char32_t cp = kUpperHalf[i];
    if (cp > kFlatLast && cp != kNoCharacter)
      list[next++] = {cp, static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(list.begin(), list.end(), [](Punctuation a, Punctuation b) { return a.cp < b.cp; });
  return list;
}
constexpr auto kPunctuation = BuildPunctuation();

char Encode(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  unsigned char byte = 0;
  if (cp >= kFlatFirst && cp <= kFlatLast) {
    byte = kFlatEncoding[cp - kFlatFirst];
  } else {
    const auto it = std::lower_bound(kPunctuation.begin(), kPunctuation.end(), cp,
                                     [](Punctuation p, char32_t value) { return p.cp < value; });
    if (it != kPunctuation.end() && it->cp == cp) byte = it->byte;
  }
  if (byte == 0) throw std::invalid_argument("character outside Windows-1251");
  return static_cast<char>(byte);
}

// The byte of every two-byte UTF-8 sequence the code page holds, indexed by the sequence read as
// a big-endian number less 0xC000 (leads C0..DF); 0 where the pair is no such sequence. Reading a
// letter is then one look-up, and the Cyrillic letters lie in two runs of 64 bytes.
constexpr std::size_t kPairFirst = 0xC000;
constexpr std::size_t kPairCount = 0x2000;
constexpr std::array<unsigned char, kPairCount> BuildPairs() {
  std::array<unsigned char, kPairCount> bytes{};
  for (char32_t cp = kFlatFirst; cp <= kFlatLast && cp < 0x800; ++cp) {
    const std::size_t pair = ((0xC0U | (cp >> 6)) << 8) | (0x80U | (cp & 0x3FU));
    bytes[pair - kPairFirst] = kFlatEncoding[cp - kFlatFirst];
  }
  return bytes;
}
constexpr auto kPairs = BuildPairs();

// The byte of the one character at `in`, which it passes; throws for broken UTF-8.
char EncodeSequence(const char*& in, const char* end) {
  const auto lead = static_cast<unsigned char>(*in);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || static_cast<std::size_t>(end - in) < length)
    throw std::invalid_argument("broken UTF-8");
  char32_t cp = lead & (0x7FU >> length);
  for (std::size_t j = 1; j < length; ++j) {
    const auto next = static_cast<unsigned char>(in[j]);
    if ((next & 0xC0) != 0x80) throw std::invalid_argument("broken UTF-8");
    cp = (cp << 6) | (next & 0x3FU);
  }
  in += length;
  return Encode(cp);
}

char32_t Decode(unsigned char byte) {
  return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char* EncodeCp1251(std::string_view utf8, char* out) {
  const char* in = utf8.data();
  const char* const end = in + utf8.size();
  // Numbers, signs and blanks come in runs that pass eight bytes at a time; a run of letters after
  // them goes a letter at a time until the next ASCII byte. Only the rare characters other than
  // ASCII and Cyrillic letters leave the loop.
  constexpr std::uint64_t kHighBits = 0x8080808080808080U;
  while (end - in >= 8) {
    std::uint64_t eight = 0;
    std::memcpy(&eight, in, sizeof eight);
    // Stored whole before it is known how much is ASCII: `out` trails `in`, so the eight bytes
    // lie within the room the caller gave.
    std::memcpy(out, &eight, sizeof eight);
    const std::uint64_t high = eight & kHighBits;
    if (high == 0) {
      in += 8;
      out += 8;
      continue;
    }
    const auto ascii = static_cast<std::size_t>(std::countr_zero(high) / 8);
    in += ascii;
    out += ascii;
    while (end - in >= 2 && static_cast<unsigned char>(*in) >= 0x80) {
      const std::size_t pair = (std::size_t{static_cast<unsigned char>(in[0])} << 8U) |
                               static_cast<unsigned char>(in[1]);
      const unsigned char byte = pair - kPairFirst < kPairCount ? kPairs[pair - kPairFirst] : 0;
      if (byte == 0) {
        *out++ = EncodeSequence(in, end);
        continue;
      }
      *out++ = static_cast<char>(byte);
      in += 2;
    }
  }
  while (in < end)
    *out++ = static_cast<unsigned char>(*in) < 0x80 ? *in++ : EncodeSequence(in, end);
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out(utf8.size(), '\0');
  out.resize(static_cast<std::size_t>(EncodeCp1251(utf8, out.data()) - out.data()));
  return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) AppendUtf8(out, Decode(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace mathsheets
