#pragma once

#include <vector>

#include "layout/page_marks.h"

namespace mathsheets::layout {

// A piece of a line: marks around its baseline, x from its left edge, y down from the baseline.
struct Box {
  double width = 0;
  double ascent = 0;
  double descent = 0;
  std::vector<TextOp> texts;
  std::vector<RuleOp> rules;
  std::vector<BlankOp> blanks;

  void Append(const Box& other, double dx, double dy);
};

// Marks in a rectangle: x and y from its top left corner.
struct Block {
  double width = 0;
  double height = 0;
  std::vector<TextOp> texts;
  std::vector<RuleOp> rules;
  std::vector<BlankOp> blanks;

  void Put(const Box& box, double x, double baseline);
  void Put(const Block& block, double x, double y);
  // Everything smaller by `factor`, for a line too wide for its place.
  void Scale(double factor);
};

void MoveInto(PageOps& page, const Block& block, double x, double y);

// A block too tall for a page in pieces of at most `height`, cut where no text or rule is; where
// no such cut is, the rest is set smaller to fit.
std::vector<Block> CutToHeight(const Block& block, double height);

}  // namespace mathsheets::layout
