#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "wordproblems/problem_module.h"

namespace mathsheets {

// One call makes one fresh instance in m.instance, drawing from m.random.
using ProblemGenerator = void (*)(ProblemModule& m);

// A generator and the Index of its problem.
struct ProblemBinding {
  int index;
  ProblemGenerator generator;
};

// One problem of the word-problem window. Button Index + 1 previews it, check box Index selects it.
struct TWordProblem {
  int Index;  // 1..60 Z1..Z60, 61..98 S1..S38, 99..230 B1..B132
  std::string_view Caption;
  ProblemGenerator Generator;  // nullptr while the problem has none yet
};

inline constexpr int kZProblemCount = 60;
inline constexpr int kSProblemCount = 38;
inline constexpr int kBProblemCount = 132;

// The 230 problems in Index order.
std::span<const TWordProblem> WordProblemCatalog();
// Throws std::out_of_range for an Index outside 1..230.
const TWordProblem& WordProblemByIndex(int index);
std::optional<int> WordProblemIndexByCaption(std::string_view caption);

}  // namespace mathsheets
