#pragma once

#include "generators/generator.h"

namespace mathsheets {

// Types 34..42, 61, 62, 69, 74 and 94: equations in whole numbers, with brackets, with an
// absolute value in tenths, and in common fractions.
std::span<const GeneratorBinding> EquationGenerators();

}  // namespace mathsheets
