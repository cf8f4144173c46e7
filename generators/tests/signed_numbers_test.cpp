#include "generators/signed_numbers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "generators/registry.h"
#include "generators/tests/one_line_exercise.h"
#include "testing/rational.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::Rational;
using testing::ScriptedDraw;
using testing::ScriptedRandom;

constexpr int kSeeds = 1000;

using testing::Exercise;
using testing::Generate;
using testing::RunScript;

// A decimal with its separator read back exactly; nullopt for any other shape, including
// leading zeros of the whole part.
std::optional<Rational> ParseDecimal(const std::string& text, char separator) {
  static const std::regex point(R"((-?)(0|[1-9][0-9]*)(?:[.]([0-9]+))?)");
  static const std::regex comma(R"((-?)(0|[1-9][0-9]*)(?:,([0-9]+))?)");
  std::smatch s;
  if (!std::regex_match(text, s, separator == '.' ? point : comma)) return std::nullopt;
  std::int64_t den = 1;
  for (std::size_t i = 0; i < s[3].str().size(); ++i) den *= 10;
  const std::int64_t n = std::stoll(s[2].str() + s[3].str());
  return Rational(s[1] == "-" ? -n : n, den);
}

// ---------------------------------------------------------------------------------------------
// Absolute values of negative decimals.

TEST(AbsoluteValues, EveryAnswerEqualsItsExpressionOverManySeeds) {
  struct Case {
    int type;
    char op;
    int firstPlaces, answerPlaces;
  };
  const Case cases[] = {{70, '+', 1, 1}, {71, '-', 1, 1}, {72, 'x', 1, 2}, {73, ':', 2, 1}};
  const std::regex line(R"(([0-9.]+)([-+x:])\|-([0-9.]+)\|=)");
  for (const Case& c : cases) {
    Pcg32 random(static_cast<std::uint64_t>(c.type));
    bool smallSecond = false;
    for (int i = 0; i < kSeeds; ++i) {
      const Exercise e = Generate(c.type, random);
      std::smatch s;
      ASSERT_TRUE(std::regex_match(e.student, s, line)) << e.student;
      ASSERT_EQ(s[2].str()[0], c.op) << e.student;
      const std::string answerText = e.Answer();
      const auto x = ParseDecimal(s[1], '.'), y = ParseDecimal(s[3], '.');
      const auto z = ParseDecimal(answerText, '.');
      ASSERT_TRUE(x && y && z) << e.teacher;
      // The decimals keep their places: x.x and x.xx, never a bare whole number.
      const auto places = [](const std::string& t) { return t.size() - t.find('.') - 1; };
      EXPECT_EQ(places(s[1]), static_cast<std::size_t>(c.firstPlaces)) << e.teacher;
      EXPECT_EQ(places(s[3]), 1U) << e.teacher;
      EXPECT_EQ(places(answerText), static_cast<std::size_t>(c.answerPlaces)) << e.teacher;
      // |-y| is y: the answer of the sign applied to x and y.
      const Rational expected = c.op == '+'   ? *x + *y
                                : c.op == '-' ? *x - *y
                                : c.op == 'x' ? *x * *y
                                              : *x / *y;
      EXPECT_EQ(*z, expected) << e.teacher;
      if (c.op == '+' || c.op == '-') {
        for (const std::string& t : {s[1].str(), s[3].str(), answerText})
          EXPECT_NE(t.back(), '0') << e.teacher;
        smallSecond = smallSecond || *y < Rational(1);
        EXPECT_TRUE(*x + (c.op == '+' ? *y : Rational(0)) > Rational(4)) << e.teacher;
      } else {
        for (const Rational& f : {c.op == 'x' ? *x : *z, *y})
          EXPECT_TRUE(!(f < Rational(2)) && f < Rational(10)) << e.teacher;
      }
    }
    if (c.op == '+' || c.op == '-') {
      EXPECT_TRUE(smallSecond) << "type " << c.type;
    }
  }
}

