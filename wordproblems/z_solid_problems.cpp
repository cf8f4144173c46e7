// Z43..Z60: volumes, surface areas and edge sums of cubes and boxes, and the floor of a room. They
// come in pairs, the first with small measures, the second with large ones.
#include <array>
#include <string>
#include <utility>

#include "wordproblems/problem_module.h"
#include "wordproblems/z_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

// The m of each Draw10 that differs between the two problems of a pair.
struct SolidRange {
  std::int32_t measure;     // Draw10(149, m): the three measures of a box
  std::int32_t edge;        // Draw10(69, m): the edge of a cube
  std::int32_t width;       // Draw10(69, m): the width in Z53/Z54
  std::int32_t heightGap;   // Draw10(39, m): how much the height exceeds the width
  std::int32_t roomWidth;   // Draw10(109, m)
  std::int32_t roomLength;  // Draw10(99, m)
};

constexpr std::array<SolidRange, 2> kRanges = {{
    {20, 60, 80, 20, 40, 50},       // 2..16, 6..12, 8..14, 2..5, 4..14, 5..14
    {120, 160, 180, 60, 140, 150},  // 12..26, 16..22, 18..24, 6..9, 14..24, 15..24
}};

enum class Size : std::size_t { Small, Large };

constexpr const SolidRange& RangeOf(Size size) {
  return kRanges[static_cast<std::size_t>(size)];
}

struct Box {
  std::int32_t a, b, c;
};

// Three different measures.
Box DrawBox(ProblemModule& m, Size size) {
  const std::int32_t base = RangeOf(size).measure;
  Box box{};
  box.a = m.Draw10(149, base);
  do box.b = m.Draw10(149, base);
  while (box.b == box.a);
  do box.c = m.Draw10(149, base);
  while (box.c == box.a || box.c == box.b);
  return box;
}

std::string Measures(const Box& box, std::string_view unit) {
  return to_string(box.a) + " " + std::string(unit) + ", " + to_string(box.b) + " " +
         std::string(unit) + " и " + to_string(box.c) + " " + std::string(unit) + ".";
}

// The file of Z43 and the preview of Z44 have "которго"; the other two "которого".
constexpr std::string_view kVolumeMisspelt =
    "Вычислите объем прямоугольного параллелепипеда, измерения которго равны: ";
constexpr std::string_view kVolume =
    "Вычислите объем прямоугольного параллелепипеда, измерения которого равны: ";

ProblemInstance VolumeText(const Box& box, Size size) {
  const std::string measures = Measures(box, "м");
  const bool small = size == Size::Small;
  ProblemInstance instance;
  instance.fileLines = {std::string(small ? kVolumeMisspelt : kVolume) + measures};
  instance.previewLines = {std::string(small ? kVolume : kVolumeMisspelt) + measures};
  instance.answerLine = to_string(box.a * box.b * box.c);
  return instance;
}

ProblemInstance SurfaceText(const Box& box, Size size) {
  const std::string first =
      "Вычислите площадь поверхности прямоугольного параллелепипеда, измерения которого ";
  const std::string measures = Measures(box, "м");
  ProblemInstance instance =
      SameLines({first + "равны, ", measures},
                to_string(2 * (box.a * box.b + box.a * box.c + box.b * box.c)));
  // Z47 writes a doubled comma that its preview does not show.
  if (size == Size::Small) {
    instance.previewLines = instance.fileLines;
    instance.fileLines[0] = first + "равны,, ";
  }
  return instance;
}

ProblemInstance EdgeSumText(const Box& box, Size) {
  return SameLines(
      {"Найдите сумму длин всех ребер прямоугольного параллелепипеда, " + std::string("измерения"),
       "которого равны " + Measures(box, "см")},
      to_string(4 * (box.a + box.b + box.c)));
}

ProblemInstance EdgesAtVertexText(const Box& box, Size) {
  return SameLines({"Сумма длин всех ребер прямоугольного параллелепипеда равна " +
                        to_string(4 * (box.a + box.b + box.c)) + " см. " + " Найдите ",
                    "сумму длин трьех его ребер, что выходять из одной вершины."},
                   to_string(box.a + box.b + box.c));
}

// The length a is written first and is never shorter than the width b.
ProblemInstance HeightText(const Box& drawn, Size) {
  Box box = drawn;
  if (box.b > box.a) std::swap(box.a, box.b);
  return SameLines({"Объем прямоугольного параллелепипеда равен " +
                        to_string(box.a * box.b * box.c) + " см, " + " длина - ",
                    to_string(box.a) + " см, ширина - " + to_string(box.b) +
                        " cм. Найдите высоту данного параллелепипеда."},
                   to_string(box.c));
}

