#include "layout/typesetter.h"

#include <algorithm>
#include <cmath>

#include "layout/decimal_commas.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::layout {

namespace {

// The text with decimal commas, made in `buffer` only when it has a point: most pieces have none.
std::string_view Commas(const std::string& text, std::string& buffer) {
  if (text.find('.') == std::string::npos) return text;
  buffer = WithDecimalCommas(text);
  return buffer;
}

}  // namespace

using sheet::Piece;
using sheet::PieceKind;

std::string_view OperatorGlyph(std::string_view op) {
  if (op == "x" || op == "х" || op == "•" || op == "*") return "·";
  if (op == "-") return "−";
  return op;
}

bool IsLatinLetter(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

bool IsBinarySign(std::string_view glyph) {
  return glyph == "+" || glyph == "−" || glyph == "·" || glyph == ":" || glyph == "=" ||
         glyph == "<" || glyph == ">";
}

Face TextFace(const Style& style, bool italic) {
  if (style.mono) return style.answer ? Face::MonoBold : Face::Mono;
  if (italic) return style.answer ? Face::BoldItalic : Face::Italic;
  return style.answer ? Face::Bold : Face::Regular;
}

bool HasFraction(const sheet::Row& row) {
  return std::any_of(row.pieces.begin(), row.pieces.end(),
                     [](const Piece& p) { return p.kind == PieceKind::Fraction; });
}

Ink InkOf(const Style& style) {
  return style.answer ? Ink::Answer : Ink::Text;
}

void Typesetter::AddText(Box& box, std::string_view text, Face face, double size, Ink ink,
                         bool digits) const {
  if (text.empty()) return;
  const double width = Width(face, text, size);
  TextOp* last = box.texts.empty() ? nullptr : &box.texts.back();
  // A run of pieces in the same face is one text: fewer fonts switched, words found whole.
  if (last != nullptr && last->face == face && last->ink == ink && last->size == size &&
      last->y == 0 && std::abs(last->x + lastWidth_ - box.width) < 1e-9) {
    last->text += text;
    lastWidth_ += width;
  } else {
    box.texts.push_back({box.width, 0, size, face, ink, std::string(text)});
    lastWidth_ = width;
  }
  box.width += width;
  box.ascent = std::max(box.ascent, (digits ? kDigitHeight : kTextAscent) * size);
  box.descent = std::max(box.descent, digits ? 0.0 : kTextDescent * size);
}

Box Typesetter::Line(const std::vector<Piece>& pieces, const Style& style, const Slot* slot) const {
  Box box;
  const double s = style.size;
  const Face regular = TextFace(style, false);
  const Ink ink = InkOf(style);
  bool unaryPlace = true;   // a minus here is a sign, not a subtraction
  bool insideBars = false;  // after the "|" that opens an absolute value
  std::string commas;       // a piece's text with its decimal commas
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Piece& piece = pieces[i];
    switch (piece.kind) {
      case PieceKind::Text:
        AddText(box, Commas(piece.text, commas), regular, s, ink, false);
        unaryPlace = false;
        break;
      case PieceKind::Number:
        AddText(box, Commas(piece.text, commas), regular, s, ink, true);
        unaryPlace = false;
        break;
      case PieceKind::Letter:
        // Latin letters stand for numbers; a Cyrillic one is a word of the prose ("у", "в").
        AddText(box, piece.text, TextFace(style, IsLatinLetter(piece.text)), s, ink, false);
        unaryPlace = false;
        break;
      case PieceKind::Operator: {
        const std::string_view glyph = OperatorGlyph(piece.text);
        const bool binary = IsBinarySign(glyph) && !(glyph == "−" && unaryPlace);
        // A binary sign stands between blanks, set as text so that a line stays one run.
        const bool pad = binary && !style.mono;
        const bool spaceBefore = i > 0 && pieces[i - 1].kind == PieceKind::Space;
        const bool spaceAfter = i + 1 < pieces.size() && pieces[i + 1].kind == PieceKind::Space;
        if (pad && !spaceBefore && i > 0) AddText(box, " ", regular, s, ink, true);
        AddText(box, glyph, regular, s, ink, true);
        if (pad && !spaceAfter && i + 1 < pieces.size()) AddText(box, " ", regular, s, ink, true);
        // "|" opens an absolute value, where a minus is a sign, or closes one.
        if (glyph == "|") insideBars = !insideBars;
        unaryPlace = glyph == "|" ? insideBars : glyph != ")" && glyph != "%";
        break;
      }
      case PieceKind::Space: {
        const std::size_t blanks = std::max<std::size_t>(piece.text.size(), 1);
        AddText(box, std::string(style.mono ? blanks : std::min<std::size_t>(blanks, 2), ' '),
                regular, s, ink, true);
        break;
      }
      case PieceKind::Fraction:
        box.Append(FractionBox(piece.fraction, style), box.width, 0);
        unaryPlace = false;
        break;
      case PieceKind::Answer:
        if (slot != nullptr) AddSlot(box, *slot, style);
        break;
    }
  }
  return box;
}

