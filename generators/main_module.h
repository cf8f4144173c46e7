#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/factor_pair.h"
#include "common/random.h"

namespace mathsheets {

inline constexpr int kTaskKindCount = 115;

// Everything the main window's module keeps while the program runs: the selection, the option
// levels, and what the generators leave behind for each other. Generators read and change it.
struct MainModule {
  explicit MainModule(RandomSource& source) : random(source) {}

  RandomSource& random;

  // Exercises per variant, indexed by catalog number - 1; 0 or less leaves a type out.
  std::array<std::int32_t, kTaskKindCount> TaskCount{};
  std::int32_t VariantCount = 0;

  // Option levels set by the radio groups; 0 until a button of the group is clicked.
  std::int32_t GcdLevel = 0;
  std::int32_t FractionLevel = 0;
  std::int32_t MulDivLevel = 0;
  std::int32_t MixedLevel = 0;
  std::int32_t MixedMulDivLevel = 0;
  // Set for good once the count box of "Дроби3:" is edited.
  bool WidePrimes = false;

  // The last factor-pair drawing, read by the generator right after it draws.
  FactorPairResult pair;

  std::int32_t Random(std::int32_t n) { return random.Random(n); }
};

}  // namespace mathsheets
