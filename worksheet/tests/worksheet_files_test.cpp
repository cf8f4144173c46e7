#include "worksheet/worksheet_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "common/io_error.h"
#include "testing/worksheet_reading.h"

namespace mathsheets {
namespace {

using testing::FileBytes;
using testing::FreshWorkdir;

constexpr LocalDateTime kExampleRun = {2016, 12, 10, 17, 9, 42};

TEST(WorksheetNaming, DateAndTimeTextsAreFixed) {
  EXPECT_EQ(ShortDateText(kExampleRun), "10.12.2016");
  EXPECT_EQ(LongTimeText(kExampleRun), "17:09:42");
  EXPECT_EQ(LongTimeText({2016, 1, 2, 9, 5, 7}), "9:05:07");
  EXPECT_EQ(ShortDateText({2016, 1, 2, 9, 5, 7}), "02.01.2016");
}

TEST(WorksheetNaming, TimePartDropsTheSeconds) {
  EXPECT_EQ(FileNameTimePart("9:05:07"), "9_05");
  EXPECT_EQ(FileNameTimePart("17:09:42"), "17_09");
  EXPECT_EQ(FileNameTimePart("1:2"), "");
  EXPECT_EQ(FileNameTimePart(""), "");
  EXPECT_EQ(FileNameTimePart("1:23"), "1");
}

TEST(WorksheetNaming, DatePartReplacesSlashes) {
  EXPECT_EQ(FileNameDatePart("12/8/2016"), "12_8_2016");
  EXPECT_EQ(FileNameDatePart("10.12.2016"), "10.12.2016");
  EXPECT_EQ(FileNameDatePart("2016-12-10"), "2016-12-10");
}

TEST(OpenWorksheetFiles, NamesTheFilesByDateAndMinuteAndStampsThem) {
  const auto dir = FreshWorkdir("names");
  auto pair = OpenWorksheetFiles(dir, "gen\\ajobs_", "gen\\ajobt_", kExampleRun);
  pair->Close();
  EXPECT_EQ(pair->studentPath(), dir / "gen" / "ajobs_10.12.2016_17_09.txt");
  EXPECT_EQ(pair->teacherPath(), dir / "gen" / "ajobt_10.12.2016_17_09.txt");
  EXPECT_EQ(FileBytes(pair->studentPath()), "10.12.2016 17:09:42\r\n");
  EXPECT_EQ(FileBytes(pair->teacherPath()), "10.12.2016 17:09:42\r\n");
}

TEST(OpenWorksheetFiles, PairsOfTheSameMinuteAreNumberedAndNothingIsReplaced) {
  const auto dir = FreshWorkdir("numbered");
  const auto gen = dir / "gen";
  auto first = OpenWorksheetFiles(dir, "gen\\ajobs_", "gen\\ajobt_", kExampleRun);
  first->Files().StudentFile.WriteLine("first");
  first->Close();
  // A teacher name taken by another file, and a PDF left without its text file, take their
  // numbers too: the student and the teacher file always share one.
  std::ofstream(gen / "ajobt_10.12.2016_17_09_2.txt") << "kept";
  std::ofstream(gen / "ajobs_10.12.2016_17_09_3.pdf") << "kept";
  auto second = OpenWorksheetFiles(dir, "gen\\ajobs_", "gen\\ajobt_", kExampleRun);
  second->Close();
  EXPECT_EQ(second->studentPath(), gen / "ajobs_10.12.2016_17_09_4.txt");
  EXPECT_EQ(second->teacherPath(), gen / "ajobt_10.12.2016_17_09_4.txt");
  auto third = OpenWorksheetFiles(dir, "gen\\ajobs_", "gen\\ajobt_", kExampleRun);
  third->Close();
  EXPECT_EQ(third->studentPath(), gen / "ajobs_10.12.2016_17_09_5.txt");
  EXPECT_EQ(FileBytes(gen / "ajobs_10.12.2016_17_09.txt"), "10.12.2016 17:09:42\r\nfirst\r\n");
  EXPECT_EQ(FileBytes(gen / "ajobt_10.12.2016_17_09_2.txt"), "kept");
  EXPECT_FALSE(std::filesystem::exists(gen / "ajobs_10.12.2016_17_09_2.txt"));
  EXPECT_EQ(FileBytes(gen / "ajobs_10.12.2016_17_09_3.pdf"), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(gen), {}), 8);
}

TEST(OpenWorksheetFiles, MissingGenFolderCreatesNothing) {
  const auto dir = FreshWorkdir("nogen", false);
  try {
    OpenWorksheetFiles(dir, "gen\\ajobs_", "gen\\ajobt_", kExampleRun);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.BoxText(), "Invalid filename.");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

}  // namespace
}  // namespace mathsheets
