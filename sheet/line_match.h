#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mathsheets::sheet {

enum class LineMatchKind {
  None,    // the lines do not belong together
  Exact,   // the same line in both files
  Longer,  // the teacher's line is the student's followed by the answer
  Gap,     // the teacher's line fills a run of blanks of the student's with the answer
  Solved,  // the student's "36+a=88  a=" is the teacher's "36+52=88"
};

struct LineMatch {
  LineMatchKind kind = LineMatchKind::None;
  std::string answer;        // without the blanks around it
  std::size_t answerAt = 0;  // where in the student's line the answer belongs, in bytes
};

LineMatch MatchLines(std::string_view student, std::string_view teacher);

}  // namespace mathsheets::sheet
