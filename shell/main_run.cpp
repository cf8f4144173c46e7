#include "shell/main_run.h"

#include <array>
#include <string>

#include "generators/registry.h"
#include "shell/catalog.h"

namespace mathsheets {

void ispoln(MainModule& m, WorksheetFiles& files) {
  std::array<TaskGenerator, kTaskKindCount> generators{};
  for (const TaskKind& kind : kTaskCatalog)
    generators[static_cast<std::size_t>(kind.Number - 1)] = FindTaskGenerator(kind.Number);
  for (std::int32_t v = 1; v <= m.VariantCount; ++v) {
    const std::string header = "Вариант " + std::to_string(v);
    files.WriteBoth(header, header);
    for (std::size_t t = 0; t < generators.size(); ++t) {
      if (generators[t] == nullptr) continue;
      // The count is read when the run reaches the type.
      for (std::int32_t i = 0; i < m.TaskCount[t]; ++i) generators[t](m, files);
    }
  }
}

RunResult RunMainWorksheet(MainSelection& selection, const std::filesystem::path& workdir,
                           const LocalDateTime& now) {
  auto pair = OpenWorksheetFiles(workdir, "gen\\ajobs_", "gen\\ajobt_", now);
  if (!selection.VariantsText().empty()) ispoln(selection.module(), pair->Files());
  pair->Close();
  return {pair->studentPath(), pair->teacherPath()};
}

}  // namespace mathsheets
