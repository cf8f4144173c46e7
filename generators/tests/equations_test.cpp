// Every equation type over many seeds and every level: the teacher's solution, read back out of
// the lines, really solves the printed equation; the stated ranges and redraw conditions hold.

#include "generators/equations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <optional>
#include <regex>
#include <set>
#include <stdexcept>

#include "common/random.h"
#include "generators/registry.h"
#include "generators/tests/fraction_lines.h"
#include "shell/catalog.h"
#include "testing/bounded_random.h"

namespace mathsheets {
namespace {

using testing::BoundedRandom;
using testing::ExerciseLines;
using testing::Rational;

struct Levels {
  std::int32_t fraction = 0;
  std::int32_t mulDiv = 0;
  bool wide = false;
};

struct Generated {
  ExerciseLines lines;
  std::int32_t fractionLevel = 0;
};

Generated Generate(int number, int seed, const Levels& levels = {}) {
  BoundedRandom random(static_cast<std::uint64_t>(seed));
  MainModule m(random);
  m.FractionLevel = levels.fraction;
  m.MulDivLevel = levels.mulDiv;
  m.WidePrimes = levels.wide;
  MemoryWorksheet w;
  FindTaskGenerator(number)(m, w.files);
  return {{w.student.lines, w.teacher.lines}, m.FractionLevel};
}

std::string Dump(const ExerciseLines& lines) {
  std::string out;
  for (const std::string& l : lines.student) out += "\nS/" + l + "/";
  for (const std::string& l : lines.teacher) out += "\nT/" + l + "/";
  return out;
}

constexpr int kSeeds = 1000;

TEST(EquationCatalog, EveryEquationTypeOfTheCatalogIsBoundOnce) {
  std::set<int> bound;
  for (const GeneratorBinding& b : EquationGenerators()) {
    EXPECT_TRUE(bound.insert(b.number).second) << b.number;
    EXPECT_EQ(TaskKindByNumber(b.number).family, TaskFamily::Equations) << b.number;
  }
  for (const TaskKind& k : kTaskCatalog) {
    if (k.family == TaskFamily::Equations) {
      EXPECT_TRUE(bound.contains(k.Number)) << k.Number;
    }
  }
}

// ---- one-step equations ----

struct OneStepRow {
  int number;
  char op;
  std::int32_t lowest;  // of the sum, the minuend, or each factor
  std::int32_t highest;
  // The least addends a and b, or the least subtrahend d and difference r.
  std::int32_t leastDrawnPart;
  std::int32_t leastRest;
  std::string gap;
  std::string letters;
  bool eitherUnknown;
};

const OneStepRow kOneStep[] = {
    {34, '+', 40, 99, 15, 11, "  ", "xyab", true},
    {35, '-', 40, 99, 15, 11, "  ", "xyab", true},
    {37, '+', 400, 999, 150, 101, "  ", "xyab", true},
    {38, '-', 400, 999, 150, 101, "  ", "xyab", true},
    {40, 'x', 10, 99, 0, 0, "   ", "nyab", false},
    {41, ':', 10, 99, 0, 0, "     ", "nyab", false},
};

struct OneStep {
  char op = '+';
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t result = 0;
  bool firstUnknown = false;
};

// Reads the teacher's equation and checks that the pupil's is the same with one operand
// written as a letter, which the pupil's line repeats after the gap.
std::optional<OneStep> ParseOneStep(const ExerciseLines& lines, const OneStepRow& row) {
  static const std::regex teacher(R"(^([0-9]+)([-+x:])([0-9]+)=([0-9]+)$)");
  static const std::regex student(R"(^([0-9]+|[a-z])([-+x:])([0-9]+|[a-z])=([0-9]+)( +)([a-z])=$)");
  if (lines.student.size() != 1 || lines.teacher.size() != 1) return std::nullopt;
  std::smatch t;
  std::smatch s;
  if (!std::regex_match(lines.teacher[0], t, teacher)) return std::nullopt;
  if (!std::regex_match(lines.student[0], s, student)) return std::nullopt;
  if (t[2] != std::string(1, row.op) || s[2] != t[2] || s[4] != t[4] || s[5] != row.gap)
    return std::nullopt;
  const std::string letter = s[6];
  if (row.letters.find(letter) == std::string::npos) return std::nullopt;
  const bool firstUnknown = s[1] == letter;
  const bool secondUnknown = s[3] == letter;
  if (firstUnknown == secondUnknown) return std::nullopt;
  if ((!firstUnknown && s[1] != t[1]) || (!secondUnknown && s[3] != t[3])) return std::nullopt;
  return OneStep{row.op, std::stoi(t[1]), std::stoi(t[3]), std::stoi(t[4]), firstUnknown};
}

Rational Apply(char op, Rational x, Rational y) {
  switch (op) {
    case '+':
      return x + y;
    case '-':
      return x - y;
    case 'x':
      return x * y;
    default:
      return x / y;
  }
}

TEST(OneStepEquations, SolutionRangesLettersAndUnknowns) {
  for (const OneStepRow& row : kOneStep) {
    SCOPED_TRACE("type " + std::to_string(row.number));
    std::set<bool> unknowns;
    std::set<char> letters;
    for (int seed = 0; seed < kSeeds; ++seed) {
      const Generated r = Generate(row.number, seed);
      const auto e = ParseOneStep(r.lines, row);
      ASSERT_TRUE(e) << Dump(r.lines);
      EXPECT_EQ(Apply(e->op, e->first, e->second), Rational(e->result)) << Dump(r.lines);
      unknowns.insert(e->firstUnknown);
      letters.insert(r.lines.student[0].end()[-2]);
      switch (row.op) {
        case '+':  // a + b = s
          EXPECT_GE(e->result, row.lowest);
          EXPECT_LE(e->result, row.highest);
          EXPECT_GE(e->first, row.leastDrawnPart);
          EXPECT_GE(e->second, row.leastRest);
          break;
        case '-':  // m - d = r
          EXPECT_GE(e->first, row.lowest);
          EXPECT_LE(e->first, row.highest);
          EXPECT_GE(e->second, row.leastDrawnPart);
          EXPECT_GE(e->result, row.leastRest);
          break;
        case 'x':  // a x c = p
          for (std::int32_t v : {e->first, e->second}) {
            EXPECT_GE(v, row.lowest);
            EXPECT_LE(v, row.highest);
          }
          break;
        default:  // p : q = c
          for (std::int32_t v : {e->second, e->result}) {
            EXPECT_GE(v, row.lowest);
            EXPECT_LE(v, row.highest);
          }
      }
    }
    EXPECT_EQ(letters.size(), 4u);
    EXPECT_EQ(unknowns.size(), row.eitherUnknown ? 2u : 1u);
    if (!row.eitherUnknown) {
      EXPECT_FALSE(*unknowns.begin());
    }
  }
}

TEST(OneStepEquations, MixedTypesGiveTheirFirstMemberSixExercisesInTen) {
  struct Mixed {
    int number;
    char likelier;
    char other;
    const OneStepRow* rows[2];
  };
  const Mixed kMixed[] = {
      {36, '-', '+', {&kOneStep[1], &kOneStep[0]}},
      {39, '-', '+', {&kOneStep[3], &kOneStep[2]}},
      {42, ':', 'x', {&kOneStep[5], &kOneStep[4]}},
  };
  for (const Mixed& mixed : kMixed) {
    SCOPED_TRACE("type " + std::to_string(mixed.number));
    int likelier = 0;
    for (int seed = 0; seed < kSeeds; ++seed) {
      const Generated r = Generate(mixed.number, seed);
      const bool isLikelier = r.lines.teacher[0].find(mixed.likelier) != std::string::npos;
      const OneStepRow& row = *mixed.rows[isLikelier ? 0 : 1];
      const auto e = ParseOneStep(r.lines, row);
      ASSERT_TRUE(e) << Dump(r.lines);
      EXPECT_EQ(Apply(e->op, e->first, e->second), Rational(e->result));
      likelier += isLikelier ? 1 : 0;
    }
    EXPECT_GT(likelier, kSeeds * 55 / 100);
    EXPECT_LT(likelier, kSeeds * 65 / 100);
  }
}

// ---- brackets ----

// A tiny evaluator of the pupil's left side: numbers, one letter, + and -, one pair of brackets.
class Expression {
 public:
  Expression(std::string_view text, char letter, std::int64_t value)
      : text_(text), letter_(letter), value_(value) {}

