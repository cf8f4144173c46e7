#include "docx/runs.h"

#include <algorithm>
#include <cmath>

#include "docx/faces.h"
#include "docx/xml_text.h"
#include "layout/decimal_commas.h"
#include "layout/typesetter.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::docx {

using layout::IsBinarySign;
using layout::IsLatinLetter;
using layout::OperatorGlyph;
using sheet::Piece;
using sheet::PieceKind;

namespace {

// Widths in ems of the body face, near enough to size a blank: a digit, a blank (the no-break
// space too), a sign, a letter; a blank's width is how a blank's count of spaces is found.
constexpr double kDigitEms = 0.556;
constexpr double kSpaceEms = 0.278;
constexpr double kSignEms = 0.584;
constexpr double kLetterEms = 0.6;
constexpr double kUnderscoreEms = 0.556;

double TextEms(std::string_view utf8) {
  double ems = 0;
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c >= '0' && c <= '9')
      ems += kDigitEms;
    else if (c == ' ' || c == '.' || c == ',')
      ems += kSpaceEms;
    else if ((u & 0xC0) != 0x80)  // the first byte of a character
      ems += kLetterEms;
  }
  return ems;
}

// An equation takes room of its own around it, and a frame more.
double FractionEms(const sheet::StackedFraction& f) {
  double ems = std::max(TextEms(f.numerator), TextEms(f.denominator)) + 0.8 + TextEms(f.whole);
  if (f.negative) ems += kSignEms;
  if (f.frame != sheet::FractionFrame::None) ems += 1.2;
  return ems;
}

}  // namespace

double PiecesEms(const std::vector<Piece>& pieces) {
  double ems = 0;
  for (const Piece& piece : pieces) {
    switch (piece.kind) {
      case PieceKind::Operator:
        ems += kSignEms + (IsBinarySign(OperatorGlyph(piece.text)) ? 2 * kSpaceEms : 0);
        break;
      case PieceKind::Space:
        ems += kSpaceEms * static_cast<double>(std::min<std::size_t>(piece.text.size(), 2));
        break;
      case PieceKind::Fraction:
        ems += FractionEms(piece.fraction);
        break;
      case PieceKind::Answer:
        break;
      default:
        ems += TextEms(piece.text);
    }
  }
  return ems;
}

namespace {

std::string Underscores(double ems) {
  return std::string(static_cast<std::size_t>(std::max(2.0, std::round(ems / kUnderscoreEms))),
                     '_');
}

bool NeedsPreserve(std::string_view text) {
  return text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string_view::npos;
}

void AppendFontsOf(std::string& out, std::string_view face) {
  out += "<w:rFonts w:ascii=\"";
  out += face;
  out += "\" w:hAnsi=\"";
  out += face;
  out += "\" w:cs=\"";
  out += face;
  out += "\"/>";
}

// One run of an equation. `style`: "p" upright, "b" bold, "bi" bold italic; empty for Word's own
// choice (italic letters, upright digits and signs).
void AppendMathRun(std::string& out, std::string_view text, std::string_view style, bool answer) {
  out += "<m:r>";
  if (!style.empty()) {
    out += "<m:rPr><m:sty m:val=\"";
    out += style;
    out += "\"/></m:rPr>";
  }
  out += "<w:rPr>";
  out += "<w:rFonts w:ascii=\"";
  out += kMathFace;
  out += "\" w:hAnsi=\"";
  out += kMathFace;
  out += "\"/>";
  if (answer) {
    out += "<w:b/><w:bCs/><w:color w:val=\"";
    out += kAnswerColour;
    out += "\"/>";
  }
  out += "</w:rPr><m:t>";
  AppendXmlText(out, text);
  out += "</m:t></m:r>";
}

// The runs of an expression in an equation ("234x+104", "2", "5.3"); false when it has none.
bool AppendMathExpression(std::string& out, std::string_view text, bool answer) {
  bool any = false;
  for (const Piece& piece : sheet::SplitPieces(text)) {
    std::string glyph;
    std::string_view style = answer ? "b" : "";
    switch (piece.kind) {
      case PieceKind::Number:
        glyph = layout::WithDecimalCommas(piece.text);
        break;
      case PieceKind::Letter:
        glyph = piece.text;
        if (IsLatinLetter(piece.text))
          style = answer ? "bi" : "";
        else
          style = answer ? "b" : "p";
        break;
      case PieceKind::Operator:
        glyph = OperatorGlyph(piece.text);
        break;
      case PieceKind::Text:
        glyph = layout::WithDecimalCommas(piece.text);
        style = answer ? "b" : "p";
        break;
      default:
        continue;
    }
    if (glyph.empty()) continue;
    AppendMathRun(out, glyph, style, answer);
    any = true;
  }
  return any;
}

// A fraction the equation cannot hold, as text: "2 3/4".
std::string FractionText(const sheet::StackedFraction& f) {
  std::string text = f.negative ? "−" : "";
  if (!f.whole.empty()) text += f.whole + " ";
  text += f.numerator + "/" + f.denominator;
  if (f.frame == sheet::FractionFrame::Bars) return "|" + text + "|";
  if (f.frame == sheet::FractionFrame::Brackets) return "(" + text + ")";
  return text;
}

}  // namespace

