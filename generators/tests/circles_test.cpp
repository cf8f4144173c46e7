#include "generators/circles.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <set>
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

constexpr std::uint64_t kSeeds = 1000;

struct Exercise {
  Lines student;
  Lines teacher;
};

Exercise Generate(int number, RandomSource& random) {
  MainModule m(random);
  MemoryWorksheet sheet;
  for (const GeneratorBinding& b : CircleGenerators())
    if (b.number == number) b.generator(m, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

Exercise RunScript(int number, std::vector<ScriptedDraw> draws) {
  ScriptedRandom random(std::move(draws));
  Exercise e = Generate(number, random);
  random.ExpectAllDrawn();
  return e;
}

// A decimal with exactly `places` digits after a comma (a plain whole number when 0), read back as
// a whole number of its smallest unit; nothing when it is not written that way.
std::optional<std::int64_t> Units(const std::string& text, int places) {
  static const std::regex shapes[] = {
      std::regex("(0|[1-9][0-9]*)()"),          std::regex("(0|[1-9][0-9]*),([0-9])"),
      std::regex("(0|[1-9][0-9]*),([0-9]{2})"), std::regex("(0|[1-9][0-9]*),([0-9]{3})"),
      std::regex("(0|[1-9][0-9]*),([0-9]{4})"),
  };
  std::smatch m;
  if (!std::regex_match(text, m, shapes[places])) return std::nullopt;
  return std::stoll(m[1].str() + m[2].str());
}

// The task to both files, and the teacher's answer on its own line.
std::string TaskAndAnswer(const Exercise& e, std::string& answer) {
  EXPECT_EQ(e.student.size(), 1u);
  EXPECT_EQ(e.teacher.size(), 2u);
  if (e.student.size() != 1 || e.teacher.size() != 2) return {};
  EXPECT_EQ(e.student[0], e.teacher[0]);
  answer = e.teacher[1];
  return e.student[0];
}

const Rational kPi(314, 100);

TEST(CircleBindings, EveryCircleTypeOfTheCatalogHasItsGenerator) {
  std::set<int> catalog;
  for (const TaskKind& kind : kTaskCatalog)
    if (kind.family == TaskFamily::Circles) catalog.insert(kind.Number);
  std::set<int> bound;
  for (const GeneratorBinding& b : CircleGenerators()) {
    EXPECT_NE(b.generator, nullptr);
    EXPECT_TRUE(bound.insert(b.number).second) << "type " << b.number << " bound twice";
  }
  EXPECT_EQ(bound, catalog);
}

TEST(CircleExamples, DiameterTwoThreeWithSizesEndingInZeroAndFiveDrawnAgain) {
  // 2,0 and 2,5 are drawn again before 2,3.
  const std::vector<ScriptedDraw> draws = {{799, 0}, {799, 50}, {799, 39}};
  const Exercise length = RunScript(102, draws);
  EXPECT_EQ(length.student, Lines{"Вычислите длину круга, диаметр которого равен 2,3 cм."});
  EXPECT_EQ(length.teacher,
            (Lines{"Вычислите длину круга, диаметр которого равен 2,3 cм.", "7,222"}));
  const Exercise area = RunScript(103, draws);
  EXPECT_EQ(area.teacher,
            (Lines{"Вычислите площадь круга, радиус которого равен 2,3 cм.", "16,6106"}));
  const Exercise diameter = RunScript(104, draws);
  EXPECT_EQ(diameter.student, Lines{"вычислите диаметр круга, длина которого равна 7,222 cм."});
  EXPECT_EQ(diameter.teacher,
            (Lines{"вычислите диаметр круга, длина которого равна 7,222 cм.", "2,3"}));
}

TEST(CircleExamples, ExtremeSizes) {
  EXPECT_EQ(CircleLengthExercise(21).answer, "6,594");
  EXPECT_EQ(CircleLengthExercise(32).answer, "10,048");
  EXPECT_EQ(CircleLengthExercise(31).answer, "9,734");
  EXPECT_EQ(CircleAreaExercise(21).answer, "13,8474");
  EXPECT_EQ(CircleAreaExercise(99).answer, "307,7514");
  EXPECT_TRUE(RunScript(102, {{799, 19}}).teacher.at(0).ends_with(" 2,1 cм."));
  EXPECT_EQ(RunScript(103, {{799, 798}}).teacher.at(1), "307,7514");
}

TEST(WheelExamples, RadiusElevenAndTheTurnsAtTheirBounds) {
  const Exercise e = RunScript(105, {{679, 0}});
  const std::string task =
      "Что бы проехать 276,32 м, колесо совершило 400 оборотов. Найдите радиус колеса.";
  EXPECT_EQ(e.student, Lines{task});
  EXPECT_EQ(e.teacher, (Lines{task, "11"}));
  // 40 and 50 are drawn again.
  EXPECT_EQ(RunScript(105, {{679, 290}, {679, 390}, {679, 420}}).teacher.at(1), "53");
  EXPECT_EQ(WheelTurns(39), 400);
  EXPECT_EQ(WheelTurns(40), 300);
  EXPECT_EQ(WheelTurns(53), 300);
  EXPECT_EQ(WheelTurns(54), 200);
  EXPECT_EQ(WheelExercise(53).task,
            "Что бы проехать 998,52 м, колесо совершило 300 оборотов. Найдите радиус колеса.");
  EXPECT_EQ(WheelExercise(78).task,
            "Что бы проехать 979,68 м, колесо совершило 200 оборотов. Найдите радиус колеса.");
}

// The drawn size 21..99 tenths, its last digit never 0 or 5.
void ExpectCircleSize(std::int64_t size) {
  EXPECT_GE(size, 21);
  EXPECT_LE(size, 99);
  EXPECT_NE(size % 5, 0) << size;
}

TEST(CircleSeeds, LengthIsPiTimesTheDiameter) {
  const std::regex task("Вычислите длину круга, диаметр которого равен (\\S+) cм\\.");
  std::set<std::int64_t> sizes;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    Pcg32 random(seed);
    std::string answer;
    const std::string line = TaskAndAnswer(Generate(102, random), answer);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, task)) << line;
    const auto d = Units(m[1], 1);
    const auto l = Units(answer, 3);
    ASSERT_TRUE(d && l) << line << " / " << answer;
    ExpectCircleSize(*d);
    sizes.insert(*d);
    EXPECT_EQ(Rational(*l, 1000), kPi * Rational(*d, 10)) << answer;
    EXPECT_NE(*l % 10, 0) << answer;
  }
  EXPECT_EQ(sizes.size(), 64u);  // every size 21..99 not ending in 0 or 5 comes up
}

