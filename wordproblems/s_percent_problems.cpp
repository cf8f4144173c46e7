// S18..S24: percentages (cucumbers, a canteen, an orchard) and parts of a whole (park trees,
// sweets over three weeks, a bank, a cord).
#include <array>
#include <string>
#include <string_view>

#include "common/divisors.h"
#include "wordproblems/problem_module.h"
#include "wordproblems/s_problem_support.h"
#include "wordproblems/s_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

// S18: q % of T kilograms; T is a multiple of 20 and q of 5, so the answer is whole.
ProblemInstance CucumbersText(std::int32_t q, std::int32_t total) {
  return SameLines(
      {"Магазин продал " + to_string(total) + " кг огурцов и помидоров, причем огурцы" +
           " составляли " + to_string(q) + " % этих овощей.",
       "Сколько килограммов огурцов продали?"},
      to_string(total * q / 100));
}

void S18(ProblemModule& m) {
  const std::int32_t q = 5 * m.Draw10(189, 10);
  const std::int32_t total = 20 * (m.Random(30) + 20);
  m.instance = CucumbersText(q, total);
}

// S19: lindens are n1/d1 of the trees, oaks n2/d2 of the lindens.
struct ParkTrees {
  std::int32_t n1, d1, n2, d2;
};

ProblemInstance ParkTreesText(const ParkTrees& v) {
  return SameLines(
      {"Толвары сотавляют " + FractionText(v.n1, v.d1) + " всех деревьев " +
           " которые растуть в парке, а дубы - " + FractionText(v.n2, v.d2) + " от",
       "количества толваров. Какую часть всех деревьев в парке сотавляют" + std::string(" дубы?")},
      FractionText(Reduced(v.n1 * v.n2, v.d1 * v.d2)));
}

void S19(ProblemModule& m) {
  PrimeUsed used;
  const std::int32_t i = m.Draw10(39, 10);
  used.Mark(i);
  const std::int32_t k = m.Draw10(29, 30);
  used.Mark(k);
  ParkTrees v{};
  v.d1 = SmallPrime(k) * SmallPrime(i);
  const std::int32_t j = DrawUnmarked(m, used, 29, 10);
  v.n1 = SmallPrime(j);
  v.d2 = SmallPrime(m.Draw10(29, 50)) * SmallPrime(j);
  v.n2 = SmallPrime(m.Draw10(29, 10)) * SmallPrime(i);
  m.instance = ParkTreesText(v);
}

// S20: t boxes; n1/d1 of them in the first week, n2/d2 of the rest in the second.
struct ThreeWeeks {
  std::int32_t total, n1, d1, n2, d2;
};

constexpr std::array<std::string_view, 3> kBoxes = {" коробка", " коробки", " коробок"};

ProblemInstance ThreeWeeksText(const ThreeWeeks& v) {
  const std::int32_t first = v.total * v.n1 / v.d1;
  const std::int32_t rest = v.total - first;
  const std::int32_t second = rest * v.n2 / v.d2;
  return SameLines(
      {"За три недели продали " + to_string(v.total) +
           std::string(LastTwoDigitsForm(v.total, kBoxes)) + " конфет. За первую неделю " +
           "продали " + FractionText(v.n1, v.d1) + " этого количества,",
       "за вторую - " + FractionText(v.n2, v.d2) +
           " остатка. Сколько коробок конфет продали за третью " + "неделю?"},
      to_string(rest - second));
}

// d1 = p[i1]·p[j] and n1 = d1 - p[k], the three primes different, so n1/d1 is already reduced;
// d2 = p[m]·p[k] and the total p[m]·d1 times 2 or 3, so that both weeks come out whole.
void S20(ProblemModule& m) {
  PrimeUsed used;
  ThreeWeeks v{};
  std::int32_t j = 0, k = 0;
  do {
    used = PrimeUsed{};
    const std::int32_t i1 = m.Draw10(29, 30);
    used.Mark(i1);
    j = DrawAndMark(m, used, 39, 10);
    v.d1 = SmallPrime(i1) * SmallPrime(j);
    k = DrawUnmarked(m, used, 39, 10);
    v.n1 = v.d1 - SmallPrime(k);
  } while (Gcd(v.n1, v.d1) > 1);
  used.Mark(k);
  std::int32_t week2Prime = 0;
  while (true) {
    const std::int32_t index = DrawAndMark(m, used, 39, 40);
    week2Prime = SmallPrime(index);
    v.d2 = week2Prime * SmallPrime(k);
    v.n2 = SmallPrime(DrawUnmarked(m, used, 49, 10)) * SmallPrime(j);
    if (v.n2 < v.d2) break;
    used.Unmark(index);
  }
  v.total = week2Prime * v.d1 * (m.Random(100) >= 51 ? 2 : 3);
  m.instance = ThreeWeeksText(v);
}

// S21: June 100j, July 0,q of June, August n/d of July; q is 5d or 7d, so August is whole.
struct Bank {
  std::int32_t d, n, q, j;
};

ProblemInstance BankText(const Bank& v) {
  const std::int32_t june = 100 * v.j;
  const std::int32_t july = v.j * v.q;
  const std::int32_t august = july / v.d * v.n;
  return SameLines({"Банк \"Ломаный грош\" получил в июне " + to_string(june) +
                        " сольдо прибыли, " + "в июле - " + "0," + to_string(v.q) + " от прибыли",
                    "июня, в августе - " + FractionText(v.n, v.d) + " от прибыли июля. Сколько " +
                        "сольдо составила прибыль банка",
                    "за три летних месяца?"},
                   to_string(june + july + august));
}

