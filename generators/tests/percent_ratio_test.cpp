#include "generators/percent_ratio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/catalog.h"
#include "testing/rational.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::Rational;
using testing::ScriptedDraw;
using testing::ScriptedRandom;
using Lines = std::vector<std::string>;
using Draws = std::vector<ScriptedDraw>;

constexpr std::uint64_t kSeeds = 1000;

struct Exercise {
  Lines student;
  Lines teacher;
};

Exercise Generate(int number, RandomSource& random) {
  MainModule m(random);
  MemoryWorksheet sheet;
  bool found = false;
  for (const GeneratorBinding& b : PercentRatioGenerators()) {
    if (b.number != number) continue;
    found = true;
    b.generator(m, sheet.files);
  }
  EXPECT_TRUE(found) << "type " << number;
  return {sheet.student.lines, sheet.teacher.lines};
}

Exercise RunSeed(int number, std::uint64_t seed) {
  Pcg32 random(seed);
  return Generate(number, random);
}

Exercise RunScript(int number, Draws draws) {
  ScriptedRandom random(std::move(draws));
  Exercise e = Generate(number, random);
  random.ExpectAllDrawn();
  return e;
}

// A number written with exactly `places` digits after a comma (a plain whole number when 0),
// read back as a whole number of its smallest unit.
std::optional<std::int64_t> Units(const std::string& text, int places) {
  static const std::regex shapes[] = {
      std::regex("(0|[1-9][0-9]*)()"),
      std::regex("(0|[1-9][0-9]*),([0-9])"),
      std::regex("(0|[1-9][0-9]*),([0-9]{2})"),
      std::regex("(0|[1-9][0-9]*),([0-9]{3})"),
  };
  std::smatch m;
  if (!std::regex_match(text, m, shapes[places])) return std::nullopt;
  return std::stoll(m[1].str() + m[2].str());
}

std::int64_t Whole(const std::ssub_match& s) {
  return std::stoll(s.str());
}

TEST(PercentRatioBindings, EveryTypeOfTheFamilyInTheCatalogHasItsGenerator) {
  std::set<int> catalog;
  for (const TaskKind& kind : kTaskCatalog)
    if (kind.family == TaskFamily::PercentRatio) catalog.insert(kind.Number);
  std::set<int> bound;
  for (const GeneratorBinding& b : PercentRatioGenerators()) {
    EXPECT_NE(b.generator, nullptr);
    EXPECT_TRUE(bound.insert(b.number).second) << "type " << b.number << " bound twice";
  }
  EXPECT_EQ(bound, catalog);
}

// ---- the arithmetic mean ----

struct MeanType {
  int number;
  bool threeDigits;  // values 200..999 or 20..99, else 20..99 or 2..9
  int places;
  MeanLayout layout;
};

constexpr MeanType kMeanTypes[] = {
    {24, false, 0, MeanLayout::MeanBelow},        {25, true, 0, MeanLayout::MeanBelow},
    {26, false, 0, MeanLayout::UnknownLastSmall}, {27, true, 1, MeanLayout::UnknownLastCapital},
    {28, false, 1, MeanLayout::MeanInline},       {29, true, 1, MeanLayout::MeanInline},
};

// The draws that give these values before the first one is topped up: the count, then for each
// value the choice of its range and the value itself.
Draws MeanDraws(bool threeDigits, const std::vector<std::int32_t>& values) {
  const std::int32_t scale = threeDigits ? 10 : 1;
  Draws draws = {{49, static_cast<std::int32_t>(values.size()) * 10 - 60}};
  for (const std::int32_t v : values) {
    const bool large = v >= 20 * scale;
    draws.push_back({100, large ? 51 : 50});
    if (large)
      draws.push_back({800 * scale - 1, v * 10 - 200 * scale});
    else
      draws.push_back({80 * scale - 1, v * 10 - 20 * scale});
  }
  return draws;
}

