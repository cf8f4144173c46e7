#include "wordproblems/s_problems.h"

namespace mathsheets {

std::span<const ProblemBinding> SProblems() { return {}; }

}  // namespace mathsheets
