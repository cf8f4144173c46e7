#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1251.h"
#include "common/number_text.h"

namespace mathsheets {

class Cp1251FileWriter;

// Where a generator's lines go. Lines are UTF-8 without line ends; the file behind a sink
// encodes them as Windows-1251 and ends each with CR LF.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void WriteLine(std::string_view line) = 0;
  // Writes `line` here and `line` followed by `tail` to `twin`. Files that encode alike override
  // it to encode `line` once and to write the longer line without building it first.
  virtual void WriteLineAndLonger(std::string_view line, LineSink& twin, std::string_view tail) {
    WriteLine(line);
    twin.WriteJoinedLine(line, tail);
  }
  // Writes the line `head` followed by `tail`; a file encodes the two pieces without joining them.
  virtual void WriteJoinedLine(std::string_view head, std::string_view tail) {
    std::string line(head);
    line += tail;
    WriteLine(line);
  }
  // Writes a line already in Windows-1251. A file takes it as it is; other sinks take its text.
  virtual void WriteEncodedLine(std::string_view cp1251) { WriteLine(Cp1251ToUtf8(cp1251)); }
  // The Windows-1251 file behind the sink, if it is one: two such files share the encoding of a
  // line, and asking costs less than a dynamic_cast on every line.
  virtual Cp1251FileWriter* AsCp1251File() { return nullptr; }
};

// The pair of worksheet files open during one run.
struct WorksheetFiles {
  LineSink& StudentFile;
  LineSink& TeacherFile;

  // One exercise line to each file, student first. The teacher line is, as a rule, the student
  // line or the student line and its answer.
  void WriteBoth(std::string_view student, std::string_view teacher) {
    if (teacher.starts_with(student)) {
      StudentFile.WriteLineAndLonger(student, TeacherFile, teacher.substr(student.size()));
    } else {
      StudentFile.WriteLine(student);
      TeacherFile.WriteLine(teacher);
    }
  }

  // One line already in Windows-1251 to each file.
  void WriteBothEncoded(std::string_view line) {
    StudentFile.WriteEncodedLine(line);
    TeacherFile.WriteEncodedLine(line);
  }

  // The line to the student file and the line with its answer appended to the teacher file.
  void WriteWithAnswer(std::string_view line, std::string_view answer) {
    StudentFile.WriteLineAndLonger(line, TeacherFile, answer);
  }
  void WriteWithAnswer(std::string_view line, std::int64_t answer) {
    WriteWithAnswer(line, NumberText(answer));
  }
};

// Collects lines in memory: the preview of one exercise, and the tests.
class MemorySink final : public LineSink {
 public:
  void WriteLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

// Two memory sinks viewed as a worksheet pair.
struct MemoryWorksheet {
  MemorySink student;
  MemorySink teacher;
  WorksheetFiles files{student, teacher};
};

}  // namespace mathsheets
