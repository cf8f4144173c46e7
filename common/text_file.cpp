#include "common/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/cp1251.h"
#include "common/io_error.h"

namespace mathsheets {

namespace {
constexpr std::size_t kBufferSize = 1 << 18;
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

Cp1251FileWriter::Cp1251FileWriter(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Create));
  buffer_.resize(kBufferSize);
#if MATHSHEETS_FILE_WRITER_THREAD
  handed_.resize(kBufferSize);
  try {
    writer_ = std::thread([this] { WriteHandedBuffers(); });
  } catch (...) {
    ::close(fd_);
    throw;
  }
#endif
}

Cp1251FileWriter::~Cp1251FileWriter() {
  if (fd_ < 0) return;
  // A run that stopped on an error keeps what it had written so far.
  try {
    Flush();
  } catch (const IoError&) {
  }
  Stop();
}

#if MATHSHEETS_FILE_WRITER_THREAD

void Cp1251FileWriter::WriteHandedBuffers() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return writing_ || stopping_; });
    if (!writing_) return;
    std::size_t done = 0;
    while (writeError_ == 0 && done < handedSize_) {
      const char* from = handed_.data() + done;
      const std::size_t size = handedSize_ - done;
      lock.unlock();
      const ssize_t n = ::write(fd_, from, size);
      const int err = n < 0 ? errno : 0;
      lock.lock();
      if (n >= 0)
        done += static_cast<std::size_t>(n);
      else if (err != EINTR)
        writeError_ = err;
    }
    writing_ = false;
    changed_.notify_all();
  }
}

void Cp1251FileWriter::WaitUntilWritten() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !writing_; });
  if (writeError_ != 0) throw IoError(IoErrorCodeFromErrno(writeError_, FileAction::Write));
}

void Cp1251FileWriter::Flush() {
  if (used_ == 0) return;
  WaitUntilWritten();
  {
    const std::lock_guard lock(mutex_);
    std::swap(buffer_, handed_);
    handedSize_ = used_;
    writing_ = true;
  }
  changed_.notify_all();
  flushed_ += used_;
  used_ = 0;
}

int Cp1251FileWriter::Stop() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  writer_.join();
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0 ? 0 : errno;
}

#else

void Cp1251FileWriter::WriteBuffer() {
  std::size_t done = 0;
  while (done < used_) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, used_ - done);
    if (n >= 0)
      done += static_cast<std::size_t>(n);
    else if (errno != EINTR)
      throw IoError(IoErrorCodeFromErrno(errno, FileAction::Write));
  }
}

// Every buffer is written when it is handed over: nothing to wait for.
void Cp1251FileWriter::WaitUntilWritten() {}

void Cp1251FileWriter::Flush() {
  if (used_ == 0) return;
  WriteBuffer();
  flushed_ += used_;
  used_ = 0;
}

int Cp1251FileWriter::Stop() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0 ? 0 : errno;
}

#endif

char* Cp1251FileWriter::Reserve(std::size_t bound) {
  if (buffer_.size() - used_ < bound) {
    Flush();
    if (buffer_.size() < bound) buffer_.resize(bound);
  }
  return buffer_.data() + used_;
}

std::string_view Cp1251FileWriter::Append(std::string_view encodedStart, std::string_view line,
                                          std::string_view lineTail) {
  // No character gets longer in Windows-1251, so the UTF-8 length bounds the encoded one.
  char* const start =
      Reserve(encodedStart.size() + line.size() + lineTail.size() + kLineEnd.size());
  char* end = std::copy(encodedStart.begin(), encodedStart.end(), start);
  end = EncodeCp1251(lineTail, EncodeCp1251(line, end));
  const std::string_view encoded(start, static_cast<std::size_t>(end - start));
  end = std::copy(kLineEnd.begin(), kLineEnd.end(), end);
  used_ = static_cast<std::size_t>(end - buffer_.data());
  return encoded;
}

void Cp1251FileWriter::WriteLine(std::string_view line) {
  Append({}, line);
}

void Cp1251FileWriter::WriteJoinedLine(std::string_view head, std::string_view tail) {
  Append({}, head, tail);
}

void Cp1251FileWriter::WriteEncodedLine(std::string_view cp1251) {
  Append(cp1251, {});
}

void Cp1251FileWriter::WriteLineAndLonger(std::string_view line, LineSink& twin,
                                          std::string_view tail) {
  Cp1251FileWriter* const file = twin.AsCp1251File();
  if (file == nullptr || file == this) {
    LineSink::WriteLineAndLonger(line, twin, tail);
    return;
  }
  file->Append(Append({}, line), tail);
}

void Cp1251FileWriter::TruncateTo(std::uint64_t length) {
  if (length >= flushed_) {
    // Still in the buffer: forget what follows.
    if (length < flushed_ + used_) used_ = static_cast<std::size_t>(length - flushed_);
    return;
  }
  used_ = 0;
  WaitUntilWritten();
  const auto offset = static_cast<off_t>(length);
  if (::ftruncate(fd_, offset) != 0 || ::lseek(fd_, offset, SEEK_SET) != offset)
    throw IoError(IoErrorCodeFromErrno(errno, FileAction::Write));
  flushed_ = length;
}

void Cp1251FileWriter::Close() {
  if (fd_ < 0) return;
  try {
    Flush();
    WaitUntilWritten();
  } catch (const IoError&) {
    Stop();
    throw;
  }
  if (const int err = Stop(); err != 0) throw IoError(IoErrorCodeFromErrno(err, FileAction::Write));
}

}  // namespace mathsheets
