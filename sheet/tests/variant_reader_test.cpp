#include "sheet/variant_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/io_error.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::sheet {
namespace {

std::filesystem::path WriteFile(const std::string& name, const std::string& utf8) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << Utf8ToCp1251(utf8);
  return path;
}

std::vector<std::vector<std::string>> Variants(VariantReader& reader) {
  std::vector<std::vector<std::string>> all;
  std::vector<std::string> lines;
  while (reader.Next(lines)) all.push_back(lines);
  return all;
}

// Every line end a file may hold, a pair CR LF across the reader's 64 KB buffer, and a last line
// without its end: the variants come back line for line.
TEST(VariantReader, GroupsLinesByHeaderWhateverTheLineEnds) {
  const std::string filler(
      65535 - 38, 'a');  // its CR LF: the last byte of the buffer and the first of the next
  const std::string text = "1.1.2026 9:00:00\r\nстрока до\nВариант 1\r" + filler +
                           "\r\n1+2=\r\n \r\nВариант № 2\n\nЗадание 1";
  const std::filesystem::path path = WriteFile("variant_reader_test.txt", text);
  VariantReader reader(path);
  EXPECT_EQ(reader.Stamp(), "1.1.2026 9:00:00");
  EXPECT_EQ(reader.Preamble(), std::vector<std::string>{"строка до"});
  const std::vector<std::vector<std::string>> expected = {{"Вариант 1", filler, "1+2=", " "},
                                                          {"Вариант № 2", "", "Задание 1"}};
  EXPECT_EQ(Variants(reader), expected);
  std::filesystem::remove(path);
}

TEST(VariantReader, HeadersAreNumbered) {
  EXPECT_TRUE(sheet::IsVariantHeader("Вариант 12"));
  EXPECT_TRUE(sheet::IsVariantHeader("Вариант № 3"));
  EXPECT_FALSE(sheet::IsVariantHeader("Вариант "));
  EXPECT_FALSE(sheet::IsVariantHeader("Вариант 1 (продолжение)"));
}

TEST(VariantReader, AMissingFileOrAFolderIsAnIoError) {
  EXPECT_THROW(VariantReader(std::filesystem::temp_directory_path() / "no_such_sheet.txt"),
               IoError);
  EXPECT_THROW(VariantReader(std::filesystem::temp_directory_path()), IoError);
}

// What no worksheet holds is refused as soon as the reader meets it, naming where; what is just
// within the limits is read.
TEST(VariantReader, RefusesWhatNoWorksheetHolds) {
  const std::string stamp = "1.1.2026 9:00:00\r\nВариант 1\r\n";
  const auto lines = [](std::size_t count, const std::string& line) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += line + "\r\n";
    return text;
  };
  const struct {
    const char* name;
    std::string text;
    const char* refusal;            // nullptr: read
    std::uintmax_t sparseSize = 0;  // the file made this large with nothing written
  } kCases[] = {
      {"nul", stamp + std::string("1+2=\0\r\n", 7), "line 3 holds the control byte 0x00"},
      {"escape", "\x1B[2J", "line 1 holds the control byte 0x1B"},
      {"tab", stamp + "1\t2\r\n", nullptr},
      {"longest_line", stamp + std::string(kMaxSheetLineSize, '7'), nullptr},
      {"long_line", stamp + std::string(kMaxSheetLineSize + 1, '7'),
       "line 3 is longer than 256 KB"},
      {"most_lines", stamp + lines(kMaxVariantLines, "1"), nullptr},
      {"many_lines", stamp + lines(kMaxVariantLines + 1, "1"),
       "the lines after line 2 up to the next variant are more than 20000 lines"},
      {"many_lines_first", "стамп\r\n" + lines(kMaxVariantLines + 1, "1"),
       "the lines after line 1 up to the next variant are more than 20000 lines"},
      {"large_variant", stamp + lines(kMaxVariantSize / 1000 + 1, std::string(1000, '1')),
       "the lines after line 2 up to the next variant are more than 1 MB"},
      // Refused before a byte of it is read.
      {"huge", "", "larger than 512 MB", kMaxSheetFileSize + 1},
  };
  for (const auto& c : kCases) {
    const std::filesystem::path path = WriteFile(std::string("limits_") + c.name, c.text);
    if (c.sparseSize > 0) std::filesystem::resize_file(path, c.sparseSize);
    try {
      VariantReader reader(path);
      std::vector<std::string> variant;
      while (reader.Next(variant)) {
      }
      EXPECT_EQ(c.refusal, nullptr) << c.name << " was read";
    } catch (const IoError& e) {
      EXPECT_EQ(e.what(), "Not a worksheet file (" + std::string(c.refusal ? c.refusal : "") + ")")
          << c.name;
    }
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace mathsheets::sheet