void Typesetter::AddSlot(Box& box, const Slot& slot, const Style& style) const {
  const double s = style.size;
  if (box.width > 0) box.width += 0.2 * s;
  const double x = box.width;
  double lineY = 0.3 * s;
  if (slot.answer != nullptr) {
    Box placed;
    placed.Append(*slot.answer, 0, 0);
    if (!slot.paint) {
      placed.texts.clear();
      placed.rules.clear();
    }
    box.Append(placed, x + 0.3 * s, 0);
    lineY = std::max(lineY, slot.answer->descent + 0.12 * s);
  }
  box.rules.push_back(
      {x, lineY, x + slot.width, lineY, kBlankLine, slot.paint ? Ink::Faint : Ink::Text, false});
  box.blanks.push_back({x, lineY, slot.width, s, slot.item, slot.label, {}});
  box.width = x + slot.width;
  box.ascent = std::max(box.ascent, kDigitHeight * s);
  box.descent = std::max(box.descent, lineY + kBlankLine);
}

double Typesetter::SlotWidth(const Box* answer, double size, double least) {
  const double needed = answer != nullptr ? answer->width + 1.2 * size : 0;
  return std::max(least * size, needed);
}

Box Typesetter::Expression(std::string_view text, const Style& style) const {
  return Line(sheet::SplitPieces(text), style, nullptr);
}

Box Typesetter::FractionBox(const sheet::StackedFraction& f, const Style& style) const {
  const double s = style.size;
  const Face regular = TextFace(style, false);
  const Ink ink = InkOf(style);
  Box box;
  const Box numerator = Expression(f.numerator, style);
  const Box denominator = Expression(f.denominator, style);
  const double bar = std::max(numerator.width, denominator.width) + 0.2 * s;
  const double top = kMathAxis * s + kFractionGap * s + numerator.descent + numerator.ascent;
  const double bottom = denominator.ascent + denominator.descent + kFractionGap * s - kMathAxis * s;
  const double frameTop = top + 0.06 * s;
  const double frameBottom = bottom + 0.06 * s;

  double parenSize = 0;
  if (f.frame == sheet::FractionFrame::Bars) {
    box.width += 0.08 * s;
    box.rules.push_back(
        {box.width, -frameTop, box.width, frameBottom, kRuleThickness * s, ink, false});
    box.width += 0.2 * s;
  } else if (f.frame == sheet::FractionFrame::Brackets) {
    parenSize = std::max(s, (frameTop + frameBottom) / 1.0);
    box.texts.push_back(
        {box.width, -kMathAxis * s + 0.27 * parenSize, parenSize, regular, ink, "("});
    box.width += Width(regular, "(", parenSize) + 0.05 * s;
  }
  if (f.negative) {
    AddText(box, "−", regular, s, ink, true);
    box.width += 0.08 * s;
  }
  if (!f.whole.empty()) {
    // The whole part's digits centred on the rule.
    const Box whole = Expression(f.whole, style);
    box.Append(whole, box.width, kDigitHeight * s / 2 - kMathAxis * s);
    box.width += 0.08 * s;
  }
  const double x = box.width;
  box.rules.push_back({x, -kMathAxis * s, x + bar, -kMathAxis * s, kRuleThickness * s, ink, false});
  box.Append(numerator, x + (bar - numerator.width) / 2,
             -kMathAxis * s - kFractionGap * s - numerator.descent);
  box.Append(denominator, x + (bar - denominator.width) / 2,
             -kMathAxis * s + kFractionGap * s + denominator.ascent);
  box.width = x + bar;
  if (f.frame == sheet::FractionFrame::Bars) {
    box.width += 0.2 * s;
    box.rules.push_back(
        {box.width, -frameTop, box.width, frameBottom, kRuleThickness * s, ink, false});
    box.width += 0.08 * s;
  } else if (f.frame == sheet::FractionFrame::Brackets) {
    box.width += 0.05 * s;
    box.texts.push_back(
        {box.width, -kMathAxis * s + 0.27 * parenSize, parenSize, regular, ink, ")"});
    box.width += Width(regular, ")", parenSize);
  }
  box.ascent = std::max(box.ascent, frameTop);
  box.descent = std::max(box.descent, frameBottom);
  return box;
}

std::pair<double, double> Typesetter::LineMetrics(const Box& box, const Style& style) {
  const double s = style.size;
  const double extra = std::max(0.0, style.lineSpacing * s - (kTextAscent + kTextDescent) * s);
  const double baseline = extra / 2 + std::max(box.ascent, kTextAscent * s);
  return {baseline, baseline + std::max(box.descent, kTextDescent * s) + extra / 2};
}

std::vector<Box> Typesetter::Paragraph(const std::vector<Piece>& pieces, const Style& style,
                                       double width) const {
  std::vector<Box> lines(1);
  const double space = Width(TextFace(style, false), " ", style.size);
  std::size_t start = 0;
  while (start < pieces.size()) {
    std::size_t end = start;
    while (end < pieces.size() && pieces[end].kind != PieceKind::Space) ++end;
    if (end > start) {
      const std::vector<Piece> word(pieces.begin() + static_cast<std::ptrdiff_t>(start),
                                    pieces.begin() + static_cast<std::ptrdiff_t>(end));
      const Box box = Line(word, style, nullptr);
      Box& line = lines.back();
      const double x = line.width > 0 ? line.width + space : 0;
      if (line.width > 0 && x + box.width > width) {
        lines.emplace_back();
        lines.back().Append(box, 0, 0);
      } else {
        line.Append(box, x, 0);
      }
    }
    start = end + 1;
  }
  return lines;
}

}  // namespace mathsheets::layout
