#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

#include "commands.h"
#include "common/io_error.h"
#include "pdf/headless_gui.h"
#include "pdf/worksheet_pdf.h"

namespace mathsheets::cli {

namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ignored;
  return std::filesystem::weakly_canonical(a, ignored) ==
         std::filesystem::weakly_canonical(b, ignored);
}

}  // namespace

int PdfCommand(const Arguments& args) {
  std::vector<std::filesystem::path> inputs;
  std::optional<std::filesystem::path> out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out") {
      if (i + 1 >= args.size()) throw UsageError{"--out needs a value"};
      out = std::filesystem::path(std::string(args[++i]));
    } else if (args[i].starts_with("--")) {
      throw UsageError{"unknown option " + std::string(args[i])};
    } else {
      inputs.emplace_back(std::string(args[i]));
    }
  }
  if (inputs.empty()) throw UsageError{"pdf needs at least one worksheet file"};
  if (out && inputs.size() > 1) throw UsageError{"--out names the PDF of one input file only"};
  for (const auto& input : inputs)
    if (SameFile(input, out.value_or(pdf::PdfPathFor(input))))
      throw UsageError{"the PDF of " + input.string() + " would replace the file itself"};

  const pdf::HeadlessGui gui;
  const pdf::WorksheetPdfWriter writer;
  int exitCode = kExitSuccess;
  for (const auto& input : inputs) {
    const std::filesystem::path target = out.value_or(pdf::PdfPathFor(input));
    try {
      writer.Write(input, target);
      std::cout << target.string() << '\n';
    } catch (const IoError& e) {
      std::cerr << "mathsheets-cli: " << input.string() << " -> " << target.string() << ": "
                << e.BoxText() << '\n';
      exitCode = kExitIoError;
    }
  }
  return exitCode;
}

int WriteRunPdfs(const std::filesystem::path& studentFile,
                 const std::filesystem::path& teacherFile) {
  const pdf::HeadlessGui gui;
  try {
    const pdf::PdfPair pair = pdf::WriteWorksheetPdfPair(studentFile, teacherFile);
    std::cout << pair.studentPdf.string() << '\n' << pair.teacherPdf.string() << '\n';
    return kExitSuccess;
  } catch (const IoError& e) {
    std::cerr << e.BoxText() << '\n';
    return kExitIoError;
  }
}

}  // namespace mathsheets::cli
