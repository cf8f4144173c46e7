#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/worksheet_outline.h"

namespace mathsheets::pdf {

// Sizes of a fixed-pitch font for one point of font size, in points.
struct FontMeasure {
  double advance = 0;      // the width of every character
  double lineSpacing = 0;  // from one baseline to the next
  double ascent = 0;       // from the top of a line down to its baseline
};

// The part of a page that holds the worksheet's lines, in points.
struct TextArea {
  double width = 0;
  double height = 0;
};

enum class RowStyle { VariantHeader, Body };

// One printed line, its baseline `baseline` points below the top of the text area.
struct PlacedRow {
  std::string text;
  RowStyle style = RowStyle::Body;
  double fontSize = 0;
  double baseline = 0;
};

using PlannedPage = std::vector<PlacedRow>;

struct PagePlan {
  double bodyFontSize = 0;
  std::vector<PlannedPage> pages;  // never empty: a file without lines still gets its page
};

inline constexpr double kLargestFontSize = 14;
inline constexpr double kSmallestFontSize = 8;

// Characters, not bytes, of a UTF-8 text: with a fixed-pitch font this is its width.
std::size_t CharacterCount(std::string_view utf8);

// The largest size up to 14 pt, in tenths of a point, at which `columns` characters of `advance`
// points per point of size fit `width`; never below 8 pt.
double BodyFontSize(std::size_t columns, double width, double advance);

// The line in pieces of at most `columns` characters, broken at blanks (a blank at a break is
// dropped); a word longer than a whole piece is cut, since nothing may run off the page.
std::vector<std::string> WrapAtBlanks(std::string_view line, std::size_t columns);

// Every variant starts a page with its header set larger and bold; a block goes to the next page
// when it does not fit the rest of this one, and is split only when it is taller than a page.
// A block line wider than the area at 8 pt is set smaller rather than wrapped or cut.
PagePlan PlanPages(const WorksheetOutline& outline, TextArea area, const FontMeasure& regular,
                   const FontMeasure& bold);

}  // namespace mathsheets::pdf
