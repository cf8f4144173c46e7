#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "common/io_error.h"
#include "sheet/pair_reader.h"
#include "layout/sheet_layout.h"
#include "sheet/print_layout.h"

class QPagedPaintDevice;

namespace mathsheets::pdf {

// The PDF beside a worksheet file: the same name with ".pdf" in place of its extension.
std::filesystem::path PdfPathFor(const std::filesystem::path& textFile);

using sheet::IsTeacherFileName;
using sheet::TwinFileOf;

// A failed read or write of one of the files, its path in the message.
using PdfFileError = sheet::SheetFileError;
using layout::SheetKind;

// Told after every page painted, `done` of `total` pages of both PDFs; answers false to stop.
using PdfProgress = std::function<bool(int done, int total)>;

struct PdfPair {
  std::filesystem::path studentPdf;
  std::filesystem::path teacherPdf;  // empty when only the student's sheet was made
  int studentPages = 0;
  int teacherPages = 0;
  bool stopped = false;  // by `progress`: neither PDF nor any temporary file is left
};

// The typeset sheets of a pair of worksheet files: the pupil's, with blanks for the answers, and
// the teacher's, the same pages with the answers filled in and the answer key at the end. Both
// PDFs go into `outDir` (beside the files when empty) under the files' names with ".pdf"; each is
// written under a temporary name and renamed when whole. Without a teacher file only the pupil's
// sheet is made, with a blank after each "=". Throws PdfFileError. Needs a QGuiApplication.
PdfPair WriteWorksheetPdfs(const std::filesystem::path& studentFile,
                           const std::optional<std::filesystem::path>& teacherFile,
                           const sheet::PrintLayout& layout = {},
                           const std::filesystem::path& outDir = {},
                           const PdfProgress& progress = {});

// The PDFs of one run's two files, beside them.
PdfPair WriteWorksheetPdfPair(const std::filesystem::path& studentFile,
                              const std::filesystem::path& teacherFile,
                              const sheet::PrintLayout& layout = {},
                              const PdfProgress& progress = {});

// A printer (or any paged device) set to the sheet's paper, without margins of its own: the
// sheet keeps its margins itself.
void PreparePaper(QPagedPaintDevice& device, const sheet::PrintLayout& layout);

// Paints the pupil's or the teacher's sheet of a pair on `device` with the same layout and painting
// as its PDF, a page at a time. Returns the pages painted. Throws PdfFileError.
int PrintSheet(QPagedPaintDevice& device, const std::filesystem::path& studentFile,
               const std::optional<std::filesystem::path>& teacherFile, SheetKind kind,
               const sheet::PrintLayout& layout);

}  // namespace mathsheets::pdf
