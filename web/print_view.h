#pragma once

#include <string>

#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::web {

// The printed sheet of a worksheet as HTML for the page's print view: every variant under
// "Вариант N", the name line on the student's sheet, the exercises numbered "1)", a blank where
// the answer goes (the answer itself on the teacher's sheet), fractions as MathML, "·" for the
// times sign, "−" for minus, letters in italic, and on the teacher's sheet the "Ответы" grid when
// the layout asks for it. Every text of the files is escaped.
std::string PrintViewHtml(const sheet::Worksheet& sheet, bool teacher,
                          const sheet::PrintLayout& layout);

}  // namespace mathsheets::web
