// Computing in a convenient order: the numbers are built so that pairs of them make round
// numbers, and the pupil is meant to spot the pairs rather than work from left to right.
#include <array>

#include "generators/named_quantities.h"

namespace mathsheets {

namespace {

// A round number (Random(8) + 2) * unit split in two, the first part between unit and the round
// number less a fifth of unit, so that the second part is never tiny.
struct RoundPair {
  std::int32_t first;
  std::int32_t second;
};

RoundPair DrawRoundPair(MainModule& m, std::int32_t unit) {
  const std::int32_t round = (m.Random(8) + 2) * unit;
  const std::int32_t first = m.Random(round - unit * 12 / 10) + unit;
  return {first, round - first};
}

// The six addends A1, A2, B1, B2, C1, C2 in the order of each of the five line shapes.
enum Addend : std::uint8_t { A1, A2, B1, B2, C1, C2 };
constexpr std::array<std::array<Addend, 6>, 5> kSumOrders = {{
    {A1, B1, A2, C1, B2, C2},
    {B1, A1, C1, A2, B2, C2},
    {A1, C2, B1, A2, B2, C1},
    {C2, A1, B1, C1, B2, A2},
    {B2, A1, B1, C1, A2, C2},
}};

// a + c - b - d: the four numbers a, b, c, d in the order of each of the four line shapes.
enum Term : std::uint8_t { TermA, TermB, TermC, TermD };
constexpr std::array<std::array<Term, 4>, 4> kDifferenceOrders = {{
    {TermA, TermC, TermB, TermD},
    {TermA, TermC, TermD, TermB},
    {TermC, TermA, TermB, TermD},
    {TermC, TermA, TermD, TermB},
}};

// A number Random(span) + base that does not end in 0, so that it does not look round itself.
std::int32_t DrawNotRound(MainModule& m, std::int32_t span, std::int32_t base) {
  std::int32_t n = 0;
  do n = m.Random(span) + base;
  while (n % 10 == 0);
  return n;
}

// Two factors whose product is 100 or 1000, picked by j = 1..6.
struct FactorPair {
  std::int32_t p;
  std::int32_t q;
};
constexpr std::array<FactorPair, 6> kHundredPairs = {
    {{2, 50}, {4, 25}, {5, 20}, {50, 2}, {25, 4}, {20, 5}}};
constexpr std::array<FactorPair, 6> kThousandPairs = {
    {{4, 250}, {5, 200}, {8, 125}, {250, 4}, {200, 5}, {125, 8}}};

// x "х" y "+" z "x" w "=": the first sign is the Cyrillic letter, the second the Latin one, as
// the worksheets have always printed them.
std::string ProductLine(std::int32_t x, std::int32_t y) {
  return std::to_string(x) + "х" + std::to_string(y);
}

void ProductOfThree(MainModule& m, WorksheetFiles& files) {
  const std::int32_t size = Draw10(m.random, 29, 10);
  FactorPair pair{2, 5};
  std::int32_t round = 10;
  if (size > 1) {
    const auto j = static_cast<std::size_t>(Draw10(m.random, 59, 10) - 1);
    pair = size == 2 ? kHundredPairs[j] : kThousandPairs[j];
    round = size == 2 ? 100 : 1000;
  }
  std::int32_t n = m.Random(800) + 100;
  if (n % 2 == 0) ++n;  // an odd middle factor cannot pair with the others by itself
  const std::string line = ProductLine(pair.p, n) + "x" + std::to_string(pair.q) + "=";
  files.WriteBoth(line, line + std::to_string(round * n));
}

// a x c + (100 - a) x c, with each product written with the common factor first or second.
struct ProductSumForm {
  bool commonFirstInFirst;
  bool commonFirstInSecond;
};
constexpr std::array<ProductSumForm, 4> kProductSumForms = {{
    {false, false},
    {true, false},
    {true, true},
    {false, true},
}};

void SumOfProducts(MainModule& m, WorksheetFiles& files) {
  const ProductSumForm form =
      kProductSumForms[static_cast<std::size_t>(Draw10(m.random, 39, 10) - 1)];
  const std::int32_t a = m.Random(80) + 10;
  const std::int32_t c = m.Random(800) + 100;
  const std::int32_t b = 100 - a;
  std::string line = form.commonFirstInFirst ? ProductLine(c, a) : ProductLine(a, c);
  line += '+';
  line += form.commonFirstInSecond ? std::to_string(c) + "x" + std::to_string(b)
                                   : std::to_string(b) + "x" + std::to_string(c);
  line += '=';
  files.WriteBoth(line, line + std::to_string(100 * c));
}

}  // namespace

void ConvenientSum(MainModule& m, WorksheetFiles& files) {
  const RoundPair a = DrawRoundPair(m, 100);
  const RoundPair b = DrawRoundPair(m, 1000);
  const RoundPair c = DrawRoundPair(m, 10000);
  const std::array<std::int32_t, 6> addends = {a.first,  a.second, b.first,
                                               b.second, c.first,  c.second};
  const auto& order = kSumOrders[static_cast<std::size_t>(Draw10(m.random, 49, 10) - 1)];
  std::array<std::int32_t, 6> line{};
  for (std::size_t i = 0; i < line.size(); ++i) line[i] = addends[order[i]];
  const std::string text = PlusChainLine(line);
  const std::int32_t sum = a.first + a.second + b.first + b.second + c.first + c.second;
  files.WriteBoth(text, text + std::to_string(sum));
}

void ConvenientDifference(MainModule& m, WorksheetFiles& files) {
  const std::int32_t b = DrawNotRound(m, 399, 100);
  const std::int32_t a = b + 100 * (m.Random(4) + 1);
  const std::int32_t d = DrawNotRound(m, 3999, 2000);
  const std::int32_t c = d + 1000 * (m.Random(4) + 1);
  const std::array<std::int32_t, 4> terms = {a, b, c, d};
  const auto& order = kDifferenceOrders[static_cast<std::size_t>(Draw10(m.random, 39, 10) - 1)];
  const std::string line = std::to_string(terms[order[0]]) + "+" + std::to_string(terms[order[1]]) +
                           "-" + std::to_string(terms[order[2]]) + "-" +
                           std::to_string(terms[order[3]]) + "=";
  files.WriteBoth(line, line + std::to_string((a - b) + (c - d)));
}

void ConvenientProduct(MainModule& m, WorksheetFiles& files) {
  if (Draw10(m.random, 19, 10) == 1)
    ProductOfThree(m, files);
  else
    SumOfProducts(m, files);
}

}  // namespace mathsheets
