#include "common/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace mathsheets {
namespace {

TEST(Cp1251, CyrillicLettersTakeOneByteEach) {
  EXPECT_EQ(Utf8ToCp1251("Вариант 1"), "\xC2\xE0\xF0\xE8\xE0\xED\xF2 1");
  EXPECT_EQ(Utf8ToCp1251("ЁёЇїІіЄє"), "\xA8\xB8\xAF\xBF\xB2\xB3\xAA\xBA");
  EXPECT_EQ(Utf8ToCp1251("№"), "\xB9");
}

TEST(Cp1251, AsciiPassesUnchanged) {
  EXPECT_EQ(Utf8ToCp1251("47+25=72 x:"), "47+25=72 x:");
}

TEST(Cp1251, DecodesBackToTheSameText) {
  const std::string text = "Задание 3: Завдання, «ёлка» — 5 км";
  EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(text)), text);
}

TEST(Cp1251, RefusesWhatTheCodePageCannotHold) {
  EXPECT_THROW(Utf8ToCp1251("日本"), std::invalid_argument);
  EXPECT_THROW(Utf8ToCp1251("²"), std::invalid_argument);
  EXPECT_THROW(Utf8ToCp1251("\xD0"), std::invalid_argument);
}

// The C library's iconv converts one character at a time; 0 when it has no character for it.
char32_t IconvCodePoint(iconv_t cd, unsigned char byte) {
  char in = static_cast<char>(byte);
  unsigned char out[4] = {};
  char* inPtr = &in;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  return static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
}

std::string Utf8Of(char32_t cp) {
  std::string text;
  if (cp < 0x80) {
    text += static_cast<char>(cp);
  } else if (cp < 0x800) {
    text += static_cast<char>(0xC0 | (cp >> 6));
    text += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (cp >> 12));
    text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return text;
}

TEST(Cp1251, EveryByteAgreesWithTheCLibrary) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1251");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (unsigned value = 0; value <= 0xFF; ++value) {
    const auto byte = static_cast<unsigned char>(value);
    const std::string bytes(1, static_cast<char>(byte));
    const char32_t cp = IconvCodePoint(cd, byte);
    SCOPED_TRACE(value);
    if (cp == 0 && value != 0) {
      EXPECT_EQ(Cp1251ToUtf8(bytes), "\uFFFD");
      continue;
    }
    EXPECT_EQ(Cp1251ToUtf8(bytes), Utf8Of(cp));
    EXPECT_EQ(Utf8ToCp1251(Utf8Of(cp)), bytes);
  }
  iconv_close(cd);
}

TEST(Cp1251, EncodesNothingOutsideTheCodePage) {
  // Of the code points above ASCII only the 127 that a byte decodes to may encode.
  int accepted = 0;
  for (char32_t cp = 0x80; cp < 0xD800; ++cp) {
    try {
      const std::string byte = Utf8ToCp1251(Utf8Of(cp));
      ASSERT_EQ(byte.size(), 1u);
      EXPECT_EQ(Cp1251ToUtf8(byte), Utf8Of(cp));
      ++accepted;
    } catch (const std::invalid_argument&) {
    }
  }
  EXPECT_EQ(accepted, 127);
}

std::string Encode(std::string_view utf8) {
  std::string out(utf8.size(), '\0');
  out.resize(static_cast<std::size_t>(EncodeCp1251(utf8, out.data()) - out.data()));
  return out;
}

// Every byte of the code page, alone and at every place of an eight-byte word among ASCII runs and
// Cyrillic words, where the encoder passes ASCII eight bytes at a time.
TEST(EncodeCp1251, AgreesWithTheConverterOnEveryCharacter) {
  const std::string word = Cp1251ToUtf8("\xF1\xEB\xEE\xE2\xEE");  // "слово"
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == 0x98) continue;  // no character
    const std::string one(1, static_cast<char>(byte));
    const std::string utf8 = Cp1251ToUtf8(one);
    EXPECT_EQ(Encode(utf8), one) << "byte " << byte;
    for (std::size_t ascii = 0; ascii < 9; ++ascii) {
      const std::string run = std::string(ascii, '7') + " ";
      EXPECT_EQ(Encode(run + utf8 + word + run + utf8 + "abcdefghij"),
                run + one + "\xF1\xEB\xEE\xE2\xEE" + run + one + "abcdefghij")
          << "byte " << byte << " after " << ascii;
    }
  }
}

TEST(EncodeCp1251, RefusesWhatTheCodePageCannotHold) {
  for (const std::string_view bad : {"\xD4\x80",  // U+0500, beyond the Cyrillic block
                                     "\xD1\xBF",  // U+047F, in it but not in the code page
                                     "\xD0",      // cut short at the end
                                     "\xD0"
                                     "A",                  // a lead byte without its continuation
                                     "\x80",               // a continuation without its lead
                                     "\xE2\x82\xBD",       // the rouble sign
                                     "\xF0\x9F\x98\x80"})  // an emoji
    for (std::size_t ascii = 0; ascii < 9; ++ascii) {
      EXPECT_THROW(Encode(std::string(ascii, 'a') + std::string(bad)), std::invalid_argument)
          << "accepted " << bad;
      EXPECT_THROW(Encode(std::string(ascii, 'a') + std::string(bad) + "12345678"),
                   std::invalid_argument)
          << "accepted " << bad;
    }
}

}  // namespace
}  // namespace mathsheets
