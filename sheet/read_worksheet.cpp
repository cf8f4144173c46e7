#include "sheet/read_worksheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>

#include "sheet/line_match.h"
#include "sheet/row_shapes.h"

namespace mathsheets::sheet {

namespace {

using Lines = std::span<const std::string>;

constexpr std::string_view kExerciseHeader = "Вариант ";
constexpr std::string_view kProblemHeader = "Вариант № ";
constexpr std::string_view kTaskWords[] = {"Задание ", "Завдання "};
constexpr std::string_view kSeparator = " ";
// How many lines of one file a search for the next matching pair of lines passes over: more
// than any run of lines written differently by one exercise type in a variant.
constexpr std::size_t kLongestDifference = 400;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "word N": the number after the word, or nothing.
std::optional<std::string> NumberAfter(std::string_view line, std::string_view word) {
  if (!line.starts_with(word) || line.size() == word.size()) return std::nullopt;
  const std::string_view number = line.substr(word.size());
  if (!std::all_of(number.begin(), number.end(), IsDigit)) return std::nullopt;
  return std::string(number);
}

std::optional<std::string> HeaderNumber(std::string_view line) {
  if (auto number = NumberAfter(line, kProblemHeader)) return number;
  return NumberAfter(line, kExerciseHeader);
}

std::optional<std::string> TaskNumber(std::string_view line) {
  for (std::string_view word : kTaskWords)
    if (auto number = NumberAfter(line, word)) return number;
  return std::nullopt;
}

struct Section {
  std::string header;  // empty for the lines before the first header
  std::vector<std::string> lines;
};

// The stamp, then the lines before the first header, then one section a variant.
struct SplitFile {
  std::string stamp;
  Section preamble;
  std::vector<Section> variants;
};

SplitFile SplitByHeaders(const std::vector<std::string>& lines) {
  SplitFile file;
  if (lines.empty()) return file;
  file.stamp = lines.front();
  Section* current = &file.preamble;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (HeaderNumber(lines[i])) {
      file.variants.push_back({lines[i], {}});
      current = &file.variants.back();
    } else {
      current->lines.push_back(lines[i]);
    }
  }
  return file;
}

Item TextItem(std::vector<std::string> student, std::vector<std::string> teacher) {
  Item item;
  item.kind = ItemKind::Text;
  for (const std::string& line : student.empty() ? teacher : student)
    if (line != kSeparator) item.task.push_back(TextRow(line));
  item.studentLines = std::move(student);
  item.teacherLines = std::move(teacher);
  return item;
}

// Lines as printed rows: three lines of fractions make one row; separators print nothing.
std::vector<Row> RowsOf(Lines lines) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == kSeparator) continue;
    if (i + 2 < lines.size()) {
      if (auto row = ReadFractionRow(lines[i], lines[i + 1], lines[i + 2])) {
        rows.push_back(std::move(*row));
        i += 2;
        continue;
      }
    }
    rows.push_back(TextRow(lines[i]));
  }
  return rows;
}

Piece AnswerPiece() {
  return {PieceKind::Answer, {}, {}};
}

void DropEdgeSpace(std::vector<Piece>& pieces) {
  while (!pieces.empty() && pieces.back().kind == PieceKind::Space) pieces.pop_back();
  while (!pieces.empty() && pieces.front().kind == PieceKind::Space) pieces.erase(pieces.begin());
}

// The pieces after the last "=" of a row, or nothing when it has none.
std::optional<Row> AfterLastEquals(const Row& row) {
  for (std::size_t i = row.pieces.size(); i-- > 0;) {
    const Piece& piece = row.pieces[i];
    if (piece.kind == PieceKind::Operator && piece.text == "=") {
      Row answer{{row.pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1, row.pieces.end()},
                 false};
      DropEdgeSpace(answer.pieces);
      if (answer.pieces.empty()) return std::nullopt;
      return answer;
    }
  }
  return std::nullopt;
}

void AddAnswerPlace(Item& item) {
  if (item.task.empty()) item.task.emplace_back();
  std::vector<Piece>& last = item.task.back().pieces;
  DropEdgeSpace(last);
  last.push_back(AnswerPiece());
}

// What a teacher's row adds to the student's: one run of pieces, blanks aside, and where it goes.
struct Insertion {
  std::size_t at = 0;  // a place among the student row's pieces
  Row pieces;
};