TEST(MeanExamples, AFirstValueToppedUpLeavesItsRange) {
  // 97 + 2 x 8 + 8 = 121 leaves 1 over ten values: the first value becomes 106.
  const Draws draws = MeanDraws(false, {97, 2, 2, 2, 2, 2, 2, 2, 2, 8});
  const Exercise mean1 = RunScript(24, draws);
  EXPECT_EQ(mean1.student,
            (Lines{"106 2 2 2 2 2 2 2 2 8  ", "Найдите среднее арифметическое   CA=", " "}));
  EXPECT_EQ(mean1.teacher, Lines{"106 2 2 2 2 2 2 2 2 8 =13 "});
  EXPECT_EQ(RunScript(26, draws).teacher, Lines{"106  2  2  2  2  2  2  2  2  8=13 "});
  EXPECT_EQ(RunScript(28, draws).teacher,
            Lines{"10,6  0,2  0,2  0,2  0,2  0,2  0,2  0,2  0,2  0,8  =1,3 "});
}

TEST(MeanExamples, ASumAlreadyAMultipleOfTheCountIsLeftAsDrawn) {
  const Exercise e = RunScript(24, MeanDraws(false, {20, 30, 40, 2, 3, 7}));
  EXPECT_EQ(e.student.at(0), "20 30 40 2 3 7  ");
  EXPECT_EQ(e.teacher, Lines{"20 30 40 2 3 7 =17 "});
}

TEST(MeanExamples, NineHundredNinetyNineBecomesOneThousandAndEight) {
  const Draws draws = MeanDraws(true, {999, 20, 20, 20, 20, 20, 20, 20, 20, 22});
  EXPECT_EQ(RunScript(25, draws).teacher, Lines{"1008 20 20 20 20 20 20 20 20 22 =119 "});
  const Exercise e = RunScript(27, draws);
  EXPECT_EQ(e.student, (Lines{"Среднее арифметическое чисел:100,8  2,0  2,0  2,0  2,0  2,0  2,0  "
                              "2,0  2,0   X  ",
                              "составляет 11,9  Найдите неизвестное число   "}));
  EXPECT_EQ(e.teacher, Lines{"100,8  2,0  2,0  2,0  2,0  2,0  2,0  2,0  2,0  2,2  =11,9 "});
}

TEST(MeanExamples, TheUnknownLastNumberOfSix) {
  const Exercise e = RunScript(26, MeanDraws(false, {25, 3, 40, 9, 2, 5}));
  EXPECT_EQ(e.student, (Lines{"Среднее арифметическое чисел:25  3  40  9  2  x ",
                              "составляет 14  Найдите неизвестное число     x= "}));
  EXPECT_EQ(e.teacher, Lines{"25  3  40  9  2  5=14 "});
}

TEST(MeanExamples, TenthsBelowOneAndAboveTen) {
  const Exercise small = RunScript(28, MeanDraws(false, {7, 7, 7, 7, 2, 6}));
  EXPECT_EQ(small.student, Lines{"0,7  0,7  0,7  0,7  0,2  0,6     CA= "});
  EXPECT_EQ(small.teacher, Lines{"0,7  0,7  0,7  0,7  0,2  0,6  =0,6 "});
  // 99 + 2 x 8 + 20 = 135: the first value becomes 104.
  EXPECT_EQ(RunScript(28, MeanDraws(false, {99, 2, 2, 2, 2, 2, 2, 2, 2, 20})).teacher,
            Lines{"10,4  0,2  0,2  0,2  0,2  0,2  0,2  0,2  0,2  2,0  =1,4 "});
  EXPECT_EQ(RunScript(29, MeanDraws(true, {45, 45, 45, 45, 45, 45})).teacher,
            Lines{"4,5  4,5  4,5  4,5  4,5  4,5  =4,5 "});
  EXPECT_EQ(RunScript(29, MeanDraws(true, {300, 390, 345, 45, 600, 390})).teacher,
            Lines{"30,0  39,0  34,5  4,5  60,0  39,0  =34,5 "});
}

