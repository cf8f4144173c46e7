#include "wordproblems/b_place_counts.h"

#include <algorithm>

namespace mathsheets {

namespace {

// Which kind of pair the factory's first draw asks for.
enum class ShiftPair { Tens, Hundreds, None, Fives };

ShiftPair ShiftPairOf(std::int32_t s) {
  if (s == 1) return ShiftPair::Tens;
  if (s == 2) return ShiftPair::Hundreds;
  if (s <= 6) return ShiftPair::None;
  return ShiftPair::Fives;
}

// The bound of the multiplier once the leading digit q (at most 4) of a is known: 7, 2, 1, 0 for
// q = 1..4, so the product stays below a thousand for the smaller leading digits.
std::int32_t MultiplierRange(std::int32_t q) {
  return 98 / q / 10 - 2;
}

TimesCounts DrawShiftPair(ProblemModule& m, ShiftPair kind) {
  TimesCounts n;
  switch (kind) {
    case ShiftPair::Tens:
      n.a = 10 * m.Draw10(89, 10);
      n.k = 10 * (m.Random(MultiplierRange(std::min(n.a / 10, 4))) + 2);
      break;
    case ShiftPair::Hundreds:
      n.a = 100 * m.Draw10(89, 10);
      n.k = m.Random(MultiplierRange(std::min(n.a / 100, 4))) + 2;
      break;
    case ShiftPair::Fives:
      n.a = 10 * m.Draw10(89, 10) + 5;
      n.k = 2 * ((m.Random(79) + 20) / 20);
      break;
    case ShiftPair::None:
      break;
  }
  return n;
}

}  // namespace

TimesCounts DrawTimesForest(ProblemModule& m) {
  TimesCounts n;
  n.a = m.Random(150) + 20;
  n.k = 50;
  while (n.a * n.k > 999 || n.a == n.k) --n.k;
  n.P = n.a * n.k;
  return n;
}

TimesCounts DrawShiftCounts(ProblemModule& m, ShiftTotal total) {
  for (;;) {
    const ShiftPair kind = ShiftPairOf(m.Draw10(89, 10));
    if (kind == ShiftPair::None) continue;
    TimesCounts n;
    do n = DrawShiftPair(m, kind);
    while (n.a * n.k < 100 || n.a * n.k > 995 || n.a == n.k);
    n.P = total == ShiftTotal::BothShifts ? n.a * n.k + n.a : n.a * n.k - n.a;
    if (n.P <= 1000) return n;
  }
}

}  // namespace mathsheets
