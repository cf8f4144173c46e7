#pragma once

#include <span>

#include "wordproblems/problem_catalog.h"

namespace mathsheets {

// Z1..Z13: story problems for primary school.
std::span<const ProblemBinding> ZStoryProblems();
// Z14..Z29: perimeters and the hands of a clock.
std::span<const ProblemBinding> ZPerimeterProblems();
// Z30..Z42: areas of squares and rectangles.
std::span<const ProblemBinding> ZAreaProblems();
// Z43..Z60: cubes, boxes and a room.
std::span<const ProblemBinding> ZSolidProblems();

}  // namespace mathsheets
