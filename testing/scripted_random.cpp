#include "testing/scripted_random.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mathsheets::testing {

std::int32_t ScriptedRandom::Random(std::int32_t n) {
  if (next_ >= draws_.size()) {
    // Throwing ends the generator: returning a value could keep a redraw loop turning for ever.
    ADD_FAILURE() << "unscripted draw " << next_ + 1 << " with bound " << n;
    throw std::logic_error("the scripted draws ran out");
  }
  const ScriptedDraw draw = draws_[next_++];
  EXPECT_EQ(n, draw.bound) << "bound of draw " << next_;
  if (n <= 0) {
    EXPECT_EQ(draw.value, 0) << "draw " << next_ << " has bound " << n << " and must give 0";
    return 0;
  }
  EXPECT_TRUE(draw.value >= 0 && draw.value < n)
      << "scripted value " << draw.value << " outside 0.." << n - 1 << " at draw " << next_;
  return draw.value;
}

void ScriptedRandom::ExpectAllDrawn() const {
  EXPECT_EQ(next_, draws_.size()) << "scripted draws left unused";
}

}  // namespace mathsheets::testing