std::optional<Insertion> InsertedPieces(const Row& student, const Row& teacher) {
  const auto solid = [](const Row& row) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < row.pieces.size(); ++i)
      if (row.pieces[i].kind != PieceKind::Space) at.push_back(i);
    return at;
  };
  const std::vector<std::size_t> a = solid(student);
  const std::vector<std::size_t> b = solid(teacher);
  if (b.size() <= a.size()) return std::nullopt;
  std::size_t prefix = 0;
  while (prefix < a.size() && student.pieces[a[prefix]] == teacher.pieces[b[prefix]]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix &&
         student.pieces[a[a.size() - 1 - suffix]] == teacher.pieces[b[b.size() - 1 - suffix]])
    ++suffix;
  if (prefix + suffix != a.size()) return std::nullopt;
  const std::size_t first = b[prefix];
  const std::size_t last = b[b.size() - 1 - suffix];
  Insertion insertion{prefix == 0 ? 0 : a[prefix - 1] + 1,
                      {{teacher.pieces.begin() + static_cast<std::ptrdiff_t>(first),
                        teacher.pieces.begin() + static_cast<std::ptrdiff_t>(last) + 1},
                       false}};
  if (prefix == a.size()) insertion.at = student.pieces.size();
  return insertion;
}

// A teacher's row that is only the task's last row with its answer filled in says nothing more:
// "90/735 = 6/49" under "90/735 = ___".
void DropSolutionThatRepeatsTheTask(Item& item) {
  if (item.solution.size() != 1 || item.task.empty()) return;
  Row filled;
  for (const Piece& piece : item.task.back().pieces) {
    if (piece.kind == PieceKind::Answer) {
      filled.pieces.insert(filled.pieces.end(), item.answer.pieces.begin(),
                           item.answer.pieces.end());
    } else {
      filled.pieces.push_back(piece);
    }
  }
  if (SameMaths(filled, item.solution.front())) item.solution.clear();
}

// "Среднее арифметическое чисел: 9 83 ... 89 x" solved by the teacher's row "9 83 ... 89 5=49":
// the answer is the number that stands where the task has its letter, not the mean after "=".
void AnswerTheFilledLetter(Item& item) {
  if (item.solution.empty()) return;
  const auto sameNumber = [](std::string a, std::string b) {
    std::replace(a.begin(), a.end(), ',', '.');
    std::replace(b.begin(), b.end(), ',', '.');
    return a == b;
  };
  std::vector<const Piece*> filled;
  for (const Piece& piece : item.solution.back().pieces) {
    if (piece.kind == PieceKind::Operator && piece.text == "=") break;
    if (piece.kind == PieceKind::Number) filled.push_back(&piece);
  }
  for (const Row& row : item.task) {
    std::vector<const Piece*> listed;
    for (const Piece& piece : row.pieces)
      if (piece.kind == PieceKind::Number || piece.kind == PieceKind::Letter)
        listed.push_back(&piece);
    if (listed.size() != filled.size() || listed.size() < 2) continue;
    const Piece* found = nullptr;
    bool same = true;
    for (std::size_t i = 0; i < listed.size() && same; ++i) {
      if (listed[i]->kind == PieceKind::Letter) {
        same = found == nullptr;
        found = filled[i];
      } else {
        same = sameNumber(listed[i]->text, filled[i]->text);
      }
    }
    if (same && found != nullptr) {
      item.answer = Row{{*found}, false};
      return;
    }
  }
}

// The pairs of lines of one variant, in order, and the lines only one file has.
struct Step {
  std::optional<std::size_t> student;
  std::optional<std::size_t> teacher;
  LineMatch match;
};

// A match that may end a run of differing lines: a line of digits or a separator matches in
// passing too often, so it needs the pair after it to match as well.
bool IsSyncPoint(Lines student, Lines teacher, std::size_t i, std::size_t j) {
  if (MatchLines(student[i], teacher[j]).kind == LineMatchKind::None) return false;
  // A lone number that both files write alike ends a difference; a row of numbers in columns
  // may be a numerator line that both files share.
  const std::string& line = student[i];
  const bool plain = line.find_first_not_of("0123456789 ") == std::string::npos;
  // A bar line of a fraction, dashes and signs without a digit, is as weak.
  const bool bars = line.find_first_of("0123456789") == std::string::npos &&
                    line.find_first_not_of(" -+=:<>|()x") == std::string::npos;
  if (!plain && !bars) return true;
  if (plain && line == teacher[j] && line.find("  ") == std::string::npos && line != kSeparator)
    return true;
  if (i + 1 == student.size() && j + 1 == teacher.size()) return true;
  return i + 1 < student.size() && j + 1 < teacher.size() &&
         MatchLines(student[i + 1], teacher[j + 1]).kind != LineMatchKind::None;
}

