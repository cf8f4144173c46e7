#include "shell/sample_preview.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/io_error.h"
#include "testing/scripted_random.h"
#include "testing/worksheet_reading.h"

namespace mathsheets {
namespace {

struct SamplePreviewTest : ::testing::Test {
  std::filesystem::path dir = testing::FreshWorkdir("samples");
  void SetUp() override { std::filesystem::create_directories(dir / "gen5"); }
  void Write(char side, const std::string& bytes, int sample = 7) {
    std::ofstream(dir / "gen5" / ("nb" + std::to_string(sample) + side + ".txt"),
                  std::ios::binary)
        << bytes;
  }
  SampleBoxes Read(int sample = 7) { return ReadSamples(dir, sample); }
};

using Three = std::array<std::string, 3>;

TEST_F(SamplePreviewTest, NamesTheFilesBySampleNumber) {
  EXPECT_EQ(StudentSamplePath(dir, 46), dir / "gen5" / "nb46s.txt");
  EXPECT_EQ(TeacherSamplePath(dir, 114), dir / "gen5" / "nb114t.txt");
}

TEST_F(SamplePreviewTest, EmptyFilesEmptyEveryBox) {
  Write('s', "");
  Write('t', "");
  const SampleBoxes boxes = Read();
  EXPECT_EQ(boxes.student, (Three{}));
  EXPECT_EQ(boxes.teacher, (Three{}));
}

TEST_F(SamplePreviewTest, TwoLinesFillTwoBoxesOfEachSide) {
  Write('s', "1+2=\r\n3+4=\r\n");
  Write('t', "1+2=3\r\n3+4=7\r\n");
  const SampleBoxes boxes = Read();
  EXPECT_EQ(boxes.student, (Three{"1+2=", "3+4=", ""}));
  EXPECT_EQ(boxes.teacher, (Three{"1+2=3", "3+4=7", ""}));
}

TEST_F(SamplePreviewTest, OnlyTheFirstThreeLinesAreShown) {
  Write('s', "a\r\nb\r\nc\r\nd\r\ne\r\n");
  Write('t', "A\r\nB\r\nC\r\nD\r\nE\r\n");
  const SampleBoxes boxes = Read();
  EXPECT_EQ(boxes.student, (Three{"a", "b", "c"}));
  EXPECT_EQ(boxes.teacher, (Three{"A", "B", "C"}));
}

TEST_F(SamplePreviewTest, TheTeacherSideShowsOneLineMoreThanTheStudentFile) {
  Write('s', "x\r\n");
  Write('t', "X\r\nY\r\nZ\r\n");
  const SampleBoxes boxes = Read();
  EXPECT_EQ(boxes.student, (Three{"x", "", ""}));
  EXPECT_EQ(boxes.teacher, (Three{"X", "Y", ""}));
}

TEST_F(SamplePreviewTest, AShortTeacherFileGivesEmptyTeacherLines) {
  Write('s', "x\r\ny\r\n");
  Write('t', "X\r\n");
  EXPECT_EQ(Read().teacher, (Three{"X", "", ""}));
}

TEST_F(SamplePreviewTest, LinesAreCutAtEightyCharactersAndDecodedFromWindows1251) {
  Write('s', std::string(100, '7') + "\r\n\xC2\xE0\xF0\xE8\xE0\xED\xF2\n");
  Write('t', "\r\n");
  const SampleBoxes boxes = Read();
  EXPECT_EQ(boxes.student[0], std::string(80, '7'));
  EXPECT_EQ(boxes.student[1], "Вариант");
}

TEST_F(SamplePreviewTest, MissingFilesAreNotFound) {
  try {
    Read(99);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.BoxText(), "File not found.");
  }
  Write('s', "x\r\n", 98);
  EXPECT_THROW(Read(98), IoError);
}

TEST(WebLabelScheme, DrawsOneToFour) {
  testing::ScriptedRandom random{{39, 0}, {39, 29}, {39, 30}, {39, 38}};
  EXPECT_EQ(DrawWebLabelScheme(random), WebLabelScheme::AquaOnWhite);
  EXPECT_EQ(DrawWebLabelScheme(random), WebLabelScheme::LimeOnYellow);
  EXPECT_EQ(DrawWebLabelScheme(random), WebLabelScheme::BlueOnYellow);
  EXPECT_EQ(DrawWebLabelScheme(random), WebLabelScheme::BlueOnYellow);
  random.ExpectAllDrawn();
}

TEST_F(SamplePreviewTest, AFolderInPlaceOfAnExampleFileIsAccessDenied) {
  for (const char side : {'s', 't'}) {
    std::filesystem::remove_all(dir / "gen5");
    std::filesystem::create_directories(dir / "gen5");
    Write('s', "a\r\n");
    Write('t', "A\r\n");
    const auto folder = dir / "gen5" / (std::string("nb7") + side + ".txt");
    std::filesystem::remove(folder);
    std::filesystem::create_directory(folder);
    try {
      Read();
      ADD_FAILURE() << "a folder read as a sample file";
    } catch (const IoError& e) {
      EXPECT_EQ(e.BoxText(), "File access denied.") << side;
    }
  }
}

}  // namespace
}  // namespace mathsheets
