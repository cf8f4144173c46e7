// The model read from a generated pair must give both files back line for line, and the answers it
// finds must be the values of the exercises it read, computed here with exact fractions.
#include "sheet/read_worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/random.h"
#include "generators/main_module.h"
#include "sheet/row_shapes.h"
#include "shell/catalog.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "testing/memory_runs.h"
#include "testing/rational.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_module.h"
#include "wordproblems/problem_run.h"

namespace mathsheets::sheet {
namespace {

using testing::Rational;


using Pair = testing::RunLines;

Pair MainRun(std::uint64_t seed, const std::vector<std::pair<int, int>>& counts, int variants,
             int level) {
  return testing::MainRunLines(seed, counts, variants, level);
}

Pair ProblemRun(std::uint64_t seed, const std::vector<int>& indexes, int variants) {
  return testing::ProblemRunLines(seed, indexes, variants);
}

// Every exercise and problem of a generated pair has an answer the model found.
std::string Unanswered(const Worksheet& sheet) {
  std::string found;
  for (const Variant& variant : sheet.variants)
    for (const Item& item : variant.items) {
      const bool answered = !item.answer.pieces.empty() || !item.solution.empty();
      if (item.kind == ItemKind::Text || !answered)
        found += (item.studentLines.empty() ? item.teacherLines : item.studentLines).front() + "\n";
    }
  return found;
}

// The numbers of rows, as texts.
std::vector<std::string> NumbersOfRows(const std::vector<Row>& rows) {
  std::vector<std::string> numbers;
  for (const Row& row : rows)
    for (const Piece& piece : row.pieces)
      if (piece.kind == PieceKind::Number) numbers.push_back(piece.text);
  return numbers;
}

// A teacher's solution rows paired with the wrong exercise share none of its numbers.
std::string MispairedSolutions(const Worksheet& sheet) {
  std::string found;
  for (const Variant& variant : sheet.variants)
    for (const Item& item : variant.items) {
      if (item.solution.empty()) continue;
      const std::vector<std::string> task = NumbersOfRows(item.task);
      const std::vector<std::string> solution = NumbersOfRows(item.solution);
      const bool shared = std::any_of(task.begin(), task.end(), [&](const std::string& n) {
        return std::find(solution.begin(), solution.end(), n) != solution.end();
      });
      if (!shared && !task.empty()) found += item.studentLines.front() + "\n";
    }
  return found;
}

void ExpectReadsBack(const Pair& pair, const std::string& what) {
  const Worksheet sheet = ReadWorksheet(pair.student, pair.teacher);
  EXPECT_EQ(StudentLinesOf(sheet), pair.student) << what;
  EXPECT_EQ(TeacherLinesOf(sheet), pair.teacher) << what;
  EXPECT_EQ(Unanswered(sheet), "") << what;
  EXPECT_EQ(MispairedSolutions(sheet), "") << what;
}

TEST(ReadWorksheet, EveryTypeAtEveryLevelReadsBackToBothFilesWithItsAnswers) {
  for (const TaskKind& kind : kTaskCatalog)
    for (int level = 0; level < 6; ++level)
      ExpectReadsBack(MainRun(1000 + static_cast<std::uint64_t>(kind.Number * 10 + level),
                              {{kind.Number, 1 + level % 3}}, 3, level),
                      std::string(kind.Caption) + " at level " + std::to_string(level));
}

TEST(ReadWorksheet, AllTypesInOneVariantReadBackToBothFiles) {
  // Neighbours of every kind, a type written three ways beside another written two ways.
  for (int round = 0; round < 48; ++round) {
    const int level = round % 6;
    std::vector<std::pair<int, int>> all;
    for (const TaskKind& kind : kTaskCatalog)
      all.push_back({kind.Number, 1 + (kind.Number + round) % 3});
    ExpectReadsBack(MainRun(77 + static_cast<std::uint64_t>(round), all, 5, level),
                    "every type, round " + std::to_string(round));
  }
}

TEST(ReadWorksheet, EveryWordProblemReadsBackToBothFilesWithItsAnswer) {
  std::vector<int> all;
  for (const TWordProblem& problem : WordProblemCatalog()) {
    if (problem.Generator == nullptr) continue;
    all.push_back(problem.Index);
    ExpectReadsBack(ProblemRun(static_cast<std::uint64_t>(problem.Index), {problem.Index}, 4),
                    std::string(problem.Caption));
  }
  const Pair together = ProblemRun(5, all, 3);
  ExpectReadsBack(together, "every problem");
  const Worksheet sheet = ReadWorksheet(together.student, together.teacher);
  ASSERT_EQ(sheet.variants.size(), 3u);
  EXPECT_EQ(sheet.variants[0].items.size(), all.size());
  EXPECT_EQ(sheet.variants[0].items.front().taskNumber, "1");
}

// The value of a row of numbers, fractions and signs, or nothing when it holds anything else.
class Evaluator {
 public:
  explicit Evaluator(const std::vector<Piece>& pieces) {
    for (const Piece& piece : pieces)
      if (piece.kind != PieceKind::Space) pieces_.push_back(&piece);
  }

