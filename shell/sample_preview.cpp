#include "shell/sample_preview.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
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

// A text file read line by line; a line ends at CR LF, LF or CR. Every failure of the system
// calls throws IoError, so a folder in place of a file is reported rather than read as empty.
class SampleFile {
 public:
  explicit SampleFile(const std::filesystem::path& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
    struct stat info {};
    const int err = ::fstat(fd_, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    if (err != 0) {
      ::close(fd_);
      throw IoError(IoErrorCodeFromErrno(err, FileAction::Read));
    }
  }
  ~SampleFile() { ::close(fd_); }
  SampleFile(const SampleFile&) = delete;
  SampleFile& operator=(const SampleFile&) = delete;

  bool AtEnd() { return Peek() == kEnd; }

  // The next line as UTF-8, cut to its first 80 characters; empty at the end of the file.
  std::string ReadLine() {
    std::string bytes;
    for (int c = Get(); c != kEnd; c = Get()) {
      if (c == '\n') break;
      if (c == '\r') {
        if (Peek() == '\n') Get();
        break;
      }
      if (bytes.size() < kLineWidth) bytes += static_cast<char>(c);
    }
    return Cp1251ToUtf8(bytes);
  }

 private:
  static constexpr int kEnd = -1;

  int Peek() {
    if (next_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[next_]);
  }

  int Get() {
    const int c = Peek();
    if (c != kEnd) ++next_;
    return c;
  }

  bool Fill() {
    ssize_t n = 0;
    do {
      n = ::read(fd_, buffer_.data(), buffer_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
    next_ = 0;
    end_ = static_cast<std::size_t>(n);
    return end_ > 0;
  }

  int fd_;
  std::array<char, 4096> buffer_{};
  std::size_t next_ = 0;
  std::size_t end_ = 0;
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
