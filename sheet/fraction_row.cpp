#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "sheet/read_worksheet.h"
#include "sheet/row_shapes.h"

namespace mathsheets::sheet {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// How far a text may stand beside its bar and still belong to it: the answer columns of a teacher
// line start one column after the bar when the student's numerator line is longer than its bar
// line.
constexpr std::size_t kNearestBarReach = 2;

struct Span {
  std::size_t first = 0;  // columns, in bytes: these lines hold only ASCII
  std::size_t last = 0;
};

struct Bar {
  Span columns;
  std::vector<Span> above;
  std::vector<Span> below;
};

char At(std::string_view line, std::size_t column) {
  return column < line.size() ? line[column] : ' ';
}

// A line as columns, one a character: the file has one byte a character, UTF-8 up to three.
struct Columns {
  std::string_view text;
  std::string shape;                // a character a column; anything outside ASCII as DEL
  std::vector<std::size_t> offset;  // where each column starts in `text`, and the end

  explicit Columns(std::string_view line) : text(line) {
    for (std::size_t i = 0; i < line.size();) {
      const auto lead = static_cast<unsigned char>(line[i]);
      offset.push_back(i);
      shape.push_back(lead < 0x80 ? line[i] : '\x7f');
      i += lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    }
    offset.push_back(line.size());
  }

  std::string_view Text(std::size_t first, std::size_t end) const {
    first = std::min(first, shape.size());
    end = std::min(end, shape.size());
    return text.substr(offset[first], offset[end] - offset[first]);
  }
};

// The runs of characters other than blanks, leaving out a "|" that stands over a "|" of the bar
// line (the frame of an absolute value is drawn on all three lines).
std::vector<Span> Words(std::string_view line, std::string_view bars) {
  std::vector<Span> words;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ' ' || (line[i] == '|' && At(bars, i) == '|')) continue;
    std::size_t end = i;
    while (end + 1 < line.size() && line[end + 1] != ' ' &&
           !(line[end + 1] == '|' && At(bars, end + 1) == '|'))
      ++end;
    words.push_back({i, end});
    i = end;
  }
  return words;
}

std::size_t Overlap(Span a, Span b) {
  const std::size_t first = std::max(a.first, b.first);
  const std::size_t last = std::min(a.last, b.last);
  return first <= last ? last - first + 1 : 0;
}

std::size_t Distance(Span a, Span b) {
  if (Overlap(a, b) > 0) return 0;
  return a.last < b.first ? b.first - a.last : a.first - b.last;
}

// Gives every word to the bar it stands over most, or to the nearest one close by.
bool AssignWords(const std::vector<Span>& words, std::vector<Bar>& bars, bool aboveBars,
                 bool barsEndLine) {
  for (Span word : words) {
    Bar* best = nullptr;
    std::size_t bestOverlap = 0;
    std::size_t bestDistance = kNearestBarReach + 1;
    for (Bar& bar : bars) {
      const std::size_t overlap = Overlap(word, bar.columns);
      const std::size_t distance = Distance(word, bar.columns);
      if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
        best = &bar;
        bestOverlap = overlap;
        bestDistance = distance;
      }
    }
    // Past the last bar, when nothing but blanks follows it on the bar line: the answer's
    // columns of a teacher's line stand further right than its bar.
    if (best == nullptr && !bars.empty() && word.first > bars.back().columns.last && barsEndLine)
      best = &bars.back();
    if (best == nullptr) return false;
    (aboveBars ? best->above : best->below).push_back(word);
  }
  return true;
}

std::string TextOf(const Columns& line, const std::vector<Span>& words) {
  if (words.empty()) return {};
  return std::string(line.Text(words.front().first, words.back().last + 1));
}