TEST(MeanExamples, ChoiceFiftyIsSmallAndFiftyOneLarge) {
  ScriptedRandom random({{49, 0},
                         {100, 50},
                         {79, 78},
                         {100, 51},
                         {799, 0},
                         {100, 99},
                         {799, 798},
                         {100, 0},
                         {79, 0},
                         {100, 51},
                         {799, 9},
                         {100, 50},
                         {79, 9}});
  const std::vector<std::int32_t> values = DrawMeanValues(random, {799, 200, 79, 20});
  random.ExpectAllDrawn();
  // 9 + 20 + 99 + 2 + 20 + 2 = 152 leaves 2 over six: 4 more on the first.
  EXPECT_EQ(values, (std::vector<std::int32_t>{13, 20, 99, 2, 20, 2}));
}

// The numbers of a line in their order, as written.
std::vector<std::string> NumberTexts(const std::string& line) {
  static const std::regex number("[0-9]+(,[0-9]+)?");
  std::vector<std::string> texts;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
       it != std::sregex_iterator(); ++it)
    texts.push_back(it->str());
  return texts;
}

// The values and the mean of the teacher's line; the student's lines must show the same values
// (all but the last when it is the unknown) and, when given, the same mean.
struct MeanExercise {
  std::vector<std::int64_t> values;
  std::int64_t mean = 0;
};

std::optional<MeanExercise> ParseMean(const MeanType& type, const Exercise& e) {
  if (e.teacher.size() != 1) return std::nullopt;
  std::vector<std::string> texts = NumberTexts(e.teacher[0]);
  if (texts.size() < 2) return std::nullopt;
  const std::string meanText = texts.back();
  texts.pop_back();
  const bool unknownLast =
      type.layout == MeanLayout::UnknownLastSmall || type.layout == MeanLayout::UnknownLastCapital;
  const std::size_t studentLines = type.layout == MeanLayout::MeanBelow ? 3 : unknownLast ? 2 : 1;
  if (e.student.size() != studentLines) return std::nullopt;
  const std::vector<std::string> shown(texts.begin(), texts.end() - (unknownLast ? 1 : 0));
  EXPECT_EQ(NumberTexts(e.student[0]), shown) << e.student[0];
  if (unknownLast) {
    EXPECT_EQ(NumberTexts(e.student[1]), std::vector{meanText}) << e.student[1];
  }

  MeanExercise parsed;
  const auto mean = Units(meanText, type.places);
  if (!mean) return std::nullopt;
  parsed.mean = *mean;
  for (const std::string& t : texts) {
    const auto v = Units(t, type.places);
    if (!v) return std::nullopt;
    parsed.values.push_back(*v);
  }
  return parsed;
}

TEST(MeanSeeds, TheMeanIsExactAndOnlyTheFirstValueMayLeaveItsRange) {
  for (const MeanType& type : kMeanTypes) {
    const std::int64_t scale = type.threeDigits ? 10 : 1;
    const auto inRange = [scale](std::int64_t v) {
      return (v >= 2 * scale && v < 10 * scale) || (v >= 20 * scale && v < 100 * scale);
    };
    std::set<std::size_t> counts;
    bool raisedOutOfRange = false;
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
      SCOPED_TRACE(::testing::Message() << "type " << type.number << " seed " << seed);
      const Exercise e = RunSeed(type.number, seed);
      const auto parsed = ParseMean(type, e);
      ASSERT_TRUE(parsed) << e.teacher.at(0);
      const auto& v = parsed->values;
      const auto k = static_cast<std::int64_t>(v.size());
      counts.insert(v.size());
      ASSERT_GE(k, 6);
      ASSERT_LE(k, 10);
      std::int64_t sum = 0;
      for (const std::int64_t x : v) sum += x;
      EXPECT_EQ(Rational(sum, k), Rational(parsed->mean));
      for (std::size_t i = 1; i < v.size(); ++i) EXPECT_TRUE(inRange(v[i])) << v[i];
      bool drawable = false;
      for (std::int64_t raise = 0; raise < k; ++raise) drawable |= inRange(v[0] - raise);
      EXPECT_TRUE(drawable) << v[0];
      raisedOutOfRange |= !inRange(v[0]);
    }
    EXPECT_EQ(counts, (std::set<std::size_t>{6, 7, 8, 9, 10}));
    EXPECT_TRUE(raisedOutOfRange);
  }
}

