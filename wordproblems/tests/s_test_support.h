#pragma once

// Reading the numbers of an S problem back out of its lines: fractions "n/d", decimals with a
// comma "12,758", and the whole numbers around them.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "testing/rational.h"
#include "wordproblems/tests/z_test_support.h"

namespace mathsheets::testing {

// Index of Sk.
constexpr int S(int k) {
  return 60 + k;
}

// A fraction as written, before any reduction.
struct WrittenFraction {
  std::int64_t num, den;
  Rational value() const { return Rational(num, den); }
};

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline std::int64_t ReadWhole(const std::string& line, std::size_t& i) {
  std::int64_t value = 0;
  while (i < line.size() && IsDigit(line[i])) value = value * 10 + (line[i++] - '0');
  return value;
}

// Every "n/d" of a line, in order.
inline std::vector<WrittenFraction> FractionsIn(const std::string& line) {
  std::vector<WrittenFraction> fractions;
  for (std::size_t i = 0; i < line.size();) {
    if (!IsDigit(line[i])) {
      ++i;
      continue;
    }
    const std::int64_t num = ReadWhole(line, i);
    if (i + 1 < line.size() && line[i] == '/' && IsDigit(line[i + 1])) {
      ++i;
      fractions.push_back({num, ReadWhole(line, i)});
    }
  }
  return fractions;
}

// Every number of a line, a comma between digits taken as the decimal comma ("4,7" is 47/10;
// "12, 5" are two numbers).
inline std::vector<Rational> DecimalsIn(const std::string& line) {
  std::vector<Rational> numbers;
  for (std::size_t i = 0; i < line.size();) {
    if (!IsDigit(line[i])) {
      ++i;
      continue;
    }
    std::int64_t value = ReadWhole(line, i), scale = 1;
    if (i + 1 < line.size() && line[i] == ',' && IsDigit(line[i + 1])) {
      ++i;
      while (i < line.size() && IsDigit(line[i])) {
        value = value * 10 + (line[i++] - '0');
        scale *= 10;
      }
    }
    numbers.push_back(Rational(value, scale));
  }
  return numbers;
}

// An answer line that is one reduced fraction "n/d", read back.
inline Rational FractionAnswer(const ProblemInstance& p) {
  const auto fractions = FractionsIn(p.answerLine);
  EXPECT_EQ(fractions.size(), 1u) << p.answerLine;
  if (fractions.empty()) return Rational(-1);
  const WrittenFraction f = fractions[0];
  EXPECT_EQ(p.answerLine, std::to_string(f.num) + "/" + std::to_string(f.den));
  const Rational value = f.value();
  EXPECT_EQ(value.num(), f.num) << "not reduced: " << p.answerLine;
  EXPECT_EQ(value.den(), f.den) << "not reduced: " << p.answerLine;
  return value;
}

inline bool IsPrime(std::int64_t n) {
  if (n < 2) return false;
  for (std::int64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

inline bool Contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

// The value a Draw10(n, base) draw must return to give `result`: the first of its ten.
inline std::int32_t For10(std::int32_t result, std::int32_t base) {
  return 10 * result - base;
}

}  // namespace mathsheets::testing
