#include <algorithm>
#include <string>

#include "layout/sheet_setter.h"

namespace mathsheets::layout {

using sheet::Piece;
using sheet::PieceKind;
using sheet::Row;

namespace {

std::string RowText(const Row& row) {
  std::string text;
  for (const Piece& p : row.pieces) text += p.text;
  return text;
}

}  // namespace

Block SheetSetter::Problem(const sheet::Item& item, int index, int number, double width) const {
  Block block;
  const std::string title =
      "Задание " + (item.taskNumber.empty() ? std::to_string(number) : item.taskNumber);
  Box titleBox;
  type_.AddText(titleBox, title, Face::Bold, body_.size, Ink::Text, false);
  const auto [titleBaseline, titleHeight] = Typesetter::LineMetrics(titleBox, body_);
  block.Put(titleBox, 0, titleBaseline);
  block.height = titleHeight;
  std::vector<Piece> words;
  for (const Row& row : item.task) {
    if (!words.empty()) words.push_back({PieceKind::Space, " ", {}});
    words.insert(words.end(), row.pieces.begin(), row.pieces.end());
  }
  // A word problem is prose: its one-letter words upright, a hyphen between blanks a dash.
  for (Piece& piece : words)
    if (piece.kind == PieceKind::Letter) piece.kind = PieceKind::Text;
  for (std::size_t i = 1; i + 1 < words.size(); ++i) {
    if (words[i].kind == PieceKind::Operator && words[i].text == "-" &&
        words[i - 1].kind == PieceKind::Space && words[i + 1].kind == PieceKind::Space)
      words[i] = {PieceKind::Text, "–", {}};
  }
  for (const Box& line : type_.Paragraph(words, body_, width)) {
    const Block one = Fitted(line, body_, width);
    block.Put(one, 0, block.height);
    block.height += one.height;
  }
  for (const Row& row : item.solution) {
    Style answer = body_;
    answer.answer = true;
    const Block one = Fitted(type_.Line(row.pieces, answer, nullptr), body_, width);
    if (teacher_) block.Put(one, 0, block.height);
    block.height += one.height;
  }
  // Room to work: ruled lines, then the answer line.
  const double ruled = 1.5 * LineHeight();
  for (int i = 0; i < 3; ++i) {
    block.height += ruled;
    block.rules.push_back({0, block.height, width, block.height, 0.4, Ink::Faint, false});
  }
  const std::optional<Box> answer = AnswerBox(item, body_);
  Box line;
  type_.AddText(line, "Ответ:", Face::Regular, body_.size, Ink::Text, false);
  const Typesetter::Slot slot{
      answer ? &*answer : nullptr,
      std::min(width - line.width - body_.size,
               Typesetter::SlotWidth(answer ? &*answer : nullptr, body_.size, 10)),
      teacher_, index, item.taskNumber.empty() ? std::to_string(number) : item.taskNumber};
  type_.AddSlot(line, slot, body_);
  const Block one = Fitted(line, body_, width);
  block.Put(one, 0, block.height + 0.3 * LineHeight());
  block.height += 0.3 * LineHeight() + one.height + 0.4 * LineHeight();
  return block;
}

// One line in a block of its height, set smaller when it is wider than `width` (a word longer
// than a line, an answer longer than its blank).
Block SheetSetter::Fitted(const Box& line, const Style& style, double width) const {
  const auto [baseline, height] = Typesetter::LineMetrics(line, style);
  Block one;
  one.Put(line, 0, baseline);
  one.height = height;
  if (one.width > width) one.Scale(width / one.width);
  return one;
}

// An item set as it stands: its rows, wrapped at blanks when they are prose, set smaller when
// they are maths too wide for the page.
Block SheetSetter::TextItem(const sheet::Item& item, double width) const {
  Block block;
  auto add = [&](const Row& row, bool answerStyle, bool paint) {
    Style style = body_;
    style.mono = row.columns;
    style.answer = answerStyle;
    const Box whole = type_.Line(row.pieces, style, nullptr);
    std::vector<Box> lines;
    if (whole.width > width && !row.columns && !HasFraction(row))
      lines = type_.Paragraph(row.pieces, style, width);
    else
      lines.push_back(whole);
    for (const Box& line : lines) {
      const Block one = Fitted(line, style, width);
      if (paint) block.Put(one, 0, block.height);
      block.height += one.height;
    }
  };
  for (const Row& row : item.task) {
    if (RowText(row).find_first_not_of(' ') == std::string::npos && !HasFraction(row)) continue;
    add(row, false, true);
  }
  for (const Row& row : item.solution) add(row, true, teacher_);
  return block;
}

}  // namespace mathsheets::layout
