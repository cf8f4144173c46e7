#include <string>
#include <string_view>
#include <vector>

#include "sheet/read_worksheet.h"
#include "sheet/row_shapes.h"

namespace mathsheets::sheet {

namespace {

constexpr std::string_view kOperatorSigns = "+-=<>:()|%*/";
constexpr std::string_view kCyrillicTimes = "\xD1\x85";  // х, the multiplication sign of some files
constexpr std::string_view kBullet = "\xE2\x80\xA2";     // •

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLatin(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// The first byte of a Cyrillic letter in UTF-8 (U+0400 to U+047F).
bool IsCyrillicLead(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte == 0xD0 || byte == 0xD1;
}

// The length of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80) return 1;
  if (byte >= 0xF0) return 4;
  if (byte >= 0xE0) return 3;
  return 2;
}

// The character before `at` that is not a blank, or 0.
char PreviousNonBlank(std::string_view line, std::size_t at) {
  while (at > 0 && line[at - 1] == ' ') --at;
  return at == 0 ? '\0' : line[at - 1];
}

// An "x" (or Cyrillic "х") between a number or a closing bracket and what it multiplies is the
// times sign; anywhere else it is the unknown x.
bool IsTimesSign(std::string_view line, std::size_t at, std::size_t length) {
  const char before = at == 0 ? '\0' : line[at - 1];
  if (!IsDigit(before) && before != ')' && PreviousNonBlank(line, at) != ')') return false;
  std::size_t next = at + length;
  while (next < line.size() && line[next] == ' ') ++next;
  if (next >= line.size()) return false;
  const char after = line[next];
  if (next > at + length) return IsDigit(after) || after == '(';  // "(3 час 33 мн)x 9"
  return IsDigit(after) || after == '(' || after == '|' || (IsLatin(after) && after != 'x');
}

void Append(std::vector<Piece>& pieces, PieceKind kind, std::string_view text) {
  if (kind == PieceKind::Text && !pieces.empty() && pieces.back().kind == PieceKind::Text) {
    pieces.back().text += text;
    return;
  }
  pieces.push_back({kind, std::string(text), {}});
}

}  // namespace

std::vector<Piece> SplitPieces(std::string_view line) {
  std::vector<Piece> pieces;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    std::size_t end = i + 1;
    if (c == ' ') {
      while (end < line.size() && line[end] == ' ') ++end;
      Append(pieces, PieceKind::Space, line.substr(i, end - i));
    } else if (IsDigit(c)) {
      while (
          end < line.size() &&
          (IsDigit(line[end]) || ((line[end] == ',' || line[end] == '.') && end + 1 < line.size() &&
                                  IsDigit(line[end + 1]) && IsDigit(line[end - 1]))))
        ++end;
      Append(pieces, PieceKind::Number, line.substr(i, end - i));
    } else if (c == 'x' && IsTimesSign(line, i, 1)) {
      Append(pieces, PieceKind::Operator, "x");
    } else if (line.substr(i).starts_with(kCyrillicTimes) &&
               IsTimesSign(line, i, kCyrillicTimes.size())) {
      end = i + kCyrillicTimes.size();
      Append(pieces, PieceKind::Operator, kCyrillicTimes);
    } else if (line.substr(i).starts_with(kBullet)) {
      end = i + kBullet.size();
      Append(pieces, PieceKind::Operator, kBullet);
    } else if (IsLatin(c)) {
      while (end < line.size() && IsLatin(line[end])) ++end;
      // One letter stands for a number; a longer run is a word or a Roman numeral, and so is a
      // Latin letter inside a Cyrillic word ("НОK", "cм"). The "E" of a number written with an
      // exponent is part of that number's text.
      const bool exponent = c == 'E' && i > 0 && IsDigit(line[i - 1]) && end < line.size() &&
                            (line[end] == '-' || line[end] == '+');
      const bool inWord = (i >= 2 && IsCyrillicLead(line[i - 2])) ||
                          (end < line.size() && IsCyrillicLead(line[end]));
      Append(pieces, end - i == 1 && !exponent && !inWord ? PieceKind::Letter : PieceKind::Text,
             line.substr(i, end - i));
    } else if (kOperatorSigns.find(c) != std::string_view::npos) {
      Append(pieces, PieceKind::Operator, line.substr(i, 1));
    } else {
      end = i + SequenceLength(c);
      while (end < line.size() && line[end] != ' ' && !IsDigit(line[end]) && !IsLatin(line[end]) &&
             kOperatorSigns.find(line[end]) == std::string_view::npos &&
             !line.substr(end).starts_with(kBullet))
        end += SequenceLength(line[end]);
      Append(pieces, PieceKind::Text, line.substr(i, std::min(end, line.size()) - i));
    }
    i = std::min(end, line.size());
  }
  return pieces;
}

bool HasColumns(std::string_view line) {
  int wideGaps = 0;
  std::size_t i = line.find_first_not_of(' ');
  while (i != std::string_view::npos && i < line.size()) {
    const std::size_t gap = line.find(' ', i);
    if (gap == std::string_view::npos) break;
    const std::size_t next = line.find_first_not_of(' ', gap);
    if (next == std::string_view::npos) break;
    if (next - gap >= 3) ++wideGaps;
    i = next;
  }
  return wideGaps >= 2;
}

Row TextRow(std::string_view line) {
  return {SplitPieces(line), HasColumns(line)};
}

}  // namespace mathsheets::sheet
