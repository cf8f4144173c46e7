#!/usr/bin/env python3
"""Writes the C++ table of the advance widths of the sheet's faces (layout/font_width_table.h),
read from the font files with fontTools: for every listed code point the face has a glyph for, its
advance in design units; and each face's units per em and the advance of its .notdef, which every
other character gets. The same files always give the same bytes."""
import argparse
import pathlib

import sheet_fonts

_PER_LINE = 6


def face_rows(path):
    from fontTools.ttLib import TTFont

    font = TTFont(path, lazy=True)
    metrics = font["hmtx"]
    cmap = font.getBestCmap()
    units_per_em = font["head"].unitsPerEm
    notdef = metrics[font.getGlyphOrder()[0]][0]
    glyphs = [(code, metrics[cmap[code]][0]) for code in sheet_fonts.code_points() if code in cmap]
    return units_per_em, notdef, glyphs


def table_source():
    lines = [
        "// Written by tools/font_widths.py from the font files named below; do not edit.",
        '#include "layout/font_width_table.h"',
        "",
        "namespace mathsheets::layout::font_table {",
        "namespace {",
        "",
    ]
    rows = []
    for face in sheet_fonts.FACES:
        units_per_em, notdef, glyphs = face_rows(face.file)
        lines.append(f"// {face.file}")
        lines.append(f"constexpr GlyphWidth k{face.name}[] = {{")
        for start in range(0, len(glyphs), _PER_LINE):
            cells = ", ".join(f"{{0x{code:04X}, {units}}}" for code, units in glyphs[start:start + _PER_LINE])
            lines.append(f"    {cells},")
        lines.append("};")
        lines.append("")
        rows.append(f'    {{{units_per_em}, {notdef}, k{face.name}}},')
    lines.append("constexpr CodePointRange kRanges[] = {")
    lines.extend(f"    {{0x{first:04X}, 0x{last:04X}}}," for first, last in sheet_fonts.CODE_POINT_RANGES)
    lines.append("};")
    lines.append("")
    lines.append("}  // namespace")
    lines.append("")
    lines.append("// In the order of Face.")
    lines.append("const std::array<FaceWidths, kFaceCount> kFaces = {{")
    lines.extend(rows)
    lines.append("}};")
    lines.append("const std::span<const CodePointRange> kListed = kRanges;")
    lines.append("")
    lines.append("}  // namespace mathsheets::layout::font_table")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", required=True, help="the C++ source to write")
    args = parser.parse_args()
    sheet_fonts.require("fontTools")
    pathlib.Path(args.out).write_text(table_source(), encoding="utf-8")


if __name__ == "__main__":
    main()
