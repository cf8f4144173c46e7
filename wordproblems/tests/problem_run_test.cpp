#include "wordproblems/problem_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "common/io_error.h"
#include "common/random.h"
#include "testing/scripted_random.h"
#include "testing/worksheet_reading.h"
#include "wordproblems/animation.h"
#include "wordproblems/problem_catalog.h"

namespace mathsheets {
namespace {

using testing::FileBytes;
using testing::FreshWorkdir;
using testing::ScriptedRandom;
using testing::WorksheetLines;
using Lines = std::vector<std::string>;

constexpr LocalDateTime kExampleRun = {2016, 12, 10, 17, 9, 42};
constexpr int kZ1 = 1, kZ2 = 2, kZ16 = 16, kB1 = 99, kB86 = 184;

TEST(ProblemCatalog, HoldsTheThreeFamiliesInIndexOrder) {
  const auto catalog = WordProblemCatalog();
  ASSERT_EQ(catalog.size(), 230u);
  for (int i = 1; i <= 230; ++i) EXPECT_EQ(catalog[static_cast<std::size_t>(i - 1)].Index, i);
  EXPECT_EQ(catalog[0].Caption, "Z1");
  EXPECT_EQ(catalog[59].Caption, "Z60");
  EXPECT_EQ(catalog[60].Caption, "S1");
  EXPECT_EQ(catalog[97].Caption, "S38");
  EXPECT_EQ(catalog[98].Caption, "B1");
  EXPECT_EQ(catalog[183].Caption, "B86");
  EXPECT_EQ(catalog[229].Caption, "B132");
  // Every problem of the window can be generated, so no check box or button stays grey.
  for (const TWordProblem& problem : catalog)
    EXPECT_NE(problem.Generator, nullptr) << problem.Caption;
  EXPECT_EQ(WordProblemIndexByCaption("B132"), 230);
  EXPECT_EQ(WordProblemIndexByCaption("S7"), 67);
  EXPECT_EQ(WordProblemIndexByCaption("z1"), std::nullopt);
  EXPECT_EQ(WordProblemIndexByCaption("B133"), std::nullopt);
}

TEST(ProblemCatalog, AnIndexOutOfRangeIsAnErrorNotARead) {
  Pcg32 random(1);
  ProblemModule m(random);
  for (const int index : {0, -1, 231}) {
    EXPECT_THROW(WordProblemByIndex(index), std::out_of_range) << index;
    EXPECT_THROW(ToggleSelected(m, index), std::out_of_range) << index;
    EXPECT_THROW(PreviewProblem(m, index), std::out_of_range) << index;
  }
  MemoryWorksheet sheet;
  EXPECT_THROW(WriteProblemVariants(m, 1, sheet.files, WordProblemCatalog().first(229)),
               std::invalid_argument);
}

TEST(ToggleSelected, FlipsTheFlagWithoutReadingTheBox) {
  ScriptedRandom random({});
  ProblemModule m(random);
  ToggleSelected(m, 5);
  EXPECT_EQ(m.Selected[4], 1);
  ToggleSelected(m, 5);
  EXPECT_EQ(m.Selected[4], 0);
  m.Selected[6] = 7;  // anything but 0 counts as ticked and clears
  ToggleSelected(m, 7);
  EXPECT_EQ(m.Selected[6], 0);
}

TEST(WriteProblemVariants, NoSelectionGivesHeadersAndBlankLines) {
  Pcg32 random(1);
  ProblemModule m(random);
  MemoryWorksheet sheet;
  WriteProblemVariants(m, 2, sheet.files);
  const Lines expected = {"Вариант № 1", " ", "Вариант № 2", " "};
  EXPECT_EQ(sheet.student.lines, expected);
  EXPECT_EQ(sheet.teacher.lines, expected);
}

TEST(WriteProblemVariants, HigherIndexComesFirstAndTasksCountWithinAVariant) {
  // Z16 draws one side, Z2 its seven numbers; Z16 is written first in both variants.
  ScriptedRandom random({{80, 5},
                         {69, 0},
                         {69, 0},
                         {69, 0},
                         {30, 0},
                         {15, 0},
                         {10, 0},
                         {100, 0},
                         {80, 6},
                         {69, 0},
                         {69, 0},
                         {69, 0},
                         {30, 0},
                         {15, 0},
                         {10, 0},
                         {100, 99}});
  ProblemModule m(random);
  ToggleSelected(m, kZ2);
  ToggleSelected(m, kZ16);
  MemoryWorksheet sheet;
  WriteProblemVariants(m, 2, sheet.files);
  random.ExpectAllDrawn();
  const Lines& s = sheet.student.lines;
  const Lines& t = sheet.teacher.lines;
  ASSERT_EQ(s.size(), 2u * (1 + 1 + 1 + 1 + 3 + 1));
  ASSERT_EQ(t.size(), s.size() + 4);
  EXPECT_EQ(s[0], "Вариант № 1");
  EXPECT_EQ(s[1], "Задание 1");
  EXPECT_EQ(s[2], "Вычислите периметр квадрата со стороной 25 см.");
  EXPECT_EQ(s[3], "Задание 2");
  EXPECT_EQ(s[4].rfind("Крутивус, Кай и Чип собирали орешки.", 0), 0u) << s[4];
  EXPECT_EQ(s[7], " ");
  EXPECT_EQ(s[8], "Вариант № 2");
  EXPECT_EQ(s[9], "Задание 1");
  EXPECT_EQ(s[10], "Вычислите периметр квадрата со стороной 26 см.");
  EXPECT_EQ(s[11], "Задание 2");
  EXPECT_EQ(s[15], " ");

  // 3n + 2d + e with n = 60, d = 20, e = 10; then 3n - 2d - e once the words are swapped.
  const Lines teacherVariant1 = {"Вариант № 1", "Задание 1", s[2], "100", "Задание 2",
                                 s[4],          s[5],        s[6], "230", " "};
  EXPECT_EQ(Lines(t.begin(), t.begin() + 10), teacherVariant1);
  EXPECT_EQ(t[13], "104");
  EXPECT_EQ(t[18], "130");
}

TEST(WriteProblemVariants, B1IsWrittenBeforeZ1) {
  ScriptedRandom random(
      {{7, 0}, {7, 6}, {49, 19}, {49, 0}, {7, 0}, {99, 0}, {99, 98}, {30, 1}, {15, 2}, {100, 50}});
  ProblemModule m(random);
  ToggleSelected(m, kZ1);
  ToggleSelected(m, kB1);
  MemoryWorksheet sheet;
  WriteProblemVariants(m, 1, sheet.files);
  random.ExpectAllDrawn();
  const std::string b1 = "У Танечки 21 яблоко, а y Артема 2. Cколько яблок у детей? ";
  const std::string z1a = "Светланка и Петя решали задачи, Петя решил 41 задачy, а Светланка на";
  const std::string z1b = "22 задачи меньше. Сколько задач решили Петя и Светланка вместе?";
  EXPECT_EQ(sheet.student.lines,
            (Lines{"Вариант № 1", "Задание 1", b1, "Задание 2", z1a, z1b, " "}));
  EXPECT_EQ(sheet.teacher.lines,
            (Lines{"Вариант № 1", "Задание 1", b1, "23", "Задание 2", z1a, z1b, "60", " "}));
}

TEST(WriteProblemVariants, ABoxTickedTwiceLeavesTheProblemOut) {
  Pcg32 random(3);
  ProblemModule m(random);
  ToggleSelected(m, kZ1);
  ToggleSelected(m, kZ1);
  MemoryWorksheet sheet;
  WriteProblemVariants(m, 1, sheet.files);
  EXPECT_EQ(sheet.teacher.lines, (Lines{"Вариант № 1", " "}));
}

TEST(WriteProblemVariants, ProblemsWithoutAGeneratorArePassedBy) {
  std::vector<TWordProblem> catalog(WordProblemCatalog().begin(), WordProblemCatalog().end());
  catalog[kZ2 - 1].Generator = nullptr;
  Pcg32 random(3);
  ProblemModule m(random);
  m.Selected.fill(1);
  MemoryWorksheet sheet;
  WriteProblemVariants(m, 1, sheet.files, catalog);
  // Task numbers run on without gaps over the problems that can be generated.
  int tasks = 0;
  for (const std::string& line : sheet.student.lines)
    if (line.rfind("Задание ", 0) == 0 || line.rfind("Завдання ", 0) == 0) {
      EXPECT_EQ(line.substr(line.find(' ') + 1), std::to_string(++tasks));
    }
  EXPECT_EQ(tasks, kWordProblemCount - 1);
}

// A catalog whose B86 writes one line, so the task lines can be seen whatever the B family has.
void OneLine(ProblemModule& m) {
  m.instance = SameLines({"line"}, "answer");
}

TEST(WriteProblemVariants, B86GreetsTheStudentInUkrainian) {
  std::vector<TWordProblem> catalog(WordProblemCatalog().begin(), WordProblemCatalog().end());
  catalog[kB86 - 1].Generator = &OneLine;
  catalog[kB86 - 2].Generator = &OneLine;
  Pcg32 random(1);
  ProblemModule m(random);
  ToggleSelected(m, kB86);
  ToggleSelected(m, kB86 - 1);
  MemoryWorksheet sheet;
  WriteProblemVariants(m, 1, sheet.files, catalog);
  EXPECT_EQ(sheet.student.lines,
            (Lines{"Вариант № 1", "Завдання 1", "line", "Задание 2", "line", " "}));
  EXPECT_EQ(sheet.teacher.lines, (Lines{"Вариант № 1", "Задание 1", "line", "answer", "Задание 2",
                                        "line", "answer", " "}));
}

// A run renders the template problems in Windows-1251 from templates encoded once; a file or a
// window must read the very lines a preview shows, for every problem and many draws.
TEST(WriteProblemVariants, ARunWritesTheLinesAPreviewShows) {
  for (const TWordProblem& problem : WordProblemCatalog()) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
      Pcg32 previewRandom(seed), runRandom(seed);
      ProblemModule preview(previewRandom), run(runRandom);
      const Lines shown = PreviewProblem(preview, problem.Index);
      ToggleSelected(run, problem.Index);
      MemoryWorksheet sheet;
      WriteProblemVariants(run, 1, sheet.files);
      const Lines written(sheet.student.lines.begin() + 2, sheet.student.lines.end() - 1);
      if (preview.instance.previewLines.empty()) {
        ASSERT_EQ(written, shown) << problem.Caption << " seed " << seed;
      } else {
        ASSERT_EQ(written, preview.instance.fileLines) << problem.Caption << " seed " << seed;
      }
      ASSERT_FALSE(run.encodeFileLines);
    }
  }
}

