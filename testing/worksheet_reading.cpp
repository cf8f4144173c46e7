#include "testing/worksheet_reading.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "common/cp1251.h"

namespace mathsheets::testing {

std::filesystem::path FreshWorkdir(const std::string& name, bool withGen) {
  auto dir = std::filesystem::temp_directory_path() /
             ("mathsheets_" + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(withGen ? dir / "gen" : dir);
  return dir;
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> WorksheetLines(const std::filesystem::path& path) {
  const std::string bytes = FileBytes(path);
  EXPECT_FALSE(bytes.rfind("\xEF\xBB\xBF", 0) == 0) << path << " starts with a byte-order mark";
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << path << ": the last line has no CR LF";
      break;
    }
    const std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF in " << line;
    lines.push_back(Cp1251ToUtf8(line));
    start = end + 2;
  }
  return lines;
}

}  // namespace mathsheets::testing
