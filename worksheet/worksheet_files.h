#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "common/text_file.h"
#include "common/worksheet_output.h"

namespace mathsheets {

struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDateTime CurrentLocalDateTime();

// The program's own short date and long time: dd.MM.yyyy and H:mm:ss, whatever the locale.
std::string ShortDateText(const LocalDateTime& t);
std::string LongTimeText(const LocalDateTime& t);

// The date text with every "/" made "_" (12/8/2016 -> 12_8_2016; 10.12.2016 stays).
std::string FileNameDatePart(std::string_view dateText);
// The time text less its seconds, with every ":" made "_" (9:05:07 -> 9_05); empty for three
// characters or fewer.
std::string FileNameTimePart(std::string_view timeText);

// The pair of files of one run, created and stamped. Destroying it closes what is still open and
// keeps what was written; Close() closes the student file, then the teacher file, reporting errors.
class WorksheetFilePair {
 public:
  WorksheetFilePair(const std::filesystem::path& studentPath,
                    const std::filesystem::path& teacherPath, const std::string& stamp);

  WorksheetFiles& Files() { return files_; }
  void Close();

  // How long both files are, to go back to when a run stops inside a variant.
  struct Lengths {
    std::uint64_t student = 0;
    std::uint64_t teacher = 0;
  };
  Lengths lengths() const { return {student_.length(), teacher_.length()}; }
  void TruncateTo(const Lengths& lengths);

  const std::string& stamp() const { return stamp_; }
  const std::filesystem::path& studentPath() const { return student_.path(); }
  const std::filesystem::path& teacherPath() const { return teacher_.path(); }

 private:
  std::string stamp_;
  Cp1251FileWriter student_;
  Cp1251FileWriter teacher_;
  WorksheetFiles files_{student_, teacher_};
};

// A minute holds at most this many pairs of one window: ajobs_..._17_09.txt, then _2 .. _9999.
inline constexpr int kMaxPairsAMinute = 9999;

// Names the files from the prefixes ("gen\ajobs_": the file ajobs_... in the folder gen of
// `workdir`) and the clock reading `now`, creates the student file, then the teacher file, and
// writes the stamp line to each. Files are only ever created, never replaced: when a name of the
// pair (or of its PDFs) is taken, the pair is numbered, ajobs_..._17_09_2.txt and
// ajobt_..._17_09_2.txt, then _3 and so on, both files always with the same number. Throws
// IoError.
std::unique_ptr<WorksheetFilePair> OpenWorksheetFiles(const std::filesystem::path& workdir,
                                                      std::string_view studentPrefix,
                                                      std::string_view teacherPrefix,
                                                      const LocalDateTime& now);

}  // namespace mathsheets
