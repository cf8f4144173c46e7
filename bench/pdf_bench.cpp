// PDF pages a second: a class set (30 variants of 16 types, two of each) and a large run
// (3,000 variants of the same), student and teacher sheets of each. The worksheet files are
// written first and not timed; every figure is the best of a few repetitions.
//
//   mathsheets-pdf-bench [LARGE_VARIANTS [REPETITIONS]]

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "bench_arguments.h"
#include "common/random.h"
#include "pdf/headless_gui.h"
#include "pdf/worksheet_pdf.h"
#include "shell/catalog.h"
#include "shell/main_run.h"

namespace {

constexpr std::string_view kUsage = "mathsheets-pdf-bench [LARGE_VARIANTS [REPETITIONS]]";

using namespace mathsheets;
using Clock = std::chrono::steady_clock;

// Drills, decimals, means, percents, expressions, equations, fractions of every layout,
// divisibility, signed numbers, literal expressions, Roman numerals and named quantities.
constexpr std::array<int, 16> kTypes = {1,  7,  11, 15, 21, 24, 30, 32,
                                        34, 40, 44, 50, 54, 70, 76, 81};

// The pages of a PDF: its page objects, counted a block at a time, so that counting adds nothing
// to the peak memory the bench reports.
int PageCount(const std::filesystem::path& pdf) {
  constexpr std::string_view kPage = "/Type /Page";
  std::ifstream in(pdf, std::ios::binary);
  std::string window;
  std::array<char, 65536> block{};
  int pages = 0;
  while (in.read(block.data(), block.size()) || in.gcount() > 0) {
    window.append(block.data(), static_cast<std::size_t>(in.gcount()));
    std::size_t at = window.find(kPage);
    std::size_t scanned = 0;
    for (; at != std::string::npos && at + kPage.size() < window.size();
         at = window.find(kPage, at + 1)) {
      if (window[at + kPage.size()] != 's') ++pages;
      scanned = at + 1;
    }
    // Keep the tail that may hold the start of a word cut by the block's end.
    const std::size_t keep = std::max(
        scanned, window.size() > kPage.size() ? window.size() - kPage.size() : std::size_t{0});
    window.erase(0, keep);
  }
  return pages;
}

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
  pdf::PdfPair pair;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = Clock::now();
    pair = pdf::WriteWorksheetPdfPair(files.studentPath, files.teacherPath);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  const int pages = PageCount(pair.studentPdf) + PageCount(pair.teacherPdf);
  std::printf("%.*s, %d variants: %d pages (%d + %d) in %.3f s, %.0f pages/s\n",
              static_cast<int>(what.size()), what.data(), variants, pages,
              PageCount(pair.studentPdf), PageCount(pair.teacherPdf), best,
              static_cast<double>(pages) / best);
}

}  // namespace

int main(int argc, char** argv) {
  const int large = bench::PositiveArgument(argc, argv, 1, 3000, kUsage);
  const int repetitions = bench::PositiveArgument(argc, argv, 2, 3, kUsage);
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "mathsheets_pdf_bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "gen");
  const pdf::HeadlessGui gui;
  Bench("class set", 30, repetitions, dir);
  const long afterClassSet = bench::PeakKilobytes();
  Bench("large run", large, repetitions, dir);
  std::printf("peak memory: %ld kB after the class set, %ld kB after the large run\n",
              afterClassSet, bench::PeakKilobytes());
  std::filesystem::remove_all(dir);
  return 0;
}
