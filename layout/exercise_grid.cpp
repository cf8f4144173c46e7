#include "layout/exercise_grid.h"

#include <algorithm>

namespace mathsheets::layout {

using sheet::Piece;
using sheet::PieceKind;
using sheet::Row;

namespace {

bool HasAnswerPiece(const Row& row) {
  return std::any_of(row.pieces.begin(), row.pieces.end(),
                     [](const Piece& p) { return p.kind == PieceKind::Answer; });
}

// Exercises of one class take the same height: their count of rows, and whether one of them
// holds a fraction.
std::pair<std::size_t, bool> HeightClass(const sheet::Item& item) {
  return {item.task.size() + item.solution.size(),
          std::any_of(item.task.begin(), item.task.end(), HasFraction) || HasFraction(item.answer)};
}

double WidestOf(const std::vector<Block>& cells) {
  double widest = 0;
  for (const Block& cell : cells) widest = std::max(widest, cell.width);
  return widest;
}

}  // namespace

std::optional<Box> SheetSetter::AnswerBox(const sheet::Item& item, const Style& style) const {
  if (item.answer.pieces.empty()) return std::nullopt;
  Style answer = style;
  answer.answer = true;
  answer.mono = false;
  return type_.Line(item.answer.pieces, answer, nullptr);
}

// The rows of an item's task, the blank in the last one (or where its Answer piece is), then its
// solution rows: painted on the teacher's sheet, room to work on the pupil's.
Block SheetSetter::TaskRows(const sheet::Item& item, int index, const std::string& label,
                            const Style& style, double least) const {
  Block block;
  const std::optional<Box> answer = AnswerBox(item, style);
  const Typesetter::Slot slot{
      answer ? &*answer : nullptr,
      Typesetter::SlotWidth(answer ? &*answer : nullptr, style.size, least), teacher_, index,
      label};
  const bool anyAnswerPiece = std::any_of(item.task.begin(), item.task.end(), HasAnswerPiece);
  for (std::size_t r = 0; r < item.task.size(); ++r) {
    Style rowStyle = style;
    rowStyle.mono = item.task[r].columns;
    Box box = type_.Line(item.task[r].pieces, rowStyle, &slot);
    if (!anyAnswerPiece && answer && r + 1 == item.task.size()) type_.AddSlot(box, slot, style);
    const auto [baseline, height] = Typesetter::LineMetrics(box, style);
    block.Put(box, 0, block.height + baseline);
    block.height += height;
  }
  for (const Row& row : item.solution) {
    Style rowStyle = style;
    rowStyle.answer = true;
    rowStyle.mono = row.columns;
    const Box box = type_.Line(row.pieces, rowStyle, nullptr);
    const auto [baseline, height] = Typesetter::LineMetrics(box, style);
    if (teacher_) block.Put(box, 0, block.height + baseline);
    block.width = std::max(block.width, box.width);
    block.height += height;
  }
  return block;
}

Block SheetSetter::ExerciseCell(const sheet::Item& item, int index, int number, double labelWidth,
                                const Style& style) const {
  Block cell;
  const Block rows = TaskRows(item, index, std::to_string(number), style, 4.5);
  Box label;
  type_.AddText(label, std::to_string(number) + ")", TextFace(style, false), style.size, Ink::Text,
                true);
  const Box firstLine = item.task.empty() ? Box{} : type_.Line(item.task[0].pieces, style, nullptr);
  const double firstBaseline = Typesetter::LineMetrics(firstLine, style).first;
  cell.Put(label, labelWidth - label.width - 0.35 * style.size, firstBaseline);
  cell.Put(rows, labelWidth, 0);
  return cell;
}

int SheetSetter::ColumnsFor(double widest, double width) const {
  switch (layout_.columns) {
    case sheet::ExerciseColumns::One:
      return 1;
    case sheet::ExerciseColumns::Two:
      return 2;
    case sheet::ExerciseColumns::Three:
      return 3;
    case sheet::ExerciseColumns::Auto:
      break;
  }
  const double gap = ColumnGap();
  for (int columns = 3; columns > 1; --columns)
    if (widest * columns + gap * (columns - 1) <= width) return columns;
  return 1;
}

std::vector<Block> SheetSetter::GridCells(const sheet::Variant& variant, const GridRun& run,
                                          int number, double& labelWidth) const {
  Box label;
  type_.AddText(label, std::to_string(number + static_cast<int>(run.count)) + ")", Face::Regular,
                body_.size, Ink::Text, true);
  labelWidth = label.width + 0.35 * body_.size;
  std::vector<Block> cells;
  for (std::size_t k = run.first; k < run.first + run.count; ++k)
    cells.push_back(ExerciseCell(variant.items[k], static_cast<int>(k), ++number, labelWidth, body_));
  return cells;
}

std::vector<GridRun> SheetSetter::RunsOf(const sheet::Variant& variant) {
  std::vector<GridRun> runs;
  const auto& items = variant.items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind != sheet::ItemKind::Exercise) continue;
    // Exercises of another height start a grid of their own, so that rows stay even.
    const bool joins = !runs.empty() && runs.back().first + runs.back().count == i &&
                       HeightClass(items[i - 1]) == HeightClass(items[i]);
    if (joins)
      ++runs.back().count;
    else
      runs.push_back({i, 1, 1});
  }
  return runs;
}

std::vector<GridRun> SheetSetter::GridRuns(const sheet::Variant& variant, double width) const {
  std::vector<GridRun> runs = RunsOf(variant);
  int number = 0;
  for (GridRun& run : runs) {
    double labelWidth = 0;
    run.columns = ColumnsFor(WidestOf(GridCells(variant, run, number, labelWidth)), width);
    number += static_cast<int>(run.count);
  }
  return runs;
}

// A run of exercises in columns, numbered down each column: a band a row of the grid.
void SheetSetter::Grid(const sheet::Variant& variant, const GridRun& run, int& number,
                       double width, std::vector<Block>& bands) const {
  if (run.count == 0) return;
  double labelWidth = 0;
  std::vector<Block> cells = GridCells(variant, run, number, labelWidth);
  number += static_cast<int>(run.count);
  const int columns = ColumnsFor(WidestOf(cells), width);
  const double gap = ColumnGap();
  const double columnWidth = (width - gap * (columns - 1)) / columns;
  const std::size_t rows =
      (cells.size() + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns);
  for (std::size_t r = 0; r < rows; ++r) {
    Block band;
    for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c) {
      const std::size_t k = c * rows + r;
      if (k >= cells.size()) break;
      Block& cell = cells[k];
      if (cell.width > columnWidth) cell.Scale(columnWidth / cell.width);
      band.Put(cell, static_cast<double>(c) * (columnWidth + gap), 0);
    }
    band.height += 0.2 * LineHeight();
    bands.push_back(std::move(band));
  }
}

std::vector<GridRun> ExerciseGridsOf(const sheet::Variant& variant,
                                     const sheet::PrintLayout& layout, const TextMeasure& measure) {
  const SheetSetter setter(measure, layout, SheetKind::Student);
  return setter.GridRuns(variant, setter.VariantWidth());
}

}  // namespace mathsheets::layout
