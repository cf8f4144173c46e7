// Word documents of a class set (30 variants of 16 types, two of each) and of a large run (3,000
// variants of the same): both documents of each, their time and the peak memory, which must not
// grow with the variants. The worksheet files are written first and not timed; every time is the
// best of a few repetitions.
//
//   mathsheets-docx-bench [LARGE_VARIANTS [REPETITIONS]]

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "bench_arguments.h"
#include "common/random.h"
#include "docx/docx_file.h"
#include "shell/catalog.h"
#include "shell/main_run.h"

namespace {

constexpr std::string_view kUsage = "mathsheets-docx-bench [LARGE_VARIANTS [REPETITIONS]]";

using namespace mathsheets;
using Clock = std::chrono::steady_clock;

// The PDF bench's types: drills, decimals, means, percents, expressions, equations, fractions of
// every layout, divisibility, signed numbers, literal expressions, Roman numerals, quantities.
constexpr std::array<int, 16> kTypes = {1,  7,  11, 15, 21, 24, 30, 32,
                                        34, 40, 44, 50, 54, 70, 76, 81};

RunResult WriteFiles(int variants, const std::filesystem::path& dir) {
  Pcg32 random(1);
  MainModule module(random);
  MainSelection selection(module);
  for (const int type : kTypes) {
    selection.CheckBoxClick(type);
    selection.CountBoxChange(type, "2");
  }
  selection.VariantsChange(std::to_string(variants));
  return RunMainWorksheet(selection, dir, CurrentLocalDateTime());
}

void Bench(std::string_view what, int variants, int repetitions, const std::filesystem::path& dir) {
  const RunResult files = WriteFiles(variants, dir);
  double best = 1e300;
  docx::DocxPair pair;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = Clock::now();
    pair = docx::WriteWorksheetDocxPair(files.studentPath, files.teacherPath);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  const auto kilobytes = [](const std::filesystem::path& file) {
    return static_cast<double>(std::filesystem::file_size(file)) / 1024;
  };
  std::printf("%.*s, %d variants: both documents (%.0f + %.0f kB) in %.3f s\n",
              static_cast<int>(what.size()), what.data(), variants, kilobytes(pair.studentDocx),
              kilobytes(pair.teacherDocx), best);
}

}  // namespace

int main(int argc, char** argv) {
  const int large = bench::PositiveArgument(argc, argv, 1, 3000, kUsage);
  const int repetitions = bench::PositiveArgument(argc, argv, 2, 3, kUsage);
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "mathsheets_docx_bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "gen");
  Bench("class set", 30, repetitions, dir);
  const long afterClassSet = bench::PeakKilobytes();
  Bench("large run", large, repetitions, dir);
  std::printf("peak memory: %ld kB after the class set, %ld kB after the large run\n",
              afterClassSet, bench::PeakKilobytes());
  std::filesystem::remove_all(dir);
  return 0;
}
