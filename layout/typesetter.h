#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "layout/boxes.h"
#include "layout/page_marks.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::layout {

// Heights of PT Sans per point of size: digits and capitals, the bottom of a descender, and the
// middle of a minus sign, where a fraction's rule goes.
inline constexpr double kDigitHeight = 0.72;
inline constexpr double kTextAscent = 0.75;
inline constexpr double kTextDescent = 0.22;
inline constexpr double kMathAxis = 0.27;
inline constexpr double kRuleThickness = 0.055;
inline constexpr double kFractionGap = 0.14;
inline constexpr double kBlankLine = 0.6;  // the width of an answer line, in points

struct Style {
  double size = 12;
  double lineSpacing = 1.35;  // baseline to baseline, per point of size
  bool mono = false;
  bool answer = false;  // bold, in the answer's ink
};

// The signs as a Russian school writes them: a raised dot for times ("x", "х", "•", "*"), a true
// minus; a binary sign stands between blanks; a Latin letter stands for a number and is italic.
std::string_view OperatorGlyph(std::string_view op);
bool IsBinarySign(std::string_view glyph);
bool IsLatinLetter(std::string_view text);

Face TextFace(const Style& style, bool italic);
bool HasFraction(const sheet::Row& row);
Ink InkOf(const Style& style);

// Sets rows of pieces as lines of marks: numbers with decimal commas, signs as a Russian school
// writes them, letters in italic, fractions stacked on their rule.
class Typesetter {
 public:
  explicit Typesetter(const TextMeasure& measure) : measure_(measure) {}

  double Width(Face face, std::string_view text, double size) const {
    return measure_.Width(face, text) * size;
  }

  void AddText(Box& box, std::string_view text, Face face, double size, Ink ink,
               bool digits) const;

  // Where an answer goes in a line: a blank of `width`, and on the teacher's sheet the answer in
  // it. `item` and `label` name the item the blank belongs to.
  struct Slot {
    const Box* answer = nullptr;  // laid out on both sheets, so that both keep the same lines
    double width = 0;
    bool paint = false;
    int item = -1;
    std::string label;
  };

  // One line of pieces. An Answer piece becomes `slot`; `slot` null leaves Answer pieces out.
  Box Line(const std::vector<sheet::Piece>& pieces, const Style& style, const Slot* slot) const;
  void AddSlot(Box& box, const Slot& slot, const Style& style) const;
  // The width of the blank for an answer of this box.
  static double SlotWidth(const Box* answer, double size, double least);

  Box Expression(std::string_view text, const Style& style) const;
  Box FractionBox(const sheet::StackedFraction& f, const Style& style) const;

  // Where a line's baseline goes below its top, and how tall the line is.
  static std::pair<double, double> LineMetrics(const Box& box, const Style& style);

  // Words of a paragraph set in lines of at most `width`, broken at blanks.
  std::vector<Box> Paragraph(const std::vector<sheet::Piece>& pieces, const Style& style,
                             double width) const;

 private:
  const TextMeasure& measure_;
  mutable double lastWidth_ = 0;
};

}  // namespace mathsheets::layout
