#include "shell/example_files.h"

#include <string>

#include "common/random.h"
#include "common/text_file.h"
#include "generators/registry.h"
#include "shell/catalog.h"

namespace mathsheets {

namespace {

constexpr std::size_t kShownLines = 3;
constexpr int kMostExercises = 3;

}  // namespace

void WriteExampleFiles(const std::filesystem::path& gen5) {
  for (const TaskKind& kind : kTaskCatalog) {
    const TaskGenerator generator = FindTaskGenerator(kind.Number);
    // Types that share a sample show the first of them.
    if (generator == nullptr || TaskNumberOfSample(kind.sample) != kind.Number) continue;
    Pcg32 random(static_cast<std::uint64_t>(kind.sample));
    MainModule module(random);
    MemoryWorksheet sheet;
    for (int i = 0; i < kMostExercises && sheet.student.lines.size() < kShownLines; ++i)
      generator(module, sheet.files);
    const std::string name = "nb" + std::to_string(kind.sample);
    Cp1251FileWriter student(gen5 / (name + "s.txt"));
    for (const std::string& line : sheet.student.lines) student.WriteLine(line);
    student.Close();
    Cp1251FileWriter teacher(gen5 / (name + "t.txt"));
    for (const std::string& line : sheet.teacher.lines) teacher.WriteLine(line);
    teacher.Close();
  }
}

}  // namespace mathsheets
