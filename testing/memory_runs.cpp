#include "testing/memory_runs.h"

#include <algorithm>

#include "common/random.h"
#include "common/worksheet_output.h"
#include "generators/main_module.h"
#include "shell/catalog.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "wordproblems/problem_module.h"
#include "wordproblems/problem_run.h"

namespace mathsheets::testing {

RunLines MainRunLines(std::uint64_t seed, const std::vector<std::pair<int, int>>& counts,
                      int variants, int level) {
  Pcg32 random(seed);
  MainModule module(random);
  MainSelection selection(module);
  for (const OptionGroupInfo& group : kOptionGroups)
    selection.RadioButtonClick(group.group, std::min(level, group.buttons));
  module.WidePrimes = level % 2 == 1;
  for (const auto& [number, count] : counts) {
    selection.CheckBoxClick(number);
    selection.CountBoxChange(number, std::to_string(count));
  }
  selection.VariantsChange(std::to_string(variants));
  MemoryWorksheet sheet;
  sheet.student.WriteLine(kMemoryRunStamp);
  sheet.teacher.WriteLine(kMemoryRunStamp);
  ispoln(module, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

RunLines ProblemRunLines(std::uint64_t seed, const std::vector<int>& indexes, int variants) {
  Pcg32 random(seed);
  ProblemModule module(random);
  for (int index : indexes) ToggleSelected(module, index);
  MemoryWorksheet sheet;
  sheet.student.WriteLine(kMemoryRunStamp);
  sheet.teacher.WriteLine(kMemoryRunStamp);
  WriteProblemVariants(module, variants, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

}  // namespace mathsheets::testing
