#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/io_error.h"

namespace mathsheets {

InputFile::InputFile(const std::filesystem::path& path) {
  // Without O_NONBLOCK, opening a pipe waits until something opens it for writing.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
  struct stat info {};
  int err = ::fstat(fd_, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : EISDIR;
  // Reads of a regular file never block; the flag goes so that they are plain reads.
  if (err == 0 && ::fcntl(fd_, F_SETFL, O_RDONLY) != 0) err = errno;
  if (err != 0) {
    ::close(fd_);
    throw IoError(IoErrorCodeFromErrno(err, FileAction::Read));
  }
  size_ = static_cast<std::uintmax_t>(info.st_size);
}

InputFile::~InputFile() {
  ::close(fd_);
}

std::size_t InputFile::Read(char* into, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd_, into, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
  }
}

}  // namespace mathsheets