std::string RunProperties(const RunStyle& style) {
  std::string out;
  if (style.mono) AppendFontsOf(out, kMonoFace);
  if (style.symbol) AppendFontsOf(out, kSymbolFace);
  if (style.bold) out += "<w:b/><w:bCs/>";
  if (style.italic) out += "<w:i/><w:iCs/>";
  if (style.answer || style.faint) {
    out += "<w:color w:val=\"";
    out += style.answer ? kAnswerColour : kFaintColour;
    out += "\"/>";
  }
  if (style.halfPoints > 0) {
    const std::string size = std::to_string(style.halfPoints);
    out += "<w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/>";
  }
  if (style.underline) out += "<w:u w:val=\"single\"/>";
  return out.empty() ? out : "<w:rPr>" + out + "</w:rPr>";
}

void Runs::Text(std::string_view utf8, const RunStyle& style) {
  if (utf8.empty()) return;
  if (!pending_.empty() && !(style == pendingStyle_)) Flush();
  pendingStyle_ = style;
  pending_ += utf8;
}

void Runs::Tab(const RunStyle& style) {
  Flush();
  xml_ += "<w:r>" + RunProperties(style) + "<w:tab/></w:r>";
}

void Runs::Gap(const RunStyle& style) {
  if (pending_.empty() ? xml_.empty() : pending_.back() == ' ') return;
  Text(" ", style);
}

void Runs::Math(std::string_view omml) {
  Flush();
  xml_ += omml;
}

std::string Runs::Take() {
  Flush();
  std::string xml = std::move(xml_);
  xml_.clear();
  return xml;
}

void Runs::Flush() {
  if (pending_.empty()) return;
  xml_ += "<w:r>";
  xml_ += RunProperties(pendingStyle_);
  xml_ += NeedsPreserve(pending_) ? "<w:t xml:space=\"preserve\">" : "<w:t>";
  AppendXmlText(xml_, pending_);
  xml_ += "</w:t></w:r>";
  pending_.clear();
}

AnswerSlot SlotFor(const std::vector<Piece>* answer, double leastEms, double roomEms, bool fill) {
  const double answerEms = answer != nullptr ? PiecesEms(*answer) : 0;
  const double wanted = std::max(leastEms, answerEms + 1.2);
  const double fitting = std::max(answerEms + 0.6, std::min(wanted, roomEms));
  return {answer, std::min(wanted, fitting), fill};
}

