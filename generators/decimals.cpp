#include "generators/decimals.h"

#include <array>
#include <string_view>

#include "common/decimal_text.h"

namespace mathsheets {

namespace {

// The hundredths and thousandths sums draw the whole part and the decimals of the sum, then of
// the addend; the addend's whole part stays far enough below the sum's that the difference keeps
// as many whole digits as the sum.
struct SumDrawRow {
  std::int32_t wholeSpan;
  std::int32_t wholeBase;
  std::int32_t addendCut;
  std::int32_t addendBase;
  std::int32_t fractionSpan;
  std::int32_t fractionBase;
  std::int32_t unit;       // smallest units per whole
  bool distinctFractions;  // keeps the difference's decimals from being all zeros
};

constexpr std::array<SumDrawRow, 2> kSumDraws = {{
    {60, 40, 30, 20, 90, 10, 100, true},
    {600, 400, 300, 200, 900, 100, 1000, false},
}};

DecimalSum DrawTenthsSum(RandomSource& random) {
  // No number may be whole, so that no text ends in ".0".
  std::int32_t sum = 0;
  do sum = random.Random(60) + 40;
  while (sum % 10 == 0);
  std::int32_t addend = 0;
  do addend = random.Random(sum - 20) + 20;
  while (addend % 10 == 0 || (sum - addend) % 10 == 0);
  return {sum, addend, sum - addend};
}

DecimalSum DrawSplitSum(RandomSource& random, const SumDrawRow& row) {
  const std::int32_t sumWhole = random.Random(row.wholeSpan) + row.wholeBase;
  const std::int32_t sumFraction = random.Random(row.fractionSpan) + row.fractionBase;
  const std::int32_t addendWhole = random.Random(sumWhole - row.addendCut) + row.addendBase;
  std::int32_t addendFraction = 0;
  do addendFraction = random.Random(row.fractionSpan) + row.fractionBase;
  while (row.distinctFractions && addendFraction == sumFraction);
  const std::int32_t sum = row.unit * sumWhole + sumFraction;
  const std::int32_t addend = row.unit * addendWhole + addendFraction;
  return {sum, addend, sum - addend};
}

std::string Expression(std::string_view x, std::string_view sign, std::string_view y) {
  std::string line;
  line.append(x).append(sign).append(y).append("=");
  return line;
}

// Types 15..20: the addition and the subtraction of each size draw alike.
struct PointSumRow {
  int places;
  bool subtraction;
};

constexpr std::array<PointSumRow, 6> kPointSums = {{
    {1, false},
    {2, false},
    {3, false},
    {1, true},
    {2, true},
    {3, true},
}};

template <std::size_t Row>
void PointSum(MainModule& m, WorksheetFiles& files) {
  constexpr PointSumRow row = kPointSums[Row];
  const DecimalSum s = DrawDecimalSum(m.random, row.places);
  const auto text = [](std::int32_t n) { return DecimalText(n, row.places, "."); };
  if (row.subtraction) {
    const std::string line = Expression(text(s.sum), "-", text(s.other));
    files.WriteBoth(line, line + text(s.addend));
  } else {
    const std::string line = Expression(text(s.addend), "+", text(s.other));
    files.WriteBoth(line, line + text(s.sum));
  }
}

// Types 21..23: each factor is Random(span) + base in units of its places; the product has the
// places of both.
struct PointProductRow {
  std::int32_t firstSpan;
  std::int32_t firstBase;
  std::int32_t secondSpan;
  std::int32_t secondBase;
  int places;  // of each factor
};

constexpr std::array<PointProductRow, 3> kPointProducts = {{
    {80, 20, 80, 20, 1},
    {800, 200, 80, 20, 1},
    {800, 200, 800, 200, 2},
}};

template <std::size_t Row>
void PointProduct(MainModule& m, WorksheetFiles& files) {
  constexpr PointProductRow row = kPointProducts[Row];
  const std::int32_t a = m.Random(row.firstSpan) + row.firstBase;
  const std::int32_t b = m.Random(row.secondSpan) + row.secondBase;
  const std::string line =
      Expression(DecimalText(a, row.places, "."), "x", DecimalText(b, row.places, "."));
  files.WriteBoth(line, line + DecimalText(a * b, 2 * row.places, "."));
}

// Types 13 and 14: two-digit factors with 1..5 places each; the division is the product read
// backwards, so it comes out exact.
template <bool Division>
void RandomPlaces(MainModule& m, WorksheetFiles& files) {
  const std::int32_t a = m.Random(80) + 20;
  const std::int32_t b = m.Random(80) + 20;
  const int aPlaces = Draw10(m.random, 49, 10);
  const int bPlaces = Draw10(m.random, 49, 10);
  const std::string aText = DecimalText(a, aPlaces, ",");
  const std::string bText = DecimalText(b, bPlaces, ",");
  const std::string pText = DecimalText(a * b, aPlaces + bPlaces, ",");
  if (Division) {
    const std::string line = Expression(pText, ":", aText);
    files.WriteBoth(line, line + bText);
  } else {
    const std::string line = Expression(aText, "x", bText);
    files.WriteBoth(line, line + pText);
  }
}

constexpr std::array<GeneratorBinding, 14> kBindings = {{
    {13, &RandomPlaces<false>},  // УмножениеД+
    {14, &RandomPlaces<true>},   // ДелениеД+
    {15, &PointSum<0>},          // СложениеД1
    {16, &PointSum<1>},          // СложениеД2
    {17, &PointSum<2>},          // СложениеД3
    {18, &PointSum<3>},          // ВычитаниеД1
    {19, &PointSum<4>},          // ВычитаниеД2
    {20, &PointSum<5>},          // ВычитаниеД3
    {21, &PointProduct<0>},      // УмножениеД1
    {22, &PointProduct<1>},      // УмножениеД2
    {23, &PointProduct<2>},      // УмножениеД3
    {59, &FractionToDecimal},    // В десятичное
    {60, &FractionToPeriod},     // Период
    {98, &RoundDecimal},         // Округление
}};

}  // namespace

DecimalSum DrawDecimalSum(RandomSource& random, int places) {
  if (places <= 1) return DrawTenthsSum(random);
  return DrawSplitSum(random, kSumDraws[places == 2 ? 0 : 1]);
}

std::span<const GeneratorBinding> DecimalGenerators() {
  return kBindings;
}

}  // namespace mathsheets