TEST(AbsoluteValues, WorkedLines) {
  // The sum 4.7 is drawn first, then the addend 2.3 below it; 4.0 ends in 0 and is drawn again.
  EXPECT_EQ(RunScript(70, {{60, 0}, {60, 7}, {27, 3}}), "2.3+|-2.4|=4.7");
  EXPECT_EQ(RunScript(71, {{60, 7}, {27, 3}}), "4.7-|-2.4|=2.3");
  // The second number below 1.
  EXPECT_EQ(RunScript(70, {{60, 5}, {25, 21}}), "4.1+|-0.4|=4.5");
  EXPECT_EQ(RunScript(72, {{80, 27}, {80, 5}}), "4.7x|-2.5|=11.75");
  EXPECT_EQ(RunScript(73, {{80, 27}, {80, 5}}), "11.75:|-2.5|=4.7");
}

// ---------------------------------------------------------------------------------------------
// Chains of signed numbers.

struct ChainTerm {
  Rational value;
  std::string text;  // as written, without a joining "+" or brackets
  bool bracketed;
  bool decimal;
};

// Splits "3+(-2,7)-5+1,4=" into its terms; nullopt when the line has another shape.
std::optional<std::vector<ChainTerm>> ParseChain(const std::string& student) {
  if (student.empty() || student.back() != '=') return std::nullopt;
  static const std::regex term(R"(^(\+\((-[0-9,]+)\)|\+([0-9,]+)|(-?[0-9,]+)))");
  std::vector<ChainTerm> terms;
  std::string rest = student.substr(0, student.size() - 1);
  while (!rest.empty()) {
    std::smatch s;
    if (!std::regex_search(rest, s, term)) return std::nullopt;
    ChainTerm t;
    t.bracketed = s[2].matched;
    t.text = s[2].matched ? s[2].str() : s[3].matched ? s[3].str() : s[4].str();
    // Only the first term goes without a joining sign, and a negative one brings its own.
    if (s[4].matched && !terms.empty() && t.text[0] != '-') return std::nullopt;
    if (s[3].matched && terms.empty()) return std::nullopt;
    const auto value = ParseDecimal(t.text, ',');
    if (!value) return std::nullopt;
    t.value = *value;
    t.decimal = t.text.find(',') != std::string::npos;
    terms.push_back(t);
    rest = s.suffix();
  }
  return terms;
}

struct IntegerChainCase {
  int type;
  std::size_t terms;
  std::int64_t low, high;  // the size of every term
};

TEST(SignedChains, IntegerChainsSumTheirTermsOverManySeeds) {
  const IntegerChainCase cases[] = {
      {106, 4, 1, 5}, {107, 4, 10, 20}, {108, 5, 10, 60}, {109, 6, 10, 100}};
  for (const IntegerChainCase& c : cases) {
    Pcg32 random(static_cast<std::uint64_t>(c.type));
    int negatives = 0, minusOnes = 0, twos = 0;
    for (int i = 0; i < kSeeds; ++i) {
      const Exercise e = Generate(c.type, random);
      const auto terms = ParseChain(e.student);
      ASSERT_TRUE(terms) << e.student;
      ASSERT_EQ(terms->size(), c.terms) << e.student;
      Rational sum;
      for (const ChainTerm& t : *terms) {
        EXPECT_FALSE(t.decimal || t.bracketed) << e.student;
        const std::int64_t v = t.value.num();
        EXPECT_GE(std::abs(v), c.low) << e.student;
        EXPECT_LE(std::abs(v), c.high) << e.student;
        negatives += v < 0;
        minusOnes += v == -1;
        twos += v == 2;
        sum = sum + t.value;
      }
      EXPECT_EQ(e.Answer(), std::to_string(sum.num())) << e.teacher;
    }
    const double share = negatives / static_cast<double>(kSeeds * c.terms);
    if (c.type == 106) {
      // 0 turns into -1, so -1 comes twice as often as any other value.
      EXPECT_NEAR(minusOnes / static_cast<double>(twos), 2.0, 0.3);
    } else {
      EXPECT_NEAR(share, 0.59, 0.03) << "type " << c.type;
    }
  }
}

