#include "generators/fractions.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <sstream>
#include <stdexcept>

#include "common/random.h"
#include "generators/registry.h"
#include "generators/tests/fraction_lines.h"
#include "testing/bounded_random.h"

namespace mathsheets {
namespace {

using testing::BoundedRandom;
using testing::ExerciseLines;
using testing::Rational;

struct Levels {
  std::int32_t fraction = 0;
  std::int32_t mulDiv = 0;
  std::int32_t mixed = 0;
  std::int32_t mixedMulDiv = 0;
  bool wide = false;
};

void Apply(MainModule& m, const Levels& l) {
  m.FractionLevel = l.fraction;
  m.MulDivLevel = l.mulDiv;
  m.MixedLevel = l.mixed;
  m.MixedMulDivLevel = l.mixedMulDiv;
  m.WidePrimes = l.wide;
}

ExerciseLines Run(int number, MainModule& m) {
  MemoryWorksheet w;
  FindTaskGenerator(number)(m, w.files);
  return {w.student.lines, w.teacher.lines};
}

// Runs one exercise with its own seed and levels.
struct Runner {
  explicit Runner(std::uint64_t seed) : random(seed), m(random) {}
  ExerciseLines operator()(int number, const Levels& levels = {}) {
    Apply(m, levels);
    random.Refill();
    return Run(number, m);
  }
  BoundedRandom random;
  MainModule m;
};

std::string Dump(const ExerciseLines& lines) {
  std::ostringstream out;
  for (const std::string& l : lines.teacher) out << "\n/" << l << "/";
  return out.str();
}

bool Coprime(std::int64_t a, std::int64_t b) {
  return std::gcd(a < 0 ? -a : a, b) == 1;
}

enum class Shape { OneDenominator, MixedOneDenominator, TwoTerm, ThreeFractions, ThreeMixed };

struct TypeRow {
  int number;
  Shape shape;
};

constexpr TypeRow kTypes[] = {
    {43, Shape::OneDenominator},
    {44, Shape::OneDenominator},
    {45, Shape::OneDenominator},
    {46, Shape::OneDenominator},
    {47, Shape::OneDenominator},
    {50, Shape::TwoTerm},
    {51, Shape::TwoTerm},
    {52, Shape::TwoTerm},
    {53, Shape::TwoTerm},
    {54, Shape::TwoTerm},
    {55, Shape::TwoTerm},
    {56, Shape::TwoTerm},
    {57, Shape::TwoTerm},
    {76, Shape::TwoTerm},
    {77, Shape::ThreeFractions},
    {99, Shape::ThreeMixed},
    {100, Shape::ThreeMixed},
    {114, Shape::MixedOneDenominator},
    {115, Shape::MixedOneDenominator},
};

void ExpectFramed(const ExerciseLines& lines, bool separator) {
  const std::size_t count = separator ? 4 : 3;
  ASSERT_EQ(lines.student.size(), count);
  ASSERT_EQ(lines.teacher.size(), count);
  if (separator) {
    EXPECT_EQ(lines.student[3], " ");
    EXPECT_EQ(lines.teacher[3], " ");
  }
}

void CheckOneDenominator(const ExerciseLines& lines) {
  ExpectFramed(lines, true);
  const auto e = testing::ParseOneDenominator(lines);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Value(), e->AnswerValue());
  // The answer keeps the exercise's denominator, unreduced, and is a proper fraction.
  const std::int64_t d = e->terms[0].denominator.value;
  for (const auto& t : e->terms) {
    EXPECT_EQ(t.denominator.value, d);
    EXPECT_TRUE(t.OnItsBar());
  }
  EXPECT_EQ(e->answer.denominator.value, d);
  EXPECT_GT(e->answer.numerator.value, 0);
  EXPECT_LT(e->answer.numerator.value, d);
  EXPECT_TRUE(e->answer.OnItsBar());
}

void CheckMixedOneDenominator(const ExerciseLines& lines) {
  ExpectFramed(lines, false);
  const auto e = testing::ParseMixedOneDenominator(lines);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Value(), e->answer.Value());
  const std::int64_t d = e->first.denominator.value;
  EXPECT_EQ(e->second.denominator.value, d);
  EXPECT_EQ(e->answer.denominator.value, d);
  EXPECT_GT(e->answer.numerator.value, 0);
  EXPECT_LT(e->answer.numerator.value, d);
  EXPECT_LT(e->first.numerator.value, d);
  EXPECT_LT(e->second.numerator.value, d);
  EXPECT_TRUE(e->first.OnItsBar());
  EXPECT_TRUE(e->second.OnItsBar());
  EXPECT_TRUE(e->answer.OnItsBar());
}

