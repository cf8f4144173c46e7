#pragma once

#include <stdexcept>
#include <string>

namespace mathsheets {

// The I/O error codes the program reports, as the runtime numbers them.
enum class IoErrorCode : int {
  FileNotFound = 2,
  InvalidFilename = 3,
  TooManyOpenFiles = 4,
  FileAccessDenied = 5,
  ReadBeyondEnd = 100,
  DiskFull = 101,
  InvalidNumericInput = 106,
};

// "File not found", "Invalid filename", ... and "I/O error n" for any other code.
std::string IoErrorMessage(int code);

// A failed open, read, write or close. what() is the message without its closing period.
class IoError : public std::runtime_error {
 public:
  explicit IoError(int code) : std::runtime_error(IoErrorMessage(code)), code_(code) {}
  explicit IoError(IoErrorCode code) : IoError(static_cast<int>(code)) {}
  // A file the program refuses by a rule of its own, with why: "not a worksheet file: ...".
  IoError(IoErrorCode code, const std::string& why)
      : std::runtime_error(why), code_(static_cast<int>(code)) {}
  int code() const { return code_; }
  // The text of the error box: the message followed by a period.
  std::string BoxText() const { return std::string(what()) + "."; }

 private:
  int code_;
};

enum class FileAction { Create, Read, Write };

// The runtime's code for a failed system call, from its errno.
int IoErrorCodeFromErrno(int err, FileAction action);

}  // namespace mathsheets
