// Z14..Z26: perimeters of rectangles, triangles and squares; Z27..Z29: the angle between the
// hands of a clock.
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "wordproblems/problem_module.h"
#include "wordproblems/z_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

// "в 2 раза", "в 5 раз": the factors 2..9 never agree with 1.
constexpr std::array<std::string_view, 3> kTimes = {"", " раза", " раз"};

std::int32_t Side(ProblemModule& m) {
  return m.Random(80) + 20;
}

// Two different sides 20..99.
std::pair<std::int32_t, std::int32_t> TwoSides(ProblemModule& m) {
  std::int32_t a = 0, b = 0;
  do {
    a = Side(m);
    b = Side(m);
  } while (b == a);
  return {a, b};
}

ProblemInstance RectangleText(std::int32_t a, std::int32_t b) {
  return SameLines({"Вычислите периметр прямоугольника со сторонами " + to_string(a) + " см і " +
                    to_string(b) + " см."},
                   to_string(2 * a + 2 * b));
}

void Z14(ProblemModule& m) {
  const auto [a, b] = TwoSides(m);
  m.instance = RectangleText(a, b);
}

ProblemInstance TriangleText(std::int32_t a, std::int32_t b, std::int32_t c) {
  return SameLines({"Вычслите периметр треугольника со сторонами " + to_string(a) + " см, " +
                    to_string(b) + " см i " + to_string(c) + " см."},
                   to_string(a + b + c));
}

// Three different sides; the triangle inequality is not asked for.
void Z15(ProblemModule& m) {
  std::int32_t a = 0, b = 0, c = 0;
  do {
    std::tie(a, b) = TwoSides(m);
    do c = Side(m);
    while (c == a);
  } while (c == b);
  m.instance = TriangleText(a, b, c);
}

ProblemInstance SquareText(std::int32_t a) {
  return SameLines({"Вычислите периметр квадрата со стороной " + to_string(a) + " см."},
                   to_string(4 * a));
}

void Z16(ProblemModule& m) {
  m.instance = SquareText(Side(m));
}

// The longer side l is (l - s) longer than the shorter s.
ProblemInstance LongerSideText(std::int32_t s, std::int32_t l) {
  return SameLines({"Длина одной из сторон прямоугольника равна " + to_string(l) + " см, что на " +
                        to_string(l - s) + " см больше чем длина ",
                    "другой стороны. Найдите периметр прямоугольника."},
                   to_string(2 * s + 2 * l));
}

void Z17(ProblemModule& m) {
  std::int32_t s = 0, l = 0;
  do {
    s = Side(m);
    l = Side(m);
  } while (l <= s);
  m.instance = LongerSideText(s, l);
}

ProblemInstance OtherSideText(std::int32_t a, std::int32_t b) {
  return SameLines({"Периметр прямоугольника равен " + to_string(2 * a + 2 * b) +
                        " см, а одна из его сторон - " + to_string(b) + " см.",
                    "Найдите длину другой стороны прямоугольника."},
                   to_string(a));
}

void Z18(ProblemModule& m) {
  std::int32_t a = 0, b = 0;
  do {
    a = Side(m);
    b = Side(m);
  } while (b <= a);
  m.instance = OtherSideText(a, b);
}

// The other side k times the side a ("больше") or a k times the other side b ("менше").
ProblemInstance TimesSideText(std::int32_t a, std::int32_t k, std::string_view comparison,
                              std::int32_t answer) {
  return SameLines(
      {"Одна сторона прямоугольника равна " + to_string(a) + " см, а другая в " + to_string(k) +
           std::string(NounFor(k, kTimes)) + std::string(comparison) + " чем первая.",
       "Найдите периметр прямоугольника."},
      to_string(answer));
}

void Z19(ProblemModule& m) {
  const std::int32_t a = Side(m);
  const std::int32_t k = m.Draw10(79, 20);
  m.instance = TimesSideText(a, k, " больше", 2 * a + 2 * a * k);
}

void Z20(ProblemModule& m) {
  const std::int32_t b = m.Random(20) + 10;
  const std::int32_t k = m.Draw10(79, 20);
  const std::int32_t a = b * k;
  m.instance = TimesSideText(a, k, " менше", 2 * a + 2 * b);
}

ProblemInstance SquareOfRectangleText(std::int32_t a, std::int32_t b) {
  return SameLines({"Прямоугольник со сторонами " + to_string(2 * a) + " см і " + to_string(2 * b) +
                        " см и квадрат имеют равные периметры.",
                    "Найдите длину стороны квадрата."},
                   to_string(a + b));
}

void Z21(ProblemModule& m) {
  std::int32_t a = 0, b = 0;
  do {
    a = m.Random(50) + 10;
    b = m.Random(50) + 10;
  } while (b == a);
  m.instance = SquareOfRectangleText(a, b);
}

// Z22 and Z23 keep d below a, so that the longest side is shorter than the other two together.
std::pair<std::int32_t, std::int32_t> SideAndDifference(ProblemModule& m) {
  std::int32_t a = 0, d = 0;
  do {
    a = m.Random(30) + 15;
    d = m.Random(10) + 10;
  } while (a <= d);
  return {a, d};
}

