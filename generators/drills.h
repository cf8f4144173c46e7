#pragma once

#include <cstdint>
#include <string>

#include "generators/generator.h"

namespace mathsheets {

enum class DrillOperation { Addition, Subtraction, Multiplication, Division };

// The student line of a drill: "47+25=", "94-35=", "12x34=", "408:12=" (no blanks, Latin x).
// For addition and multiplication x and y are the operands; for subtraction the minuend and the
// subtrahend; for division the dividend and the divisor.
std::string DrillLine(DrillOperation op, std::int32_t x, std::int32_t y);

// Types 1..12: addition, subtraction, multiplication and division with two-, three- and
// four-digit numbers.
std::span<const GeneratorBinding> DrillGenerators();

}  // namespace mathsheets
