#include "layout/decimal_commas.h"

namespace mathsheets::layout {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string WithDecimalCommas(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 1; i + 1 < result.size(); ++i)
    if (result[i] == '.' && IsDigit(result[i - 1]) && IsDigit(result[i + 1])) result[i] = ',';
  return result;
}

}  // namespace mathsheets::layout
