#pragma once

#include <cstdint>
#include <stdexcept>

#include "common/random.h"

namespace mathsheets::testing {

// A seeded PCG32 that gives up after a budget of draws, so a rejection loop that cannot end fails
// the test instead of hanging it. Refill() starts a new budget, e.g. before each exercise.
class BoundedRandom final : public RandomSource {
 public:
  explicit BoundedRandom(std::uint64_t seed = 0) : inner_(seed) {}
  void Refill() { left_ = kBudget; }
  std::int32_t Random(std::int32_t n) override {
    if (--left_ < 0) throw std::runtime_error("the generator keeps drawing");
    return inner_.Random(n);
  }

 private:
  static constexpr int kBudget = 100000;
  Pcg32 inner_;
  int left_ = kBudget;
};

}  // namespace mathsheets::testing
