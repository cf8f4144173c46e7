#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/random.h"
#include "generators/generator.h"

namespace mathsheets {

// The numbers of one expression in the order they are printed, and its value.
struct ChainNumbers {
  std::array<std::int32_t, 6> numbers;
  std::int32_t value;
};

// One template of an expression chain. The form is the printed expression with the letters a to f
// standing for its numbers in print order, "x" for multiplication and ":" for division, e.g.
// "ax(b+c)". Draw picks numbers that make every division exact.
struct ChainTemplate {
  std::string_view form;
  ChainNumbers (*draw)(RandomSource& random);
};

struct ChainExpression {
  std::string text;  // without the closing "="
  std::int32_t value;
};

// The form with its letters replaced by the numbers: "ax(b+c)" with 7, 30, 50 gives "7x(30+50)".
std::string ChainText(std::string_view form, const std::array<std::int32_t, 6>& numbers);

ChainExpression BuildChain(const ChainTemplate& t, RandomSource& random);

// The 35 templates of "Выражение1" (two or three operations), template t at index t - 1.
std::span<const ChainTemplate> ShortChainTemplates();
// The 26 templates of "Выражение2" (three to five operations).
std::span<const ChainTemplate> LongChainTemplates();

// Types 32 and 33.
std::span<const GeneratorBinding> ExpressionChainGenerators();

}  // namespace mathsheets
