#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "common/worksheet_output.h"

namespace mathsheets {

// A text file created (or emptied) for writing: UTF-8 lines in, Windows-1251 with CR LF out, no
// byte-order mark. Writes are buffered; every failure of the system calls throws IoError.
class Cp1251FileWriter final : public LineSink {
 public:
  explicit Cp1251FileWriter(const std::filesystem::path& path);
  ~Cp1251FileWriter() override;
  Cp1251FileWriter(const Cp1251FileWriter&) = delete;
  Cp1251FileWriter& operator=(const Cp1251FileWriter&) = delete;

  void WriteLine(std::string_view line) override;
  void WriteLineAndLonger(std::string_view line, LineSink& twin, std::string_view tail) override;
  // Writes out what is buffered and closes the file; a failure of either throws.
  void Close();

  // The bytes written so far, buffered ones included.
  std::uint64_t length() const { return flushed_ + used_; }
  // Drops everything written after the first `length` bytes, so the file goes on from there.
  void TruncateTo(std::uint64_t length);

  const std::filesystem::path& path() const { return path_; }

 private:
  void Flush();
  // Room for `bound` more bytes in the buffer.
  char* Reserve(std::size_t bound);
  // Writes `encodedStart`, the encoding of `line` and a line end; returns the line as written,
  // without its end, valid until the next write.
  std::string_view Append(std::string_view encodedStart, std::string_view line);

  std::filesystem::path path_;
  int fd_ = -1;
  // Lines are encoded straight into this buffer; it is written out when the next line might not
  // fit, and grows only for a line longer than it.
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  // Bytes already handed to the file.
  std::uint64_t flushed_ = 0;
};

}  // namespace mathsheets
