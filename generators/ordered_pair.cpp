#include "generators/ordered_pair.h"

#include <algorithm>

namespace mathsheets {

OrderedPair DrawOrderedPairB(MainModule& m, std::int32_t level, const OrderedPair* avoid) {
  do {
    m.pair = DrawFractionPairB(m.random, level, m.WidePrimes);
  } while (m.pair.PairA == m.pair.PairB || (avoid != nullptr && avoid->Shares(m.pair)));
  return {std::max(m.pair.PairA, m.pair.PairB), std::min(m.pair.PairA, m.pair.PairB),
          m.pair.PairGcd};
}

}  // namespace mathsheets
