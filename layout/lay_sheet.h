#pragma once

#include <filesystem>
#include <optional>

#include "layout/sheet_layout.h"
#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::layout {

// Lays one sheet of a pair out, handing its pages to `sink`, and returns its number of pages;
// `pageCount` is the number to print in "стр. N из M", 0 while counting. From the files, a variant
// at a time (the key needs a second reading, since its cells are as wide as the widest answer of
// all); throws sheet::SheetFileError.
int LaySheet(const std::filesystem::path& studentFile,
             const std::optional<std::filesystem::path>& teacherFile, SheetKind kind,
             const sheet::PrintLayout& layout, const TextMeasure& measure, int pageCount,
             const SheetLayout::PageSink& sink);

// The same from a pair already read into a model.
int LaySheet(const sheet::Worksheet& worksheet, SheetKind kind, const sheet::PrintLayout& layout,
             const TextMeasure& measure, int pageCount, const SheetLayout::PageSink& sink);

}  // namespace mathsheets::layout
