#!/usr/bin/env python3
"""The faces a printed sheet is set in and the code points every front end gets of them: the one
list that the width table of the layout (font_widths.py) and the page's fonts (font_subsets.py)
are both made from.

Run as a program it checks that the font files and the named Python modules are there, and prints
the font files, separated by ";" for CMake; when something is missing it names the Debian package
to install and fails."""
import importlib
import sys
from typing import NamedTuple


class SheetFace(NamedTuple):
    name: str     # the enumerator of layout::Face
    family: str   # the family of its @font-face rule on the page, as layout/page_svg.cpp names it
    file: str
    package: str  # the Debian package that installs `file`


_PARATYPE = "/usr/share/fonts/truetype/paratype/"
_DEJAVU = "/usr/share/fonts/truetype/dejavu/"

# In the order of layout::Face.
FACES = [
    SheetFace("Regular", "ms-regular", _PARATYPE + "PTS55F.ttf", "fonts-paratype"),
    SheetFace("Bold", "ms-bold", _PARATYPE + "PTS75F.ttf", "fonts-paratype"),
    SheetFace("Italic", "ms-italic", _PARATYPE + "PTS56F.ttf", "fonts-paratype"),
    SheetFace("BoldItalic", "ms-bolditalic", _PARATYPE + "PTS76F.ttf", "fonts-paratype"),
    SheetFace("Mono", "ms-mono", _DEJAVU + "DejaVuSansMono.ttf", "fonts-dejavu-core"),
    SheetFace("MonoBold", "ms-monobold", _DEJAVU + "DejaVuSansMono-Bold.ttf", "fonts-dejavu-core"),
    SheetFace("Symbol", "ms-symbol", _DEJAVU + "DejaVuSans.ttf", "fonts-dejavu-core"),
]

# Inclusive ranges: Latin with its punctuation, Cyrillic, dashes and quotes, "№", arrows, the maths
# operators ("−" is U+2212), geometric shapes and dingbats ("✂" is U+2702). A face gets those it
# has a glyph for; any other character is as wide as the face's .notdef.
CODE_POINT_RANGES = [
    (0x0020, 0x007E),
    (0x00A0, 0x00FF),
    (0x0400, 0x045F),
    (0x2010, 0x2030),
    (0x2116, 0x2116),
    (0x2190, 0x21FF),
    (0x2200, 0x22FF),
    (0x25A0, 0x25FF),
    (0x2700, 0x27BF),
]

# The Debian package of each Python module the tools import.
_MODULE_PACKAGES = {"fontTools": "python3-fonttools", "brotli": "python3-brotli"}


def code_points():
    return [c for first, last in CODE_POINT_RANGES for c in range(first, last + 1)]


def require(*modules):
    """Fails, naming the Debian packages to install, unless the modules import and every font
    file is there."""
    missing = []  # (what, package)
    for module in modules:
        try:
            importlib.import_module(module)
        except ImportError:
            missing.append((f"the Python module {module}", _MODULE_PACKAGES[module]))
    for face in FACES:
        try:
            with open(face.file, "rb"):
                pass
        except OSError:
            missing.append((f"the font file {face.file}", face.package))
    if missing:
        sys.exit("The sheet's fonts are read from their files at build time, and these are missing:\n"
                 + "".join(f"  {what}, from the Debian package {package}\n" for what, package in missing)
                 + "Install them: apt-get install " + " ".join(sorted({p for _, p in missing})))

if __name__ == "__main__":
    require(*sys.argv[1:])
    print(";".join(face.file for face in FACES))
