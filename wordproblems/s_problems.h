#pragma once

#include <span>

#include "wordproblems/problem_catalog.h"

namespace mathsheets {

// S1..S38.
std::span<const ProblemBinding> SProblems();

// S1..S6: greatest common divisor and least common multiple.
std::span<const ProblemBinding> SDivisibilityProblems();
// S7..S17: comparing and combining common fractions.
std::span<const ProblemBinding> SFractionProblems();
// S18..S24: percentages and parts of a whole.
std::span<const ProblemBinding> SPercentProblems();
// S25..S32: speed units, joint work and division in a ratio.
std::span<const ProblemBinding> SRatioProblems();
// S33..S38: circles and a wheel.
std::span<const ProblemBinding> SCircleProblems();

}  // namespace mathsheets
