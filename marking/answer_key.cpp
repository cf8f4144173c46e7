#include "marking/answer_key.h"

#include <array>
#include <numeric>
#include <optional>
#include <string_view>

namespace mathsheets::marking {

namespace {

using sheet::Item;
using sheet::ItemKind;
using sheet::Piece;
using sheet::PieceKind;
using sheet::Row;

constexpr std::string_view kMinus = "\xE2\x88\x92";  // U+2212, the minus of printed maths

bool IsOperator(const Piece& piece, std::string_view sign) {
  return piece.kind == PieceKind::Operator && piece.text == sign;
}

// The pieces of a row without its blanks.
std::vector<const Piece*> Solid(const Row& row) {
  std::vector<const Piece*> pieces;
  for (const Piece& piece : row.pieces)
    if (piece.kind != PieceKind::Space) pieces.push_back(&piece);
  return pieces;
}

// A number of the key as a pupil writes it: a decimal comma, the minus of maths.
std::string ShownNumber(std::string_view text, bool negative) {
  std::string shown(negative ? kMinus : "");
  for (const char c : text) shown += c == '.' ? ',' : c;
  return shown;
}

std::string ShownExact(const Exact& value) {
  // Only for keys the files print in another notation: 8.0E-0002 and the like.
  std::string text = value.numerator < 0 ? std::string(kMinus) : "";
  std::int64_t n = value.numerator < 0 ? -value.numerator : value.numerator;
  std::int64_t d = value.denominator;
  text += std::to_string(n / d);
  n %= d;
  if (n != 0) text += ',';
  for (int digits = 0; n != 0 && digits < 18; ++digits) {
    n *= 10;
    text += static_cast<char>('0' + n / d);
    n %= d;
  }
  return text;
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

KeyField NumberField(const Exact& value, std::string text) {
  KeyField field;
  field.kind = FieldKind::Number;
  field.value = value;
  field.text = std::move(text);
  return field;
}

// A fraction of the key: whole, numerator and denominator as digits.
std::optional<KeyField> FractionField(bool negative, std::string_view whole,
                                      std::string_view numerator, std::string_view denominator) {
  if ((!whole.empty() && !AllDigits(whole)) || !AllDigits(numerator) || !AllDigits(denominator))
    return std::nullopt;
  const auto n = ParseWholeText(numerator);
  const auto d = ParseWholeText(denominator);
  const auto w = whole.empty() ? std::optional<std::int64_t>(0) : ParseWholeText(whole);
  if (!n || !d || !w || *d == 0) return std::nullopt;
  const auto part = MakeExact(*n, *d);
  const auto value = part ? *part + Exact{*w, 1} : std::nullopt;
  if (!value) return std::nullopt;
  KeyField field;
  field.kind = FieldKind::Fraction;
  field.value = negative ? Exact{-value->numerator, value->denominator} : *value;
  field.mixed = !whole.empty();
  field.lowest = std::gcd(*n, *d) == 1;
  field.text = std::string(negative ? kMinus : "");
  if (!whole.empty()) field.text.append(whole).append(" ");
  field.text.append(numerator).append("/").append(denominator);
  return field;
}

bool IsPrime(std::int64_t n) {
  if (n < 2) return false;
  for (std::int64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

// The key's numbers are the prime factors of a number of the task: any order is right.
bool IsFactorization(const std::vector<KeyField>& fields, const Item& item) {
  if (fields.size() < 2) return false;
  std::int64_t product = 1;
  for (const KeyField& f : fields) {
    if (f.kind != FieldKind::Number || f.value.denominator != 1 || !IsPrime(f.value.numerator) ||
        __builtin_mul_overflow(product, f.value.numerator, &product))
      return false;
  }
  for (const Row& row : item.task)
    for (const Piece& piece : row.pieces)
      if (piece.kind == PieceKind::Number) {
        const auto value = ParseDecimal(piece.text);
        if (value && *value == Exact{product, 1}) return true;
      }
  return false;
}

// Reads the pieces of an answer as a list of values: numbers with an optional sign and units,
// fractions (stacked, or "5/143", a whole number before one making it mixed), between them blanks,
// colons or semicolons. Nothing when anything else stands in it: letters, brackets, words that
// follow no number.
std::optional<std::vector<KeyField>> ValueList(const std::vector<const Piece*>& pieces) {
  std::vector<KeyField> fields;
  bool afterValue = false;  // a unit may follow
  bool afterUnit = false;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Piece& piece = *pieces[i];
    const auto at = [&](std::size_t k) -> const Piece* {
      return k < pieces.size() ? pieces[k] : nullptr;
    };
    if (piece.kind == PieceKind::Text && afterValue && !afterUnit) {
      fields.back().unit = piece.text;
      afterUnit = true;
      continue;
    }
    afterValue = afterUnit = false;
    if (piece.kind == PieceKind::Operator && (piece.text == ":" || piece.text == ";") &&
        !fields.empty())
      continue;
    bool negative = false;
    std::size_t v = i;
    if (piece.kind == PieceKind::Operator && (piece.text == "-" || piece.text == "+")) {
      negative = piece.text == "-";
      ++v;
    }
    const Piece* value = at(v);
    if (value == nullptr) return std::nullopt;
    const auto isNumber = [&](std::size_t k) {
      return at(k) != nullptr && at(k)->kind == PieceKind::Number;
    };
    const auto isSlash = [&](std::size_t k) { return at(k) != nullptr && IsOperator(*at(k), "/"); };
    std::optional<KeyField> field;
    if (value->kind == PieceKind::Fraction) {
      const sheet::StackedFraction& f = value->fraction;
      field = FractionField(negative != f.negative, f.whole, f.numerator, f.denominator);
      i = v;
    } else if (value->kind == PieceKind::Number && isSlash(v + 1) && isNumber(v + 2)) {
      field = FractionField(negative, "", value->text, at(v + 2)->text);
      i = v + 2;
    } else if (value->kind == PieceKind::Number && isNumber(v + 1) && isSlash(v + 2) &&
               isNumber(v + 3)) {
      // "1416 2/3": a whole number and the fraction after it are one mixed number.
      field = FractionField(negative, value->text, at(v + 1)->text, at(v + 3)->text);
      i = v + 3;
    } else if (value->kind == PieceKind::Number) {
      if (const auto exact = ParseDecimal(value->text))
        field = NumberField(negative ? Exact{-exact->numerator, exact->denominator} : *exact,
                            ShownNumber(value->text, negative && exact->numerator != 0));
      i = v;
    }
    if (!field) return std::nullopt;
    fields.push_back(std::move(*field));
    afterValue = true;
  }
  if (fields.empty()) return std::nullopt;
  return fields;
}

// "8.00000000000000E-0002": the decimal a division gives, as the files print it.
std::optional<KeyField> ExponentNumber(const std::vector<const Piece*>& p) {
  if (p.size() != 3 && p.size() != 4) return std::nullopt;
  if (p[0]->kind != PieceKind::Number || p[1]->kind != PieceKind::Text || p[1]->text != "E")
    return std::nullopt;
  bool negative = false;
  std::size_t at = 2;
  if (p.size() == 4) {
    if (!IsOperator(*p[2], "-") && !IsOperator(*p[2], "+")) return std::nullopt;
    negative = p[2]->text == "-";
    at = 3;
  }
  if (p[at]->kind != PieceKind::Number || !AllDigits(p[at]->text)) return std::nullopt;
  const auto mantissa = ParseDecimal(p[0]->text);
  const auto exponent = ParseWholeText(p[at]->text);
  if (!mantissa || !exponent || *exponent > 18) return std::nullopt;
  std::int64_t scale = 1;
  for (std::int64_t k = 0; k < *exponent; ++k) scale *= 10;
  std::int64_t denominator = 0;
  const auto value = !negative ? *mantissa * scale
                     : __builtin_mul_overflow(mantissa->denominator, scale, &denominator)
                         ? std::nullopt
                         : MakeExact(mantissa->numerator, denominator);
  if (!value) return std::nullopt;
  return NumberField(*value, ShownExact(*value));
}

// "0,(1898)": a periodic decimal, its period in brackets.
std::optional<KeyField> PeriodicNumber(const std::vector<const Piece*>& p) {
  std::size_t at = 0;
  bool negative = false;
  if (!p.empty() && IsOperator(*p[0], "-")) {
    negative = true;
    at = 1;
  }
  if (p.size() != at + 5) return std::nullopt;
  if (p[at]->kind != PieceKind::Number || p[at + 1]->kind != PieceKind::Text ||
      p[at + 1]->text != "," || !IsOperator(*p[at + 2], "(") ||
      p[at + 3]->kind != PieceKind::Number || !IsOperator(*p[at + 4], ")"))
    return std::nullopt;
  std::string text = p[at]->text;
  if (text.find_first_of(",.") == std::string::npos) text += ',';
  text += "(" + p[at + 3]->text + ")";
  const auto value = ParseDecimal(text);
  if (!value) return std::nullopt;
  return NumberField(negative ? Exact{-value->numerator, value->denominator} : *value,
                     ShownNumber(text, negative));
}

// "x1=5.1 x2=-5.1": the roots of an equation, in any order.
std::optional<std::vector<KeyField>> IndexedRoots(const std::vector<const Piece*>& p) {
  std::vector<KeyField> fields;
  std::size_t i = 0;
  while (i < p.size()) {
    if (i + 3 >= p.size() || p[i]->kind != PieceKind::Letter ||
        p[i + 1]->kind != PieceKind::Number || !IsOperator(*p[i + 2], "="))
      return std::nullopt;
    std::size_t end = i + 3;
    while (end < p.size() && p[end]->kind != PieceKind::Letter) ++end;
    const auto value = ValueList({p.begin() + static_cast<std::ptrdiff_t>(i + 3),
                                  p.begin() + static_cast<std::ptrdiff_t>(end)});
    if (!value || value->size() != 1) return std::nullopt;
    fields.push_back(value->front());
    i = end;
  }
  if (fields.size() < 2) return std::nullopt;
  return fields;
}

AnswerKey KeyOfPieces(const std::vector<const Piece*>& all, const Item& item) {
  std::vector<const Piece*> p = all;
  if (p.empty()) return {};
  if (p.size() == 1 && p[0]->kind == PieceKind::Operator &&
      (p[0]->text == "<" || p[0]->text == ">" || p[0]->text == "=")) {
    KeyField sign;
    sign.kind = FieldKind::Sign;
    sign.text = p[0]->text;
    return {{sign}, false};
  }
  if (p.size() == 1 && (p[0]->kind == PieceKind::Text || p[0]->kind == PieceKind::Letter) &&
      RomanValue(p[0]->text) > 0) {
    KeyField roman;
    roman.kind = FieldKind::Roman;
    roman.text = p[0]->text;
    roman.value = Exact{RomanValue(p[0]->text), 1};
    return {{roman}, false};
  }
  if (auto field = ExponentNumber(p)) return {{*field}, false};
  if (auto field = PeriodicNumber(p)) return {{*field}, false};
  if (auto roots = IndexedRoots(p)) return {*roots, true};
  // "x = 1 2/5": the letter and its sign stand on the sheet already.
  if (p.size() >= 3 && p[0]->kind == PieceKind::Letter && IsOperator(*p[1], "="))
    p.erase(p.begin(), p.begin() + 2);
  auto fields = ValueList(p);
  if (!fields) return {};
  const bool anyOrder = IsFactorization(*fields, item);
  return {std::move(*fields), anyOrder};
}

bool HasLetter(const Row& row) {
  for (const Piece& piece : row.pieces)
    if (piece.kind == PieceKind::Letter) return true;
  return false;
}

// "Среднее арифметическое чисел: 16 3 9 ... 51 x", the teacher's row "16 3 9 ... 51 61=19": the
// number the teacher's row has where the task has its letter.
AnswerKey FilledLetter(const Item& item) {
  std::vector<const Piece*> filled;
  for (const Piece& piece : item.solution.front().pieces) {
    if (IsOperator(piece, "=")) break;
    if (piece.kind == PieceKind::Number) filled.push_back(&piece);
  }
  for (const Row& row : item.task) {
    std::vector<const Piece*> listed;
    for (const Piece& piece : row.pieces)
      if (piece.kind == PieceKind::Number || piece.kind == PieceKind::Letter)
        listed.push_back(&piece);
    if (listed.size() != filled.size() || listed.empty()) continue;
    const Piece* found = nullptr;
    bool same = true;
    for (std::size_t i = 0; i < listed.size() && same; ++i) {
      if (listed[i]->kind == PieceKind::Letter) {
        if (found != nullptr) same = false;
        found = filled[i];
      } else {
        same = ParseDecimal(listed[i]->text) == ParseDecimal(filled[i]->text);
      }
    }
    if (!same || found == nullptr) continue;
    const auto value = ParseDecimal(found->text);
    if (!value) return {};
    return {{NumberField(*value, ShownNumber(found->text, false))}, false};
  }
  return {};
}

}  // namespace

int RomanValue(std::string_view text) {
  static constexpr std::array<std::pair<int, std::string_view>, 13> kNumerals = {{
      {1000, "M"},
      {900, "CM"},
      {500, "D"},
      {400, "CD"},
      {100, "C"},
      {90, "XC"},
      {50, "L"},
      {40, "XL"},
      {10, "X"},
      {9, "IX"},
      {5, "V"},
      {4, "IV"},
      {1, "I"},
  }};
  int value = 0;
  std::string_view rest = text;
  for (const auto& [amount, numeral] : kNumerals) {
    // At most three of a numeral of one digit; the two-letter ones and V, L, D at most once.
    const int most =
        numeral.size() == 1 && (amount == 1000 || amount == 100 || amount == 10 || amount == 1) ? 3
                                                                                                : 1;
    for (int k = 0; k < most && rest.starts_with(numeral); ++k) {
      value += amount;
      rest.remove_prefix(numeral.size());
    }
  }
  if (!rest.empty() || value == 0 || value > 3999) return 0;
  // Written the usual way only: "IIX" or "VX" do not come back as themselves.
  std::string canonical;
  int left = value;
  for (const auto& [amount, numeral] : kNumerals)
    while (left >= amount) {
      canonical += numeral;
      left -= amount;
    }
  return canonical == text ? value : 0;
}

AnswerKey KeyOf(const Item& item) {
  if (item.kind == ItemKind::Text) return {};
  for (const Row& row : item.task)
    if (row.columns) return {};  // a table to fill in: its blanks are many, its key one row
  if (!item.solution.empty()) {
    bool letter = false;
    for (const Row& row : item.task) letter = letter || HasLetter(row);
    if (letter) return FilledLetter(item);
  }
  return KeyOfPieces(Solid(item.answer), item);
}

std::vector<MarkedItem> MarkedItemsOf(const sheet::Variant& variant) {
  std::vector<MarkedItem> items;
  int exercises = 0;
  int problems = 0;
  for (std::size_t i = 0; i < variant.items.size(); ++i) {
    const Item& item = variant.items[i];
    if (item.kind == ItemKind::Text) continue;
    MarkedItem marked;
    marked.index = i;
    if (item.kind == ItemKind::Problem) {
      ++problems;
      marked.label = item.taskNumber.empty() ? std::to_string(problems) : item.taskNumber;
    } else {
      marked.label = std::to_string(++exercises);
    }
    marked.key = KeyOf(item);
    items.push_back(std::move(marked));
  }
  return items;
}

}  // namespace mathsheets::marking
