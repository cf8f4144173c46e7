#include "layout/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "sheet/read_worksheet.h"

namespace mathsheets::layout {

namespace {

using sheet::Piece;
using sheet::PieceKind;
using sheet::Row;

constexpr double kPointsPerMillimetre = 72 / 25.4;

// Heights of PT Sans per point of size: digits and capitals, the bottom of a descender, and the
// middle of a minus sign, where a fraction's rule goes.
constexpr double kDigitHeight = 0.72;
constexpr double kTextAscent = 0.75;
constexpr double kTextDescent = 0.22;
constexpr double kMathAxis = 0.27;
constexpr double kRuleThickness = 0.055;
constexpr double kFractionGap = 0.14;

constexpr double kHeaderScale = 1.2;
constexpr double kRunningHeadSize = 7.5;
constexpr double kRunningHeadHeight = 14;
constexpr double kBlankLine = 0.6;  // the width of an answer line, in points

// A piece of a line: marks around its baseline, x from its left edge, y down from the baseline.
struct Box {
  double width = 0;
  double ascent = 0;
  double descent = 0;
  std::vector<TextOp> texts;
  std::vector<RuleOp> rules;

  void Append(const Box& other, double dx, double dy) {
    for (const TextOp& t : other.texts) {
      texts.push_back(t);
      texts.back().x += dx;
      texts.back().y += dy;
    }
    for (const RuleOp& r : other.rules) {
      rules.push_back(r);
      rules.back().x1 += dx;
      rules.back().x2 += dx;
      rules.back().y1 += dy;
      rules.back().y2 += dy;
    }
    ascent = std::max(ascent, other.ascent - dy);
    descent = std::max(descent, other.descent + dy);
    width = std::max(width, dx + other.width);
  }
};

// Marks in a rectangle: x and y from its top left corner.
struct Block {
  double width = 0;
  double height = 0;
  std::vector<TextOp> texts;
  std::vector<RuleOp> rules;

  void Put(const Box& box, double x, double baseline) {
    for (const TextOp& t : box.texts) {
      texts.push_back(t);
      texts.back().x += x;
      texts.back().y += baseline;
    }
    for (const RuleOp& r : box.rules) {
      rules.push_back(r);
      rules.back().x1 += x;
      rules.back().x2 += x;
      rules.back().y1 += baseline;
      rules.back().y2 += baseline;
    }
    width = std::max(width, x + box.width);
  }
  void Put(const Block& block, double x, double y) {
    for (const TextOp& t : block.texts) {
      texts.push_back(t);
      texts.back().x += x;
      texts.back().y += y;
    }
    for (const RuleOp& r : block.rules) {
      rules.push_back(r);
      rules.back().x1 += x;
      rules.back().x2 += x;
      rules.back().y1 += y;
      rules.back().y2 += y;
    }
    width = std::max(width, x + block.width);
    height = std::max(height, y + block.height);
  }
  // Everything smaller by `factor`, for a line too wide for its place.
  void Scale(double factor) {
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
    width *= factor;
    height *= factor;
  }
};

void MoveInto(PageOps& page, const Block& block, double x, double y) {
  for (const TextOp& t : block.texts) {
    page.texts.push_back(t);
    page.texts.back().x += x;
    page.texts.back().y += y;
  }
  for (const RuleOp& r : block.rules) {
    page.rules.push_back(r);
    page.rules.back().x1 += x;
    page.rules.back().x2 += x;
    page.rules.back().y1 += y;
    page.rules.back().y2 += y;
  }
}

struct Style {
  double size = 12;
  double lineSpacing = 1.35;  // baseline to baseline, per point of size
  bool mono = false;
  bool answer = false;  // bold, in the answer's ink
};

Face TextFace(const Style& style, bool italic) {
  if (style.mono) return style.answer ? Face::MonoBold : Face::Mono;
  if (italic) return style.answer ? Face::BoldItalic : Face::Italic;
  return style.answer ? Face::Bold : Face::Regular;
}

Ink InkOf(const Style& style) {
  return style.answer ? Ink::Answer : Ink::Text;
}

// The signs as a Russian school writes them: a raised dot for times, a true minus.
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

// What every line of an exercise is set from.
class Typesetter {
 public:
  explicit Typesetter(const TextMeasure& measure) : measure_(measure) {}

