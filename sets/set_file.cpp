#include "sets/set_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/input_file.h"
#include "common/io_error.h"

namespace mathsheets::sets {

WorksheetSet ParseSetFileText(std::string_view content) {
  if (content.ends_with("\r\n"))
    content.remove_suffix(2);
  else if (content.ends_with('\n'))
    content.remove_suffix(1);
  if (content.find('\n') != std::string_view::npos)
    throw SetError("not a set: it holds more than one line");
  return ParseSet(content);
}

WorksheetSet ReadSetFile(const std::filesystem::path& path) {
  const auto fail = [&path](const std::string& why) { throw SetError(path.string() + ": " + why); };
  InputFile in(path);
  constexpr std::string_view kTooLarge = "larger than 64 KB, not a set";
  if (in.Size() > kMaxSetFileSize) fail(std::string(kTooLarge));
  // One byte past the limit is enough to know, whatever the file system said of its size.
  std::string text(kMaxSetFileSize + 1, '\0');
  std::size_t size = 0;
  while (size < text.size()) {
    const std::size_t n = in.Read(text.data() + size, text.size() - size);
    if (n == 0) break;
    size += n;
  }
  if (size > kMaxSetFileSize) fail(std::string(kTooLarge));
  text.resize(size);
  try {
    return ParseSetFileText(text);
  } catch (const SetError& e) {
    fail(e.what());
  }
  return {};
}

void WriteSetFile(const std::filesystem::path& path, const WorksheetSet& set) {
  // Without O_NONBLOCK, opening a pipe waits for a reader; with it, a pipe without one is
  // refused, and so is any other name that is no regular file.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0)
    throw IoError(IoErrorCodeFromErrno(errno == ENXIO ? EISDIR : errno, FileAction::Create));
  struct stat info {};
  int err = ::fstat(fd, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : EISDIR;
  const std::string text = FormatSet(set) + '\n';
  for (std::size_t done = 0; err == 0 && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n >= 0)
      done += static_cast<std::size_t>(n);
    else if (errno != EINTR)
      err = errno;
  }
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) throw IoError(IoErrorCodeFromErrno(err, FileAction::Write));
}

}  // namespace mathsheets::sets
