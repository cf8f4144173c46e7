// S7..S17: common fractions: which piece of cheese, which car, sour cream, Cinderella, joint work
// of ploughmen, painters, two eaters and pipes, parts of a right angle and mushrooms.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "common/divisors.h"
#include "wordproblems/problem_module.h"
#include "wordproblems/s_problem_support.h"
#include "wordproblems/s_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

// The smallest w from 1 up with w / den > num / refDen.
std::int32_t FirstAbove(std::int32_t den, std::int32_t num, std::int32_t refDen) {
  return num * den / refDen + 1;
}

// The largest w from `top` down with w / den < num / refDen (num > 0, so 0 always qualifies).
std::int32_t LastBelow(std::int32_t top, std::int32_t den, std::int32_t num, std::int32_t refDen) {
  const std::int32_t product = num * den;
  const std::int32_t ceiling = (product + refDen - 1) / refDen;
  return std::min(top, ceiling - 1);
}

// S7: a head of w1 kg cut into p1 pieces against one of w2 kg cut into p2 pieces.
struct Cheese {
  std::int32_t w1, p1, w2, p2;
};

ProblemInstance CheeseText(const Cheese& v) {
  // The "p" that starts "pавных" is a Latin letter in both lines.
  return SameLines({"Головку сыра массой " + to_string(v.w1) + " кг поделили на " +
                        to_string(v.p1) + " pавных кусочков, а " + "головку массой " +
                        to_string(v.w2) + " кг на " + to_string(v.p2),
                    "pавных кусочков. Кусочек какой головки сыра, первой или второй, вы " +
                        std::string(" посоветуете съесть"),
                    "Мише, который очень его любит?"},
                   v.w2 * v.p1 < v.w1 * v.p2 ? "первой" : "второй");
}

void S7(ProblemModule& m) {
  PrimeUsed used;
  std::int32_t common = SmallPrime(m.Draw10(39, 10));
  common *= SmallPrime(m.Draw10(39, 10));
  Cheese v{};
  v.p1 = common * SmallPrime(DrawAndMark(m, used, 49, 10));
  v.p2 = common * SmallPrime(DrawUnmarked(m, used, 49, 10));
  v.w1 = m.Random(v.p1 - 3) + 2;
  const bool heavier = m.Random(100) >= 51;
  v.w2 = heavier ? FirstAbove(v.p2, v.w1, v.p1) : LastBelow(v.p2 - 1, v.p2, v.w1, v.p1);
  // A second head lighter per piece would weigh 0 kg when w1 is small against p1; it is made
  // heavier per piece instead, so that every head has a mass.
  if (v.w2 == 0) v.w2 = FirstAbove(v.p2, v.w1, v.p1);
  m.instance = CheeseText(v);
}

// S8: the car covers the distance in c hours, the truck in t; the car drives y hours, the truck x.
struct Cars {
  std::int32_t c, t, y, x;
};

ProblemInstance CarsText(const Cars& v) {
  return SameLines(
      {"Расстояние между двумя городами легковой автомобиль преодолевает за " + to_string(v.c) +
           " час, а " + "грузовой - за " + to_string(v.t) + " час. Какой ",
       "автомобиль проедет большее расстояние: легковой за " + to_string(v.y) +
           " час или грузовой за " + to_string(v.x) + " час?"},
      v.x * v.c < v.t * v.y ? "легковой" : "грузовой");
}

void S8(ProblemModule& m) {
  Cars v{};
  v.c = m.Random(10) + 5;
  v.t = v.c + 1 + m.Random(7);
  v.y = v.c + 1 + m.Random(5);
  v.x = m.Random(100) >= 51 ? FirstAbove(v.y, v.t, v.c) : LastBelow(10 * v.y, v.y, v.t, v.c);
  m.instance = CarsText(v);
}

// S9: a1/d1 and a2/d2 litres of sour cream; d1 and d2 are different primes, so the two never
// agree.
struct SourCream {
  std::int32_t a1, d1, a2, d2;
};

ProblemInstance SourCreamText(const SourCream& v) {
  const std::string head = "В одном кувшинчике было " + FractionText(v.a1, v.d1) +
                           " л сметаны, а в другом - " + FractionText(v.a2, v.d2);
  const std::string second = "сметаны и на сколько?";
  const std::int32_t difference = v.a1 * v.d2 - v.a2 * v.d1;
  ProblemInstance instance;
  instance.fileLines = {head + " л.  В каком кувшинчике было больше ", second};
  instance.previewLines = {head + " л. В каком кувшинчике было больше ", second};
  instance.answerLine =
      FractionText(Reduced(difference < 0 ? -difference : difference, v.d1 * v.d2));
  return instance;
}