// Sides 2a - d, 2a and a.
ProblemInstance HalfSideTriangleText(std::int32_t a, std::int32_t d) {
  return SameLines({"Одна сторона треугольника равна " + to_string(2 * a - d) +
                        " см, другая сторона на " + to_string(d) + " см больше чем первая,",
                    "а третья сторона в 2 раза меньше чем вторая. Найдите периметр треугольника."},
                   to_string(5 * a - d));
}

void Z22(ProblemModule& m) {
  const auto [a, d] = SideAndDifference(m);
  m.instance = HalfSideTriangleText(a, d);
}

// Sides a, 3a and 3a - d.
ProblemInstance TripleSideTriangleText(std::int32_t a, std::int32_t d) {
  return SameLines({"Одна сторона треугольника равна " + to_string(a) +
                        " см, другая сторона в 3 раза больше чем первая,",
                    "а третя сторона на " + to_string(d) +
                        " cм менше чем вторая. Найдите периметр треугольника."},
                   to_string(7 * a - d));
}

void Z23(ProblemModule& m) {
  const auto [a, d] = SideAndDifference(m);
  m.instance = TripleSideTriangleText(a, d);
}

// An isosceles triangle: base b and a leg s longer than half the base.
struct Isosceles {
  std::int32_t b, s;
  std::int32_t Perimeter() const { return b + 2 * s; }
};

Isosceles DrawIsosceles(ProblemModule& m) {
  Isosceles t{};
  t.b = m.Random(80) + 20;
  t.s = m.Random(80) + t.b / 2 + 1;
  return t;
}

ProblemInstance IsoscelesPerimeterText(const Isosceles& t) {
  return SameLines({"Найдите периметр равнобедренного треугольника, основа которого равна " +
                        to_string(t.b) + " см, a боковая",
                    "сторона " + to_string(t.s) + " cм."},
                   to_string(t.Perimeter()));
}

ProblemInstance IsoscelesLegText(const Isosceles& t) {
  return SameLines({"Периметр равнобедренного треугольника, равен " + to_string(t.Perimeter()) +
                        " см, a основа - " + to_string(t.b) + " см. Найдите",
                    "боковые стороны треугольника."},
                   to_string(t.s));
}

ProblemInstance IsoscelesBaseText(const Isosceles& t) {
  return SameLines({"Периметр равнобедренного треугольника, равен " + to_string(t.Perimeter()) +
                        " см, a боковая сторона - " + to_string(t.s) + " см. Найдите",
                    "основу треугольника."},
                   to_string(t.b));
}

template <ProblemInstance (*Text)(const Isosceles&)>
void IsoscelesProblem(ProblemModule& m) {
  m.instance = Text(DrawIsosceles(m));
}

// The angle between two hands `marks` minute marks apart (1..59), at most a straight angle.
std::int32_t HandsAngle(std::int32_t marks) {
  if (marks < 30) return 6 * marks;
  if (marks == 30) return 180;
  return 6 * (60 - marks);
}

// The hour and minute hands at h o'clock sharp: h hours are 5h minute marks apart.
ProblemInstance FullHourText(std::int32_t h) {
  ProblemInstance instance =
      SameLines({"Укажите градусную меру угла между стрелками часов, если " + std::string("они "),
                 "показывают " + to_string(h) + " час ровно."},
                to_string(HandsAngle(5 * h)));
  instance.previewLines = instance.fileLines;
  instance.previewLines[0] =
      "Укажите градусную меру угла между стрелками часов, если " + std::string("вони ");
  return instance;
}

void Z27(ProblemModule& m) {
  m.instance = FullHourText(m.Random(11) + 1);
}

ProblemInstance SecondHandText(std::int32_t minutes) {
  return SameLines({"Укажите градусную меру угла между секундной и минутной стрелками ",
                    "часов, если они показывают " + to_string(minutes) + " мн 0 сек."},
                   to_string(HandsAngle(minutes)));
}

void Z28(ProblemModule& m) {
  m.instance = SecondHandText(m.Random(59) + 1);
}

// At h hours 12q minutes the hour hand stands on mark 5h + q, the minute hand on mark 12q.
ProblemInstance HourHandText(std::int32_t h, std::int32_t q) {
  const std::int32_t marks = std::abs(5 * h + q - 12 * q);
  return SameLines(
      {"Укажите градусную меру угла между часовой и минутной стрелками ",
       "часов, если они показывают " + to_string(h) + " час " + to_string(12 * q) + " мн 0 сек."},
      to_string(HandsAngle(marks)));
}

void Z29(ProblemModule& m) {
  const std::int32_t h = m.Random(11) + 1;
  const std::int32_t q = m.Random(4) + 1;
  m.instance = HourHandText(h, q);
}

constexpr std::array<ProblemBinding, 16> kBindings = {{
    {14, &Z14},
    {15, &Z15},
    {16, &Z16},
    {17, &Z17},
    {18, &Z18},
    {19, &Z19},
    {20, &Z20},
    {21, &Z21},
    {22, &Z22},
    {23, &Z23},
    {24, &IsoscelesProblem<IsoscelesPerimeterText>},  // Z24
    {25, &IsoscelesProblem<IsoscelesLegText>},        // Z25
    {26, &IsoscelesProblem<IsoscelesBaseText>},       // Z26
    {27, &Z27},
    {28, &Z28},
    {29, &Z29},
}};

}  // namespace

std::span<const ProblemBinding> ZPerimeterProblems() {
  return kBindings;
}

}  // namespace mathsheets