  std::optional<std::int64_t> Evaluate() {
    const auto v = Sum();
    if (!v || pos_ != text_.size()) return std::nullopt;
    return v;
  }

 private:
  std::optional<std::int64_t> Sum() {
    auto total = Term();
    while (total && pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      const char op = text_[pos_++];
      const auto next = Term();
      if (!next) return std::nullopt;
      *total += op == '+' ? *next : -*next;
    }
    return total;
  }

  std::optional<std::int64_t> Term() {
    if (pos_ >= text_.size()) return std::nullopt;
    if (text_[pos_] == letter_) {
      ++pos_;
      return value_;
    }
    if (text_[pos_] == '(') {
      ++pos_;
      const auto inner = Sum();
      if (!inner || pos_ >= text_.size() || text_[pos_] != ')') return std::nullopt;
      ++pos_;
      return inner;
    }
    std::size_t end = pos_;
    while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end]))) ++end;
    if (end == pos_) return std::nullopt;
    const std::int64_t n = std::stoll(std::string(text_.substr(pos_, end - pos_)));
    pos_ = end;
    return n;
  }

  std::string_view text_;
  char letter_;
  std::int64_t value_;
  std::size_t pos_ = 0;
};

// The eight forms as the pupil sees them, with the ranges of f (inside the brackets), p
// (outside) and e (the letter's value).
struct BracketRange {
  std::string shape;
  std::int32_t fLow, fHigh, pLow, pHigh, eLow, eHigh;
};

