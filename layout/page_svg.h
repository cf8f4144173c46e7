#pragma once

#include <string>

#include "layout/page_marks.h"

namespace mathsheets::layout {

// The font family of a face in a page that embeds the sheet's fonts: one family a face.
std::string_view FontFamilyOf(Face face);

// One page as an SVG element of `size` points, its marks where the layout put them: texts in the
// sheet's faces (set as they are, blanks kept), rules and dashed cut lines. Every text is escaped.
// A page drawn from it in the browser, printed at its paper size, matches the PDF's page.
std::string PageSvg(const PageOps& page, PageSize size);

}  // namespace mathsheets::layout
