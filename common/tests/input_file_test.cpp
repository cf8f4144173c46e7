#include "common/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "common/io_error.h"
#include "testing/worksheet_reading.h"

namespace mathsheets {
namespace {

// A pipe nobody writes to would keep a plain open waiting for ever: every name that is no regular
// file is refused at once, with the message a folder gets.
TEST(InputFile, RefusesAtOnceWhatIsNoRegularFileAndReadsWhatIs) {
  const auto dir = testing::FreshWorkdir("input_file", false);
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder");
  std::filesystem::create_symlink(dir / "loop", dir / "loop");
  const struct {
    std::filesystem::path path;
    const char* message;
  } kCases[] = {
      {dir / "pipe", "File access denied"}, {dir / "folder", "File access denied"},
      {"/dev/null", "File access denied"},  {dir / "loop", "Invalid filename"},
      {dir / "missing", "File not found"},
  };
  for (const auto& c : kCases) {
    try {
      InputFile file(c.path);
      ADD_FAILURE() << c.path << " was opened";
    } catch (const IoError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.path;
    }
  }
  std::ofstream(dir / "a.txt", std::ios::binary) << "abc";
  InputFile file(dir / "a.txt");
  EXPECT_EQ(file.Size(), 3U);
  char bytes[8] = {};
  EXPECT_EQ(file.Read(bytes, sizeof bytes), 3U);
  EXPECT_EQ(std::string(bytes), "abc");
  EXPECT_EQ(file.Read(bytes, sizeof bytes), 0U);
}

}  // namespace
}  // namespace mathsheets
