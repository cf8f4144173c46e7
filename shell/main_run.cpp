#include "shell/main_run.h"

#include <array>
#include <string>

#include "generators/registry.h"
#include "shell/catalog.h"

namespace mathsheets {

namespace {
// Often enough for a cancel to answer at once, seldom enough to cost nothing.
constexpr std::int64_t kExercisesBetweenAsks = 4096;
}  // namespace

VariantsOutcome ispoln(MainModule& m, WorksheetFiles& files, const ProgressHook& progress,
                       const ProgressHook& withinVariant) {
  std::array<TaskGenerator, kTaskKindCount> generators{};
  for (const TaskKind& kind : kTaskCatalog)
    generators[static_cast<std::size_t>(kind.Number - 1)] = FindTaskGenerator(kind.Number);
  const std::int64_t total = m.VariantCount;
  return WriteVariants(total, progress, [&](std::int64_t v) {
    const std::string header = "Вариант " + std::to_string(v);
    files.WriteBoth(header, header);
    std::int64_t sinceAsked = 0;
    for (std::size_t t = 0; t < generators.size(); ++t) {
      if (generators[t] == nullptr) continue;
      // The count is read when the run reaches the type.
      for (std::int32_t i = 0; i < m.TaskCount[t]; ++i) {
        generators[t](m, files);
        if (withinVariant && ++sinceAsked == kExercisesBetweenAsks) {
          sinceAsked = 0;
          if (!withinVariant(RunProgress{v - 1, total})) return false;
        }
      }
    }
    return true;
  });
}

RunResult RunMainWorksheet(MainSelection& selection, const std::filesystem::path& workdir,
                           const LocalDateTime& now, const ProgressHook& progress) {
  auto pair = OpenWorksheetFiles(workdir, "gen\\ajobs_", "gen\\ajobt_", now);
  RunResult result{pair->studentPath(), pair->teacherPath()};
  if (!selection.VariantsText().empty()) {
    result.variantsAsked = selection.module().VariantCount;
    // Where the last whole variant ends: the hook between variants is asked before each one.
    WorksheetFilePair::Lengths whole = pair->lengths();
    const ProgressHook betweenVariants = [&](const RunProgress& p) {
      whole = pair->lengths();
      return !progress || progress(p);
    };
    const VariantsOutcome outcome =
        ispoln(selection.module(), pair->Files(), betweenVariants, progress);
    if (outcome.end == RunEnd::Cancelled) pair->TruncateTo(whole);
    result.variantsWritten = outcome.written;
    result.end = outcome.end;
  }
  pair->Close();
  return result;
}

}  // namespace mathsheets
