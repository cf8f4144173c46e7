#include "layout/font_widths.h"

#include <algorithm>
#include <bitset>
#include <cstdint>

#include "layout/font_width_table.h"

namespace mathsheets::layout {

namespace {

using font_table::GlyphWidth;

constexpr char32_t kReplacement = 0xFFFD;

// Latin, Greek and Cyrillic straight from an array: the text of a class set is measured many
// times over, and nearly all of it is below here.
constexpr char32_t kDense = 0x500;

struct FaceTable {
  std::array<std::uint16_t, kDense> units{};  // the .notdef's where the face has no glyph
  std::bitset<kDense> has;
  std::span<const GlyphWidth> above;  // the glyphs from kDense up
  std::uint16_t notdef = 0;
  double unitsPerEm = 1;
};

const std::array<FaceTable, kFaceCount>& Tables() {
  static const std::array<FaceTable, kFaceCount> tables = [] {
    std::array<FaceTable, kFaceCount> made;
    for (std::size_t f = 0; f < kFaceCount; ++f) {
      const font_table::FaceWidths& face = font_table::kFaces[f];
      FaceTable& table = made[f];
      table.notdef = face.notdefUnits;
      table.unitsPerEm = face.unitsPerEm;
      table.units.fill(face.notdefUnits);
      // The browser build's standard library has no ranges algorithms yet.
      const auto dense =
          std::partition_point(face.glyphs.begin(), face.glyphs.end(),
                               [](const GlyphWidth& glyph) { return glyph.code < kDense; });
      for (auto glyph = face.glyphs.begin(); glyph != dense; ++glyph) {
        table.units[glyph->code] = glyph->units;
        table.has.set(glyph->code);
      }
      table.above = {dense, face.glyphs.end()};
    }
    return made;
  }();
  return tables;
}

const FaceTable& TableOf(Face face) {
  return Tables()[static_cast<std::size_t>(face)];
}

const GlyphWidth* FindAbove(const FaceTable& table, char32_t code) {
  const auto glyph = std::lower_bound(
      table.above.begin(), table.above.end(), code,
      [](const GlyphWidth& entry, char32_t wanted) { return entry.code < wanted; });
  return glyph != table.above.end() && glyph->code == code ? &*glyph : nullptr;
}

std::uint16_t UnitsOf(const FaceTable& table, char32_t code) {
  if (code < kDense) return table.units[code];
  const GlyphWidth* glyph = FindAbove(table, code);
  return glyph != nullptr ? glyph->units : table.notdef;
}

class TableMeasure final : public TextMeasure {
 public:
  double Width(Face face, std::string_view utf8) const override {
    const FaceTable& table = TableOf(face);
    // Whole design units added up, divided once: the width of a text does not depend on how it
    // is cut into pieces.
    std::uint64_t units = 0;
    for (std::size_t at = 0; at < utf8.size();) {
      const auto byte = static_cast<unsigned char>(utf8[at]);
      if (byte < 0x80) {
        units += table.units[byte];
        ++at;
      } else {
        units += UnitsOf(table, NextCodePoint(utf8, at));
      }
    }
    return static_cast<double>(units) / table.unitsPerEm;
  }
};

}  // namespace

const TextMeasure& SheetFontWidths() {
  static const TableMeasure measure;
  return measure;
}

double Advance(Face face, char32_t code) {
  const FaceTable& table = TableOf(face);
  return UnitsOf(table, code) / table.unitsPerEm;
}

bool HasGlyph(Face face, char32_t code) {
  const FaceTable& table = TableOf(face);
  return code < kDense ? table.has.test(code) : FindAbove(table, code) != nullptr;
}

std::span<const CodePointRange> ListedCodePoints() {
  return font_table::kListed;
}

char32_t NextCodePoint(std::string_view utf8, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(utf8[at++]);
  if (lead < 0x80) return lead;
  // The ranges of the first continuation byte exclude overlong forms, surrogates and values past
  // U+10FFFF; a byte outside them is not taken, it starts the next character.
  int needed = 0;
  char32_t code = 0;
  unsigned char lower = 0x80;
  unsigned char upper = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    needed = 1;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    needed = 2;
    code = lead & 0x0Fu;
    if (lead == 0xE0) lower = 0xA0;
    if (lead == 0xED) upper = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    needed = 3;
    code = lead & 0x07u;
    if (lead == 0xF0) lower = 0x90;
    if (lead == 0xF4) upper = 0x8F;
  } else {
    return kReplacement;
  }
  for (; needed > 0; --needed) {
    if (at == utf8.size()) return kReplacement;
    const auto next = static_cast<unsigned char>(utf8[at]);
    if (next < lower || next > upper) return kReplacement;
    lower = 0x80;
    upper = 0xBF;
    code = (code << 6) | (next & 0x3Fu);
    ++at;
  }
  return code;
}

}  // namespace mathsheets::layout
