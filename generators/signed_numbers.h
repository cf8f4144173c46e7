#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "generators/generator.h"

namespace mathsheets {

// One term of a chain of signed numbers: its value (whole, or in tenths) and how it is written.
struct SignedTerm {
  std::int32_t value;
  std::string text;
};

enum class NegativeTerms {
  Plain,      // 4-2,7=
  Bracketed,  // 4+(-2,7)=
};

// The terms joined into "14-17+20-11=": a negative term after the first brings its own minus,
// any other is joined with "+". Bracketed negatives are written "+(" text ")" after the first.
std::string SignedChain(std::span<const SignedTerm> terms, NegativeTerms negatives);

// A value of tenths, 11 <= |t| <= 59 and not whole, with a comma: 27 gives "2,7", -34 "-3,4".
std::string SignedTenthText(std::int32_t tenths);

// A sum of tenths the way a pupil writes it: "0", a whole number without a comma ("3", "-12"),
// or one decimal with a leading "0," below one ("0,7", "-0,7", "12,7").
std::string TenthsSumText(std::int32_t tenths);

// Types 70..73 (absolute values of negative decimals) and 106..113 (chains of signed numbers).
std::span<const GeneratorBinding> SignedNumberGenerators();

}  // namespace mathsheets