void S9(ProblemModule& m) {
  PrimeUsed used;
  SourCream v{};
  v.d1 = SmallPrime(DrawAndMark(m, used, 39, 50));
  v.d2 = SmallPrime(DrawUnmarked(m, used, 39, 50));
  v.a1 = m.Random(v.d1 / 2) + 1;
  v.a2 = m.Random(v.d2 / 2) + 1;
  m.instance = SourCreamText(v);
}

// S10: c1/a hours of cleaning, c2/b hours more than the washing up; the total as hours and a
// proper fraction.
struct Cinderella {
  std::int32_t c1, a, c2, b;
};

ProblemInstance CinderellaText(const Cinderella& v) {
  const std::string first = "Золушка  " + FractionText(v.c1, v.a) +
                            " час убирала комнаты, что на " + FractionText(v.c2, v.b) +
                            " час больше времени, которое она ";
  const std::string question =
      "потратила на мойку посуды. Сколько времени Золушка потратила на уборку";
  StoryFraction total = Reduced(2 * v.c1 * v.b - v.c2 * v.a, v.a * v.b);
  std::int32_t whole = 0;
  while (total.num > total.den) {
    ++whole;
    total.num -= total.den;
  }
  ProblemInstance instance;
  instance.fileLines = {first, question + "  и мойку посуды?"};
  instance.previewLines = {first, question + " и мойку посуды?"};
  instance.answerLine = to_string(whole) + " час и " + FractionText(total);
  return instance;
}

void S10(ProblemModule& m) {
  PrimeUsed used;
  Cinderella v{};
  const std::int32_t e = SmallPrime(m.Draw10(39, 10));
  v.a = e * SmallPrime(DrawAndMark(m, used, 39, 10));
  v.b = e * SmallPrime(DrawUnmarked(m, used, 29, 30));
  // More than half an hour of cleaning; 4 takes 3/4 so as not to pass a whole hour.
  v.c1 = v.a == 4 ? 3 : m.Random(3) + v.a / 2 + 1;
  v.c2 = m.Random(3) + 1;
  m.instance = CinderellaText(v);
}

// Two times t1 and t2 sharing the prime e, their other primes different.
struct TwoTimes {
  std::int32_t t1, t2;
};

TwoTimes DrawTwoTimes(ProblemModule& m, std::int32_t commonBase) {
  PrimeUsed used;
  const std::int32_t e = SmallPrime(m.Draw10(39, commonBase));
  TwoTimes v{};
  v.t1 = e * SmallPrime(DrawAndMark(m, used, 39, 10));
  v.t2 = e * SmallPrime(DrawUnmarked(m, used, 39, 10));
  return v;
}

// The part F done in one hour and the part done in `hours` hours, three blanks apart.
std::string PartsText(StoryFraction perHour, std::int32_t hours) {
  return FractionText(perHour) + "   " + FractionText(Reduced(hours * perHour.num, perHour.den));
}

// S11: two ploughmen, the slower named first.
ProblemInstance PloughingText(const TwoTimes& v) {
  return SameLines({"Ивасик-Телесик может вспахать поле за " + to_string(v.t1) +
                        " час, а Котигорошко за " + to_string(v.t2) + " час. Какую часть поля",
                    "вспашут они вместе за 1 час? За 2 час?"},
                   PartsText(Reduced(v.t1 + v.t2, v.t1 * v.t2), 2));
}

void S11(ProblemModule& m) {
  TwoTimes v = DrawTwoTimes(m, 50);
  if (v.t1 < v.t2) std::swap(v.t1, v.t2);
  m.instance = PloughingText(v);
}

// S12: three painters.
ProblemInstance FenceText(std::int32_t t1, std::int32_t t2, std::int32_t t3) {
  return SameLines({"Один работник может покрасить забор за " + to_string(t1) + " час, другой за " +
                        to_string(t2) + " час, а третий за " + to_string(t3) + " час.",
                    "Какую часть забора они покрасят вместе за 1 час? За 3 час?"},
                   PartsText(Reduced(t2 * t3 + t1 * t3 + t1 * t2, t1 * t2 * t3), 3));
}

void S12(ProblemModule& m) {
  PrimeUsed used;
  const std::int32_t e = SmallPrime(m.Draw10(39, 50));
  const std::int32_t t1 = e * SmallPrime(DrawAndMark(m, used, 39, 10));
  const std::int32_t t2 = e * SmallPrime(DrawAndMark(m, used, 39, 10));
  const std::int32_t t3 = e * SmallPrime(DrawAndMark(m, used, 39, 10));
  m.instance = FenceText(t1, t2, t3);
}