std::vector<Step> AlignLines(Lines student, Lines teacher) {
  std::vector<Step> steps;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < student.size() || j < teacher.size()) {
    if (i < student.size() && j < teacher.size()) {
      LineMatch match = MatchLines(student[i], teacher[j]);
      if (match.kind != LineMatchKind::None) {
        steps.push_back({i++, j++, std::move(match)});
        continue;
      }
    }
    // The nearest pair that matches again, passing over as few lines as possible, the teacher's
    // first (an answer written on a line of its own).
    std::optional<std::pair<std::size_t, std::size_t>> sync;
    const std::size_t studentLeft = student.size() - i;
    const std::size_t teacherLeft = teacher.size() - j;
    for (std::size_t passed = 1; !sync && passed <= 2 * kLongestDifference; ++passed) {
      for (std::size_t b = std::min(passed, kLongestDifference) + 1; b-- > 0;) {
        const std::size_t a = passed - b;
        if (a > kLongestDifference || a >= studentLeft || b >= teacherLeft) continue;
        if (IsSyncPoint(student, teacher, i + a, j + b)) {
          sync = {{a, b}};
          break;
        }
      }
    }
    const std::size_t studentPassed = sync ? sync->first : studentLeft;
    const std::size_t teacherPassed = sync ? sync->second : teacherLeft;
    for (std::size_t k = 0; k < studentPassed; ++k) steps.push_back({i++, std::nullopt, {}});
    for (std::size_t k = 0; k < teacherPassed; ++k) steps.push_back({std::nullopt, j++, {}});
  }
  return steps;
}

// Splits lines into groups that each end with a separator line.
std::vector<std::vector<std::string>> GroupsEndingInSeparators(
    const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> groups(1);
  for (const std::string& line : lines) {
    groups.back().push_back(line);
    if (line == kSeparator) groups.emplace_back();
  }
  if (groups.back().empty()) groups.pop_back();
  return groups;
}

std::vector<std::vector<std::string>> EvenGroups(const std::vector<std::string>& lines,
                                                 std::size_t count) {
  std::vector<std::vector<std::string>> groups(count);
  const std::size_t each = lines.size() / count;
  for (std::size_t k = 0; k < lines.size(); ++k) groups[k / each].push_back(lines[k]);
  return groups;
}

