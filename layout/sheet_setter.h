#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/boxes.h"
#include "layout/page_marks.h"
#include "layout/typesetter.h"
#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::layout {

// A run of a variant's exercises that the printed sheet sets as one grid, and its columns.
struct GridRun {
  std::size_t first = 0;  // indexes into the variant's items
  std::size_t count = 0;
  int columns = 1;
};

// The blocks a sheet is made of, each in a width it is given: the title and a variant's header,
// its exercises in grids, its word problems and texts, the rows of the answer key. Pages are the
// business of SheetLayout.
class SheetSetter {
 public:
  SheetSetter(const TextMeasure& measure, const sheet::PrintLayout& layout, SheetKind kind);

  const Style& Body() const { return body_; }
  double LineHeight() const { return body_.lineSpacing * body_.size; }
  double FullWidth() const { return area_.right - area_.left; }
  const PrintArea& Area() const { return area_; }
  const Typesetter& Type() const { return type_; }

  // The header of a variant, "Вариант N" and, on its first page, the name line (sheet_header.cpp).
  Block Header(const std::string& text, double width, bool nameLine) const;
  // The teacher's title over a header; nothing when there is none.
  std::optional<Block> Title(double width) const;

  // A whole variant, in bands to put one under another (variant_bands.cpp).
  std::vector<Block> VariantBands(const sheet::Variant& variant, double width) const;

  // The width of a variant: the page's, or half of it less the cut gap for four a page.
  double VariantWidth() const;
  double CutGap() const { return 1.3 * LineHeight(); }

  // The runs of exercises set as one grid each, and the columns each gets (exercise_grid.cpp).
  static std::vector<GridRun> RunsOf(const sheet::Variant& variant);
  std::vector<GridRun> GridRuns(const sheet::Variant& variant, double width) const;
  // The bands of one run in the columns its cells fit, numbered on from `number`, which it
  // leaves at the run's last number.
  void Grid(const sheet::Variant& variant, const GridRun& run, int& number, double width,
            std::vector<Block>& bands) const;

  // A word problem and an item set as it stands (item_blocks.cpp).
  Block Problem(const sheet::Item& item, int index, int number, double width) const;
  Block TextItem(const sheet::Item& item, double width) const;
  Block Fitted(const Box& line, const Style& style, double width) const;

  // The answer key (answer_key.cpp): the widest cell of a variant, and the key's row of a variant
  // in lines, so that the row of a very long variant may go on over a page.
  double KeyCellWidth(const sheet::Variant& variant) const;
  double KeyLabelWidth() const;
  std::vector<Block> KeyRow(const sheet::Variant& variant, double cellWidth) const;

 private:
  struct KeyCell {
    Box label;
    Box answer;
  };
  Style KeyStyle() const;
  std::vector<KeyCell> KeyCells(const sheet::Variant& variant) const;

  std::optional<Box> AnswerBox(const sheet::Item& item, const Style& style) const;
  Block TaskRows(const sheet::Item& item, int index, const std::string& label, const Style& style,
                 double least) const;
  Block ExerciseCell(const sheet::Item& item, int index, int number, double labelWidth,
                     const Style& style) const;
  std::vector<Block> GridCells(const sheet::Variant& variant, const GridRun& run, int number,
                               double& labelWidth) const;
  int ColumnsFor(double widest, double width) const;
  double ColumnGap() const { return 1.2 * body_.size; }

  Typesetter type_;
  sheet::PrintLayout layout_;
  bool teacher_;
  PrintArea area_;
  Style body_;
};

}  // namespace mathsheets::layout