// What is left of a whole when the part f has gone.
std::string RestText(StoryFraction f) {
  return FractionText(f.den - f.num, f.den);
}

// S13: two boys eat one watermelon.
ProblemInstance WatermelonText(const TwoTimes& v) {
  const std::string question = "через 1 мн, если мальчики начнут есть его одновременно?";
  const std::string head =
      "Миша может съесть арбуз за " + to_string(v.t1) + " мн, а Коля - за " + to_string(v.t2);
  ProblemInstance instance;
  instance.fileLines = {head + "  мн. Какая часть арбуза останется", question};
  instance.previewLines = {head + " мн. Какая часть арбуза останется", question};
  instance.answerLine = RestText(Reduced(v.t1 + v.t2, v.t1 * v.t2));
  return instance;
}

void S13(ProblemModule& m) {
  m.instance = WatermelonText(DrawTwoTimes(m, 10));
}

// S14: one pipe fills the pool in t1 hours, the other drains it in t2 > t1.
ProblemInstance FillAndDrainText(const TwoTimes& v) {
  return SameLines(
      {"Бассейн можно заполнить водой за " + to_string(v.t1) + " час через одну трубу и " +
           " осушить за " + to_string(v.t2) + " через другую. Петя",
       "Забывайкин открыл одновременно две трубы. Какая часть бассейна будет" +
           std::string(" незаполненной через 1 час?")},
      RestText(Reduced(v.t2 - v.t1, v.t1 * v.t2)));
}

void S14(ProblemModule& m) {
  TwoTimes v = DrawTwoTimes(m, 10);
  if (v.t1 > v.t2) std::swap(v.t1, v.t2);
  m.instance = FillAndDrainText(v);
}

// S15: both pipes fill the pool in a hours, one of them in b.
ProblemInstance TwoPipesText(std::int32_t a, std::int32_t b) {
  return SameLines({"Через две трубы бассейн можно заполнить водой за " + to_string(a) + " час. " +
                        " Какую часть бассейна можно заполнить",
                    "за 1 час через одну из этих труб, если через другую трубу его" +
                        std::string(" можно заполнить за ") + to_string(b) + " час?"},
                   FractionText(Reduced(b - a, a * b)));
}

void S15(ProblemModule& m) {
  const std::int32_t a = SmallPrime(m.Draw10(29, 10));
  const std::int32_t b = SmallPrime(m.Draw10(29, 40));
  m.instance = TwoPipesText(a, b);
}

// S16: n/d of a right angle, d dividing 90 and one part of it `degrees` degrees.
struct AnglePart {
  std::int32_t den, degrees;
};

constexpr std::array<AnglePart, 10> kAngleParts = {
    {{2, 45}, {3, 30}, {5, 18}, {6, 15}, {9, 10}, {10, 9}, {15, 6}, {18, 5}, {30, 3}, {45, 2}}};

ProblemInstance RightAngleText(AnglePart part, std::int32_t n) {
  return SameLines({"Сколько градусов составляет " + FractionText(n, part.den) + " прямого угла?"},
                   to_string(part.degrees * n));
}

void S16(ProblemModule& m) {
  const AnglePart part = kAngleParts[static_cast<std::size_t>(m.Draw10(99, 10) - 1)];
  std::int32_t n = 0;
  do n = m.Random(part.den - 1) + 1;
  while (Gcd(n, part.den) > 1);
  m.instance = RightAngleText(part, n);
}

// S17: k·d mushrooms, n/d of them ceps.
ProblemInstance MushroomsText(std::int32_t d, std::int32_t n, std::int32_t k) {
  return SameLines({"Миша собрал " + to_string(k * d) + " грибов, из них " + FractionText(n, d) +
                    " составляли белые." + " Сколько белых грибов собрал Миша?"},
                   to_string(k * n));
}

void S17(ProblemModule& m) {
  const std::int32_t d = SmallPrime(m.Draw10(49, 50));
  const std::int32_t n = m.Random(d - 1) + 1;
  const std::int32_t k = 10 * (m.Random(30) + 10);
  m.instance = MushroomsText(d, n, k);
}

constexpr std::array<ProblemBinding, 11> kBindings = {{
    {SIndex(7), &S7},
    {SIndex(8), &S8},
    {SIndex(9), &S9},
    {SIndex(10), &S10},
    {SIndex(11), &S11},
    {SIndex(12), &S12},
    {SIndex(13), &S13},
    {SIndex(14), &S14},
    {SIndex(15), &S15},
    {SIndex(16), &S16},
    {SIndex(17), &S17},
}};

}  // namespace

std::span<const ProblemBinding> SFractionProblems() {
  return kBindings;
}

}  // namespace mathsheets
