#pragma once

// The lines of the equation exercises as pure functions of their numbers, apart from the drawing.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/fraction_layout.h"

namespace mathsheets {

// The pupil's line with the unknown letter and the teacher's line with the equation solved.
struct EquationLine {
  std::string student;
  std::string teacher;
};

enum class UnknownOperand { First, Second };

// first op second = result with one operand written as the letter; the pupil's line ends with
// `gap`, the letter and "=" for the answer, the teacher's is the equation with the letter's value.
EquationLine OneStepEquation(std::string_view op, std::int32_t first, std::int32_t second,
                             std::int32_t result, UnknownOperand unknown, std::string_view letter,
                             std::string_view gap);

// The shape of an equation with one pair of brackets: (L inside f) outside p = q, or, with the
// brackets last, p outside (L inside f) = q.
struct BracketForm {
  AddSign inside;
  AddSign outside;
  bool bracketsFirst;
};

// q for the letter's value e.
std::int32_t BracketRightSide(const BracketForm& form, std::int32_t e, std::int32_t f,
                              std::int32_t p);
std::string BracketEquation(const BracketForm& form, std::string_view letter, std::int32_t f,
                            std::int32_t p, std::int32_t q);

// |x| sign d = rhs in tenths; the teacher's line adds both roots, root and -root.
EquationLine AbsoluteValueEquation(AddSign sign, std::int32_t d, std::int32_t rhs,
                                   std::int32_t root);

// X : divisor = quotient, answer by the answer block.
FractionExercise DivideByFractionLayout(Fraction divisor, Fraction quotient,
                                        const MixedNumber& answer);

// X • factor = product with each bar as wide as the wider number of its fraction, answer a/b.
FractionExercise TimesFractionLayout(Fraction factor, Fraction product, Fraction answer);

// (coefficient·x sign constant) / denominator = right, solved as x = solution (reduced): an
// improper solution as a whole part and a remainder, a proper one (or 1/1) as a plain fraction.
FractionExercise LinearFractionLayout(std::int64_t coefficient, AddSign sign, std::int64_t constant,
                                      std::int64_t denominator, Fraction right, Fraction solution);

}  // namespace mathsheets
