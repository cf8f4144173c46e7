#include "generators/expression_chains.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "generators/expression_chains_draws.h"
#include "generators/registry.h"
#include "testing/rational.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::Rational;
using testing::ScriptedDraw;
using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

// Evaluates a printed chain by the usual order of operations: brackets first, then "x" and ":"
// from left to right, then "+" and "-" from left to right. Records whether every division came
// out whole, and the largest number printed.
class ChainEvaluator {
 public:
  explicit ChainEvaluator(std::string_view text) : text_(text) {}

  Rational Evaluate() {
    const Rational v = Sum();
    EXPECT_EQ(pos_, text_.size()) << "unread text in " << text_;
    return v;
  }

  bool everyDivisionWhole = true;
  std::int64_t largestNumber = 0;
  int operations = 0;

 private:
  bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

  Rational Sum() {
    Rational v = Product();
    while (At('+') || At('-')) {
      const char op = text_[pos_++];
      ++operations;
      const Rational rhs = Product();
      v = op == '+' ? v + rhs : v - rhs;
    }
    return v;
  }

  Rational Product() {
    Rational v = Operand();
    while (At('x') || At(':')) {
      const char op = text_[pos_++];
      ++operations;
      const Rational rhs = Operand();
      if (op == 'x') {
        v = v * rhs;
      } else if (rhs == Rational(0)) {
        ADD_FAILURE() << "division by zero in " << text_;
        everyDivisionWhole = false;
      } else {
        v = v / rhs;
        if (v.den() != 1) everyDivisionWhole = false;
      }
    }
    return v;
  }

