#include <algorithm>

#include "common/divisors.h"
#include "common/factor_pair.h"
#include "generators/equations_families.h"
#include "generators/equations_lines.h"
#include "generators/ordered_pair.h"

namespace mathsheets::equations {

namespace {

// The product of the two smaller numbers over that of the two larger ones, each number taken
// without its pair's common divisor, as a pupil cancels crosswise.
Fraction SmallerOverLarger(const OrderedPair& p1, const OrderedPair& p2) {
  return {(p1.smaller / p1.gcd) * (p2.smaller / p2.gcd),
          (p1.larger / p1.gcd) * (p2.larger / p2.gcd)};
}

// Both terms must be positive.
Fraction Reduced(Fraction f) {
  std::int64_t a = f.numerator;
  std::int64_t b = f.denominator;
  const std::int64_t g = Gcd64(a, b);
  return {f.numerator / g, f.denominator / g};
}

// Primes[Trunc((Random(span) + base) / 10)].
std::int64_t DrawPrime(MainModule& m, std::int32_t span, std::int32_t base) {
  return Primes[static_cast<std::size_t>(Draw10(m.random, span, base))];
}

void LinearFractionMember(MainModule& m, WorksheetFiles& files, AddSign sign) {
  const std::int64_t p1 = DrawPrime(m, 39, 50);
  const std::int64_t p2 = DrawPrime(m, 39, 50);
  const std::int64_t p3 = DrawPrime(m, 59, 30);
  const std::int64_t g = Draw10(m.random, 169, 40);
  const std::int64_t l = Draw10(m.random, 159, 50);
  const std::int64_t o = Draw10(m.random, 179, 30);
  // g·l is at least 20, so the first t already keeps o·x = g·l - t positive.
  std::int64_t t = 0;
  do {
    t = Draw10(m.random, 79, 30);
  } while (t >= g * l);
  // (o·p3·x ± t·p3) / (l·p2) = (p1·g·p3) / (p1·p2) leaves o·x ± t = g·l.
  const std::int64_t ox = sign == AddSign::Plus ? g * l - t : g * l + t;
  WriteFractionExercise(files, LinearFractionLayout(o * p3, sign, t * p3, l * p2,
                                                    {p1 * g * p3, p1 * p2}, Reduced({ox, o})));
}

}  // namespace

void DivideByFraction(MainModule& m, WorksheetFiles& files) {
  // Level 1 of the drawing has too few primes; a group not chosen yet counts as its first button.
  m.FractionLevel = std::clamp(m.MulDivLevel + 1, 2, 4);
  const OrderedPair p1 = DrawOrderedPairB(m, m.FractionLevel);
  const OrderedPair p2 = DrawOrderedPairB(m, m.FractionLevel);
  const Fraction x = SmallerOverLarger(p1, p2);
  WriteFractionExercise(files,
                        DivideByFractionLayout({p2.smaller, p1.larger}, {p1.smaller, p2.larger},
                                               ReducedAnswer(x.numerator, x.denominator)));
}

void TimesFraction(MainModule& m, WorksheetFiles& files) {
  m.FractionLevel = 2;
  const OrderedPair p1 = DrawOrderedPairB(m, m.FractionLevel);
  const OrderedPair p2 = DrawOrderedPairB(m, m.FractionLevel);
  WriteFractionExercise(files, TimesFractionLayout({p2.larger, p1.smaller}, {p2.smaller, p1.larger},
                                                   Reduced(SmallerOverLarger(p1, p2))));
}

void LinearFraction(MainModule& m, WorksheetFiles& files) {
  LinearFractionMember(m, files, m.Random(100) < 51 ? AddSign::Minus : AddSign::Plus);
}

}  // namespace mathsheets::equations
