#include "common/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "common/io_error.h"
#include "testing/worksheet_reading.h"
#include "testing/unprivileged.h"

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

TEST(Cp1251FileWriter, ADestroyedWriterKeepsWhatWasWritten) {
  const auto dir = FreshWorkdir("kept");
  {
    Cp1251FileWriter file(dir / "a.txt");
    file.WriteLine("first");
  }
  EXPECT_EQ(FileBytes(dir / "a.txt"), "first\r\n");
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
