#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "layout/page_marks.h"

namespace mathsheets::layout {

// The widths every painter places glyphs by, made at build time from the font files of the faces
// (tools/font_widths.py): the same table in every front end, the browser's included, whatever
// fonts a machine has.
const TextMeasure& SheetFontWidths();

// One character's advance per point of size: its glyph's, or the face's .notdef's when the face
// has no glyph for it or it is not among ListedCodePoints.
double Advance(Face face, char32_t code);
bool HasGlyph(Face face, char32_t code);

// The code points the table and the page's fonts cover, as ascending inclusive ranges.
struct CodePointRange {
  char32_t first;
  char32_t last;
};
std::span<const CodePointRange> ListedCodePoints();

// The character at `at` in `utf8`, moving `at` past it. Each broken sequence (a stray or missing
// continuation byte, an overlong form, a surrogate, a value past U+10FFFF) gives one U+FFFD and
// ends where a browser's decoder ends it, so that every painter sees the same characters.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at);

}  // namespace mathsheets::layout