// The numbers a line holds, as texts: what the two files' lines of one exercise share.
std::vector<std::string> NumbersOf(std::string_view line) {
  std::vector<std::string> numbers;
  for (std::size_t i = 0; i < line.size();) {
    if (!IsDigit(line[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < line.size() &&
           (IsDigit(line[end]) || ((line[end] == ',' || line[end] == '.') &&
                                   end + 1 < line.size() && IsDigit(line[end + 1]))))
      ++end;
    numbers.emplace_back(line.substr(i, end - i));
    i = end;
  }
  return numbers;
}

using Groups = std::vector<std::vector<std::string>>;

// The largest partition worth searching: lines squared times exercises.
constexpr std::size_t kLargestPartition = 4'000'000;

// Cuts `lines` into as many runs as `units`, one a unit, in order, so that each run shares as many
// numbers with its unit as it can; between equals, a run that ends with a separator, then runs
// of even length. Nothing when there are fewer lines than units or too many to search.
std::optional<Groups> PartitionByNumbers(const std::vector<std::string>& lines,
                                         const Groups& units) {
  const std::size_t n = lines.size();
  const std::size_t m = units.size();
  if (m == 0 || n < m || n * n * m > kLargestPartition) return std::nullopt;
  // Numbers as small integers, counted per unit.
  std::vector<std::string> vocabulary;
  const auto id = [&vocabulary](const std::string& number) {
    auto it = std::find(vocabulary.begin(), vocabulary.end(), number);
    if (it != vocabulary.end()) return static_cast<std::size_t>(it - vocabulary.begin());
    vocabulary.push_back(number);
    return vocabulary.size() - 1;
  };
  std::vector<std::vector<std::size_t>> lineNumbers(n);
  for (std::size_t i = 0; i < n; ++i)
    for (const std::string& number : NumbersOf(lines[i])) lineNumbers[i].push_back(id(number));
  std::vector<std::vector<int>> unitCounts(m);
  for (std::size_t k = 0; k < m; ++k)
    for (const std::string& line : units[k])
      for (const std::string& number : NumbersOf(line)) {
        const std::size_t t = id(number);
        if (unitCounts[k].size() <= t) unitCounts[k].resize(t + 1);
        ++unitCounts[k][t];
      }
  constexpr std::int64_t kShared = 1000;
  constexpr std::int64_t kEndsWithSeparator = 500;
  constexpr std::int64_t kUnreachable = std::numeric_limits<std::int64_t>::min();
  // best[k][i]: the best score of the first k units over the first i lines.
  std::vector<std::vector<std::int64_t>> best(m + 1,
                                              std::vector<std::int64_t>(n + 1, kUnreachable));
  std::vector<std::vector<std::size_t>> cut(m + 1, std::vector<std::size_t>(n + 1, 0));
  best[0][0] = 0;
  std::vector<int> counts;
  for (std::size_t k = 1; k <= m; ++k) {
    const std::vector<int>& unit = unitCounts[k - 1];
    for (std::size_t j = k - 1; j + (m - k) < n; ++j) {
      if (best[k - 1][j] == kUnreachable) continue;
      counts.assign(vocabulary.size(), 0);
      std::int64_t shared = 0;
      for (std::size_t i = j + 1; i + (m - k) <= n; ++i) {
        for (std::size_t t : lineNumbers[i - 1])
          if (++counts[t] <= (t < unit.size() ? unit[t] : 0)) ++shared;
        const std::int64_t uneven =
            std::abs(static_cast<std::int64_t>((i - j) * m) - static_cast<std::int64_t>(n));
        const std::int64_t score = best[k - 1][j] + kShared * shared - uneven +
                                   (lines[i - 1] == kSeparator ? kEndsWithSeparator : 0);
        if (score > best[k][i]) {
          best[k][i] = score;
          cut[k][i] = j;
        }
      }
    }
  }
  if (best[m][n] == kUnreachable) return std::nullopt;
  Groups groups(m);
  for (std::size_t k = m, i = n; k > 0; --k) {
    const std::size_t j = cut[k][i];
    groups[k - 1].assign(lines.begin() + static_cast<std::ptrdiff_t>(j),
                         lines.begin() + static_cast<std::ptrdiff_t>(i));
    i = j;
  }
  return groups;
}

// The exercises a run of differing lines holds: the side with fewer exercises gives them, by its
// separators or else a line each, and the other side's lines are cut to match.
std::pair<Groups, Groups> PairGroups(const std::vector<std::string>& student,
                                     const std::vector<std::string>& teacher) {
  const auto units = [](const std::vector<std::string>& lines) {
    const bool separated = std::find(lines.begin(), lines.end(), kSeparator) != lines.end();
    return separated ? GroupsEndingInSeparators(lines) : EvenGroups(lines, lines.size());
  };
  const Groups teacherUnits = units(teacher);
  if (auto studentGroups = PartitionByNumbers(student, teacherUnits))
    return {std::move(*studentGroups), teacherUnits};
  const Groups studentUnits = units(student);
  if (auto teacherGroups = PartitionByNumbers(teacher, studentUnits))
    return {studentUnits, std::move(*teacherGroups)};
  return {{student}, {teacher}};
}

// A line that waits for the exercise it introduces; an instruction may stand in one file only.
struct ContextLine {
  std::optional<std::string> student;
  std::optional<std::string> teacher;
};

// Builds the items of one variant of exercises from its aligned lines.
class ExerciseReader {
 public:
  ExerciseReader(Lines student, Lines teacher)
      : student_(student), teacher_(teacher), steps_(AlignLines(student, teacher)) {}

  std::vector<Item> Read() {
    std::size_t k = 0;
    while (k < steps_.size()) k = BothAt(k) ? ReadMatched(k) : ReadDiffering(k);
    FlushContext();
    return std::move(items_);
  }

 private:
  bool BothAt(std::size_t k) const {
    return k < steps_.size() && steps_[k].student && steps_[k].teacher;
  }
  const std::string& StudentLine(std::size_t k) const { return student_[*steps_[k].student]; }
  const std::string& TeacherLine(std::size_t k) const { return teacher_[*steps_[k].teacher]; }

  // Lines that introduced no exercise stand as they are.
  void FlushContext() {
    for (ContextLine& line : context_) {
      std::vector<std::string> student;
      std::vector<std::string> teacher;
      if (line.student) student.push_back(std::move(*line.student));
      if (line.teacher) teacher.push_back(std::move(*line.teacher));
      items_.push_back(TextItem(std::move(student), std::move(teacher)));
    }
    context_.clear();
  }

  Item ExerciseFromContext() {
    Item item;
    item.kind = ItemKind::Exercise;
    for (ContextLine& line : context_) {
      if (line.student) item.studentLines.push_back(std::move(*line.student));
      if (line.teacher) item.teacherLines.push_back(std::move(*line.teacher));
    }
    item.task = RowsOf(item.studentLines);
    context_.clear();
    return item;
  }

  // A separator after an exercise belongs to it.
  void TakeSeparator(std::size_t& k) {
    if (BothAt(k) && StudentLine(k) == kSeparator && TeacherLine(k) == kSeparator &&
        context_.empty() && !items_.empty()) {
      items_.back().studentLines.push_back(StudentLine(k));
      items_.back().teacherLines.push_back(TeacherLine(k));
      ++k;
    }
  }

  std::size_t ReadMatched(std::size_t k) {
    if (BothAt(k + 1) && BothAt(k + 2)) {
      if (auto fraction = ReadFractionRow(StudentLine(k), StudentLine(k + 1), StudentLine(k + 2))) {
        ReadFractionExercise(k, std::move(*fraction));
        k += 3;
        TakeSeparator(k);
        return k;
      }
    }
    const Step& step = steps_[k];
    if (step.match.kind == LineMatchKind::Exact) {
      const std::size_t before = k;
      TakeSeparator(k);
      if (k == before) context_.push_back({StudentLine(k), TeacherLine(k++)});
      return k;
    }
    Item item = ExerciseFromContext();
    const std::string& line = StudentLine(k);
    Row row = TextRow(std::string_view(line).substr(0, step.match.answerAt));
    DropEdgeSpace(row.pieces);
    row.pieces.push_back(AnswerPiece());
    if (step.match.answerAt < line.size()) {
      Row rest = TextRow(std::string_view(line).substr(step.match.answerAt));
      row.pieces.insert(row.pieces.end(), rest.pieces.begin(), rest.pieces.end());
    }
    row.columns = HasColumns(line);
    item.task.push_back(std::move(row));
    item.answer = TextRow(step.match.answer);
    item.studentLines.push_back(line);
    item.teacherLines.push_back(TeacherLine(k));
    items_.push_back(std::move(item));
    ++k;
    TakeSeparator(k);
    return k;
  }

  void ReadFractionExercise(std::size_t k, Row studentRow) {
    Item item = ExerciseFromContext();
    std::vector<std::string> teacherLines;
    for (std::size_t n = 0; n < 3; ++n) {
      item.studentLines.push_back(StudentLine(k + n));
      teacherLines.push_back(TeacherLine(k + n));
    }
    std::optional<Row> teacherRow =
        ReadFractionRow(teacherLines[0], teacherLines[1], teacherLines[2]);
    // The teacher's row is the student's with the answer's columns added, mostly at its end.
    std::optional<Insertion> answer;
    if (teacherRow) answer = InsertedPieces(studentRow, *teacherRow);
    // Only the bar line grew: the answer is written on it as a number ("=0,(3449)").
    if (!answer && steps_[k].match.kind == LineMatchKind::Exact &&
        steps_[k + 2].match.kind == LineMatchKind::Exact &&
        steps_[k + 1].match.kind == LineMatchKind::Longer)
      answer = Insertion{studentRow.pieces.size(), TextRow(steps_[k + 1].match.answer)};
    item.task.push_back(std::move(studentRow));
    if (answer) {
      item.answer = std::move(answer->pieces);
      std::vector<Piece>& pieces = item.task.back().pieces;
      if (answer->at >= pieces.size()) {
        AddAnswerPlace(item);
      } else {
        pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(answer->at), AnswerPiece());
      }
    } else if (teacherLines !=
               std::vector<std::string>(item.studentLines.end() - 3, item.studentLines.end())) {
      item.solution = RowsOf(teacherLines);
      AddAnswerPlace(item);
      if (!item.solution.empty())
        if (auto last = AfterLastEquals(item.solution.back())) item.answer = std::move(*last);
      AnswerTheFilledLetter(item);
    }
    item.teacherLines.insert(item.teacherLines.end(), teacherLines.begin(), teacherLines.end());
    items_.push_back(std::move(item));
  }

  // A run of lines that only one file has, or that the two files write differently.
  std::size_t ReadDiffering(std::size_t k) {
    std::vector<std::string> studentOnly;
    std::vector<std::string> teacherOnly;
    while (k < steps_.size() && !BothAt(k)) {
      if (steps_[k].student) studentOnly.push_back(student_[*steps_[k].student]);
      if (steps_[k].teacher) teacherOnly.push_back(teacher_[*steps_[k].teacher]);
      ++k;
    }
    // Separators only one file has close the exercise before them.
    const auto allSeparators = [](const std::vector<std::string>& lines) {
      return std::all_of(lines.begin(), lines.end(),
                         [](const std::string& line) { return line == kSeparator; });
    };
    if (!items_.empty() && context_.empty() && !studentOnly.empty() && !teacherOnly.empty()) {
      std::vector<std::string>* separators = allSeparators(teacherOnly)   ? &teacherOnly
                                             : allSeparators(studentOnly) ? &studentOnly
                                                                          : nullptr;
      if (separators != nullptr) {
        std::vector<std::string>& into =
            separators == &teacherOnly ? items_.back().teacherLines : items_.back().studentLines;
        into.insert(into.end(), separators->begin(), separators->end());
        separators->clear();
      }
    }
    if (studentOnly.empty() && teacherOnly.empty()) return k;
    if (teacherOnly.empty()) {
      // Lines only the student's file has lead into the exercise after them, like an
      // instruction the teacher's file leaves out; before anything else they stand alone.
      const bool answerFollows =
          BothAt(k) && (steps_[k].match.kind != LineMatchKind::Exact || StartsFraction(k));
      if (!answerFollows) FlushContext();
      for (std::string& line : studentOnly) context_.push_back({std::move(line), std::nullopt});
      if (!answerFollows) FlushContext();
      return k;
    }
    if (studentOnly.empty()) {
      if (!context_.empty()) {
        AnswerContext(teacherOnly);
      } else if (!items_.empty()) {
        // More of the teacher's lines after a whole exercise: its solution goes on.
        Item& last = items_.back();
        last.teacherLines.insert(last.teacherLines.end(), teacherOnly.begin(), teacherOnly.end());
        for (Row& row : RowsOf(teacherOnly)) last.solution.push_back(std::move(row));
      } else {
        items_.push_back(TextItem({}, std::move(teacherOnly)));
      }
      return k;
    }
    // Lines waiting before the run whose answer opens the teacher's side of it: the teacher's
    // lines with numbers before the one that the student's first line with a number begins or
    // matches, where the run's first exercise starts; a row of numbers in columns is an answer
    // even when its first number happens to begin that line.
    if (!context_.empty()) {
      const auto firstNumbered =
          std::find_if(studentOnly.begin(), studentOnly.end(),
                       [](const std::string& line) { return !NumbersOf(line).empty(); });
      const auto answerRow = [](const std::string& line) {
        return line.find_first_not_of("0123456789 ,.") == std::string::npos && HasColumns(line);
      };
      std::size_t lead = 0;
      while (firstNumbered != studentOnly.end() && lead < teacherOnly.size() &&
             teacherOnly[lead] != kSeparator && !NumbersOf(teacherOnly[lead]).empty() &&
             (answerRow(teacherOnly[lead]) ||
              MatchLines(*firstNumbered, teacherOnly[lead]).kind == LineMatchKind::None))
        ++lead;
      if (lead > 0 && lead < teacherOnly.size()) {
        AnswerContext(
            {teacherOnly.begin(), teacherOnly.begin() + static_cast<std::ptrdiff_t>(lead)});
        teacherOnly.erase(teacherOnly.begin(),
                          teacherOnly.begin() + static_cast<std::ptrdiff_t>(lead));
      }
    }
    // An instruction at the end belongs to the exercise after the run.
    std::vector<std::string> carried;
    while (k < steps_.size() && studentOnly.size() > 1 &&
           studentOnly.back().find_first_of("0123456789") == std::string::npos &&
           studentOnly.back() != kSeparator) {
      carried.insert(carried.begin(), std::move(studentOnly.back()));
      studentOnly.pop_back();
    }
    PairDiffering(studentOnly, teacherOnly);
    for (std::string& line : carried) context_.push_back({std::move(line), std::nullopt});
    return k;
  }

  // An answer on lines of its own after the exercise's lines.
  void AnswerContext(const std::vector<std::string>& answerLines) {
    Item item = ExerciseFromContext();
    AddAnswerPlace(item);
    std::vector<Row> rows = RowsOf(answerLines);
    item.teacherLines.insert(item.teacherLines.end(), answerLines.begin(), answerLines.end());
    if (rows.size() == 1) {
      item.answer = std::move(rows.front());
      DropEdgeSpace(item.answer.pieces);
    } else {
      item.solution = std::move(rows);
    }
    items_.push_back(std::move(item));
  }

  bool StartsFraction(std::size_t k) const {
    return BothAt(k + 1) && BothAt(k + 2) &&
           ReadFractionRow(StudentLine(k), StudentLine(k + 1), StudentLine(k + 2)).has_value();
  }

  // Both files write the same exercises differently: as many groups of lines on each side as
  // there are exercises, each group of the student's paired with one of the teacher's.
  void PairDiffering(const std::vector<std::string>& studentOnly,
                     const std::vector<std::string>& teacherOnly) {
    auto [studentGroups, teacherGroups] = PairGroups(studentOnly, teacherOnly);
    for (std::size_t g = 0; g < studentGroups.size(); ++g) {
      Item item = ExerciseFromContext();
      for (Row& row : RowsOf(studentGroups[g])) item.task.push_back(std::move(row));
      std::vector<Row> rows = RowsOf(teacherGroups[g]);
      item.studentLines.insert(item.studentLines.end(), studentGroups[g].begin(),
                               studentGroups[g].end());
      item.teacherLines.insert(item.teacherLines.end(), teacherGroups[g].begin(),
                               teacherGroups[g].end());
      if (!rows.empty()) {
        AddAnswerPlace(item);
        if (auto answer = AfterLastEquals(rows.back())) {
          item.answer = std::move(*answer);
          item.solution = std::move(rows);
          AnswerTheFilledLetter(item);
          DropSolutionThatRepeatsTheTask(item);
        } else {
          item.answer = std::move(rows.back());
          DropEdgeSpace(item.answer.pieces);
          rows.pop_back();
          item.solution = std::move(rows);
        }
      }
      items_.push_back(std::move(item));
    }
  }

  Lines student_;
  Lines teacher_;
  std::vector<Step> steps_;
  std::vector<Item> items_;
  std::vector<ContextLine> context_;
};

// Splits the lines of a variant of word problems at their task lines.
std::vector<Section> SplitAtTasks(Lines lines) {
  std::vector<Section> groups;
  for (const std::string& line : lines) {
    if (TaskNumber(line) || groups.empty()) groups.push_back({TaskNumber(line) ? line : "", {}});
    if (TaskNumber(line)) continue;
    groups.back().lines.push_back(line);
  }
  return groups;
}

std::vector<std::string> WithHeader(const Section& section) {
  std::vector<std::string> lines;
  if (!section.header.empty()) lines.push_back(section.header);
  lines.insert(lines.end(), section.lines.begin(), section.lines.end());
  return lines;
}

Item ProblemItem(const Section& student, const Section& teacher) {
  Item item;
  item.kind = student.header.empty() ? ItemKind::Text : ItemKind::Problem;
  item.studentLines = WithHeader(student);
  item.teacherLines = WithHeader(teacher);
  if (auto number = TaskNumber(student.header)) item.taskNumber = *number;
  std::vector<std::string> told = student.lines;
  while (!told.empty() && told.back() == kSeparator) told.pop_back();
  for (const std::string& line : told) item.task.push_back(TextRow(line));
  const bool sameStory = teacher.lines.size() >= told.size() &&
                         std::equal(told.begin(), told.end(), teacher.lines.begin());
  std::vector<std::string> answerLines;
  if (sameStory) {
    answerLines.assign(teacher.lines.begin() + static_cast<std::ptrdiff_t>(told.size()),
                       teacher.lines.end());
    while (!answerLines.empty() && answerLines.back() == kSeparator) answerLines.pop_back();
  }
  if (sameStory && answerLines.size() == 1) {
    item.answer = TextRow(answerLines.front());
  } else if (!sameStory || !answerLines.empty()) {
    item.solution = RowsOf(sameStory ? answerLines : teacher.lines);
  }
  return item;
}

// Pairs sections of the two files by their first line, in order; a section only one file has
// stays on its own.
// Two sections belong together when their first lines are the same, or the same task number
// (a problem told in Ukrainian has its task line in Ukrainian in the student's file only).
bool SameSection(const Section& a, const Section& b) {
  if (a.header == b.header) return true;
  const auto task = TaskNumber(a.header);
  return task && task == TaskNumber(b.header);
}

template <typename Pair, typename Alone>
void PairSections(const std::vector<Section>& student, const std::vector<Section>& teacher,
                  Pair pair, Alone alone) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < student.size() || j < teacher.size()) {
    if (i < student.size() && j < teacher.size() && SameSection(student[i], teacher[j])) {
      pair(student[i++], teacher[j++]);
      continue;
    }
    const bool studentAhead =
        i < student.size() &&
        std::any_of(teacher.begin() + static_cast<std::ptrdiff_t>(j), teacher.end(),
                    [&](const Section& s) { return SameSection(student[i], s); });
    if (j < teacher.size() && (studentAhead || i == student.size())) {
      alone(nullptr, &teacher[j++]);
    } else {
      alone(&student[i++], nullptr);
    }
  }
}