const BracketRange kBracketForms[] = {
    {"(L+f)+p", 100, 999, 100, 999, 100, 999}, {"(L+f)-p", 100, 999, 100, 199, 100, 999},
    {"(L-f)+p", 100, 199, 100, 999, 200, 999}, {"(L-f)-p", 100, 199, 100, 199, 400, 999},
    {"p+(L+f)", 100, 999, 100, 999, 100, 999}, {"p-(L+f)", 100, 199, 300, 999, 100, 199},
    {"p+(L-f)", 100, 199, 300, 999, 200, 999}, {"p-(L-f)", 100, 199, 500, 999, 200, 599},
};

TEST(BracketEquations, TheLettersValueSolvesTheEquationInEveryForm) {
  static const std::regex equation(R"(^([-+()0-9XYZ]+)=(-?[0-9]+)$)");
  static const std::regex numbers(R"([0-9]+)");
  std::map<std::string, int> forms;
  std::set<char> letters;
  std::int64_t lowestRight = 1000;
  for (int seed = 0; seed < kSeeds; ++seed) {
    const Generated r = Generate(94, seed);
    const ExerciseLines& l = r.lines;
    ASSERT_EQ(l.student.size(), 2u);
    ASSERT_EQ(l.teacher.size(), 1u);
    EXPECT_EQ(l.student[0], "Решите уравнение:");
    std::smatch s;
    ASSERT_TRUE(std::regex_match(l.student[1], s, equation)) << Dump(l);
    const std::string left = s[1];
    const char letter = left[left.find_first_of("XYZ")];
    letters.insert(letter);
    const std::string answerPrefix = l.student[1] + "   " + letter + "=";
    ASSERT_TRUE(l.teacher[0].starts_with(answerPrefix)) << Dump(l);
    const std::int64_t e = std::stoll(l.teacher[0].substr(answerPrefix.size()));
    const std::int64_t q = std::stoll(s[2]);
    EXPECT_EQ(Expression(left, letter, e).Evaluate(), q) << Dump(l);
    lowestRight = std::min(lowestRight, q);

    // The shape with its numbers replaced by f and p, in the order they stand.
    std::string shape = left;
    std::replace(shape.begin(), shape.end(), letter, 'L');
    std::vector<std::int64_t> values;
    for (auto it = std::sregex_iterator(left.begin(), left.end(), numbers);
         it != std::sregex_iterator(); ++it)
      values.push_back(std::stoll(it->str()));
    ASSERT_EQ(values.size(), 2u);
    const bool bracketsFirst = shape.starts_with("(");
    const std::int64_t f = bracketsFirst ? values[0] : values[1];
    const std::int64_t p = bracketsFirst ? values[1] : values[0];
    shape = std::regex_replace(shape, numbers, "#");
    const std::size_t first = shape.find('#');
    shape.replace(first, 1, bracketsFirst ? "f" : "p");
    shape.replace(shape.find('#'), 1, bracketsFirst ? "p" : "f");
    const auto form = std::find_if(std::begin(kBracketForms), std::end(kBracketForms),
                                   [&](const BracketRange& b) { return b.shape == shape; });
    ASSERT_NE(form, std::end(kBracketForms)) << shape;
    ++forms[shape];
    EXPECT_GE(f, form->fLow);
    EXPECT_LE(f, form->fHigh);
    EXPECT_GE(p, form->pLow);
    EXPECT_LE(p, form->pHigh);
    EXPECT_GE(e, form->eLow);
    EXPECT_LE(e, form->eHigh);
  }
  EXPECT_EQ(forms.size(), 8u);
  EXPECT_EQ(letters.size(), 3u);
  EXPECT_LE(lowestRight, 0);
  EXPECT_GE(lowestRight, -98);
}

