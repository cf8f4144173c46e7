#include "marking/pasted_codes.h"

namespace mathsheets::marking {

namespace {

constexpr std::size_t kShortestCode = 16;

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

bool LooksLikeCode(std::string_view joined) {
  std::size_t characters = 0;
  bool digit = false;
  for (const char c : joined) {
    if (IsCodeCharacter(c)) ++characters;
    digit = digit || (c >= '0' && c <= '9');
  }
  return characters >= kShortestCode && digit;
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
    // The pieces of a code that may go on after a dash and a line break.
    std::vector<std::pair<std::size_t, std::size_t>> pieces;
    std::size_t at = i;
    while (true) {
      const std::size_t end = PieceEnd(pasted, at);
      pieces.emplace_back(at, end);
      if (pasted[end - 1] != '-') break;
      at = end + BlankLength(pasted, end);
    }
    const auto joined = [&](std::size_t count) {
      std::string text;
      for (std::size_t k = 0; k < count; ++k)
        text += pasted.substr(pieces[k].first, pieces[k].second - pieces[k].first);
      return text;
    };
    // The most pieces that read as a code; failing that, the first piece alone when it looks like
    // one, else all of them.
    std::size_t used = 0;
    for (std::size_t count = pieces.size(); count > 0 && used == 0; --count) {
      const std::string text = joined(count);
      if (!LooksLikeCode(text)) continue;
      CodeReading reading = DecodeResultCode(text);
      if (reading.code) {
        found.push_back({text, std::move(reading)});
        used = count;
      }
    }
    if (used == 0) {
      used = LooksLikeCode(joined(1)) ? 1 : pieces.size();
      const std::string text = joined(used);
      if (LooksLikeCode(text)) found.push_back({text, DecodeResultCode(text)});
    }
    i = pieces[used - 1].second;
  }
  return found;
}

}  // namespace mathsheets::marking
