#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mathsheets::testing {

inline constexpr std::string_view kMemoryRunStamp = "10.12.2026 10:51:30";

// The lines of both files of a run made in memory, the stamp first, UTF-8.
struct RunLines {
  std::vector<std::string> student;
  std::vector<std::string> teacher;
};

// A main-window run of the given (type, count) pairs, at radio button `level` of every group.
RunLines MainRunLines(std::uint64_t seed, const std::vector<std::pair<int, int>>& counts,
                      int variants, int level);
// A word-problem run of the problems of the given Indexes.
RunLines ProblemRunLines(std::uint64_t seed, const std::vector<int>& indexes, int variants);

}  // namespace mathsheets::testing
