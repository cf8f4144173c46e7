#include "sets/set_file.h"

#include <cerrno>
#include <fstream>
#include <string>

#include "common/io_error.h"

namespace mathsheets::sets {

WorksheetSet ReadSetFile(const std::filesystem::path& path) {
  const auto fail = [&path](const std::string& why) { throw SetError(path.string() + ": " + why); };
  std::ifstream in(path, std::ios::binary);
  if (!in) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw IoError(IoErrorCode::FileAccessDenied);
  // One byte past the limit is enough to know, whatever the file system says of its size.
  std::string text(kMaxSetFileSize + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kMaxSetFileSize) fail("larger than 64 KB, not a set");
  if (text.ends_with("\r\n"))
    text.resize(text.size() - 2);
  else if (text.ends_with('\n'))
    text.resize(text.size() - 1);
  if (text.find('\n') != std::string::npos) fail("not a set: it holds more than one line");
  try {
    return ParseSet(text);
  } catch (const SetError& e) {
    fail(e.what());
  }
  return {};
}

void WriteSetFile(const std::filesystem::path& path, const WorksheetSet& set) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Create));
  out << FormatSet(set) << '\n';
  out.close();
  if (!out) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Write));
}

}  // namespace mathsheets::sets
