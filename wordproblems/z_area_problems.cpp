// Z30..Z42: areas of squares and rectangles, one line each.
#include <array>
#include <string>
#include <utility>

#include "wordproblems/problem_module.h"
#include "wordproblems/z_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

enum class AreaShape { Rectangle, Square, TwoSquares, SquareAndRectangle };

// scale × Draw10(n, m).
struct MeasureDraw {
  std::int32_t n, m, scale;
};

// The measures are drawn in order: the rectangle's sides a, b; the square's side; the two
// squares' sides a, b; the square's side s, then the rectangle's p and q.
struct AreaRow {
  int index;
  AreaShape shape;
  std::array<MeasureDraw, 3> draws;
};

constexpr std::array<AreaRow, 13> kAreas = {{
    {30, AreaShape::Rectangle, {{{39, 60, 1}, {39, 20, 1}}}},                               // Z30
    {31, AreaShape::Square, {{{79, 20, 1}}}},                                               // Z31
    {32, AreaShape::Square, {{{79, 20, 4}}}},                                               // Z32
    {33, AreaShape::Square, {{{79, 120, 1}}}},                                              // Z33
    {34, AreaShape::Square, {{{79, 120, 4}}}},                                              // Z34
    {35, AreaShape::TwoSquares, {{{79, 20, 1}, {79, 100, 1}}}},                             // Z35
    {36, AreaShape::TwoSquares, {{{79, 120, 1}, {79, 200, 1}}}},                            // Z36
    {37, AreaShape::SquareAndRectangle, {{{79, 120, 1}, {79, 70, 1}, {49, 20, 1}}}},        // Z37
    {38, AreaShape::SquareAndRectangle, {{{79, 320, 1}, {79, 170, 1}, {49, 80, 1}}}},       // Z38
    {39, AreaShape::SquareAndRectangle, {{{779, 210, 1}, {79, 170, 1}, {49, 120, 1}}}},     // Z39
    {40, AreaShape::SquareAndRectangle, {{{779, 510, 1}, {79, 270, 1}, {49, 180, 1}}}},     // Z40
    {41, AreaShape::SquareAndRectangle, {{{79, 210, 10}, {49, 120, 10}, {49, 30, 10}}}},    // Z41
    {42, AreaShape::SquareAndRectangle, {{{79, 1210, 10}, {49, 520, 10}, {49, 230, 10}}}},  // Z42
}};

constexpr std::size_t MeasureCount(AreaShape shape) {
  switch (shape) {
    case AreaShape::Square:
      return 1;
    case AreaShape::Rectangle:
    case AreaShape::TwoSquares:
      return 2;
    case AreaShape::SquareAndRectangle:
      return 3;
  }
  return 0;
}

// The line and the area of measures x, y, z (as many as the shape has, in drawing order).
ProblemInstance AreaText(AreaShape shape, std::int32_t x, std::int32_t y, std::int32_t z) {
  switch (shape) {
    case AreaShape::Rectangle:
      return SameLines(
          {"Вычисли площадь прямоугольника со сторонами " + to_string(x) + " и " + to_string(y)},
          to_string(x * y));
    case AreaShape::Square:
      return SameLines({"Вычисли площадь квадрата со стороной " + to_string(x)}, to_string(x * x));
    case AreaShape::TwoSquares:
      return SameLines(
          {"Вычислите общую площадь квадратов со сторонами " + to_string(x) + " и " + to_string(y)},
          to_string(x * x + y * y));
    case AreaShape::SquareAndRectangle:
      // The rectangle's sides are written q first, then p.
      return SameLines(
          {"Вычислите общую площадь квадрата со стороной " + to_string(x) +
           " и прямоугольника со " + "сторонами " + to_string(z) + " и " + to_string(y)},
          to_string(x * x + y * z));
  }
  return {};
}

template <std::size_t Row>
void AreaProblem(ProblemModule& m) {
  constexpr AreaRow row = kAreas[Row];
  std::array<std::int32_t, 3> measures{};
  for (std::size_t i = 0; i < MeasureCount(row.shape); ++i)
    measures[i] = row.draws[i].scale * m.Draw10(row.draws[i].n, row.draws[i].m);
  m.instance = AreaText(row.shape, measures[0], measures[1], measures[2]);
}

template <std::size_t... Rows>
constexpr std::array<ProblemBinding, sizeof...(Rows)> Bindings(std::index_sequence<Rows...>) {
  return {{{kAreas[Rows].index, &AreaProblem<Rows>}...}};
}

constexpr auto kBindings = Bindings(std::make_index_sequence<kAreas.size()>());

}  // namespace

std::span<const ProblemBinding> ZAreaProblems() {
  return kBindings;
}

}  // namespace mathsheets
