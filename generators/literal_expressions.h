#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "generators/generator.h"

namespace mathsheets {

// A number with its sign always written: "+7", "-12".
std::string SignedText(std::int32_t v);

// Like terms of two letters and a constant, two signed values of each group.
struct LikeTerms {
  std::array<std::string_view, 2> letters;
  std::array<std::int32_t, 2> first;   // coefficients of letters[0]
  std::array<std::int32_t, 2> second;  // coefficients of letters[1]
  std::array<std::int32_t, 2> constants;
  std::int32_t order;  // 1..3, the order of the six terms in the line
};

// "-12m-14n-8+3m+12n+15=": every term with its sign, the first one too.
std::string LikeTermsLine(const LikeTerms& t);
// "-9m  -2n  +7": the collected groups, two blanks apart.
std::string LikeTermsAnswer(const LikeTerms& t);

// A signed factor times a bracket of three terms.
struct BracketTerms {
  std::int32_t factor;
  std::array<std::int32_t, 3> coefficients;  // the first one positive, the others signed
  std::array<std::string_view, 3> letters;
};

// "-12(9x+20y+7z)": no sign before a positive factor or the first coefficient.
std::string BracketText(const BracketTerms& t);
// "-108x-240y-84z": the products, each with its sign, the first one too.
std::string ExpandedText(const BracketTerms& t);

// Three numbers and one letter standing as a term of its own.
struct NumbersAndLetter {
  std::string_view letter;
  std::array<std::int32_t, 3> numbers;  // the first one positive, the others signed
  std::int32_t position;                // 1..4: the letter before the first number or after it
};

// "74+q-22+15=".
std::string NumbersAndLetterLine(const NumbersAndLetter& t);
// "q+67": the letter, then the sum of the numbers.
std::string NumbersAndLetterAnswer(const NumbersAndLetter& t);

// k·L ± c for L = x.
struct LetterValue {
  std::string_view letter;
  std::int32_t coefficient;
  std::int32_t constant;  // signed
  std::int32_t value;     // of the letter
};

// "18K-10=        при K=28": the pupil writes the value into the gap.
std::string LetterValueStudentLine(const LetterValue& t);
// "18K-10=494 при K=28".
std::string LetterValueTeacherLine(const LetterValue& t);

// m·v + m·d − u·w with d = w − v, so that the value is (m − u)·w; the form 1..4 swaps factors.
struct DistributiveSum {
  std::int32_t form;
  std::int32_t m, v, d, u, w;
};

// "38x77+60x77-37x98=" (Latin x for the multiplication).
std::string DistributiveLine(const DistributiveSum& t);

// Types 75, 78, 79, 92, 93 and 96: expressions with letters.
std::span<const GeneratorBinding> LiteralExpressionGenerators();

}  // namespace mathsheets
