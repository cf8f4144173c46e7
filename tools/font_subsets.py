#!/usr/bin/env python3
"""Writes the page's fonts as CSS: one @font-face rule a face of the sheet, its family the page's
name for the face, its font the face subset to the code points of the width table, in WOFF2,
inline as a data: URL. The subsets keep no layout features and no hinting: the layout places glyphs
by their advances alone. They are renamed after their family, since a changed font may not carry
its original name, and keep their copyright and licence. The same files always give the same
bytes."""
import argparse
import base64
import io
import pathlib

import sheet_fonts

# The name records a subset keeps: copyright, style, trademark, manufacturer, licence and its
# address. Those that name the font are written anew.
_KEPT_NAMES = [0, 2, 7, 8, 13, 14]
_RENAMED = [1, 3, 4, 6]


def subset(face):
    from fontTools import subset as subsetter
    from fontTools.ttLib import TTFont

    options = subsetter.Options()
    options.layout_features = []
    options.hinting = False
    options.name_IDs = _KEPT_NAMES + _RENAMED
    # Kerning and shaping a browser would apply on its own, and the hinting table left behind.
    options.drop_tables += ["kern", "GSUB", "GPOS", "GDEF", "JSTF", "MATH", "FFTM", "gasp"]
    options.flavor = "woff2"
    font = TTFont(face.file, recalcTimestamp=False)
    engine = subsetter.Subsetter(options)
    engine.populate(unicodes=sheet_fonts.code_points())
    engine.subset(font)
    names = font["name"]
    for record in list(names.names):
        if record.nameID in _RENAMED or record.nameID in (16, 17):
            names.removeNames(nameID=record.nameID)
    for name_id in _RENAMED:
        names.setName(face.family, name_id, 3, 1, 0x409)
    font.flavor = "woff2"
    data = io.BytesIO()
    font.save(data, reorderTables=False)
    return data.getvalue()


def css():
    rules = []
    for face in sheet_fonts.FACES:
        data = base64.b64encode(subset(face)).decode("ascii")
        source = pathlib.Path(face.file).name
        rules.append(f"/* {face.family}: {source} of {face.package}, subset; its copyright and licence are "
                     f"in its name table */\n"
                     f"@font-face {{ font-family: \"{face.family}\"; font-weight: normal; "
                     f"font-style: normal; src: url(data:font/woff2;base64,{data}) format(\"woff2\"); }}\n")
    return "".join(rules)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", required=True, help="the CSS file to write")
    args = parser.parse_args()
    sheet_fonts.require("fontTools", "brotli")
    pathlib.Path(args.out).write_text(css(), encoding="ascii")


if __name__ == "__main__":
    main()