// ---- absolute value ----

// A number of tenths as written: "d.d" without a leading zero, or "0.d"; never a 0 in the tenths.
std::optional<std::int32_t> ParseTenths(const std::string& text) {
  static const std::regex tenths(R"(^(0|[1-9])\.([1-9])$)");
  std::smatch t;
  if (!std::regex_match(text, t, tenths)) return std::nullopt;
  return std::stoi(t[1]) * 10 + std::stoi(t[2]);
}

TEST(AbsoluteValueEquations, BothRootsSolveTheEquationAndNoTenthIsZero) {
  static const std::regex line(R"(^\|x\|([-+])([0-9.]+)=([0-9.]+)  x1=([0-9.]+)  x2=-([0-9.]+)$)");
  int plus = 0;
  bool smallDifference = false;
  for (int seed = 0; seed < kSeeds; ++seed) {
    const Generated r = Generate(74, seed);
    const ExerciseLines& l = r.lines;
    ASSERT_EQ(l.student.size(), 1u);
    ASSERT_EQ(l.teacher.size(), 1u);
    std::smatch t;
    ASSERT_TRUE(std::regex_match(l.teacher[0], t, line)) << Dump(l);
    ASSERT_TRUE(l.teacher[0].starts_with(l.student[0] + "  x1=")) << Dump(l);
    const auto d = ParseTenths(t[2]);
    const auto rhs = ParseTenths(t[3]);
    const auto x1 = ParseTenths(t[4]);
    const auto x2 = ParseTenths(t[5]);
    ASSERT_TRUE(d && rhs && x1 && x2) << Dump(l);
    EXPECT_EQ(*x1, *x2);
    const bool isPlus = t[1] == "+";
    for (std::int32_t root : {*x1, -*x2})
      EXPECT_EQ(std::abs(root) + (isPlus ? *d : -*d), *rhs) << Dump(l);
    // |x| = s is split as s = r + d with 21 <= r < s <= 99.
    const std::int32_t s = isPlus ? *rhs : *x1;
    const std::int32_t rr = isPlus ? *x1 : *rhs;
    EXPECT_GE(s, 41);
    EXPECT_LE(s, 99);
    EXPECT_GE(rr, 21);
    EXPECT_LT(rr, s);
    plus += isPlus ? 1 : 0;
    smallDifference = smallDifference || *d < 10;
  }
  EXPECT_TRUE(smallDifference);
  // Random(100) <= 50 picks the "+" member: 51 in 100.
  EXPECT_GT(plus, kSeeds * 46 / 100);
  EXPECT_LT(plus, kSeeds * 56 / 100);
}

// ---- fractions ----

// The largest prime a factor-pair drawing of pair B uses at each level, plain and wide.
std::int64_t LargestPrime(std::int32_t level, bool wide) {
  constexpr std::int64_t kPlain[] = {3, 7, 11, 13};
  constexpr std::int64_t kWide[] = {3, 13, 17, 23};
  return (wide ? kWide : kPlain)[level - 1];
}

bool FactorsUpTo(std::int64_t n, std::int64_t largest) {
  for (std::int64_t p = 2; p <= largest; ++p)
    while (n % p == 0) n /= p;
  return n == 1;
}

// The two fractions of X op a/b = c/d and the teacher's answer, each on its bar.
struct FractionEquation {
  testing::Term given;
  testing::Term right;
  testing::Term answer;
};