TEST(SignedChains, WorkedIntegerChains) {
  // Each term draws its size, then its sign (negative above 40).
  EXPECT_EQ(
      RunScript(
          107,
          {{109, 40}, {100, 40}, {109, 70}, {100, 41}, {109, 100}, {100, 0}, {109, 10}, {100, 99}}),
      "14-17+20-11=6");
  // A drawn 0 becomes -1.
  EXPECT_EQ(RunScript(106, {{109, 50}, {109, 40}, {109, 59}, {109, 0}}), "-1-1-1-5=-8");
  EXPECT_EQ(RunScript(106, {{109, 108}, {109, 60}, {109, 59}, {109, 50}}), "5+1-1-1=4");
  EXPECT_EQ(RunScript(108, {{509, 508},
                            {100, 99},
                            {509, 0},
                            {100, 0},
                            {509, 0},
                            {100, 0},
                            {509, 0},
                            {100, 0},
                            {509, 0},
                            {100, 0}}),
            "-60+10+10+10+10=-20");
  EXPECT_EQ(RunScript(109, {{909, 908},
                            {100, 0},
                            {909, 908},
                            {100, 41},
                            {909, 0},
                            {100, 41},
                            {909, 0},
                            {100, 41},
                            {909, 0},
                            {100, 41},
                            {909, 0},
                            {100, 41}}),
            "100-100-10-10-10-10=-40");
}

struct DecimalChainCase {
  int type;
  std::size_t integers, decimals;
  bool bracketed;
};

TEST(SignedChains, DecimalChainsSumTheirTermsOverManySeeds) {
  const DecimalChainCase cases[] = {
      {110, 2, 2, false}, {111, 3, 2, false}, {112, 3, 3, false}, {113, 3, 3, true}};
  for (const DecimalChainCase& c : cases) {
    Pcg32 random(static_cast<std::uint64_t>(c.type));
    bool wholeAnswer = false, decimalFirst = false, integerFirst = false;
    for (int i = 0; i < kSeeds; ++i) {
      const Exercise e = Generate(c.type, random);
      const auto terms = ParseChain(e.student);
      ASSERT_TRUE(terms) << e.student;
      ASSERT_EQ(terms->size(), c.integers + c.decimals) << e.student;
      std::size_t integers = 0;
      Rational sum;
      for (std::size_t k = 0; k < terms->size(); ++k) {
        const ChainTerm& t = (*terms)[k];
        // Brackets mark exactly the negative terms after the first, and only in type 113.
        EXPECT_EQ(t.bracketed, c.bracketed && k > 0 && t.value < Rational(0)) << e.student;
        const Rational size = t.value < Rational(0) ? -t.value : t.value;
        if (t.decimal) {
          EXPECT_EQ(t.text.size() - t.text.find(',') - 1, 1U) << e.student;
          EXPECT_NE(size.den(), 1) << e.student;
          EXPECT_TRUE(Rational(11, 10) < size || size == Rational(11, 10)) << e.student;
          EXPECT_TRUE(size < Rational(6)) << e.student;
        } else {
          ++integers;
          EXPECT_TRUE(size.num() >= 1 && size.num() <= 10) << e.student;
        }
        sum = sum + t.value;
      }
      EXPECT_EQ(integers, c.integers) << e.student;
      (terms->front().decimal ? decimalFirst : integerFirst) = true;
      const std::string answer = e.Answer();
      const auto given = ParseDecimal(answer, ',');
      ASSERT_TRUE(given) << e.teacher;
      EXPECT_EQ(*given, sum) << e.teacher;
      // Whole sums go without a comma, others with exactly one decimal.
      if (sum.den() == 1) {
        wholeAnswer = true;
        EXPECT_EQ(answer, std::to_string(sum.num())) << e.teacher;
      } else {
        EXPECT_EQ(answer.size() - answer.find(',') - 1, 1U) << e.teacher;
      }
    }
    EXPECT_TRUE(wholeAnswer && decimalFirst && integerFirst) << "type " << c.type;
  }
}

