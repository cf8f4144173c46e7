#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "wordproblems/problem_module.h"

namespace mathsheets {

inline constexpr std::int32_t kFirstAnimationStep = 5;
inline constexpr std::int32_t kLastAnimationStep = 13;
// Past the last frame: nothing more is shown until the next run.
inline constexpr std::int32_t kAnimationDone = kLastAnimationStep + 1;

// The picture of a step: 15.bmp, then 15a/15b three times, 15.bmp again and fon15.bmp last;
// nothing before step 5 and after step 13.
std::optional<std::string_view> AnimationFrame(std::int32_t step);

// A finished run (re)starts the animation at its first frame.
inline void StartAnimation(ProblemModule& m) {
  m.AnimationStep = kFirstAnimationStep;
}

// One tick of the timer: the picture to show now, if any, with the counter moved on. The counter
// stops just past the last frame, where it means the same as any higher value.
std::optional<std::string_view> AnimationTick(ProblemModule& m);

// A frame that cannot be shown ends the animation, so its error is reported once.
inline void StopAnimation(ProblemModule& m) {
  m.AnimationStep = kAnimationDone;
}

}  // namespace mathsheets
