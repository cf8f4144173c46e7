#include "marking/set_sheet.h"

#include "common/random.h"
#include "common/worksheet_output.h"
#include "generators/main_module.h"
#include "sets/set_selection.h"
#include "sheet/read_worksheet.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_module.h"
#include "wordproblems/problem_run.h"
#include "worksheet/read_count.h"

namespace mathsheets::marking {

std::uint32_t SetFingerprint(const sets::WorksheetSet& set) {
  sets::WorksheetSet content = set;
  content.layout = {};
  content.pupil = {};
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : sets::FormatSet(content)) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return static_cast<std::uint32_t>((hash ^ (hash >> 20) ^ (hash >> 40)) & 0xFFFFFU);
}

std::int64_t VariantCountOf(const sets::WorksheetSet& set) {
  if (set.kind == sets::SetKind::Problems) return ReadCount(set.variants);
  Pcg32 random;
  MainModule module(random);
  MainSelection selection(module);
  sets::ApplyMainSet(set, selection);
  return selection.VariantsText().empty() ? 0 : module.VariantCount;
}

sheet::Worksheet WorksheetOfSet(const sets::WorksheetSet& set, std::int64_t upTo) {
  if (!set.seed) return {};
  // Any stamp: the model keeps it and nothing reads it.
  constexpr std::string_view kStamp = "01.01.2025 0:00:00";
  MemoryWorksheet files;
  files.student.WriteLine(kStamp);
  files.teacher.WriteLine(kStamp);
  const ProgressHook enough = [upTo](const RunProgress& p) { return p.written < upTo; };
  Pcg32 random;
  if (set.kind == sets::SetKind::Main) {
    MainModule module(random);
    MainSelection selection(module);
    sets::ApplyMainSet(set, selection);
    random.Seed(*set.seed);
    if (!selection.VariantsText().empty()) ispoln(module, files.files, enough);
  } else {
    ProblemModule module(random);
    sets::ApplyProblemSet(set, module);
    random.Seed(*set.seed);
    WriteProblemVariants(module, static_cast<std::int32_t>(ReadCount(set.variants)), files.files,
                         WordProblemCatalog(), enough);
  }
  return sheet::ReadWorksheet(files.student.lines, files.teacher.lines);
}

}  // namespace mathsheets::marking
