#include "generators/decimals.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "generators/registry.h"
#include "shell/catalog.h"
#include "testing/rational.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::Rational;
using testing::ScriptedDraw;
using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

constexpr std::uint64_t kSeeds = 1000;

struct Exercise {
  Lines student;
  Lines teacher;
};

Exercise Generate(int number, RandomSource& random) {
  MainModule m(random);
  MemoryWorksheet sheet;
  const TaskGenerator generator = FindTaskGenerator(number);
  EXPECT_NE(generator, nullptr) << "type " << number;
  if (generator != nullptr) generator(m, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

Exercise RunSeed(int number, std::uint64_t seed) {
  Pcg32 random(seed);
  return Generate(number, random);
}

Exercise RunScript(int number, std::vector<ScriptedDraw> draws) {
  ScriptedRandom random(std::move(draws));
  Exercise e = Generate(number, random);
  random.ExpectAllDrawn();
  return e;
}

// A decimal read back into a whole number of its smallest unit.
struct Decimal {
  std::int64_t units = 0;
  int places = 0;
  std::string text;
};

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<Decimal> ParseDecimal(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos || at == 0) return std::nullopt;
  const std::string_view whole = text.substr(0, at);
  const std::string_view fraction = text.substr(at + 1);
  if (!AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
  if (whole.size() > 1 && whole[0] == '0') return std::nullopt;
  return Decimal{std::stoll(std::string(whole) + std::string(fraction)),
                 static_cast<int>(fraction.size()), std::string(text)};
}

// "x<op>y=z" split at the operator and the equals sign; z is empty in a student line.
struct Binary {
  Decimal left;
  Decimal right;
  std::optional<Decimal> result;
};

std::optional<Binary> ParseBinary(std::string_view line, char op, char separator) {
  const std::size_t at = line.find(op);
  const std::size_t equals = line.find('=');
  if (at == std::string_view::npos || equals == std::string_view::npos || equals < at)
    return std::nullopt;
  const auto left = ParseDecimal(line.substr(0, at), separator);
  const auto right = ParseDecimal(line.substr(at + 1, equals - at - 1), separator);
  if (!left || !right) return std::nullopt;
  Binary b{*left, *right, std::nullopt};
  if (equals + 1 < line.size()) {
    b.result = ParseDecimal(line.substr(equals + 1), separator);
    if (!b.result) return std::nullopt;
  }
  return b;
}

// The student line is the teacher line without its answer.
void ExpectStudentIsQuestion(const Exercise& e) {
  ASSERT_EQ(e.student.size(), 1u);
  ASSERT_EQ(e.teacher.size(), 1u);
  const std::size_t equals = e.teacher[0].find('=');
  ASSERT_NE(equals, std::string::npos);
  EXPECT_EQ(e.student[0], e.teacher[0].substr(0, equals + 1));
}

TEST(DecimalBindings, EveryDecimalTypeOfTheCatalogHasItsGenerator) {
  std::set<int> catalog;
  for (const TaskKind& kind : kTaskCatalog)
    if (kind.family == TaskFamily::Decimals) catalog.insert(kind.Number);
  std::set<int> bound;
  for (const GeneratorBinding& b : DecimalGenerators()) {
    EXPECT_NE(b.generator, nullptr);
    EXPECT_TRUE(bound.insert(b.number).second) << "type " << b.number << " bound twice";
  }
  EXPECT_EQ(bound, catalog);
}

// ---- sums and differences with a point ----

TEST(PointSums, AnswersAreExactAndBothTypesOfASizeDrawTheSameNumbers) {
  for (int places = 1; places <= 3; ++places) {
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
      SCOPED_TRACE(::testing::Message() << "places " << places << " seed " << seed);
      const Exercise add = RunSeed(14 + places, seed);
      const Exercise sub = RunSeed(17 + places, seed);
      ExpectStudentIsQuestion(add);
      ExpectStudentIsQuestion(sub);
      const auto a = ParseBinary(add.teacher[0], '+', '.');
      const auto s = ParseBinary(sub.teacher[0], '-', '.');
      ASSERT_TRUE(a && a->result) << add.teacher[0];
      ASSERT_TRUE(s && s->result) << sub.teacher[0];
      const Decimal& addend = a->left;
      const Decimal& other = a->right;
      const Decimal& sum = *a->result;
      EXPECT_EQ(s->left.text, sum.text);
      EXPECT_EQ(s->right.text, other.text);
      EXPECT_EQ(s->result->text, addend.text);
      for (const Decimal* d : {&addend, &other, &sum}) EXPECT_EQ(d->places, places);
      EXPECT_EQ(addend.units + other.units, sum.units);

      if (places == 1) {
        EXPECT_GE(sum.units, 41);
        EXPECT_LE(sum.units, 99);
        EXPECT_GE(addend.units, 20);
        EXPECT_LT(addend.units, sum.units);
        for (const Decimal* d : {&addend, &other, &sum}) EXPECT_NE(d->text.back(), '0');
      } else {
        const std::int64_t unit = places == 2 ? 100 : 1000;
        const std::int64_t sumWhole = sum.units / unit;
        const std::int64_t addendWhole = addend.units / unit;
        EXPECT_GE(sumWhole, 4 * unit / 10);
        EXPECT_LT(sumWhole, unit);
        EXPECT_GE(addendWhole, 2 * unit / 10);
        EXPECT_LE(addendWhole, sumWhole - unit / 10 - 1);
        for (const Decimal* d : {&addend, &sum}) EXPECT_GE(d->units % unit, unit / 10);
        // The difference has as many whole digits as decimals, like the sum.
        EXPECT_EQ(other.text.find('.'), static_cast<std::size_t>(places));
        EXPECT_NE(other.text[0], '0');
        if (places == 2) {
          EXPECT_NE(other.units % 100, 0) << other.text;
        }
      }
    }
  }
}

TEST(PointSums, TenthsRedrawWholeSumsAndWholeAddends) {
  // 5.0 is drawn again; then 3.0 and 3.7 (which leaves 1.0) are drawn again.
  const Exercise add = RunScript(15, {{60, 10}, {60, 7}, {27, 10}, {27, 17}, {27, 24}});
  EXPECT_EQ(add.student, Lines{"4.4+0.3="});
  EXPECT_EQ(add.teacher, Lines{"4.4+0.3=4.7"});
  const Exercise sub = RunScript(18, {{60, 10}, {60, 7}, {27, 10}, {27, 17}, {27, 24}});
  EXPECT_EQ(sub.student, Lines{"4.7-0.3="});
  EXPECT_EQ(sub.teacher, Lines{"4.7-0.3=4.4"});
}

TEST(PointSums, HundredthsRedrawEqualDecimalsAndKeepTrailingZeros) {
  // 57.20 and 23.20 would leave .00; the addend's decimals are drawn again as 35.
  const std::vector<ScriptedDraw> draws = {{60, 17}, {90, 10}, {27, 3}, {90, 10}, {90, 25}};
  EXPECT_EQ(RunScript(16, draws).teacher, Lines{"23.35+33.85=57.20"});
  EXPECT_EQ(RunScript(19, draws).teacher, Lines{"57.20-33.85=23.35"});
}

TEST(PointSums, ThousandthsMayLeaveZeroThousandths) {
  const std::vector<ScriptedDraw> draws = {{600, 0}, {900, 400}, {100, 99}, {900, 400}};
  const Exercise add = RunScript(17, draws);
  EXPECT_EQ(add.student, Lines{"299.500+101.000="});
  EXPECT_EQ(add.teacher, Lines{"299.500+101.000=400.500"});
  EXPECT_EQ(RunScript(20, draws).teacher, Lines{"400.500-101.000=299.500"});
}

TEST(DrawDecimalSum, TenthsAreTheNumbersOfTheTenthsTypes) {
  ScriptedRandom random({{60, 10}, {60, 7}, {27, 10}, {27, 17}, {27, 24}});
  const DecimalSum s = DrawDecimalSum(random, 1);
  random.ExpectAllDrawn();
  EXPECT_EQ(s.sum, 47);
  EXPECT_EQ(s.addend, 44);
  EXPECT_EQ(s.other, 3);
}

// ---- products with a point ----

TEST(PointProducts, AnswersAreExactProductsWithThePlacesOfBothFactors) {
  struct Range {
    int number;
    std::int64_t firstLow, firstHigh, secondLow, secondHigh;
    int places;
  };
  for (const Range& r : {Range{21, 20, 99, 20, 99, 1}, Range{22, 200, 999, 20, 99, 1},
                         Range{23, 200, 999, 200, 999, 2}}) {
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
      SCOPED_TRACE(::testing::Message() << "type " << r.number << " seed " << seed);
      const Exercise e = RunSeed(r.number, seed);
      ExpectStudentIsQuestion(e);
      const auto p = ParseBinary(e.teacher[0], 'x', '.');
      ASSERT_TRUE(p && p->result) << e.teacher[0];
      EXPECT_EQ(p->left.places, r.places);
      EXPECT_EQ(p->right.places, r.places);
      EXPECT_EQ(p->result->places, 2 * r.places);
      EXPECT_EQ(p->left.units * p->right.units, p->result->units);
      EXPECT_GE(p->left.units, r.firstLow);
      EXPECT_LE(p->left.units, r.firstHigh);
      EXPECT_GE(p->right.units, r.secondLow);
      EXPECT_LE(p->right.units, r.secondHigh);
    }
  }
}