// ---- percentages ----

TEST(PercentExamples, APercentageOfTenths) {
  const Exercise e = RunScript(30, {{79, 25}, {79, 0}});
  EXPECT_EQ(e.student, Lines{"Найдите 20% от числа 4,5"});
  EXPECT_EQ(e.teacher, Lines{"4,5x20%=0,900"});
  EXPECT_EQ(RunScript(30, {{79, 78}, {79, 78}}).teacher, Lines{"9,8x98%=9,604"});
  EXPECT_EQ(RunScript(30, {{79, 0}, {79, 0}}).teacher, Lines{"2,0x20%=0,400"});
  EXPECT_EQ(RunScript(30, {{79, 60}, {79, 30}}).teacher, Lines{"8,0x50%=4,000"});
}

TEST(PercentExamples, TheNumberFromItsPercentage) {
  const Exercise e = RunScript(31, {{79, 0}, {79, 25}});
  EXPECT_EQ(e.student, Lines{"Найдите число, если 20%  этого числа равно 9,00"});
  EXPECT_EQ(e.teacher, Lines{"9,00:20%=45"});
}

TEST(PercentSeeds, APercentageOfANumberIsItsProductOverAHundred) {
  const std::regex student("Найдите ([0-9]+)% от числа (\\S+)");
  const std::regex teacher("(\\S+)x([0-9]+)%=(\\S+)");
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const Exercise e = RunSeed(30, seed);
    ASSERT_EQ(e.student.size(), 1u);
    ASSERT_EQ(e.teacher.size(), 1u);
    std::smatch s, t;
    ASSERT_TRUE(std::regex_match(e.student[0], s, student)) << e.student[0];
    ASSERT_TRUE(std::regex_match(e.teacher[0], t, teacher)) << e.teacher[0];
    EXPECT_EQ(s[1], t[2]);
    EXPECT_EQ(s[2], t[1]);
    const auto a = Units(t[1], 1);
    const auto r = Units(t[3], 3);
    ASSERT_TRUE(a && r) << e.teacher[0];
    const std::int64_t p = Whole(t[2]);
    EXPECT_GE(*a, 20);
    EXPECT_LE(*a, 98);
    EXPECT_GE(p, 20);
    EXPECT_LE(p, 98);
    EXPECT_EQ(Rational(*r, 1000), Rational(*a, 10) * Rational(p, 100)) << e.teacher[0];
  }
}

TEST(PercentSeeds, TheNumberSoughtIsWhole) {
  const std::regex student("Найдите число, если ([0-9]+)%  этого числа равно (\\S+)");
  const std::regex teacher("(\\S+):([0-9]+)%=([0-9]+)");
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const Exercise e = RunSeed(31, seed);
    ASSERT_EQ(e.student.size(), 1u);
    ASSERT_EQ(e.teacher.size(), 1u);
    std::smatch s, t;
    ASSERT_TRUE(std::regex_match(e.student[0], s, student)) << e.student[0];
    ASSERT_TRUE(std::regex_match(e.teacher[0], t, teacher)) << e.teacher[0];
    EXPECT_EQ(s[1], t[2]);
    EXPECT_EQ(s[2], t[1]);
    const auto part = Units(t[1], 2);
    ASSERT_TRUE(part) << e.teacher[0];
    const std::int64_t p = Whole(t[2]);
    const std::int64_t b = Whole(t[3]);
    EXPECT_GE(p, 20);
    EXPECT_LE(p, 98);
    EXPECT_GE(b, 20);
    EXPECT_LE(b, 98);
    EXPECT_EQ(Rational(*part, 100) / Rational(p, 100), Rational(b)) << e.teacher[0];
  }
}

