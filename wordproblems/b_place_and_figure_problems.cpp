#include <vector>

#include "wordproblems/b_place_problems.h"

namespace mathsheets {

std::span<const ProblemBinding> BPlaceAndFigureProblems() {
  static const std::vector<ProblemBinding> bindings = [] {
    std::vector<ProblemBinding> all;
    for (auto table : {BPlaceProblems(), BKidsTimesProblems(), BPetalProblems(), BBoxProblems(),
                       BKidsGroupProblems(), BGardenProblems(), BFigureProblems()})
      all.insert(all.end(), table.begin(), table.end());
    return all;
  }();
  return bindings;
}

}  // namespace mathsheets
