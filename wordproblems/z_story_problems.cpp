// Z1..Z13: children solving problems, nuts, baking, shelves, tourists, trains, a trolleybus,
// flowers, apples, a segment and fruit.
#include <array>
#include <string>
#include <string_view>

#include "wordproblems/problem_module.h"
#include "wordproblems/z_problems.h"

namespace mathsheets {

namespace {

using std::to_string;
using Names7 = std::array<std::string_view, 7>;

// Tables are indexed from 1 as the draws give them.
template <std::size_t N>
std::string_view At(const std::array<std::string_view, N>& table, std::int32_t i) {
  return table[static_cast<std::size_t>(i - 1)];
}

constexpr std::array<std::string_view, 10> kGirls = {"Светланка", "Наденька", "Иринка",   "Нина",
                                                     "Леночка",   "Танечка",  "Виктория", "Лариса",
                                                     "Тома",      "Наташа"};
constexpr std::array<std::string_view, 10> kBoys = {"Саша", "Юра",  "Сергей", "Андрей", "Олег",
                                                    "Дима", "Коля", "Алеша",  "Артем",  "Петя"};
constexpr Names7 kFinderC = {"Крутивус", "Котигорошко", "Вернидуб", "Вернигора",
                             "Мальвина", "Белоснежка",  "Герда"};
constexpr Names7 kFinderB = {"Кай", "Гудвин", "Пьеро", "Артемон", "Колобок", "Малыш", "Карлсон"};
constexpr Names7 kFinderA = {"Чип",      "Дейл",       "Дюймовочка", "Золушка",
                             "Буратино", "Снегурочка", "Кумбля"};
constexpr Names7 kGardenGirl = {"Мария",   "Оксанка", "Леночка", "Леся",
                                "Татянка", "Наташа",  "Настя"};
constexpr Names7 kGardenGirlOf = {"Марии",   "Оксанки", "Леночки", "Леси",
                                  "Татянки", "Наташи",  "Насти"};
constexpr std::array<std::string_view, 5> kFlowerA = {"васильков", "маргариток", "орхидей",
                                                      "фиалок", "нарцысов"};
constexpr std::array<std::string_view, 5> kFlowerB = {"георгин", "роз", "гладиолусов", "гвоздик",
                                                      "ромашек"};
constexpr Names7 kGardener = {"Васильок", "Петя",     "Дима",   "Ярослав",
                              "Тарасик",  "Андрейка", "Ванечка"};
// Latin capitals: the points of a segment.
constexpr std::array<std::string_view, 4> kPointA = {"A", "C", "E", "M"};
constexpr std::array<std::string_view, 4> kPointB = {"B", "D", "F", "N"};
constexpr std::array<std::string_view, 4> kFruitA = {"бананов", "яблок", "слив", "винограда"};
constexpr std::array<std::string_view, 4> kFruitB = {"апельсинов", "груш", "вишень", "персиков"};

// The forms of "задача" end in a Latin y after 1, as the texts have always had it.
constexpr std::array<std::string_view, 3> kProblemsAfterBlank = {"задачy", "задачи", "задач"};
constexpr std::array<std::string_view, 3> kProblems = {" задачy", " задачи", " задач"};
constexpr std::array<std::string_view, 3> kNutsAfterBlank = {"орешек", "орешка", "орешков"};
constexpr std::array<std::string_view, 3> kNuts = {" орешек", " орешка", " орешков"};

// Z1: the girl solved d problems more or fewer than the boy's a.
struct SolvedProblems {
  std::int32_t girl, boy, a, d, c;
};

ProblemInstance SolvedProblemsText(const SolvedProblems& n) {
  const std::string_view girl = At(kGirls, n.girl);
  const std::string_view boy = At(kBoys, n.boy);
  const bool fewer = n.c <= 50;
  return SameLines(
      {std::string(girl) + " и " + std::string(boy) + " решали задачи, " + std::string(boy) +
           " решил " + to_string(n.a) + " " + std::string(NounFor(n.a, kProblemsAfterBlank)) +
           ", а " + std::string(girl) + " на",
       to_string(n.d) + std::string(NounFor(n.d, kProblems)) + (fewer ? " меньше" : " больше") +
           ". Сколько задач решили " + std::string(boy) + " и " + std::string(girl) + " вместе?"},
      to_string(fewer ? 2 * n.a - n.d : 2 * n.a + n.d));
}

void Z1(ProblemModule& m) {
  SolvedProblems n{};
  n.girl = m.Draw10(99, 10);
  n.boy = m.Draw10(99, 10);
  n.a = m.Random(30) + 40;
  n.d = m.Random(15) + 20;
  n.c = m.Random(100);
  m.instance = SolvedProblemsText(n);
}

// Z2: B found n nuts, d fewer (or more) than C; A found e more (or fewer) than C.
struct Nuts {
  std::int32_t i, j, k, n, d, e, c;
};

ProblemInstance NutsText(const Nuts& v) {
  const std::string c(At(kFinderC, v.i)), b(At(kFinderB, v.j)), a(At(kFinderA, v.k));
  const bool bFewer = v.c <= 50;
  return SameLines({c + ", " + b + " и " + a + " собирали орешки. " + b + " нашел " +
                        to_string(v.n) + " " + std::string(NounFor(v.n, kNutsAfterBlank)) + ",",
                    "что на " + to_string(v.d) + std::string(NounFor(v.d, kNuts)) +
                        (bFewer ? " менше чем " : " больше чем ") + c + ", a " + a + " - на " +
                        to_string(v.e) + " орешков" + (bFewer ? " больше чем " : " менше чем "),
                    c + ". Сколько всего орешков они собрали?"},
                   to_string(bFewer ? 3 * v.n + 2 * v.d + v.e : 3 * v.n - 2 * v.d - v.e));
}

void Z2(ProblemModule& m) {
  Nuts v{};
  v.i = m.Draw10(69, 10);
  v.j = m.Draw10(69, 10);
  v.k = m.Draw10(69, 10);
  v.n = m.Random(30) + 60;
  v.d = m.Random(15) + 20;
  v.e = m.Random(10) + 10;
  v.c = m.Random(100);
  m.instance = NutsText(v);
}

// Z3: p pies, a more cakes than pies, b fewer cakes than cheesecakes.
struct Baking {
  std::int32_t s, p, a, b;
};

constexpr std::array<std::string_view, 3> kBakers = {
    "Красная шапочка приготовила на бабушкин день роджения",
    "Малыш приготовил ко дню роджения своего друга Карлсона",
    "Крокодил Гена ко дню роджения свого друга Чебурашки приготовил"};
constexpr std::array<std::string_view, 3> kPies = {" пирожок", " пирожка", " пирожков"};

ProblemInstance BakingText(const Baking& v) {
  return SameLines({std::string(At(kBakers, v.s)),
                    to_string(v.p) + std::string(NounFor(v.p, kPies)) +
                        " с повидлом, пирожные с кремом, которых было на " + to_string(v.a) +
                        " больше, чем пирожков,",
                    "и ватрушки с сыром. Причем пирожных было на " + to_string(v.b) +
                        " меньше чем ватрушек. Сколько ",
                    "всего пирожков, пирожных и ватрушек было приготовлено ко дню роджения?"},
                   to_string(3 * v.p + 2 * v.a + v.b));
}

void Z3(ProblemModule& m) {
  Baking v{};
  v.s = m.Draw10(29, 10);
  v.p = m.Random(20) + 20;
  do {
    v.a = m.Random(10) + 10;
    v.b = m.Random(10) + 10;
  } while (v.b == v.a);
  m.instance = BakingText(v);
}

// Z4: a books, b more on the second shelf, c more on the third than on both others.
struct Shelves {
  std::int32_t a, b, c;
};

constexpr std::array<std::string_view, 3> kBooksComma = {" книжка,", " книжки,", " книжек,"};
constexpr std::array<std::string_view, 3> kBooks = {" книжку", " книжки", " книжек"};

ProblemInstance ShelvesText(const Shelves& v) {
  return SameLines({"На одной полке было " + to_string(v.a) +
                        std::string(NounFor(v.a, kBooksComma)) + " на другой на " + to_string(v.b) +
                        std::string(NounFor(v.b, kBooks)) + " больше, чем на первой,",
                    "а на третьей - на " + to_string(v.c) + std::string(NounFor(v.c, kBooks)) +
                        " больше чем на первой и второй вместе. Сколько книжек",
                    "было на трьех полках вместе?"},
                   to_string(4 * v.a + 2 * v.b + v.c));
}

void Z4(ProblemModule& m) {
  Shelves v{};
  v.a = m.Random(20) + 20;
  do {
    v.b = m.Random(10) + 20;
    v.c = m.Random(10) + 20;
  } while (v.c == v.b);
  m.instance = ShelvesText(v);
}

// Z5: a km on the first day, b km less than on the second, c km more on the third than on both.
struct Tourists {
  std::int32_t a, b, c;
};

ProblemInstance TouristsText(const Tourists& v) {
  return SameLines(
      {"Отправившись в велосипедный поход, группа туристов за первый день преодолела " +
           to_string(v.a) + " км,",
       "что на " + to_string(v.b) + " км меньше чем за второй, а за третий - на " + to_string(v.c) +
           " км больше, чем за первый",
       "и второй вместе. Сколько километров проехали туристы за три дня?"},
      to_string(4 * v.a + 2 * v.b + v.c));
}

void Z5(ProblemModule& m) {
  Tourists v{};
  v.a = m.Random(20) + 30;
  v.b = m.Random(10) + 20;
  v.c = m.Random(10) + 10;
  m.instance = TouristsText(v);
}

// Z6: leaves at h:m, travels u:w. The minutes always carry one hour; the hours are not taken
// round the clock.
struct Timetable {
  std::int32_t h, m, u, w;
};

ProblemInstance TimetableText(const Timetable& v) {
  return SameLines({"Поезд отдходит от станции А в " + to_string(v.h) + " час " + to_string(v.m) +
                        " мн и двигается к станции В",
                    to_string(v.u) + " час " + to_string(v.w) +
                        " мн. В котром часу поезд прибывает на станцию В?"},
                   to_string(v.h + v.u + 1) + " год " + to_string(v.m + v.w - 60) + " хв");
}

void Z6(ProblemModule& m) {
  Timetable v{};
  v.h = m.Random(14) + 1;
  v.m = m.Random(25) + 35;
  v.u = m.Random(8) + 2;
  v.w = m.Random(25) + 35;
  m.instance = TimetableText(v);
}

// Z7: the day distances x, y, z known only in pairs.
struct Cyclist {
  std::int32_t x, y, z;
};

ProblemInstance CyclistText(const Cyclist& v) {
  return SameLines(
      {"Велосипедист отправился из города А в город В. "
       "Известно, что за первый и второй день он",
       "проехал " + to_string(v.x + v.y) + " км, " + "за первый и третий день преодолел " +
           to_string(v.x + v.z) + " км, а за второй и третий " + to_string(v.y + v.z) + " км.",
       "Чему равняется расстояние между городами А и В?"},
      to_string(v.x + v.y + v.z));
}

void Z7(ProblemModule& m) {
  Cyclist v{};
  do {
    v.x = m.Random(100) + 100;
    v.y = m.Random(100) + 100;
    do v.z = m.Random(100) + 100;
    while (v.z == v.y);
  } while (v.z == v.x);
  m.instance = CyclistText(v);
}

// Z8: a flowers of kind B and b of kind A, t chrysanthemums.
struct Flowers {
  std::int32_t g, f, h, a, b, t;
};

ProblemInstance FlowersText(const Flowers& v) {
  const std::string flowerA(At(kFlowerA, v.h)), flowerB(At(kFlowerB, v.f));
  return SameLines(
      {"В саду " + std::string(At(kGardenGirl, v.g)) + " выращивали цветы. Известно, что " +
           flowerB + " и " + flowerA + " было " + to_string(v.a + v.b) + ", а ",
       "остальные - хризантемы, причем хризантем на " + to_string(v.t - v.a) + " больше чем " +
           flowerB + ".",
       "Сколько " + flowerA + " было у " + std::string(At(kGardenGirlOf, v.g)) +
           ", если всего цветов было " + to_string(v.a + v.b + v.t) + "?"},
      to_string(v.b));
}

void Z8(ProblemModule& m) {
  Flowers v{};
  v.g = m.Draw10(69, 10);
  v.f = m.Draw10(49, 10);
  v.h = m.Draw10(49, 10);
  do {
    v.a = m.Random(50) + 50;
    v.b = m.Random(50) + 50;
    v.t = v.a + m.Random(10) + 10;
  } while (v.b == v.a);
  m.instance = FlowersText(v);
}

// Z9: x passengers before the stops; i in and o out, then o2 out and i2 in.
struct Trolleybus {
  std::int32_t x, i, o, i2, o2;
};

constexpr std::array<std::string_view, 3> kPassengers = {" пассажир,", " пассажира,",
                                                         " пассажиров,"};

ProblemInstance TrolleybusText(const Trolleybus& v) {
  return SameLines(
      {"На остановке в тролейбус зашло " + to_string(v.i) + std::string(NounFor(v.i, kPassengers)) +
           " а вышло - " + to_string(v.o) + ". На другой остановке вышло",
       to_string(v.o2) + " " + "пассажиров и вошло - " + to_string(v.i2) +
           ". Cколько пассажиров было в тролейбусе до" + " первой остановки, ",
       "если посла второй остановки их стало " + to_string(v.x + v.i - v.o + v.i2 - v.o2) + "?"},
      to_string(v.x));
}

void Z9(ProblemModule& m) {
  Trolleybus v{};
  v.x = m.Random(20) + 30;
  // 21 would need "зашел", which the line does not have.
  do v.i = m.Random(10) + 20;
  while (v.i == 21);
  v.o = m.Random(10) + 5;
  v.i2 = m.Random(10) + 30;
  v.o2 = m.Random(5) + 25;
  m.instance = TrolleybusText(v);
}

// Z10: two trains at the same speed v for t1 and t2 hours.
struct Trains {
  std::int32_t v, t1, t2;
};

ProblemInstance TrainsText(const Trains& n) {
  return SameLines(
      {"Один поезд был в пути " + to_string(n.t1) + " час, а другой - " + to_string(n.t2) +
           " час. Другой поезд прошел на " + to_string((n.t2 - n.t1) * n.v) + " км больше ",
       "чем первый. Сколько километров прошел первый поезд, если они двигались",
       "з одинаковыми скоростями?"},
      to_string(n.v * n.t1));
}

void Z10(ProblemModule& m) {
  Trains n{};
  n.v = m.Random(70) + 30;
  n.t1 = m.Random(10) + 5;
  n.t2 = n.t1 + m.Random(10) + 5;
  m.instance = TrainsText(n);
}

// Z11: n boxes on the first day, m on the second, w kilograms a box (not shown).
struct Apples {
  std::int32_t k, n, m, w;
};

constexpr std::array<std::string_view, 3> kBoxes = {" ящик", " ящика", " ящиков"};

ProblemInstance ApplesText(const Apples& v) {
  const std::string gardener(At(kGardener, v.k));
  return SameLines({"В первый день " + gardener + " собрал в своем саду " + to_string(v.n) +
                        std::string(NounFor(v.n, kBoxes)) + " яблок, а во второй - " +
                        to_string(v.m) + " таких ящиков.",
                    "Сколько килограммов яблок собрал " + gardener + " в первый день, если" +
                        " во второй день он собрал",
                    "на " + to_string((v.n - v.m) * v.w) + " кг меньше, чем в первый?"},
                   to_string(v.n * v.w));
}

void Z11(ProblemModule& m) {
  Apples v{};
  v.k = m.Draw10(69, 10);
  v.n = m.Random(20) + 20;
  v.m = m.Random(10) + 10;
  v.w = m.Random(10) + 10;
  m.instance = ApplesText(v);
}

// Z12: the midpoints of the two parts of a segment lie d apart.
struct Segment {
  std::int32_t i, j, d;
};

ProblemInstance SegmentText(const Segment& v) {
  const std::string a(At(kPointA, v.i)), b(At(kPointB, v.j));
  // The point is a Cyrillic К in the first sentence and a Latin K after it.
  return SameLines(
      {" " + std::string("На отрезке ") + a + b +
           " обозначили точку К. Расстояние между срединами" + " отрезков " + a + "K i " + b + "K",
       " составляет " + to_string(v.d) + " см. Какая длина отрезка " + a + b + "?"},
      to_string(2 * v.d));
}

void Z12(ProblemModule& m) {
  Segment v{};
  v.i = m.Draw10(39, 10);
  v.j = m.Draw10(39, 10);
  v.d = m.Random(140) + 10;
  m.instance = SegmentText(v);
}

// Z13: 3a and 3b kilograms delivered, a third sold on the first day.
struct Fruit {
  std::int32_t i, j, a, b;
};

ProblemInstance FruitText(const Fruit& v) {
  return SameLines(
      {"В магазин завезли " + to_string(3 * v.a) + " кг " + std::string(At(kFruitA, v.i)) + " i " +
           to_string(3 * v.b) + " кг " + std::string(At(kFruitB, v.j)) +
           ". Треть завезеных фруктов продали в первый день,",
       "а остальное - во второй. Сколько килограмов фруктов " +
           std::string("продали во второй день?")},
      to_string(2 * (v.a + v.b)));
}

void Z13(ProblemModule& m) {
  Fruit v{};
  v.i = m.Draw10(39, 10);
  v.j = m.Draw10(39, 10);
  do {
    v.a = m.Random(100) + 50;
    v.b = m.Random(100) + 50;
  } while (v.b == v.a);
  m.instance = FruitText(v);
}

constexpr std::array<ProblemBinding, 13> kBindings = {{
    {1, &Z1},
    {2, &Z2},
    {3, &Z3},
    {4, &Z4},
    {5, &Z5},
    {6, &Z6},
    {7, &Z7},
    {8, &Z8},
    {9, &Z9},
    {10, &Z10},
    {11, &Z11},
    {12, &Z12},
    {13, &Z13},
}};

}  // namespace

std::span<const ProblemBinding> ZStoryProblems() {
  return kBindings;
}

}  // namespace mathsheets
