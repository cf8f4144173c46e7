#pragma once

#include <cstdint>
#include <filesystem>

#include "common/worksheet_output.h"
#include "generators/main_module.h"
#include "shell/main_selection.h"
#include "worksheet/run_progress.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets {

// The variants loop: for each variant its header line, then every type with a positive count,
// in catalog order, as many times as its count says. Types without a generator yet are passed by.
// `progress` may stop it between two whole variants; `withinVariant`, asked every few thousand
// exercises, inside one: a count box can ask for two thousand million exercises a variant. The
// variant given up is left half written: the caller takes its lines back.
VariantsOutcome ispoln(MainModule& m, WorksheetFiles& files, const ProgressHook& progress = {},
                       const ProgressHook& withinVariant = {});

struct RunResult {
  std::filesystem::path studentPath;
  std::filesystem::path teacherPath;
  std::int64_t variantsWritten = 0;
  std::int64_t variantsAsked = 0;
  RunEnd end = RunEnd::Completed;
};

// One press of "Выполнить": opens and stamps the pair in workdir/gen, runs the variants when the
// variants box is not empty, closes both files, also when `progress` stopped the run; stopped
// inside a variant, both files are first cut back to the end of the last whole one. Throws
// IoError, keeping what was written.
RunResult RunMainWorksheet(MainSelection& selection, const std::filesystem::path& workdir,
                           const LocalDateTime& now, const ProgressHook& progress = {});

}  // namespace mathsheets
