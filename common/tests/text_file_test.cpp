#include "common/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "common/cp1251.h"
#include "common/io_error.h"
#include "testing/unprivileged.h"
#include "testing/worksheet_reading.h"

namespace mathsheets {
namespace {

using testing::FileBytes;
using testing::FreshWorkdir;

TEST(Cp1251FileWriter, WritesWindows1251WithCrLfAndNoByteOrderMark) {
  const auto dir = FreshWorkdir("bytes");
  {
    Cp1251FileWriter file(dir / "a.txt");
    file.WriteLine("Вариант 1");
    file.WriteLine("12+3=15");
    file.Close();
  }
  EXPECT_EQ(FileBytes(dir / "a.txt"), "\xC2\xE0\xF0\xE8\xE0\xED\xF2 1\r\n12+3=15\r\n");
}

TEST(Cp1251FileWriter, EmptiesAnExistingFile) {
  const auto dir = FreshWorkdir("empties");
  std::ofstream(dir / "a.txt") << "old content that is longer";
  Cp1251FileWriter file(dir / "a.txt");
  file.WriteLine("new");
  file.Close();
  EXPECT_EQ(FileBytes(dir / "a.txt"), "new\r\n");
}

TEST(Cp1251FileWriter, MissingFolderIsAnInvalidFilename) {
  const auto dir = FreshWorkdir("missing");
  try {
    Cp1251FileWriter file(dir / "no_such_folder" / "a.txt");
    FAIL() << "created a file in a missing folder";
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), 3);
    EXPECT_EQ(e.BoxText(), "Invalid filename.");
  }
}

TEST(Cp1251FileWriter, ReadOnlyFileIsAccessDenied) {
  const auto dir = FreshWorkdir("readonly");
  std::filesystem::permissions(dir, std::filesystem::perms::all);
  std::ofstream(dir / "a.txt") << "kept";
  std::filesystem::permissions(dir / "a.txt", std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::group_read |
                                                  std::filesystem::perms::others_read);
  const int code = testing::RunUnprivileged([&] {
    try {
      Cp1251FileWriter file(dir / "a.txt");
      return 0;
    } catch (const IoError& e) {
      return e.BoxText() == "File access denied." ? e.code() : 1;
    }
  });
  EXPECT_EQ(code, 5);
  EXPECT_EQ(FileBytes(dir / "a.txt"), "kept");
}

TEST(Cp1251FileWriter, FullDiskIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
  Cp1251FileWriter file("/dev/full");
  file.WriteLine("x");
  try {
    file.Close();
    FAIL() << "a write to a full disk succeeded";
  } catch (const IoError& e) {
    EXPECT_EQ(e.BoxText(), "Disk full.");
  }
}

TEST(Cp1251FileWriter, CuttingBackLandsOnTheSameByteInTheBufferAndOnTheDisk) {
  const auto dir = FreshWorkdir("truncate");
  {
    Cp1251FileWriter file(dir / "a.txt");
    for (int i = 0; i < 100000; ++i) file.WriteLine("Вариант " + std::to_string(i));
    file.TruncateTo(file.length() - 30);  // in the buffer still
    const std::uint64_t kept = file.length();
    file.WriteLine("ещё");
    file.TruncateTo(kept - 600000);  // handed to the disk already
    file.WriteLine("конец");
    file.Close();
  }
  std::string expected;
  for (int i = 0; i < 100000; ++i)
    expected += Utf8ToCp1251("Вариант " + std::to_string(i)) + "\r\n";
  expected.resize(expected.size() - 30 - 600000);
  expected += Utf8ToCp1251("конец") + "\r\n";
  EXPECT_EQ(FileBytes(dir / "a.txt"), expected);
}

TEST(Cp1251FileWriter, ADestroyedWriterKeepsWhatWasWritten) {
  const auto dir = FreshWorkdir("kept");
  {
    Cp1251FileWriter file(dir / "a.txt");
    file.WriteLine("first");
  }
  EXPECT_EQ(FileBytes(dir / "a.txt"), "first\r\n");
}

// A pair of files shares the encoding of a line the teacher file repeats or extends, and a line
// may come in two pieces; the bytes must be those of two files written line by line, also where a
// line crosses a buffer's end and where one line is longer than the buffer.
TEST(Cp1251FileWriter, APairWritesWhatTwoSeparateFilesWould) {
  const auto dir = FreshWorkdir("pair");
  std::string student, teacher;
  {
    Cp1251FileWriter studentFile(dir / "s.txt"), teacherFile(dir / "t.txt");
    WorksheetFiles files{studentFile, teacherFile};
    const std::string longLine(300000, 'x');  // longer than a 256 KB buffer
    for (int i = 0; i < 20000; ++i) {
      const std::string line = "Задача №" + std::to_string(i) + " — ";
      const std::string answer = i % 3 == 0 ? line : i % 3 == 1 ? line + "ответ " : "другое";
      files.WriteBoth(i == 777 ? longLine : line, i == 777 ? longLine + "ё" : answer);
      student += Utf8ToCp1251(i == 777 ? longLine : line) + "\r\n";
      teacher += Utf8ToCp1251(i == 777 ? longLine + "ё" : answer) + "\r\n";
      if (i % 5 == 0) {
        // A line written in two pieces, as the fraction layouts write the teacher's lines.
        const std::string tail = i == 1000 ? longLine : "  ёж " + std::to_string(i);
        teacherFile.WriteJoinedLine(line, tail);
        teacher += Utf8ToCp1251(line + tail) + "\r\n";
      }
    }
    studentFile.Close();
    teacherFile.Close();
  }
  EXPECT_EQ(FileBytes(dir / "s.txt"), student);
  EXPECT_EQ(FileBytes(dir / "t.txt"), teacher);
}

TEST(IoErrorMessage, FollowsTheRuntimeTable) {
  EXPECT_EQ(IoErrorMessage(2), "File not found");
  EXPECT_EQ(IoErrorMessage(3), "Invalid filename");
  EXPECT_EQ(IoErrorMessage(4), "Too many open files");
  EXPECT_EQ(IoErrorMessage(5), "File access denied");
  EXPECT_EQ(IoErrorMessage(100), "Read beyond end of file");
  EXPECT_EQ(IoErrorMessage(101), "Disk full");
  EXPECT_EQ(IoErrorMessage(106), "Invalid numeric input");
  EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
}

}  // namespace
}  // namespace mathsheets