  std::optional<Rational> Value() {
    std::optional<Rational> value = Sum();
    if (at_ != pieces_.size()) return std::nullopt;
    return value;
  }

 private:
  static std::optional<Rational> NumberValue(const std::string& text) {
    std::int64_t digits = 0;
    std::int64_t scale = 1;
    bool fraction = false;
    for (char c : text) {
      if (c == ',' || c == '.') {
        fraction = true;
        continue;
      }
      if (c < '0' || c > '9') return std::nullopt;
      digits = digits * 10 + (c - '0');
      if (fraction) scale *= 10;
    }
    return Rational(digits, scale);
  }

  bool Is(std::string_view sign) const {
    return at_ < pieces_.size() && pieces_[at_]->kind == PieceKind::Operator &&
           pieces_[at_]->text == sign;
  }

  std::optional<Rational> Sum() {
    std::optional<Rational> value = Product();
    while (value && (Is("+") || Is("-"))) {
      const bool plus = Is("+");
      ++at_;
      const std::optional<Rational> next = Product();
      if (!next) return std::nullopt;
      value = plus ? *value + *next : *value - *next;
    }
    return value;
  }

  std::optional<Rational> Product() {
    std::optional<Rational> value = Factor();
    while (value && (Is("x") || Is("х") || Is(":"))) {
      const bool times = !Is(":");
      ++at_;
      const std::optional<Rational> next = Factor();
      if (!next || (!times && next->num() == 0)) return std::nullopt;
      value = times ? *value * *next : *value / *next;
    }
    return value;
  }

  std::optional<Rational> Factor() {
    if (at_ >= pieces_.size()) return std::nullopt;
    if (Is("-")) {
      ++at_;
      std::optional<Rational> value = Factor();
      return value ? std::optional(-*value) : std::nullopt;
    }
    for (const auto& [open, close] : {std::pair{"(", ")"}, {"|", "|"}}) {
      if (!Is(open)) continue;
      ++at_;
      std::optional<Rational> value = Sum();
      if (!value || !Is(close)) return std::nullopt;
      ++at_;
      return std::string_view(open) == "|" && *value < Rational(0) ? -*value : *value;
    }
    const Piece& piece = *pieces_[at_++];
    if (piece.kind == PieceKind::Number) return NumberValue(piece.text);
    if (piece.kind != PieceKind::Fraction) return std::nullopt;
    const StackedFraction& f = piece.fraction;
    const auto whole = NumberValue(f.whole.empty() ? "0" : f.whole);
    const auto numerator = NumberValue(f.numerator);
    const auto denominator = NumberValue(f.denominator);
    if (!whole || !numerator || !denominator || denominator->num() == 0) return std::nullopt;
    Rational value = *whole + *numerator / *denominator;
    if (f.negative) value = -value;
    return f.frame == FractionFrame::Bars && value < Rational(0) ? -value : value;
  }

