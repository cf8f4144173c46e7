#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mathsheets::marking {

// An exact rational number in lowest terms with a positive denominator. Whatever would leave 64
// bits answers nothing: no key is that large, so an answer that needs it is simply not equal.
struct Exact {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;

  friend bool operator==(const Exact&, const Exact&) = default;
};

std::optional<Exact> MakeExact(std::int64_t numerator, std::int64_t denominator);
std::optional<Exact> operator*(Exact a, std::int64_t factor);
std::optional<Exact> operator+(Exact a, Exact b);

// A number as a pupil types it or a key prints it: blanks anywhere ignored ("1 000"), a minus
// ("-", "−", "–") or plus before it, a decimal comma or point, and a period in brackets after the
// decimals ("0,(18)"). "2,60" and "2.6" are the same number. Nothing for any other text.
std::optional<Exact> ParseDecimal(std::string_view text);

// Digits only after blanks are dropped, and an optional minus: a part of a typed fraction.
std::optional<std::int64_t> ParseWholeText(std::string_view text);

// The text without blanks and with every kind of minus made '-'; nothing when it holds a character
// that no number has. What ParseDecimal reads.
std::optional<std::string> NumberCharacters(std::string_view text);

}  // namespace mathsheets::marking