void CheckTwoTerm(const ExerciseLines& lines) {
  ExpectFramed(lines, true);
  const auto e = testing::ParseTwoTerm(lines);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Value(), e->answer.Value());
  const auto& a = e->answer;
  EXPECT_GE(a.whole, 0);
  if (a.numerator) {
    EXPECT_GT(a.numerator->value, 0);
    EXPECT_LT(a.numerator->value, a.denominator->value);
    EXPECT_TRUE(Coprime(a.numerator->value, a.denominator->value));
  } else {
    EXPECT_GE(a.whole, 1) << "a whole-number answer";
  }
  // The columns line up unless a numerator is wider than its denominator or a whole part of a
  // sum or difference of mixed numbers has two digits (products and quotients indent theirs).
  const bool indentsWholeParts = e->op == "x" || e->op == ":";
  const auto fits = [&](const testing::Term& t) {
    return t.numerator.width <= t.denominator.width &&
           (indentsWholeParts || t.bar.wholeText.size() <= 1);
  };
  if (!(fits(e->first) && fits(e->second))) return;
  EXPECT_TRUE(e->first.OnItsBar());
  EXPECT_TRUE(e->second.OnItsBar());
  if (a.numerator && a.bar.wholeText.size() <= 1) {
    EXPECT_EQ(a.denominator->column, a.bar.barColumn);
    EXPECT_EQ(a.numerator->column, a.bar.barColumn + 1);
  }
}

void CheckThreeFractions(const ExerciseLines& lines) {
  ExpectFramed(lines, true);
  const auto e = testing::ParseThreeFractions(lines);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Value(), Rational(e->a, e->b));
  ASSERT_GT(e->b, 0);
  std::int64_t common = 1;
  for (const auto& t : e->terms) common = std::lcm(common, t.denominator.value);
  if (e->a == 0) {
    EXPECT_EQ(e->b, common) << "zero over the common denominator";
  } else {
    EXPECT_TRUE(Coprime(e->a, e->b));
  }
}

void CheckThreeMixed(const ExerciseLines& lines) {
  ExpectFramed(lines, true);
  const auto e = testing::ParseThreeMixed(lines);
  ASSERT_TRUE(e);
  const auto answer = e->AnswerValue();
  ASSERT_TRUE(answer);
  EXPECT_EQ(e->Value(), *answer);
  EXPECT_TRUE(e->subtracted[0] || e->subtracted[1]) << "at least one term is subtracted";
  for (const auto& t : e->terms) {
    EXPECT_TRUE(t.OnItsBar());
    EXPECT_LT(t.numerator.value, t.denominator.value);
  }
  if (!e->numerator.empty()) {
    const std::int64_t r = std::stoll(e->numerator);
    const std::int64_t b = std::stoll(e->denominator);
    EXPECT_TRUE(Coprime(r, b));
    EXPECT_LT(r < 0 ? -r : r, b);
    EXPECT_NE(r, 0);
    // The sign goes on the numerator only when there is no whole part.
    if (!e->whole.empty()) {
      EXPECT_GT(r, 0);
      EXPECT_NE(e->whole, "0") << "zero reads 0 alone";
    }
  } else {
    EXPECT_FALSE(e->whole.empty());
  }
}

void Check(Shape shape, const ExerciseLines& lines) {
  SCOPED_TRACE(Dump(lines));
  switch (shape) {
    case Shape::OneDenominator:
      return CheckOneDenominator(lines);
    case Shape::MixedOneDenominator:
      return CheckMixedOneDenominator(lines);
    case Shape::TwoTerm:
      return CheckTwoTerm(lines);
    case Shape::ThreeFractions:
      return CheckThreeFractions(lines);
    case Shape::ThreeMixed:
      return CheckThreeMixed(lines);
  }
}

TEST(FractionGenerators, BindTheNineteenFractionTypes) {
  std::set<int> numbers;
  for (const GeneratorBinding& b : FractionGenerators()) {
    EXPECT_NE(b.generator, nullptr);
    numbers.insert(b.number);
  }
  std::set<int> expected;
  for (const TypeRow& row : kTypes) expected.insert(row.number);
  EXPECT_EQ(numbers, expected);
}

// Every answer equals the value of its exercise, reduced where the layout reduces, at every
// combination of the option levels, and no drawing runs away.
TEST(FractionGenerators, AnswersEqualTheExercisesAtEveryLevel) {
  for (const TypeRow& row : kTypes) {
    SCOPED_TRACE("type " + std::to_string(row.number));
    Runner run(static_cast<std::uint64_t>(row.number));
    for (std::int32_t fraction = 0; fraction <= 4; ++fraction)
      for (std::int32_t mulDiv = 0; mulDiv <= 3; ++mulDiv)
        for (std::int32_t mixed = 0; mixed <= 3; ++mixed)
          for (std::int32_t mixedMulDiv = 0; mixedMulDiv <= 3; ++mixedMulDiv)
            for (bool wide : {false, true})
              for (int repeat = 0; repeat < 2; ++repeat) {
                Check(row.shape, run(row.number, {fraction, mulDiv, mixed, mixedMulDiv, wide}));
                if (::testing::Test::HasFailure()) return;
              }
  }
}

