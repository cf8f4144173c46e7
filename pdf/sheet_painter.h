#pragma once

#include <QFont>
#include <QPainter>
#include <array>
#include <memory>
#include <vector>

#include "layout/font_widths.h"
#include "layout/sheet_layout.h"

namespace mathsheets::pdf {

using layout::Face;
using layout::Ink;
using layout::kFaceCount;
using layout::PageOps;
using layout::PageSize;
using layout::RuleOp;
using layout::SizeOf;
using layout::TextMeasure;
using layout::TextOp;

// The faces of a sheet, loaded from their files so that every machine prints the same glyphs
// (and a PDF embeds them). Their glyphs go where the layout's width table, read from the same
// files at build time, puts them. Needs a QGuiApplication while it lives.
class SheetFonts {
 public:
  SheetFonts();
  // The same faces for painting on another thread: fonts of that thread's own, none loaded again.
  // `loaded` must outlive this object.
  struct OnThisThread {};
  SheetFonts(const SheetFonts& loaded, OnThisThread);
  ~SheetFonts();
  SheetFonts(const SheetFonts&) = delete;
  SheetFonts& operator=(const SheetFonts&) = delete;

  const TextMeasure& Measure() const { return layout::SheetFontWidths(); }
  const QFont& FontOf(Face face) const { return fonts_[static_cast<std::size_t>(face)]; }

  // The glyphs of the faces, by code point.
  class GlyphTable;
  const GlyphTable& Table() const;

 private:
  std::vector<int> fontIds_;
  std::array<QFont, kFaceCount> fonts_;
  std::unique_ptr<GlyphTable> glyphs_;
};

// Paints one page of a sheet on `painter`, whose device has `unitsPerPoint` units a point: the
// same code for a PDF and for a printer.
void PaintPage(QPainter& painter, const PageOps& page, const SheetFonts& fonts,
               double unitsPerPoint);

}  // namespace mathsheets::pdf
