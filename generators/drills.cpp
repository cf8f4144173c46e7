#include "generators/drills.h"

#include <array>

#include "common/number_text.h"

namespace mathsheets {

namespace {

// The first draw is Random(firstSpan) + firstBase. Addition and subtraction draw the second
// number below the first, Random(first - secondCut) + secondBase, so that all three numbers keep
// the caption's number of digits; multiplication and division draw it on its own,
// Random(secondSpan) + secondBase.
struct DrillRow {
  int number;  // in the catalog
  DrillOperation op;
  std::int32_t firstSpan;
  std::int32_t firstBase;
  std::int32_t secondCutOrSpan;
  std::int32_t secondBase;
};

constexpr std::array<DrillRow, 12> kDrills = {{
    {1, DrillOperation::Addition, 60, 40, 25, 15},             // Сложение2
    {2, DrillOperation::Addition, 600, 400, 250, 150},         // Сложение3
    {3, DrillOperation::Addition, 6000, 4000, 2500, 1500},     // Сложение4
    {4, DrillOperation::Subtraction, 60, 40, 25, 15},          // Вычитание2
    {5, DrillOperation::Subtraction, 600, 400, 250, 150},      // Вычитание3
    {6, DrillOperation::Subtraction, 6000, 4000, 2500, 1500},  // Вычитание4
    {7, DrillOperation::Multiplication, 90, 10, 90, 10},       // Умножение2
    {8, DrillOperation::Multiplication, 900, 100, 90, 10},     // Умножение3
    {9, DrillOperation::Multiplication, 900, 100, 900, 100},   // Умножение4
    {10, DrillOperation::Division, 90, 10, 90, 10},            // Деление2
    {11, DrillOperation::Division, 900, 100, 90, 10},          // Деление3
    {12, DrillOperation::Division, 900, 100, 900, 100},        // Деление4
}};

template <std::size_t Row>
void Drill(MainModule& m, WorksheetFiles& files) {
  constexpr DrillRow row = kDrills[Row];
  const std::int32_t first = m.Random(row.firstSpan) + row.firstBase;
  const bool belowFirst =
      row.op == DrillOperation::Addition || row.op == DrillOperation::Subtraction;
  const std::int32_t second =
      m.Random(belowFirst ? first - row.secondCutOrSpan : row.secondCutOrSpan) + row.secondBase;
  std::string line;
  std::int32_t answer = 0;
  switch (row.op) {
    case DrillOperation::Addition:  // first is the sum
      line = DrillLine(row.op, second, first - second);
      answer = first;
      break;
    case DrillOperation::Subtraction:  // first is the minuend
      line = DrillLine(row.op, first, second);
      answer = first - second;
      break;
    case DrillOperation::Multiplication:
      line = DrillLine(row.op, first, second);
      answer = first * second;
      break;
    case DrillOperation::Division:  // first is the quotient, so the division comes out exact
      line = DrillLine(row.op, first * second, second);
      answer = first;
      break;
  }
  files.WriteWithAnswer(line, answer);
}

template <std::size_t... Rows>
constexpr std::array<GeneratorBinding, sizeof...(Rows)> Bindings(std::index_sequence<Rows...>) {
  return {{{kDrills[Rows].number, &Drill<Rows>}...}};
}

constexpr auto kBindings = Bindings(std::make_index_sequence<kDrills.size()>());

}  // namespace

std::string DrillLine(DrillOperation op, std::int32_t x, std::int32_t y) {
  static constexpr std::array<char, 4> kSigns = {'+', '-', 'x', ':'};
  std::string line;
  line += NumberText(x).view();
  line += kSigns[static_cast<std::size_t>(op)];
  line += NumberText(y).view();
  line += '=';
  return line;
}

std::span<const GeneratorBinding> DrillGenerators() {
  return kBindings;
}

}  // namespace mathsheets
