#include "marking/judge.h"

#include <numeric>
#include <optional>

namespace mathsheets::marking {

namespace {

// A fraction field as typed: its value and how finished its form is.
struct TypedFraction {
  Exact value;
  bool hasFraction = false;  // a numerator and a denominator, not a whole number alone
  bool proper = true;        // numerator below the denominator
  bool lowest = true;        // numerator and denominator without a common divisor
};

bool HasMinus(const std::string& text) {
  const auto characters = NumberCharacters(text);
  return characters && characters->find('-') != std::string::npos;
}

std::optional<TypedFraction> ReadFraction(const TypedAnswer& typed) {
  const auto blank = [](const std::string& text) {
    const auto characters = NumberCharacters(text);
    return characters && characters->empty();
  };
  const bool noWhole = blank(typed.whole);
  const bool noNumerator = blank(typed.numerator);
  const bool noDenominator = blank(typed.denominator);
  if (noNumerator != noDenominator) return std::nullopt;
  TypedFraction fraction;
  if (noNumerator) {
    if (noWhole) return std::nullopt;
    const auto whole = ParseWholeText(typed.whole);
    if (!whole) return std::nullopt;
    fraction.value = Exact{*whole, 1};
    return fraction;
  }
  // One minus for the whole number, before the whole part or, without one, the numerator.
  const bool wholeMinus = !noWhole && HasMinus(typed.whole);
  if (HasMinus(typed.denominator) || (wholeMinus && HasMinus(typed.numerator))) return std::nullopt;
  const auto whole = noWhole ? std::optional<std::int64_t>(0) : ParseWholeText(typed.whole);
  const auto numerator = ParseWholeText(typed.numerator);
  const auto denominator = ParseWholeText(typed.denominator);
  if (!whole || !numerator || !denominator || *denominator == 0) return std::nullopt;
  const bool negative = wholeMinus || *numerator < 0;
  const std::int64_t n = *numerator < 0 ? -*numerator : *numerator;
  const std::int64_t w = *whole < 0 ? -*whole : *whole;
  const auto part = MakeExact(n, *denominator);
  const auto value = part ? *part + Exact{w, 1} : std::nullopt;
  if (!value) return std::nullopt;
  fraction.value = negative ? Exact{-value->numerator, value->denominator} : *value;
  fraction.hasFraction = true;
  fraction.proper = n < *denominator;
  // "2 0/5" is no more finished than "2 5/5": only a denominator of one leaves nothing to cancel.
  fraction.lowest = std::gcd(n, *denominator) == 1;
  return fraction;
}

// Roman numerals as a Russian keyboard gives them too: Cyrillic Х, С, М and І for X, C, M and I.
std::string RomanLetters(std::string_view typed) {
  static constexpr std::pair<std::string_view, char> kLookalikes[] = {
      {"\xD0\xA5", 'X'}, {"\xD1\x85", 'X'}, {"\xD0\xA1", 'C'}, {"\xD1\x81", 'C'},
      {"\xD0\x9C", 'M'}, {"\xD0\xBC", 'M'}, {"\xD0\x86", 'I'}, {"\xD1\x96", 'I'},
  };
  std::string letters;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char c = typed[i];
    if (c == ' ' || c == '\t') continue;
    bool found = false;
    for (const auto& [cyrillic, latin] : kLookalikes)
      if (typed.substr(i).starts_with(cyrillic)) {
        letters += latin;
        i += cyrillic.size() - 1;
        found = true;
        break;
      }
    if (!found) letters += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return letters;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

// Whether one field is right, and the reason when only its form is wrong.
bool FieldRight(const KeyField& key, const TypedAnswer& typed, std::string& reason) {
  switch (key.kind) {
    case FieldKind::Number:
      return ParseDecimal(typed.text) == key.value;
    case FieldKind::Sign:
      return Trimmed(typed.text) == key.text;
    case FieldKind::Roman:
      return RomanLetters(typed.text) == key.text;
    case FieldKind::Fraction: {
      const auto fraction = ReadFraction(typed);
      if (!fraction || fraction->value != key.value) return false;
      if (key.mixed && fraction->hasFraction && !fraction->proper) {
        reason = kWholePartReason;
        return false;
      }
      if (key.lowest && fraction->hasFraction && !fraction->lowest) {
        reason = kReduceReason;
        return false;
      }
      return true;
    }
  }
  return false;
}

std::string AnswerText(const AnswerKey& key) {
  std::string text;
  for (const KeyField& field : key.fields) {
    if (!text.empty()) text += "; ";
    text += field.text;
    if (!field.unit.empty()) text += " " + field.unit;
  }
  return text;
}

}  // namespace

Judgement Judge(const AnswerKey& key, const std::vector<TypedAnswer>& typed) {
  Judgement judgement;
  if (key.fields.empty()) return judgement;
  judgement.answer = AnswerText(key);
  judgement.fieldsRight.assign(key.fields.size(), false);
  const TypedAnswer nothing;
  if (key.anyOrder) {
    // Each typed value takes the first key field it matches that no earlier one took.
    std::vector<bool> taken(key.fields.size(), false);
    for (std::size_t t = 0; t < key.fields.size(); ++t) {
      const TypedAnswer& answer = t < typed.size() ? typed[t] : nothing;
      for (std::size_t k = 0; k < key.fields.size(); ++k) {
        std::string unused;
        if (!taken[k] && FieldRight(key.fields[k], answer, unused)) {
          taken[k] = true;
          judgement.fieldsRight[t] = true;
          break;
        }
      }
    }
  } else {
    for (std::size_t k = 0; k < key.fields.size(); ++k) {
      std::string reason;
      judgement.fieldsRight[k] =
          FieldRight(key.fields[k], k < typed.size() ? typed[k] : nothing, reason);
      if (judgement.reason.empty()) judgement.reason = reason;
    }
  }
  bool all = true;
  for (const bool right : judgement.fieldsRight) all = all && right;
  judgement.verdict = all ? Verdict::Right : Verdict::Wrong;
  return judgement;
}

Judgement Judge(const sheet::Item& item, const std::vector<TypedAnswer>& typed) {
  return Judge(KeyOf(item), typed);
}

SheetCheck CheckSheet(const std::vector<MarkedItem>& items,
                      const std::vector<std::vector<TypedAnswer>>& answers) {
  SheetCheck check;
  const std::vector<TypedAnswer> none;
  for (std::size_t i = 0; i < items.size(); ++i) {
    Judgement judgement = Judge(items[i].key, i < answers.size() ? answers[i] : none);
    if (judgement.verdict != Verdict::Unjudged) {
      const bool right = judgement.verdict == Verdict::Right;
      ++check.judged;
      check.right += right ? 1 : 0;
      check.rightItems.push_back(right);
    }
    check.items.push_back(std::move(judgement));
  }
  return check;
}

int MarkOf(int right, int judged, const sets::MarkScale& scale) {
  if (judged <= 0) return 0;
  // right / judged >= p / 100, without rounding.
  const auto reaches = [&](int percent) { return right * 100 >= percent * judged; };
  if (reaches(scale.five)) return 5;
  if (reaches(scale.four)) return 4;
  if (reaches(scale.three)) return 3;
  return 2;
}

}  // namespace mathsheets::marking