TEST(SignedChains, WorkedDecimalChains) {
  // Integers 4 and -6, decimals -2,7 and 1,3 (a whole -3,0 is drawn again with its sign), then
  // the order with a decimal first.
  EXPECT_EQ(RunScript(110, {{99, 30},
                            {100, 40},
                            {99, 50},
                            {100, 41},
                            {499, 200},
                            {100, 41},
                            {499, 170},
                            {100, 99},
                            {499, 30},
                            {100, 0},
                            {100, 50}}),
            "-2,7+4+1,3-6=-3,4");
  // A whole sum without a comma, a sum below one with its leading 0, a zero sum.
  EXPECT_EQ(RunScript(110, {{99, 10},
                            {100, 0},
                            {99, 20},
                            {100, 99},
                            {499, 150},
                            {100, 0},
                            {499, 50},
                            {100, 0},
                            {100, 49}}),
            "2+2,5-3+1,5=3");
  EXPECT_EQ(RunScript(110, {{99, 0},
                            {100, 0},
                            {99, 0},
                            {100, 99},
                            {499, 70},
                            {100, 0},
                            {499, 10},
                            {100, 99},
                            {100, 49}}),
            "1+1,7-1-1,1=0,6");
  EXPECT_EQ(RunScript(110, {{99, 0},
                            {100, 0},
                            {99, 0},
                            {100, 99},
                            {499, 10},
                            {100, 0},
                            {499, 50},
                            {100, 99},
                            {100, 49}}),
            "1+1,1-1-1,5=-0,4");
  EXPECT_EQ(RunScript(110, {{99, 0},
                            {100, 0},
                            {99, 0},
                            {100, 99},
                            {499, 50},
                            {100, 0},
                            {499, 50},
                            {100, 99},
                            {100, 99}}),
            "1,5+1-1,5-1=0");
  EXPECT_EQ(RunScript(111, {{99, 0},
                            {100, 0},
                            {99, 0},
                            {100, 0},
                            {99, 98},
                            {100, 0},
                            {499, 498},
                            {100, 99},
                            {499, 498},
                            {100, 99},
                            {100, 49}}),
            "1-5,9+1-5,9+10=0,2");
  EXPECT_EQ(RunScript(112, {{99, 0},
                            {100, 0},
                            {99, 0},
                            {100, 0},
                            {99, 0},
                            {100, 0},
                            {499, 10},
                            {100, 0},
                            {499, 20},
                            {100, 0},
                            {499, 30},
                            {100, 0},
                            {100, 50}}),
            "1,1+1+1,2+1+1+1,3=6,6");
  // Negative further terms in brackets, a positive one with "+" only.
  EXPECT_EQ(RunScript(113, {{99, 20},
                            {100, 0},
                            {99, 40},
                            {100, 41},
                            {99, 70},
                            {100, 41},
                            {499, 170},
                            {100, 41},
                            {499, 40},
                            {100, 0},
                            {499, 290},
                            {100, 41},
                            {100, 0}}),
            "3+(-2,7)+(-5)+1,4+(-3,9)+(-8)=-15,2");
  // A negative first term goes without brackets.
  EXPECT_EQ(RunScript(113, {{99, 20},
                            {100, 0},
                            {99, 40},
                            {100, 41},
                            {99, 70},
                            {100, 0},
                            {499, 170},
                            {100, 41},
                            {499, 40},
                            {100, 0},
                            {499, 290},
                            {100, 41},
                            {100, 50}}),
            "-2,7+3+1,4+(-5)+8+(-3,9)=0,8");
}

TEST(SignedTexts, ChainsAndSums) {
  const std::vector<SignedTerm> terms = {{-3, "-3"}, {27, "2,7"}, {-5, "-5"}};
  EXPECT_EQ(SignedChain(terms, NegativeTerms::Plain), "-3+2,7-5=");
  EXPECT_EQ(SignedChain(terms, NegativeTerms::Bracketed), "-3+2,7+(-5)=");
  EXPECT_EQ(SignedTenthText(27), "2,7");
  EXPECT_EQ(SignedTenthText(-34), "-3,4");
  const std::pair<std::int32_t, const char*> sums[] = {
      {0, "0"},     {30, "3"},     {-120, "-12"}, {7, "0,7"},
      {-7, "-0,7"}, {127, "12,7"}, {-45, "-4,5"}, {-477, "-47,7"},
  };
  for (const auto& [tenths, text] : sums) EXPECT_EQ(TenthsSumText(tenths), text) << tenths;
}

}  // namespace
}  // namespace mathsheets
