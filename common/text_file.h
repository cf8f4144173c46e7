#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "common/worksheet_output.h"

// A build without threads (the browser edition) writes each full buffer itself, at once.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define MATHSHEETS_FILE_WRITER_THREAD 0
#else
#define MATHSHEETS_FILE_WRITER_THREAD 1
#endif

namespace mathsheets {

// A text file created (or emptied) for writing: UTF-8 lines in, Windows-1251 with CR LF out, no
// byte-order mark. Writes are buffered, and a full buffer goes to the disk from a thread of the
// writer's own while the next one fills, so that a run computes while the system copies. Every
// failure of the system calls throws IoError, a failed write at the next buffer or at Close()
// (without threads, at the write itself).
class Cp1251FileWriter final : public LineSink {
 public:
  explicit Cp1251FileWriter(const std::filesystem::path& path);
  ~Cp1251FileWriter() override;
  Cp1251FileWriter(const Cp1251FileWriter&) = delete;
  Cp1251FileWriter& operator=(const Cp1251FileWriter&) = delete;

  void WriteLine(std::string_view line) override;
  void WriteLineAndLonger(std::string_view line, LineSink& twin, std::string_view tail) override;
  void WriteEncodedLine(std::string_view cp1251) override;
  void WriteJoinedLine(std::string_view head, std::string_view tail) override;
  Cp1251FileWriter* AsCp1251File() override { return this; }
  // Writes out what is buffered and closes the file; a failure of either throws.
  void Close();

  // The bytes written so far, buffered ones included.
  std::uint64_t length() const { return flushed_ + used_; }
  // Drops everything written after the first `length` bytes, so the file goes on from there.
  void TruncateTo(std::uint64_t length);

  const std::filesystem::path& path() const { return path_; }

 private:
  // Hands the filled buffer to the writing thread, once it has written the one before.
  void Flush();
  // Waits until every handed buffer is written; throws the first write's failure.
  void WaitUntilWritten();
#if MATHSHEETS_FILE_WRITER_THREAD
  void WriteHandedBuffers();
#endif
  // Stops the writing thread after what it was handed, and closes the file; returns errno or 0.
  int Stop();
#if !MATHSHEETS_FILE_WRITER_THREAD
  // Writes the buffer's `used_` bytes to the file; throws the failure.
  void WriteBuffer();
#endif
  // Room for `bound` more bytes in the buffer.
  char* Reserve(std::size_t bound);
  // Writes `encodedStart`, the encoding of `line` and of `lineTail`, and a line end; returns the
  // line as written, without its end, valid until the next write.
  std::string_view Append(std::string_view encodedStart, std::string_view line,
                          std::string_view lineTail = {});

  std::filesystem::path path_;
  int fd_ = -1;
  // Lines are encoded straight into this buffer; it goes to the writing thread when the next line
  // might not fit, and grows only for a line longer than it.
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  // Bytes handed to the writing thread.
  std::uint64_t flushed_ = 0;

#if MATHSHEETS_FILE_WRITER_THREAD
  // What the writing thread shares: the buffer it writes, how much of it, and the errno of the
  // first failed write, after which nothing more is written.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<char> handed_;
  std::size_t handedSize_ = 0;
  bool writing_ = false;
  bool stopping_ = false;
  int writeError_ = 0;
  std::thread writer_;
#endif
};

}  // namespace mathsheets
