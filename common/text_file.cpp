#include "common/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/cp1251.h"
#include "common/io_error.h"

namespace mathsheets {

namespace {
constexpr std::size_t kFlushSize = 1 << 16;
}

Cp1251FileWriter::Cp1251FileWriter(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Create));
  buffer_.reserve(kFlushSize + 4096);
}

Cp1251FileWriter::~Cp1251FileWriter() {
  if (fd_ < 0) return;
  // A run that stopped on an error keeps what it had written so far.
  try {
    Flush();
  } catch (const IoError&) {
  }
  ::close(fd_);
}

void Cp1251FileWriter::WriteLine(std::string_view line) {
  AppendCp1251(buffer_, line);
  buffer_ += "\r\n";
  if (buffer_.size() >= kFlushSize) Flush();
}

void Cp1251FileWriter::Flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      buffer_.erase(0, done);
      throw IoError(IoErrorCodeFromErrno(err, FileAction::Write));
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

void Cp1251FileWriter::Close() {
  if (fd_ < 0) return;
  Flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Write));
}

}  // namespace mathsheets