  std::vector<const Piece*> pieces_;
  std::size_t at_ = 0;
};

// A one-row exercise "… =" followed by its answer: both sides computed from the model's pieces.
std::optional<std::pair<Rational, Rational>> BothSides(const Item& item) {
  if (item.kind != ItemKind::Exercise || item.task.size() != 1 || !item.solution.empty())
    return std::nullopt;
  const std::vector<Piece>& pieces = item.task.front().pieces;
  auto answerAt = std::find_if(pieces.begin(), pieces.end(),
                               [](const Piece& p) { return p.kind == PieceKind::Answer; });
  if (answerAt == pieces.begin() || answerAt + 1 != pieces.end()) return std::nullopt;
  const Piece& equals = *(answerAt - 1);
  if (equals.kind != PieceKind::Operator || equals.text != "=") return std::nullopt;
  const auto task = Evaluator({pieces.begin(), answerAt - 1}).Value();
  const auto answer = Evaluator(item.answer.pieces).Value();
  if (!task || !answer) return std::nullopt;
  return std::pair{*task, *answer};
}

TEST(ReadWorksheet, AnswersOfDrillsAndFractionsAreTheValuesOfTheirExercises) {
  // The drills, decimals and expression chains, the common fractions, signed numbers.
  const std::vector<int> families = {
      1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19, 20,
      21, 22, 23, 32, 33, 43, 44, 45, 46,  47,  50,  51,  52,  53,  54,  55,  56,  57,  70, 71,
      72, 73, 76, 77, 87, 88, 96, 99, 100, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115};
  for (int number : families) {
    int checked = 0;
    for (std::uint64_t seed = 0; seed < 4; ++seed) {
      const Pair pair = MainRun(seed * 131 + static_cast<std::uint64_t>(number), {{number, 5}}, 5,
                                static_cast<int>(seed));
      for (const Variant& variant : ReadWorksheet(pair.student, pair.teacher).variants)
        for (const Item& item : variant.items) {
          const auto sides = BothSides(item);
          if (!sides) continue;
          ++checked;
          EXPECT_EQ(sides->first, sides->second)
              << TaskKindByNumber(number).Caption << ": " << item.teacherLines.front();
        }
    }
    EXPECT_EQ(checked, 100) << TaskKindByNumber(number).Caption << " exercises read as maths";
  }
}

// "The mean of 9 83 ... 89 x is 49, find x": the answer is x, the mean times the count less the
// other numbers, not the mean the teacher's row ends with.
TEST(ReadWorksheet, TheUnknownOfAMeanIsItsAnswer) {
  for (const int number : {26, 27}) {
    int checked = 0;
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
      const Pair pair = MainRun(seed * 17 + static_cast<std::uint64_t>(number), {{number, 3}}, 2, 1);
      for (const Variant& variant : ReadWorksheet(pair.student, pair.teacher).variants)
        for (const Item& item : variant.items) {
          if (item.kind != ItemKind::Exercise || item.task.size() != 2) continue;
          std::vector<Rational> listed;
          for (const Piece& p : item.task.front().pieces)
            if (p.kind == PieceKind::Number) listed.push_back(*Evaluator({p}).Value());
          std::optional<Rational> mean;
          for (const Piece& p : item.task.back().pieces)
            if (p.kind == PieceKind::Number) mean = Evaluator({p}).Value();
          ASSERT_TRUE(mean.has_value()) << item.studentLines.front();
          Rational x = *mean * Rational(static_cast<std::int64_t>(listed.size() + 1));
          for (const Rational& other : listed) x = x - other;
          EXPECT_EQ(Evaluator(item.answer.pieces).Value(), x) << item.teacherLines.front();
          ++checked;
        }
    }
    EXPECT_EQ(checked, 240) << number;
  }
}

TEST(ReadWorksheet, FractionLayoutsReadAsStackedFractions) {
  struct Case {
    std::vector<std::string> lines;
    StackedFraction first;
    std::string answer;  // whole/numerator/denominator of the answer
  };
  const Case cases[] = {
      {{" 7    5  2", "-- - --=--", "12   12 12"}, {false, "", "7", "12"}, "/2/12"},
      {{"|  15|   37     62", "|- --| + --  = --", "|  45|   75    75"},
       {true, "", "15", "45", FractionFrame::Bars},
       "/62/75"},
      {{"  10       15        10       15", "17-- + (-13--) + (-17--) = -13--",
        "  14       19        14       19"},
       {false, "17", "10", "14"},
       "-13/15/19"},
      {{"42      245     15", "---  x  --  = --", "343     98    49"},
       {false, "", "42", "343"},
       "/15/49"},
      {{"234x+104   2873       4", "-------- = ----  x=18--", "   380     247       9"},
       {false, "", "234x+104", "380"},
       "18/4/9"},
  };
  for (const Case& c : cases) {
    const std::optional<Row> row = ReadFractionRow(c.lines[0], c.lines[1], c.lines[2]);
    ASSERT_TRUE(row) << c.lines[1];
    EXPECT_EQ(row->pieces.front().fraction, c.first) << c.lines[1];
    const Piece& last = row->pieces.back();
    ASSERT_EQ(last.kind, PieceKind::Fraction) << c.lines[1];
    EXPECT_EQ((last.fraction.negative ? "-" : "") + last.fraction.whole + "/" +
                  last.fraction.numerator + "/" + last.fraction.denominator,
              c.answer)
        << c.lines[1];
  }
}

// Hand edits, files cut short and pairs that do not match: whatever the model makes of them, it
// gives both files back and keeps every line.
TEST(ReadWorksheet, EditedCutAndMismatchedPairsStillReadBackLineForLine) {
  std::vector<std::pair<int, int>> mixed = {{1, 2},  {24, 1}, {34, 1}, {43, 2}, {58, 1},
                                            {66, 1}, {68, 1}, {81, 1}, {93, 1}, {99, 1}};
  Pcg32 draw(20261210);
  for (int round = 0; round < 300; ++round) {
    Pair pair = round % 3 == 2 ? ProblemRun(static_cast<std::uint64_t>(round), {1, 70, 150}, 3)
                               : MainRun(static_cast<std::uint64_t>(round), mixed, 3, round % 4);
    for (int edit = 0; edit < 1 + round % 4; ++edit) {
      std::vector<std::string>& file = draw.Random(2) == 0 ? pair.student : pair.teacher;
      if (file.empty()) continue;
      const std::size_t at =
          static_cast<std::size_t>(draw.Random(static_cast<std::int32_t>(file.size())));
      switch (draw.Random(4)) {
        case 0:
          file.erase(file.begin() + static_cast<std::ptrdiff_t>(at));
          break;
        case 1:
          file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), file[at]);
          break;
        case 2:
          file[at] = file[at].substr(0, file[at].size() / 2);
          break;
        default:
          file.resize(at);
          break;
      }
    }
    const Worksheet sheet = ReadWorksheet(pair.student, pair.teacher);
    EXPECT_EQ(StudentLinesOf(sheet), pair.student) << "round " << round;
    EXPECT_EQ(TeacherLinesOf(sheet), pair.teacher) << "round " << round;
  }
}

