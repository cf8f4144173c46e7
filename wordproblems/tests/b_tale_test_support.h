#pragma once

// Helpers of the tests of the B problems from B58 on: many instances from a random source that
// gives up, the counts a text shows, words that stand on their own, and exact answers.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/cp1251.h"
#include "testing/rational.h"
#include "wordproblems/b_names.h"
#include "wordproblems/b_nouns.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/tests/z_test_support.h"

namespace mathsheets::testing {

constexpr int B(int number) {
  return kZProblemCount + kSProblemCount + number;
}

// Gives up after 100,000 draws for one instance, so a rejection loop that cannot end fails the
// test instead of hanging it.
class BoundedRandom final : public RandomSource {
 public:
  explicit BoundedRandom(std::uint64_t seed) : inner_(seed) {}
  void Refill() { left_ = 100000; }
  std::int32_t Random(std::int32_t n) override {
    if (--left_ < 0) throw std::runtime_error("the generator keeps drawing");
    return inner_.Random(n);
  }

 private:
  Pcg32 inner_;
  int left_ = 0;
};

inline std::string TextOf(const ProblemInstance& p) {
  std::string text;
  for (const std::string& line : p.fileLines) text += line + "\n";
  return text;
}

// `check` on `seeds` fresh instances of B`number`, each line encodable, the preview the file lines.
inline void ForSeeds(int number, const std::function<void(const ProblemInstance&)>& check,
                     int seeds = 300) {
  BoundedRandom random(static_cast<std::uint64_t>(number) * 7919u);
  ProblemModule m(random);
  for (int seed = 0; seed < seeds; ++seed) {
    random.Refill();
    ASSERT_NO_THROW(GenerateProblem(m, B(number))) << "B" << number;
    const ProblemInstance& p = m.instance;
    ASSERT_FALSE(p.fileLines.empty());
    ASSERT_LE(p.fileLines.size(), 4u);
    ASSERT_EQ(p.Preview(), p.fileLines);
    for (const std::string& line : p.fileLines) ASSERT_NO_THROW(Utf8ToCp1251(line)) << line;
    const bool failedBefore = ::testing::Test::HasFailure();
    check(p);
    if (!failedBefore && ::testing::Test::HasFailure()) {
      ADD_FAILURE() << "first failing instance of B" << number << ":\n" << TextOf(p);
      return;
    }
  }
}

// `word` standing on its own: after a blank or a line start, before anything but a letter.
// Cyrillic letters take two bytes, both above 0x7F.
inline bool HasWord(const std::string& text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const bool startsWord = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\n';
    const std::size_t end = at + word.size();
    const auto next = static_cast<unsigned char>(end < text.size() ? text[end] : ' ');
    if (startsWord && next < 0x80 && !std::isalpha(next)) return true;
  }
  return false;
}

// The counts of a text by the letters of `order`, in the order the text shows them.
struct ShownCounts {
  Numbers values;
  std::string_view order;
  std::int64_t operator[](char letter) const {
    const std::size_t at = order.find(letter);
    if (at == std::string_view::npos || at >= values.size()) throw std::out_of_range("no count");
    return values[at];
  }
};

inline ShownCounts ReadShown(const ProblemInstance& p, std::string_view order) {
  ShownCounts shown{NumbersIn(TextOf(p)), order};
  EXPECT_EQ(shown.values.size(), order.size()) << TextOf(p);
  return shown;
}

// "в k раз" / "в k раза" by the Russian rule, wherever the lines break.
inline void ExpectTimesWord(std::string text, std::int64_t k) {
  std::erase(text, '\n');
  const std::string_view word = TimesWord[static_cast<std::size_t>(FormAfter(k))];
  EXPECT_TRUE(HasWord(text, "в " + std::to_string(k) + " " + std::string(word))) << k;
}

// The noun among entries 1..drawn of `nouns` that stands after `count` in the form the Russian rule
// gives; 0 when none does.
template <std::size_t N>
std::int32_t NounAfterCount(const std::string& text, std::int64_t count, const Nouns<N>& nouns,
                            std::int32_t drawn) {
  for (std::int32_t t = 1; t <= drawn; ++t) {
    const std::string_view form = EntryAt(nouns, t)[static_cast<std::size_t>(FormAfter(count))];
    if (HasWord(text, std::to_string(count) + " " + std::string(form))) return t;
  }
  return 0;
}

inline bool IsWhole(Rational r) {
  return r.den() == 1;
}

// The answer line is the exact value `expected`, a whole number.
inline void ExpectAnswer(const ProblemInstance& p, Rational expected) {
  EXPECT_TRUE(IsWhole(expected)) << expected;
  EXPECT_EQ(Rational(AnswerOf(p)), expected);
}

}  // namespace mathsheets::testing
