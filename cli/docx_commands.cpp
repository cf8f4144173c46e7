#include <array>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "common/io_error.h"
#include "docx/docx_file.h"
#include "run_control.h"

namespace mathsheets::cli {

namespace {

int Report(const docx::DocxPair& pair, const StopSignals& signals) {
  if (pair.stopped) {
    std::cerr << "mathsheets-cli: stopped, no Word document written\n";
    return 128 + signals.Received();
  }
  std::cout << pair.studentDocx.string() << '\n';
  if (!pair.teacherDocx.empty()) std::cout << pair.teacherDocx.string() << '\n';
  return kExitSuccess;
}

// SIGINT and SIGTERM stop the documents between two variants, leaving none.
docx::DocxProgress StopHook(const StopSignals& signals) {
  return [&signals](int) { return signals.Received() == 0; };
}

}  // namespace

int DocxCommand(const Arguments& args) {
  std::vector<std::filesystem::path> inputs;
  std::filesystem::path outDir;
  sheet::PrintLayout layout;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out-dir") {
      if (i + 1 >= args.size()) throw UsageError{"--out-dir needs a value"};
      outDir = std::filesystem::path(std::string(args[++i]));
    } else if (ParsePrintOption(args, i, layout)) {
    } else if (args[i].starts_with("--")) {
      throw UsageError{"unknown option " + std::string(args[i])};
    } else {
      inputs.emplace_back(std::string(args[i]));
    }
  }
  if (inputs.empty()) throw UsageError{"docx needs a student file"};
  if (inputs.size() > 2) throw UsageError{"docx takes a student file and its teacher file"};
  auto [student, teacher] = PairOfInputs(inputs);
  for (const auto& input : inputs) {
    std::error_code ignored;
    const std::filesystem::path target =
        outDir.empty() ? docx::DocxPathFor(input) : outDir / docx::DocxPathFor(input).filename();
    if (std::filesystem::weakly_canonical(input, ignored) ==
        std::filesystem::weakly_canonical(target, ignored))
      throw UsageError{"the Word document of " + input.string() + " would replace the file itself"};
  }
  const StopSignals signals;
  try {
    return Report(docx::WriteWorksheetDocxs(student, teacher, layout, outDir, StopHook(signals)),
                  signals);
  } catch (const IoError& e) {
    std::cerr << "mathsheets-cli: " << e.BoxText() << '\n';
    return kExitIoError;
  }
}

int WriteRunDocxs(const std::filesystem::path& studentFile,
                  const std::filesystem::path& teacherFile, const sheet::PrintLayout& layout) {
  const StopSignals signals;
  try {
    return Report(docx::WriteWorksheetDocxPair(studentFile, teacherFile, layout, StopHook(signals)),
                  signals);
  } catch (const IoError& e) {
    std::cerr << e.BoxText() << '\n';
    return kExitIoError;
  }
}

}  // namespace mathsheets::cli
