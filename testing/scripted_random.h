#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "common/random.h"

namespace mathsheets::testing {

// One expected draw: the bound the generator must pass and the value to give back.
struct ScriptedDraw {
  std::int32_t bound;
  std::int32_t value;
};

// A random source that plays back a script and fails the test when a draw's bound differs from
// the script, when the value lies outside 0..bound-1, or when the script runs out (then it throws,
// so a generator cannot loop on).
class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom(std::initializer_list<ScriptedDraw> draws) : draws_(draws) {}
  explicit ScriptedRandom(std::vector<ScriptedDraw> draws) : draws_(std::move(draws)) {}

  std::int32_t Random(std::int32_t n) override;

  // Fails the test unless every scripted draw was made.
  void ExpectAllDrawn() const;
  std::size_t drawn() const { return next_; }

 private:
  std::vector<ScriptedDraw> draws_;
  std::size_t next_ = 0;
};

}  // namespace mathsheets::testing
