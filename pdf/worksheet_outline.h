#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mathsheets::pdf {

// Lines that go on one page together. A lone line of prose may wrap at a blank; the lines of a
// multi-line exercise keep their columns, so they never wrap.
struct LineBlock {
  std::vector<std::string> lines;
  bool wrappable = false;
  // A word problem from its task line on: set a little apart from the problem before it.
  bool isProblem = false;
};

// One variant: its header line and its blocks in file order.
struct VariantSection {
  std::string header;
  std::vector<LineBlock> blocks;
};

// A worksheet file read back: the stamp line, anything standing before the first variant header
// (a run writes nothing there, but a hand-edited file may), and the variants.
struct WorksheetOutline {
  std::string stamp;
  std::vector<LineBlock> preamble;
  std::vector<VariantSection> variants;
};

// "Вариант 3" of the exercises or "Вариант № 3" of the word problems.
bool IsVariantHeader(std::string_view line);

// Groups the lines of a worksheet file (the stamp first) by what the text shows:
// - a word problem's block runs from its task line up to the next task line, or to the line
//   holding one blank that closes the variant, which it includes;
// - an exercise followed by a line holding one blank is kept with that line, back to the previous
//   such line or header but at most three lines (a three-line fraction, a two-line table);
// - three lines shaped as numerator, bar and denominator stay together even without that line;
// - every other line is a wrappable block of its own.
WorksheetOutline OutlineWorksheet(const std::vector<std::string>& lines);

}  // namespace mathsheets::pdf
