// B117..B132: the perimeter and the area of squares, rectangles and triangles, forwards and
// backwards, with whole sides in centimetres or decimetres.
#include <array>
#include <utility>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

struct FigureProblem {
  int number;
  Tale (*draw)(ProblemModule&);
  std::int32_t (*answer)(const TaleCounts&);
  TaleTemplates lines;
};

// The choices of words and units: 1 for ten of nineteen draws, 2 for the other nine.
bool FirstChoice(ProblemModule& m) {
  return m.Draw10(19, 10) == 1;
}

// No side as long as the other two together, so no triangle lies flat.
bool IsTriangle(std::int32_t x, std::int32_t y, std::int32_t z) {
  return x < y + z && y < x + z && z < x + y;
}

template <class Side>
Tale DrawTriangle(ProblemModule& m, Side&& sideXY, Side&& sideZ) {
  Tale tale;
  TaleCounts& n = tale.n;
  do {
    n.x = sideXY(m);
    n.y = sideXY(m);
    n.z = sideZ(m);
  } while (!IsTriangle(n.x, n.y, n.z));
  return tale;
}

// A rectangle's shorter side p and longer side q; the line shows one and how much the other is
// longer or shorter.
Tale RectangleByDifference(ProblemModule& m, std::int32_t p, std::int32_t q) {
  Tale tale;
  tale.n.p = p;
  tale.n.q = q;
  tale.n.d = q - p;
  const bool shorterShown = FirstChoice(m);
  tale.n.S = shorterShown ? p : q;
  tale.words[0] = {"W", shorterShown ? "больше" : "меньше"};
  return tale;
}