TEST(TaskLines, OnlyB86IsUkrainian) {
  EXPECT_EQ(StudentTaskLine(kB86, 1).view(), "Завдання 1");
  EXPECT_EQ(StudentTaskLine(kB86 - 1, 3).view(), "Задание 3");
  EXPECT_EQ(StudentTaskLine(kZ1, 12).view(), "Задание 12");
  EXPECT_EQ(TeacherTaskLine(1).view(), "Задание 1");
  EXPECT_EQ(TeacherTaskLine(2147483647).view(), "Задание 2147483647");
}

TEST(GenerateProblem, StartsEveryInstanceEmpty) {
  Pcg32 random(11);
  ProblemModule m(random);
  GenerateProblem(m, 3);  // four lines
  ASSERT_EQ(m.instance.Preview().size(), 4u);
  EXPECT_EQ(PreviewProblem(m, kZ16).size(), 1u);
  EXPECT_EQ(m.instance.fileLines.size(), 1u);
}

class ProblemRunFiles : public ::testing::Test {
 protected:
  std::filesystem::path StudentPath() const { return dir / "gen" / "zjobs_10.12.2016_17_09.txt"; }
  std::filesystem::path TeacherPath() const { return dir / "gen" / "zjobt_10.12.2016_17_09.txt"; }
  std::filesystem::path dir = FreshWorkdir("problem_run");
};

