#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/worksheet_output.h"

namespace mathsheets {

// A fraction exercise drawn in plain text: the numerators on one line, the bars (runs of "-")
// with the operators, whole parts, brackets and "=" on the next, the denominators below.
struct ThreeLines {
  std::string N;  // numerator line
  std::string B;  // bar line
  std::string D;  // denominator line

  // Appends each line's piece to that line.
  ThreeLines& operator+=(const ThreeLines& pieces);
  friend ThreeLines operator+(ThreeLines lines, const ThreeLines& pieces) {
    return lines += pieces;
  }
  friend bool operator==(const ThreeLines&, const ThreeLines&) = default;
};

// One exercise as both files get it: the teacher's lines are the student's with the answer
// pieces appended on the right. Most exercises are followed by a line holding one blank.
struct FractionExercise {
  ThreeLines student;
  ThreeLines answer;
  bool separatorFollows = true;

  ThreeLines teacher() const { return student + answer; }
};

FractionExercise WithAnswer(ThreeLines student, ThreeLines answer, bool separatorFollows = true);

// Writes N, B, D and the separator line (when one follows) to each file.
void WriteFractionExercise(WorksheetFiles& files, const FractionExercise& exercise);

// The pieces the layouts are built of.
std::string Text(std::int64_t x);                          // plain decimal, "-" when negative
std::string Bar(std::string_view x);                       // "-" for every character of x
std::string PadR(std::string_view n, std::string_view d);  // n, widened on the right to d
std::string Lead(std::string_view n, std::string_view d);  // n, one blank before it if shorter
std::string Sp(std::string_view w);                        // a blank for every character of w
// x in a column `width` characters wide, blanks filling it before x or after it (x alone when it
// is as wide or wider).
std::string AlignRight(std::string_view x, std::size_t width);
std::string AlignLeft(std::string_view x, std::size_t width);

struct Fraction {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
};

// whole + numerator/denominator. In an answer a numerator of 0 marks a whole number. A negative
// whole part makes the whole number negative, -(13 + 1/4); below one in size the sign stands on
// the numerator.
struct MixedNumber {
  std::int64_t whole = 0;
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
};

// Splits off whole units while the numerator exceeds the denominator, adding them to `whole`;
// a fraction equal to one stays as it is (8/4 becomes 1 and 4/4).
MixedNumber SplitWhole(Fraction f, std::int64_t whole = 0);

// An answer as the answer block writes it: numerator/denominator (numerator >= 0, denominator > 0)
// reduced, its whole units added to `whole`, and a fraction equal to one taken into the whole
// part, so that a whole number comes out with numerator 0 instead of as q - 1 and 1/1.
MixedNumber ReducedAnswer(std::int64_t numerator, std::int64_t denominator, std::int64_t whole = 0);

// The usual answer pieces, whose numerator stands one column right of the answer bar:
//   w = 0:  N "  " a       B " " bar(b)       D " " b
//   w > 0:  N "    " a     B "  " w bar(b)    D "   " b
// A whole number puts "  " w on the bar line and leaves the other two lines blank after their
// usual padding ("    " and "   ").
ThreeLines AnswerBlock(const MixedNumber& answer);

enum class AddSign { Plus, Minus };
std::string_view SignText(AddSign sign);

// n1/d op n2/d = a/d over one denominator of at most two digits, the answer written unreduced.
FractionExercise SameDenominatorLayout(std::int64_t n1, std::string_view op, std::int64_t n2,
                                       std::int64_t d, std::int64_t a);

// 1 - n/d = a/d.
FractionExercise OneMinusLayout(std::int64_t n, std::int64_t d, std::int64_t a);

// n1/d + n2/d = 1 a/d, a sum between one and two over a two-digit denominator.
FractionExercise SumAboveOneLayout(std::int64_t n1, std::int64_t n2, std::int64_t d,
                                   std::int64_t a);

// w1 n1/d op w2 n2/d = W a/d over one denominator; no separator line follows.
FractionExercise MixedSameDenominatorLayout(std::int64_t w1, std::int64_t n1, std::string_view op,
                                            std::int64_t w2, std::int64_t n2, std::int64_t d,
                                            std::int64_t wholeAnswer, std::int64_t a);

// Two fractions with their own denominators, answer by the answer block. An operator wider than
// one sign (" x ") widens the gap between the fractions on all three lines, so the second
// fraction keeps standing over and under its own bar.
FractionExercise TwoFractionLayout(Fraction first, std::string_view op, Fraction second,
                                   const MixedNumber& answer);

// |-first| op second, the first fraction negative inside absolute-value bars.
FractionExercise AbsoluteFirstLayout(Fraction first, std::string_view op, Fraction second,
                                     const MixedNumber& answer);

// Two mixed numbers; their columns line up when both whole parts have one digit.
FractionExercise TwoMixedLayout(const MixedNumber& first, std::string_view op,
                                const MixedNumber& second, const MixedNumber& answer);

// Two fractions, each written as a mixed number when its numerator exceeds its denominator.
// Operators wider than one sign widen the gap as in TwoFractionLayout.
FractionExercise MixedWhenImproperLayout(Fraction first, std::string_view op, Fraction second,
                                         const MixedNumber& answer);

// first op2 second op3 third = a/b with fixed two-character bars (a may be negative).
FractionExercise ThreeFractionLayout(Fraction first, AddSign op2, Fraction second, AddSign op3,
                                     Fraction third, Fraction answer);

// Three mixed numbers with two-digit whole parts; a subtracted term is written as an added
// negative one in brackets. The answer is a signed mixed number (numerator 0: no fraction part,
// and then "0" for a zero answer).
FractionExercise ThreeMixedLayout(const MixedNumber& first, AddSign op2, const MixedNumber& second,
                                  AddSign op3, const MixedNumber& third, const MixedNumber& answer);

}  // namespace mathsheets
