#include "generators/signed_numbers.h"

#include <array>
#include <vector>

#include "common/decimal_text.h"
#include "generators/decimals.h"

namespace mathsheets {

namespace {

// Types 70..73: a sum or a product of two point decimals, written forwards (x op |-y| = z) or
// backwards (z op |-y| = x), so the difference and the quotient come out exact.
struct AbsoluteRow {
  bool product;
  bool backwards;
  std::string_view operation;  // the sign and the opening bar before the negated number
};

constexpr std::array<AbsoluteRow, 4> kAbsolutes = {{
    {false, false, "+|-"},
    {false, true, "-|-"},
    {true, false, "x|-"},
    {true, true, ":|-"},
}};

template <std::size_t Row>
void AbsoluteValue(MainModule& m, WorksheetFiles& files) {
  constexpr AbsoluteRow row = kAbsolutes[Row];
  std::string x, y, z;  // x + y = z or x * y = z
  if (row.product) {
    const std::int32_t a = m.Random(80) + 20;
    const std::int32_t b = m.Random(80) + 20;
    x = DecimalText(a, 1, ".");
    y = DecimalText(b, 1, ".");
    z = DecimalText(a * b, 2, ".");
  } else {
    const DecimalSum s = DrawDecimalSum(m.random, 1);
    x = DecimalText(s.addend, 1, ".");
    y = DecimalText(s.other, 1, ".");
    z = DecimalText(s.sum, 1, ".");
  }
  std::string line = row.backwards ? z : x;
  line.append(row.operation).append(y).append("|=");
  files.WriteBoth(line, line + (row.backwards ? x : z));
}

// r = Random(100) makes a size negative when r > 40: 59 chances in 100.
std::int32_t DrawSign(MainModule& m, std::int32_t size) {
  return m.Random(100) > 40 ? -size : size;
}

// Types 106..109: each term is Trunc((Random(span) + base) / 10) + offset. The small chain has no
// sign draw and turns a 0 into -1; the others draw a size and then its sign.
struct IntegerChainRow {
  std::size_t terms;
  std::int32_t span;
  std::int32_t base;
  std::int32_t offset;
  bool signDrawn;
};

constexpr std::array<IntegerChainRow, 4> kIntegerChains = {{
    {4, 109, 50, -10, false},
    {4, 109, 100, 0, true},
    {5, 509, 100, 0, true},
    {6, 909, 100, 0, true},
}};

template <std::size_t Row>
void IntegerChain(MainModule& m, WorksheetFiles& files) {
  constexpr IntegerChainRow row = kIntegerChains[Row];
  std::vector<SignedTerm> terms;
  std::int32_t sum = 0;
  for (std::size_t i = 0; i < row.terms; ++i) {
    std::int32_t v = Draw10(m.random, row.span, row.base) + row.offset;
    if (row.signDrawn) v = DrawSign(m, v);
    if (v == 0) v = -1;
    terms.push_back({v, std::to_string(v)});
    sum += v;
  }
  const std::string line = SignedChain(terms, NegativeTerms::Plain);
  files.WriteBoth(line, line + std::to_string(sum));
}

// Types 110..113: signed integers 1..10 and signed decimals 1,1..5,9 drawn in this order, then
// mixed in one of two orders.
enum DecimalChainTerm : std::uint8_t { I1, I2, I3, T1, T2, T3 };

struct DecimalChainRow {
  std::size_t integers;
  std::size_t decimals;
  std::size_t terms;
  std::array<DecimalChainTerm, 6> orderHigh;  // when r >= 50
  std::array<DecimalChainTerm, 6> orderLow;
  NegativeTerms negatives;
};

constexpr std::array<DecimalChainRow, 4> kDecimalChains = {{
    {2, 2, 4, {T1, I1, T2, I2}, {I1, T1, I2, T2}, NegativeTerms::Plain},
    {3, 2, 5, {T1, I1, T2, I2, I3}, {I1, T1, I2, T2, I3}, NegativeTerms::Plain},
    {3, 3, 6, {T1, I1, T2, I2, I3, T3}, {I1, T1, I2, T2, T3, I3}, NegativeTerms::Plain},
    {3, 3, 6, {T1, I1, T2, I2, I3, T3}, {I1, T1, I2, T2, T3, I3}, NegativeTerms::Bracketed},
}};

template <std::size_t Row>
void DecimalChain(MainModule& m, WorksheetFiles& files) {
  constexpr DecimalChainRow row = kDecimalChains[Row];
  std::array<SignedTerm, 6> drawn{};
  std::int32_t tenths = 0;
  for (std::size_t i = 0; i < row.integers; ++i) {
    const std::int32_t v = DrawSign(m, Draw10(m.random, 99, 10));
    drawn[I1 + i] = {v, std::to_string(v)};
    tenths += 10 * v;
  }
  for (std::size_t i = 0; i < row.decimals; ++i) {
    // A whole decimal would be written with ",0", so it is drawn again with its sign.
    std::int32_t t = 0;
    do t = DrawSign(m, Draw10(m.random, 499, 100));
    while (t % 10 == 0);
    drawn[T1 + i] = {t, SignedTenthText(t)};
    tenths += t;
  }
  const auto& order = m.Random(100) >= 50 ? row.orderHigh : row.orderLow;
  std::vector<SignedTerm> terms;
  for (std::size_t i = 0; i < row.terms; ++i) terms.push_back(drawn[order[i]]);
  const std::string line = SignedChain(terms, row.negatives);
  files.WriteBoth(line, line + TenthsSumText(tenths));
}

constexpr std::array<GeneratorBinding, 12> kBindings = {{
    {70, &AbsoluteValue<0>},  // СложениеМ
    {71, &AbsoluteValue<1>},  // ВычитаниеМ
    {72, &AbsoluteValue<2>},  // УмножениеМ
    {73, &AbsoluteValue<3>},  // ДелениеМ
    {106, &IntegerChain<0>},  // Рациональные
    {107, &IntegerChain<1>},  // ration2
    {108, &IntegerChain<2>},  // Ration3
    {109, &IntegerChain<3>},  // Ration4
    {110, &DecimalChain<0>},  // Ration5
    {111, &DecimalChain<1>},  // Ration6
    {112, &DecimalChain<2>},  // Ration7
    {113, &DecimalChain<3>},  // Ration8
}};

}  // namespace

std::string SignedChain(std::span<const SignedTerm> terms, NegativeTerms negatives) {
  std::string line;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const SignedTerm& term = terms[i];
    if (i == 0 || (term.value < 0 && negatives == NegativeTerms::Plain))
      line += term.text;
    else if (term.value < 0)
      line.append("+(").append(term.text).append(")");
    else
      line.append("+").append(term.text);
  }
  line += '=';
  return line;
}

std::string SignedTenthText(std::int32_t tenths) {
  return DecimalText(tenths, 1, ",");
}

std::string TenthsSumText(std::int32_t tenths) {
  if (tenths % 10 == 0) return std::to_string(tenths / 10);
  return DecimalText(tenths, 1, ",");
}

std::span<const GeneratorBinding> SignedNumberGenerators() {
  return kBindings;
}

}  // namespace mathsheets
