// Worked instances of the equation types with every draw scripted: the exact lines of both files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generators/equations.h"
#include "generators/equations_lines.h"
#include "generators/registry.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedDraw;
using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

std::vector<ScriptedDraw> Join(std::initializer_list<std::vector<ScriptedDraw>> parts) {
  std::vector<ScriptedDraw> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Draws of one factor pair at level 2 (Random(39): 0.. give 2, 10.. 3, 20.. 5, 30.. 7): the six
// primes, the common count (0 gives two common factors, 10 three) and the extra factor.
std::vector<ScriptedDraw> PairB(std::vector<std::int32_t> primes, std::int32_t common,
                                std::vector<std::int32_t> extra = {}) {
  std::vector<ScriptedDraw> draws;
  for (std::int32_t p : primes) draws.push_back({39, p});
  draws.push_back({19, common});
  for (std::int32_t e : extra) draws.push_back({39, e});
  return draws;
}

// 8 and 8: drawn again.
std::vector<ScriptedDraw> PairB8And8() {
  return PairB({0, 0, 0, 0, 0, 0}, 10);
}
// 30 and 42, gcd 6.
std::vector<ScriptedDraw> PairB30And42() {
  return PairB({0, 10, 20, 0, 0, 0}, 0, {30});
}
// 30 and 45, gcd 15.
std::vector<ScriptedDraw> PairB30And45() {
  return PairB({10, 20, 0, 0, 0, 0}, 0, {10});
}
// 245 and 147, gcd 49: the extra factor 5 would repeat the third factor and is drawn again.
std::vector<ScriptedDraw> PairB245And147() {
  return PairB({30, 30, 20, 0, 0, 0}, 0, {20, 10});
}
// 8 and 12, gcd 4.
std::vector<ScriptedDraw> PairB8And12() {
  return PairB({0, 0, 0, 0, 0, 0}, 0, {10});
}

struct Written {
  Lines student;
  Lines teacher;
  std::int32_t fractionLevel;
};

Written Generate(int number, std::vector<ScriptedDraw> draws) {
  ScriptedRandom random(std::move(draws));
  MainModule m(random);
  MemoryWorksheet w;
  FindTaskGenerator(number)(m, w.files);
  random.ExpectAllDrawn();
  return {w.student.lines, w.teacher.lines, m.FractionLevel};
}

void ExpectLines(int number, std::vector<ScriptedDraw> draws, const Lines& student,
                 const Lines& teacher) {
  SCOPED_TRACE("type " + std::to_string(number));
  const Written w = Generate(number, std::move(draws));
  EXPECT_EQ(w.student, student);
  EXPECT_EQ(w.teacher, teacher);
}

// Three lines and the separator.
Lines Framed(Lines lines) {
  lines.push_back(" ");
  return lines;
}

TEST(EquationWorkedInstances, SumsWithEitherAddendUnknown) {
  // s = 78, a = 43; pos 1, letter x.
  ExpectLines(34, {{60, 38}, {53, 28}, {19, 0}, {39, 0}}, {"x+35=78  x="}, {"43+35=78"});
  // pos 2 (Random(19) 10..18), letter b.
  ExpectLines(34, {{60, 38}, {53, 28}, {19, 18}, {39, 38}}, {"43+b=78  b="}, {"43+35=78"});
  // s = 778, a = 250.
  ExpectLines(37, {{600, 378}, {528, 100}, {19, 9}, {39, 10}}, {"y+528=778  y="}, {"250+528=778"});
}

TEST(EquationWorkedInstances, DifferencesWithMinuendOrSubtrahendUnknown) {
  // m = 95, d = 35.
  ExpectLines(35, {{60, 55}, {70, 20}, {19, 0}, {39, 20}}, {"a-35=60  a="}, {"95-35=60"});
  ExpectLines(35, {{60, 55}, {70, 20}, {19, 10}, {39, 15}}, {"95-y=60  y="}, {"95-35=60"});
  // The largest minuend and subtrahend: 999 - 898.
  ExpectLines(38, {{600, 599}, {749, 748}, {19, 10}, {39, 30}}, {"999-b=101  b="}, {"999-898=101"});
}

TEST(EquationWorkedInstances, ProductAndQuotientWithTheSecondOperandUnknown) {
  ExpectLines(40, {{90, 2}, {90, 35}, {39, 0}}, {"12xn=540   n="}, {"12x45=540"});
  ExpectLines(41, {{90, 7}, {90, 13}, {39, 25}}, {"391:a=17     a="}, {"391:23=17"});
}

TEST(EquationWorkedInstances, MixedTypesGiveTheFirstMemberSixInTen) {
  ExpectLines(36, {{10, 5}, {60, 55}, {70, 20}, {19, 0}, {39, 20}}, {"a-35=60  a="}, {"95-35=60"});
  ExpectLines(36, {{10, 6}, {60, 38}, {53, 28}, {19, 0}, {39, 0}}, {"x+35=78  x="}, {"43+35=78"});
  ExpectLines(39, {{10, 0}, {600, 599}, {749, 748}, {19, 10}, {39, 30}}, {"999-b=101  b="},
              {"999-898=101"});
  ExpectLines(39, {{10, 9}, {600, 378}, {528, 100}, {19, 9}, {39, 10}}, {"y+528=778  y="},
              {"250+528=778"});
  ExpectLines(42, {{10, 5}, {90, 7}, {90, 13}, {39, 25}}, {"391:a=17     a="}, {"391:23=17"});
  ExpectLines(42, {{10, 6}, {90, 2}, {90, 35}, {39, 0}}, {"12xn=540   n="}, {"12x45=540"});
}

TEST(EquationWorkedInstances, BracketsWithTheirFormsInDrawOrderFPE) {
  // Form 1, letter Z: f = 123, p = 456, e = 789.
  ExpectLines(94, {{29, 20}, {79, 0}, {900, 23}, {900, 356}, {900, 689}},
              {"Решите уравнение:", "(Z+123)+456=1368"}, {"(Z+123)+456=1368   Z=789"});
  // Form 6 reaches below zero: 300 - (199 + 199).
  ExpectLines(94, {{29, 0}, {79, 50}, {100, 99}, {700, 0}, {100, 99}},
              {"Решите уравнение:", "300-(X+199)=-98"}, {"300-(X+199)=-98   X=199"});
  // Form 8, letter Y.
  ExpectLines(94, {{29, 10}, {79, 78}, {100, 0}, {500, 0}, {400, 399}},
              {"Решите уравнение:", "500-(Y-100)=1"}, {"500-(Y-100)=1   Y=599"});
  // Forms 2, 3, 4, 5 and 7.
  ExpectLines(94, {{29, 0}, {79, 10}, {900, 0}, {100, 99}, {900, 0}},
              {"Решите уравнение:", "(X+100)-199=1"}, {"(X+100)-199=1   X=100"});
  ExpectLines(94, {{29, 0}, {79, 20}, {100, 99}, {900, 0}, {800, 0}},
              {"Решите уравнение:", "(X-199)+100=101"}, {"(X-199)+100=101   X=200"});
  ExpectLines(94, {{29, 0}, {79, 30}, {100, 99}, {100, 99}, {600, 0}},
              {"Решите уравнение:", "(X-199)-199=2"}, {"(X-199)-199=2   X=400"});
  ExpectLines(94, {{29, 0}, {79, 40}, {900, 0}, {900, 0}, {900, 0}},
              {"Решите уравнение:", "100+(X+100)=300"}, {"100+(X+100)=300   X=100"});
  ExpectLines(94, {{29, 0}, {79, 60}, {100, 99}, {700, 0}, {800, 0}},
              {"Решите уравнение:", "300+(X-199)=301"}, {"300+(X-199)=301   X=200"});
}

TEST(EquationWorkedInstances, AbsoluteValueInTenths) {
  // "+" member; S = 40 is drawn again, R = 50 and R = 47 (57 - 47 = 10) too; D = 3 shows as 0.3.
  ExpectLines(74, {{100, 50}, {60, 0}, {60, 17}, {37, 30}, {37, 27}, {37, 34}}, {"|x|+0.3=5.7"},
              {"|x|+0.3=5.7  x1=5.4  x2=-5.4"});
  // "-" member: S = 83, R = 25.
  ExpectLines(74, {{100, 51}, {60, 43}, {63, 5}}, {"|x|-5.8=2.5"},
              {"|x|-5.8=2.5  x1=8.3  x2=-8.3"});
}

TEST(EquationWorkedInstances, DivisionByAFractionAtTheFirstLevel) {
  // X : 30/42 = 30/45, answer (5·2)/(7·3); an equal pair is drawn again.
  const Written w = Generate(61, Join({PairB8And8(), PairB30And42(), PairB30And45()}));
  EXPECT_EQ(w.student, Framed({"  30   30   ", "X:-- = --   ", "  42   45   "}));
  EXPECT_EQ(w.teacher, Framed({"  30   30     10", "X:-- = --    --", "  42   45    21"}));
  EXPECT_EQ(w.fractionLevel, 2);
}

TEST(EquationWorkedInstances, TimesAFractionAlignsEachFractionOnItsWiderNumber) {
  // X • 12/147 = 8/245: both numerators right-aligned over three-character bars.
  Written w = Generate(62, Join({PairB245And147(), PairB8And12()}));
  EXPECT_EQ(w.student, Framed({"   12      8", "X•---  = ---", "  147    245"}));
  EXPECT_EQ(w.teacher, Framed({"   12      8    2", "X•---  = ---    -", "  147    245    5"}));
  EXPECT_EQ(w.fractionLevel, 2);
  // X • 45/30 = 30/42.
  w = Generate(62, Join({PairB30And42(), PairB30And45()}));
  EXPECT_EQ(w.teacher, Framed({"  45    30    10", "X•--  = --    --", "  30    42    21"}));
}

TEST(EquationLayouts, TimesAFractionRightAlignsNumeratorsAndLeftAlignsDenominators) {
  const FractionExercise e = TimesFractionLayout({7, 120}, {3, 25}, {5, 112});
  EXPECT_EQ(e.teacher().N, "    7     3      5");
  EXPECT_EQ(e.teacher().B, "X•---  = --    ---");
  EXPECT_EQ(e.teacher().D, "  120    25    112");
  const FractionExercise wide = TimesFractionLayout({1234, 5}, {7, 8}, {1, 2});
  EXPECT_EQ(wide.student.N, "  1234    7");
  EXPECT_EQ(wide.student.D, "     5    8");
}

TEST(EquationWorkedInstances, LinearFractionWithAWholeSolutionAboveOne) {
  // "+" member: p1 = 11, p2 = 13, p3 = 5, g = 4, l = 5, o = 3, t = 5, so x = 15/3 = 5.
  ExpectLines(69, {{100, 51}, {39, 0}, {39, 10}, {59, 0}, {169, 0}, {159, 0}, {179, 0}, {79, 20}},
              Framed({"15x+25   220", "------ = ----", "  65     143"}),
              Framed({"15x+25   220       0", "------ = ----  x=5--", "  65     143       1"}));
}

TEST(EquationWorkedInstances, LinearFractionWithTheSolutionOne) {
  // p1 = 17, p2 = 19, p3 = 7, g = 4, l = 5, o = 17, t = 3: x = 17/17.
  ExpectLines(69,
              {{100, 99}, {39, 20}, {39, 38}, {59, 10}, {169, 0}, {159, 0}, {179, 140}, {79, 0}},
              Framed({"119x+21   476", "------- = ----", "   95     323"}),
              Framed({"119x+21   476     1", "------- = ----  x=---", "   95     323     1"}));
}

TEST(EquationWorkedInstances, LinearFractionMinusMemberWithAMixedSolution) {
  // p1 = 13, p2 = 11, p3 = 11, g = 10, l = 12, o = 7, t = 4: x = 124/7 = 17 5/7.
  ExpectLines(69,
              {{100, 0}, {39, 10}, {39, 0}, {59, 20}, {169, 60}, {159, 70}, {179, 40}, {79, 10}},
              Framed({"77x-44   1430", "------ = ----", "  132    143"}),
              Framed({"77x-44   1430       5", "------ = ----  x=17--", "  132    143       7"}));
}

}  // namespace
}  // namespace mathsheets
