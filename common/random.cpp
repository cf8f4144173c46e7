#include "common/random.h"

#include <chrono>

namespace mathsheets {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 0xda3e39cb94b95bdbULL | 1ULL;
}  // namespace

void Pcg32::Seed(std::uint64_t seed) {
  state_ = 0;
  Next();
  state_ += seed;
  Next();
}

void Pcg32::Randomize() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  Seed(static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

std::uint32_t Pcg32::Next() {
  const std::uint64_t old = state_;
  state_ = old * kMultiplier + kIncrement;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
  const auto rot = static_cast<std::uint32_t>(old >> 59U);
  return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

std::int32_t Pcg32::Random(std::int32_t n) {
  if (n <= 0) return 0;
  const std::uint64_t product = static_cast<std::uint64_t>(Next()) * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(product >> 32U);
}

}  // namespace mathsheets
