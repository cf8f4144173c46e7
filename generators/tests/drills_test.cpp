#include "generators/drills.h"

#include <gtest/gtest.h>

#include <regex>

#include "generators/registry.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedRandom;

struct Drill {
  std::int64_t x, y, answer;
  char sign;
};

// Parses "47+25=" and "47+25=72" back into numbers.
Drill Parse(const std::string& student, const std::string& teacher) {
  // Built once: constructing a std::regex costs far more than matching it.
  static const std::regex line(R"((\d+)([-+x:])(\d+)=)");
  static const std::regex number(R"([1-9]\d*)");
  std::smatch m;
  EXPECT_TRUE(std::regex_match(student, m, line)) << student;
  EXPECT_EQ(teacher.rfind(student, 0), 0U) << teacher;
  const std::string answer = teacher.substr(student.size());
  EXPECT_TRUE(std::regex_match(answer, number)) << teacher;
  return {std::stoll(m[1]), std::stoll(m[3]), std::stoll(answer), m[2].str()[0]};
}

Drill DrawOne(int type, RandomSource& random) {
  MainModule m(random);
  MemoryWorksheet sheet;
  FindTaskGenerator(type)(m, sheet.files);
  EXPECT_EQ(sheet.student.lines.size(), 1U);
  EXPECT_EQ(sheet.teacher.lines.size(), 1U);
  return Parse(sheet.student.lines.at(0), sheet.teacher.lines.at(0));
}

std::int64_t Digits(std::int64_t v) {
  return static_cast<std::int64_t>(std::to_string(v).size());
}

TEST(Drills, WorkedAdditionExample) {
  // Sum 72 first, then the addend 47 below a bound computed from the sum.
  ScriptedRandom random{{60, 32}, {47, 32}};
  MainModule m(random);
  MemoryWorksheet sheet;
  FindTaskGenerator(1)(m, sheet.files);
  EXPECT_EQ(sheet.student.lines, std::vector<std::string>{"47+25="});
  EXPECT_EQ(sheet.teacher.lines, std::vector<std::string>{"47+25=72"});
  random.ExpectAllDrawn();
}

TEST(Drills, DrawOrderAndBoundsOfEveryMember) {
  struct Case {
    int type;
    std::vector<testing::ScriptedDraw> draws;
    std::string teacher;
  };
  const std::vector<Case> cases = {
      {2, {{600, 0}, {150, 149}}, "299+101=400"},
      {3, {{6000, 5999}, {7499, 0}}, "1500+8499=9999"},
      {4, {{60, 0}, {15, 14}}, "40-29=11"},
      {5, {{600, 599}, {749, 0}}, "999-150=849"},
      {6, {{6000, 0}, {1500, 0}}, "4000-1500=2500"},
      {7, {{90, 0}, {90, 89}}, "10x99=990"},
      {8, {{900, 899}, {90, 0}}, "999x10=9990"},
      {9, {{900, 899}, {900, 899}}, "999x999=998001"},
      {10, {{90, 0}, {90, 0}}, "100:10=10"},
      {11, {{900, 0}, {90, 89}}, "9900:99=100"},
      {12, {{900, 899}, {900, 899}}, "998001:999=999"},
  };
  for (const Case& c : cases) {
    ScriptedRandom random(c.draws);
    MainModule m(random);
    MemoryWorksheet sheet;
    FindTaskGenerator(c.type)(m, sheet.files);
    EXPECT_EQ(sheet.teacher.lines.at(0), c.teacher) << "type " << c.type;
    random.ExpectAllDrawn();
  }
}

TEST(Drills, AdditionAndSubtractionKeepTheCaptionsDigitsOverManySeeds) {
  Pcg32 random(1);
  for (int size = 2; size <= 4; ++size) {
    for (int i = 0; i < 3000; ++i) {
      const Drill add = DrawOne(size - 1, random);
      EXPECT_EQ(add.sign, '+');
      EXPECT_EQ(add.x + add.y, add.answer);
      for (auto v : {add.x, add.y, add.answer}) ASSERT_EQ(Digits(v), size) << v;
      const Drill sub = DrawOne(size + 2, random);
      EXPECT_EQ(sub.sign, '-');
      EXPECT_EQ(sub.x - sub.y, sub.answer);
      for (auto v : {sub.x, sub.y, sub.answer}) ASSERT_EQ(Digits(v), size) << v;
    }
  }
}

TEST(Drills, TwoDigitAdditionReachesItsBounds) {
  Pcg32 random(3);
  std::int64_t smallest = 100, largest = 0, smallestSum = 100;
  for (int i = 0; i < 20000; ++i) {
    const Drill d = DrawOne(1, random);
    smallest = std::min({smallest, d.x, d.y});
    largest = std::max({largest, d.x, d.y});
    smallestSum = std::min(smallestSum, d.answer);
  }
  EXPECT_EQ(smallest, 11);
  EXPECT_EQ(largest, 88);
  EXPECT_EQ(smallestSum, 40);
}

TEST(Drills, MultiplicationAndDivisionAreExactOverManySeeds) {
  Pcg32 random(9);
  const int larger[] = {2, 3, 3};
  const int smaller[] = {2, 2, 3};
  for (int size = 0; size < 3; ++size) {
    for (int i = 0; i < 3000; ++i) {
      const Drill mul = DrawOne(7 + size, random);
      EXPECT_EQ(mul.sign, 'x');
      EXPECT_EQ(mul.x * mul.y, mul.answer);
      EXPECT_EQ(Digits(mul.x), larger[size]);
      EXPECT_EQ(Digits(mul.y), smaller[size]);
      const Drill div = DrawOne(10 + size, random);
      EXPECT_EQ(div.sign, ':');
      ASSERT_EQ(div.x % div.y, 0) << div.x << ":" << div.y;
      EXPECT_EQ(div.x / div.y, div.answer);
      EXPECT_EQ(Digits(div.answer), larger[size]);
      EXPECT_EQ(Digits(div.y), smaller[size]);
    }
  }
}

TEST(DrillLine, HasNoBlanksAndTheLatinTimesSign) {
  EXPECT_EQ(DrillLine(DrillOperation::Multiplication, 12, 34), "12x34=");
  EXPECT_EQ(DrillLine(DrillOperation::Division, 408, 12), "408:12=");
}

}  // namespace
}  // namespace mathsheets
