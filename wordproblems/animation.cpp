#include "wordproblems/animation.h"

#include <array>

namespace mathsheets {

namespace {
constexpr std::array<std::string_view, kLastAnimationStep - kFirstAnimationStep + 1> kFrames = {
    "15.bmp",  "15a.bmp", "15b.bmp", "15a.bmp",  "15b.bmp",
    "15a.bmp", "15b.bmp", "15.bmp",  "fon15.bmp"};
}  // namespace

std::optional<std::string_view> AnimationFrame(std::int32_t step) {
  if (step < kFirstAnimationStep || step > kLastAnimationStep) return std::nullopt;
  return kFrames[static_cast<std::size_t>(step - kFirstAnimationStep)];
}

std::optional<std::string_view> AnimationTick(ProblemModule& m) {
  if (m.AnimationStep < kFirstAnimationStep) return std::nullopt;
  const auto frame = AnimationFrame(m.AnimationStep);
  if (m.AnimationStep < kAnimationDone) ++m.AnimationStep;
  return frame;
}

}  // namespace mathsheets
