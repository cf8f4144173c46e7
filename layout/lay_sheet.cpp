#include "layout/lay_sheet.h"

#include <algorithm>

#include "sheet/pair_reader.h"

namespace mathsheets::layout {

int LaySheet(const std::filesystem::path& studentFile,
             const std::optional<std::filesystem::path>& teacherFile, SheetKind kind,
             const sheet::PrintLayout& layout, const TextMeasure& measure, int pageCount,
             const SheetLayout::PageSink& sink) {
  sheet::PairReader reader(studentFile, teacherFile);
  const bool teacher = kind == SheetKind::Teacher;
  SheetLayout sheet(measure, layout, kind, teacher ? reader.TeacherStamp() : reader.StudentStamp(),
                    pageCount, sink);
  const sheet::Worksheet preamble = reader.Preamble();
  if (!preamble.preamble.empty()) sheet.AddPreamble(preamble.preamble);
  double keyCellWidth = 0;
  bool anyVariant = false;
  sheet::Worksheet model;
  while (reader.Next(model)) {
    sheet.AddPreamble(model.preamble);
    for (const sheet::Variant& variant : model.variants) {
      sheet.AddVariant(variant);
      if (!teacher) continue;
      keyCellWidth = std::max(keyCellWidth, sheet.KeyCellWidth(variant));
      anyVariant = true;
    }
  }
  if (teacher && layout.answerKey && anyVariant) {
    sheet.StartKey(keyCellWidth);
    sheet::PairReader again(studentFile, teacherFile);
    while (again.Next(model))
      for (const sheet::Variant& variant : model.variants) sheet.AddKeyRow(variant);
  }
  return sheet.Finish();
}

int LaySheet(const sheet::Worksheet& worksheet, SheetKind kind, const sheet::PrintLayout& layout,
             const TextMeasure& measure, int pageCount, const SheetLayout::PageSink& sink) {
  const bool teacher = kind == SheetKind::Teacher;
  SheetLayout sheet(measure, layout, kind,
                    teacher ? worksheet.teacherStamp : worksheet.studentStamp, pageCount, sink);
  if (!worksheet.preamble.empty()) sheet.AddPreamble(worksheet.preamble);
  double keyCellWidth = 0;
  for (const sheet::Variant& variant : worksheet.variants) {
    sheet.AddVariant(variant);
    if (teacher) keyCellWidth = std::max(keyCellWidth, sheet.KeyCellWidth(variant));
  }
  if (teacher && layout.answerKey && !worksheet.variants.empty()) {
    sheet.StartKey(keyCellWidth);
    for (const sheet::Variant& variant : worksheet.variants) sheet.AddKeyRow(variant);
  }
  return sheet.Finish();
}

}  // namespace mathsheets::layout
