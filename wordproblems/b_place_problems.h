#pragma once

#include <span>

#include "wordproblems/problem_catalog.h"

namespace mathsheets {

// The B problems after the children's first stories, one table each.
std::span<const ProblemBinding> BPlaceProblems();      // B58..B66, B87, B88
std::span<const ProblemBinding> BKidsTimesProblems();  // B71..B78
std::span<const ProblemBinding> BPetalProblems();      // B79..B86
std::span<const ProblemBinding> BBoxProblems();        // B89..B96
std::span<const ProblemBinding> BKidsGroupProblems();  // B97..B104, B111, B113..B116
std::span<const ProblemBinding> BGardenProblems();     // B105..B110, B112
std::span<const ProblemBinding> BFigureProblems();     // B117..B132

// All of them: places, boxes, petals, gardens, and the perimeter and area of figures.
std::span<const ProblemBinding> BPlaceAndFigureProblems();

}  // namespace mathsheets
