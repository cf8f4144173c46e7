#pragma once

#include <cstdint>
#include <functional>

namespace mathsheets {

// How far a run has come: whole variants written to both files, of those asked for.
struct RunProgress {
  std::int64_t written = 0;
  std::int64_t total = 0;
};

// Told before the first variant and after every whole variant; false stops the run there, so
// both files always end after the same whole variant. An empty hook lets the run go to its end.
using ProgressHook = std::function<bool(const RunProgress&)>;

// Whether a run went to its end or was stopped by its hook.
enum class RunEnd { Completed, Cancelled };

struct VariantsOutcome {
  std::int64_t written = 0;
  RunEnd end = RunEnd::Completed;
};

// Variants 1..total (none when total < 1), each written whole by `writeVariant`, with `progress`
// asked before the first and after each. `writeVariant` returns false when it gave up inside its
// variant (its caller has to take that variant's lines back); the run then ends as cancelled.
// The counter is 64-bit, so the largest count a box can hold ends like any other.
VariantsOutcome WriteVariants(std::int64_t total, const ProgressHook& progress,
                              const std::function<bool(std::int64_t variant)>& writeVariant);

}  // namespace mathsheets
