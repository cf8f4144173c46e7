#include "common/line_encoding.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "common/cp1251.h"

namespace mathsheets {
namespace {

std::string Encode(std::string_view utf8) {
  std::string out(utf8.size(), '\0');
  out.resize(static_cast<std::size_t>(EncodeCp1251(utf8, out.data()) - out.data()));
  return out;
}

// Every byte of the code page, alone and inside runs of ASCII long enough for the word-wise copy.
TEST(EncodeCp1251, AgreesWithTheConverterOnEveryCharacter) {
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == 0x98) continue;  // no character
    const std::string one(1, static_cast<char>(byte));
    const std::string utf8 = Cp1251ToUtf8(one);
    EXPECT_EQ(Encode(utf8), one) << "byte " << byte;
    EXPECT_EQ(Encode("0123456789" + utf8 + "abcdefghij" + utf8),
              Utf8ToCp1251("0123456789" + utf8 + "abcdefghij" + utf8));
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
    EXPECT_THROW(Encode(std::string("abc") + std::string(bad)), std::invalid_argument)
        << "accepted " << bad;
}

}  // namespace
}  // namespace mathsheets
