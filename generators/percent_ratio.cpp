#include "generators/percent_ratio.h"

#include <algorithm>

#include "common/decimal_text.h"
#include "generators/percent_ratio_families.h"

namespace mathsheets {

namespace {

using std::to_string;

constexpr std::array<GeneratorBinding, 6> kOtherBindings = {{
    {30, &percent_ratio::PercentOf},        // Процент от
    {31, &percent_ratio::PercentBy},        // Процент по
    {63, &percent_ratio::TwoParts},         // Части2
    {64, &percent_ratio::ThreeParts},       // Части3
    {65, &percent_ratio::ChainedParts},     // Части4
    {68, &percent_ratio::ProportionTable},  // Пропорция
}};

using AllBindings = std::array<GeneratorBinding, 12>;

AllBindings BuildBindings() {
  AllBindings all{};
  const auto means = percent_ratio::MeanGenerators();
  auto end = std::copy(means.begin(), means.end(), all.begin());
  std::copy(kOtherBindings.begin(), kOtherBindings.end(), end);
  return all;
}

}  // namespace

void WriteLines(WorksheetFiles& files, const PercentRatioLines& lines) {
  for (const std::string& line : lines.student) files.StudentFile.WriteLine(line);
  for (const std::string& line : lines.teacher) files.TeacherFile.WriteLine(line);
}

PercentRatioLines PercentOfLines(std::int32_t tenths, std::int32_t percent) {
  const std::string number = DecimalText(tenths, 1, ",");
  // A tenths times P hundredths is A x P thousandths.
  return {{"Найдите " + to_string(percent) + "% от числа " + number},
          {number + "x" + to_string(percent) + "%=" + DecimalText(tenths * percent, 3, ",")}};
}

PercentRatioLines PercentByLines(std::int32_t percent, std::int32_t sought) {
  const std::string part = DecimalText(percent * sought, 2, ",");
  return {{"Найдите число, если " + to_string(percent) + "%  этого числа равно " + part},
          {part + ":" + to_string(percent) + "%=" + to_string(sought)}};
}

namespace percent_ratio {

void PercentOf(MainModule& m, WorksheetFiles& files) {
  const std::int32_t tenths = m.Random(79) + 20;
  const std::int32_t percent = m.Random(79) + 20;
  WriteLines(files, PercentOfLines(tenths, percent));
}

void PercentBy(MainModule& m, WorksheetFiles& files) {
  const std::int32_t percent = m.Random(79) + 20;
  const std::int32_t sought = m.Random(79) + 20;
  WriteLines(files, PercentByLines(percent, sought));
}

}  // namespace percent_ratio

std::span<const GeneratorBinding> PercentRatioGenerators() {
  static const AllBindings bindings = BuildBindings();
  return bindings;
}

}  // namespace mathsheets
