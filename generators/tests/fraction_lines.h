#pragma once

// Reads the numbers of a three-line fraction exercise back out of its text, so that the tests can
// check the answers with their own arithmetic and see where each number stands.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "testing/rational.h"

namespace mathsheets::testing {

// A run of non-blank characters and the column it starts in.
struct Token {
  std::string text;
  std::size_t column = 0;
  std::size_t end() const { return column + text.size(); }
};

// The lines of one exercise as the student and the teacher file hold them, separator included.
struct ExerciseLines {
  std::vector<std::string> student;
  std::vector<std::string> teacher;
};

// The tokens of one of the three lines: those of the exercise, and those the teacher's line adds
// after it (the answer), each with its column in the teacher's line.
struct LineTokens {
  std::vector<Token> exercise;
  std::vector<Token> answer;
};

// Splits line i (0 N, 1 B, 2 D) of an exercise whose teacher line extends the student line;
// `blankedChars` are read as blanks (the absolute-value bars).
std::optional<LineTokens> SplitLine(const ExerciseLines& lines, std::size_t i,
                                    const std::string& blankedChars = "");

// A number and where it stands.
struct Placed {
  std::int64_t value = 0;
  std::size_t column = 0;
  std::size_t width = 0;
  std::size_t end() const { return column + width; }
};

std::optional<Placed> ParseNumber(const Token& t);

// [-]digits before a run of "-": the whole part (if any) and the bar. A bare whole number has a
// bar of width 0. Anything after the bar ("=", ")") is ignored.
struct BarToken {
  std::optional<std::int64_t> whole;
  std::string wholeText;
  std::size_t barColumn = 0;
  std::size_t barWidth = 0;
};

std::optional<BarToken> ParseBar(const Token& t);

// whole + n/d as written, with the places of its parts.
struct Term {
  Placed numerator;
  Placed denominator;
  BarToken bar;
  std::int64_t whole() const { return bar.whole.value_or(0); }
  Rational Value() const { return Rational::Mixed(whole(), numerator.value, denominator.value); }
  // Numerator and denominator stand over and under the bar.
  bool OnItsBar() const;
};

// An answer block; a whole number has no numerator, denominator or bar.
struct BlockAnswer {
  std::int64_t whole = 0;
  std::optional<Placed> numerator;
  std::optional<Placed> denominator;
  BarToken bar;
  Rational Value() const;
};

// Two terms and an operator with the answer block: the plain, mixed and absolute-value forms.
struct TwoTermExercise {
  Term first;
  std::string op;
  Term second;
  bool absoluteFirst = false;
  BlockAnswer answer;
  Rational Value() const;
};

std::optional<TwoTermExercise> ParseTwoTerm(const ExerciseLines& lines);

// n1/d - n2/d, n1/d + n2/d, 1 - n/d, or n1/d + n2/d = 1 a/d; the answer a/d unreduced.
enum class OneDenominatorForm { Minus, Plus, OneMinus, AboveOne };
struct OneDenominatorExercise {
  OneDenominatorForm form = OneDenominatorForm::Plus;
  std::vector<Term> terms;  // one or two
  Term answer;              // the whole part (one) of a sum above one
  Rational Value() const;
  Rational AnswerValue() const;
};

std::optional<OneDenominatorExercise> ParseOneDenominator(const ExerciseLines& lines);

// w1 n1/d op w2 n2/d = W a/d.
struct MixedOneDenominatorExercise {
  Term first;
  char op = '+';
  Term second;
  Term answer;
  Rational Value() const;
};

std::optional<MixedOneDenominatorExercise> ParseMixedOneDenominator(const ExerciseLines& lines);

// n1/d1 op n2/d2 op n3/d3 = a/b.
struct ThreeFractionExercise {
  std::vector<Term> terms;
  std::vector<char> ops;
  std::int64_t a = 0;
  std::int64_t b = 1;
  Rational Value() const;
};

std::optional<ThreeFractionExercise> ParseThreeFractions(const ExerciseLines& lines);

// w1 n1/d1 + (-w2 n2/d2) + (-w3 n3/d3) = the answer texts.
struct ThreeMixedExercise {
  std::vector<Term> terms;
  std::vector<bool> subtracted;  // terms 2 and 3
  std::string whole;             // the answer texts, each possibly empty
  std::string numerator;
  std::string denominator;
  Rational Value() const;
  std::optional<Rational> AnswerValue() const;
};

std::optional<ThreeMixedExercise> ParseThreeMixed(const ExerciseLines& lines);

}  // namespace mathsheets::testing
