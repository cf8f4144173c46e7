#include "sets/set_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "common/io_error.h"
#include "testing/worksheet_reading.h"

namespace mathsheets::sets {
namespace {

std::filesystem::path Write(const std::filesystem::path& dir, const char* name,
                            const std::string& bytes) {
  const auto path = dir / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(SetFile, WritesOneLineAndReadsItBack) {
  const auto dir = testing::FreshWorkdir("set_file", false);
  const WorksheetSet set = ParseSet("main?seed=7&variants=3&count=1:5,44:%D1%82");
  WriteSetFile(dir / "lesson.mathsheet", set);
  EXPECT_EQ(testing::FileBytes(dir / "lesson.mathsheet"),
            "main?seed=7&variants=3&count=1:5,44:%D1%82\n");
  EXPECT_EQ(ReadSetFile(dir / "lesson.mathsheet"), set);
  EXPECT_EQ(ReadSetFile(Write(dir, "crlf.mathsheet", "problems?select=Z1\r\n")).problems,
            std::vector<int>{1});
  EXPECT_EQ(ReadSetFile(Write(dir, "bare.mathsheet", "problems?select=Z2")).problems,
            std::vector<int>{2});
}

TEST(SetFile, ABadFileIsNamedWithItsFirstBadItem) {
  const auto dir = testing::FreshWorkdir("set_file_bad", false);
  const struct {
    const char* name;
    std::string bytes;
    const char* message;
  } kCases[] = {
      {"big.mathsheet", "main?variants=" + std::string(kMaxSetFileSize, '1'),
       "larger than 64 KB, not a set"},
      {"lines.mathsheet", "main?seed=1\nmain?seed=2\n", "not a set: it holds more than one line"},
      {"empty.mathsheet", "", "not a set: the text is empty"},
      {"picture.mathsheet", std::string("BM\0\0\x01", 5), "not a set: byte 3 is not"},
      {"short.mathsheet", "main?seed=7&variants=3&count=1:5,4", "\"count=1:5,4\": cut short"},
      {"type.mathsheet", "main?count=200:1", "\"count=200:1\": no exercise type 200"},
      {"caption.mathsheet", "problems?select=Q7", "\"select=Q7\": no word problem Q7"},
  };
  for (const auto& c : kCases) {
    const auto path = Write(dir, c.name, c.bytes);
    try {
      ReadSetFile(path);
      ADD_FAILURE() << c.name << " was read";
    } catch (const SetError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(path.string() + ": " + c.message, 0), 0U) << e.what();
    }
  }
  EXPECT_THROW(ReadSetFile(dir / "missing.mathsheet"), IoError);
  EXPECT_THROW(ReadSetFile(dir), IoError);
  EXPECT_THROW(WriteSetFile(dir / "no" / "folder.mathsheet", WorksheetSet{}), IoError);
  // A pipe nobody reads or writes keeps neither waiting.
  ASSERT_EQ(::mkfifo((dir / "pipe.mathsheet").c_str(), 0600), 0);
  EXPECT_THROW(ReadSetFile(dir / "pipe.mathsheet"), IoError);
  EXPECT_THROW(WriteSetFile(dir / "pipe.mathsheet", WorksheetSet{}), IoError);
  EXPECT_THROW(WriteSetFile("/dev/null", WorksheetSet{}), IoError);
}

}  // namespace
}  // namespace mathsheets::sets
