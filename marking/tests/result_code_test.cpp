// The result code read back as written, and every single mistyped character and every swap of
// neighbours refused, tried exhaustively on a few codes.
#include "marking/result_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "marking/code_letters.h"

namespace mathsheets::marking {
namespace {

std::vector<ResultCode> Codes() {
  std::vector<bool> forty;
  for (int i = 0; i < 40; ++i) forty.push_back(i % 3 != 1);
  return {
      {0xABCDE, 3, 123456, "5А", "ИВАНОВ ПЁТР", {true, false, true}},
      // The longest of 40 items: a class and a name of 24 letters together.
      {0xFFFFF, 1023, (1U << 24) - 1, "11Б", "КОНСТАНТИНОПОЛЬСКАЯ Е", forty},
      {0, 1, 0, "", "", {}},
      {77, 12, 999, "7B", "SMITH JOHN-PAUL O'NEIL", {false}},
  };
}

TEST(ResultCode, ReadsBackWhatItWrites) {
  for (const ResultCode& code : Codes()) {
    const std::string text = EncodeResultCode(code);
    const CodeReading reading = DecodeResultCode(text);
    ASSERT_TRUE(reading.code.has_value()) << text << ": " << reading.error;
    ResultCode kept = code;
    kept.className = CodeLettersOf(code.className, kMaxClassLetters);
    kept.name = CodeLettersOf(code.name, kMaxCodeLetters - reading.classLetters.size());
    EXPECT_EQ(*reading.code, kept) << text;
    if (code.variant == 12) {
      EXPECT_EQ(NameForTable(reading.nameLetters), "Smith John-Paul O'Neil");
    }
    // Case-blind, O read as 0, I and L as 1, the dashes optional.
    std::string loose;
    for (const char c : text) {
      if (c == '-') continue;
      loose += c == '0'   ? 'o'
               : c == '1' ? (loose.size() % 2 ? 'I' : 'l')
                          : static_cast<char>(std::tolower(c));
    }
    EXPECT_EQ(DecodeResultCode(loose).code, kept) << loose;
  }
  // Cut to 24 letters with the class, the class to 7; blanks made one, case not kept.
  const ResultCode longer{1, 2, 3, "  10  класс   Б ", " ivanova-petrova   <b>Мария</b>", {}};
  const CodeReading reading = DecodeResultCode(EncodeResultCode(longer));
  ASSERT_TRUE(reading.code.has_value());
  EXPECT_EQ(reading.code->className, "10 КЛАС");
  EXPECT_EQ(reading.nameLetters.size(), 17U);
  EXPECT_EQ(NameForTable(reading.nameLetters), "Ivanova-Petrova <");
  EXPECT_EQ(ClassForTable(reading.classLetters), "10 КЛАС");
  const CodeReading markup = DecodeResultCode(EncodeResultCode({1, 2, 3, "", "<b>Мария</b>", {}}));
  EXPECT_EQ(NameForTable(markup.nameLetters), "<В>мария<?в>");
  std::vector<std::uint8_t> ann;
  CodeLettersOf("-=Ann", 24, &ann);
  EXPECT_EQ(NameForTable(ann), "?Ann");
}

TEST(ResultCode, RefusesEveryMistypedCharacterAndSwappedNeighbours) {
  int tried = 0;
  for (const ResultCode& code : Codes()) {
    for (const bool grouped : {true, false}) {
      std::string text = EncodeResultCode(code);
      if (!grouped) std::erase(text, '-');
      ASSERT_TRUE(DecodeResultCode(text).code.has_value());
      for (std::size_t i = 0; i < text.size(); ++i) {
        // Every other character a keyboard gives in its place, a dash among them.
        for (int c = 0x21; c < 0x7F; ++c) {
          std::string changed = text;
          changed[i] = static_cast<char>(c);
          if (changed == text || (CrockfordValue(changed[i]) == CrockfordValue(text[i]) &&
                                  changed[i] != '-' && text[i] != '-'))
            continue;  // the same character, read case-blind, or O for 0
          EXPECT_FALSE(DecodeResultCode(changed).code.has_value()) << text << " -> " << changed;
          ++tried;
        }
        if (i + 1 < text.size() && text[i] != text[i + 1]) {
          std::string swapped = text;
          std::swap(swapped[i], swapped[i + 1]);
          EXPECT_FALSE(DecodeResultCode(swapped).code.has_value()) << text << " -> " << swapped;
          ++tried;
        }
      }
    }
  }
  EXPECT_GT(tried, 30000);
}

TEST(ResultCode, MinutesOfTheClock) {
  EXPECT_EQ(CodeMinuteOf(1735689600000.0), 0U);
  EXPECT_EQ(CodeMinuteOf(1735689600000.0 + 61000), 1U);
  EXPECT_EQ(CodeMinuteOf(0), 0U);
  EXPECT_EQ(CodeMinuteOf(1e20), (1U << 24) - 1);
  EXPECT_EQ(CodeMinuteText(60 * 24 * 31 + 75, 180), "01.02.2025 04:15");
}

}  // namespace
}  // namespace mathsheets::marking
