#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

#include "commands.h"
#include "common/io_error.h"
#include "pdf/headless_gui.h"
#include "pdf/worksheet_pdf.h"
#include "run_control.h"

namespace mathsheets::cli {

namespace {

// While it lives, SIGINT and SIGTERM stop the PDFs after the page being painted, leaving none;
// on a terminal, a line "Страниц PDF: N из M" shows how far they are.
class PdfControl {
 public:
  PdfControl() : showProgress_(isatty(STDERR_FILENO) == 1) {}
  ~PdfControl() { EndLine(); }
  PdfControl(const PdfControl&) = delete;
  PdfControl& operator=(const PdfControl&) = delete;

  pdf::PdfProgress Hook() {
    return [this](int done, int total) {
      const auto now = std::chrono::steady_clock::now();
      if (showProgress_ && (done == total || now - shown_ > std::chrono::milliseconds(100))) {
        std::cerr << "\rСтраниц PDF: " << done << " из " << total << std::flush;
        shown_ = now;
        lineShown_ = true;
      }
      return signals_.Received() == 0;
    };
  }

  void EndLine() {
    if (lineShown_) std::cerr << '\n';
    lineShown_ = false;
  }

  int Stopped() {
    EndLine();
    std::cerr << "mathsheets-cli: stopped, no PDF written\n";
    return 128 + signals_.Received();
  }

 private:
  bool showProgress_;
  std::chrono::steady_clock::time_point shown_{};
  bool lineShown_ = false;
  StopSignals signals_;
};

int Report(const pdf::PdfPair& pair, PdfControl& control) {
  if (pair.stopped) return control.Stopped();
  control.EndLine();
  std::cout << pair.studentPdf.string() << '\n';
  if (!pair.teacherPdf.empty()) std::cout << pair.teacherPdf.string() << '\n';
  return kExitSuccess;
}

}  // namespace

int PdfCommand(const Arguments& args) {
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
  if (inputs.empty()) throw UsageError{"pdf needs a student file"};
  if (inputs.size() > 2) throw UsageError{"pdf takes a student file and its teacher file"};
  auto [student, teacher] = PairOfInputs(inputs);
  for (const auto& input : inputs) {
    std::error_code ignored;
    const std::filesystem::path target =
        outDir.empty() ? pdf::PdfPathFor(input) : outDir / pdf::PdfPathFor(input).filename();
    if (std::filesystem::weakly_canonical(input, ignored) ==
        std::filesystem::weakly_canonical(target, ignored))
      throw UsageError{"the PDF of " + input.string() + " would replace the file itself"};
  }

  const pdf::HeadlessGui gui;
  PdfControl control;
  try {
    return Report(pdf::WriteWorksheetPdfs(student, teacher, layout, outDir, control.Hook()),
                  control);
  } catch (const IoError& e) {
    control.EndLine();
    std::cerr << "mathsheets-cli: " << e.BoxText() << '\n';
    return kExitIoError;
  }
}

int WriteRunPdfs(const std::filesystem::path& studentFile, const std::filesystem::path& teacherFile,
                 const sheet::PrintLayout& layout) {
  const pdf::HeadlessGui gui;
  PdfControl control;
  try {
    return Report(pdf::WriteWorksheetPdfPair(studentFile, teacherFile, layout, control.Hook()),
                  control);
  } catch (const IoError& e) {
    control.EndLine();
    std::cerr << e.BoxText() << '\n';
    return kExitIoError;
  }
}

}  // namespace mathsheets::cli