TEST(PointProducts, TrailingZerosStay) {
  EXPECT_EQ(RunScript(21, {{80, 0}, {80, 15}}).teacher, Lines{"2.0x3.5=7.00"});
  EXPECT_EQ(RunScript(22, {{800, 250}, {80, 0}}).teacher, Lines{"45.0x2.0=90.00"});
  const Exercise e = RunScript(23, {{800, 110}, {800, 799}});
  EXPECT_EQ(e.student, Lines{"3.10x9.99="});
  EXPECT_EQ(e.teacher, Lines{"3.10x9.99=30.9690"});
}

// ---- products and quotients with random places ----

TEST(RandomPlaces, TheQuotientIsTheProductReadBackwards) {
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const Exercise mul = RunSeed(13, seed);
    const Exercise div = RunSeed(14, seed);
    ExpectStudentIsQuestion(mul);
    ExpectStudentIsQuestion(div);
    const auto p = ParseBinary(mul.teacher[0], 'x', ',');
    const auto q = ParseBinary(div.teacher[0], ':', ',');
    ASSERT_TRUE(p && p->result) << mul.teacher[0];
    ASSERT_TRUE(q && q->result) << div.teacher[0];
    for (const Decimal* d : {&p->left, &p->right}) {
      EXPECT_GE(d->units, 20);
      EXPECT_LE(d->units, 99);
      EXPECT_GE(d->places, 1);
      EXPECT_LE(d->places, 5);
    }
    EXPECT_EQ(p->left.units * p->right.units, p->result->units);
    EXPECT_EQ(p->left.places + p->right.places, p->result->places);
    // The division checks out on its own: quotient times divisor is the dividend.
    EXPECT_EQ(q->result->units * q->right.units, q->left.units);
    EXPECT_EQ(q->result->places + q->right.places, q->left.places);
    EXPECT_EQ(q->left.text, p->result->text);
    EXPECT_EQ(q->right.text, p->left.text);
    EXPECT_EQ(q->result->text, p->right.text);
  }
}

