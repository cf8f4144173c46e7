#include "layout/boxes.h"

#include <algorithm>

namespace mathsheets::layout {

namespace {

// Marks of `from` appended to `to`, moved by (dx, dy).
template <class From, class To>
void AppendMoved(const From& from, To& to, double dx, double dy) {
  for (const TextOp& t : from.texts) {
    to.texts.push_back(t);
    to.texts.back().x += dx;
    to.texts.back().y += dy;
  }
  for (const RuleOp& r : from.rules) {
    to.rules.push_back(r);
    to.rules.back().x1 += dx;
    to.rules.back().x2 += dx;
    to.rules.back().y1 += dy;
    to.rules.back().y2 += dy;
  }
  for (const BlankOp& b : from.blanks) {
    to.blanks.push_back(b);
    to.blanks.back().x += dx;
    to.blanks.back().y += dy;
  }
}

}  // namespace

void Box::Append(const Box& other, double dx, double dy) {
  AppendMoved(other, *this, dx, dy);
  ascent = std::max(ascent, other.ascent - dy);
  descent = std::max(descent, other.descent + dy);
  width = std::max(width, dx + other.width);
}

void Block::Put(const Box& box, double x, double baseline) {
  AppendMoved(box, *this, x, baseline);
  width = std::max(width, x + box.width);
}

void Block::Put(const Block& block, double x, double y) {
  AppendMoved(block, *this, x, y);
  width = std::max(width, x + block.width);
  height = std::max(height, y + block.height);
}

void Block::Scale(double factor) {
  for (TextOp& t : texts) {
    t.x *= factor;
    t.y *= factor;
    t.size *= factor;
  }
  for (RuleOp& r : rules) {
    r.x1 *= factor;
    r.x2 *= factor;
    r.y1 *= factor;
    r.y2 *= factor;
    r.width *= factor;
  }
  for (BlankOp& b : blanks) {
    b.x *= factor;
    b.y *= factor;
    b.width *= factor;
    b.size *= factor;
  }
  width *= factor;
  height *= factor;
}

void MoveInto(PageOps& page, const Block& block, double x, double y) {
  AppendMoved(block, page, x, y);
}

}  // namespace mathsheets::layout
