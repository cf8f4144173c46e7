// S1..S6: greatest common divisor and least common multiple: dictionaries, gifts, bouquets,
// steps, the swimming pool and sweets.
#include <array>
#include <string>
#include <string_view>

#include "wordproblems/problem_module.h"
#include "wordproblems/s_problem_support.h"
#include "wordproblems/s_problems.h"

namespace mathsheets {

namespace {

using std::to_string;
using Forms = std::array<std::string_view, 3>;

// S1: A and B dictionaries of two kinds shared among n schools, at least L of them.
struct Dictionaries {
  std::int32_t n, lower, a, b;
};

ProblemInstance DictionariesText(const Dictionaries& v) {
  const std::string head =
      "Между школьными библиотеками поделили " + to_string(v.a) + " толковых и " + to_string(v.b);
  const std::vector<std::string> rest = {
      "русского языка. Сколько было школ, если известно, что их не менше чем " +
          to_string(v.lower) + " и каждая школа",
      "получила одинаковое количество словарей каждого вида."};
  ProblemInstance instance;
  instance.fileLines = {head + " орфографических" + " словарей"};
  instance.fileLines.insert(instance.fileLines.end(), rest.begin(), rest.end());
  // The window has always shown a blank more before the last word.
  instance.previewLines = {head + " орфографических " + " словарей"};
  instance.previewLines.insert(instance.previewLines.end(), rest.begin(), rest.end());
  instance.answerLine = to_string(v.n);
  return instance;
}

void S1(ProblemModule& m) {
  PrimeUsed used;
  Dictionaries v{};
  const std::int32_t k = m.Draw10(39, 10);
  v.n = SmallPrime(k);
  used.Mark(k);
  v.n *= SmallPrime(m.Draw10(59, 90));
  v.lower = v.n - 1 - m.Random(5);
  v.a = v.n * SmallPrime(DrawAndMark(m, used, 49, 10));
  v.b = v.n * SmallPrime(DrawUnmarked(m, used, 49, 10));
  m.instance = DictionariesText(v);
}

// S2 and S3: n gifts or bouquets made of three kinds, c, o and b of each. Only 2, 3 and 5 make up
// the extra factor of c, only 11 or 13 that of o, only 17 or 19 that of b, so n is their greatest
// common divisor.
struct ThreeKinds {
  std::int32_t n, c, o, b;
};

ThreeKinds DrawThreeKinds(ProblemModule& m) {
  ThreeKinds v{};
  v.n = SmallPrime(m.Draw10(39, 10));
  v.n *= SmallPrime(m.Draw10(39, 10));
  v.n *= SmallPrime(m.Draw10(29, 10));
  v.c = v.n;
  for (int i = 0; i < 3; ++i) v.c *= SmallPrime(m.Draw10(29, 10));
  v.o = v.n * SmallPrime(m.Draw10(19, 50));
  v.b = v.n * SmallPrime(m.Draw10(19, 70));
  return v;
}

constexpr Forms kChocolates = {" шоколадка, ", " шоколадки, ", " шоколадок, "};
constexpr Forms kOranges = {" апельсин, ", " апельсина, ", " апельсинов, "};
constexpr Forms kBananas = {" банан. ", " банана. ", " бананов. "};

ProblemInstance GiftsText(const ThreeKinds& v) {
  return SameLines({"Для новогодних подарков купили " + to_string(v.c) +
                        std::string(LastTwoDigitsForm(v.c, kChocolates)) + to_string(v.o) +
                        std::string(LastTwoDigitsForm(v.o, kOranges)) + " и " + to_string(v.b) +
                        std::string(LastTwoDigitsForm(v.b, kBananas)),
                    "Какое наибольшее количество однаковых подарков можно из них сделать? " +
                        std::string("Сколько отдельных"),
                    "шоколадок, апельсинов и бананов будет в каждом подарке?"},
                   "всего " + to_string(v.n) + "из них:   шок. " + to_string(v.c / v.n) +
                       " апель. " + to_string(v.o / v.n) + " бан. " + to_string(v.b / v.n));
}

ProblemInstance BouquetsText(const ThreeKinds& v) {
  return SameLines(
      {"Из " + to_string(v.c) + " желтых, " + to_string(v.o) + " белых и " + to_string(v.b) +
           " красных роз сложили букеты. " + "Какое наибольшее количество",
       "букетов можно скложить, что бы во всех букетах роз каждого цвета было " +
           std::string(" поровну?")},
      to_string(v.n));
}

template <ProblemInstance (*Text)(const ThreeKinds&)>
void ThreeKindsProblem(ProblemModule& m) {
  m.instance = Text(DrawThreeKinds(m));
}

// S4: steps of x and y centimetres with the common factor a.
ProblemInstance StepsText(std::int32_t a, std::int32_t x, std::int32_t y) {
  return SameLines({"Длина шага Чебурашки равна " + to_string(x) + " см, а крокодила Гены - " +
                        to_string(y) + " см." + " Какое наименьшее однаковое",
                    "расстояние должен пройти каждый з них, что бы они оба сделали по целому " +
                        std::string(" числу шагов?")},
                   to_string(x * y / a));
}

void S4(ProblemModule& m) {
  const std::int32_t a = SmallPrime(m.Draw10(39, 10));
  const std::int32_t x = a * SmallPrime(m.Draw10(39, 10));
  const std::int32_t y = a * SmallPrime(m.Draw10(19, 50));
  m.instance = StepsText(a, x, y);
}

// S5: three boys visit the pool every s1, s2 and s3 days and met on weekday w (1 is Monday).
struct Pool {
  std::int32_t s1, s2, s3, w;
};

constexpr std::array<std::string_view, 7> kOnWeekday = {"в понедельник", "во вторник", "в среду",
                                                        "в четверг",     "в пятницу",  "в субботу",
                                                        "в воскресенье"};
// The day of the next meeting, counted on from the day they met: 1..13 run through the week
// almost twice.
constexpr std::array<std::string_view, 13> kNextWeekday = {
    "понедельник", "вторник", "среду", "четверг", "пятницу", "субботу", "воскресенье",
    "понедельник", "вторник", "среду", "четверг", "пятницу", "субботу"};

std::string IntervalText(std::int32_t days) {
  return to_string(days) + (days <= 4 ? " дня" : " дней");
}

// The smallest of 2..60 that all three intervals divide.
std::int32_t CommonInterval(std::int32_t s1, std::int32_t s2, std::int32_t s3) {
  std::int32_t least = 60;
  for (std::int32_t n = 60; n >= 2; --n)
    if (n % s1 == 0 && n % s2 == 0 && n % s3 == 0) least = n;
  return least;
}

ProblemInstance PoolText(const Pool& v) {
  const std::int32_t days = CommonInterval(v.s1, v.s2, v.s3);
  const std::int32_t next = days % 7 + v.w;
  return SameLines(
      {"Саша ходит в бассейн один раз в " + IntervalText(v.s1) + ", Коля - в " +
           IntervalText(v.s2) + ", Петя - " + IntervalText(v.s3) + ".",
       "Они встретились в бассейне " + std::string(kOnWeekday[static_cast<std::size_t>(v.w - 1)]) +
           ". Через сколько дней и в какой день недели они встретятся",
       "в следующий раз?"},
      std::string(kNextWeekday[static_cast<std::size_t>(next - 1)]) + "  " + to_string(days) +
          " дн.");
}

void S5(ProblemModule& m) {
  Pool v{};
  v.s1 = m.Draw10(49, 20);
  do v.s2 = m.Draw10(49, 20);
  while (v.s2 == v.s1);
  do v.s3 = m.Draw10(49, 20);
  while (v.s3 == v.s1 || v.s3 == v.s2);
  v.w = m.Draw10(69, 10);
  m.instance = PoolText(v);
}

// S6: sweets that go by a or by b into a gift: the only multiple of their least common multiple
// strictly between the two bounds.
struct Sweets {
  std::int32_t a, b, count, lower, upper;
};

constexpr Forms kPieces = {" штуці ", " штуки ", " штук "};

ProblemInstance SweetsText(const Sweets& v) {
  return SameLines({"Готовя подарки к Новому году, члены родительского комитета увидели, " +
                        std::string(" что конфеты,"),
                    "которые у них есть, можно разложить поровну по " + to_string(v.a) +
                        " или по " + to_string(v.b) + std::string(LastTwoDigitsForm(v.b, kPieces)) +
                        "в один " + " подарок. Сколько",
                    "было конфет, если известно, что их было больше чем " + to_string(v.lower) +
                        " и меньше чем " + to_string(v.upper) + "?"},
                   to_string(v.count));
}

void S6(ProblemModule& m) {
  PrimeUsed used;
  Sweets v{};
  // k is left unmarked, so a or b may be the square of p[k]; the product below is still their
  // least common multiple.
  const std::int32_t k = m.Draw10(39, 20);
  const std::int32_t k2 = DrawAndMark(m, used, 39, 20);
  v.a = SmallPrime(k) * SmallPrime(k2);
  const std::int32_t j = DrawUnmarked(m, used, 49, 20);
  v.b = SmallPrime(k) * SmallPrime(j);
  const std::int32_t lcm = SmallPrime(k) * SmallPrime(k2) * SmallPrime(j);
  v.count = lcm * SmallPrime(m.Draw10(49, 70));
  const std::int32_t half = lcm / 2;
  v.lower = v.count - half - m.Random(half - 2);
  v.upper = v.count + half + m.Random(half - 2);
  m.instance = SweetsText(v);
}

constexpr std::array<ProblemBinding, 6> kBindings = {{
    {SIndex(1), &S1},
    {SIndex(2), &ThreeKindsProblem<GiftsText>},
    {SIndex(3), &ThreeKindsProblem<BouquetsText>},
    {SIndex(4), &S4},
    {SIndex(5), &S5},
    {SIndex(6), &S6},
}};

}  // namespace

std::span<const ProblemBinding> SDivisibilityProblems() {
  return kBindings;
}

}  // namespace mathsheets
