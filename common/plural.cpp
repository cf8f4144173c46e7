#include "common/plural.h"

#include <optional>
#include <string>

namespace mathsheets {

namespace {

std::int32_t DigitCount(std::int64_t n) {
  std::int32_t k = 1;
  while (n >= 10) {
    n /= 10;
    ++k;
  }
  return k;
}

// The standard rule on `n`, with the leading-digit cut taken from a number of `digits` digits.
std::optional<std::int32_t> StandardClass(std::int64_t n, std::int32_t digits) {
  if (n <= 0) return std::nullopt;
  if (n == 1) return 1;
  if (n <= 4) return 2;
  if (n <= 20) return 3;
  std::int64_t p = 1;
  for (std::int32_t i = 1; i < digits; ++i) p *= 10;
  const std::int64_t r = n - (n / p) * p;
  if (r == 0) return 3;
  if (r == 1) return 1;
  if (r <= 4) return 2;
  if (r <= 20) return 3;
  // Past twenty the second digit of the remainder decides (1121 reads the 2 of 121).
  const char d = std::to_string(r)[1];
  if (d == '1') return 1;
  if (d >= '2' && d <= '4') return 2;
  return 3;
}

enum class Cut { Trim, Tail, TailKeep };

void LastTwoDigitsClass(std::int32_t& n, std::int32_t& cls, Cut cut) {
  const bool wholeHundred = n % 100 == 0;
  if (n == 0 || (wholeHundred && n > 0) || (wholeHundred && n < 0 && cut != Cut::Trim)) {
    cls = 3;
  } else if (n > 0) {
    const std::int32_t digits = DigitCount(n);
    if (auto c = StandardClass(n >= 100 ? n % 100 : n, digits)) cls = *c;
  }
  switch (cut) {
    case Cut::Trim:
      if (n >= 100) n %= 100;
      break;
    case Cut::Tail:
      if (n > 100) n %= 100;
      break;
    case Cut::TailKeep:
      if (n >= 100 && !wholeHundred) n %= 100;
      break;
  }
}

}  // namespace

void PluralClass(std::int32_t n, std::int32_t& cls) {
  if (n <= 0) return;
  if (auto c = StandardClass(n, DigitCount(n))) cls = *c;
}

void PluralClassOne4(std::int32_t n, std::int32_t& cls) {
  if (n <= 0) return;
  if (auto c = StandardClass(n, DigitCount(n))) cls = *c == 1 ? 4 : *c;
}

void PluralClassTrim(std::int32_t& n, std::int32_t& cls) {
  LastTwoDigitsClass(n, cls, Cut::Trim);
}
void PluralClassTail(std::int32_t& n, std::int32_t& cls) {
  LastTwoDigitsClass(n, cls, Cut::Tail);
}
void PluralClassTailKeep(std::int32_t& n, std::int32_t& cls) {
  LastTwoDigitsClass(n, cls, Cut::TailKeep);
}

}  // namespace mathsheets
