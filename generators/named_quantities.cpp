#include "generators/named_quantities.h"

#include <array>

namespace mathsheets {

namespace {

// A draw Random(span) + base.
struct Span {
  std::int32_t span;
  std::int32_t base;
};

std::int32_t DrawIn(MainModule& m, Span s) {
  return m.Random(s.span) + s.base;
}

// The whole quantity split back into its two units. Its smaller part is never 0: the draws are
// redone whenever the smaller parts would add up to, cancel out or multiply into whole larger
// units.
Compound Split(std::int32_t smallest, std::int32_t base) {
  return {smallest / base, smallest % base};
}

// Types 89..91: the addition draws both larger parts alike; the subtraction draws the second and
// puts the first a gap above it, so the difference stays positive even after a borrow.
struct CompoundSumRow {
  UnitWords words;
  std::int32_t base;
  Span addLarger;
  Span subSecondLarger;
  Span subGap;
  Span smaller;
};

constexpr std::array<CompoundSumRow, 3> kCompoundSums = {{
    {kHourWords, 60, {9, 1}, {9, 1}, {9, 2}, {50, 10}},
    {kMetreWords, 100, {59, 10}, {79, 10}, {79, 12}, {80, 10}},
    {kKilogramWords, 1000, {59, 10}, {79, 10}, {79, 12}, {800, 100}},
}};

template <std::size_t Row>
void CompoundSum(MainModule& m, WorksheetFiles& files) {
  constexpr CompoundSumRow row = kCompoundSums[Row];
  const bool addition = m.Random(100) > 50;
  Compound first{};
  Compound second{};
  if (addition) {
    first.larger = DrawIn(m, row.addLarger);
    second.larger = DrawIn(m, row.addLarger);
    do {
      first.smaller = DrawIn(m, row.smaller);
      second.smaller = DrawIn(m, row.smaller);
    } while (first.smaller + second.smaller == row.base);
  } else {
    second.larger = DrawIn(m, row.subSecondLarger);
    first.larger = second.larger + DrawIn(m, row.subGap);
    do {
      first.smaller = DrawIn(m, row.smaller);
      second.smaller = DrawIn(m, row.smaller);
    } while (first.smaller == second.smaller);
  }
  const std::int32_t a = first.larger * row.base + first.smaller;
  const std::int32_t b = second.larger * row.base + second.smaller;
  const std::string line = CompoundSumLine(row.words, first, addition ? "+" : "-", second);
  files.WriteBoth(line, line + CompoundText(row.words, Split(addition ? a + b : a - b, row.base)));
}

// Type 97, one row per kind 1..4: the larger part, then the multiplier and the smaller part.
struct CompoundProductRow {
  UnitWords words;
  std::int32_t base;
  Span larger;
  Span factor;
  Span smaller;
};

constexpr std::array<CompoundProductRow, 4> kCompoundProducts = {{
    {kMetreWords, 100, {5, 5}, {30, 50}, {80, 10}},
    {kRoubleWords, 100, {5, 5}, {30, 50}, {80, 10}},
    {kKilogramWords, 1000, {5, 5}, {30, 50}, {800, 100}},
    {kHourWords, 60, {4, 2}, {5, 5}, {20, 20}},
}};

void CompoundProduct(MainModule& m, WorksheetFiles& files) {
  const std::int32_t kind = Draw10(m.random, 39, 10);
  const CompoundProductRow& row = kCompoundProducts[static_cast<std::size_t>(kind - 1)];
  Compound value{DrawIn(m, row.larger), 0};
  std::int32_t factor = 0;
  // A product of whole larger units would leave the answer without its smaller part.
  do {
    factor = DrawIn(m, row.factor);
    value.smaller = DrawIn(m, row.smaller);
  } while (factor * value.smaller % row.base == 0);
  const std::string line = CompoundProductLine(row.words, value, factor);
  const std::int32_t product = (value.larger * row.base + value.smaller) * factor;
  files.WriteBoth(line, line + CompoundText(row.words, Split(product, row.base)));
}

constexpr std::array<GeneratorBinding, 7> kBindings = {{
    {87, &ConvenientSum},         // Сложение_и
    {88, &ConvenientDifference},  // Вычитание_и
    {89, &CompoundSum<0>},        // Именованные1
    {90, &CompoundSum<1>},        // Именованные2
    {91, &CompoundSum<2>},        // Именованные3
    {95, &ConvenientProduct},     // Умножение_и
    {97, &CompoundProduct},       // Именованные4
}};

}  // namespace

std::string CompoundSumLine(const UnitWords& words, Compound first, std::string_view sign,
                            Compound second) {
  std::string line = std::to_string(first.larger);
  line.append(words.larger).append(std::to_string(first.smaller)).append(words.smaller);
  line.append(sign).append(" ");
  line.append(std::to_string(second.larger)).append(words.larger);
  line.append(std::to_string(second.smaller)).append(words.smallerEquals);
  return line;
}

std::string CompoundText(const UnitWords& words, Compound value) {
  std::string text = std::to_string(value.larger);
  text.append(words.larger).append(std::to_string(value.smaller)).append(words.smallerEnd);
  return text;
}

std::string CompoundProductLine(const UnitWords& words, Compound value, std::int32_t factor) {
  std::string line = "(";
  line.append(std::to_string(value.larger)).append(words.larger);
  line.append(std::to_string(value.smaller)).append(words.smallerTimes);
  line.append(std::to_string(factor)).append(" =");
  return line;
}

std::string PlusChainLine(std::span<const std::int32_t> numbers) {
  std::string line;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) line += '+';
    line += std::to_string(numbers[i]);
  }
  line += '=';
  return line;
}

std::span<const GeneratorBinding> NamedQuantityGenerators() {
  return kBindings;
}

}  // namespace mathsheets
