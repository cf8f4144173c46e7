#include "generators/roman.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "shell/catalog.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

struct Symbol {
  std::string_view text;
  int value;
};

constexpr Symbol kSymbols[] = {{"M", 1000}, {"CM", 900}, {"D", 500}, {"CD", 400}, {"C", 100},
                               {"XC", 90},  {"L", 50},   {"XL", 40}, {"X", 10},   {"IX", 9},
                               {"V", 5},    {"IV", 4},   {"I", 1}};

// The standard form, built greedily from the largest symbol down.
std::string StandardRoman(int n) {
  std::string text;
  for (const Symbol& s : kSymbols) {
    while (n >= s.value) {
      text += s.text;
      n -= s.value;
    }
  }
  return text;
}

// Reads a numeral letter by letter: a letter worth less than the next one is subtracted.
int ParseRoman(std::string_view text) {
  const auto value = [](char c) {
    switch (c) {
      case 'I':
        return 1;
      case 'V':
        return 5;
      case 'X':
        return 10;
      case 'L':
        return 50;
      case 'C':
        return 100;
      case 'D':
        return 500;
      case 'M':
        return 1000;
      default:
        return -100000;
    }
  };
  int total = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int v = value(text[i]);
    total += i + 1 < text.size() && v < value(text[i + 1]) ? -v : v;
  }
  return total;
}

struct Exercise {
  Lines student;
  Lines teacher;
};

Exercise RunExercises(int number, RandomSource& random, int count = 1) {
  TaskGenerator generator = nullptr;
  for (const GeneratorBinding& b : RomanGenerators())
    if (b.number == number) generator = b.generator;
  EXPECT_NE(generator, nullptr) << "type " << number;
  MainModule m(random);
  MemoryWorksheet sheet;
  for (int i = 0; i < count && generator != nullptr; ++i) generator(m, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

Exercise RunOne(int number, std::int32_t bound, std::int32_t value) {
  ScriptedRandom random({{bound, value}});
  Exercise e = RunExercises(number, random);
  random.ExpectAllDrawn();
  return e;
}

TEST(RomanText, EveryNumberReadsBackAndIsTheStandardForm) {
  for (int n = 1; n <= 2999; ++n) {
    const std::string r = RomanText(n);
    EXPECT_EQ(ParseRoman(r), n) << r;
    EXPECT_EQ(r, StandardRoman(n)) << n;
  }
  EXPECT_EQ(RomanText(0), "");
  EXPECT_EQ(RomanText(3000), "");
}

TEST(RomanText, WholeHundredsAndThousandsHaveNoUnits) {
  EXPECT_EQ(RomanText(200), "CC");
  EXPECT_EQ(RomanText(205), "CCV");
  EXPECT_EQ(RomanText(400), "CD");
  EXPECT_EQ(RomanText(900), "CM");
  EXPECT_EQ(RomanText(1900), "MCM");
  EXPECT_EQ(RomanText(2000), "MM");
  EXPECT_EQ(RomanText(2400), "MMCD");
  EXPECT_EQ(RomanText(1994), "MCMXCIV");
}

TEST(RomanBindings, EveryRomanTypeOfTheCatalogHasItsGenerator) {
  std::set<int> catalog;
  for (const TaskKind& kind : kTaskCatalog)
    if (kind.family == TaskFamily::RomanNumerals) catalog.insert(kind.Number);
  std::set<int> bound;
  for (const GeneratorBinding& b : RomanGenerators()) {
    EXPECT_NE(b.generator, nullptr);
    bound.insert(b.number);
  }
  EXPECT_EQ(bound, catalog);
}

TEST(RomanExercises, SmallestAndLargestNumberOfEachRange) {
  struct Case {
    int number;
    std::int32_t bound;
    std::int32_t value;
    std::string line;
  };
  for (const Case& c :
       {Case{81, 99, 0, "1=I"}, Case{81, 99, 98, "99=XCIX"}, Case{82, 899, 0, "100=C"},
        Case{82, 899, 898, "998=CMXCVIII"}, Case{83, 1999, 0, "1000=M"},
        Case{83, 1999, 1998, "2998=MMCMXCVIII"}, Case{84, 99, 0, "I=1"},
        Case{85, 899, 898, "CMXCVIII=998"}, Case{86, 1999, 1998, "MMCMXCVIII=2998"}}) {
    EXPECT_EQ(RunOne(c.number, c.bound, c.value).teacher, Lines{c.line}) << "type " << c.number;
  }
}

TEST(RomanExercises, TheInstructionGoesToTheStudentFileOnly) {
  const Exercise toDecimal = RunOne(84, 99, 43);
  EXPECT_EQ(toDecimal.student, (Lines{"запишите десятичным числом", "XLIV="}));
  EXPECT_EQ(toDecimal.teacher, Lines{"XLIV=44"});
  const Exercise toRoman = RunOne(82, 899, 105);
  EXPECT_EQ(toRoman.student, (Lines{"запишите римским числом", "205="}));
  EXPECT_EQ(toRoman.teacher, Lines{"205=CCV"});
}

TEST(RomanExercises, OneDrawPerExercise) {
  ScriptedRandom random({{99, 3}, {99, 8}, {99, 48}});
  const Exercise e = RunExercises(81, random, 3);
  random.ExpectAllDrawn();
  EXPECT_EQ(e.student, (Lines{"запишите римским числом", "4=", "запишите римским числом",
                              "9=", "запишите римским числом", "49="}));
  EXPECT_EQ(e.teacher, (Lines{"4=IV", "9=IX", "49=XLIX"}));
}

TEST(RomanExercises, AnswersMatchTheirNumberOverManySeeds) {
  struct Range {
    int number;
    int low;
    int high;
    bool toRoman;
  };
  for (const Range& r :
       {Range{81, 1, 99, true}, Range{82, 100, 998, true}, Range{83, 1000, 2998, true},
        Range{84, 1, 99, false}, Range{85, 100, 998, false}, Range{86, 1000, 2998, false}}) {
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
      Pcg32 random(seed);
      const Exercise e = RunExercises(r.number, random);
      ASSERT_EQ(e.student.size(), 2u);
      ASSERT_EQ(e.teacher.size(), 1u);
      const std::string& line = e.teacher[0];
      const std::size_t equals = line.find('=');
      ASSERT_NE(equals, std::string::npos) << line;
      EXPECT_EQ(e.student[1], line.substr(0, equals + 1));
      const std::string first = line.substr(0, equals);
      const std::string second = line.substr(equals + 1);
      const std::string& decimal = r.toRoman ? first : second;
      const std::string& roman = r.toRoman ? second : first;
      const int n = std::stoi(decimal);
      EXPECT_EQ(std::to_string(n), decimal);
      EXPECT_GE(n, r.low);
      EXPECT_LE(n, r.high);
      EXPECT_EQ(ParseRoman(roman), n) << line;
    }
  }
}

}  // namespace
}  // namespace mathsheets
