#include "shell/main_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "common/io_error.h"
#include "testing/unprivileged.h"
#include "testing/worksheet_reading.h"

namespace mathsheets {
namespace {

using testing::FileBytes;
using testing::FreshWorkdir;
using testing::WorksheetLines;

constexpr LocalDateTime kRunTime = {2016, 12, 10, 17, 9, 42};
const std::string kStamp = "10.12.2016 17:09:42";

struct MainRunTest : ::testing::Test {
  Pcg32 random{2016};
  MainModule module{random};
  MainSelection selection{module};
  std::filesystem::path dir = FreshWorkdir("run");

  RunResult Run() { return RunMainWorksheet(selection, dir, kRunTime); }
  void Count(int type, const char* text) {
    selection.CheckBoxClick(type);
    selection.CountBoxChange(type, text);
  }
};

TEST_F(MainRunTest, EmptyVariantsBoxWritesTheStampLineOnly) {
  Count(1, "3");
  const RunResult r = Run();
  EXPECT_EQ(WorksheetLines(r.studentPath), std::vector<std::string>{kStamp});
  EXPECT_EQ(WorksheetLines(r.teacherPath), std::vector<std::string>{kStamp});
}

TEST_F(MainRunTest, NoVariantsForZeroOrNegativeCounts) {
  Count(1, "3");
  for (const char* text : {"0", "-2", "abc"}) {
    selection.VariantsChange(text);
    const RunResult r = Run();
    EXPECT_EQ(WorksheetLines(r.studentPath).size(), 1U) << text;
    EXPECT_EQ(WorksheetLines(r.teacherPath).size(), 1U) << text;
  }
}

TEST_F(MainRunTest, EveryVariantHasItsHeaderAndFreshExercises) {
  Count(1, "3");
  selection.VariantsChange("2");
  const RunResult r = Run();
  const auto student = WorksheetLines(r.studentPath);
  const auto teacher = WorksheetLines(r.teacherPath);
  ASSERT_EQ(student.size(), 9U);
  ASSERT_EQ(teacher.size(), 9U);
  EXPECT_EQ(student[0], kStamp);
  EXPECT_EQ(student[1], "Вариант 1");
  EXPECT_EQ(student[5], "Вариант 2");
  EXPECT_EQ(teacher[1], "Вариант 1");
  EXPECT_EQ(teacher[5], "Вариант 2");
  const std::regex exercise(R"((\d+)\+(\d+)=)");
  for (int i : {2, 3, 4, 6, 7, 8}) {
    EXPECT_TRUE(std::regex_match(student[static_cast<std::size_t>(i)], exercise))
        << student[static_cast<std::size_t>(i)];
    EXPECT_EQ(teacher[static_cast<std::size_t>(i)].rfind(student[static_cast<std::size_t>(i)], 0),
              0U);
  }
}

TEST_F(MainRunTest, TypesComeInCatalogOrderWhateverTheOrderOfTicking) {
  Count(10, "1");
  Count(4, "2");
  Count(7, "1");
  selection.VariantsChange("1");
  const auto lines = WorksheetLines(Run().studentPath);
  ASSERT_EQ(lines.size(), 6U);
  EXPECT_NE(lines[2].find('-'), std::string::npos);
  EXPECT_NE(lines[3].find('-'), std::string::npos);
  EXPECT_NE(lines[4].find('x'), std::string::npos);
  EXPECT_NE(lines[5].find(':'), std::string::npos);
}

TEST_F(MainRunTest, AClearedCheckMarkKeepsAPositiveCountInTheRun) {
  Count(1, "3");
  selection.CheckBoxClick(1);  // clearing the mark is another click
  selection.VariantsChange("1");
  EXPECT_EQ(WorksheetLines(Run().studentPath).size(), 5U);
}

TEST_F(MainRunTest, HeadersOnlyWhenNoTypeHasAPositiveCount) {
  Count(2, "0");
  Count(3, "-1");
  selection.VariantsChange("3");
  const RunResult r = Run();
  const std::vector<std::string> expected = {kStamp, "Вариант 1", "Вариант 2", "Вариант 3"};
  EXPECT_EQ(WorksheetLines(r.studentPath), expected);
  EXPECT_EQ(WorksheetLines(r.teacherPath), expected);
}

TEST_F(MainRunTest, FilesAreWindows1251WithCrLf) {
  selection.VariantsChange("1");
  const RunResult r = Run();
  EXPECT_EQ(FileBytes(r.studentPath), "10.12.2016 17:09:42\r\n\xC2\xE0\xF0\xE8\xE0\xED\xF2 1\r\n");
  EXPECT_EQ(FileBytes(r.teacherPath), FileBytes(r.studentPath));
}

TEST_F(MainRunTest, ASecondRunInTheSameMinuteKeepsTheFirstAndNumbersItsPair) {
  Count(9, "1");
  selection.VariantsChange("1");
  const RunResult first = Run();
  const std::string firstTeacher = FileBytes(first.teacherPath);
  selection.VariantsChange("2");
  const RunResult second = Run();
  EXPECT_EQ(second.studentPath, dir / "gen" / "ajobs_10.12.2016_17_09_2.txt");
  EXPECT_EQ(second.teacherPath, dir / "gen" / "ajobt_10.12.2016_17_09_2.txt");
  EXPECT_EQ(FileBytes(first.teacherPath), firstTeacher);
  EXPECT_EQ(WorksheetLines(second.studentPath).size(), 5U);
  EXPECT_EQ(WorksheetLines(second.teacherPath).size(), 5U);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "gen"), {}), 4);
}

