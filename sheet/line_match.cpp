#include "sheet/line_match.h"

#include <algorithm>

#include "sheet/row_shapes.h"

namespace mathsheets::sheet {

namespace {

constexpr std::string_view kSeparator = " ";
// The fewest blanks a student's line leaves for an answer inside it.
// The common end of the two lines may take one blank of the gap.
constexpr std::size_t kShortestGap = 1;

bool IsLatin(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool AllBlanks(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

LineMatch GapMatch(std::string_view student, std::string_view teacher) {
  const std::size_t shorter = std::min(student.size(), teacher.size());
  std::size_t prefix = 0;
  while (prefix < shorter && student[prefix] == teacher[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < shorter - prefix &&
         student[student.size() - 1 - suffix] == teacher[teacher.size() - 1 - suffix])
    ++suffix;
  if (prefix == 0 || suffix == 0) return {};
  const std::string_view gap = student.substr(prefix, student.size() - prefix - suffix);
  const std::string_view filled = Trimmed(teacher.substr(prefix, teacher.size() - prefix - suffix));
  if (gap.size() < kShortestGap || !AllBlanks(gap) || filled.empty()) return {};
  // An answer stands after an "=", or is the sign between two things compared: other lines that
  // differ in a gap (a numerator line against another exercise's) do not belong together.
  const std::string_view before = student.substr(0, prefix);
  const bool afterEquals = before.find_last_not_of(' ') != std::string_view::npos &&
                           before[before.find_last_not_of(' ')] == '=';
  const bool comparison = filled == "<" || filled == ">" || filled == "=";
  if (!afterEquals && !comparison) return {};
  return {LineMatchKind::Gap, std::string(filled), prefix};
}

// "E  v=" where E holds the letter v once, against E with a number in the letter's place.
LineMatch SolvedMatch(std::string_view student, std::string_view teacher) {
  const std::string_view line = Trimmed(student);
  if (line.size() < 4 || line.back() != '=' || !IsLatin(line[line.size() - 2]) ||
      line[line.size() - 3] != ' ')
    return {};
  const char letter = line[line.size() - 2];
  const std::string_view equation = Trimmed(line.substr(0, line.size() - 2));
  std::size_t at = std::string_view::npos;
  for (std::size_t i = 0; i < equation.size(); ++i) {
    // "82xb": the x before the letter is the times sign.
    const bool timesBefore = i >= 2 && equation[i - 1] == 'x' && IsDigit(equation[i - 2]);
    const bool alone = equation[i] == letter &&
                       (i == 0 || !IsLatin(equation[i - 1]) || timesBefore) &&
                       (i + 1 == equation.size() || !IsLatin(equation[i + 1]));
    if (!alone) continue;
    if (at != std::string_view::npos) return {};
    at = i;
  }
  if (at == std::string_view::npos) return {};
  const std::string_view before = equation.substr(0, at);
  const std::string_view after = equation.substr(at + 1);
  if (teacher.size() <= before.size() + after.size() || !teacher.starts_with(before) ||
      !teacher.ends_with(after))
    return {};
  const std::string_view value =
      teacher.substr(before.size(), teacher.size() - before.size() - after.size());
  if (value.find(' ') != std::string_view::npos) return {};
  return {LineMatchKind::Solved, std::string(value), student.find_last_not_of(' ') + 1};
}

// A line in columns with some cells left blank, against the same line with every cell filled:
// each word of the student's stands at the same column in the teacher's.
LineMatch FilledMatch(std::string_view student, std::string_view teacher) {
  if (teacher.size() < student.size() || !HasColumns(teacher)) return {};
  for (std::size_t k = 0; k < student.size(); ++k)
    if (student[k] != ' ' && teacher[k] != student[k]) return {};
  std::string filled;
  std::size_t firstGap = std::string_view::npos;
  std::size_t i = 0;
  while (i < teacher.size()) {
    if (teacher[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(teacher.find(' ', i), teacher.size());
    const std::string_view word = teacher.substr(i, end - i);
    const std::string_view above = i < student.size() ? student.substr(i, end - i) : "";
    if (above == word && (end >= student.size() || student[end] == ' ')) {
      i = end;
      continue;
    }
    if (!AllBlanks(above)) return {};
    if (firstGap == std::string_view::npos) firstGap = std::min(i, student.size());
    if (!filled.empty()) filled += "  ";
    filled += word;
    i = end;
  }
  if (filled.empty()) return {};
  return {LineMatchKind::Gap, filled, firstGap};
}

}  // namespace

LineMatch MatchLines(std::string_view student, std::string_view teacher) {
  if (student == teacher) return {LineMatchKind::Exact, {}, student.size()};
  if (student.empty() || student == kSeparator || teacher == kSeparator) return {};
  if (teacher.starts_with(student)) {
    const std::string_view answer = Trimmed(teacher.substr(student.size()));
    if (answer.empty()) return {LineMatchKind::Exact, {}, student.size()};
    return {LineMatchKind::Longer, std::string(answer), student.size()};
  }
  if (LineMatch gap = GapMatch(student, teacher); gap.kind != LineMatchKind::None) return gap;
  if (LineMatch filled = FilledMatch(student, teacher); filled.kind != LineMatchKind::None)
    return filled;
  return SolvedMatch(student, teacher);
}

}  // namespace mathsheets::sheet