TEST_F(ProblemRunFiles, SmallRunWritesWindows1251WithCrLf) {
  ScriptedRandom random({{80, 5}});
  ProblemModule m(random);
  ToggleSelected(m, kZ16);
  const ProblemRunResult result = RunProblemWorksheet(m, "1", dir, kExampleRun);
  random.ExpectAllDrawn();
  EXPECT_EQ(result.studentPath, StudentPath());
  EXPECT_EQ(result.teacherPath, TeacherPath());
  // "Вариант № 1", "Задание 1", "Вычислите периметр квадрата со стороной 25 см." in Windows-1251.
  const std::string header = "\xC2\xE0\xF0\xE8\xE0\xED\xF2 \xB9 1\r\n";
  const std::string task = "\xC7\xE0\xE4\xE0\xED\xE8\xE5 1\r\n";
  const std::string problem =
      "\xC2\xFB\xF7\xE8\xF1\xEB\xE8\xF2\xE5 \xEF\xE5\xF0\xE8\xEC\xE5\xF2\xF0 "
      "\xEA\xE2\xE0\xE4\xF0\xE0\xF2\xE0 \xF1\xEE \xF1\xF2\xEE\xF0\xEE\xED\xEE\xE9 25 "
      "\xF1\xEC.\r\n";
  const std::string stamp = "10.12.2016 17:09:42\r\n";
  EXPECT_EQ(FileBytes(StudentPath()), stamp + header + task + problem + " \r\n");
  EXPECT_EQ(FileBytes(TeacherPath()), stamp + header + task + problem + "100\r\n \r\n");
  EXPECT_EQ(m.AnimationStep, kFirstAnimationStep);
}