// ---- ratios ----

TEST(RatioExamples, TwoPartsWithAnEqualTermDrawnAgain) {
  const Exercise e = RunScript(63, {{79, 10}, {79, 10}, {79, 40}, {399, 0}});
  EXPECT_EQ(e.student, Lines{"Разделите число 90 на две части в отношении  3:6"});
  EXPECT_EQ(e.teacher, Lines{"Разделите число 90 на две части в отношении  3:6      30   60"});
  EXPECT_EQ(RunScript(63, {{79, 78}, {79, 60}, {399, 398}}).teacher,
            Lines{"Разделите число 833 на две части в отношении  9:8      441   392"});
}

TEST(RatioExamples, ThreePartsWithTheThirdTermDrawnAgainAgainstBoth) {
  const Exercise e =
      RunScript(64, {{79, 0}, {79, 5}, {79, 30}, {79, 9}, {79, 35}, {79, 78}, {399, 100}});
  EXPECT_EQ(e.student, Lines{"Разделите число 320 на три части в отношении  2:5:9"});
  EXPECT_EQ(e.teacher,
            Lines{"Разделите число 320 на три части в отношении  2:5:9      40   100   180"});
}

TEST(RatioExamples, ChainedRatios) {
  // q = 2 repeats p; c = 2 and c = 3 repeat p and q; d = 4 repeats c.
  const Exercise e = RunScript(
      65, {{49, 0}, {49, 5}, {49, 15}, {79, 0}, {79, 15}, {79, 20}, {79, 25}, {79, 30}, {109, 0}});
  const Lines task = {"Разделите число 140 на три части x,y,z в ", "отношении x:y=4:2   y:z=3:5"};
  EXPECT_EQ(e.student, task);
  EXPECT_EQ(e.teacher, (Lines{task[0], task[1], "60      30   50"}));
  // The largest prime index and multiplier.
  EXPECT_EQ(RunScript(65, {{49, 48}, {49, 0}, {79, 78}, {79, 60}, {109, 108}}).teacher.at(2),
            std::to_string(15 * 9 * 2) + "      " + std::to_string(15 * 11 * 2) + "   " +
                std::to_string(15 * 11 * 8));
}

TEST(RatioSeeds, PartsAddUpAndKeepTheRatio) {
  const std::regex line("Разделите число ([0-9]+) на (две|три) части в отношении  ([0-9:]+)");
  for (const int number : {63, 64}) {
    const std::size_t terms = number == 63 ? 2 : 3;
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
      const Exercise e = RunSeed(number, seed);
      ASSERT_EQ(e.student.size(), 1u);
      ASSERT_EQ(e.teacher.size(), 1u);
      std::smatch s;
      ASSERT_TRUE(std::regex_match(e.student[0], s, line)) << e.student[0];
      EXPECT_EQ(s[2], terms == 2 ? "две" : "три");
      const std::int64_t n = Whole(s[1]);
      std::vector<std::int64_t> ratio;
      std::istringstream ratioText(s[3]);
      for (std::string t; std::getline(ratioText, t, ':');) ratio.push_back(std::stoll(t));
      ASSERT_EQ(ratio.size(), terms);
      ASSERT_TRUE(e.teacher[0].starts_with(e.student[0] + "      ")) << e.teacher[0];
      std::vector<std::int64_t> parts;
      std::istringstream partsText(e.teacher[0].substr(e.student[0].size()));
      for (std::int64_t p; partsText >> p;) parts.push_back(p);
      ASSERT_EQ(parts.size(), terms);
      std::string rebuilt = e.student[0] + "   ";
      for (const std::int64_t p : parts) rebuilt += "   " + std::to_string(p);
      EXPECT_EQ(e.teacher[0], rebuilt);

      std::int64_t sum = 0;
      std::int64_t ratioSum = 0;
      for (std::size_t i = 0; i < terms; ++i) {
        sum += parts[i];
        ratioSum += ratio[i];
        EXPECT_GE(ratio[i], 2);
        EXPECT_LE(ratio[i], 9);
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(ratio[i], ratio[j]) << e.student[0];
      }
      EXPECT_EQ(sum, n);
      for (std::size_t i = 0; i < terms; ++i)
        EXPECT_EQ(Rational(parts[i], n), Rational(ratio[i], ratioSum)) << e.teacher[0];
      const Rational multiplier(n, ratioSum);
      EXPECT_EQ(multiplier.den(), 1);
      EXPECT_GE(multiplier.num(), 10);
      EXPECT_LE(multiplier.num(), 49);
      // From 10 x (2 + 3) to 49 x (9 + 8), or from 10 x (2 + 3 + 4) to 49 x (9 + 8 + 7).
      EXPECT_GE(n, terms == 2 ? 50 : 90);
      EXPECT_LE(n, terms == 2 ? 833 : 1176);
    }
  }
}