TEST(RandomPlaces, WorkedExamples) {
  // 47 with 3 places and 50 with 3 places.
  EXPECT_EQ(RunScript(13, {{80, 27}, {80, 30}, {49, 20}, {49, 20}}).teacher,
            Lines{"0,047x0,050=0,002350"});
  // Five places each: ten places in the product.
  const std::vector<ScriptedDraw> draws = {{80, 0}, {80, 4}, {49, 40}, {49, 48}};
  const Exercise mul = RunScript(13, draws);
  EXPECT_EQ(mul.student, Lines{"0,00020x0,00024="});
  EXPECT_EQ(mul.teacher, Lines{"0,00020x0,00024=0,0000000480"});
  const Exercise div = RunScript(14, draws);
  EXPECT_EQ(div.student, Lines{"0,0000000480:0,00020="});
  EXPECT_EQ(div.teacher, Lines{"0,0000000480:0,00020=0,00024"});
  EXPECT_EQ(RunScript(14, {{80, 79}, {80, 79}, {49, 0}, {49, 9}}).teacher, Lines{"98,01:9,9=9,9"});
}

// ---- fraction to decimal ----

TEST(ScientificText, FifteenSignificantDigitsAndAFourDigitExponent) {
  EXPECT_EQ(ScientificText(21, 24), " 8.75000000000000E-0001");
  EXPECT_EQ(ScientificText(6, 1875), " 3.20000000000000E-0003");
  EXPECT_EQ(ScientificText(1, 1), " 1.00000000000000E+0000");
  EXPECT_EQ(ScientificText(123456, 1), " 1.23456000000000E+0005");
  EXPECT_EQ(ScientificText(-21, 24), "-8.75000000000000E-0001");
  EXPECT_EQ(ScientificText(0, 7), " 0.00000000000000E+0000");
}

