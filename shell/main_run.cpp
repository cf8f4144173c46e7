#include "shell/main_run.h"

#include <array>
#include <string>

#include "generators/registry.h"
#include "shell/catalog.h"

namespace mathsheets {

VariantsOutcome ispoln(MainModule& m, WorksheetFiles& files, const ProgressHook& progress) {
  std::array<TaskGenerator, kTaskKindCount> generators{};
  for (const TaskKind& kind : kTaskCatalog)
    generators[static_cast<std::size_t>(kind.Number - 1)] = FindTaskGenerator(kind.Number);
  return WriteVariants(m.VariantCount, progress, [&](std::int64_t v) {
    const std::string header = "Вариант " + std::to_string(v);
    files.WriteBoth(header, header);
    for (std::size_t t = 0; t < generators.size(); ++t) {
      if (generators[t] == nullptr) continue;
      // The count is read when the run reaches the type.
      for (std::int32_t i = 0; i < m.TaskCount[t]; ++i) generators[t](m, files);
    }
  });
}

RunResult RunMainWorksheet(MainSelection& selection, const std::filesystem::path& workdir,
                           const LocalDateTime& now, const ProgressHook& progress) {
  auto pair = OpenWorksheetFiles(workdir, "gen\\ajobs_", "gen\\ajobt_", now);
  RunResult result{pair->studentPath(), pair->teacherPath()};
  if (!selection.VariantsText().empty()) {
    result.variantsAsked = selection.module().VariantCount;
    const VariantsOutcome outcome = ispoln(selection.module(), pair->Files(), progress);
    result.variantsWritten = outcome.written;
    result.end = outcome.end;
  }
  pair->Close();
  return result;
}

}  // namespace mathsheets
