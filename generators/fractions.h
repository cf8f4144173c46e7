#pragma once

#include "generators/generator.h"

namespace mathsheets {

// Types 43..47, 50..57, 76, 77, 99, 100, 114 and 115: exercises on common fractions and mixed
// numbers, written on three lines.
std::span<const GeneratorBinding> FractionGenerators();

}  // namespace mathsheets