// A run of "-" in the bar line is a bar; a lone "-" with blanks over and under it is a minus sign.
std::vector<Bar> FindBars(std::string_view numerators, std::string_view bars,
                          std::string_view denominators) {
  std::vector<Bar> found;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    if (bars[i] != '-') continue;
    std::size_t end = i;
    while (end + 1 < bars.size() && bars[end + 1] == '-') ++end;
    // Two or more are a bar even when the texts stand beside it; one needs a digit or a letter
    // over it and under it, or a column beside (the answer's numerator may stand one column
    // off), two after the whole part of a mixed number.
    // So may the bar of an answer after "=", when the student's numerator line is the longer.
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t previous = i;
    while (previous > 0 && bars[previous - 1] == ' ') --previous;
    const bool afterEquals = previous > 0 && bars[previous - 1] == '=' && !isDigit(At(bars, i + 1));
    const std::size_t reach = (i > 0 && isDigit(bars[i - 1])) || afterEquals ? 2 : 1;
    const auto nearText = [i, reach](std::string_view line) {
      for (std::size_t c = i < reach ? 0 : i - reach; c <= i + reach; ++c) {
        const char ch = At(line, c);
        if ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))
          return true;
      }
      return false;
    };
    // The bar of an answer that ends the bar line takes what stands anywhere to its right.
    const auto textFrom = [i](std::string_view line) {
      return line.size() + 1 > i &&
             line.find_first_not_of(' ', i == 0 ? 0 : i - 1) != std::string_view::npos;
    };
    const bool endsLine = bars.find_first_not_of(' ', i + 1) == std::string_view::npos;
    const bool covered =
        end > i || (nearText(numerators) && nearText(denominators)) ||
        (afterEquals && endsLine && textFrom(numerators) && textFrom(denominators));
    if (covered) found.push_back({{i, end}, {}, {}});
    i = end;
  }
  return found;
}

// The sign before a fraction: a "-" after an opening bracket, a bar of absolute value, an "=" or
// the start of the line, rather than between two terms.
bool IsSignOfNext(const std::vector<Piece>& pieces) {
  for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
    if (it->kind == PieceKind::Space) continue;
    return it->kind == PieceKind::Operator &&
           (it->text == "(" || it->text == "|" || it->text == "=");
  }
  return true;
}

void DropTrailingSpace(std::vector<Piece>& pieces) {
  while (!pieces.empty() && pieces.back().kind == PieceKind::Space) pieces.pop_back();
}

bool IsOperator(const Piece& piece, std::string_view sign) {
  return piece.kind == PieceKind::Operator && piece.text == sign;
}

// Folds a minus sign written before a fraction, and the "( )" or "| |" around it, into the
// fraction.
void FoldSignsAndFrames(std::vector<Piece>& pieces) {
  std::vector<Piece> folded;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    Piece piece = pieces[i];
    if (piece.kind != PieceKind::Fraction) {
      folded.push_back(std::move(piece));
      continue;
    }
    const auto skipBlanks = [&folded](std::size_t at) {
      while (at > 0 && folded[at - 1].kind == PieceKind::Space) --at;
      return at;
    };
    std::size_t keep = skipBlanks(folded.size());
    if (keep > 0 && IsOperator(folded[keep - 1], "-") &&
        IsSignOfNext({folded.begin(), folded.begin() + static_cast<std::ptrdiff_t>(keep - 1)})) {
      piece.fraction.negative = true;
      keep = skipBlanks(keep - 1);
    } else {
      keep = folded.size();
    }
    std::size_t after = i + 1;
    while (after < pieces.size() && pieces[after].kind == PieceKind::Space) ++after;
    const std::size_t opener = skipBlanks(keep);
    for (const auto& [open, close, frame] :
         {std::tuple{"(", ")", FractionFrame::Brackets}, {"|", "|", FractionFrame::Bars}}) {
      if (opener > 0 && IsOperator(folded[opener - 1], open) && after < pieces.size() &&
          IsOperator(pieces[after], close)) {
        piece.fraction.frame = frame;
        keep = opener - 1;
        i = after;
        break;
      }
    }
    folded.resize(keep);
    folded.push_back(std::move(piece));
  }
  pieces = std::move(folded);
}

