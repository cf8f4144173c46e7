#include "marking/code_letters.h"

#include <array>

namespace mathsheets::marking {

namespace {

// The letters in code order, capital and small, as UTF-8; a Latin lookalike after a '|' for the
// Russian letters that have one.
struct Letter {
  std::string_view capital;
  std::string_view small;
  std::string_view latinCapital;  // the Latin letter it stands for in a Latin word, if any
  std::string_view latinSmall;
};

constexpr std::size_t kFirstLatin = 44;  // the 14 Latin letters of their own
constexpr std::size_t kOther = 63;       // "?"

constexpr std::array<Letter, kCodeLetterCount> kLetters = {{
    {" ", " ", "", ""},   {"А", "а", "A", "a"}, {"Б", "б", "", ""},   {"В", "в", "B", "b"},
    {"Г", "г", "", ""},   {"Д", "д", "", ""},   {"Е", "е", "E", "e"}, {"Ё", "ё", "", ""},
    {"Ж", "ж", "", ""},   {"З", "з", "", ""},   {"И", "и", "", ""},   {"Й", "й", "", ""},
    {"К", "к", "K", "k"}, {"Л", "л", "", ""},   {"М", "м", "M", "m"}, {"Н", "н", "H", "h"},
    {"О", "о", "O", "o"}, {"П", "п", "", ""},   {"Р", "р", "P", "p"}, {"С", "с", "C", "c"},
    {"Т", "т", "T", "t"}, {"У", "у", "Y", "y"}, {"Ф", "ф", "", ""},   {"Х", "х", "X", "x"},
    {"Ц", "ц", "", ""},   {"Ч", "ч", "", ""},   {"Ш", "ш", "", ""},   {"Щ", "щ", "", ""},
    {"Ъ", "ъ", "", ""},   {"Ы", "ы", "", ""},   {"Ь", "ь", "", ""},   {"Э", "э", "", ""},
    {"Ю", "ю", "", ""},   {"Я", "я", "", ""},   {"0", "0", "", ""},   {"1", "1", "", ""},
    {"2", "2", "", ""},   {"3", "3", "", ""},   {"4", "4", "", ""},   {"5", "5", "", ""},
    {"6", "6", "", ""},   {"7", "7", "", ""},   {"8", "8", "", ""},   {"9", "9", "", ""},
    {"D", "d", "", ""},   {"F", "f", "", ""},   {"G", "g", "", ""},   {"I", "i", "", ""},
    {"J", "j", "", ""},   {"L", "l", "", ""},   {"N", "n", "", ""},   {"Q", "q", "", ""},
    {"R", "r", "", ""},   {"S", "s", "", ""},   {"U", "u", "", ""},   {"V", "v", "", ""},
    {"W", "w", "", ""},   {"Z", "z", "", ""},   {"-", "-", "", ""},   {".", ".", "", ""},
    {"'", "'", "", ""},   {"<", "<", "", ""},   {">", ">", "", ""},   {"?", "?", "", ""},
}};

// Other letters a pupil may type, stored as the one they look like or stand for.
constexpr std::pair<std::string_view, std::size_t> kAlso[] = {
    {"І", 47}, {"і", 47}, {"Ї", 47}, {"ї", 47}, {"Є", 6},  {"є", 6},  {"Ґ", 4},  {"ґ", 4},
    {"Ў", 21}, {"ў", 21}, {"’", 60}, {"ʼ", 60}, {"`", 60}, {"‐", 58}, {"–", 58}, {"—", 58},
};

// The number of the letter at the start of `text` and its length in bytes.
std::pair<std::size_t, std::size_t> LetterAt(std::string_view text) {
  for (std::size_t k = 0; k < kLetters.size(); ++k) {
    const Letter& l = kLetters[k];
    for (const std::string_view form : {l.capital, l.small, l.latinCapital, l.latinSmall})
      if (!form.empty() && text.starts_with(form)) return {k, form.size()};
  }
  for (const auto& [form, k] : kAlso)
    if (text.starts_with(form)) return {k, form.size()};
  // Any other character, whole: a lead byte and its continuation bytes.
  std::size_t length = 1;
  while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0U) == 0x80U)
    ++length;
  return {kOther, length};
}

bool IsBlank(std::string_view text) {
  return text.starts_with(' ') || text.starts_with('\t') || text.starts_with('\n') ||
         text.starts_with('\r') || text.starts_with("\xC2\xA0");
}

// Words with a Latin letter of their own and no Russian one are written in Latin.
std::string ForTable(const std::vector<std::uint8_t>& symbols, bool capitalizeWords) {
  std::string text;
  std::size_t start = 0;
  while (start < symbols.size()) {
    std::size_t end = start;
    while (end < symbols.size() && symbols[end] != 0) ++end;
    bool latin = false;
    bool russian = false;
    for (std::size_t i = start; i < end; ++i) {
      const Letter& l = kLetters[symbols[i]];
      latin = latin || (symbols[i] >= kFirstLatin && symbols[i] < kFirstLatin + 14);
      russian = russian || (symbols[i] >= 1 && symbols[i] <= 33 && l.latinCapital.empty());
    }
    bool first = true;
    for (std::size_t i = start; i < end; ++i) {
      const Letter& l = kLetters[symbols[i]];
      const bool capital = !capitalizeWords || first;
      const bool asLatin = latin && !russian && !l.latinCapital.empty();
      text += asLatin ? (capital ? l.latinCapital : l.latinSmall) : (capital ? l.capital : l.small);
      // The first letter of a word is a capital, and after a hyphen or an apostrophe a name
      // starts again: "Римский-Корсаков", "O'Neil"; signs before a letter leave it a capital.
      const bool letter =
          symbols[i] >= 1 && symbols[i] < 58 && !(symbols[i] >= 34 && symbols[i] < 44);
      first = symbols[i] == 58 || symbols[i] == 60 || (first && !letter);
    }
    if (end < symbols.size()) text += ' ';
    start = end + 1;
  }
  return text;
}

}  // namespace

std::string CodeLettersOf(std::string_view typed, std::size_t most,
                          std::vector<std::uint8_t>* symbols) {
  std::vector<std::uint8_t> letters;
  bool blank = false;
  while (!typed.empty() && letters.size() < most) {
    if (IsBlank(typed)) {
      blank = true;
      typed.remove_prefix(typed.starts_with("\xC2\xA0") ? 2 : 1);
      continue;
    }
    const auto [k, length] = LetterAt(typed);
    typed.remove_prefix(length);
    if (letters.empty() && k == 58) continue;
    if (blank && !letters.empty()) {
      letters.push_back(0);
      if (letters.size() >= most) break;
    }
    blank = false;
    letters.push_back(static_cast<std::uint8_t>(k));
  }
  if (!letters.empty() && letters.back() == 0) letters.pop_back();
  const std::string text = TextOfCodeLetters(letters);
  if (symbols != nullptr) *symbols = std::move(letters);
  return text;
}

std::string TextOfCodeLetters(const std::vector<std::uint8_t>& symbols) {
  std::string text;
  for (const std::uint8_t k : symbols) text += kLetters[k % kCodeLetterCount].capital;
  return text;
}

std::string NameForTable(const std::vector<std::uint8_t>& symbols) {
  return ForTable(symbols, true);
}

std::string ClassForTable(const std::vector<std::uint8_t>& symbols) {
  return ForTable(symbols, false);
}

}  // namespace mathsheets::marking
