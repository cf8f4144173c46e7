#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/print_layout.h"

namespace mathsheets::docx {

// One part of a Word document's package: its name in the archive and its bytes.
struct Part {
  std::string name;
  std::string bytes;

  friend bool operator==(const Part&, const Part&) = default;
};

inline constexpr std::string_view kDocumentPartName = "word/document.xml";

// Every part of a sheet's package in the order of the archive, the content types first: the
// document part by name only (its bytes are the sheet, made elsewhere), the others whole: the
// relationships, the styles (the body face, its size and line spacing), the settings (Word's
// equation face), the font table and the running head with `stamp` and "стр. N из M".
std::vector<Part> PackageParts(const sheet::PrintLayout& layout, std::string_view stamp);

}  // namespace mathsheets::docx
