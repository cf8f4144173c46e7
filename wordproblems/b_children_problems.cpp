#include "wordproblems/b_children_problems.h"

#include <vector>

#include "wordproblems/b_children_frame.h"

namespace mathsheets {

std::span<const ProblemBinding> BChildrenProblems() {
  static const std::vector<ProblemBinding> bindings = [] {
    std::vector<ProblemBinding> all;
    for (auto table : {BPairProblems(), BStoryProblems(), BTimesProblems()})
      all.insert(all.end(), table.begin(), table.end());
    return all;
  }();
  return bindings;
}

}  // namespace mathsheets
