#include "worksheet/worksheet_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>

#include "common/io_error.h"
#include "common/work_path.h"

namespace mathsheets {

LocalDateTime CurrentLocalDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string ShortDateText(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
  return text;
}

std::string LongTimeText(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

std::string FileNameDatePart(std::string_view dateText) {
  std::string part(dateText);
  for (char& c : part)
    if (c == '/') c = '_';
  return part;
}

std::string FileNameTimePart(std::string_view timeText) {
  if (timeText.size() <= 3) return {};
  std::string part(timeText.substr(0, timeText.size() - 3));
  for (char& c : part)
    if (c == ':') c = '_';
  return part;
}

WorksheetFilePair::WorksheetFilePair(const std::filesystem::path& studentPath,
                                     const std::filesystem::path& teacherPath,
                                     const std::string& stamp)
    : stamp_(stamp), student_(studentPath), teacher_(teacherPath) {
  student_.WriteLine(stamp_);
  teacher_.WriteLine(stamp_);
}

void WorksheetFilePair::TruncateTo(const Lengths& lengths) {
  student_.TruncateTo(lengths.student);
  teacher_.TruncateTo(lengths.teacher);
}

void WorksheetFilePair::Close() {
  student_.Close();
  teacher_.Close();
}

namespace {

// A file of that name, which writing there would replace. A folder is no such file: a worksheet or
// PDF written there fails with "File access denied." and nothing is lost.
bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(path, error);
  return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

// Creates `path` empty unless a file of that name exists: true when this call made it, so the file
// is the run's own and no other file is ever opened for writing, whatever runs at the same time.
bool CreateExclusively(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  const int error = errno;
  if (error == EEXIST && FileExists(path)) return false;
  throw IoError(IoErrorCodeFromErrno(error == EEXIST ? EISDIR : error, FileAction::Create));
}

}  // namespace

std::unique_ptr<WorksheetFilePair> OpenWorksheetFiles(const std::filesystem::path& workdir,
                                                      std::string_view studentPrefix,
                                                      std::string_view teacherPrefix,
                                                      const LocalDateTime& now) {
  const std::string date = ShortDateText(now);
  const std::string time = LongTimeText(now);
  const std::string namePart = FileNameDatePart(date) + "_" + FileNameTimePart(time);
  for (int number = 1; number <= kMaxPairsAMinute; ++number) {
    std::string suffix;
    if (number > 1) suffix.append("_").append(std::to_string(number));
    suffix.append(".txt");
    const auto student = WorkPath(workdir, std::string(studentPrefix) + namePart + suffix);
    const auto teacher = WorkPath(workdir, std::string(teacherPrefix) + namePart + suffix);
    // A PDF left beside a pair whose text files were deleted keeps its number taken too.
    if (FileExists(std::filesystem::path(student).replace_extension(".pdf")) ||
        FileExists(std::filesystem::path(teacher).replace_extension(".pdf")))
      continue;
    if (!CreateExclusively(student)) continue;
    if (!CreateExclusively(teacher)) {
      std::filesystem::remove(student);
      continue;
    }
    return std::make_unique<WorksheetFilePair>(student, teacher, date + " " + time);
  }
  throw IoError(IoErrorCodeFromErrno(EEXIST, FileAction::Create));
}

}  // namespace mathsheets
