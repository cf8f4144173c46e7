#pragma once

#include <cstdint>

namespace mathsheets {

// The one source of random numbers every generator draws from.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer 0..n-1; 0 when n <= 0 (several draws rely on a bound shrinking to 0).
  virtual std::int32_t Random(std::int32_t n) = 0;
};

// PCG32 (permuted congruential generator, XSH RR variant, 64-bit state, stream 0xda3e39cb94b95bdb).
// A draw below n is the high half of the 64-bit product of the 32-bit output and n, so the same
// seed gives the same numbers on every platform and compiler.
class Pcg32 final : public RandomSource {
 public:
  explicit Pcg32(std::uint64_t seed = 0) { Seed(seed); }
  void Seed(std::uint64_t seed);
  // Seeds from the clock.
  void Randomize();
  std::uint32_t Next();
  std::int32_t Random(std::int32_t n) override;

 private:
  std::uint64_t state_ = 0;
};

// Trunc((Random(n) + m) / 10): the usual draw of small values, m / 10 .. (n + m - 1) / 10.
inline std::int32_t Draw10(RandomSource& random, std::int32_t n, std::int32_t m) {
  return (random.Random(n) + m) / 10;
}

}  // namespace mathsheets
