#include "shell/sample_preview.h"

#include <cerrno>
#include <fstream>
#include <vector>

#include "common/cp1251.h"
#include "common/io_error.h"

namespace mathsheets {

namespace {

constexpr std::size_t kStoredLines = 10;
constexpr std::size_t kLineWidth = 80;

std::filesystem::path SamplePath(const std::filesystem::path& workdir, int sample, char side) {
  return workdir / "gen5" / ("nb" + std::to_string(sample) + side + ".txt");
}

// A text file read line by line; a line ends at CR LF, LF or CR.
class SampleFile {
 public:
  explicit SampleFile(const std::filesystem::path& path) : in_(path, std::ios::binary) {
    if (!in_.is_open()) {
      const int err = errno;
      throw IoError(err == 0 ? static_cast<int>(IoErrorCode::FileNotFound)
                             : IoErrorCodeFromErrno(err, FileAction::Read));
    }
  }

  bool AtEnd() { return in_.peek() == std::char_traits<char>::eof(); }

  // The next line as UTF-8, cut to its first 80 characters; empty at the end of the file.
  std::string ReadLine() {
    std::string bytes;
    for (int c = in_.get(); c != std::char_traits<char>::eof(); c = in_.get()) {
      if (c == '\n') break;
      if (c == '\r') {
        if (in_.peek() == '\n') in_.get();
        break;
      }
      if (bytes.size() < kLineWidth) bytes += static_cast<char>(c);
    }
    if (in_.bad()) throw IoError(IoErrorCode::ReadBeyondEnd);
    return Cp1251ToUtf8(bytes);
  }

 private:
  std::ifstream in_;
};

}  // namespace

std::filesystem::path StudentSamplePath(const std::filesystem::path& workdir, int sample) {
  return SamplePath(workdir, sample, 's');
}

std::filesystem::path TeacherSamplePath(const std::filesystem::path& workdir, int sample) {
  return SamplePath(workdir, sample, 't');
}

SampleBoxes ReadSamples(const std::filesystem::path& workdir, int sample) {
  SampleFile student(StudentSamplePath(workdir, sample));
  SampleFile teacher(TeacherSamplePath(workdir, sample));
  std::vector<std::string> studentLines;
  std::vector<std::string> teacherLines;
  std::size_t count = 0;
  while (!student.AtEnd()) {
    ++count;
    std::string s = student.ReadLine();
    std::string t = teacher.AtEnd() ? std::string() : teacher.ReadLine();
    if (count <= kStoredLines) {
      studentLines.push_back(std::move(s));
      teacherLines.push_back(std::move(t));
    }
  }
  // The teacher file may hold one line more, for an answer on a line of its own.
  if (!teacher.AtEnd() && ++count <= kStoredLines) {
    studentLines.emplace_back();
    teacherLines.push_back(teacher.ReadLine());
  }
  SampleBoxes boxes;
  for (std::size_t i = 0; i < 3 && i < count && i < studentLines.size(); ++i) {
    boxes.student[i] = studentLines[i];
    boxes.teacher[i] = teacherLines[i];
  }
  return boxes;
}

WebLabelScheme DrawWebLabelScheme(RandomSource& random) {
  return static_cast<WebLabelScheme>(Draw10(random, 39, 10));
}

}  // namespace mathsheets
