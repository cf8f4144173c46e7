#include "common/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/cp1251.h"
#include "common/io_error.h"

namespace mathsheets {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

Cp1251FileWriter::Cp1251FileWriter(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Create));
  buffer_.resize(kBufferSize);
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

char* Cp1251FileWriter::Reserve(std::size_t bound) {
  if (buffer_.size() - used_ < bound) {
    Flush();
    if (buffer_.size() < bound) buffer_.resize(bound);
  }
  return buffer_.data() + used_;
}

std::string_view Cp1251FileWriter::Append(std::string_view encodedStart, std::string_view line) {
  // No character gets longer in Windows-1251, so the UTF-8 length bounds the encoded one.
  char* const start = Reserve(encodedStart.size() + line.size() + kLineEnd.size());
  char* end = std::copy(encodedStart.begin(), encodedStart.end(), start);
  end = EncodeCp1251(line, end);
  const std::string_view encoded(start, static_cast<std::size_t>(end - start));
  end = std::copy(kLineEnd.begin(), kLineEnd.end(), end);
  used_ = static_cast<std::size_t>(end - buffer_.data());
  return encoded;
}

void Cp1251FileWriter::WriteLine(std::string_view line) {
  Append({}, line);
}

void Cp1251FileWriter::WriteLineAndLonger(std::string_view line, LineSink& twin,
                                          std::string_view tail) {
  auto* file = dynamic_cast<Cp1251FileWriter*>(&twin);
  if (file == nullptr || file == this) {
    LineSink::WriteLineAndLonger(line, twin, tail);
    return;
  }
  file->Append(Append({}, line), tail);
}

void Cp1251FileWriter::Flush() {
  std::size_t done = 0;
  while (done < used_) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, used_ - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(done),
                buffer_.begin() + static_cast<std::ptrdiff_t>(used_), buffer_.begin());
      used_ -= done;
      flushed_ += done;
      throw IoError(IoErrorCodeFromErrno(err, FileAction::Write));
    }
    done += static_cast<std::size_t>(n);
  }
  flushed_ += done;
  used_ = 0;
}

void Cp1251FileWriter::TruncateTo(std::uint64_t length) {
  if (length >= flushed_) {
    // Still in the buffer: forget what follows.
    if (length < flushed_ + used_) used_ = static_cast<std::size_t>(length - flushed_);
    return;
  }
  used_ = 0;
  const auto offset = static_cast<off_t>(length);
  if (::ftruncate(fd_, offset) != 0 || ::lseek(fd_, offset, SEEK_SET) != offset)
    throw IoError(IoErrorCodeFromErrno(errno, FileAction::Write));
  flushed_ = length;
}

void Cp1251FileWriter::Close() {
  if (fd_ < 0) return;
  Flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Write));
}

}  // namespace mathsheets
