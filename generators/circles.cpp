#include "generators/circles.h"

#include <array>

#include "common/decimal_text.h"

namespace mathsheets {

namespace {

constexpr std::int32_t kPiHundredths = 314;

// " cм." has a Latin c, as the worksheets have always printed it.
constexpr std::string_view kCentimetres = " cм.";

std::string Tenths(std::int32_t n) {
  return DecimalText(n, 1, ",");
}

// Draw10(span, base), drawn again while a multiple of 5.
std::int32_t DrawAvoidingFives(RandomSource& random, std::int32_t span, std::int32_t base) {
  std::int32_t v = 0;
  do {
    v = Draw10(random, span, base);
  } while (v % 5 == 0);
  return v;
}

void Write(WorksheetFiles& files, const CircleExercise& e) {
  files.WriteBoth(e.task, e.task);
  files.TeacherFile.WriteLine(e.answer);
}

using ExerciseOfSize = CircleExercise (*)(std::int32_t);

template <ExerciseOfSize Exercise>
void CircleTask(MainModule& m, WorksheetFiles& files) {
  Write(files, Exercise(DrawCircleSize(m.random)));
}

void WheelTask(MainModule& m, WorksheetFiles& files) {
  Write(files, WheelExercise(DrawAvoidingFives(m.random, 679, 110)));
}

constexpr std::array<GeneratorBinding, 4> kBindings = {{
    {102, &CircleTask<&CircleLengthExercise>},    // Длинна к
    {103, &CircleTask<&CircleAreaExercise>},      // Площадь к
    {104, &CircleTask<&CircleDiameterExercise>},  // Диаметр
    {105, &WheelTask},                            // Колесо обороты
}};

}  // namespace

std::int32_t DrawCircleSize(RandomSource& random) {
  return DrawAvoidingFives(random, 799, 200);
}

CircleExercise CircleLengthExercise(std::int32_t diameterTenths) {
  // Tenths of a centimetre times hundredths: thousandths of a centimetre.
  return {"Вычислите длину круга, диаметр которого равен " + Tenths(diameterTenths) +
              std::string(kCentimetres),
          DecimalText(kPiHundredths * diameterTenths, 3, ",")};
}

CircleExercise CircleAreaExercise(std::int32_t radiusTenths) {
  // Hundredths of a square centimetre times hundredths: ten-thousandths.
  return {"Вычислите площадь круга, радиус которого равен " + Tenths(radiusTenths) +
              std::string(kCentimetres),
          DecimalText(kPiHundredths * radiusTenths * radiusTenths, 4, ",")};
}

CircleExercise CircleDiameterExercise(std::int32_t diameterTenths) {
  return {"вычислите диаметр круга, длина которого равна " +
              DecimalText(kPiHundredths * diameterTenths, 3, ",") + std::string(kCentimetres),
          Tenths(diameterTenths)};
}

std::int32_t WheelTurns(std::int32_t radiusCm) {
  if (radiusCm < 40) return 400;
  if (radiusCm <= 53) return 300;
  return 200;
}

CircleExercise WheelExercise(std::int32_t radiusCm) {
  const std::int32_t turns = WheelTurns(radiusCm);
  // 2 x 3,14 x r centimetres a turn; the turns are whole hundreds, so the distance in
  // centimetres is exact and reads as metres with two decimals.
  const std::int32_t centimetres = 2 * kPiHundredths * radiusCm * (turns / 100);
  return {"Что бы проехать " + DecimalText(centimetres, 2, ",") + " м, колесо совершило " +
              std::to_string(turns) + " оборотов. Найдите радиус колеса.",
          std::to_string(radiusCm)};
}

std::span<const GeneratorBinding> CircleGenerators() {
  return kBindings;
}

}  // namespace mathsheets
