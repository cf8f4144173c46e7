#include "pdf/worksheet_outline.h"

#include <algorithm>
#include <array>
#include <span>

namespace mathsheets::pdf {

namespace {

constexpr std::string_view kExerciseHeader = "Вариант ";
constexpr std::string_view kProblemHeader = "Вариант № ";
constexpr std::array<std::string_view, 2> kTaskWords = {"Задание ", "Завдання "};
// Closes a multi-line exercise, and a variant of word problems.
constexpr std::string_view kSeparator = " ";
// The tallest exercise that ends in a separator: a fraction's numerator, bar and denominator.
constexpr std::size_t kMostLinesBeforeSeparator = 3;

bool IsNumberedLine(std::string_view line, std::string_view word) {
  if (!line.starts_with(word) || line.size() == word.size()) return false;
  const std::string_view number = line.substr(word.size());
  return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsProblemHeader(std::string_view line) {
  return IsNumberedLine(line, kProblemHeader);
}

bool IsTaskLine(std::string_view line) {
  return std::any_of(kTaskWords.begin(), kTaskWords.end(),
                     [line](std::string_view word) { return IsNumberedLine(line, word); });
}

// A numerator or denominator line: numbers with blanks and the brackets and bars of the layout.
bool IsNumeralRow(std::string_view line) {
  return line.find_first_of("0123456789") != std::string_view::npos &&
         line.find_first_not_of("0123456789 |(),.") == std::string_view::npos;
}

// A bar line: hyphens between whole parts, operators and blanks, and no words.
bool IsBarRow(std::string_view line) {
  return line.find('-') != std::string_view::npos &&
         line.find_first_not_of("0123456789 -+=|():,.x*/") == std::string_view::npos;
}

std::vector<LineBlock> GroupExerciseLines(std::span<const std::string> lines) {
  // keepWithPrevious[i]: line i must stand on the page of line i - 1.
  std::vector<bool> keepWithPrevious(lines.size(), false);
  std::size_t afterSeparator = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == kSeparator) {
      const std::size_t first = std::max(
          afterSeparator, i > kMostLinesBeforeSeparator ? i - kMostLinesBeforeSeparator : 0);
      for (std::size_t j = first + 1; j <= i; ++j) keepWithPrevious[j] = true;
      afterSeparator = i + 1;
    }
    if (i + 2 < lines.size() && IsNumeralRow(lines[i]) && IsBarRow(lines[i + 1]) &&
        IsNumeralRow(lines[i + 2]))
      keepWithPrevious[i + 1] = keepWithPrevious[i + 2] = true;
  }
  std::vector<LineBlock> blocks;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 0 || !keepWithPrevious[i]) blocks.emplace_back();
    blocks.back().lines.push_back(lines[i]);
  }
  for (LineBlock& block : blocks) block.wrappable = block.lines.size() == 1;
  return blocks;
}

std::vector<LineBlock> GroupProblemLines(std::span<const std::string> lines) {
  std::vector<LineBlock> blocks;
  bool problemOpen = false;
  for (const std::string& line : lines) {
    if (IsTaskLine(line)) {
      blocks.push_back({{line}, false, true});
      problemOpen = true;
    } else if (problemOpen) {
      blocks.back().lines.push_back(line);
      problemOpen = line != kSeparator;
    } else {
      blocks.push_back({{line}, true});
    }
  }
  return blocks;
}

}  // namespace

bool IsVariantHeader(std::string_view line) {
  return IsNumberedLine(line, kExerciseHeader) || IsProblemHeader(line);
}

WorksheetOutline OutlineWorksheet(const std::vector<std::string>& lines) {
  WorksheetOutline outline;
  if (lines.empty()) return outline;
  outline.stamp = lines.front();
  const std::span<const std::string> rest = std::span(lines).subspan(1);
  const auto nextHeader = [&rest](std::size_t from) {
    return static_cast<std::size_t>(
        std::find_if(rest.begin() + static_cast<std::ptrdiff_t>(from), rest.end(),
                     [](const std::string& line) { return IsVariantHeader(line); }) -
        rest.begin());
  };
  std::size_t start = nextHeader(0);
  outline.preamble = GroupExerciseLines(rest.subspan(0, start));
  while (start < rest.size()) {
    const std::size_t end = nextHeader(start + 1);
    const std::span<const std::string> body = rest.subspan(start + 1, end - start - 1);
    outline.variants.push_back({rest[start], IsProblemHeader(rest[start])
                                                 ? GroupProblemLines(body)
                                                 : GroupExerciseLines(body)});
    start = end;
  }
  return outline;
}

}  // namespace mathsheets::pdf
