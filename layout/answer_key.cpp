#include <algorithm>
#include <string>

#include "layout/sheet_setter.h"

namespace mathsheets::layout {

Style SheetSetter::KeyStyle() const {
  Style style = body_;
  style.size = layout_.largePrint ? body_.size : body_.size * 0.85;
  style.lineSpacing = 1.3;
  return style;
}

std::vector<SheetSetter::KeyCell> SheetSetter::KeyCells(const sheet::Variant& variant) const {
  std::vector<KeyCell> cells;
  const Style style = KeyStyle();
  Style answer = style;
  answer.answer = true;
  int number = 0;
  int problems = 0;
  for (const sheet::Item& item : variant.items) {
    if (item.kind == sheet::ItemKind::Text) continue;
    KeyCell cell;
    const std::string label =
        item.kind == sheet::ItemKind::Exercise
            ? std::to_string(++number) + ")"
            : (item.taskNumber.empty() ? std::to_string(++problems) : item.taskNumber) + ".";
    type_.AddText(cell.label, label, Face::Regular, style.size, Ink::Text, true);
    if (!item.answer.pieces.empty())
      cell.answer = type_.Line(item.answer.pieces, answer, nullptr);
    else if (!item.solution.empty())
      cell.answer = type_.Line(item.solution.back().pieces, answer, nullptr);
    else
      type_.AddText(cell.answer, "—", Face::Regular, style.size, Ink::Faint, true);
    cells.push_back(std::move(cell));
  }
  return cells;
}

double SheetSetter::KeyCellWidth(const sheet::Variant& variant) const {
  double widest = 0;
  const double s = KeyStyle().size;
  for (const KeyCell& cell : KeyCells(variant))
    widest = std::max(widest, cell.label.width + 0.3 * s + cell.answer.width + 1.0 * s);
  return widest;
}

double SheetSetter::KeyLabelWidth() const {
  return type_.Width(Face::Bold, "Вариант 8888", KeyStyle().size) + 0.8 * KeyStyle().size;
}

std::vector<Block> SheetSetter::KeyRow(const sheet::Variant& variant, double cellWidth) const {
  const Style style = KeyStyle();
  const double s = style.size;
  const double labelWidth = KeyLabelWidth();
  const std::vector<KeyCell> cells = KeyCells(variant);
  const std::size_t perLine = std::max<std::size_t>(
      1, static_cast<std::size_t>((FullWidth() - labelWidth) / cellWidth));
  std::vector<Block> lines;
  Box title;
  type_.AddText(title, "Вариант " + variant.number, Face::Bold, s, Ink::Text, false);
  for (std::size_t start = 0; start < std::max<std::size_t>(cells.size(), 1); start += perLine) {
    Box line;
    line.ascent = kTextAscent * s;
    for (std::size_t k = start; k < std::min(cells.size(), start + perLine); ++k) {
      const double x = static_cast<double>(k - start) * cellWidth;
      line.Append(cells[k].label, x, 0);
      Box answer;
      answer.Append(cells[k].answer, 0, 0);
      const double room = cellWidth - cells[k].label.width - 1.3 * s;
      Block fitted;
      fitted.Put(answer, 0, 0);
      if (answer.width > room && answer.width > 0) fitted.Scale(room / answer.width);
      Box scaled;
      scaled.texts = fitted.texts;
      scaled.rules = fitted.rules;
      scaled.ascent = answer.ascent;
      scaled.descent = answer.descent;
      line.Append(scaled, x + cells[k].label.width + 0.3 * s, 0);
    }
    const auto [baseline, height] = Typesetter::LineMetrics(line, style);
    Block& row = lines.emplace_back();
    if (start == 0) row.Put(title, 0, baseline);
    row.Put(line, labelWidth, baseline);
    row.height = height;
  }
  Block& last = lines.back();
  last.rules.push_back({0, last.height, FullWidth(), last.height, 0.3, Ink::Faint, false});
  last.height += 0.15 * s;
  return lines;
}

}  // namespace mathsheets::layout
