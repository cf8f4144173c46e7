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

}  // namespace
}  // namespace mathsheets::sheet
