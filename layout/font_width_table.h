#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "layout/font_widths.h"

// The table tools/font_widths.py writes into the build tree; only font_widths.cpp reads it.
namespace mathsheets::layout::font_table {

struct GlyphWidth {
  char32_t code;
  std::uint16_t units;  // the advance, in the face's design units
};

struct FaceWidths {
  int unitsPerEm;
  std::uint16_t notdefUnits;
  std::span<const GlyphWidth> glyphs;  // ascending by code point, only those the face has
};

extern const std::array<FaceWidths, kFaceCount> kFaces;
extern const std::span<const CodePointRange> kListed;

}  // namespace mathsheets::layout::font_table
