#include "worksheet/worksheet_files.h"

#include <cstdio>
#include <ctime>

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

std::unique_ptr<WorksheetFilePair> OpenWorksheetFiles(const std::filesystem::path& workdir,
                                                      std::string_view studentPrefix,
                                                      std::string_view teacherPrefix,
                                                      const LocalDateTime& now) {
  const std::string date = ShortDateText(now);
  const std::string time = LongTimeText(now);
  const std::string namePart = FileNameDatePart(date) + "_" + FileNameTimePart(time);
  return std::make_unique<WorksheetFilePair>(
      WorkPath(workdir, std::string(studentPrefix) + namePart + ".txt"),
      WorkPath(workdir, std::string(teacherPrefix) + namePart + ".txt"), date + " " + time);
}

}  // namespace mathsheets
