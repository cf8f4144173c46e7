#include "marking/pasted_codes.h"

#include <optional>

namespace mathsheets::marking {

namespace {

constexpr std::size_t kShortestCode = 16;
// The longest code: 69 characters of data (127 items, a class and a name of 24 letters) and two
// check characters, in groups of five. More pieces, or more characters and dashes, are no code.
constexpr std::size_t kLongestCode = 71;
constexpr std::size_t kMostPieces = (kLongestCode + 4) / 5;

bool IsCodeCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The blanks a dash may stand before when a code goes on, on the next line or after a space.
std::size_t BlankLength(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size()) {
    if (text[end] == ' ' || text[end] == '\t' || text[end] == '\r' || text[end] == '\n') {
      ++end;
    } else if (text.substr(end).starts_with("\xC2\xA0")) {
      end += 2;
    } else {
      break;
    }
  }
  return end - at;
}

// From `at`, a piece of a code: characters, dashes between them; it may end in a dash that blanks
// and more characters follow. Returns its end.
std::size_t PieceEnd(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size()) {
    if (IsCodeCharacter(text[end])) {
      ++end;
    } else if (text[end] == '-' && end + 1 < text.size() && IsCodeCharacter(text[end + 1])) {
      ++end;
    } else if (text[end] == '-') {
      const std::size_t blank = BlankLength(text, end + 1);
      if (blank > 0 && end + 1 + blank < text.size() && IsCodeCharacter(text[end + 1 + blank]))
        return end + 1;  // the dash belongs to this piece, the next piece starts after the blanks
      return end;
    } else {
      return end;
    }
  }
  return end;
}

// A piece of a code in the pasted text, and what tells whether pieces may be a code: 16 or more
// characters with a digit among them.
struct Piece {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t characters = 0;
  bool digit = false;
};
using Pieces = std::vector<Piece>;

Piece PieceAt(std::string_view text, std::size_t at) {
  Piece piece{at, PieceEnd(text, at), 0, false};
  for (std::size_t k = piece.begin; k < piece.end; ++k) {
    if (IsCodeCharacter(text[k])) ++piece.characters;
    piece.digit = piece.digit || (text[k] >= '0' && text[k] <= '9');
  }
  return piece;
}

// The pieces [from, from + count) joined, or nothing when they do not look like a code.
std::optional<std::string> Joined(std::string_view text, const Pieces& pieces, std::size_t from,
                                  std::size_t count) {
  std::size_t characters = 0;
  bool digit = false;
  for (std::size_t k = from; k < from + count; ++k) {
    characters += pieces[k].characters;
    digit = digit || pieces[k].digit;
  }
  if (characters < kShortestCode || !digit) return std::nullopt;
  std::string joined;
  for (std::size_t k = from; k < from + count; ++k)
    joined += text.substr(pieces[k].begin, pieces[k].end - pieces[k].begin);
  return joined;
}

// The most pieces from `from` on that read as a code, with their reading; 0 when none do.
std::size_t CodeFrom(std::string_view text, const Pieces& pieces, std::size_t from,
                     FoundCode& found) {
  for (std::size_t count = pieces.size() - from; count > 0; --count) {
    std::optional<std::string> joined = Joined(text, pieces, from, count);
    if (!joined) continue;
    CodeReading reading = DecodeResultCode(*joined);
    if (reading.code) {
      found = {std::move(*joined), std::move(reading)};
      return count;
    }
  }
  return 0;
}

}  // namespace

std::vector<FoundCode> FindCodes(std::string_view pasted) {
  std::vector<FoundCode> found;
  std::size_t i = 0;
  while (i < pasted.size()) {
    const bool starts = IsCodeCharacter(pasted[i]) && (i == 0 || !IsCodeCharacter(pasted[i - 1]));
    if (!starts) {
      ++i;
      continue;
    }
    // The pieces of a code that may go on after a dash and a line break, no more than the
    // longest code has: a text of many short pieces is read in linear time.
    Pieces pieces;
    std::size_t length = 0;
    std::size_t at = i;
    while (true) {
      const Piece piece = PieceAt(pasted, at);
      length += piece.end - piece.begin;
      if (!pieces.empty() &&
          (pieces.size() == kMostPieces || length > kLongestCode + kMostPieces - 1))
        break;
      pieces.push_back(piece);
      if (pasted[piece.end - 1] != '-') break;
      at = piece.end + BlankLength(pasted, piece.end);
    }
    // The most pieces that read as a code. Failing that, a code that starts at a later piece
    // (after a word or a broken code that ends in a dash) is read from there, the pieces before
    // it listed when they look like a code; failing that too, the first piece alone when it
    // looks like one, else all of them.
    FoundCode code;
    std::size_t used = CodeFrom(pasted, pieces, 0, code);
    if (used > 0) {
      found.push_back(std::move(code));
      i = pieces[used - 1].end;
      continue;
    }
    std::size_t later = 1;
    while (later < pieces.size() && CodeFrom(pasted, pieces, later, code) == 0) ++later;
    used = later < pieces.size() ? later : Joined(pasted, pieces, 0, 1) ? 1 : pieces.size();
    if (const std::optional<std::string> text = Joined(pasted, pieces, 0, used))
      found.push_back({*text, DecodeResultCode(*text)});
    i = used < pieces.size() ? pieces[used].begin : pieces[used - 1].end;
  }
  return found;
}

}  // namespace mathsheets::marking