TEST_F(MainRunTest, SameSeedSameFiles) {
  Count(3, "4");
  Count(12, "2");
  selection.VariantsChange("3");
  random.Seed(77);
  const std::string first = FileBytes(Run().teacherPath);
  random.Seed(77);
  EXPECT_EQ(FileBytes(Run().teacherPath), first);
}

TEST_F(MainRunTest, MissingGenFolderIsAnInvalidFilenameAndCreatesNothing) {
  std::filesystem::remove_all(dir / "gen");
  selection.VariantsChange("1");
  try {
    Run();
    FAIL() << "a run without gen succeeded";
  } catch (const IoError& e) {
    EXPECT_EQ(e.BoxText(), "Invalid filename.");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(MainRunTest, AReadOnlyGenFolderIsAccessDeniedAndItsFilesStayAsTheyWere) {
  const auto teacher = dir / "gen" / "ajobt_10.12.2016_17_09.txt";
  std::ofstream(teacher) << "old answers";
  std::filesystem::permissions(dir, std::filesystem::perms::all);
  std::filesystem::permissions(dir / "gen", std::filesystem::perms::owner_read |
                                                std::filesystem::perms::owner_exec |
                                                std::filesystem::perms::others_read |
                                                std::filesystem::perms::others_exec);
  Count(1, "2");
  selection.VariantsChange("1");
  const int code = testing::RunUnprivileged([&] {
    try {
      Run();
      return 0;
    } catch (const IoError& e) {
      return e.BoxText() == "File access denied." ? e.code() : 1;
    }
  });
  std::filesystem::permissions(dir / "gen", std::filesystem::perms::all);
  EXPECT_EQ(code, 5);
  EXPECT_EQ(FileBytes(teacher), "old answers");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "gen"), {}), 1);
}

TEST_F(MainRunTest, AStoppedRunLeavesTheSameWholeVariantsInBothFiles) {
  // A typo in the variants box asks for 2147483647 variants; the hook stops the run after three.
  Count(1, "2");
  Count(12, "1");
  selection.VariantsChange("99999999999");
  std::vector<std::int64_t> seen;
  const RunResult r = RunMainWorksheet(selection, dir, kRunTime, [&](const RunProgress& p) {
    EXPECT_EQ(p.total, 2147483647);
    seen.push_back(p.written);
    return p.written < 3;
  });
  EXPECT_EQ(r.end, RunEnd::Cancelled);
  EXPECT_EQ(r.variantsWritten, 3);
  EXPECT_EQ(r.variantsAsked, 2147483647);
  EXPECT_EQ(seen, (std::vector<std::int64_t>{0, 1, 2, 3}));
  // Both files closed and whole: the stamp, then three variants of a header and three exercises.
  const auto student = WorksheetLines(r.studentPath);
  const auto teacher = WorksheetLines(r.teacherPath);
  ASSERT_EQ(student.size(), 13U);
  ASSERT_EQ(teacher.size(), 13U);
  for (std::size_t v = 0; v < 3; ++v) {
    const std::string header = "Вариант " + std::to_string(v + 1);
    EXPECT_EQ(student[1 + 4 * v], header);
    EXPECT_EQ(teacher[1 + 4 * v], header);
  }
  EXPECT_TRUE(std::regex_match(teacher.back(), std::regex(R"(\d+:\d+=\d+)"))) << teacher.back();
}

TEST_F(MainRunTest, AStopInsideAVariantTakesItsLinesBack) {
  // A typo in a count box asks for 2147483647 exercises in one variant; the hook is asked inside
  // it and stops the run once the files have grown past their buffers.
  Count(1, "99999999999");
  selection.VariantsChange("2");
  int asks = 0;
  const RunResult r = RunMainWorksheet(selection, dir, kRunTime, [&](const RunProgress& p) {
    EXPECT_EQ(p.written, 0);
    return ++asks < 40;
  });
  EXPECT_EQ(r.end, RunEnd::Cancelled);
  EXPECT_EQ(r.variantsWritten, 0);
  EXPECT_EQ(asks, 40);
  // Nothing of the variant given up stays: both files hold their stamp line alone.
  EXPECT_EQ(FileBytes(r.studentPath), kStamp + "\r\n");
  EXPECT_EQ(FileBytes(r.teacherPath), kStamp + "\r\n");
}

TEST_F(MainRunTest, AFolderNamedLikeTheWorksheetIsAccessDenied) {
  std::filesystem::create_directory(dir / "gen" / "ajobs_10.12.2016_17_09.txt");
  selection.VariantsChange("1");
  try {
    Run();
    FAIL() << "a run over a folder succeeded";
  } catch (const IoError& e) {
    EXPECT_EQ(e.BoxText(), "File access denied.");
  }
}

}  // namespace
}  // namespace mathsheets
