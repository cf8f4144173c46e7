#pragma once

#include <span>

#include "wordproblems/problem_catalog.h"

namespace mathsheets {

// S1..S38.
std::span<const ProblemBinding> SProblems();

}  // namespace mathsheets
