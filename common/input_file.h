#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace mathsheets {

// A file opened for reading only when it is a regular file. Opening never waits: a pipe without
// a writer, a device or a folder is refused at once with "File access denied", and a name that
// cannot be resolved (a loop of symbolic links) with "Invalid filename". The size is the one the
// file had when it was opened, so a reader can refuse a file too large before reading any of it;
// a file that grows later is the reader's to bound as it reads. Throws IoError.
class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  std::uintmax_t Size() const { return size_; }
  // Up to `size` bytes into `into`; 0 only at the end of the file. Throws IoError.
  std::size_t Read(char* into, std::size_t size);

 private:
  int fd_ = -1;
  std::uintmax_t size_ = 0;
};

}  // namespace mathsheets
