#include "marking/exact_value.h"

#include <limits>
#include <numeric>

namespace mathsheets::marking {

namespace {

std::optional<std::int64_t> Times(std::int64_t a, std::int64_t b) {
  std::int64_t result = 0;
  if (__builtin_mul_overflow(a, b, &result)) return std::nullopt;
  return result;
}

std::optional<std::int64_t> Plus(std::int64_t a, std::int64_t b) {
  std::int64_t result = 0;
  if (__builtin_add_overflow(a, b, &result)) return std::nullopt;
  return result;
}

// The digits as a number, each appended to `value`; nothing past 64 bits.
std::optional<std::int64_t> AppendDigits(std::int64_t value, std::string_view digits) {
  for (const char d : digits) {
    const auto shifted = Times(value, 10);
    if (!shifted) return std::nullopt;
    const auto next = Plus(*shifted, d - '0');
    if (!next) return std::nullopt;
    value = *next;
  }
  return value;
}

std::optional<std::int64_t> PowerOfTen(std::size_t exponent) {
  std::int64_t value = 1;
  for (std::size_t i = 0; i < exponent; ++i) {
    const auto next = Times(value, 10);
    if (!next) return std::nullopt;
    value = *next;
  }
  return value;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

}  // namespace

std::optional<Exact> MakeExact(std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) return std::nullopt;
  // Negating the most negative value overflows; no key comes near it.
  constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
  if (numerator == kLowest || denominator == kLowest) return std::nullopt;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  const std::int64_t divisor = std::gcd(numerator, denominator);
  return Exact{numerator / divisor, denominator / divisor};
}

std::optional<Exact> operator*(Exact a, std::int64_t factor) {
  const auto n = Times(a.numerator, factor);
  if (!n) return std::nullopt;
  return MakeExact(*n, a.denominator);
}

std::optional<Exact> operator+(Exact a, Exact b) {
  const auto left = Times(a.numerator, b.denominator);
  const auto right = Times(b.numerator, a.denominator);
  const auto denominator = Times(a.denominator, b.denominator);
  if (!left || !right || !denominator) return std::nullopt;
  const auto numerator = Plus(*left, *right);
  if (!numerator) return std::nullopt;
  return MakeExact(*numerator, *denominator);
}

std::optional<std::string> NumberCharacters(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    const std::string_view rest = text.substr(i);
    // No-break space, thin and narrow no-break spaces: what a phone or a copy puts between digit
    // groups; the minus sign and the en dash, which keyboards offer for a minus.
    if (rest.starts_with("\xC2\xA0")) {
      ++i;
    } else if (rest.starts_with("\xE2\x80\x89") || rest.starts_with("\xE2\x80\xAF")) {
      i += 2;
    } else if (rest.starts_with("\xE2\x88\x92") || rest.starts_with("\xE2\x80\x93")) {
      out += '-';
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::optional<Exact> ParseDecimal(std::string_view typed) {
  const auto characters = NumberCharacters(typed);
  if (!characters) return std::nullopt;
  std::string_view text = *characters;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::size_t wholeDigits = CountDigits(text, 0);
  std::string_view whole = text.substr(0, wholeDigits);
  std::string_view decimals;
  std::string_view period;
  std::size_t at = wholeDigits;
  if (at < text.size() && (text[at] == ',' || text[at] == '.')) {
    ++at;
    decimals = text.substr(at, CountDigits(text, at));
    at += decimals.size();
    if (at < text.size() && text[at] == '(') {
      period = text.substr(at + 1, CountDigits(text, at + 1));
      at += 1 + period.size();
      if (period.empty() || at >= text.size() || text[at] != ')') return std::nullopt;
      ++at;
    }
  }
  if (at != text.size() || whole.size() + decimals.size() + period.size() == 0) return std::nullopt;
  // Zeros that change nothing would only bring the digits nearer to 64 bits.
  while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
  if (period.empty())
    while (!decimals.empty() && decimals.back() == '0') decimals.remove_suffix(1);

  const auto fixed = AppendDigits(0, whole);
  const auto withDecimals = fixed ? AppendDigits(*fixed, decimals) : std::nullopt;
  const auto scale = PowerOfTen(decimals.size());
  if (!withDecimals || !scale) return std::nullopt;
  std::optional<Exact> value;
  if (period.empty()) {
    value = MakeExact(*withDecimals, *scale);
  } else {
    // x = 0,d(p): (dp - d) / (10^|d| * (10^|p| - 1)).
    const auto withPeriod = AppendDigits(*withDecimals, period);
    const auto periodScale = PowerOfTen(period.size());
    if (!withPeriod || !periodScale) return std::nullopt;
    const auto denominator = Times(*scale, *periodScale - 1);
    if (!denominator) return std::nullopt;
    value = MakeExact(*withPeriod - *withDecimals, *denominator);
  }
  if (value && negative) value->numerator = -value->numerator;
  return value;
}

std::optional<std::int64_t> ParseWholeText(std::string_view typed) {
  const auto characters = NumberCharacters(typed);
  if (!characters) return std::nullopt;
  std::string_view text = *characters;
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty() || CountDigits(text, 0) != text.size()) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  const auto value = AppendDigits(0, text);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

}  // namespace mathsheets::marking
