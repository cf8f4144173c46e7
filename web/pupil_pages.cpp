// The pupil's sheet on screen: one variant of a set laid out by the one layout, as the printed
// sheet, with where each answer blank is, so that the page puts its fields there.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>

#include "layout/font_widths.h"
#include "layout/lay_sheet.h"
#include "layout/page_svg.h"
#include "marking/set_sheet.h"
#include "page_values.h"
#include "sets/worksheet_set.h"

namespace mathsheets::web {

namespace {

using emscripten::val;

val Blanks(const layout::PageOps& page) {
  val blanks = val::array();
  for (const layout::BlankOp& b : page.blanks) {
    val blank = val::object();
    blank.set("x", b.x);
    blank.set("y", b.y);
    blank.set("width", b.width);
    blank.set("size", b.size);
    blank.set("item", b.item);
    blank.set("label", b.label);
    blanks.call<void>("push", blank);
  }
  return blanks;
}

// {width, height, pages: [{svg, blanks: [{x, y, width, size, item, label}]}]} of variant
// `variant` of the set `text` as the pupil's printed sheet, in points; {error} for a set that
// gives no such variant.
val PupilPages(const std::string& text, int variant) {
  val result = val::object();
  const sets::SetParseResult parsed = sets::TryParseSet(text);
  if (!parsed.ok) {
    result.set("error", parsed.error);
    return result;
  }
  const sets::WorksheetSet& set = parsed.set;
  if (variant < 1 || variant > marking::VariantCountOf(set)) {
    result.set("error", "no variant " + std::to_string(variant));
    return result;
  }
  sheet::Worksheet worksheet = marking::WorksheetOfSet(set, variant);
  if (worksheet.variants.size() < static_cast<std::size_t>(variant)) {
    result.set("error", "no variant " + std::to_string(variant));
    return result;
  }
  // The one variant alone, as its printed sheet shows it, with its stamp line.
  sheet::Variant chosen = std::move(worksheet.variants[static_cast<std::size_t>(variant - 1)]);
  worksheet.variants.clear();
  worksheet.variants.push_back(std::move(chosen));
  worksheet.preamble.clear();
  // On screen the sheet has no stamp of a run: the pages are made as the pupil opens them.
  worksheet.studentStamp.clear();
  sheet::PrintLayout layout = set.layout;
  layout.perPage = sheet::VariantsPerPage::One;
  const layout::TextMeasure& measure = layout::SheetFontWidths();
  const layout::PageSize size = layout::SizeOf(layout.paper);
  const int count = layout::LaySheet(worksheet, layout::SheetKind::Student, layout, measure, 0, {});
  val pages = val::array();
  layout::LaySheet(worksheet, layout::SheetKind::Student, layout, measure, count,
                   [&](const layout::PageOps& ops) {
                     val page = val::object();
                     page.set("svg", layout::PageSvg(ops, size));
                     page.set("blanks", Blanks(ops));
                     pages.call<void>("push", page);
                   });
  result.set("width", size.width);
  result.set("height", size.height);
  result.set("pages", pages);
  return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(pupil_pages) {
  emscripten::function("PupilPages", &PupilPages);
}

}  // namespace mathsheets::web
