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

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kTwinPrefixes = {
    {{"ajobs_", "ajobt_"}, {"zjobs_", "zjobt_"}}};

// The other file of a pair by its name (ajobs_ and ajobt_, zjobs_ and zjobt_), and whether `file`
// is the teacher's.
std::optional<std::filesystem::path> TwinOf(const std::filesystem::path& file, bool& teacher) {
  const std::string name = file.filename().string();
  for (const auto& [student, teacherPrefix] : kTwinPrefixes) {
    teacher = name.starts_with(teacherPrefix);
    if (teacher || name.starts_with(student))
      return file.parent_path() /
             (std::string(teacher ? student : teacherPrefix) + name.substr(student.size()));
  }
  return std::nullopt;
}

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
  std::filesystem::path student = inputs[0];
  std::optional<std::filesystem::path> teacher;
  if (inputs.size() == 2) {
    teacher = inputs[1];
  } else {
    // The other file of the pair, beside it by its name, when it is there.
    bool givenTeacher = false;
    const std::optional<std::filesystem::path> twin = TwinOf(student, givenTeacher);
    std::error_code ignored;
    if (twin && std::filesystem::is_regular_file(*twin, ignored)) {
      teacher = *twin;
      if (givenTeacher) std::swap(student, *teacher);
    }
  }
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