constexpr std::array<FigureProblem, 16> kFigureProblems = {{
    // B117: perimeter of a square.
    {117,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.s = m.Random(19) + 2;
       return tale;
     },
     [](const TaleCounts& n) { return 4 * n.s; },
     {"Длинна стороны квадрата равна {s} cм. Найдите периметр квадрата."}},
    // B118: perimeter of a triangle.
    {118,
     [](ProblemModule& m) {
       return DrawTriangle(
           m, +[](ProblemModule& r) { return r.Random(23) + 10; },
           +[](ProblemModule& r) { return r.Random(24) + 10; });
     },
     [](const TaleCounts& n) { return n.x + n.y + n.z; },
     {"Стороны треугольника равны {x} см, {y} см и {z} см. Найдите его периметр."}},
    // B119: perimeter of an equilateral triangle.
    {119,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.s = m.Random(19) + 2;
       return tale;
     },
     [](const TaleCounts& n) { return 3 * n.s; },
     {"Сторона равностороннего треугольника равна {s} см.", "Найдите его периметр."}},
    // B120: a side of an isosceles triangle from its perimeter. The equal sides AC = AB are a.
    {120,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.a = m.Random(19) + 20;
       tale.n.c = m.Random(19) + 2;
       tale.n.P = 2 * tale.n.a + tale.n.c;
       return tale;
     },
     [](const TaleCounts& n) { return n.a; },
     {"Периметр треугольника ABC равен {P} см. AC=AB ",
      "Найдите длинну стороны AC, если CB={c} см."}},
    // B121: the third side of a triangle from its perimeter.
    {121,
     [](ProblemModule& m) {
       const auto side = +[](ProblemModule& r) { return r.Random(19) + 10; };
       Tale tale = DrawTriangle(m, side, side);
       tale.n.P = tale.n.x + tale.n.y + tale.n.z;
       return tale;
     },
     [](const TaleCounts& n) { return n.z; },
     {"Одна сторона треугольника равна {x} см, другая - {y} см,",
      "а периметр - {P} см. Найдите длинну третьей стороны."}},
    // B122: perimeter of a rectangle from a side and a difference.
    {122,
     [](ProblemModule& m) {
       const std::int32_t p = m.Random(9) + 10;
       const std::int32_t q = m.Random(19) + 20;
       return RectangleByDifference(m, p, q);
     },
     [](const TaleCounts& n) { return 2 * n.p + 2 * n.q; },
     {"Найдите периметр прямоугольника, если одна его сторона равна ",
      "{S} см, а другая на {d} см {W}."}},
    // B123: perimeter of a rectangle from a side and a multiplier. The other side is k times the
    // side shown, or the side shown divided by k; the word after k is always "раза" (k is 2 to 4).
    {123,
     [](ProblemModule& m) {
       Tale tale;
       TaleCounts& n = tale.n;
       if (FirstChoice(m)) {
         tale.words[0] = {"W", "больше"};
         n.p = m.Random(9) + 10;
         n.k = m.Draw10(29, 20);
         n.S = n.p;
       } else {
         tale.words[0] = {"W", "менше"};
         n.k = m.Draw10(29, 20);
         n.p = m.Random(9) + 10;
         n.S = n.k * n.p;
       }
       return tale;
     },
     [](const TaleCounts& n) { return 2 * n.p + 2 * n.k * n.p; },
     {"У прямоугольника одна сторона  равна {S} см, а другая -",
      "{W} в {k} раза. Найдите периметр прямоугольника."}},
    // B124: side of a square from its perimeter.
    {124,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.s = m.Random(17) + 7;
       tale.n.P = 4 * tale.n.s;
       return tale;
     },
     [](const TaleCounts& n) { return n.s; },
     {"Периметр квадрата равен {P} см. Найдите длинну одной стороны."}},
    // B125: perimeter of a triangle whose third side is a multiple or a part. The sides p, r and
    // m × p; the line names p or m × p with r, in either order, and says how the third side
    // compares with the one it names.
    {125,
     [](ProblemModule& m) {
       Tale tale;
       TaleCounts& n = tale.n;
       do {
         n.m = m.Random(2) + 2;
         n.p = m.Random(7) + 2;
         n.r = m.Random(18) + 2;
       } while (!IsTriangle(n.p, n.r, n.m * n.p));
       const bool thirdLonger = FirstChoice(m);
       tale.words[0] = {"W", thirdLonger ? "больше" : "меньше"};
       n.S1 = thirdLonger ? n.p : n.m * n.p;
       n.S2 = n.r;
       const bool firstNamed = FirstChoice(m);
       tale.words[1] = {"V", firstNamed ? "первая" : "вторая"};
       if (!firstNamed) std::swap(n.S1, n.S2);
       return tale;
     },
     [](const TaleCounts& n) { return n.p + n.r + n.m * n.p; },
     {"Первая сторона треугольника равна {S1} см, другая {S2} см, а третья",
      "сторона в {m} раза {W} чем {V}. Знайдите периметр треугольника."}},
    // B126: area of a rectangle.
    {126,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.a = m.Random(19) + 10;
       tale.n.b = m.Random(7) + 2;
       return tale;
     },
     [](const TaleCounts& n) { return n.a * n.b; },
     {"У прямоугольника одна сторона  равна {a} см, а другая {b} см. Найдите его площадь."}},
    // B127: a side of a rectangle from its area.
    {127,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.a = m.Random(19) + 10;
       tale.n.b = m.Random(7) + 4;
       tale.n.A = tale.n.a * tale.n.b;
       const bool centimetres = FirstChoice(m);
       tale.words[0] = {"u", centimetres ? " см" : " дм"};
       tale.words[1] = {"Q", centimetres ? " кв.см" : " кв.дм"};
       return tale;
     },
     [](const TaleCounts& n) { return n.b; },
     {"У прямоугольника одна сторона  равна {a}{u}, а его",
      "площадь равна {A}{Q}. Найдите длинну другой стороны."}},
    // B128: area of a square.
    {128,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.s = m.Random(9) + 11;
       return tale;
     },
     [](const TaleCounts& n) { return n.s * n.s; },
     {"Сторона квадрата равна {s} см. Найдите площадь квадрата."}},
    // B129: side of a square from its area.
    {129,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.s = m.Random(9) + 2;
       tale.n.A = tale.n.s * tale.n.s;
       tale.words[0] = {"Q", FirstChoice(m) ? " кв.см" : " кв.дм"};
       return tale;
     },
     [](const TaleCounts& n) { return n.s; },
     {"Площадь квадрата равна {A}{Q}. Найдите длинну стороны квадрата."}},
    // B130: area of a rectangle from a side and a difference.
    {130,
     [](ProblemModule& m) {
       const std::int32_t p = m.Random(3) + 2;
       const std::int32_t q = m.Random(3) + 6;
       return RectangleByDifference(m, p, q);
     },
     [](const TaleCounts& n) { return n.p * n.q; },
     {"У прямоугольника одна сторона  равна {S} см, а другая - на {d} см {W}. Найдите его "
      "площадь."}},
    // B131: area of a rectangle from a side and the perimeter.
    {131,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.a = m.Random(7) + 10;
       tale.n.b = m.Random(7) + 5;
       tale.n.P = 2 * (tale.n.a + tale.n.b);
       return tale;
     },
     [](const TaleCounts& n) { return n.a * n.b; },
     {"Длинна стороны прямоугольника равна {a} см. Периметр ",
      "этого прямоугольника - {P} см. Найдите его площадь."}},
    // B132: area of a square from its perimeter.
    {132,
     [](ProblemModule& m) {
       Tale tale;
       tale.n.s = m.Random(19) + 10;
       tale.n.P = 4 * tale.n.s;
       return tale;
     },
     [](const TaleCounts& n) { return n.s * n.s; },
     {"Периметр квадрата равен {P} см. Найдите площадь квадрата."}},
}};

static_assert(EveryRowHasValidTaleTemplates(kFigureProblems));

void GenerateFigure(const FigureProblem& p, ProblemModule& m) {
  const Tale tale = p.draw(m);
  SetTaleInstance(m, p.lines, tale, p.answer(tale.n));
}

constexpr auto kBindings = BindRows<kFigureProblems, &GenerateFigure>();

}  // namespace

std::span<const ProblemBinding> BFigureProblems() {
  return kBindings;
}

}  // namespace mathsheets
