#include "layout/font_widths.h"

#include <gtest/gtest.h>

#include <QRawFont>
#include <cmath>
#include <string>
#include <vector>

#include "pdf/headless_gui.h"
#include "pdf/sheet_painter.h"

namespace mathsheets::pdf {
namespace {

using layout::Advance;
using layout::HasGlyph;
using layout::SheetFontWidths;

std::string Utf8(char32_t code) {
  const QString text = QString::fromUcs4(&code, 1);
  return text.toStdString();
}

struct QtGlyph {
  quint32 index;
  double advance;  // per point of size
};

// `raw` is set at one pixel an em unit, where Qt's advances, in 64ths of a pixel, are exact.
QtGlyph QtGlyphOf(const QRawFont& raw, char32_t code) {
  const QString text = QString::fromUcs4(&code, 1);
  quint32 index = 0;
  int count = 1;
  if (!raw.glyphIndexesForChars(text.constData(), static_cast<int>(text.size()), &index, &count))
    index = 0;
  QPointF advance;
  raw.advancesForGlyphIndexes(&index, &advance, 1, QRawFont::UseDesignMetrics);
  return {index, advance.x() / raw.pixelSize()};
}

// The table made at build time against what Qt reads from the fonts the painter loads: the same
// glyphs and the same advances, for every listed code point of every face. A code point outside
// the list is as wide as the .notdef, even where the face has a glyph for it.
TEST(SheetFontWidths, AreTheAdvancesOfThePaintersFonts) {
  const HeadlessGui gui;
  const SheetFonts fonts;
  const layout::TextMeasure& measure = SheetFontWidths();
  int checked = 0;
  for (int f = 0; f < layout::kFaceCount; ++f) {
    const auto face = static_cast<layout::Face>(f);
    QRawFont raw = QRawFont::fromFont(fonts.FontOf(face));
    ASSERT_TRUE(raw.isValid()) << "face " << f;
    raw.setPixelSize(raw.unitsPerEm());
    int wrong = 0;
    for (const layout::CodePointRange& range : layout::ListedCodePoints()) {
      for (char32_t code = range.first; code <= range.last && wrong < 5; ++code) {
        const QtGlyph qt = QtGlyphOf(raw, code);
        const double width = measure.Width(face, Utf8(code));
        const bool same = HasGlyph(face, code) == (qt.index != 0) &&
                          std::abs(width - qt.advance) <= 1e-6 &&
                          std::abs(Advance(face, code) - qt.advance) <= 1e-6;
        EXPECT_TRUE(same) << "face " << f << " U+" << std::hex << static_cast<unsigned>(code)
                          << ": table " << HasGlyph(face, code) << " " << width << ", Qt "
                          << qt.index << " " << qt.advance;
        wrong += same ? 0 : 1;
        ++checked;
      }
    }
    const double notdef = QtGlyphOf(raw, 0xE000).advance;  // private use: no face has it
    EXPECT_NEAR(measure.Width(face, Utf8(0xE000)), notdef, 1e-6) << "face " << f;
    EXPECT_NEAR(measure.Width(face, Utf8(0x4E00)), notdef, 1e-6) << "face " << f;
    // Greek, which DejaVu has but the list leaves out.
    EXPECT_FALSE(HasGlyph(face, 0x03B1)) << "face " << f;
    EXPECT_NEAR(Advance(face, 0x03B1), notdef, 1e-6) << "face " << f;
  }
  EXPECT_GT(checked, 7 * 900);
}

// Broken sequences decode as a browser decodes them (these are Python's bytes.decode with
// errors="replace"), and a text is as wide as its characters.
TEST(SheetFontWidths, BrokenUtf8IsReplacementCharacters) {
  const struct {
    std::string bytes;
    std::vector<char32_t> codes;
  } kCases[] = {
      {"a\x80"
       "b",
       {'a', 0xFFFD, 'b'}},
      {"\xE2\x88", {0xFFFD}},
      {"\xE2\x88"
       "a",
       {0xFFFD, 'a'}},
      {"\xC0\xAF", {0xFFFD, 0xFFFD}},
      {"\xE0\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD}},
      {"\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},
      {"\xF4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}},
      {"\xF0\x9F\x98", {0xFFFD}},
      {"\xFF\xFE", {0xFFFD, 0xFFFD}},
      {"\xF0\x9F\x98\x80", {0x1F600}},
      {"12 \xE2\x88\x92 \xE2\x84\x96\xD0\xAF\xE2\x9C\x82",
       {'1', '2', ' ', 0x2212, ' ', 0x2116, 0x42F, 0x2702}},
  };
  for (const auto& c : kCases) {
    std::vector<char32_t> codes;
    for (std::size_t at = 0; at < c.bytes.size();)
      codes.push_back(layout::NextCodePoint(c.bytes, at));
    EXPECT_EQ(codes, c.codes) << c.bytes;
    for (int f = 0; f < layout::kFaceCount; ++f) {
      const auto face = static_cast<layout::Face>(f);
      double sum = 0;
      for (const char32_t code : c.codes) sum += Advance(face, code);
      EXPECT_NEAR(SheetFontWidths().Width(face, c.bytes), sum, 1e-9) << c.bytes << " face " << f;
    }
  }
}

}  // namespace
}  // namespace mathsheets::pdf
