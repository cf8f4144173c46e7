#include <string>

#include "generators/literal_expressions.h"

namespace mathsheets {

namespace {

// Which of the six terms (first letter 0 and 1, second letter 2 and 3, constants 4 and 5) stands
// at each place of the line, by order 1..3.
constexpr std::array<std::array<std::size_t, 6>, 3> kLikeTermsOrders = {{
    {0, 2, 4, 1, 3, 5},
    {0, 4, 1, 3, 5, 2},
    {5, 2, 4, 1, 3, 0},
}};

// The factors of the three products by form 1..4: indices into m, v, d, u, w.
constexpr std::array<std::array<std::size_t, 6>, 4> kDistributiveForms = {{
    {0, 1, 0, 2, 3, 4},
    {1, 0, 0, 2, 3, 4},
    {1, 0, 2, 0, 3, 4},
    {0, 1, 2, 0, 4, 3},
}};

std::string Term(std::int32_t coefficient, std::string_view letter) {
  return SignedText(coefficient) + std::string(letter);
}

}  // namespace

std::string SignedText(std::int32_t v) {
  std::string text = v < 0 ? "" : "+";
  return text += std::to_string(v);
}

std::string LikeTermsLine(const LikeTerms& t) {
  const std::array<std::string, 6> terms = {
      Term(t.first[0], t.letters[0]),  Term(t.first[1], t.letters[0]),
      Term(t.second[0], t.letters[1]), Term(t.second[1], t.letters[1]),
      SignedText(t.constants[0]),      SignedText(t.constants[1]),
  };
  std::string line;
  for (std::size_t i : kLikeTermsOrders[static_cast<std::size_t>(t.order - 1)]) line += terms[i];
  return line + "=";
}

std::string LikeTermsAnswer(const LikeTerms& t) {
  // The two values of a group always differ in magnitude, so no group sums to 0.
  return Term(t.first[0] + t.first[1], t.letters[0]) + "  " +
         Term(t.second[0] + t.second[1], t.letters[1]) + "  " +
         SignedText(t.constants[0] + t.constants[1]);
}

std::string BracketText(const BracketTerms& t) {
  std::string text = std::to_string(t.factor) + "(" + std::to_string(t.coefficients[0]);
  text += t.letters[0];
  text += Term(t.coefficients[1], t.letters[1]);
  text += Term(t.coefficients[2], t.letters[2]);
  return text + ")";
}

std::string ExpandedText(const BracketTerms& t) {
  std::string text;
  for (std::size_t i = 0; i < 3; ++i) text += Term(t.factor * t.coefficients[i], t.letters[i]);
  return text;
}

std::string NumbersAndLetterLine(const NumbersAndLetter& t) {
  std::string line;
  for (std::int32_t place = 1; place <= 4; ++place) {
    std::string term =
        place == t.position
            ? std::string("+") + std::string(t.letter)
            : SignedText(
                  t.numbers[static_cast<std::size_t>(place < t.position ? place - 1 : place - 2)]);
    line += place == 1 ? term.substr(1) : term;
  }
  return line + "=";
}

std::string NumbersAndLetterAnswer(const NumbersAndLetter& t) {
  return std::string(t.letter) + "+" + std::to_string(t.numbers[0] + t.numbers[1] + t.numbers[2]);
}

namespace {

std::string LetterValueExpression(const LetterValue& t) {
  return std::to_string(t.coefficient) + std::string(t.letter) + SignedText(t.constant) + "=";
}

std::string LetterValueCondition(const LetterValue& t) {
  return "при " + std::string(t.letter) + "=" + std::to_string(t.value);
}

}  // namespace

std::string LetterValueStudentLine(const LetterValue& t) {
  return LetterValueExpression(t) + "        " + LetterValueCondition(t);
}

std::string LetterValueTeacherLine(const LetterValue& t) {
  return LetterValueExpression(t) + std::to_string(t.coefficient * t.value + t.constant) + " " +
         LetterValueCondition(t);
}

std::string DistributiveLine(const DistributiveSum& t) {
  const std::array<std::int32_t, 5> numbers = {t.m, t.v, t.d, t.u, t.w};
  const auto& form = kDistributiveForms[static_cast<std::size_t>(t.form - 1)];
  static constexpr std::array<std::string_view, 6> kSigns = {"x", "+", "x", "-", "x", "="};
  std::string line;
  for (std::size_t i = 0; i < 6; ++i) {
    line += std::to_string(numbers[form[i]]);
    line += kSigns[i];
  }
  return line;
}

}  // namespace mathsheets