std::optional<testing::Term> MakeTerm(const testing::Token& n, const testing::Token& b,
                                      const testing::Token& d) {
  const auto numerator = testing::ParseNumber(n);
  const auto denominator = testing::ParseNumber(d);
  const auto bar = testing::ParseBar(b);
  if (!numerator || !denominator || !bar || bar->whole) return std::nullopt;
  return testing::Term{*numerator, *denominator, *bar};
}

// The answer block puts the answer's numerator one column right of its bar.
bool InBlock(const testing::Term& t) {
  return t.numerator.column == t.bar.barColumn + 1 && t.denominator.column == t.bar.barColumn &&
         t.denominator.width == t.bar.barWidth;
}

// `opMark` is the operator as it stands after the X; both are read as blanks.
std::optional<FractionEquation> ParseFractionEquation(ExerciseLines lines,
                                                      const std::string& opMark) {
  if (lines.student.size() != 4 || lines.teacher.size() != 4) return std::nullopt;
  if (lines.student[3] != " " || lines.teacher[3] != " ") return std::nullopt;
  // "•" takes three bytes; one keeps the columns.
  for (auto* side : {&lines.student, &lines.teacher}) {
    std::string& b = (*side)[1];
    if (!b.starts_with("X" + opMark)) return std::nullopt;
    b.replace(0, 1 + opMark.size(), "  ");
  }
  const auto n = testing::SplitLine(lines, 0);
  const auto b = testing::SplitLine(lines, 1);
  const auto d = testing::SplitLine(lines, 2);
  if (!n || !b || !d) return std::nullopt;
  if (n->exercise.size() != 2 || n->answer.size() != 1 || d->exercise.size() != 2 ||
      d->answer.size() != 1 || b->exercise.size() != 3 || b->exercise[1].text != "=" ||
      b->answer.size() != 1)
    return std::nullopt;
  const auto given = MakeTerm(n->exercise[0], b->exercise[0], d->exercise[0]);
  const auto right = MakeTerm(n->exercise[1], b->exercise[2], d->exercise[1]);
  const auto answer = MakeTerm(n->answer[0], b->answer[0], d->answer[0]);
  if (!given || !right || !answer) return std::nullopt;
  return FractionEquation{*given, *right, *answer};
}

void CheckFractionEquation(int number, const std::string& opMark, const Levels& levels,
                           std::int32_t expectedLevel, int seed) {
  const Generated r = Generate(number, seed, levels);
  EXPECT_EQ(r.fractionLevel, expectedLevel);
  const auto e = ParseFractionEquation(r.lines, opMark);
  ASSERT_TRUE(e) << Dump(r.lines);
  const Rational x = e->answer.Value();
  const Rational given = e->given.Value();
  EXPECT_EQ(opMark == ":" ? x / given : x * given, e->right.Value()) << Dump(r.lines);
  // The answer is reduced and below one.
  EXPECT_EQ(std::gcd(e->answer.numerator.value, e->answer.denominator.value), 1);
  EXPECT_LT(x, Rational(1));
  EXPECT_GT(x, Rational(0));
  // A numerator wider than its denominator (the two fractions take their numbers from different
  // drawings) pushes what follows it to the right; otherwise everything stands on its bar.
  const bool fits = e->given.numerator.width <= e->given.denominator.width &&
                    e->right.numerator.width <= e->right.denominator.width;
  if (fits || opMark != ":") {
    EXPECT_TRUE(e->given.OnItsBar()) << Dump(r.lines);
    EXPECT_TRUE(e->right.OnItsBar()) << Dump(r.lines);
    EXPECT_TRUE(opMark == ":" ? InBlock(e->answer) : e->answer.OnItsBar()) << Dump(r.lines);
  }
  const std::int64_t largest = LargestPrime(expectedLevel, levels.wide);
  for (const testing::Term* t : {&e->given, &e->right}) {
    EXPECT_TRUE(FactorsUpTo(t->numerator.value, largest)) << Dump(r.lines);
    EXPECT_TRUE(FactorsUpTo(t->denominator.value, largest)) << Dump(r.lines);
  }
}

TEST(FractionEquations, DivisionByAFractionAtEveryLevel) {
  for (std::int32_t mulDiv = 0; mulDiv <= 3; ++mulDiv)
    for (bool wide : {false, true})
      for (std::int32_t before = 0; before <= 4; ++before) {
        SCOPED_TRACE(::testing::Message() << "MulDivLevel " << mulDiv << " wide " << wide);
        const std::int32_t level = std::max(mulDiv + 1, 2);
        for (int seed = 0; seed < 150; ++seed)
          CheckFractionEquation(61, ":", {before, mulDiv, wide}, level, seed);
      }
}

