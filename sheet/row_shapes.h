#pragma once

#include <optional>
#include <string_view>

#include "sheet/worksheet_model.h"

namespace mathsheets::sheet {

// A line with at least two gaps of three blanks or more between its words: laid out in columns.
bool HasColumns(std::string_view line);

// One line of text as a row of pieces.
Row TextRow(std::string_view line);

// Three lines drawn as a numerator line, a bar line and a denominator line, read as one row: every
// run of "-" in the bar line with something above and below it is a fraction whose numerator and
// denominator are the texts over and under it; digits just before a bar are its whole part. Nothing
// when anything on the numerator or denominator line stands over no bar, or there is no bar.
std::optional<Row> ReadFractionRow(std::string_view numerators, std::string_view bars,
                                   std::string_view denominators);

// Whether two rows print the same, blanks aside.
bool SameMaths(const Row& a, const Row& b);

}  // namespace mathsheets::sheet
