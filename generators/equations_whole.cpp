#include <array>
#include <string_view>

#include "generators/equations_families.h"
#include "generators/equations_lines.h"

namespace mathsheets::equations {

namespace {

using Letters = std::array<std::string_view, 4>;

constexpr Letters kSumLetters = {"x", "y", "a", "b"};
// "x" already stands for the multiplication sign.
constexpr Letters kProductLetters = {"n", "y", "a", "b"};
constexpr std::array<std::string_view, 3> kBracketLetters = {"X", "Y", "Z"};

std::string_view DrawLetter(MainModule& m, const Letters& letters) {
  return letters[static_cast<std::size_t>(Draw10(m.random, 39, 10) - 1)];
}

// The first number is Random(span) + base: the sum, or the minuend. The second, an addend or the
// subtrahend, is Random(first - cut) + secondBase, so that neither part gets too small.
struct SumRow {
  AddSign op;
  std::int32_t span;
  std::int32_t base;
  std::int32_t cut;
  std::int32_t secondBase;
};

constexpr std::array<SumRow, 4> kSumRows = {{
    {AddSign::Plus, 60, 40, 25, 15},
    {AddSign::Minus, 60, 40, 25, 15},
    {AddSign::Plus, 600, 400, 250, 150},
    {AddSign::Minus, 600, 400, 250, 150},
}};

template <std::size_t Row>
void OneStepSum(MainModule& m, WorksheetFiles& files) {
  constexpr SumRow row = kSumRows[Row];
  const std::int32_t first = m.Random(row.span) + row.base;
  const std::int32_t second = m.Random(first - row.cut) + row.secondBase;
  const UnknownOperand unknown =
      Draw10(m.random, 19, 10) == 1 ? UnknownOperand::First : UnknownOperand::Second;
  const std::string_view letter = DrawLetter(m, kSumLetters);
  const EquationLine line =
      row.op == AddSign::Plus
          ? OneStepEquation("+", second, first - second, first, unknown, letter, "  ")
          : OneStepEquation("-", first, second, first - second, unknown, letter, "  ");
  files.WriteBoth(line.student, line.teacher);
}

struct Span {
  std::int32_t span;
  std::int32_t base;
};

std::int32_t DrawIn(MainModule& m, Span s) {
  return m.Random(s.span) + s.base;
}

// The ranges keep the letter's value above the number subtracted from it inside the brackets;
// only the right side of p - (L + f) can reach zero and below.
struct BracketRow {
  BracketForm form;
  Span f;  // inside the brackets
  Span p;  // outside them
  Span e;  // the letter's value
};

constexpr std::array<BracketRow, 8> kBracketRows = {{
    {{AddSign::Plus, AddSign::Plus, true}, {900, 100}, {900, 100}, {900, 100}},
    {{AddSign::Plus, AddSign::Minus, true}, {900, 100}, {100, 100}, {900, 100}},
    {{AddSign::Minus, AddSign::Plus, true}, {100, 100}, {900, 100}, {800, 200}},
    {{AddSign::Minus, AddSign::Minus, true}, {100, 100}, {100, 100}, {600, 400}},
    {{AddSign::Plus, AddSign::Plus, false}, {900, 100}, {900, 100}, {900, 100}},
    {{AddSign::Plus, AddSign::Minus, false}, {100, 100}, {700, 300}, {100, 100}},
    {{AddSign::Minus, AddSign::Plus, false}, {100, 100}, {700, 300}, {800, 200}},
    {{AddSign::Minus, AddSign::Minus, false}, {100, 100}, {500, 500}, {400, 200}},
}};

}  // namespace

void SumTwoDigit(MainModule& m, WorksheetFiles& files) {
  OneStepSum<0>(m, files);
}

void DifferenceTwoDigit(MainModule& m, WorksheetFiles& files) {
  OneStepSum<1>(m, files);
}

void SumThreeDigit(MainModule& m, WorksheetFiles& files) {
  OneStepSum<2>(m, files);
}

void DifferenceThreeDigit(MainModule& m, WorksheetFiles& files) {
  OneStepSum<3>(m, files);
}

void Product(MainModule& m, WorksheetFiles& files) {
  const std::int32_t a = m.Random(90) + 10;
  const std::int32_t c = m.Random(90) + 10;
  const std::string_view letter = DrawLetter(m, kProductLetters);
  const EquationLine line =
      OneStepEquation("x", a, c, a * c, UnknownOperand::Second, letter, "   ");
  files.WriteBoth(line.student, line.teacher);
}

void Quotient(MainModule& m, WorksheetFiles& files) {
  const std::int32_t c = m.Random(90) + 10;
  const std::int32_t q = m.Random(90) + 10;
  const std::string_view letter = DrawLetter(m, kProductLetters);
  const EquationLine line =
      OneStepEquation(":", c * q, q, c, UnknownOperand::Second, letter, "     ");
  files.WriteBoth(line.student, line.teacher);
}

void Brackets(MainModule& m, WorksheetFiles& files) {
  const std::string_view letter =
      kBracketLetters[static_cast<std::size_t>(Draw10(m.random, 29, 10) - 1)];
  const BracketRow& row = kBracketRows[static_cast<std::size_t>(Draw10(m.random, 79, 10) - 1)];
  const std::int32_t f = DrawIn(m, row.f);
  const std::int32_t p = DrawIn(m, row.p);
  const std::int32_t e = DrawIn(m, row.e);
  const std::string equation =
      BracketEquation(row.form, letter, f, p, BracketRightSide(row.form, e, f, p));
  files.StudentFile.WriteLine("Решите уравнение:");
  files.StudentFile.WriteLine(equation);
  files.TeacherFile.WriteLine(equation + "   " + std::string(letter) + "=" + Text(e));
}

void AbsoluteValue(MainModule& m, WorksheetFiles& files) {
  const AddSign sign = m.Random(100) <= 50 ? AddSign::Plus : AddSign::Minus;
  // No value may show a 0 in its tenths: |x| = s, and the split s = r + d.
  std::int32_t s = 0;
  while (s % 10 == 0) s = m.Random(60) + 40;
  std::int32_t r = 100;
  while (r % 10 == 0 || (s - r) % 10 == 0) r = m.Random(s - 20) + 20;
  const std::int32_t d = s - r;
  const EquationLine line = sign == AddSign::Plus ? AbsoluteValueEquation(sign, d, s, r)
                                                  : AbsoluteValueEquation(sign, d, r, s);
  files.WriteBoth(line.student, line.teacher);
}

}  // namespace mathsheets::equations
