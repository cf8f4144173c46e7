// S33..S38: diameters, lengths and areas of circles and the radius of a wheel, with 3,14 for pi.
// Lengths are kept as whole numbers of their smallest unit and written with a decimal comma.
#include <array>
#include <string>
#include <string_view>

#include "wordproblems/problem_module.h"
#include "wordproblems/s_problem_support.h"
#include "wordproblems/s_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

constexpr std::int32_t kPiHundredths = 314;

ProblemInstance CircleText(std::string first, std::string answer) {
  return SameLines({std::move(first), "Считать П=3,14"}, std::move(answer));
}

// Draw10(n, base) again until it is not a multiple of 5, so that no length ends in a zero digit.
std::int32_t DrawNotMultipleOf5(ProblemModule& m, std::int32_t n, std::int32_t base) {
  std::int32_t value = 0;
  do value = m.Draw10(n, base);
  while (value % 5 == 0);
  return value;
}

// S33: a radius of R cm and r mm; the diameter in centimetres.
ProblemInstance DiameterCmText(std::int32_t centimetres, std::int32_t millimetres) {
  return CircleText("Найдите диаметр круга, радиус которого равен " + to_string(centimetres) +
                        " см " + to_string(millimetres) + " мм",
                    CommaText(2 * (10 * centimetres + millimetres), 1));
}

void S33(ProblemModule& m) {
  const std::int32_t centimetres = m.Draw10(149, 60);
  m.instance = DiameterCmText(centimetres, DrawNotMultipleOf5(m, 89, 10));
}

// S34: a radius of R m and r cm; the diameter in metres.
ProblemInstance DiameterMText(std::int32_t metres, std::int32_t centimetres) {
  return CircleText("Найдите диаметр круга, радиус которого равен  " + to_string(metres) + " м " +
                        to_string(centimetres) + " cм",
                    CommaText(2 * (100 * metres + centimetres), 2));
}

void S34(ProblemModule& m) {
  const std::int32_t metres = m.Draw10(149, 60);
  m.instance = DiameterMText(metres, DrawNotMultipleOf5(m, 889, 100));
}

// S35..S37: a diameter or radius of d millimetres, 2,1 to 9,9 cm.
std::int32_t DrawMillimetres(ProblemModule& m) {
  return DrawNotMultipleOf5(m, 799, 200);
}

ProblemInstance LengthText(std::int32_t diameter) {
  return CircleText(
      "Вычислите длину круга, диаметр которого равен " + CommaText(diameter, 1) + " cм.",
      CommaText(kPiHundredths * diameter, 3));
}

ProblemInstance AreaText(std::int32_t radius) {
  return CircleText(
      "Вычислите площадь круга, радиус которого равен " + CommaText(radius, 1) + " cм.",
      CommaText(kPiHundredths * radius * radius, 4));
}

ProblemInstance DiameterOfLengthText(std::int32_t diameter) {
  return CircleText("Вычислите диаметр круга, длина которого равна " +
                        CommaText(kPiHundredths * diameter, 3) + " cм.",
                    CommaText(diameter, 1));
}

template <ProblemInstance (*Text)(std::int32_t)>
void MillimetreCircleProblem(ProblemModule& m) {
  m.instance = Text(DrawMillimetres(m));
}

// S38: a wheel of r cm radius turns n times; fewer turns for larger wheels keep the distance
// between 276,32 and 998,52 m.
std::int32_t Revolutions(std::int32_t radius) {
  if (radius < 40) return 400;
  if (radius <= 53) return 300;
  return 200;
}

ProblemInstance WheelText(std::int32_t radius) {
  const std::int32_t turns = Revolutions(radius);
  const std::int32_t centimetres = 2 * kPiHundredths * radius * turns / 100;
  return CircleText("Чтобы проехать " + CommaText(centimetres, 2) + " м, колесо совершило " +
                        to_string(turns) + " оборотов. Найдите " + "радиус колеса.",
                    CommaText(radius, 2));
}

void S38(ProblemModule& m) {
  m.instance = WheelText(DrawNotMultipleOf5(m, 679, 110));
}

constexpr std::array<ProblemBinding, 6> kBindings = {{
    {SIndex(33), &S33},
    {SIndex(34), &S34},
    {SIndex(35), &MillimetreCircleProblem<LengthText>},            // S35
    {SIndex(36), &MillimetreCircleProblem<AreaText>},              // S36
    {SIndex(37), &MillimetreCircleProblem<DiameterOfLengthText>},  // S37
    {SIndex(38), &S38},
}};

}  // namespace

std::span<const ProblemBinding> SCircleProblems() {
  return kBindings;
}

}  // namespace mathsheets
