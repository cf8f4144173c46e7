// One run of the main window with every type that has a generator at count 1, for many variants.
// Prints the throughput of written text, the time a plain copy of the same bytes takes, and the
// peak memory, which must not grow with the number of variants: the run streams to its files.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/random.h"
#include "generators/registry.h"
#include "shell/catalog.h"
#include "shell/main_run.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

double CopySeconds(const std::filesystem::path& from, const std::filesystem::path& to) {
  const auto start = Clock::now();
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  std::vector<char> buffer(1 << 16);
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
    out.write(buffer.data(), in.gcount());
  out.close();
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mathsheets;
  const int variants = argc > 1 ? std::stoi(argv[1]) : 10000;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "mathsheets_bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "gen");

  Pcg32 random(1);
  MainModule module(random);
  MainSelection selection(module);
  int types = 0;
  for (const TaskKind& kind : kTaskCatalog) {
    if (FindTaskGenerator(kind.Number) == nullptr) continue;
    selection.CheckBoxClick(kind.Number);
    selection.CountBoxChange(kind.Number, "1");
    ++types;
  }
  selection.VariantsChange(std::to_string(variants));

  const long memoryBefore = PeakKilobytes();
  const auto start = Clock::now();
  const RunResult result = RunMainWorksheet(selection, dir, CurrentLocalDateTime());
  const double runSeconds = Seconds(start);
  const double bytes = static_cast<double>(std::filesystem::file_size(result.studentPath) +
                                           std::filesystem::file_size(result.teacherPath));
  const double copySeconds = CopySeconds(result.studentPath, dir / "copy_s.txt") +
                             CopySeconds(result.teacherPath, dir / "copy_t.txt");

  std::printf("types: %d, variants: %d\n", types, variants);
  std::printf("written: %.1f MB in %.3f s: %.1f MB/s\n", bytes / 1e6, runSeconds,
              bytes / 1e6 / runSeconds);
  std::printf("copying the same bytes: %.3f s (run / copy: %.2f)\n", copySeconds,
              runSeconds / copySeconds);
  std::printf("peak memory: %ld kB (%ld kB before the run)\n", PeakKilobytes(), memoryBefore);
  std::filesystem::remove_all(dir);
  return 0;
}