std::vector<Item> ReadProblems(Lines student, Lines teacher) {
  std::vector<Item> items;
  PairSections(
      SplitAtTasks(student), SplitAtTasks(teacher),
      [&items](const Section& s, const Section& t) { items.push_back(ProblemItem(s, t)); },
      [&items](const Section* s, const Section* t) {
        items.push_back(TextItem(s ? WithHeader(*s) : std::vector<std::string>{},
                                 t ? WithHeader(*t) : std::vector<std::string>{}));
      });
  return items;
}

std::vector<Item> ReadItems(Lines student, Lines teacher, bool wordProblems) {
  if (wordProblems) return ReadProblems(student, teacher);
  return ExerciseReader(student, teacher).Read();
}

// A student's file alone: each line, or three lines of fractions, an item of its own; one that
// ends in "=" is an exercise with its answer's place after the "=".
std::vector<Item> StudentItems(Lines lines) {
  std::vector<Item> items;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == kSeparator && !items.empty()) {
      items.back().studentLines.push_back(lines[i]);
      continue;
    }
    const std::size_t taken =
        i + 2 < lines.size() && ReadFractionRow(lines[i], lines[i + 1], lines[i + 2]) ? 3 : 1;
    Item item = TextItem({lines.begin() + static_cast<std::ptrdiff_t>(i),
                          lines.begin() + static_cast<std::ptrdiff_t>(i + taken)},
                         {});
    item.task = RowsOf(item.studentLines);
    i += taken - 1;
    if (!item.task.empty()) {
      const std::vector<Piece>& last = item.task.back().pieces;
      auto it = std::find_if(last.rbegin(), last.rend(),
                             [](const Piece& p) { return p.kind != PieceKind::Space; });
      if (it != last.rend() && it->kind == PieceKind::Operator && it->text == "=") {
        item.kind = ItemKind::Exercise;
        AddAnswerPlace(item);
      }
    }
    items.push_back(std::move(item));
  }
  return items;
}

