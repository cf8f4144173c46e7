// The printed sheet for the page: the pages of the one layout every front end uses, each as SVG
// for the print view, which shows them one under another and prints them at their paper size.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "layout/font_widths.h"
#include "layout/lay_sheet.h"
#include "layout/page_svg.h"
#include "page_values.h"
#include "sheet/print_layout.h"

namespace mathsheets::web {

namespace {

using emscripten::val;

// {width, height} in points, and {pages: [svg, ...]} of the pupil's or the teacher's sheet of a
// run's files (Windows-1251 bytes).
val PrintPages(val student, val teacher, bool forTeacher, val layoutValue) {
  const sheet::Worksheet worksheet = WorksheetOf(student, teacher);
  const sheet::PrintLayout layout = LayoutOf(layoutValue);
  const layout::SheetKind kind = forTeacher ? layout::SheetKind::Teacher : layout::SheetKind::Student;
  const layout::TextMeasure& measure = layout::SheetFontWidths();
  const layout::PageSize size = layout::SizeOf(layout.paper);
  const int count = layout::LaySheet(worksheet, kind, layout, measure, 0, {});
  val pages = val::array();
  layout::LaySheet(worksheet, kind, layout, measure, count, [&](const layout::PageOps& page) {
    pages.call<void>("push", layout::PageSvg(page, size));
  });
  val result = val::object();
  result.set("width", size.width);
  result.set("height", size.height);
  result.set("pages", pages);
  return result;
}

// Why the page cannot print a title, in words for the teacher; empty when it can.
std::string TitleProblem(const std::string& title) {
  const auto fault = sheet::TitleFaultOf(title);
  return fault ? std::string(sheet::TitleFaultText(*fault)) : std::string();
}

}  // namespace

EMSCRIPTEN_BINDINGS(print_pages) {
  emscripten::function("PrintPages", &PrintPages);
  emscripten::function("TitleProblem", &TitleProblem);
}

}  // namespace mathsheets::web
