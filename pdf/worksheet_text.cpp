#include "pdf/worksheet_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "common/cp1251.h"
#include "common/io_error.h"

namespace mathsheets::pdf {

namespace {

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failed close can be reported.
  int Release() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

std::string ReadBytes(const std::filesystem::path& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
  std::string bytes;
  std::array<char, 1 << 16> chunk{};
  for (;;) {
    const ssize_t n = ::read(file.get(), chunk.data(), chunk.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
    }
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
  return bytes;
}

}  // namespace

std::vector<std::string> ReadWorksheetLines(const std::filesystem::path& path) {
  const std::string bytes = ReadBytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    lines.push_back(Cp1251ToUtf8(std::string_view(bytes).substr(start, end - start)));
    if (end == bytes.size()) break;
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (file.get() < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Create));
  std::size_t done = 0;
  int failure = 0;
  while (done < bytes.size() && failure == 0) {
    const ssize_t n = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (n >= 0)
      done += static_cast<std::size_t>(n);
    else if (errno != EINTR)
      failure = errno;
  }
  if (failure == 0 && file.Release() != 0) failure = errno;
  if (failure != 0) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    throw IoError(IoErrorCodeFromErrno(failure, FileAction::Write));
  }
}

}  // namespace mathsheets::pdf
