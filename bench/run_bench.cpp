// Two runs for many variants, each set against the least a program writing the same bytes must
// do: the main window with every type at count 1, and the word-problem window with every problem.
// Each run ends with its files synced to disk, and a plain read/write copy of the same two files,
// synced too, is timed in the same process; the ratio run / copy is the figure to watch, and the
// time the run's own sync takes is shown apart. Every measurement is the best of a few
// repetitions, since other programs share the machine. Peak memory must not grow with the number
// of variants: the runs stream to their files.
//
//   mathsheets-bench [VARIANTS [REPETITIONS]]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "bench_arguments.h"
#include "common/random.h"
#include "file_copy.h"
#include "generators/registry.h"
#include "shell/catalog.h"
#include "shell/main_run.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"

namespace {

constexpr std::string_view kUsage = "mathsheets-bench [VARIANTS [REPETITIONS]]";

using namespace mathsheets;
using Clock = std::chrono::steady_clock;

struct Written {
  std::filesystem::path student;
  std::filesystem::path teacher;
};

struct Figures {
  double runSeconds;   // the run with its files synced
  double syncSeconds;  // the part of the best run spent syncing
  double copySeconds;
  std::uintmax_t bytes;
};

double SecondsOf(const std::function<void()>& action) {
  const auto start = Clock::now();
  action();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

Figures Measure(const std::function<Written()>& run, const std::filesystem::path& dir,
                int repetitions) {
  Figures best{1e300, 0, 1e300, 0};
  for (int i = 0; i < repetitions; ++i) {
    Written files;
    double syncSeconds = 0;
    const double runSeconds = SecondsOf([&] {
      files = run();
      syncSeconds = SecondsOf([&] {
        bench::SyncFile(files.student);
        bench::SyncFile(files.teacher);
      });
    });
    if (runSeconds < best.runSeconds) {
      best.runSeconds = runSeconds;
      best.syncSeconds = syncSeconds;
    }
    best.bytes =
        std::filesystem::file_size(files.student) + std::filesystem::file_size(files.teacher);
    best.copySeconds = std::min(best.copySeconds, SecondsOf([&] {
                                  bench::CopyAndSync(files.student, dir / "copy_s.txt");
                                  bench::CopyAndSync(files.teacher, dir / "copy_t.txt");
                                }));
  }
  return best;
}

void Print(std::string_view what, const Figures& f) {
  const double megabytes = static_cast<double>(f.bytes) / 1e6;
  std::printf(
      "%.*s: %.1f MB in %.3f s (%.1f MB/s, of which %.3f s syncing); copy %.3f s; run / copy "
      "%.2f\n",
      static_cast<int>(what.size()), what.data(), megabytes, f.runSeconds, megabytes / f.runSeconds,
      f.syncSeconds, f.copySeconds, f.runSeconds / f.copySeconds);
}

}  // namespace

int main(int argc, char** argv) {
  const int variants = bench::PositiveArgument(argc, argv, 1, 10000, kUsage);
  const int repetitions = bench::PositiveArgument(argc, argv, 2, 3, kUsage);
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "mathsheets_bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "gen");
  const long memoryBefore = bench::PeakKilobytes();

  Pcg32 random(1);
  MainModule mainModule(random);
  MainSelection selection(mainModule);
  int types = 0;
  for (const TaskKind& kind : kTaskCatalog) {
    if (FindTaskGenerator(kind.Number) == nullptr) continue;
    selection.CheckBoxClick(kind.Number);
    selection.CountBoxChange(kind.Number, "1");
    ++types;
  }
  selection.VariantsChange(std::to_string(variants));
  const Figures mainFigures = Measure(
      [&] {
        const RunResult r = RunMainWorksheet(selection, dir, CurrentLocalDateTime());
        return Written{r.studentPath, r.teacherPath};
      },
      dir, repetitions);

  ProblemModule problemModule(random);
  int problems = 0;
  for (const TWordProblem& problem : WordProblemCatalog()) {
    if (problem.Generator == nullptr) continue;
    ToggleSelected(problemModule, problem.Index);
    ++problems;
  }
  const std::string variantsText = std::to_string(variants);
  const Figures problemFigures = Measure(
      [&] {
        const ProblemRunResult r =
            RunProblemWorksheet(problemModule, variantsText, dir, CurrentLocalDateTime());
        return Written{r.studentPath, r.teacherPath};
      },
      dir, repetitions);

  std::printf("%d variants, best of %d\n", variants, repetitions);
  Print("main window, " + std::to_string(types) + " types", mainFigures);
  Print("word problems, " + std::to_string(problems) + " problems", problemFigures);
  std::printf("peak memory: %ld kB (%ld kB before the runs)\n", bench::PeakKilobytes(),
              memoryBefore);
  std::filesystem::remove_all(dir);
  return 0;
}
