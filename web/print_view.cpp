#include "print_view.h"

#include <string_view>
#include <vector>

#include "sheet/read_worksheet.h"

namespace mathsheets::web {

namespace {

using sheet::FractionFrame;
using sheet::Item;
using sheet::ItemKind;
using sheet::Piece;
using sheet::PieceKind;
using sheet::Row;
using sheet::StackedFraction;

constexpr std::string_view kNameLine = "Фамилия, имя ____________  Класс ______  Дата ________";
constexpr std::string_view kMinus = "−";
constexpr std::string_view kTimes = "·";
// An exercise this long or longer reads better alone on its line than in a column.
constexpr std::size_t kShortRow = 34;

void Escape(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
}

bool IsTimes(std::string_view sign) {
  return sign == "x" || sign == "х" || sign == "•" || sign == "*";
}

std::string_view PrintedSign(std::string_view sign) {
  if (sign == "-") return kMinus;
  if (IsTimes(sign)) return kTimes;
  return sign;
}

// A number keeps its digits; a leading minus is set as the minus sign.
void Number(std::string& out, std::string_view text) {
  if (text.starts_with('-')) {
    out += kMinus;
    text.remove_prefix(1);
  }
  Escape(out, text);
}

// A numerator or denominator in MathML: numbers, letters and signs as their own tokens.
void MathText(std::string& out, std::string_view text) {
  const std::vector<Piece> pieces = sheet::SplitPieces(text);
  out += "<mrow>";
  for (const Piece& piece : pieces) {
    switch (piece.kind) {
      case PieceKind::Number:
        out += "<mn>";
        Escape(out, piece.text);
        out += "</mn>";
        break;
      case PieceKind::Letter:
        out += "<mi>";
        Escape(out, piece.text);
        out += "</mi>";
        break;
      case PieceKind::Operator:
        out += "<mo>";
        Escape(out, PrintedSign(piece.text));
        out += "</mo>";
        break;
      case PieceKind::Space:
        break;
      default:
        out += "<mtext>";
        Escape(out, piece.text);
        out += "</mtext>";
    }
  }
  out += "</mrow>";
}

void FractionMath(std::string& out, const StackedFraction& f) {
  out += "<math><mrow>";
  if (f.frame == FractionFrame::Bars) out += "<mo fence=\"true\">|</mo>";
  if (f.frame == FractionFrame::Brackets) out += "<mo fence=\"true\">(</mo>";
  // The sign of the fraction, set close to it, not spaced as a subtraction.
  if (f.negative) out += "<mo form=\"prefix\" lspace=\"0\" rspace=\"0\">−</mo>";
  if (!f.whole.empty()) MathText(out, f.whole);
  out += "<mfrac>";
  MathText(out, f.numerator);
  MathText(out, f.denominator);
  out += "</mfrac>";
  if (f.frame == FractionFrame::Brackets) out += "<mo fence=\"true\">)</mo>";
  if (f.frame == FractionFrame::Bars) out += "<mo fence=\"true\">|</mo>";
  out += "</mrow></math>";
}

void Pieces(std::string& out, const std::vector<Piece>& pieces, bool columns, const Row* answer,
            bool teacher);

void AnswerPlace(std::string& out, const Row* answer, bool teacher) {
  if (!teacher || answer == nullptr || answer->pieces.empty()) {
    out += "<span class=\"blank\"></span>";
    return;
  }
  out += "<span class=\"answer\">";
  Pieces(out, answer->pieces, answer->columns, nullptr, teacher);
  out += "</span>";
}

void Pieces(std::string& out, const std::vector<Piece>& pieces, bool columns, const Row* answer,
            bool teacher) {
  for (const Piece& piece : pieces) {
    switch (piece.kind) {
      case PieceKind::Number:
        Number(out, piece.text);
        break;
      case PieceKind::Letter:
        out += "<i>";
        Escape(out, piece.text);
        out += "</i>";
        break;
      case PieceKind::Operator:
        if (IsTimes(piece.text) || piece.text == "-" || piece.text == "=" || piece.text == "+") {
          out += "<span class=\"op\">";
          Escape(out, PrintedSign(piece.text));
          out += "</span>";
        } else {
          Escape(out, piece.text);
        }
        break;
      case PieceKind::Space:
        // A table's blanks keep its columns; elsewhere one blank is enough.
        if (columns)
          Escape(out, piece.text);
        else
          out += ' ';
        break;
      case PieceKind::Fraction:
        FractionMath(out, piece.fraction);
        break;
      case PieceKind::Answer:
        AnswerPlace(out, answer, teacher);
        break;
      case PieceKind::Text:
        Escape(out, piece.text);
        break;
    }
  }
}

bool HasAnswerPlace(const Row& row) {
  for (const Piece& piece : row.pieces)
    if (piece.kind == PieceKind::Answer) return true;
  return false;
}

void Rows(std::string& out, const std::vector<Row>& rows, const Row* answer, bool teacher) {
  bool placed = false;
  for (const Row& row : rows) {
    out += row.columns ? "<div class=\"line mono\">" : "<div class=\"line\">";
    Pieces(out, row.pieces, row.columns, answer, teacher);
    placed = placed || HasAnswerPlace(row);
    out += "</div>";
  }
  // An answer the task has no place for goes on a line of its own.
  if (!placed && answer != nullptr && !answer->pieces.empty()) {
    out += "<div class=\"line\">";
    AnswerPlace(out, answer, teacher);
    out += "</div>";
  }
}

void TextLines(std::string& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    out += "<div class=\"line text\">";
    Escape(out, line);
    out += "</div>";
  }
}

std::size_t RowLength(const Row& row) {
  std::size_t length = 0;
  for (const Piece& piece : row.pieces)
    length += piece.kind == PieceKind::Fraction ? 4 : piece.text.size();
  return length;
}

// Two columns of short exercises, one of long ones and of word problems.
bool ShortExercises(const sheet::Worksheet& sheet) {
  for (const sheet::Variant& variant : sheet.variants)
    for (const Item& item : variant.items) {
      if (item.kind == ItemKind::Problem) return false;
      for (const Row& row : item.task)
        if (RowLength(row) >= kShortRow || row.columns) return false;
    }
  return true;
}

std::string_view ColumnsClass(const sheet::Worksheet& sheet, sheet::ExerciseColumns columns) {
  switch (columns) {
    case sheet::ExerciseColumns::One:
      return "columns-1";
    case sheet::ExerciseColumns::Two:
      return "columns-2";
    case sheet::ExerciseColumns::Three:
      return "columns-3";
    case sheet::ExerciseColumns::Auto:
      break;
  }
  return ShortExercises(sheet) ? "columns-2" : "columns-1";
}

std::string_view PerPageClass(sheet::VariantsPerPage perPage) {
  switch (perPage) {
    case sheet::VariantsPerPage::One:
      return "per-page-1";
    case sheet::VariantsPerPage::Two:
      return "per-page-2";
    case sheet::VariantsPerPage::Four:
      return "per-page-4";
    case sheet::VariantsPerPage::Auto:
      break;
  }
  return "per-page-auto";
}

void ItemHtml(std::string& out, const Item& item, int number, bool teacher) {
  switch (item.kind) {
    case ItemKind::Exercise:
      out += "<li class=\"exercise\"><span class=\"number\">" + std::to_string(number) +
             ")</span><div class=\"task\">";
      Rows(out, item.task, &item.answer, teacher);
      if (teacher && !item.solution.empty()) Rows(out, item.solution, nullptr, teacher);
      out += "</div></li>";
      break;
    case ItemKind::Problem:
      out += "<li class=\"problem\"><span class=\"number\">" + std::to_string(number) +
             ")</span><div class=\"task\">";
      Rows(out, item.task, nullptr, teacher);
      out += "<div class=\"line\">Ответ: ";
      AnswerPlace(out, &item.answer, teacher);
      out += "</div></div></li>";
      break;
    case ItemKind::Text: {
      const std::vector<std::string>& lines =
          teacher && !item.teacherLines.empty() ? item.teacherLines : item.studentLines;
      // A separator line of the file leaves nothing to print.
      if (lines.size() == 1 && (lines[0].empty() || lines[0] == " ")) return;
      out += "<li class=\"text\">";
      TextLines(out, lines);
      out += "</li>";
      break;
    }
  }
}

// The "Ответы" grid: a row of answers for each variant, wrapping at the page's edge.
void AnswerKey(std::string& out, const sheet::Worksheet& sheet) {
  out += "<section class=\"key\"><h2>Ответы</h2>";
  for (const sheet::Variant& variant : sheet.variants) {
    out += "<div class=\"key-variant\"><h3>Вариант ";
    Escape(out, variant.number);
    out += "</h3><ol class=\"key-answers\">";
    int number = 0;
    for (const sheet::Item& item : variant.items) {
      if (item.kind == ItemKind::Text) continue;
      out += "<li>" + std::to_string(++number) + ") ";
      if (!item.answer.pieces.empty())
        Pieces(out, item.answer.pieces, false, nullptr, true);
      else if (!item.solution.empty())
        Pieces(out, item.solution.back().pieces, false, nullptr, true);
      out += "</li>";
    }
    out += "</ol></div>";
  }
  out += "</section>";
}

}  // namespace