TEST(RatioSeeds, ChainedPartsMeetBothRatios) {
  const std::regex first("Разделите число ([0-9]+) на три части x,y,z в ");
  const std::regex second("отношении x:y=([0-9]+):([0-9]+)   y:z=([0-9]+):([0-9]+)");
  const std::regex third("([0-9]+)      ([0-9]+)   ([0-9]+)");
  const std::set<std::int64_t> primes = {2, 3, 5, 7, 11};
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const Exercise e = RunSeed(65, seed);
    ASSERT_EQ(e.student.size(), 2u);
    ASSERT_EQ(e.teacher.size(), 3u);
    EXPECT_EQ(e.teacher[0], e.student[0]);
    EXPECT_EQ(e.teacher[1], e.student[1]);
    std::smatch a, b, c;
    ASSERT_TRUE(std::regex_match(e.student[0], a, first)) << e.student[0];
    ASSERT_TRUE(std::regex_match(e.student[1], b, second)) << e.student[1];
    ASSERT_TRUE(std::regex_match(e.teacher[2], c, third)) << e.teacher[2];
    const std::int64_t n = Whole(a[1]);
    const std::int64_t xy1 = Whole(b[1]), xy2 = Whole(b[2]), yz1 = Whole(b[3]), yz2 = Whole(b[4]);
    const std::int64_t x = Whole(c[1]), y = Whole(c[2]), z = Whole(c[3]);
    EXPECT_EQ(x + y + z, n);
    EXPECT_EQ(Rational(x, y), Rational(xy1, xy2)) << e.student[1];
    EXPECT_EQ(Rational(y, z), Rational(yz1, yz2)) << e.student[1];
    // c:p and q:d: p and q different primes, c and d digits different from all before them.
    EXPECT_TRUE(primes.contains(xy2));
    EXPECT_TRUE(primes.contains(yz1));
    EXPECT_NE(xy2, yz1);
    const std::set<std::int64_t> all = {xy1, xy2, yz1, yz2};
    EXPECT_EQ(all.size(), 4u) << e.student[1];
    for (const std::int64_t digit : {xy1, yz2}) {
      EXPECT_GE(digit, 2);
      EXPECT_LE(digit, 9);
    }
    const Rational multiplier(x, xy1 * yz1);
    EXPECT_EQ(multiplier.den(), 1);
    EXPECT_GE(multiplier.num(), 5);
    EXPECT_LE(multiplier.num(), 15);
    EXPECT_EQ(y, multiplier.num() * xy2 * yz1);
    EXPECT_EQ(z, multiplier.num() * xy2 * yz2);
  }
}

// ---- the proportion table ----

const std::string kProportionHeading = "Величини х и у прямо пропорциональны, заполните таблицу";