TEST(ScientificText, RoundsTheLastDigitHalfUpAndCarries) {
  EXPECT_EQ(ScientificText(1, 3), " 3.33333333333333E-0001");
  EXPECT_EQ(ScientificText(2, 3), " 6.66666666666667E-0001");
  EXPECT_EQ(ScientificText(1, 7), " 1.42857142857143E-0001");
  // 0.9999999999999999 rounds up to one: the exponent moves.
  EXPECT_EQ(ScientificText(9999999999999999, 10000000000000000), " 1.00000000000000E+0000");
  // Exactly half a unit of the last digit rounds up.
  EXPECT_EQ(ScientificText(1000000000000005, 10000000000000000), " 1.00000000000001E-0001");
  EXPECT_EQ(ScientificText(1000000000000004, 10000000000000000), " 1.00000000000000E-0001");
}

struct Scientific {
  std::int64_t mantissa;  // 15 digits
  int exponent;
};

std::optional<Scientific> ParseScientific(std::string_view text) {
  if (text.size() != 23 || text[0] != ' ' || text[2] != '.' || text[17] != 'E') return std::nullopt;
  const std::string digits = std::string(text.substr(1, 1)) + std::string(text.substr(3, 14));
  const std::string_view exponent = text.substr(19, 4);
  if (!AllDigits(digits) || !AllDigits(exponent) || (text[18] != '-' && text[18] != '+'))
    return std::nullopt;
  const int e = std::stoi(std::string(exponent));
  return Scientific{std::stoll(digits), text[18] == '-' ? -e : e};
}

TEST(FractionToDecimal, TheQuotientIsTheFractionToFifteenDigits) {
  const std::set<std::int64_t> powers = {4, 8, 16, 25, 125, 625};
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const Exercise e = RunSeed(59, seed);
    ExpectStudentIsQuestion(e);
    const std::string& line = e.teacher[0];
    const std::size_t colon = line.find(':');
    const std::size_t equals = line.find('=');
    ASSERT_TRUE(colon != std::string::npos && equals != std::string::npos) << line;
    const std::string numText = line.substr(0, colon);
    const std::string denText = line.substr(colon + 1, equals - colon - 1);
    ASSERT_TRUE(AllDigits(numText) && AllDigits(denText)) << line;
    const std::int64_t num = std::stoll(numText);
    const std::int64_t den = std::stoll(denText);
    ASSERT_LT(num, den);
    // Shown unreduced: one of the hidden factors divides both parts.
    bool hidden = false;
    for (std::int64_t f : {3, 7, 11, 13}) {
      if (den % f == 0 && powers.count(den / f) != 0 && num % f == 0) {
        const std::int64_t m = num / f;
        hidden = hidden || m == 2 || m == 3 || m == 7 || m == 11;
      }
    }
    EXPECT_TRUE(hidden) << line;

    const auto q = ParseScientific(line.substr(equals + 1));
    ASSERT_TRUE(q) << line;
    ASSERT_GE(q->mantissa, 100000000000000);
    ASSERT_LE(q->mantissa, 999999999999999);
    ASSERT_GE(q->exponent, -3);
    ASSERT_LE(q->exponent, -1);
    // mantissa / 10^k is num / den to within half a unit of the last digit.
    const Rational exact(num, den);
    std::int64_t scale = 1;
    for (int i = 0; i < 14 - q->exponent; ++i) scale *= 10;
    const std::int64_t error = q->mantissa * exact.den() - exact.num() * scale;
    EXPECT_LE(2 * (error < 0 ? -error : error), exact.den()) << line;
  }
}

TEST(FractionToDecimal, WorkedExamples) {
  // Base 2, power 8, factor 3, numerator 7.
  const Exercise e = RunScript(59, {{39, 0}, {29, 10}, {39, 0}, {39, 20}});
  EXPECT_EQ(e.student, Lines{"21:24="});
  EXPECT_EQ(e.teacher, Lines{"21:24= 8.75000000000000E-0001"});
  // The smallest value, 2/625.
  EXPECT_EQ(RunScript(59, {{39, 10}, {29, 28}, {39, 0}, {39, 0}}).teacher,
            Lines{"6:1875= 3.20000000000000E-0003"});
  // Over 4 the numerators 7 and 11 are too big and are drawn again.
  EXPECT_EQ(RunScript(59, {{39, 9}, {29, 0}, {39, 38}, {39, 20}, {39, 30}, {39, 19}}).teacher,
            Lines{"39:52= 7.50000000000000E-0001"});
}

