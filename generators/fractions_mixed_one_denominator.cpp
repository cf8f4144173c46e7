#include <algorithm>

#include "common/fraction_layout.h"
#include "generators/fractions_families.h"

namespace mathsheets::fractions {

namespace {

// A numerator drawn as Random(span) + base.
struct NumeratorDraw {
  std::int32_t span;
  std::int32_t base;
};

// The numbers of one member: both numerators, and the denominator drawn as
// max(n1, n2) + Random(denominatorSpan) + 1 so that both fractions are proper.
struct MixedMember {
  NumeratorDraw first;
  NumeratorDraw second;
  std::int32_t denominatorSpan;
};

struct MixedMembers {
  MixedMember subtraction;
  MixedMember addition;
};

constexpr MixedMembers kPlain = {{{15, 1}, {15, 1}, 15}, {{15, 1}, {15, 1}, 15}};
// Numerators of 10..14 added over at most max + 5 always carry; 1..5 less 10..14 always borrows.
constexpr MixedMembers kCarrying = {{{5, 1}, {5, 10}, 15}, {{5, 10}, {5, 10}, 5}};

struct SameDenominatorFractions {
  std::int32_t n1;
  std::int32_t n2;
  std::int32_t d;
};

SameDenominatorFractions DrawFractions(MainModule& m, const MixedMember& member) {
  const std::int32_t n1 = m.Random(member.first.span) + member.first.base;
  const std::int32_t n2 = m.Random(member.second.span) + member.second.base;
  const std::int32_t d = std::max(n1, n2) + m.Random(member.denominatorSpan) + 1;
  return {n1, n2, d};
}

void Add(MainModule& m, WorksheetFiles& files, const MixedMember& member) {
  std::int32_t w1 = 0;
  std::int32_t w2 = 0;
  SameDenominatorFractions f{};
  // A sum of exactly one whole would leave a fraction part of 0/d.
  do {
    w1 = m.Random(8) + 1;
    w2 = m.Random(8) + 1;
    f = DrawFractions(m, member);
  } while (f.d == f.n1 + f.n2);
  const std::int32_t sum = f.n1 + f.n2;
  const bool carry = sum > f.d;
  const std::int32_t whole = w1 + w2 + (carry ? 1 : 0);
  const std::int32_t a = carry ? sum - f.d : sum;
  WriteFractionExercise(files, MixedSameDenominatorLayout(w1, f.n1, "+", w2, f.n2, f.d, whole, a));
}

void Subtract(MainModule& m, WorksheetFiles& files, const MixedMember& member) {
  std::int32_t w1 = 0;
  std::int32_t w2 = 0;
  SameDenominatorFractions f{};
  // Equal numerators would leave a fraction part of 0/d.
  do {
    const std::int32_t y = m.Random(5);
    const std::int32_t x = m.Random(3);
    // The minuend's whole part exceeds the subtrahend's by x + 2, so a borrow leaves x + 1 >= 1.
    w1 = x + y + 3;
    w2 = y + 1;
    f = DrawFractions(m, member);
  } while (f.n1 == f.n2);
  const bool borrow = f.n1 < f.n2;
  const std::int32_t whole = w1 - w2 - (borrow ? 1 : 0);
  const std::int32_t a = borrow ? f.d + f.n1 - f.n2 : f.n1 - f.n2;
  WriteFractionExercise(files, MixedSameDenominatorLayout(w1, f.n1, "-", w2, f.n2, f.d, whole, a));
}

void AddOrSubtract(MainModule& m, WorksheetFiles& files, const MixedMembers& members) {
  if (m.Random(100) <= 50)
    Subtract(m, files, members.subtraction);
  else
    Add(m, files, members.addition);
}

}  // namespace

void MixedSameDenominatorPlain(MainModule& m, WorksheetFiles& files) {
  AddOrSubtract(m, files, kPlain);
}

void MixedSameDenominatorCarrying(MainModule& m, WorksheetFiles& files) {
  AddOrSubtract(m, files, kCarrying);
}

}  // namespace mathsheets::fractions
