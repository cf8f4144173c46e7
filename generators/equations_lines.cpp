#include "generators/equations_lines.h"

#include <algorithm>
#include <utility>

#include "common/decimal_text.h"

namespace mathsheets {

namespace {

std::string Dashes(std::size_t width) {
  return std::string(width, '-');
}

std::string Tenths(std::int32_t n) {
  return DecimalText(n, 1, ".");
}

std::int32_t Apply(std::int32_t x, AddSign sign, std::int32_t y) {
  return sign == AddSign::Plus ? x + y : x - y;
}

std::size_t Wider(std::string_view x, std::string_view y) {
  return std::max(x.size(), y.size());
}

}  // namespace

EquationLine OneStepEquation(std::string_view op, std::int32_t first, std::int32_t second,
                             std::int32_t result, UnknownOperand unknown, std::string_view letter,
                             std::string_view gap) {
  const std::string x = unknown == UnknownOperand::First ? std::string(letter) : Text(first);
  const std::string y = unknown == UnknownOperand::Second ? std::string(letter) : Text(second);
  const std::string rhs = std::string("=") + Text(result);
  return {x + std::string(op) + y + rhs + std::string(gap) + std::string(letter) + "=",
          Text(first) + std::string(op) + Text(second) + rhs};
}

std::int32_t BracketRightSide(const BracketForm& form, std::int32_t e, std::int32_t f,
                              std::int32_t p) {
  const std::int32_t inner = Apply(e, form.inside, f);
  return form.bracketsFirst ? Apply(inner, form.outside, p) : Apply(p, form.outside, inner);
}

std::string BracketEquation(const BracketForm& form, std::string_view letter, std::int32_t f,
                            std::int32_t p, std::int32_t q) {
  const std::string inner =
      std::string("(") + std::string(letter) + std::string(SignText(form.inside)) + Text(f) + ")";
  const std::string outside(SignText(form.outside));
  const std::string left =
      form.bracketsFirst ? inner + outside + Text(p) : Text(p) + outside + inner;
  return left + "=" + Text(q);
}

EquationLine AbsoluteValueEquation(AddSign sign, std::int32_t d, std::int32_t rhs,
                                   std::int32_t root) {
  const std::string student = "|x|" + std::string(SignText(sign)) + Tenths(d) + "=" + Tenths(rhs);
  return {student, student + "  x1=" + Tenths(root) + "  x2=-" + Tenths(root)};
}

FractionExercise DivideByFractionLayout(Fraction divisor, Fraction quotient,
                                        const MixedNumber& answer) {
  const std::string d1 = Text(divisor.denominator);
  const std::string d2 = Text(quotient.denominator);
  ThreeLines student = {
      "  " + PadR(Text(divisor.numerator), d1) + "   " + PadR(Text(quotient.numerator), d2) + "   ",
      "X:" + Bar(d1) + " = " + Bar(d2) + "   ",
      "  " + d1 + "   " + d2 + "   ",
  };
  return WithAnswer(std::move(student), AnswerBlock(answer));
}

FractionExercise TimesFractionLayout(Fraction factor, Fraction product, Fraction answer) {
  const std::string n1 = Text(factor.numerator);
  const std::string d1 = Text(factor.denominator);
  const std::string n2 = Text(product.numerator);
  const std::string d2 = Text(product.denominator);
  const std::string a = Text(answer.numerator);
  const std::string b = Text(answer.denominator);
  const std::size_t w1 = Wider(n1, d1);
  const std::size_t w2 = Wider(n2, d2);
  const std::size_t wA = Wider(a, b);
  ThreeLines student = {
      "  " + AlignRight(n1, w1) + "    " + AlignRight(n2, w2),
      "X•" + Dashes(w1) + "  = " + Dashes(w2),
      "  " + AlignRight(d1, w1) + "    " + AlignLeft(d2, w2),
  };
  return WithAnswer(std::move(student),
                    {"    " + AlignRight(a, wA), "    " + Dashes(wA), "    " + AlignLeft(b, wA)});
}

FractionExercise LinearFractionLayout(std::int64_t coefficient, AddSign sign, std::int64_t constant,
                                      std::int64_t denominator, Fraction right, Fraction solution) {
  const std::string numerator =
      Text(coefficient) + "x" + std::string(SignText(sign)) + Text(constant);
  const std::size_t k = numerator.size();
  // The denominator starts a little left of the middle of the bar.
  const std::size_t half = (k + 1) / 2;
  const std::string indent(half > 0 ? half - 1 : 0, ' ');
  ThreeLines student = {
      numerator + "   " + Text(right.numerator),
      Dashes(k) + " = ----",
      AlignLeft(indent + Text(denominator), k) + "   " + Text(right.denominator),
  };
  const std::int64_t v = solution.numerator;
  const std::int64_t u = solution.denominator;
  if (u < v) {
    const std::int64_t whole = v / u;
    return WithAnswer(std::move(student), {"       " + Text(v - whole * u),
                                           "  x=" + Text(whole) + "--", "       " + Text(u)});
  }
  return WithAnswer(std::move(student), {"     " + Text(v), "  x=---", "     " + Text(u)});
}

}  // namespace mathsheets
