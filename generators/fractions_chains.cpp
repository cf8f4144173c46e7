#include <array>
#include <cstdlib>

#include "common/divisors.h"
#include "common/fraction_layout.h"
#include "generators/fractions_families.h"

namespace mathsheets::fractions {

namespace {

std::int64_t Signed(AddSign sign, std::int64_t value) {
  return sign == AddSign::Plus ? value : -value;
}

// Three of the primes 2, 3, 5, 7 (leaving one out) times one of 11..19 give three denominators
// with a common factor and a common denominator of four primes.
struct PrimeTriple {
  std::int64_t p;
  std::int64_t q;
  std::int64_t s;
};

constexpr std::array<PrimeTriple, 4> kTriples = {{{3, 5, 7}, {2, 5, 7}, {2, 3, 7}, {2, 3, 5}}};

AddSign DrawEvenSign(MainModule& m) {
  return m.Random(100) < 50 ? AddSign::Minus : AddSign::Plus;
}

using ThreeTerms = std::array<MixedNumber, 3>;

// At least one term is subtracted; "+" and "+" never come out.
std::array<AddSign, 2> DrawChainSigns(MainModule& m) {
  std::array<AddSign, 2> signs = {AddSign::Plus, AddSign::Plus};
  if (m.Random(100) <= 30) {
    signs[1] = AddSign::Minus;
  } else {
    signs[0] = AddSign::Minus;
    if (m.Random(100) > 30) signs[1] = AddSign::Minus;
  }
  return signs;
}

std::int64_t DrawChainWhole(MainModule& m) {
  return Draw10(m.random, 89, 100);
}

// The signed value numerator/denominator as a mixed number: a negative whole part negates the
// whole number, -(13 + 1/4); below one in size the sign goes on the numerator; a numerator of 0
// marks a whole number (or zero).
MixedNumber SignedMixed(std::int64_t numerator, std::int64_t denominator) {
  const bool negative = numerator < 0;
  const std::int64_t size = std::llabs(numerator);
  std::int64_t whole = size / denominator;
  std::int64_t rest = size % denominator;
  std::int64_t below = denominator;
  if (rest > 0) {
    std::int64_t a = rest;
    std::int64_t b = denominator;
    const std::int64_t g = Gcd64(a, b);
    rest /= g;
    below /= g;
  }
  if (negative) {
    if (whole > 0)
      whole = -whole;
    else
      rest = -rest;
  }
  return {whole, rest, below};
}

void WriteThreeMixed(MainModule& m, WorksheetFiles& files, const ThreeTerms& terms) {
  const std::array<AddSign, 2> signs = DrawChainSigns(m);
  // Over the product of the denominators, not their least common multiple.
  const std::int64_t d1 = terms[0].denominator;
  const std::int64_t d2 = terms[1].denominator;
  const std::int64_t d3 = terms[2].denominator;
  const auto scaled = [](const MixedNumber& t, std::int64_t others) {
    return (t.whole * t.denominator + t.numerator) * others;
  };
  const std::int64_t value = scaled(terms[0], d2 * d3) +
                             Signed(signs[0], scaled(terms[1], d1 * d3)) +
                             Signed(signs[1], scaled(terms[2], d1 * d2));
  WriteFractionExercise(files, ThreeMixedLayout(terms[0], signs[0], terms[1], signs[1], terms[2],
                                                SignedMixed(value, d1 * d2 * d3)));
}

}  // namespace

void ThreeFractions(MainModule& m, WorksheetFiles& files) {
  const PrimeTriple& t = kTriples[static_cast<std::size_t>(Draw10(m.random, 39, 10) - 1)];
  const std::int64_t f = Primes[static_cast<std::size_t>(Draw10(m.random, 39, 50))];
  const std::int64_t n1 = Draw10(m.random, 189, 20);
  const std::int64_t n2 = Draw10(m.random, 189, 20);
  const std::int64_t n3 = Draw10(m.random, 189, 20);
  const AddSign op2 = DrawEvenSign(m);
  const AddSign op3 = DrawEvenSign(m);
  std::int64_t a = n1 * t.q * t.s + Signed(op2, n2 * t.p * t.s) + Signed(op3, n3 * t.p * t.q);
  std::int64_t b = t.p * t.q * t.s * f;
  // A zero sum stays 0 over the whole common denominator; otherwise the sign stays on the
  // numerator and only its size is reduced.
  if (a != 0) {
    std::int64_t x = std::llabs(a);
    std::int64_t y = b;
    const std::int64_t g = Gcd64(x, y);
    a /= g;
    b /= g;
  }
  WriteFractionExercise(
      files, ThreeFractionLayout({n1, t.p * f}, op2, {n2, t.q * f}, op3, {n3, t.s * f}, {a, b}));
}

void ThreeMixed(MainModule& m, WorksheetFiles& files) {
  ThreeTerms terms{};
  for (MixedNumber& term : terms) term.whole = DrawChainWhole(m);
  for (MixedNumber& term : terms) {
    term.denominator = Draw10(m.random, 169, 30);
    term.numerator = m.Random(static_cast<std::int32_t>(term.denominator - 2)) + 1;
  }
  WriteThreeMixed(m, files, terms);
}

void ThreeMixedSharedPrime(MainModule& m, WorksheetFiles& files) {
  ThreeTerms terms{};
  for (MixedNumber& term : terms) term.whole = DrawChainWhole(m);
  const std::int64_t base = Primes[static_cast<std::size_t>(Draw10(m.random, 29, 20))];
  // Pairwise different cofactors keep the three denominators different.
  std::array<std::int64_t, 3> cofactors{};
  for (std::size_t k = 0; k < cofactors.size(); ++k) {
    bool repeated = false;
    do {
      cofactors[k] = Primes[static_cast<std::size_t>(Draw10(m.random, 59, 10))];
      repeated = false;
      for (std::size_t j = 0; j < k; ++j) repeated = repeated || cofactors[j] == cofactors[k];
    } while (repeated);
    terms[k].denominator = base * cofactors[k];
  }
  constexpr std::array<std::int32_t, 3> kNumeratorCut = {2, 2, 3};
  for (std::size_t k = 0; k < terms.size(); ++k)
    terms[k].numerator =
        m.Random(static_cast<std::int32_t>(terms[k].denominator) - kNumeratorCut[k]) + 1;
  WriteThreeMixed(m, files, terms);
}

}  // namespace mathsheets::fractions
