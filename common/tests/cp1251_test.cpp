#include "common/cp1251.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

}  // namespace
}  // namespace mathsheets
