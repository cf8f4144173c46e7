#include <array>

#include "common/decimal_text.h"
#include "generators/percent_ratio.h"
#include "generators/percent_ratio_families.h"

namespace mathsheets {

namespace {

constexpr MeanRange kTwoDigits = {799, 200, 79, 20};        // 20..99 or 2..9
constexpr MeanRange kThreeDigits = {7999, 2000, 799, 200};  // 200..999 or 20..99

struct MeanRow {
  int number;
  MeanRange range;
  int places;
  MeanLayout layout;
};

constexpr std::array<MeanRow, 6> kMeans = {{
    {24, kTwoDigits, 0, MeanLayout::MeanBelow},             // Среднее1
    {25, kThreeDigits, 0, MeanLayout::MeanBelow},           // Среднее2
    {26, kTwoDigits, 0, MeanLayout::UnknownLastSmall},      // Среднее3
    {27, kThreeDigits, 1, MeanLayout::UnknownLastCapital},  // Среднее4
    {28, kTwoDigits, 1, MeanLayout::MeanInline},            // Среднее5
    {29, kThreeDigits, 1, MeanLayout::MeanInline},          // Среднее6
}};

// The text of every value, each followed by `gap`.
std::string Values(std::span<const std::int32_t> values, int places, std::string_view gap) {
  std::string text;
  text.reserve(values.size() * 8);
  for (const std::int32_t v : values) {
    AppendDecimalText(text, v, places, ",");
    text += gap;
  }
  return text;
}

template <std::size_t Row>
void MeanExercise(MainModule& m, WorksheetFiles& files) {
  constexpr MeanRow row = kMeans[Row];
  const std::vector<std::int32_t> values = DrawMeanValues(m.random, row.range);
  std::int32_t sum = 0;
  for (const std::int32_t v : values) sum += v;
  const auto count = static_cast<std::int32_t>(values.size());
  WriteLines(files, MeanLines(row.layout, values, sum / count, row.places));
}

template <std::size_t... Rows>
constexpr std::array<GeneratorBinding, sizeof...(Rows)> Bindings(std::index_sequence<Rows...>) {
  return {{{kMeans[Rows].number, &MeanExercise<Rows>}...}};
}

constexpr auto kBindings = Bindings(std::make_index_sequence<kMeans.size()>());

}  // namespace

std::vector<std::int32_t> DrawMeanValues(RandomSource& random, MeanRange range) {
  const std::int32_t count = Draw10(random, 49, 60);
  std::vector<std::int32_t> values;
  std::int32_t sum = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const bool large = random.Random(100) > 50;
    const std::int32_t v = large ? Draw10(random, range.largeSpan, range.largeBase)
                                 : Draw10(random, range.smallSpan, range.smallBase);
    values.push_back(v);
    sum += v;
  }
  // Topping up the first value makes the mean exact; it may then leave its range by count - 1.
  const std::int32_t remainder = sum % count;
  if (remainder != 0) values.front() += count - remainder;
  return values;
}

PercentRatioLines MeanLines(MeanLayout layout, std::span<const std::int32_t> values,
                            std::int32_t mean, int places) {
  const std::string meanText = DecimalText(mean, places, ",");
  const std::string last = values.empty() ? std::string() : DecimalText(values.back(), places, ",");
  const auto known = values.first(values.empty() ? 0 : values.size() - 1);
  // The values are written once and shared by the student's line and the teacher's.
  switch (layout) {
    case MeanLayout::MeanBelow: {
      const std::string all = Values(values, places, " ");
      return {{all + " ", "Найдите среднее арифметическое   CA=", " "},
              {all + "=" + meanText + " "}};
    }
    case MeanLayout::MeanInline: {
      const std::string all = Values(values, places, "  ");
      return {{all + "   CA= "}, {all + "=" + meanText + " "}};
    }
    case MeanLayout::UnknownLastSmall: {
      const std::string shown = Values(known, places, "  ");
      return {{"Среднее арифметическое чисел:" + shown + "x ",
               "составляет " + meanText + "  Найдите неизвестное число     x= "},
              {shown + last + "=" + meanText + " "}};
    }
    case MeanLayout::UnknownLastCapital: {
      const std::string shown = Values(known, places, "  ");
      return {{"Среднее арифметическое чисел:" + shown + " X  ",
               "составляет " + meanText + "  Найдите неизвестное число   "},
              {shown + last + "  =" + meanText + " "}};
    }
  }
  return {};
}

std::span<const GeneratorBinding> percent_ratio::MeanGenerators() {
  return kBindings;
}

}  // namespace mathsheets
