#include <algorithm>

#include "common/decimal_text.h"
#include "common/divisors.h"
#include "generators/percent_ratio.h"
#include "generators/percent_ratio_families.h"

namespace mathsheets {

namespace {

using std::to_string;

// A ratio term 2..9.
std::int32_t DrawTerm(MainModule& m) {
  return Draw10(m.random, 79, 20);
}

// Draws with `draw` again while the value is one of `taken`.
template <typename Draw>
std::int32_t DrawOther(Draw draw, std::span<const std::int32_t> taken) {
  std::int32_t v = draw();
  while (std::find(taken.begin(), taken.end(), v) != taken.end()) v = draw();
  return v;
}

// Pairwise different terms 2..9, each drawn again while it equals one drawn before it; then the
// multiplier 10..49.
template <std::size_t Terms>
void RatioParts(MainModule& m, WorksheetFiles& files) {
  std::array<std::int32_t, Terms> terms{};
  for (std::size_t i = 0; i < Terms; ++i)
    terms[i] = DrawOther([&m] { return DrawTerm(m); }, std::span(terms.data(), i));
  const std::int32_t multiplier = Draw10(m.random, 399, 100);
  WriteLines(files, RatioPartsLines(terms, multiplier));
}

// The x values of the proportion table for each factor: Random(span) + 11, never a multiple of
// `avoid`, so that no y = factor x x ends in 0 and every y keeps two digits.
struct ProportionRow {
  std::int32_t span;
  std::int32_t avoid;
};

constexpr std::array<ProportionRow, 3> kProportionRows = {{{39, 5}, {23, 10}, {14, 5}}};

}  // namespace

PercentRatioLines RatioPartsLines(std::span<const std::int32_t> terms, std::int32_t multiplier) {
  std::int32_t total = 0;
  for (const std::int32_t t : terms) total += t;
  std::string student = "Разделите число " + to_string(multiplier * total) + " на " +
                        (terms.size() == 2 ? "две" : "три") + " части в отношении  ";
  std::string parts = "   ";  // six blanks before the first part, three between the others
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (i > 0) student += ":";
    student += to_string(terms[i]);
    parts += "   " + to_string(multiplier * terms[i]);
  }
  return {{student}, {student + parts}};
}

PercentRatioLines ChainedRatioLines(std::int32_t p, std::int32_t q, std::int32_t c, std::int32_t d,
                                    std::int32_t multiplier) {
  const std::int32_t x = multiplier * c * q;
  const std::int32_t y = multiplier * p * q;
  const std::int32_t z = multiplier * p * d;
  const std::string first = "Разделите число " + to_string(x + y + z) + " на три части x,y,z в ";
  const std::string second = "отношении x:y=" + to_string(c) + ":" + to_string(p) +
                             "   y:z=" + to_string(q) + ":" + to_string(d);
  return {{first, second},
          {first, second, to_string(x) + "      " + to_string(y) + "   " + to_string(z)}};
}

PercentRatioLines ProportionLines(std::int32_t factor, const std::array<std::int32_t, 4>& x) {
  std::array<std::string, 4> xs;
  std::array<std::string, 4> ys;
  for (std::size_t i = 0; i < 4; ++i) {
    xs[i] = DecimalText(x[i], 1, ",");
    ys[i] = DecimalText(factor * x[i], 1, ",");
  }
  // Every number takes three characters, so the blanks keep the columns of the teacher's table.
  return {{"Величини х и у прямо пропорциональны, заполните таблицу",
           " x    " + xs[0] + "   " + xs[1] + "   " + xs[2],
           " y          " + ys[1] + "         " + ys[3]},
          {" x    " + xs[0] + "   " + xs[1] + "   " + xs[2] + "   " + xs[3],
           " y    " + ys[0] + "   " + ys[1] + "   " + ys[2] + "   " + ys[3], " "}};
}

namespace percent_ratio {

void TwoParts(MainModule& m, WorksheetFiles& files) {
  RatioParts<2>(m, files);
}

void ThreeParts(MainModule& m, WorksheetFiles& files) {
  RatioParts<3>(m, files);
}

void ChainedParts(MainModule& m, WorksheetFiles& files) {
  const auto prime = [&m] { return Primes[static_cast<std::size_t>(Draw10(m.random, 49, 10))]; };
  const std::int32_t p = prime();
  const std::int32_t q = DrawOther(prime, std::array{p});
  const std::int32_t c = DrawOther([&m] { return DrawTerm(m); }, std::array{p, q});
  const std::int32_t d = DrawOther([&m] { return DrawTerm(m); }, std::array{p, q, c});
  const std::int32_t multiplier = Draw10(m.random, 109, 50);
  WriteLines(files, ChainedRatioLines(p, q, c, d, multiplier));
}

void ProportionTable(MainModule& m, WorksheetFiles& files) {
  const std::int32_t factor = Draw10(m.random, 29, 20);
  const ProportionRow row = kProportionRows[static_cast<std::size_t>(factor - 2)];
  std::array<std::int32_t, 4> x{};
  for (std::size_t i = 0; i < x.size(); ++i) {
    const std::span<const std::int32_t> before(x.data(), i);
    std::int32_t v = 0;
    do {
      v = m.Random(row.span) + 11;
    } while (v % row.avoid == 0 || std::find(before.begin(), before.end(), v) != before.end());
    x[i] = v;
  }
  WriteLines(files, ProportionLines(factor, x));
}

}  // namespace percent_ratio

}  // namespace mathsheets