TEST(FractionEquations, TimesAFractionAlwaysAtLevelTwo) {
  for (std::int32_t before = 0; before <= 4; ++before)
    for (bool wide : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "FractionLevel " << before << " wide " << wide);
      for (int seed = 0; seed < 300; ++seed)
        CheckFractionEquation(62, "•", {before, 3, wide}, 2, seed);
    }
}

TEST(FractionEquations, LinearEquationSolutionsAndTheirForm) {
  static const std::regex left(R"(^([0-9]+)x([-+])([0-9]+)$)");
  static const std::regex solutionBar(R"(^x=([0-9]*)(-+)$)");
  int minus = 0;
  bool mixed = false;
  bool plain = false;
  for (int seed = 0; seed < kSeeds; ++seed) {
    const Generated r = Generate(69, seed);
    const ExerciseLines& l = r.lines;
    ASSERT_EQ(l.student.size(), 4u);
    ASSERT_EQ(l.teacher.size(), 4u);
    EXPECT_EQ(l.student[3], " ");
    EXPECT_EQ(l.teacher[3], " ");
    const auto n = testing::SplitLine(l, 0);
    const auto b = testing::SplitLine(l, 1);
    const auto d = testing::SplitLine(l, 2);
    ASSERT_TRUE(n && b && d) << Dump(l);
    ASSERT_EQ(n->exercise.size(), 2u) << Dump(l);
    ASSERT_EQ(d->exercise.size(), 2u) << Dump(l);
    ASSERT_EQ(b->exercise.size(), 3u) << Dump(l);
    ASSERT_EQ(n->answer.size(), 1u) << Dump(l);
    ASSERT_EQ(b->answer.size(), 1u) << Dump(l);
    ASSERT_EQ(d->answer.size(), 1u) << Dump(l);
    std::smatch lf;
    ASSERT_TRUE(std::regex_match(n->exercise[0].text, lf, left)) << Dump(l);
    const std::int64_t coefficient = std::stoll(lf[1]);
    const bool isMinus = lf[2] == "-";
    const std::int64_t constant = std::stoll(lf[3]);
    const std::int64_t denominator = std::stoll(d->exercise[0].text);
    const Rational right(std::stoll(n->exercise[1].text), std::stoll(d->exercise[1].text));
    EXPECT_EQ(b->exercise[0].text, std::string(n->exercise[0].text.size(), '-'));
    EXPECT_EQ(b->exercise[2].text, "----");
    EXPECT_LE(d->exercise[0].end(), n->exercise[0].end());

    std::smatch s;
    ASSERT_TRUE(std::regex_match(b->answer[0].text, s, solutionBar)) << Dump(l);
    const std::int64_t top = std::stoll(n->answer[0].text);
    const std::int64_t u = std::stoll(d->answer[0].text);
    Rational x;
    if (s[1].length() > 0) {
      // An improper solution: its whole part and the remainder over the reduced denominator.
      const std::int64_t whole = std::stoll(s[1]);
      EXPECT_EQ(s[2], "--");
      EXPECT_LT(top, u);
      x = Rational(whole * u + top, u);
      EXPECT_LT(x.den(), x.num());
      EXPECT_EQ(x.den(), u);
      mixed = true;
    } else {
      EXPECT_EQ(s[2], "---");
      EXPECT_EQ(std::gcd(top, u), 1);
      EXPECT_LE(top, u);
      x = Rational(top, u);
      plain = true;
    }
    const Rational sign(isMinus ? -1 : 1);
    EXPECT_EQ((Rational(coefficient) * x + sign * Rational(constant)) / Rational(denominator),
              right)
        << Dump(l);
    minus += isMinus ? 1 : 0;
  }
  EXPECT_TRUE(mixed);
  EXPECT_TRUE(plain);
  // Random(100) < 51 picks the "-" member.
  EXPECT_GT(minus, kSeeds * 46 / 100);
  EXPECT_LT(minus, kSeeds * 56 / 100);
}

}  // namespace
}  // namespace mathsheets
