// A pair of worksheet files given to "pdf", the pupil's and the teacher's, cut from one input at
// its first NUL byte (without one, the teacher's file is empty). Read a variant at a time, the
// models give both files' lines back in order; read whole (as the browser's print view reads the
// files of its run), the model does too; and whatever is accepted lays out, both sheets, in the
// same bounded number of pages when counted and when laid out (a refused pair's whole model lays
// out too).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/io_error.h"
#include "fuzz_support.h"
#include "sheet/pair_reader.h"
#include "sheet/read_worksheet.h"

using namespace mathsheets;

namespace {

struct PairLines {
  std::vector<std::string> student;
  std::vector<std::string> teacher;
};

// The lines the models of the reader give back, each file's stamp once.
PairLines LinesRead(const std::filesystem::path& student, const std::filesystem::path& teacher) {
  sheet::PairReader reader(student, teacher);
  const sheet::Worksheet preamble = reader.Preamble();
  PairLines lines{sheet::StudentLinesOf(preamble), sheet::TeacherLinesOf(preamble)};
  sheet::Worksheet model;
  while (reader.Next(model)) {
    for (const bool teacherSide : {false, true}) {
      const std::vector<std::string> variant =
          teacherSide ? sheet::TeacherLinesOf(model) : sheet::StudentLinesOf(model);
      std::vector<std::string>& to = teacherSide ? lines.teacher : lines.student;
      fuzz::Check(!variant.empty() && variant.front() == to.front(),
                  "a variant's model lacks its file's stamp");
      to.insert(to.end(), variant.begin() + 1, variant.end());
    }
  }
  return lines;
}

// An empty file reads as one empty stamp line.
std::vector<std::string> AtLeastAStamp(std::vector<std::string> lines) {
  if (lines.empty()) lines.push_back("");
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = bytes.find('\0');
  const std::string_view studentBytes = bytes.substr(0, cut);
  const std::string_view teacherBytes =
      cut == std::string_view::npos ? std::string_view() : bytes.substr(cut + 1);
  const PairLines lines{fuzz::FileLines(studentBytes), fuzz::FileLines(teacherBytes)};

  const sheet::Worksheet whole = sheet::ReadWorksheet(lines.student, lines.teacher);
  fuzz::Check(sheet::StudentLinesOf(whole) == lines.student, "the pair's model loses pupil lines");
  fuzz::Check(sheet::TeacherLinesOf(whole) == lines.teacher,
              "the pair's model loses teacher lines");
  const sheet::PrintLayout layout = fuzz::LayoutOf(bytes);

  const fuzz::MemoryFile student(studentBytes);
  const fuzz::MemoryFile teacher(teacherBytes);
  PairLines read;
  try {
    read = LinesRead(student.path(), teacher.path());
  } catch (const IoError&) {
    // The limits are the file reader's, held to them by the target of a single file; the whole
    // model of what it refused is laid out instead.
    fuzz::CheckLaysOut(whole, layout, size);
    return 0;
  }
  fuzz::Check(read.student == AtLeastAStamp(lines.student),
              "the models do not give the pupil's lines back");
  fuzz::Check(read.teacher == AtLeastAStamp(lines.teacher),
              "the models do not give the teacher's lines back");
  fuzz::Check(fuzz::CheckLaysOutFiles(student.path(), teacher.path(), layout, size, size % 2 == 0),
              "a pair read once is refused the second time");
  return 0;
}
