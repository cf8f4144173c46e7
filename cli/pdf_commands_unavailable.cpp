#include "commands.h"

// Built without Qt 6 Gui: the PDF options are known but refused.
namespace mathsheets::cli {

namespace {
constexpr const char* kNoPdf = "this build makes no PDFs (Qt 6 Gui was not found)";
}

int PdfCommand(const Arguments&) {
  throw UsageError{kNoPdf};
}

int WriteRunPdfs(const std::filesystem::path&, const std::filesystem::path&,
                 const sheet::PrintLayout&) {
  throw UsageError{kNoPdf};
}

}  // namespace mathsheets::cli