  Rational Operand() {
    if (At('(')) {
      ++pos_;
      const Rational v = Sum();
      EXPECT_TRUE(At(')')) << "unclosed bracket in " << text_;
      ++pos_;
      return v;
    }
    EXPECT_TRUE(pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
        << "number expected at " << pos_ << " in " << text_;
    std::int64_t n = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
      n = n * 10 + (text_[pos_++] - '0');
    largestNumber = std::max(largestNumber, n);
    return Rational(n);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

TEST(ChainEvaluator, RespectsBracketsAndTheOrderOfOperations) {
  EXPECT_EQ(ChainEvaluator("2+3x4").Evaluate(), Rational(14));
  EXPECT_EQ(ChainEvaluator("(2+3)x4").Evaluate(), Rational(20));
  EXPECT_EQ(ChainEvaluator("40:2x5").Evaluate(), Rational(100));
  EXPECT_EQ(ChainEvaluator("10-4-3").Evaluate(), Rational(3));
  EXPECT_EQ(ChainEvaluator("60:(12:4)").Evaluate(), Rational(20));
  ChainEvaluator inexact("7:2x2");
  EXPECT_EQ(inexact.Evaluate(), Rational(7));
  EXPECT_FALSE(inexact.everyDivisionWhole);
}

TEST(ChainText, PutsTheNumbersInPrintOrder) {
  EXPECT_EQ(ChainText("ax(b+c)", {7, 30, 50}), "7x(30+50)");
  EXPECT_EQ(ChainText("(a+b)x(c+d):(e-f)", {1, 2, 3, 4, 15, 5}), "(1+2)x(3+4):(15-5)");
}

TEST(LargestDivisorUpTo, FallsBackToOne) {
  EXPECT_EQ(chains::LargestDivisorUpTo(60, 8), 6);
  EXPECT_EQ(chains::LargestDivisorUpTo(49, 6), 1);
  EXPECT_EQ(chains::LargestDivisorUpTo(7, 8), 7);
}

struct Family {
  const char* name;
  std::span<const ChainTemplate> (*templates)();
  int fewestOperations;
  int mostOperations;
};

constexpr Family kFamilies[] = {
    {"Выражение1", &ShortChainTemplates, 2, 3},
    {"Выражение2", &LongChainTemplates, 3, 5},
};

// The value a template may reach below 1: two long templates subtract a quotient that can exceed
// what stands before it.
int LowestValue(std::span<const ChainTemplate> (*templates)(), std::size_t index) {
  if (templates == &LongChainTemplates && index == 8) return -10;
  if (templates == &LongChainTemplates && index == 12) return -39;
  return 1;
}

// Values stay below 1000, but for "Выражение1" template 34, whose bound on a subtracts b:c:d
// rather than the quotient b:(c:d) it prints, so that a + 10(k + 2) reaches up to 991 + 80.
std::int32_t HighestValue(std::span<const ChainTemplate> (*templates)(), std::size_t index) {
  return templates == &ShortChainTemplates && index == 33 ? 1071 : 999;
}

TEST(ChainTemplates, EveryValueIsTheEvaluationOfItsExpressionOverManySeeds) {
  ASSERT_EQ(ShortChainTemplates().size(), 35U);
  ASSERT_EQ(LongChainTemplates().size(), 26U);
  for (const Family& family : kFamilies) {
    const auto templates = family.templates();
    for (std::size_t i = 0; i < templates.size(); ++i) {
      Pcg32 random(1000 + i);
      std::int32_t lowest = 1 << 30;
      for (int n = 0; n < 2000; ++n) {
        const ChainExpression chain = BuildChain(templates[i], random);
        SCOPED_TRACE(std::string(family.name) + " template " + std::to_string(i + 1) + ": " +
                     chain.text);
        ChainEvaluator evaluator(chain.text);
        ASSERT_EQ(evaluator.Evaluate(), Rational(chain.value));
        ASSERT_TRUE(evaluator.everyDivisionWhole);
        ASSERT_GE(evaluator.operations, family.fewestOperations);
        ASSERT_LE(evaluator.operations, family.mostOperations);
        ASSERT_LT(evaluator.largestNumber, 1000);
        ASSERT_LE(chain.value, HighestValue(family.templates, i));
        lowest = std::min(lowest, chain.value);
      }
      EXPECT_GE(lowest, LowestValue(family.templates, i)) << family.name << " template " << i + 1;
    }
  }
}

struct ScriptedChain {
  int type;
  std::vector<ScriptedDraw> draws;
  std::string teacher;
};

std::string TeacherLineOf(int type, std::vector<ScriptedDraw> draws, Lines* student = nullptr) {
  ScriptedRandom random(std::move(draws));
  MainModule m(random);
  MemoryWorksheet sheet;
  FindTaskGenerator(type)(m, sheet.files);
  random.ExpectAllDrawn();
  EXPECT_EQ(sheet.teacher.lines.size(), 1U);
  if (student != nullptr) *student = sheet.student.lines;
  return sheet.teacher.lines.empty() ? std::string() : sheet.teacher.lines[0];
}

TEST(ExpressionChains, StudentLineEndsAtTheEqualsSignAndTheTeacherLineAddsTheValue) {
  Lines student;
  // Draw 348 is the last of the nine that give template 35, "(a-b)xc:d".
  EXPECT_EQ(TeacherLineOf(32, {{349, 348}, {7, 0}, {7, 1}, {976, 100}, {7, 3}}, &student),
            "(121-101)x3:5=12");
  EXPECT_EQ(student, Lines{"(121-101)x3:5="});
  // Draw 0 gives template 1 of "Выражение2", "ax(b-c):(d-e)"; the divisor 6 of 4·3 is found
  // before a takes its ten.
  EXPECT_EQ(TeacherLineOf(33, {{259, 0}, {7, 5}, {7, 1}, {7, 2}, {19, 0}, {93, 10}, {90, 20}}),
            "40x(14-11):(27-21)=20");
}

TEST(ExpressionChains, TemplateDrawBoundaries) {
  // Draws 0..9 give template 1, 10 template 2 ("ax(b-c)").
  EXPECT_EQ(TeacherLineOf(32, {{349, 9}, {7, 0}, {0, 0}, {7, 0}, {19, 0}}), "20x(1+1)=40");
  EXPECT_EQ(TeacherLineOf(32, {{349, 10}, {8, 0}, {96, 0}, {7, 0}, {19, 10}}), "2x(20-10)=20");
}

TEST(ExpressionChains, PinnedEdgesOfTheTemplates) {
  const std::vector<ScriptedChain> cases = {
      // "Выражение1" template 3 with s = 1: the bracket holds 1 and 0.
      {32, {{349, 20}, {8, 0}, {0, 0}, {7, 0}}, "20:(1+0)=20"},
      // "Выражение2" template 9 falls to -10.
      {33, {{259, 80}, {7, 0}, {7, 0}, {904, 0}, {7, 6}, {7, 0}}, "40:2+50-160:2=-10"},
      // "Выражение2" template 13 falls to -39.
      {33, {{259, 120}, {7, 6}, {7, 0}, {7, 0}, {7, 0}, {19, 0}, {957, 0}}, "20x2+1-160:2=-39"},
      // "Выражение2" template 18 at g = 899: the empty range of h gives 0.
      {33, {{259, 170}, {900, 899}, {7, 0}, {7, 0}, {0, 0}, {859, 0}}, "(902-1)+(41-1):2=921"},
      // "Выражение2" template 24 with no room for c: c is 1.
      {33, {{259, 230}, {7, 6}, {7, 6}, {7, 6}, {7, 6}, {19, 0}, {0, 0}}, "80x8+(1+640:8)=721"},
      // "Выражение2" template 25 with the switch 7: a, c and e take their tens.
      {33,
       {{259, 240}, {7, 0}, {7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}, {69, 68}},
       "40:2+120:3+300:6=110"},
  };
  for (const ScriptedChain& c : cases) EXPECT_EQ(TeacherLineOf(c.type, c.draws), c.teacher);
}

TEST(ExpressionChains, LongTemplate7StartsAgainWhenTheRangeOfItsLastNumberIsEmpty) {
  // First pass: a·b = 40, g = 0 and T = 80 leave no room for f.
  const std::vector<ScriptedDraw> draws = {
      {259, 60}, {7, 0}, {7, 6}, {7, 0}, {6, 0},  {19, 10}, {690, 0},
      {7, 1},    {7, 0}, {7, 1}, {6, 1}, {19, 0}, {640, 5}, {84, 10},
  };
  EXPECT_EQ(TeacherLineOf(33, draws), "(3x30+15)-(60:3+11)=74");
}

TEST(ExpressionChains, LongTemplate21StartsAgainAfterNineteenFailures) {
  // Quotient 8 and divisor 8 need a product above 640, which no draw gives.
  std::vector<ScriptedDraw> draws = {{259, 200}, {7, 6}, {7, 6}, {89, 0}};
  for (int i = 0; i < 19; ++i) draws.insert(draws.end(), {{7, 6}, {7, 6}, {19, 0}});
  // Then quotient 2, divisor 2: 20x2 leaves c = 0, 30x2 gives c = 20.
  draws.insert(draws.end(),
               {{7, 0}, {7, 0}, {95, 0}, {7, 0}, {7, 0}, {19, 0}, {7, 1}, {7, 0}, {19, 0}});
  EXPECT_EQ(TeacherLineOf(33, draws), "(30x2-20):(3-1)=20");
}

TEST(ExpressionChains, BothTypesWriteOneLineEachOverManySeeds) {
  Pcg32 random(32);
  for (int type : {32, 33}) {
    for (int n = 0; n < 2000; ++n) {
      MainModule m(random);
      MemoryWorksheet sheet;
      FindTaskGenerator(type)(m, sheet.files);
      ASSERT_EQ(sheet.student.lines.size(), 1U);
      ASSERT_EQ(sheet.teacher.lines.size(), 1U);
      const std::string& line = sheet.student.lines[0];
      ASSERT_EQ(line.back(), '=');
      const std::string text = line.substr(0, line.size() - 1);
      ASSERT_EQ(sheet.teacher.lines[0],
                line + std::to_string(ChainEvaluator(text).Evaluate().num()));
    }
  }
}

}  // namespace
}  // namespace mathsheets
