#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::layout {

// The faces a sheet is set in: PT Sans for text and maths, DejaVu Sans Mono for the rows a file
// lays out in columns, DejaVu Sans for the scissors of a cut line.
enum class Face : std::uint8_t { Regular, Bold, Italic, BoldItalic, Mono, MonoBold, Symbol };
inline constexpr int kFaceCount = 7;

enum class Ink : std::uint8_t {
  Text,
  Answer,  // the teacher's answers: dark blue, dark grey on a greyscale printer
  Faint,   // answer lines, cut lines, the running head
};

// Widths of text in the faces, in points for one point of size. Painting must place glyphs as
// these widths say: no kerning, no hinting.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual double Width(Face face, std::string_view utf8) const = 0;
};

// What a page shows, in points from its top left corner; a text's y is its baseline.
struct TextOp {
  double x = 0;
  double y = 0;
  double size = 0;
  Face face = Face::Regular;
  Ink ink = Ink::Text;
  std::string text;
};

struct RuleOp {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  double width = 0;
  Ink ink = Ink::Text;
  bool dashed = false;
};

struct PageOps {
  std::vector<TextOp> texts;
  std::vector<RuleOp> rules;
};

struct PageSize {
  double width = 0;
  double height = 0;
};
PageSize SizeOf(sheet::Paper paper);

// The rectangle every mark of a page stays in: the paper less its margins.
struct PrintArea {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};
PrintArea AreaOf(sheet::Paper paper);

enum class SheetKind { Student, Teacher };

// Lays out variants one at a time and hands each page to `onPage` as soon as it is full, so that
// a sheet of any length needs the memory of one page. A variant never splits when it fits on one
// page; one that does not goes on under "Вариант N (продолжение)".
class SheetLayout {
 public:
  using PageSink = std::function<void(const PageOps&)>;

  // `pageCount` is the number of pages the sheet will have, for "стр. N из M"; 0 while counting.
  SheetLayout(const TextMeasure& measure, const sheet::PrintLayout& layout, SheetKind kind,
              std::string stamp, int pageCount, PageSink onPage);
  ~SheetLayout();
  SheetLayout(const SheetLayout&) = delete;
  SheetLayout& operator=(const SheetLayout&) = delete;

  // Lines before the first variant: set as text.
  void AddPreamble(const std::vector<sheet::Item>& items);
  void AddVariant(const sheet::Variant& variant);

  // The answer key, after the last variant: call StartKey once, then AddKeyRow for every variant
  // in order. `cellWidth` is the widest cell of the whole key (KeyCellWidth over all variants).
  void StartKey(double cellWidth);
  void AddKeyRow(const sheet::Variant& variant);
  double KeyCellWidth(const sheet::Variant& variant) const;

  // Hands over the last page. Returns the number of pages.
  int Finish();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace mathsheets::layout
