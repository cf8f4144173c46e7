#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/print_layout.h"

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

// Where a pupil writes an answer: the blank's line from (x, y) to (x + width, y), in a line set at
// `size` points, and the item it belongs to. Painters need not draw it (its rule is a RuleOp); a
// page that takes answers on screen puts its fields there.
struct BlankOp {
  double x = 0;
  double y = 0;
  double width = 0;
  double size = 0;
  int item = -1;      // the item's index in its variant's items
  std::string label;  // the item's printed number: "3" of "3)", the N of "Задание N"
  std::string variant;
};

struct PageOps {
  std::vector<TextOp> texts;
  std::vector<RuleOp> rules;
  std::vector<BlankOp> blanks;
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

}  // namespace mathsheets::layout