TEST(ProportionExamples, FactorThreeRejectsWholeNumbersAndRepeats) {
  // x_1: 2,0 is drawn again, 1,5 stays; x_2: 1,5 again and 3,0 are drawn again.
  const Exercise e =
      RunScript(68, {{29, 10}, {23, 9}, {23, 4}, {23, 4}, {23, 19}, {23, 6}, {23, 0}, {23, 22}});
  EXPECT_EQ(e.student,
            (Lines{kProportionHeading, " x    1,5   1,7   1,1", " y          5,1         9,9"}));
  EXPECT_EQ(e.teacher, (Lines{" x    1,5   1,7   1,1   3,3", " y    4,5   5,1   3,3   9,9", " "}));
}

TEST(ProportionExamples, TheBoundsOfEachFactor) {
  EXPECT_EQ(RunScript(68, {{29, 0}, {39, 38}, {39, 0}, {39, 3}, {39, 4}, {39, 1}}).teacher.at(1),
            " y    9,8   2,2   2,8   2,4");
  EXPECT_EQ(RunScript(68, {{29, 28}, {14, 13}, {14, 0}, {14, 4}, {14, 3}, {14, 1}}).teacher.at(1),
            " y    9,6   4,4   5,6   4,8");
}

TEST(ProportionSeeds, EveryYIsTheFactorTimesItsXAndTheColumnsLineUp) {
  const std::regex row(" ([xy])    (\\S{3})   (\\S{3})   (\\S{3})   (\\S{3})");
  std::set<std::int64_t> factors;
  std::set<std::int64_t> xWithThree;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    const Exercise e = RunSeed(68, seed);
    ASSERT_EQ(e.student.size(), 3u);
    ASSERT_EQ(e.teacher.size(), 3u);
    std::smatch xs, ys;
    ASSERT_TRUE(std::regex_match(e.teacher[0], xs, row) && xs[1] == "x") << e.teacher[0];
    ASSERT_TRUE(std::regex_match(e.teacher[1], ys, row) && ys[1] == "y") << e.teacher[1];
    EXPECT_EQ(e.teacher[2], " ");
    std::vector<std::int64_t> x, y;
    for (std::size_t i = 2; i <= 5; ++i) {
      const auto xi = Units(xs[i], 1);
      const auto yi = Units(ys[i], 1);
      ASSERT_TRUE(xi && yi) << e.teacher[0] << " / " << e.teacher[1];
      x.push_back(*xi);
      y.push_back(*yi);
    }
    const Rational factor(y[0], x[0]);
    ASSERT_EQ(factor.den(), 1);
    const std::int64_t k = factor.num();
    factors.insert(k);
    ASSERT_GE(k, 2);
    ASSERT_LE(k, 4);
    const std::int64_t top = k == 2 ? 49 : k == 3 ? 33 : 24;
    const std::int64_t avoid = k == 3 ? 10 : 5;
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(Rational(y[i], x[i]), Rational(k)) << e.teacher[1];
      EXPECT_GE(x[i], 11);
      EXPECT_LE(x[i], top);
      EXPECT_NE(x[i] % avoid, 0);
      EXPECT_NE(y[i] % 10, 0);
      for (std::size_t j = 0; j < i; ++j) EXPECT_NE(x[i], x[j]) << e.teacher[0];
      if (k == 3) xWithThree.insert(x[i]);
    }
    // The student's y row holds y_2 and y_4 under the columns of x_2 and x_4.
    std::string yRow = " y";
    for (const std::size_t i : {3U, 5U}) {
      yRow.resize(static_cast<std::size_t>(xs.position(i)), ' ');
      yRow += ys[i].str();
    }
    EXPECT_EQ(e.student[0], kProportionHeading);
    EXPECT_EQ(e.student[1], e.teacher[0].substr(0, static_cast<std::size_t>(xs.position(5)) - 3));
    EXPECT_EQ(e.student[2], yRow);
  }
  EXPECT_EQ(factors, (std::set<std::int64_t>{2, 3, 4}));
  // Three times 1,5 or 2,5 does not end in 0, so those stay.
  EXPECT_TRUE(xWithThree.contains(15) && xWithThree.contains(25));
}

}  // namespace
}  // namespace mathsheets
