#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/random.h"
#include "testing/scripted_random.h"
#include "wordproblems/problem_run.h"

namespace mathsheets::testing {

using Numbers = std::vector<std::int64_t>;

// The whole numbers written in a line, in order ("12 час 36 мн" -> 12, 36).
inline Numbers NumbersIn(const std::string& line) {
  Numbers numbers;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] >= '0' && line[i] <= '9') {
      std::int64_t value = 0;
      while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        value = value * 10 + (line[i++] - '0');
      numbers.push_back(value);
    } else {
      ++i;
    }
  }
  return numbers;
}

inline std::int64_t AnswerOf(const ProblemInstance& instance) {
  const Numbers numbers = NumbersIn(instance.answerLine);
  EXPECT_EQ(numbers.size(), 1u) << instance.answerLine;
  EXPECT_EQ(std::to_string(numbers.empty() ? -1 : numbers[0]), instance.answerLine);
  return numbers.empty() ? -1 : numbers[0];
}

// The form a Russian count takes, by its last two digits: 0 for "one", 1 for "two to four", 2 for
// the rest (11 to 14 included).
inline std::size_t FormAfter(std::int64_t n) {
  const std::int64_t lastTwo = n % 100, last = n % 10;
  if (lastTwo >= 11 && lastTwo <= 14) return 2;
  if (last == 1) return 0;
  if (last >= 2 && last <= 4) return 1;
  return 2;
}

// Runs `check` on many fresh instances of problem `index`, after checking what every instance
// must satisfy: lines that Windows-1251 can hold, the preview lines of the window, one answer.
inline void ForManySeeds(int index, const std::function<void(const ProblemInstance&)>& check,
                         int seeds = 500) {
  Pcg32 random(static_cast<std::uint64_t>(index) * 7919u);
  ProblemModule m(random);
  const bool failedBefore = ::testing::Test::HasFailure();
  for (int seed = 0; seed < seeds; ++seed) {
    GenerateProblem(m, index);
    const ProblemInstance& instance = m.instance;
    ASSERT_FALSE(instance.fileLines.empty());
    ASSERT_GE(instance.Preview().size(), 1u);
    ASSERT_LE(instance.Preview().size(), 4u);
    for (const auto* lines : {&instance.fileLines, &instance.Preview()})
      for (const std::string& line : *lines) EXPECT_NO_THROW(Utf8ToCp1251(line)) << line;
    EXPECT_NO_THROW(Utf8ToCp1251(instance.answerLine));
    check(instance);
    if (!failedBefore && ::testing::Test::HasFailure()) {
      ADD_FAILURE() << "first failing instance of Index " << index << ": " << instance.fileLines[0];
      return;
    }
  }
}

// One instance from scripted draws, checking that all of them were made.
inline ProblemInstance Scripted(int index, std::vector<ScriptedDraw> draws) {
  ScriptedRandom random(std::move(draws));
  ProblemModule m(random);
  GenerateProblem(m, index);
  random.ExpectAllDrawn();
  return m.instance;
}

inline bool Between(std::int64_t v, std::int64_t low, std::int64_t high) {
  return v >= low && v <= high;
}

}  // namespace mathsheets::testing
