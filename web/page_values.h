#pragma once

// What crosses between the page and the core more than one part of the core's interface uses:
// texts, failures, the print layout and the bytes of a run's files.
#include <emscripten/val.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::web {

std::string Text(std::string_view text);

// The message box text of a failure, for the page to show, and {error: that text}.
std::string FailureText(const std::exception& e);
emscripten::val Failure(const std::exception& e);

// The page's layout object {perPage, columns, paper, large, key, title} and back. A title the
// layout cannot take is left out: the page names it before it asks for pages.
sheet::PrintLayout LayoutOf(const emscripten::val& layout);
emscripten::val LayoutValue(const sheet::PrintLayout& layout);

// The bytes of a Uint8Array.
std::string BytesOf(const emscripten::val& array);

// The lines of a worksheet file in UTF-8, without their CR LF.
std::vector<std::string> FileLines(std::string_view bytes);

// The pair of a run's files (Windows-1251 bytes) read into the model of the printed sheet.
sheet::Worksheet WorksheetOf(const emscripten::val& student, const emscripten::val& teacher);

}  // namespace mathsheets::web