template <ProblemInstance (*Text)(const Box&, Size), Size S>
void BoxProblem(ProblemModule& m) {
  m.instance = Text(DrawBox(m, S), S);
}

ProblemInstance CubeVolumeText(std::int32_t e) {
  return SameLines({"Вычислите объем куба, ребро которого " + to_string(e) + " cм."},
                   to_string(e * e * e));
}

ProblemInstance CubeSurfaceText(std::int32_t e) {
  return SameLines({"Вычислите площадь поверхности куба, ребро которого " + to_string(e) + " cм."},
                   to_string(6 * e * e));
}

template <ProblemInstance (*Text)(std::int32_t), Size S>
void CubeProblem(ProblemModule& m) {
  m.instance = Text(m.Draw10(69, RangeOf(S).edge));
}

// Z53/Z54: the height h = w + d exceeds the width w by d and is k times shorter than the length.
constexpr std::array<std::string_view, 3> kTimes = {"", " раза", " раз"};

ProblemInstance HeightWidthLengthText(std::int32_t w, std::int32_t k, std::int32_t d) {
  const std::int32_t h = w + d;
  const std::int32_t l = h * k;
  return SameLines({"Высота прямоугольного параллелепипеда равна " + to_string(h) + " см, что на " +
                        to_string(d) + " cм больше чем ",
                    "его ширина и в " + to_string(k) + std::string(NounFor(k, kTimes)) +
                        " меньше его длины. Вычислите площадь " + " поверхности ",
                    "параллелепипеда. "},
                   to_string(2 * (w * h + w * l + h * l)));
}

template <Size S>
void HeightWidthLengthProblem(ProblemModule& m) {
  const std::int32_t w = m.Draw10(69, RangeOf(S).width);
  const std::int32_t k = m.Draw10(39, 20);
  const std::int32_t d = m.Draw10(39, RangeOf(S).heightGap);
  m.instance = HeightWidthLengthText(w, k, d);
}

// Z59/Z60: a room of height h, width b and length c, all different.
ProblemInstance RoomText(std::int32_t h, std::int32_t b, std::int32_t c) {
  return SameLines({"Объем комнаты равен " + to_string(h * b * c) + " м, а высота - " +
                    to_string(h) + " м. Найдите площадь пола."},
                   to_string(b * c));
}

template <Size S>
void RoomProblem(ProblemModule& m) {
  const std::int32_t h = m.Draw10(39, 30);
  std::int32_t b = 0, c = 0;
  do b = m.Draw10(109, RangeOf(S).roomWidth);
  while (b == h);
  do c = m.Draw10(99, RangeOf(S).roomLength);
  while (c == b || c == h);
  m.instance = RoomText(h, b, c);
}

constexpr std::array<ProblemBinding, 18> kBindings = {{
    {43, &BoxProblem<VolumeText, Size::Small>},         // Z43
    {44, &BoxProblem<VolumeText, Size::Large>},         // Z44
    {45, &CubeProblem<CubeVolumeText, Size::Small>},    // Z45
    {46, &CubeProblem<CubeVolumeText, Size::Large>},    // Z46
    {47, &BoxProblem<SurfaceText, Size::Small>},        // Z47
    {48, &BoxProblem<SurfaceText, Size::Large>},        // Z48
    {49, &CubeProblem<CubeSurfaceText, Size::Small>},   // Z49
    {50, &CubeProblem<CubeSurfaceText, Size::Large>},   // Z50
    {51, &BoxProblem<EdgeSumText, Size::Small>},        // Z51
    {52, &BoxProblem<EdgeSumText, Size::Large>},        // Z52
    {53, &HeightWidthLengthProblem<Size::Small>},       // Z53
    {54, &HeightWidthLengthProblem<Size::Large>},       // Z54
    {55, &BoxProblem<EdgesAtVertexText, Size::Small>},  // Z55
    {56, &BoxProblem<EdgesAtVertexText, Size::Large>},  // Z56
    {57, &BoxProblem<HeightText, Size::Small>},         // Z57
    {58, &BoxProblem<HeightText, Size::Large>},         // Z58
    {59, &RoomProblem<Size::Small>},                    // Z59
    {60, &RoomProblem<Size::Large>},                    // Z60
}};

}  // namespace

std::span<const ProblemBinding> ZSolidProblems() {
  return kBindings;
}

}  // namespace mathsheets