std::string NumberOfHeader(const std::string& header) {
  return HeaderNumber(header).value_or(std::string());
}

}  // namespace

bool IsVariantHeader(std::string_view line) {
  return HeaderNumber(line).has_value();
}

Worksheet ReadWorksheet(const std::vector<std::string>& studentLines,
                        const std::vector<std::string>& teacherLines) {
  const SplitFile student = SplitByHeaders(studentLines);
  const SplitFile teacher = SplitByHeaders(teacherLines);
  Worksheet sheet;
  sheet.hasStudent = !studentLines.empty();
  sheet.hasTeacher = !teacherLines.empty();
  sheet.studentStamp = student.stamp;
  sheet.teacherStamp = teacher.stamp;
  const auto isProblems = [](const SplitFile& file) {
    return !file.variants.empty() && file.variants.front().header.starts_with(kProblemHeader);
  };
  sheet.wordProblems = isProblems(student) || (student.variants.empty() && isProblems(teacher));
  sheet.preamble = ReadItems(student.preamble.lines, teacher.preamble.lines, false);
  PairSections(
      student.variants, teacher.variants,
      [&](const Section& s, const Section& t) {
        sheet.variants.push_back({NumberOfHeader(s.header), s.header, t.header,
                                  ReadItems(s.lines, t.lines, sheet.wordProblems)});
      },
      [&](const Section* s, const Section* t) {
        const Section& section = s ? *s : *t;
        Variant variant{NumberOfHeader(section.header), s ? s->header : "", t ? t->header : "", {}};
        for (const std::string& line : section.lines)
          variant.items.push_back(s ? TextItem({line}, {}) : TextItem({}, {line}));
        sheet.variants.push_back(std::move(variant));
      });
  return sheet;
}

