#include "wordproblems/b_children_problems.h"

namespace mathsheets {

std::span<const ProblemBinding> BChildrenProblems() { return {}; }

}  // namespace mathsheets
