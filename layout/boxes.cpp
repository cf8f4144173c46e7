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

std::vector<Block> CutToHeight(const Block& block, double height) {
  // Where marks stand, top to bottom: a text from the top of its capitals to its descenders.
  const auto topOf = [](const TextOp& t) { return t.y - 0.8 * t.size; };
  const auto ruleTop = [](const RuleOp& r) { return std::min(r.y1, r.y2) - r.width; };
  std::vector<std::pair<double, double>> taken;
  for (const TextOp& t : block.texts) taken.push_back({topOf(t), t.y + 0.25 * t.size});
  for (const RuleOp& r : block.rules) taken.push_back({ruleTop(r), std::max(r.y1, r.y2) + r.width});
  // A cut at y is free when no mark spans it.
  const auto free = [&taken](double y) {
    return std::none_of(taken.begin(), taken.end(),
                        [y](const auto& span) { return span.first < y && y < span.second; });
  };
  // The marks whose tops lie from `from` to `to`, moved up by `from`.
  const auto slice = [&](double from, double to) {
    // The first piece takes what stands above the block's top too, the last what is below it.
    const auto inside = [from, to, &block](double top) {
      return (from <= 0 || top >= from - 1e-6) && (to > block.height || top < to);
    };
    Block piece;
    piece.width = block.width;
    piece.height = std::min(to, block.height) - from;
    for (const TextOp& t : block.texts)
      if (inside(topOf(t))) piece.texts.push_back({t.x, t.y - from, t.size, t.face, t.ink, t.text});
    for (const RuleOp& r : block.rules)
      if (inside(ruleTop(r)))
        piece.rules.push_back({r.x1, r.y1 - from, r.x2, r.y2 - from, r.width, r.ink, r.dashed});
    for (const BlankOp& b : block.blanks)
      if (inside(b.y - b.size)) {
        piece.blanks.push_back(b);
        piece.blanks.back().y -= from;
      }
    return piece;
  };
  std::vector<Block> pieces;
  double start = 0;
  while (block.height - start > height) {
    double cut = free(start + height) ? start + height : start;
    for (const auto& [top, bottom] : taken)
      if (bottom > cut && bottom <= start + height && free(bottom)) cut = bottom;
    if (cut <= start + 1e-6) break;
    pieces.push_back(slice(start, cut));
    start = cut;
  }
  // The rest: what fits, or all of it set smaller when nothing could be cut.
  Block rest = slice(start, block.height + 1);
  if (rest.height > height) rest.Scale(height / rest.height);
  pieces.push_back(std::move(rest));
  return pieces;
}

}  // namespace mathsheets::layout