Worksheet ReadStudentWorksheet(const std::vector<std::string>& studentLines) {
  const SplitFile student = SplitByHeaders(studentLines);
  Worksheet sheet;
  sheet.hasStudent = !studentLines.empty();
  sheet.studentStamp = student.stamp;
  sheet.wordProblems =
      !student.variants.empty() && student.variants.front().header.starts_with(kProblemHeader);
  sheet.preamble = StudentItems(student.preamble.lines);
  for (const Section& section : student.variants) {
    Variant variant{NumberOfHeader(section.header), section.header, "", {}};
    if (sheet.wordProblems) {
      variant.items = ReadProblems(section.lines, section.lines);
      for (Item& item : variant.items) {
        item.teacherLines.clear();
        item.answer = {};
        item.solution.clear();
      }
    } else {
      variant.items = StudentItems(section.lines);
    }
    sheet.variants.push_back(std::move(variant));
  }
  return sheet;
}

namespace {

std::vector<std::string> LinesOf(const Worksheet& sheet, bool teacher) {
  std::vector<std::string> lines;
  const auto add = [&lines, teacher](const std::vector<Item>& items) {
    for (const Item& item : items) {
      const std::vector<std::string>& from = teacher ? item.teacherLines : item.studentLines;
      lines.insert(lines.end(), from.begin(), from.end());
    }
  };
  const std::string& stamp = teacher ? sheet.teacherStamp : sheet.studentStamp;
  if (!(teacher ? sheet.hasTeacher : sheet.hasStudent)) return lines;
  lines.push_back(stamp);
  add(sheet.preamble);
  for (const Variant& variant : sheet.variants) {
    const std::string& header = teacher ? variant.teacherHeader : variant.studentHeader;
    if (!header.empty()) lines.push_back(header);
    add(variant.items);
  }
  return lines;
}

}  // namespace

std::vector<std::string> StudentLinesOf(const Worksheet& sheet) {
  return LinesOf(sheet, false);
}
std::vector<std::string> TeacherLinesOf(const Worksheet& sheet) {
  return LinesOf(sheet, true);
}

}  // namespace mathsheets::sheet
