#include "worksheet/run_progress.h"

namespace mathsheets {

VariantsOutcome WriteVariants(std::int64_t total, const ProgressHook& progress,
                              const std::function<bool(std::int64_t variant)>& writeVariant) {
  VariantsOutcome outcome;
  for (std::int64_t v = 1; v <= total; ++v) {
    if (progress && !progress(RunProgress{outcome.written, total})) {
      outcome.end = RunEnd::Cancelled;
      return outcome;
    }
    if (!writeVariant(v)) {
      outcome.end = RunEnd::Cancelled;
      return outcome;
    }
    outcome.written = v;
  }
  // The last report shows the run complete; there is nothing left to stop.
  if (progress && total > 0) progress(RunProgress{outcome.written, total});
  return outcome;
}

}  // namespace mathsheets