  double Width(Face face, std::string_view text, double size) const {
    return measure_.Width(face, text) * size;
  }

  void AddText(Box& box, std::string_view text, Face face, double size, Ink ink,
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

  // One line of pieces. An Answer piece becomes `slot`: a blank of its width, and on the
  // teacher's sheet the answer in it; `slot` null leaves Answer pieces out.
  struct Slot {
    const Box* answer = nullptr;  // laid out on both sheets, so that both keep the same lines
    double width = 0;
    bool paint = false;
  };

  Box Line(const std::vector<Piece>& pieces, const Style& style, const Slot* slot) const {
    Box box;
    const double s = style.size;
    const Face regular = TextFace(style, false);
    const Ink ink = InkOf(style);
    bool unaryPlace = true;   // a minus here is a sign, not a subtraction
    bool insideBars = false;  // after the "|" that opens an absolute value
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const Piece& piece = pieces[i];
      switch (piece.kind) {
        case PieceKind::Text:
          AddText(box, piece.text, regular, s, ink, false);
          unaryPlace = false;
          break;
        case PieceKind::Number:
          AddText(box, piece.text, regular, s, ink, true);
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

  void AddSlot(Box& box, const Slot& slot, const Style& style) const {
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
    box.width = x + slot.width;
    box.ascent = std::max(box.ascent, kDigitHeight * s);
    box.descent = std::max(box.descent, lineY + kBlankLine);
  }

  // The width of the blank for an answer of this box.
  static double SlotWidth(const Box* answer, double size, double least) {
    const double needed = answer != nullptr ? answer->width + 1.2 * size : 0;
    return std::max(least * size, needed);
  }

  Box Expression(std::string_view text, const Style& style) const {
    return Line(sheet::SplitPieces(text), style, nullptr);
  }

  Box FractionBox(const sheet::StackedFraction& f, const Style& style) const {
    const double s = style.size;
    const Face regular = TextFace(style, false);
    const Ink ink = InkOf(style);
    Box box;
    const Box numerator = Expression(f.numerator, style);
    const Box denominator = Expression(f.denominator, style);
    const double bar = std::max(numerator.width, denominator.width) + 0.2 * s;
    const double top = kMathAxis * s + kFractionGap * s + numerator.descent + numerator.ascent;
    const double bottom =
        denominator.ascent + denominator.descent + kFractionGap * s - kMathAxis * s;
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
    box.rules.push_back(
        {x, -kMathAxis * s, x + bar, -kMathAxis * s, kRuleThickness * s, ink, false});
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

  // Where a line's baseline goes below its top, and how tall the line is.
  static std::pair<double, double> LineMetrics(const Box& box, const Style& style) {
    const double s = style.size;
    const double extra = std::max(0.0, style.lineSpacing * s - (kTextAscent + kTextDescent) * s);
    const double baseline = extra / 2 + std::max(box.ascent, kTextAscent * s);
    return {baseline, baseline + std::max(box.descent, kTextDescent * s) + extra / 2};
  }

  // Words of a paragraph set in lines of at most `width`, broken at blanks.
  std::vector<Box> Paragraph(const std::vector<Piece>& pieces, const Style& style,
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

 private:
  const TextMeasure& measure_;
  mutable double lastWidth_ = 0;
};

bool HasFraction(const Row& row) {
  return std::any_of(row.pieces.begin(), row.pieces.end(),
                     [](const Piece& p) { return p.kind == PieceKind::Fraction; });
}

bool HasAnswerPiece(const Row& row) {
  return std::any_of(row.pieces.begin(), row.pieces.end(),
                     [](const Piece& p) { return p.kind == PieceKind::Answer; });
}

// Exercises of one class take the same height: their count of rows, and whether one of them
// holds a fraction.
std::pair<std::size_t, bool> HeightClass(const sheet::Item& item) {
  return {item.task.size() + item.solution.size(),
          std::any_of(item.task.begin(), item.task.end(), HasFraction) ||
              std::any_of(item.answer.pieces.begin(), item.answer.pieces.end(),
                          [](const Piece& p) { return p.kind == PieceKind::Fraction; })};
}

std::string RowText(const Row& row) {
  std::string text;
  for (const Piece& p : row.pieces) text += p.text;
  return text;
}

}  // namespace

PageSize SizeOf(sheet::Paper paper) {
  if (paper == sheet::Paper::A5) return {148 * kPointsPerMillimetre, 210 * kPointsPerMillimetre};
  return {210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre};
}

PrintArea AreaOf(sheet::Paper paper) {
  const PageSize size = SizeOf(paper);
  const bool a5 = paper == sheet::Paper::A5;
  const double side = (a5 ? 10 : 15) * kPointsPerMillimetre;
  const double top = (a5 ? 8 : 10) * kPointsPerMillimetre;
  const double bottom = (a5 ? 10 : 12) * kPointsPerMillimetre;
  return {side, top, size.width - side, size.height - bottom};
}

class SheetLayout::Impl {
 public:
  Impl(const TextMeasure& measure, const sheet::PrintLayout& layout, SheetKind kind,
       std::string stamp, int pageCount, PageSink onPage)
      : type_(measure),
        layout_(layout),
        teacher_(kind == SheetKind::Teacher),
        stamp_(std::move(stamp)),
        pageCount_(pageCount),
        onPage_(std::move(onPage)),
        page_(SizeOf(layout.paper)),
        area_(AreaOf(layout.paper)) {
    const bool a5 = layout.paper == sheet::Paper::A5;
    body_.size = layout.largePrint ? (a5 ? 14 : 15) : (a5 ? 11 : 12);
    body_.lineSpacing = layout.largePrint ? 1.65 : 1.35;
    top_ = area_.top + kRunningHeadHeight;
    y_ = top_;
  }

  double LineHeight() const { return body_.lineSpacing * body_.size; }
  double FullWidth() const { return area_.right - area_.left; }
  double CutGap() const { return 1.3 * LineHeight(); }

  // The teacher's answer of an item, laid out in the answer's style.
  std::optional<Box> AnswerBox(const sheet::Item& item, const Style& style) const {
    if (item.answer.pieces.empty()) return std::nullopt;
    Style answer = style;
    answer.answer = true;
    answer.mono = false;
    return type_.Line(item.answer.pieces, answer, nullptr);
  }

  // The rows of an item's task, the blank in the last one (or where its Answer piece is), then
  // its solution rows: painted on the teacher's sheet, room to work on the pupil's.
  Block TaskRows(const sheet::Item& item, const Style& style, double least) const {
    Block block;
    const std::optional<Box> answer = AnswerBox(item, style);
    Typesetter::Slot slot{answer ? &*answer : nullptr,
                          Typesetter::SlotWidth(answer ? &*answer : nullptr, style.size, least),
                          teacher_};
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

  Block ExerciseCell(const sheet::Item& item, int number, double labelWidth,
                     const Style& style) const {
    Block cell;
    Block rows = TaskRows(item, style, 4.5);
    Box label;
    type_.AddText(label, std::to_string(number) + ")", TextFace(style, false), style.size,
                  Ink::Text, true);
    const Box firstLine =
        item.task.empty() ? Box{} : type_.Line(item.task[0].pieces, style, nullptr);
    const double firstBaseline = Typesetter::LineMetrics(firstLine, style).first;
    cell.Put(label, labelWidth - label.width - 0.35 * style.size, firstBaseline);
    cell.Put(rows, labelWidth, 0);
    return cell;
  }

  Block Header(const std::string& text, double width, bool nameLine) const {
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

  Block Problem(const sheet::Item& item, int number, double width) const {
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
      const auto [baseline, height] = Typesetter::LineMetrics(line, body_);
      block.Put(line, 0, block.height + baseline);
      block.height += height;
    }
    for (const Row& row : item.solution) {
      Style answer = body_;
      answer.answer = true;
      const Box box = type_.Line(row.pieces, answer, nullptr);
      const auto [baseline, height] = Typesetter::LineMetrics(box, body_);
      if (teacher_) block.Put(box, 0, block.height + baseline);
      block.height += height;
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
        teacher_};
    type_.AddSlot(line, slot, body_);
    const auto [baseline, height] = Typesetter::LineMetrics(line, body_);
    block.Put(line, 0, block.height + 0.3 * LineHeight() + baseline);
    block.height += 0.3 * LineHeight() + height + 0.4 * LineHeight();
    return block;
  }

  // An item set as it stands: its rows, wrapped at blanks when they are prose, set smaller when
  // they are maths too wide for the page.
  Block TextItem(const sheet::Item& item, double width) const {
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
        const auto [baseline, height] = Typesetter::LineMetrics(line, style);
        Block one;
        one.Put(line, 0, baseline);
        one.height = height;
        if (one.width > width) one.Scale(width / one.width);
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

  int ColumnsFor(double widest, double width) const {
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
  double ColumnGap() const { return 1.2 * body_.size; }

  // A run of exercises in columns, numbered down each column: a band a row of the grid.
  void Grid(const std::vector<const sheet::Item*>& items, int& number, double width,
            std::vector<Block>& bands) const {
    if (items.empty()) return;
    Box label;
    type_.AddText(label, std::to_string(number + static_cast<int>(items.size())) + ")",
                  Face::Regular, body_.size, Ink::Text, true);
    const double labelWidth = label.width + 0.35 * body_.size;
    std::vector<Block> cells;
    double widest = 0;
    for (const sheet::Item* item : items) {
      cells.push_back(ExerciseCell(*item, ++number, labelWidth, body_));
      widest = std::max(widest, cells.back().width);
    }
    const int columns = ColumnsFor(widest, width);
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

  std::vector<Block> VariantBands(const sheet::Variant& variant, double width) const {
    std::vector<Block> bands;
    bands.push_back(Header("Вариант " + variant.number, width, true));
    std::vector<const sheet::Item*> run;
    int number = 0;
    int problems = 0;
    for (const sheet::Item& item : variant.items) {
      if (item.kind == sheet::ItemKind::Exercise) {
        // Exercises of another height start a grid of their own, so that rows stay even.
        if (!run.empty() && HeightClass(*run.back()) != HeightClass(item)) {
          Grid(run, number, width, bands);
          run.clear();
        }
        run.push_back(&item);
        continue;
      }
      Grid(run, number, width, bands);
      run.clear();
      Block block = item.kind == sheet::ItemKind::Problem ? Problem(item, ++problems, width)
                                                          : TextItem(item, width);
      if (block.height > 0) bands.push_back(std::move(block));
    }
    Grid(run, number, width, bands);
    return bands;
  }

  // Pages.
  double Bottom() const { return area_.bottom; }
  double Height() const { return area_.bottom - top_; }

  void NewPage() {
    EmitPage();
    y_ = top_;
    slot_ = 0;
    pageFull_ = false;
  }

  void EmitPage() {
    if (!pageUsed_) return;
    ++pagesDone_;
    if (pageCount_ > 0) {
      const double baseline = area_.top + kRunningHeadSize;
      ops_.texts.push_back(
          {area_.left, baseline, kRunningHeadSize, Face::Regular, Ink::Faint, stamp_});
      const std::string number =
          "стр. " + std::to_string(pagesDone_) + " из " + std::to_string(pageCount_);
      const double w = type_.Width(Face::Regular, number, kRunningHeadSize);
      ops_.texts.push_back(
          {area_.right - w, baseline, kRunningHeadSize, Face::Regular, Ink::Faint, number});
    }
    if (onPage_) onPage_(ops_);
    ops_.texts.clear();
    ops_.rules.clear();
    pageUsed_ = false;
  }

  void Place(const Block& block, double x, double y) {
    MoveInto(ops_, block, x, y);
    pageUsed_ = true;
  }

  void CutLine(double x1, double y1, double x2, double y2) {
    ops_.rules.push_back({x1, y1, x2, y2, 0.5, Ink::Faint, true});
    const double s = 0.9 * body_.size;
    if (y1 == y2) ops_.texts.push_back({x1, y1 + 0.35 * s, s, Face::Symbol, Ink::Faint, "✂"});
  }

  // Bands one under another from the top of this page on, under a continuation header on each
  // next page.
  void Flow(const std::vector<Block>& bands, double x, double width, const std::string& number) {
    for (std::size_t i = 0; i < bands.size(); ++i) {
      if (y_ + bands[i].height > Bottom() && y_ > top_ + 1e-6) {
        NewPage();
        if (!number.empty()) {
          const Block head = Header("Вариант " + number + " (продолжение)", width, false);
          Place(head, x, y_);
          y_ += head.height;
        }
      }
      Place(bands[i], x, y_);
      y_ += bands[i].height;
    }
  }

  static double TotalHeight(const std::vector<Block>& bands) {
    double total = 0;
    for (const Block& b : bands) total += b.height;
    return total;
  }

  void AddVariant(const sheet::Variant& variant) {
    const bool four = layout_.perPage == sheet::VariantsPerPage::Four;
    const double gap = CutGap();
    const double width = four ? (FullWidth() - gap) / 2 : FullWidth();
    const std::vector<Block> bands = VariantBands(variant, width);
    const double total = TotalHeight(bands);
    switch (layout_.perPage) {
      case sheet::VariantsPerPage::Auto:
        if (pageUsed_) {
          if (y_ + gap + total <= Bottom()) {
            CutLine(area_.left, y_ + gap / 2, area_.right, y_ + gap / 2);
            y_ += gap;
          } else {
            NewPage();
          }
        }
        Flow(bands, area_.left, width, variant.number);
        return;
      case sheet::VariantsPerPage::One:
        if (pageUsed_) NewPage();
        Flow(bands, area_.left, width, variant.number);
        return;
      case sheet::VariantsPerPage::Two:
      case sheet::VariantsPerPage::Four:
        break;
    }
    const int slots = four ? 4 : 2;
    const double slotHeight = (Height() - gap) / 2;
    if (pageFull_ || slot_ >= slots || (pageUsed_ && total > slotHeight)) NewPage();
    if (total > slotHeight) {
      Flow(bands, area_.left, width, variant.number);
      pageFull_ = true;
      return;
    }
    const int row = four ? slot_ / 2 : slot_;
    const int column = four ? slot_ % 2 : 0;
    const double x = area_.left + column * (width + gap);
    const double y = top_ + row * (slotHeight + gap);
    if (row == 1 && (column == 0)) CutLine(area_.left, y - gap / 2, area_.right, y - gap / 2);
    if (column == 1 && row == 0)
      CutLine(area_.left + width + gap / 2, top_, area_.left + width + gap / 2, Bottom());
    double at = y;
    for (const Block& band : bands) {
      Place(band, x, at);
      at += band.height;
    }
    ++slot_;
  }

  void AddPreamble(const std::vector<sheet::Item>& items) {
    std::vector<Block> bands;
    for (const sheet::Item& item : items) {
      Block block = TextItem(item, FullWidth());
      if (block.height > 0) bands.push_back(std::move(block));
    }
    Flow(bands, area_.left, FullWidth(), "");
  }

  // The answer key.
  Style KeyStyle() const {
    Style style = body_;
    style.size = layout_.largePrint ? body_.size : body_.size * 0.85;
    style.lineSpacing = 1.3;
    return style;
  }

  struct KeyCell {
    Box label;
    Box answer;
  };

  std::vector<KeyCell> KeyCells(const sheet::Variant& variant) const {
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

  double KeyCellWidth(const sheet::Variant& variant) const {
    double widest = 0;
    const double s = KeyStyle().size;
    for (const KeyCell& cell : KeyCells(variant))
      widest = std::max(widest, cell.label.width + 0.3 * s + cell.answer.width + 1.0 * s);
    return widest;
  }

  double KeyLabelWidth() const {
    return type_.Width(Face::Bold, "Вариант 8888", KeyStyle().size) + 0.8 * KeyStyle().size;
  }

  void StartKey(double cellWidth) {
    NewPage();
    keyCellWidth_ = std::min(std::max(cellWidth, 1.0), FullWidth() - KeyLabelWidth());
    const Block head = Header("Ответы", FullWidth(), false);
    Place(head, area_.left, y_);
    y_ += head.height;
  }

  void AddKeyRow(const sheet::Variant& variant) {
    const Style style = KeyStyle();
    const double s = style.size;
    const double labelWidth = KeyLabelWidth();
    const std::vector<KeyCell> cells = KeyCells(variant);
    const std::size_t perLine = std::max<std::size_t>(
        1, static_cast<std::size_t>((FullWidth() - labelWidth) / keyCellWidth_));
    Block row;
    Box title;
    type_.AddText(title, "Вариант " + variant.number, Face::Bold, s, Ink::Text, false);
    for (std::size_t start = 0; start < std::max<std::size_t>(cells.size(), 1); start += perLine) {
      Box line;
      line.ascent = kTextAscent * s;
      for (std::size_t k = start; k < std::min(cells.size(), start + perLine); ++k) {
        const double x = static_cast<double>(k - start) * keyCellWidth_;
        line.Append(cells[k].label, x, 0);
        Box answer;
        answer.Append(cells[k].answer, 0, 0);
        const double room = keyCellWidth_ - cells[k].label.width - 1.3 * s;
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
      if (start == 0) row.Put(title, 0, baseline);
      row.Put(line, labelWidth, row.height + baseline);
      row.height += height;
    }
    row.rules.push_back({0, row.height, FullWidth(), row.height, 0.3, Ink::Faint, false});
    row.height += 0.15 * s;
    Flow({row}, area_.left, FullWidth(), "");
  }

  int Finish() {
    EmitPage();
    return pagesDone_;
  }

 private:
  Typesetter type_;
  sheet::PrintLayout layout_;
  bool teacher_;
  std::string stamp_;
  int pageCount_;
  PageSink onPage_;
  PageSize page_;
  PrintArea area_;
  Style body_;
  double top_ = 0;
  double y_ = 0;
  int slot_ = 0;
  bool pageFull_ = false;
  bool pageUsed_ = false;
  int pagesDone_ = 0;
  double keyCellWidth_ = 1;
  PageOps ops_;
};

SheetLayout::SheetLayout(const TextMeasure& measure, const sheet::PrintLayout& layout,
                         SheetKind kind, std::string stamp, int pageCount, PageSink onPage)
    : impl_(std::make_unique<Impl>(measure, layout, kind, std::move(stamp), pageCount,
                                   std::move(onPage))) {}

SheetLayout::~SheetLayout() = default;

void SheetLayout::AddPreamble(const std::vector<sheet::Item>& items) {
  impl_->AddPreamble(items);
}
void SheetLayout::AddVariant(const sheet::Variant& variant) {
  impl_->AddVariant(variant);
}
void SheetLayout::StartKey(double cellWidth) {
  impl_->StartKey(cellWidth);
}
void SheetLayout::AddKeyRow(const sheet::Variant& variant) {
  impl_->AddKeyRow(variant);
}
double SheetLayout::KeyCellWidth(const sheet::Variant& variant) const {
  return impl_->KeyCellWidth(variant);
}
int SheetLayout::Finish() {
  return impl_->Finish();
}

}  // namespace mathsheets::layout
