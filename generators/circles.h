#pragma once

#include <cstdint>
#include <string>

#include "common/random.h"
#include "generators/generator.h"

namespace mathsheets {

// The task goes to both files; the teacher's file has the answer alone on the next line.
struct CircleExercise {
  std::string task;
  std::string answer;
};

// The diameter or radius of a circle task in tenths of a centimetre: 21..99, never ending in 0
// or 5, so no length or area ends in 0 either.
std::int32_t DrawCircleSize(RandomSource& random);

// With pi as 3,14 (314 hundredths) every answer is a whole number of a small unit.
CircleExercise CircleLengthExercise(std::int32_t diameterTenths);
CircleExercise CircleAreaExercise(std::int32_t radiusTenths);
CircleExercise CircleDiameterExercise(std::int32_t diameterTenths);

// The turns a wheel of the radius makes: 400 below 40 cm, 300 up to 53 cm, 200 above.
std::int32_t WheelTurns(std::int32_t radiusCm);
// The distance 2 x 3,14 x r x turns, written in metres, and the radius r asked for.
CircleExercise WheelExercise(std::int32_t radiusCm);

// Types 102 "Длинна к", 103 "Площадь к", 104 "Диаметр" and 105 "Колесо обороты".
std::span<const GeneratorBinding> CircleGenerators();

}  // namespace mathsheets