TEST(FractionGenerators, AnswersEqualTheExercisesOverManySeeds) {
  Pcg32 levelSource(7);
  for (const TypeRow& row : kTypes) {
    SCOPED_TRACE("type " + std::to_string(row.number));
    Runner run(1000 + static_cast<std::uint64_t>(row.number));
    for (int i = 0; i < 1500; ++i) {
      const Levels levels = {levelSource.Random(5), levelSource.Random(4), levelSource.Random(4),
                             levelSource.Random(4), levelSource.Random(2) == 1};
      Check(row.shape, run(row.number, levels));
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// The generators that compute their level leave it for the ones that follow.
TEST(FractionGenerators, StoreTheirLevelForLaterGenerators) {
  struct Case {
    int number;
    Levels levels;
    std::int32_t stored;
  };
  const Case cases[] = {
      {50, {0}, 2},
      {50, {1}, 2},
      {50, {3}, 3},
      {51, {1}, 2},
      {76, {0}, 2},
      {76, {4}, 4},
      {52, {4, 0}, 2},
      {52, {4, 1}, 2},
      {53, {1, 2}, 3},
      {52, {1, 3}, 4},
      {54, {4, 0, 0}, 2},
      {54, {1, 0, 3}, 4},
      {55, {1, 0, 2}, 3},
      {56, {4, 0, 0, 0}, 2},
      {57, {1, 0, 0, 1}, 2},
      {56, {1, 0, 0, 3}, 4},
      // Types that do not use the factor pairs leave it alone.
      {43, {3}, 3},
      {77, {1}, 1},
      {99, {4}, 4},
  };
  for (const Case& c : cases) {
    Runner run(5);
    run(c.number, c.levels);
    EXPECT_EQ(run.m.FractionLevel, c.stored) << "type " << c.number;
  }
}

TEST(SameDenominator, DifferenceIsOneToTwentyAndFormsAreAllDrawn) {
  Runner run(11);
  std::set<testing::OneDenominatorForm> forms;
  for (int i = 0; i < 2000; ++i) {
    const auto minus = testing::ParseOneDenominator(run(43));
    ASSERT_TRUE(minus);
    EXPECT_GE(minus->answer.numerator.value, 1);
    EXPECT_LE(minus->answer.numerator.value, 20);
    const auto any = testing::ParseOneDenominator(run(47));
    ASSERT_TRUE(any);
    forms.insert(any->form);
  }
  EXPECT_EQ(forms.size(), 4u) << "a-b, a+b, 1-a and the sum above one";
}

TEST(TwoFractions, DifferencesArePositive) {
  Runner run(12);
  for (int i = 0; i < 2000; ++i) {
    const Levels levels = {i % 5, 0, i % 4, 0, false};
    for (int number : {51, 55}) {
      const auto e = testing::ParseTwoTerm(run(number, levels));
      ASSERT_TRUE(e);
      EXPECT_GT(e->Value(), Rational(0));
      EXPECT_NE(e->first.denominator.value, e->second.denominator.value);
      EXPECT_GT(e->answer.Value(), Rational(0));
    }
  }
}

TEST(TwoFractions, ProductsAndQuotientsAreProperFractions) {
  Runner run(13);
  for (int i = 0; i < 2000; ++i) {
    for (int number : {52, 53}) {
      const auto e = testing::ParseTwoTerm(run(number, {0, i % 4, 0, 0, i % 3 == 0}));
      ASSERT_TRUE(e);
      EXPECT_EQ(e->answer.whole, 0);
      EXPECT_TRUE(e->answer.numerator);
    }
  }
}

TEST(TwoMixed, WholePartsFollowTheMixedLevel) {
  constexpr std::int64_t kHighest[] = {5, 5, 10, 20};  // level 0 draws as level 1
  Runner run(14);
  for (std::int32_t level = 0; level <= 3; ++level) {
    std::int64_t highest = 0;
    for (int i = 0; i < 3000; ++i) {
      for (int number : {54, 55}) {
        const auto e = testing::ParseTwoTerm(run(number, {0, 0, level, 0, false}));
        ASSERT_TRUE(e);
        for (const auto& t : {e->first, e->second}) {
          EXPECT_GE(t.whole(), 1);
          EXPECT_LE(t.whole(), kHighest[level]);
          highest = std::max(highest, t.whole());
        }
        if (number == 55) {
          EXPECT_GE(e->first.whole(), e->second.whole());
        }
      }
    }
    EXPECT_EQ(highest, kHighest[level]) << "level " << level;
  }
}

TEST(TwoMixed, DivisionNeverComesOutWholeAndItsPairsShareNoNumber) {
  Runner run(15);
  for (int i = 0; i < 3000; ++i) {
    const auto e = testing::ParseTwoTerm(run(57, {0, 0, 0, i % 4, i % 2 == 0}));
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->answer.numerator);
    // M2/m1 : m2/M1, each written mixed when improper.
    const auto improper = [](const testing::Term& t) {
      return t.whole() * t.denominator.value + t.numerator.value;
    };
    const std::set<std::int64_t> firstPair = {e->first.denominator.value,
                                              e->second.denominator.value};
    for (std::int64_t second : {improper(e->first), improper(e->second)})
      EXPECT_EQ(firstPair.count(second), 0u);
  }
}

TEST(TwoMixed, WholeNumberAnswersAreWrittenAsWholeNumbers) {
  Runner run(16);
  int found = 0;
  for (int i = 0; i < 20000 && found < 3; ++i) {
    const ExerciseLines lines = run(54, {0, 0, 1, 0, false});
    const auto e = testing::ParseTwoTerm(lines);
    ASSERT_TRUE(e);
    if (e->answer.numerator) continue;
    ++found;
    const std::string whole = std::to_string(e->answer.whole);
    EXPECT_EQ(lines.teacher[0], lines.student[0] + "    ");
    EXPECT_EQ(lines.teacher[1], lines.student[1] + "  " + whole);
    EXPECT_EQ(lines.teacher[2], lines.student[2] + "   ");
  }
  EXPECT_EQ(found, 3) << "equal denominators make whole sums common enough";
}

TEST(ThreeFractions, DenominatorsShareOnePrimeAndAnswersMayBeNegative) {
  Runner run(17);
  bool negative = false;
  for (int i = 0; i < 2000; ++i) {
    const auto e = testing::ParseThreeFractions(run(77));
    ASSERT_TRUE(e);
    const std::int64_t f = std::gcd(e->terms[0].denominator.value, e->terms[1].denominator.value);
    EXPECT_TRUE(f == 11 || f == 13 || f == 17 || f == 19) << f;
    for (const auto& t : e->terms) {
      EXPECT_GE(t.numerator.value, 2);
      EXPECT_LE(t.numerator.value, 20);
    }
    negative = negative || e->a < 0;
  }
  EXPECT_TRUE(negative);
}

TEST(ThreeMixed, NegativeResultsKeepTheSignOnTheWholePart) {
  Runner run(18);
  bool negativeWhole = false;
  for (int i = 0; i < 2000; ++i) {
    for (int number : {99, 100}) {
      const auto e = testing::ParseThreeMixed(run(number));
      ASSERT_TRUE(e);
      for (const auto& t : e->terms) {
        EXPECT_GE(t.whole(), 10);
        EXPECT_LE(t.whole(), 18);
      }
      if (number == 100) {
        std::set<std::int64_t> denominators;
        for (const auto& t : e->terms) denominators.insert(t.denominator.value);
        EXPECT_EQ(denominators.size(), 3u);
        const std::int64_t shared =
            std::gcd(std::gcd(e->terms[0].denominator.value, e->terms[1].denominator.value),
                     e->terms[2].denominator.value);
        EXPECT_TRUE(shared == 3 || shared == 5 || shared == 7) << shared;
      }
      negativeWhole = negativeWhole || (e->whole.starts_with("-") && !e->numerator.empty());
    }
  }
  EXPECT_TRUE(negativeWhole);
}

TEST(MixedOneDenominator, CarryingMembersAlwaysCarryOrBorrow) {
  Runner run(19);
  std::set<char> plainOps;
  std::set<char> extremeOps;
  for (int i = 0; i < 2000; ++i) {
    const auto extreme = testing::ParseMixedOneDenominator(run(115));
    ASSERT_TRUE(extreme);
    const std::int64_t w1 = extreme->first.whole();
    const std::int64_t w2 = extreme->second.whole();
    const std::int64_t expected = extreme->op == '-' ? w1 - w2 - 1 : w1 + w2 + 1;
    EXPECT_EQ(extreme->answer.whole(), expected) << "always a borrow or a carry";
    const auto plain = testing::ParseMixedOneDenominator(run(114));
    ASSERT_TRUE(plain);
    plainOps.insert(plain->op);
    extremeOps.insert(extreme->op);
  }
  EXPECT_EQ(plainOps, (std::set<char>{'+', '-'}));
  EXPECT_EQ(extremeOps, (std::set<char>{'+', '-'}));
}

}  // namespace
}  // namespace mathsheets