TEST_F(ProblemRunFiles, VariantsAreReadOnceFromTheBoxText) {
  Pcg32 random(5);
  ProblemModule m(random);
  RunProblemWorksheet(m, "3a", dir, kExampleRun);
  EXPECT_EQ(WorksheetLines(StudentPath()), (Lines{"10.12.2016 17:09:42", "Вариант № 1", " ",
                                                  "Вариант № 2", " ", "Вариант № 3", " "}));
  for (const char* box : {"", "0", "-2", "abc"}) {
    const auto teacher = RunProblemWorksheet(m, box, dir, kExampleRun).teacherPath;
    EXPECT_EQ(WorksheetLines(teacher), Lines{"10.12.2016 17:09:42"}) << box;
  }
}

TEST_F(ProblemRunFiles, SecondRunInTheSameMinuteKeepsTheFirstAndRestartsTheAnimation) {
  Pcg32 random(5);
  ProblemModule m(random);
  ToggleSelected(m, kZ16);
  RunProblemWorksheet(m, "2", dir, kExampleRun);
  AnimationTick(m);
  AnimationTick(m);
  const ProblemRunResult second = RunProblemWorksheet(m, "1", dir, kExampleRun);
  EXPECT_EQ(second.studentPath, dir / "gen" / "zjobs_10.12.2016_17_09_2.txt");
  EXPECT_EQ(second.teacherPath, dir / "gen" / "zjobt_10.12.2016_17_09_2.txt");
  EXPECT_EQ(WorksheetLines(StudentPath()).size(), 9u);
  EXPECT_EQ(WorksheetLines(second.studentPath).size(), 5u);
  EXPECT_EQ(m.AnimationStep, kFirstAnimationStep);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "gen"), {}), 4);
}

TEST_F(ProblemRunFiles, AStoppedRunKeepsWholeVariantsAndStartsNoAnimation) {
  Pcg32 random(3);
  ProblemModule m(random);
  ToggleSelected(m, kZ1);
  ToggleSelected(m, kB1);
  m.AnimationStep = 20;
  const ProblemRunResult r = RunProblemWorksheet(
      m, "99999999999", dir, kExampleRun, [](const RunProgress& p) { return p.written < 2; });
  EXPECT_EQ(r.end, RunEnd::Cancelled);
  EXPECT_EQ(r.variantsWritten, 2);
  EXPECT_EQ(r.variantsAsked, 2147483647);
  EXPECT_EQ(m.AnimationStep, 20);
  // Each file ends with the line of one blank that closes variant 2, and holds no variant 3.
  const Lines student = WorksheetLines(StudentPath());
  const Lines teacher = WorksheetLines(TeacherPath());
  for (const Lines& file : {student, teacher}) {
    EXPECT_EQ(std::count(file.begin(), file.end(), "Вариант № 2"), 1);
    EXPECT_EQ(std::count(file.begin(), file.end(), "Вариант № 3"), 0);
    EXPECT_EQ(std::count(file.begin(), file.end(), " "), 2);
    EXPECT_EQ(file.back(), " ");
  }
  // The teacher file has one answer line more per block: two blocks in each of two variants.
  EXPECT_EQ(teacher.size(), student.size() + 4);
}

