#pragma once

// What the S problems share: distinct primes drawn from SmallPrimes, the noun form of counts that
// can pass 99, reduced fractions and numbers written with a decimal comma.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_module.h"

namespace mathsheets {

// S1 is Index 61: the S problems follow the sixty Z problems.
constexpr int SIndex(int number) {
  return kZProblemCount + number;
}

// SmallPrimes[index] for an index a draw has just given.
inline std::int32_t SmallPrime(std::int32_t index) {
  return SmallPrimes.at(static_cast<std::size_t>(index));
}

// Which entries of SmallPrimes a problem has already taken, so that its primes come out distinct.
// Each generator starts with all marks clear.
class PrimeUsed {
 public:
  void Mark(std::int32_t index) { marks_.at(static_cast<std::size_t>(index)) = true; }
  void Unmark(std::int32_t index) { marks_.at(static_cast<std::size_t>(index)) = false; }
  bool IsMarked(std::int32_t index) const { return marks_.at(static_cast<std::size_t>(index)); }

 private:
  std::array<bool, SmallPrimes.size()> marks_{};
};

// Draw10(n, base) again and again, at least once, until the index it gives is unmarked. The mark
// is left to the caller: some problems set it, some do not. Every caller leaves an index of the
// range unmarked, so the loop ends.
std::int32_t DrawUnmarked(ProblemModule& m, const PrimeUsed& used, std::int32_t n,
                          std::int32_t base);
// As DrawUnmarked, then marks the index.
std::int32_t DrawAndMark(ProblemModule& m, PrimeUsed& used, std::int32_t n, std::int32_t base);

// The form of a noun after a count of any size, chosen by its last two digits: forms[0] after 1,
// 21, 101..., forms[1] after 2..4, 22..24..., forms[2] after 0, 5..20, 100, 111...
std::string_view LastTwoDigitsForm(std::int32_t count,
                                   const std::array<std::string_view, 3>& forms);

// A fraction as a word problem states it ("3/4 of the way"), apart from the layout's fractions.
struct StoryFraction {
  std::int32_t num = 0;
  std::int32_t den = 1;
};

// num/den divided by their greatest common divisor.
StoryFraction Reduced(std::int32_t num, std::int32_t den);

// "num/den".
std::string FractionText(StoryFraction f);
std::string FractionText(std::int32_t num, std::int32_t den);

// `units` of 10^-places written with a decimal comma and exactly `places` digits after it.
std::string CommaText(std::int64_t units, int places);
// As CommaText, without trailing zeros after the comma, and without the comma when none are left.
std::string TrimmedCommaText(std::int64_t units, int places);

}  // namespace mathsheets
