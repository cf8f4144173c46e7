#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "docx/document_xml.h"
#include "docx/package_parts.h"
#include "layout/page_marks.h"
#include "sheet/pair_reader.h"
#include "sheet/print_layout.h"

namespace mathsheets::docx {

// The Word document of one sheet of a pair, read from the files a variant at a time: the small
// parts made at once, the document part handed out a piece at a time (its start, a variant, a row
// of the key, its end), so that a sheet of any length needs the memory of one variant. Without a
// teacher file the pupil's file is read alone. Throws sheet::SheetFileError.
class SheetDocument {
 public:
  SheetDocument(const std::filesystem::path& studentFile,
                const std::optional<std::filesystem::path>& teacherFile, layout::SheetKind kind,
                const sheet::PrintLayout& layout);
  ~SheetDocument();
  SheetDocument(const SheetDocument&) = delete;
  SheetDocument& operator=(const SheetDocument&) = delete;

  // Every part in the order of the archive; the document part's bytes are empty.
  const std::vector<Part>& Parts() const { return parts_; }

  // Appends the next piece of the document part to `out`; false once all of it was given.
  bool NextPiece(std::string& out);

 private:
  enum class Stage { Start, Variants, Key, End, Done };

  std::filesystem::path studentFile_;
  std::optional<std::filesystem::path> teacherFile_;
  bool keyWanted_;
  std::unique_ptr<sheet::PairReader> reader_;
  std::vector<Part> parts_;
  DocumentXml xml_;
  sheet::Worksheet model_;
  Stage stage_ = Stage::Start;
  bool anyVariant_ = false;
};

// Every part of a sheet's document whole, the document part included.
std::vector<Part> SheetDocumentParts(const std::filesystem::path& studentFile,
                                     const std::optional<std::filesystem::path>& teacherFile,
                                     layout::SheetKind kind, const sheet::PrintLayout& layout);

}  // namespace mathsheets::docx
