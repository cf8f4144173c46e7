#pragma once

#include <string>
#include <string_view>

namespace mathsheets::layout {

// The text with every decimal point written as a comma, as Russian schools write decimals: a "."
// between two digits ("5.3" → "5,3"); any other "." stays.
std::string WithDecimalCommas(std::string_view text);

}  // namespace mathsheets::layout