TEST(ReadStudentWorksheet, AStudentFileAloneGetsABlankAfterEachFinalEquals) {
  const Pair pair = MainRun(3, {{1, 2}, {43, 1}, {81, 1}}, 2, 0);
  const Worksheet sheet = ReadStudentWorksheet(pair.student);
  EXPECT_EQ(StudentLinesOf(sheet), pair.student);
  EXPECT_TRUE(TeacherLinesOf(sheet).empty());
  for (const Variant& variant : sheet.variants) {
    std::vector<ItemKind> kinds;
    for (const Item& item : variant.items) {
      kinds.push_back(item.kind);
      if (item.kind == ItemKind::Exercise) {
        EXPECT_EQ(item.task.back().pieces.back().kind, PieceKind::Answer);
      }
    }
    EXPECT_EQ(kinds, (std::vector{ItemKind::Exercise, ItemKind::Exercise, ItemKind::Exercise,
                                  ItemKind::Text, ItemKind::Exercise}));
  }
}

TEST(SplitPieces, TellsTheTimesSignFromTheUnknownAndWordsFromLetters) {
  const auto kinds = [](std::string_view line) {
    std::string shape;
    for (const Piece& piece : SplitPieces(line)) shape += "TNLOS FA"[static_cast<int>(piece.kind)];
    return shape;
  };
  EXPECT_EQ(kinds("82x40=3280"), "NONON");
  EXPECT_EQ(kinds("82xb=3280"), "NOLON");
  EXPECT_EQ(kinds("234x+104"), "NLON");
  EXPECT_EQ(kinds("|x|-2.3=6.5  x1=8.8"), "OLOONONSLNON");
  EXPECT_EQ(kinds("633х74+26x633"), "NONONON");
  EXPECT_EQ(kinds("(3 час 33 мн)x 9"), "ONSTSNSTOOSN");
  EXPECT_EQ(kinds("НОK(21,49)="), "TONOO");
  EXPECT_EQ(kinds("LXXX=80"), "TON");
}

}  // namespace
}  // namespace mathsheets::sheet