void AppendSlot(Runs& runs, const AnswerSlot& slot, const RunStyle& style) {
  RunStyle blank = style;
  blank.bold = false;
  blank.answer = false;
  blank.underline = false;
  if (!slot.fill || slot.answer == nullptr || slot.answer->empty()) {
    runs.Text(Underscores(slot.ems), blank);
    return;
  }
  RunStyle answer = style;
  answer.bold = true;
  answer.answer = true;
  answer.underline = true;
  AppendPieces(runs, *slot.answer, answer, nullptr);
  runs.Text(Underscores(slot.ems - PiecesEms(*slot.answer)), blank);
}

void AppendPieces(Runs& runs, const std::vector<Piece>& pieces, const RunStyle& style,
                  const AnswerSlot* slot) {
  bool unaryPlace = true;   // a minus here is a sign, not a subtraction
  bool insideBars = false;  // after the "|" that opens an absolute value
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Piece& piece = pieces[i];
    switch (piece.kind) {
      case PieceKind::Text:
      case PieceKind::Number:
        runs.Text(layout::WithDecimalCommas(piece.text), style);
        unaryPlace = false;
        break;
      case PieceKind::Letter: {
        // Latin letters stand for numbers; a Cyrillic one is a word of the prose ("у", "в").
        RunStyle letter = style;
        letter.italic = IsLatinLetter(piece.text) && !style.mono;
        runs.Text(piece.text, letter);
        unaryPlace = false;
        break;
      }
      case PieceKind::Operator: {
        const std::string_view glyph = OperatorGlyph(piece.text);
        const bool binary = IsBinarySign(glyph) && !(glyph == "−" && unaryPlace);
        // A binary sign stands between blanks.
        const bool pad = binary && !style.mono;
        const bool spaceBefore = i > 0 && pieces[i - 1].kind == PieceKind::Space;
        const bool spaceAfter = i + 1 < pieces.size() && pieces[i + 1].kind == PieceKind::Space;
        if (pad && !spaceBefore && i > 0) runs.Text(" ", style);
        runs.Text(glyph, style);
        if (pad && !spaceAfter && i + 1 < pieces.size()) runs.Text(" ", style);
        // "|" opens an absolute value, where a minus is a sign, or closes one.
        if (glyph == "|") insideBars = !insideBars;
        unaryPlace = glyph == "|" ? insideBars : glyph != ")" && glyph != "%";
        break;
      }
      case PieceKind::Space: {
        const std::size_t blanks = std::max<std::size_t>(piece.text.size(), 1);
        runs.Text(std::string(style.mono ? blanks : std::min<std::size_t>(blanks, 2), ' '), style);
        break;
      }
      case PieceKind::Fraction: {
        const std::string math = FractionMath(piece.fraction, style.answer);
        if (math.empty())
          runs.Text(layout::WithDecimalCommas(FractionText(piece.fraction)), style);
        else
          runs.Math(math);
        unaryPlace = false;
        break;
      }
      case PieceKind::Answer:
        if (slot == nullptr) break;
        runs.Gap(style);
        AppendSlot(runs, *slot, style);
        break;
    }
  }
}

std::string FractionMath(const sheet::StackedFraction& f, bool answer) {
  std::string numerator;
  std::string denominator;
  if (!AppendMathExpression(numerator, f.numerator, answer) ||
      !AppendMathExpression(denominator, f.denominator, answer))
    return {};
  std::string math;
  if (f.negative) AppendMathRun(math, "−", answer ? "b" : "", answer);
  AppendMathExpression(math, f.whole, answer);
  math += "<m:f><m:num>" + numerator + "</m:num><m:den>" + denominator + "</m:den></m:f>";
  if (f.frame == sheet::FractionFrame::Bars)
    math = "<m:d><m:dPr><m:begChr m:val=\"|\"/><m:endChr m:val=\"|\"/></m:dPr><m:e>" + math +
           "</m:e></m:d>";
  else if (f.frame == sheet::FractionFrame::Brackets)
    math = "<m:d><m:e>" + math + "</m:e></m:d>";
  return "<m:oMath>" + math + "</m:oMath>";
}

}  // namespace mathsheets::docx
