#include "wordproblems/s_problems.h"

#include <array>

namespace mathsheets {

namespace {

using SBindings = std::array<ProblemBinding, kSProblemCount>;

SBindings CollectSProblems() {
  SBindings all{};
  std::size_t next = 0;
  for (auto part : {SDivisibilityProblems(), SFractionProblems(), SPercentProblems(),
                    SRatioProblems(), SCircleProblems()})
    for (const ProblemBinding& binding : part) all.at(next++) = binding;
  return all;
}

}  // namespace

std::span<const ProblemBinding> SProblems() {
  static const SBindings all = CollectSProblems();
  return all;
}

}  // namespace mathsheets
