#include <algorithm>
#include <string_view>

#include "layout/sheet_setter.h"

namespace mathsheets::layout {

namespace {

constexpr double kHeaderScale = 1.2;

}  // namespace

Block SheetSetter::Header(const std::string& text, double width, bool nameLine) const {
  Block block;
  Style head = body_;
  head.size = body_.size * kHeaderScale;
  Box title;
  type_.AddText(title, text, Face::Bold, head.size, Ink::Text, false);
  const auto [baseline, height] = Typesetter::LineMetrics(title, head);
  block.Put(title, 0, baseline);
  block.height = height;
  if (nameLine) {
    const double s = body_.size;
    const double gap = 0.5 * s;
    const std::string_view words[] = {"Фамилия, имя", "Класс", "Дата"};
    const double least[] = {9 * s, 3.5 * s, 4.5 * s};
    double wordsWidth = 0;
    for (const std::string_view w : words) wordsWidth += type_.Width(Face::Regular, w, s) + gap;
    const double leastWidth = wordsWidth + least[0] + least[1] + least[2] + 2 * gap;
    double x = title.width + 1.5 * s;
    double lineBaseline = baseline;
    if (width - x < leastWidth) {
      x = 0;
      lineBaseline = block.height + Typesetter::LineMetrics(Box{}, body_).first;
      block.height += LineHeight();
    }
    // Longer blanks where there is room; shorter ones, down to half, on a narrow variant.
    const double extra = (width - x) - leastWidth;
    const double shrink =
        extra >= 0 ? 1 : std::max(0.5, 1 + extra / (least[0] + least[1] + least[2]));
    const double more = std::max(0.0, extra);
    const double rules[] = {least[0] * shrink + more * 0.6, least[1] * shrink + more * 0.15,
                            least[2] * shrink + more * 0.25};
    Box line;
    for (int i = 0; i < 3; ++i) {
      type_.AddText(line, words[i], Face::Regular, s, Ink::Text, false);
      line.width += gap;
      line.rules.push_back(
          {line.width, 0.25 * s, line.width + rules[i], 0.25 * s, kBlankLine, Ink::Text, false});
      line.width += rules[i] + (i < 2 ? gap : 0);
    }
    if (x + line.width > width) {
      Block fitted;
      fitted.Put(line, 0, lineBaseline);
      fitted.Scale((width - x) / line.width);
      block.Put(fitted, x, 0);
    } else {
      block.Put(line, x, lineBaseline);
    }
  }
  block.height += 0.25 * LineHeight();
  return block;
}

// The title's words in lines no wider than `width`, each line centred; a word wider than the
// whole width alone on a line set smaller.
std::optional<Block> SheetSetter::Title(double width) const {
  if (layout_.title.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  Style head = body_;
  head.size = body_.size * kHeaderScale;
  const double space = type_.Width(Face::Bold, " ", head.size);
  std::vector<Box> lines(1);
  std::string_view rest = layout_.title;
  while (!rest.empty()) {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    const std::string_view word = rest.substr(0, rest.find(' '));
    rest.remove_prefix(word.size());
    Box box;
    type_.AddText(box, word, Face::Bold, head.size, Ink::Text, false);
    Box& line = lines.back();
    const double x = line.width > 0 ? line.width + space : 0;
    if (line.width > 0 && x + box.width > width)
      lines.emplace_back().Append(box, 0, 0);
    else
      line.Append(box, x, 0);
  }
  Block block;
  for (const Box& line : lines) {
    const auto [baseline, height] = Typesetter::LineMetrics(line, head);
    Block one;
    one.Put(line, 0, baseline);
    one.height = height;
    if (one.width > width) one.Scale(width / one.width);
    block.Put(one, (width - one.width) / 2, block.height);
  }
  block.width = width;
  return block;
}

}  // namespace mathsheets::layout