// ---- fraction to periodic decimal ----

TEST(FractionToPeriod, TheReducedFractionEqualsItsPeriodicDecimal) {
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const Exercise e = RunSeed(60, seed);
    ASSERT_EQ(e.student.size(), 4u);
    ASSERT_EQ(e.teacher.size(), 4u);
    EXPECT_EQ(e.student[1], "----=");
    EXPECT_EQ(e.student[3], " ");
    EXPECT_EQ(e.teacher[0], e.student[0]);
    EXPECT_EQ(e.teacher[2], e.student[2]);
    EXPECT_EQ(e.teacher[3], " ");
    ASSERT_TRUE(AllDigits(e.student[0]) && AllDigits(e.student[2]));
    const std::int64_t num = std::stoll(e.student[0]);
    const std::int64_t den = std::stoll(e.student[2]);

    const std::string& bar = e.teacher[1];
    const std::string open = "----=0,(";
    ASSERT_EQ(bar.substr(0, open.size()), open) << bar;
    ASSERT_EQ(bar.back(), ')') << bar;
    const std::string period = bar.substr(open.size(), bar.size() - open.size() - 1);
    ASSERT_TRUE(AllDigits(period)) << bar;
    const int g = static_cast<int>(period.size());
    ASSERT_GE(g, 1);
    ASSERT_LE(g, 4);
    const std::int64_t p = std::stoll(period);
    std::int64_t nines = 9;
    for (int i = 1; i < g; ++i) nines = 10 * nines + 9;
    EXPECT_EQ(std::gcd(num, den), 1) << num << "/" << den;
    EXPECT_EQ(Rational(num, den), Rational(p, nines)) << num << "/" << den << " " << bar;
    // A period of one repeated digit would really be a shorter one.
    if (g > 1) {
      EXPECT_NE(period.find_first_not_of(period[0]), std::string::npos) << bar;
    }
    const std::int64_t low[] = {1, 1, 10, 100};
    const std::int64_t high[] = {8, 98, 989, 9899};
    EXPECT_GE(p, low[g - 1]) << bar;
    EXPECT_LE(p, high[g - 1]) << bar;
  }
}

TEST(FractionToPeriod, WorkedExamples) {
  const Exercise third = RunScript(60, {{39, 0}, {79, 20}});
  EXPECT_EQ(third.student, (Lines{"1", "----=", "3", " "}));
  EXPECT_EQ(third.teacher, (Lines{"1", "----=0,(3)", "3", " "}));
  // 22 repeats one digit and is drawn again.
  EXPECT_EQ(RunScript(60, {{39, 10}, {979, 210}, {979, 40}}).teacher,
            (Lines{"5", "----=0,(05)", "99", " "}));
  EXPECT_EQ(RunScript(60, {{39, 20}, {9799, 640}}).teacher,
            (Lines{"2", "----=0,(074)", "27", " "}));
  // 0101 / 9999 reduces by 101; the period keeps its leading zero.
  EXPECT_EQ(RunScript(60, {{39, 30}, {97999, 10}}).teacher,
            (Lines{"1", "----=0,(0101)", "99", " "}));
}

TEST(ReducePeriod, ReducesByEveryPrimeOfTheDenominator) {
  const PeriodicFraction f = ReducePeriod(6, 1);
  EXPECT_EQ(f.numerator, 2);
  EXPECT_EQ(f.denominator, 3);
  EXPECT_EQ(f.period, "6");
  const PeriodicFraction g = ReducePeriod(814, 3);  // 814 = 2 * 11 * 37, 999 = 27 * 37
  EXPECT_EQ(g.numerator, 22);
  EXPECT_EQ(g.denominator, 27);
  const PeriodicFraction h = ReducePeriod(3333 - 1111, 4);  // 2222 = 2 * 11 * 101
  EXPECT_EQ(h.numerator, 2);
  EXPECT_EQ(h.denominator, 9);
  EXPECT_EQ(ReducePeriod(27, 3).period, "027");
}

// ---- rounding ----

const std::vector<std::string> kInstructions = {
    "Округлите до тысячных:", "Округлите до cотых:", "Округлите до десятых:", "Округлите до целых:",
    "Округлите до десятков:", "Округлите до сотен:", "Округлите до тысяч:",
};

