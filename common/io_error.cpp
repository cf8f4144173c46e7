#include "common/io_error.h"

#include <cerrno>

namespace mathsheets {

std::string IoErrorMessage(int code) {
  switch (static_cast<IoErrorCode>(code)) {
    case IoErrorCode::FileNotFound:
      return "File not found";
    case IoErrorCode::InvalidFilename:
      return "Invalid filename";
    case IoErrorCode::TooManyOpenFiles:
      return "Too many open files";
    case IoErrorCode::FileAccessDenied:
      return "File access denied";
    case IoErrorCode::ReadBeyondEnd:
      return "Read beyond end of file";
    case IoErrorCode::DiskFull:
      return "Disk full";
    case IoErrorCode::InvalidNumericInput:
      return "Invalid numeric input";
  }
  return "I/O error " + std::to_string(code);
}

int IoErrorCodeFromErrno(int err, FileAction action) {
  switch (err) {
    case ENOENT:
      // A missing folder makes the name invalid for creating; a missing file is not found.
      return action == FileAction::Read ? static_cast<int>(IoErrorCode::FileNotFound)
                                        : static_cast<int>(IoErrorCode::InvalidFilename);
    case ENOTDIR:
    case ENAMETOOLONG:
    // A loop of symbolic links: the name leads nowhere.
    case ELOOP:
    case EINVAL:
    case EILSEQ:
      return static_cast<int>(IoErrorCode::InvalidFilename);
    // A folder where a file should be is a valid name that cannot be opened as a file.
    case EISDIR:
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return static_cast<int>(IoErrorCode::FileAccessDenied);
    case EMFILE:
    case ENFILE:
      return static_cast<int>(IoErrorCode::TooManyOpenFiles);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return static_cast<int>(IoErrorCode::DiskFull);
    default:
      return err;
  }
}

}  // namespace mathsheets