TEST(ProblemRunFailure, NoGenFolderIsAnInvalidFilenameAndNoAnimation) {
  const auto dir = FreshWorkdir("problem_run_nogen", false);
  Pcg32 random(5);
  ProblemModule m(random);
  ToggleSelected(m, kZ16);
  try {
    RunProblemWorksheet(m, "1", dir, kExampleRun);
    FAIL() << "the run went through without a gen folder";
  } catch (const IoError& e) {
    EXPECT_EQ(e.BoxText(), "Invalid filename.");
  }
  EXPECT_EQ(m.AnimationStep, 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST(ProblemRunFailure, StudentFileIsKeptWhenTheTeacherFileFails) {
  const auto dir = FreshWorkdir("problem_run_teacher");
  // A folder in the way of the teacher file.
  std::filesystem::create_directory(dir / "gen" / "zjobt_10.12.2016_17_09.txt");
  Pcg32 random(5);
  ProblemModule m(random);
  m.AnimationStep = 20;
  EXPECT_THROW(RunProblemWorksheet(m, "1", dir, kExampleRun), IoError);
  EXPECT_EQ(m.AnimationStep, 20);
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "gen" / "zjobs_10.12.2016_17_09.txt"));
}

TEST(Animation, PlaysNineFramesThenStays) {
  ScriptedRandom random({});
  ProblemModule m(random);
  EXPECT_EQ(AnimationTick(m), std::nullopt);
  EXPECT_EQ(m.AnimationStep, 0);  // idle before the first run
  StartAnimation(m);
  std::vector<std::string_view> frames;
  for (int i = 0; i < 12; ++i)
    if (const auto frame = AnimationTick(m)) frames.push_back(*frame);
  EXPECT_EQ(frames,
            (std::vector<std::string_view>{"15.bmp", "15a.bmp", "15b.bmp", "15a.bmp", "15b.bmp",
                                           "15a.bmp", "15b.bmp", "15.bmp", "fon15.bmp"}));
  EXPECT_EQ(m.AnimationStep, kAnimationDone);
  m.AnimationStep = 4;
  EXPECT_EQ(AnimationTick(m), std::nullopt);
  EXPECT_EQ(m.AnimationStep, 4);
}

TEST(NounForms, BoundSelectorsKeepTheirClassWhereTheRuleGivesNone) {
  constexpr std::array<std::string_view, 4> forms = {"орешек", "орешка", "орешков", "орешки"};
  std::int32_t cls = 0;
  EXPECT_EQ(NounForm(forms, cls), "орешков");  // nothing selected yet
  EXPECT_EQ(NounForm(forms, SelectNounClass(NounRule::Standard, 22, cls)), "орешка");
  EXPECT_EQ(NounForm(forms, SelectNounClass(NounRule::Standard, 0, cls)), "орешка");
  EXPECT_EQ(NounForm(forms, SelectNounClass(NounRule::One4, 21, cls)), "орешки");
  // The count is the caller's: the cutting selectors work on a copy.
  const std::int32_t count = 121;
  EXPECT_EQ(SelectNounClass(NounRule::Trim, count, cls), 1);
  EXPECT_EQ(SelectNounClass(NounRule::Tail, 100, cls), 3);
  EXPECT_EQ(SelectNounClass(NounRule::TailKeep, 142, cls), 2);
  EXPECT_EQ(NounFor(41, {"задачy", "задачи", "задач"}), "задачy");
  EXPECT_EQ(NounFor(13, {"задачy", "задачи", "задач"}), "задач");
}

}  // namespace
}  // namespace mathsheets