// Rounding on the digits themselves, as done by hand.
std::string RoundByHand(std::string digits, int kept) {
  if (digits[static_cast<std::size_t>(kept)] >= '5') {
    int i = kept - 1;
    while (digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
    ++digits[static_cast<std::size_t>(i)];
  }
  for (std::size_t i = static_cast<std::size_t>(kept); i < 4; ++i) digits[i] = '0';
  std::string text = digits.substr(0, 4);
  if (kept > 4) text += "," + digits.substr(4, static_cast<std::size_t>(kept) - 4);
  return text;
}

TEST(RoundDecimal, AgreesWithRoundingByHand) {
  std::set<std::size_t> places;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const Exercise e = RunSeed(98, seed);
    ASSERT_EQ(e.student.size(), 2u);
    ASSERT_EQ(e.teacher.size(), 2u);
    EXPECT_EQ(e.teacher[0], e.student[0]);
    std::size_t k = 0;
    while (k < kInstructions.size() && kInstructions[k] != e.student[0]) ++k;
    ASSERT_LT(k, kInstructions.size()) << e.student[0];
    places.insert(k);

    const std::string& x = e.student[1];
    ASSERT_EQ(x.size(), 10u) << x;
    ASSERT_EQ(x[4], ',');
    ASSERT_EQ(x[9], '=');
    const std::string digits = x.substr(0, 4) + x.substr(5, 4);
    ASSERT_TRUE(AllDigits(digits));
    EXPECT_GE(digits[0], '1');
    EXPECT_LE(digits[0], '8');
    EXPECT_NE(digits[7], '0');
    ASSERT_EQ(e.teacher[1].substr(0, x.size()), x);
    EXPECT_EQ(e.teacher[1].substr(x.size()), RoundByHand(digits, 7 - static_cast<int>(k)));
  }
  EXPECT_EQ(places.size(), kInstructions.size());
}

std::vector<ScriptedDraw> RoundingDraws(std::string_view digits, int place) {
  std::vector<ScriptedDraw> draws = {{79, 10 * (digits[0] - '0') - 10}};
  for (std::size_t i = 1; i < 7; ++i) draws.push_back({99, 10 * (digits[i] - '0')});
  draws.push_back({89, 10 * (digits[7] - '0') - 10});
  draws.push_back({69, 10 * place - 10});
  return draws;
}

TEST(RoundDecimal, WorkedExamples) {
  const Exercise e = RunScript(98, RoundingDraws("35072841", 1));
  EXPECT_EQ(e.student, (Lines{"Округлите до тысячных:", "3507,2841="}));
  EXPECT_EQ(e.teacher, (Lines{"Округлите до тысячных:", "3507,2841=3507,284"}));
  EXPECT_EQ(RunScript(98, RoundingDraws("39999951", 2)).teacher,
            (Lines{"Округлите до cотых:", "3999,9951=4000,00"}));
  EXPECT_EQ(RunScript(98, RoundingDraws("89995001", 7)).teacher,
            (Lines{"Округлите до тысяч:", "8999,5001=9000"}));
  EXPECT_EQ(RunScript(98, RoundingDraws("19500001", 6)).teacher,
            (Lines{"Округлите до сотен:", "1950,0001=2000"}));
  EXPECT_EQ(RunScript(98, RoundingDraws("12340501", 3)).teacher,
            (Lines{"Округлите до десятых:", "1234,0501=1234,1"}));
  EXPECT_EQ(RunScript(98, RoundingDraws("12344999", 4)).teacher,
            (Lines{"Округлите до целых:", "1234,4999=1234"}));
  EXPECT_EQ(RunScript(98, RoundingDraws("12355001", 5)).teacher,
            (Lines{"Округлите до десятков:", "1235,5001=1240"}));
}

TEST(RoundedText, KeepsZeroDecimalsAndZerosTheDroppedWholeDigits) {
  EXPECT_EQ(RoundedText(10000001, RoundingPlace::Thousandths), "1000,000");
  EXPECT_EQ(RoundedText(89999999, RoundingPlace::Thousandths), "9000,000");
  EXPECT_EQ(RoundedText(89999999, RoundingPlace::Thousands), "9000");
  EXPECT_EQ(RoundedText(14999999, RoundingPlace::Thousands), "1000");
}

}  // namespace
}  // namespace mathsheets
