#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "common/worksheet_output.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_module.h"
#include "worksheet/run_progress.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets {

// A check box's click: 0 becomes 1, anything else 0. The flag is toggled, not read from the box,
// so it follows the box as long as every click reaches the handler.
void ToggleSelected(ProblemModule& m, int index);

// Makes one fresh instance of problem `index` in m.instance, with nothing of an earlier instance
// left. A problem without a generator leaves it empty.
void GenerateProblem(ProblemModule& m, int index);

// One press of the problem's button: a fresh instance and its preview lines.
const std::vector<std::string>& PreviewProblem(ProblemModule& m, int index);

// The task line of the k-th problem of a variant, in a buffer of its own: a run writes one for
// every problem and needs no string for it.
class TaskLine {
 public:
  TaskLine(std::string_view word, std::int32_t k);
  std::string_view view() const { return {text_, size_}; }

 private:
  char text_[40];  // "Завдання " and the longest number
  std::size_t size_;
};

// B86 greets the student in Ukrainian.
TaskLine StudentTaskLine(int index, std::int32_t k);
TaskLine TeacherTaskLine(std::int32_t k);

// The variants of a run: for each its header, the blocks of the selected problems from the
// highest Index down, and a line holding one blank. Selected problems without a generator are
// passed by. `catalog` holds the 230 problems in Index order. `progress` may stop the run between
// two whole variants.
VariantsOutcome WriteProblemVariants(ProblemModule& m, std::int32_t variants, WorksheetFiles& files,
                                     std::span<const TWordProblem> catalog = WordProblemCatalog(),
                                     const ProgressHook& progress = {});

struct ProblemRunResult {
  std::filesystem::path studentPath;
  std::filesystem::path teacherPath;
  std::int64_t variantsWritten = 0;
  std::int64_t variantsAsked = 0;
  RunEnd end = RunEnd::Completed;
};

// One press of "Выполнить": opens and stamps the pair in workdir/gen, reads the variants box once,
// writes the variants, closes both files and starts the animation. A run stopped by `progress`
// closes both files too but starts no animation. Throws IoError, keeping what was written and
// leaving the animation as it was.
ProblemRunResult RunProblemWorksheet(ProblemModule& m, std::string_view variantsText,
                                     const std::filesystem::path& workdir, const LocalDateTime& now,
                                     const ProgressHook& progress = {});

}  // namespace mathsheets