void S21(ProblemModule& m) {
  Bank v{};
  v.d = SmallPrime(m.Draw10(39, 50));
  v.n = v.d + 1 + m.Random(5);
  // 7d must stay below 100 to be written after "0,"; only 11 and 13 allow it.
  v.q = 5 * v.d;
  if (v.d <= 13 && m.Random(100) >= 51) v.q = 7 * v.d;
  v.j = m.Draw10(79, 20);
  m.instance = BankText(v);
}

// S22: carrots c % and potatoes k % of the cabbage, x hundred kilograms of it. Neither percentage
// is a multiple of 10.
struct Canteen {
  std::int32_t c, k, x;
};

ProblemInstance CanteenText(const Canteen& v) {
  return SameLines(
      {"В столовую завезли " + to_string((100 + v.c + v.k) * v.x) +
           " килограммов овощей: капусту, морковку и " + "картошку. Морковка составляла",
       to_string(v.c) + "% от капусты, картошка " + to_string(v.k) +
           "% от капусты. Сколько килограммов " + "капусты завезли в столовую?"},
      to_string(100 * v.x));
}

void S22(ProblemModule& m) {
  Canteen v{};
  v.c = m.Random(38) + 12;
  v.k = m.Random(38) + 112;
  if (v.c % 10 == 0) --v.c;
  if (v.k % 10 == 0) --v.k;
  v.x = m.Draw10(799, 200);
  m.instance = CanteenText(v);
}

// S23: `percentApples` % of the apple trees equal `percentPears` % of the pear trees.
struct Orchard {
  std::int32_t trees, percentApples, percentPears, apples;
};

constexpr std::array<Orchard, 21> kOrchards = {{
    {100, 20, 5, 20},     {100, 60, 90, 60},    {100, 80, 320, 80},  {100, 90, 810, 90},
    {200, 40, 10, 40},    {300, 50, 10, 50},    {300, 60, 15, 60},   {400, 80, 20, 80},
    {500, 100, 25, 100},  {600, 100, 20, 100},  {600, 120, 30, 120}, {600, 150, 50, 150},
    {600, 200, 100, 200}, {600, 240, 160, 240}, {700, 140, 35, 140}, {700, 200, 80, 200},
    {700, 210, 90, 210},  {800, 160, 40, 160},  {900, 90, 10, 90},   {900, 150, 30, 150},
    {900, 180, 45, 180},
}};

ProblemInstance OrchardText(const Orchard& v) {
  return SameLines({"В саду росли груши и яблони, всего " + to_string(v.trees) +
                        " деревьев. Сколько яблонь росло в " + "саду, если " +
                        to_string(v.percentApples) + "% их",
                    "количества равно " + to_string(v.percentPears) + "% количества груш?"},
                   to_string(v.apples));
}

void S23(ProblemModule& m) {
  m.instance = OrchardText(kOrchards[static_cast<std::size_t>(m.Draw10(209, 10) - 1)]);
}

// S24: a cord of L metres loses 1/a and 1/b of its length, then 1/c of what is left. The tables
// make every division exact in millimetres.
struct Cord {
  std::int32_t metres, a, b, c;
};

// a = b = 0: the pair is drawn from kCutPairs.
constexpr std::array<Cord, 21> kCords = {{
    {10, 4, 5, 11},  {10, 5, 25, 19}, {12, 4, 5, 11},  {12, 5, 25, 19}, {15, 4, 5, 11},
    {15, 5, 25, 19}, {16, 4, 5, 11},  {16, 5, 25, 19}, {20, 4, 5, 11},  {20, 5, 25, 19},
    {24, 4, 5, 11},  {24, 5, 25, 19}, {22, 5, 25, 19}, {26, 4, 5, 11},  {22, 0, 0, 11},
    {21, 0, 0, 7},   {26, 0, 0, 13},  {34, 0, 0, 17},  {38, 0, 0, 19},  {77, 0, 0, 7},
    {77, 0, 0, 11},
}};

struct CutPair {
  std::int32_t a, b;
};

constexpr std::array<CutPair, 6> kCutPairs = {{{2, 4}, {2, 5}, {2, 25}, {4, 5}, {4, 25}, {5, 25}}};

ProblemInstance CordText(const Cord& v) {
  const std::int32_t millimetres = 1000 * v.metres;
  const std::int32_t afterTwo = millimetres - millimetres / v.a - millimetres / v.b;
  const std::int32_t rest = afterTwo - afterTwo / v.c;
  return SameLines({"От шнура, длина которого  " + to_string(v.metres) + " м,  " +
                        "сначала отрезали 1/" + to_string(v.a) + " его длины,",
                    "потом - 1/" + to_string(v.b) + " начальной длины, а потом - 1/" +
                        to_string(v.c) + " того, что осталось. Сколько метров",
                    "шнура осталось после этих трех операций?"},
                   TrimmedCommaText(rest, 3));
}

void S24(ProblemModule& m) {
  Cord v = kCords[static_cast<std::size_t>(m.Draw10(209, 10) - 1)];
  if (v.a == 0) {
    const CutPair pair = kCutPairs[static_cast<std::size_t>(m.Draw10(59, 10) - 1)];
    v.a = pair.a;
    v.b = pair.b;
  }
  m.instance = CordText(v);
}

constexpr std::array<ProblemBinding, 7> kBindings = {{
    {SIndex(18), &S18},
    {SIndex(19), &S19},
    {SIndex(20), &S20},
    {SIndex(21), &S21},
    {SIndex(22), &S22},
    {SIndex(23), &S23},
    {SIndex(24), &S24},
}};

}  // namespace

std::span<const ProblemBinding> SPercentProblems() {
  return kBindings;
}

}  // namespace mathsheets