// An "x" standing alone between two fractions is the times sign, not the unknown.
void MarkTimesBetweenFractions(std::vector<Piece>& pieces) {
  const auto neighbour = [&pieces](std::size_t at, int step) -> const Piece* {
    for (auto i = static_cast<std::ptrdiff_t>(at) + step;
         i >= 0 && i < static_cast<std::ptrdiff_t>(pieces.size()); i += step)
      if (pieces[static_cast<std::size_t>(i)].kind != PieceKind::Space)
        return &pieces[static_cast<std::size_t>(i)];
    return nullptr;
  };
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].kind != PieceKind::Letter || pieces[i].text != "x") continue;
    const Piece* before = neighbour(i, -1);
    const Piece* after = neighbour(i, 1);
    if (before != nullptr && after != nullptr &&
        (before->kind == PieceKind::Fraction || before->kind == PieceKind::Number) &&
        (after->kind == PieceKind::Fraction || IsOperator(*after, "(")))
      pieces[i].kind = PieceKind::Operator;
  }
}

}  // namespace

std::optional<Row> ReadFractionRow(std::string_view numeratorLine, std::string_view barLine,
                                   std::string_view denominatorLine) {
  // Most lines are no fractions: no bar, or an "=" outside the bar line.
  if (barLine.find('-') == std::string_view::npos ||
      numeratorLine.find('=') != std::string_view::npos ||
      denominatorLine.find('=') != std::string_view::npos ||
      numeratorLine.find_first_not_of(' ') == std::string_view::npos)
    return std::nullopt;
  const Columns numeratorColumns(numeratorLine);
  const Columns barColumns(barLine);
  const Columns denominatorColumns(denominatorLine);
  const std::string_view numerators = numeratorColumns.shape;
  const std::string_view bars = barColumns.shape;
  const std::string_view denominators = denominatorColumns.shape;
  std::vector<Bar> found = FindBars(numerators, bars, denominators);
  if (found.empty()) return std::nullopt;
  const bool lastBarEndsLine =
      bars.find_first_not_of(' ', found.back().columns.last + 1) == std::string_view::npos;
  if (!AssignWords(Words(numerators, bars), found, true, lastBarEndsLine) ||
      !AssignWords(Words(denominators, bars), found, false, lastBarEndsLine))
    return std::nullopt;
  for (const Bar& bar : found)
    if (bar.above.empty() || bar.below.empty()) return std::nullopt;

  Row row;
  std::vector<Piece>& pieces = row.pieces;
  std::size_t column = 0;
  std::size_t nextBar = 0;
  while (column < bars.size()) {
    if (nextBar < found.size() && column == found[nextBar].columns.first) {
      const Bar& bar = found[nextBar++];
      Piece fraction{PieceKind::Fraction, {}, {}};
      fraction.fraction.numerator = TextOf(numeratorColumns, bar.above);
      fraction.fraction.denominator = TextOf(denominatorColumns, bar.below);
      // A negative answer may carry its minus on the numerator line.
      std::string& numerator = fraction.fraction.numerator;
      if (numerator.size() > 1 && numerator.front() == '-' &&
          numerator.find_first_not_of("0123456789", 1) == std::string::npos) {
        numerator.erase(0, 1);
        fraction.fraction.negative = true;
      }
      // Digits written right before the bar are the whole part of a mixed number.
      if (!pieces.empty() && pieces.back().kind == PieceKind::Number && column > 0 &&
          IsDigit(bars[column - 1])) {
        fraction.fraction.whole = pieces.back().text;
        pieces.pop_back();
      }
      pieces.push_back(std::move(fraction));
      column = bar.columns.last + 1;
      continue;
    }
    // Up to the next bar, the bar line is text: operators, whole parts, brackets, "=".
    const std::size_t end = nextBar < found.size() ? found[nextBar].columns.first : bars.size();
    std::vector<Piece> between = SplitPieces(barColumns.Text(column, end));
    for (Piece& piece : between) {
      if (piece.kind == PieceKind::Text && piece.text.empty()) continue;
      pieces.push_back(std::move(piece));
    }
    column = end;
  }
  FoldSignsAndFrames(pieces);
  MarkTimesBetweenFractions(pieces);
  DropTrailingSpace(pieces);
  return row;
}

namespace {

std::vector<Piece> WithoutSpace(const Row& row) {
  std::vector<Piece> pieces;
  for (const Piece& piece : row.pieces)
    if (piece.kind != PieceKind::Space) pieces.push_back(piece);
  return pieces;
}

}  // namespace

bool SameMaths(const Row& a, const Row& b) {
  return WithoutSpace(a) == WithoutSpace(b);
}

}  // namespace mathsheets::sheet
