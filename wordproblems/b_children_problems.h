#pragma once

#include <span>

#include "wordproblems/problem_catalog.h"

namespace mathsheets {

// The B problems about children and their things.
std::span<const ProblemBinding> BChildrenProblems();

}  // namespace mathsheets
