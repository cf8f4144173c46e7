#pragma once

#include <filesystem>

#include "common/worksheet_output.h"
#include "generators/main_module.h"
#include "shell/main_selection.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets {

// The variants loop: for each variant its header line, then every type with a positive count,
// in catalog order, as many times as its count says. Types without a generator yet are passed by.
void ispoln(MainModule& m, WorksheetFiles& files);

struct RunResult {
  std::filesystem::path studentPath;
  std::filesystem::path teacherPath;
};

// One press of "Выполнить": opens and stamps the pair in workdir/gen, runs the variants when the
// variants box is not empty, closes both files. Throws IoError, keeping what was written.
RunResult RunMainWorksheet(MainSelection& selection, const std::filesystem::path& workdir,
                           const LocalDateTime& now);

}  // namespace mathsheets
