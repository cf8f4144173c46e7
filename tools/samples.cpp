// Writes the example files of the main window, gen5/nbNs.txt and gen5/nbNt.txt, from the program's
// own generators: for each sample, exercises of its type until three lines are shown, drawn from a
// fixed seed so every build writes the same files.
#include <filesystem>
#include <iostream>

#include "common/io_error.h"
#include "common/random.h"
#include "common/text_file.h"
#include "generators/registry.h"
#include "shell/catalog.h"

namespace {

constexpr std::size_t kShownLines = 3;
constexpr int kMostExercises = 3;

}  // namespace

int main(int argc, char** argv) {
  using namespace mathsheets;
  if (argc != 2) {
    std::cerr << "usage: mathsheets-samples FOLDER (the working folder; files go to FOLDER/gen5)\n";
    return 2;
  }
  const std::filesystem::path gen5 = std::filesystem::path(argv[1]) / "gen5";
  std::filesystem::create_directories(gen5);
  try {
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
  } catch (const IoError& e) {
    std::cerr << "mathsheets-samples: " << e.BoxText() << "\n";
    return 1;
  }
  return 0;
}