std::string PrintViewHtml(const sheet::Worksheet& sheet, bool teacher,
                          const sheet::PrintLayout& layout) {
  std::string out = "<div class=\"sheet ";
  out += ColumnsClass(sheet, layout.columns);
  out += ' ';
  out += PerPageClass(layout.perPage);
  if (layout.largePrint) out += " large";
  out += teacher ? " teacher\">" : " student\">";
  out += "<p class=\"stamp\">";
  Escape(out, teacher ? sheet.teacherStamp : sheet.studentStamp);
  out += "</p>";
  // Lines before the first variant, which only a hand edit leaves.
  for (const sheet::Item& item : sheet.preamble)
    TextLines(out, teacher && !item.teacherLines.empty() ? item.teacherLines : item.studentLines);
  for (const sheet::Variant& variant : sheet.variants) {
    out += "<section class=\"variant\"><h2>Вариант ";
    Escape(out, variant.number);
    out += "</h2>";
    if (!teacher) {
      out += "<p class=\"name-line\">";
      out += kNameLine;
      out += "</p>";
    }
    out += "<ol class=\"exercises\">";
    int number = 0;
    for (const sheet::Item& item : variant.items)
      ItemHtml(out, item, item.kind == ItemKind::Text ? number : ++number, teacher);
    out += "</ol></section>";
  }
  if (teacher && layout.answerKey) AnswerKey(out, sheet);
  out += "</div>";
  return out;
}

}  // namespace mathsheets::web
