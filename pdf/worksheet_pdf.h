#pragma once

#include <QFont>
#include <filesystem>

namespace mathsheets::pdf {

// The PDF beside a worksheet file: the same name with ".pdf" in place of its extension.
std::filesystem::path PdfPathFor(const std::filesystem::path& textFile);

// Turns worksheet text files into print-ready PDFs: A4 portrait, a fixed-pitch font embedded in
// the file, the stamp line and "стр. N из M" at the top of every page, every variant on a new
// page. Needs a QGuiApplication (or QApplication) while it lives.
class WorksheetPdfWriter {
 public:
  // Loads the fixed-pitch font from its file, so every machine prints with the same glyphs.
  WorksheetPdfWriter();
  ~WorksheetPdfWriter();
  WorksheetPdfWriter(const WorksheetPdfWriter&) = delete;
  WorksheetPdfWriter& operator=(const WorksheetPdfWriter&) = delete;

  // Throws IoError when the text file cannot be read or the PDF cannot be written; a text file
  // that was read is never changed.
  void Write(const std::filesystem::path& textFile, const std::filesystem::path& pdfFile) const;

 private:
  std::vector<int> fontIds_;
  QFont regular_;
  QFont bold_;
};

struct PdfPair {
  std::filesystem::path studentPdf;
  std::filesystem::path teacherPdf;
};

// The PDFs of one run's two files, beside them, student first. Throws IoError.
PdfPair WriteWorksheetPdfPair(const std::filesystem::path& studentFile,
                              const std::filesystem::path& teacherFile);

}  // namespace mathsheets::pdf