TEST(CircleSeeds, AreaIsPiTimesTheRadiusSquared) {
  const std::regex task("Вычислите площадь круга, радиус которого равен (\\S+) cм\\.");
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    Pcg32 random(seed);
    std::string answer;
    const std::string line = TaskAndAnswer(Generate(103, random), answer);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, task)) << line;
    const auto r = Units(m[1], 1);
    const auto a = Units(answer, 4);
    ASSERT_TRUE(r && a) << line << " / " << answer;
    ExpectCircleSize(*r);
    EXPECT_EQ(Rational(*a, 10000), kPi * Rational(*r, 10) * Rational(*r, 10)) << answer;
    EXPECT_NE(*a % 10, 0) << answer;
  }
}

TEST(CircleSeeds, DiameterIsTheLengthOverPi) {
  const std::regex task("вычислите диаметр круга, длина которого равна (\\S+) cм\\.");
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    Pcg32 random(seed);
    std::string answer;
    const std::string line = TaskAndAnswer(Generate(104, random), answer);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, task)) << line;
    const auto l = Units(m[1], 3);
    const auto d = Units(answer, 1);
    ASSERT_TRUE(l && d) << line << " / " << answer;
    ExpectCircleSize(*d);
    EXPECT_EQ(Rational(*d, 10), Rational(*l, 1000) / kPi) << line;
  }
}

TEST(WheelSeeds, RadiusIsTheDistanceOverTheTurnsAndTwoPi) {
  const std::regex task(
      "Что бы проехать (\\S+) м, колесо совершило ([0-9]+) оборотов\\. Найдите радиус колеса\\.");
  std::set<std::int64_t> turns;
  for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
    Pcg32 random(seed);
    std::string answer;
    const std::string line = TaskAndAnswer(Generate(105, random), answer);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, task)) << line;
    const auto metres = Units(m[1], 2);
    ASSERT_TRUE(metres) << line;
    ASSERT_TRUE(Units(answer, 0)) << answer;
    const std::int64_t n = std::stoll(m[2]);
    const std::int64_t r = std::stoll(answer);
    turns.insert(n);
    EXPECT_GE(r, 11);
    EXPECT_LE(r, 78);
    EXPECT_NE(r % 5, 0);
    EXPECT_EQ(n, r < 40 ? 400 : r < 54 ? 300 : 200) << line;
    // Metres to centimetres, then one turn is 2 pi r.
    EXPECT_EQ(Rational(*metres, 100) * 100, 2 * kPi * r * n) << line;
    EXPECT_EQ(m[1].str().find(','), 3u) << line;
    EXPECT_NE(*metres % 10, 0) << line;
  }
  EXPECT_EQ(turns, (std::set<std::int64_t>{200, 300, 400}));
}

}  // namespace
}  // namespace mathsheets
