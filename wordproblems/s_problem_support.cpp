#include "wordproblems/s_problem_support.h"

#include "common/decimal_text.h"
#include "common/divisors.h"

namespace mathsheets {

std::int32_t DrawUnmarked(ProblemModule& m, const PrimeUsed& used, std::int32_t n,
                          std::int32_t base) {
  std::int32_t index = 0;
  do index = m.Draw10(n, base);
  while (used.IsMarked(index));
  return index;
}

std::int32_t DrawAndMark(ProblemModule& m, PrimeUsed& used, std::int32_t n, std::int32_t base) {
  const std::int32_t index = DrawUnmarked(m, used, n, base);
  used.Mark(index);
  return index;
}

std::string_view LastTwoDigitsForm(std::int32_t count,
                                   const std::array<std::string_view, 3>& forms) {
  const std::int32_t lastTwo = count % 100;
  const std::int32_t last = count % 10;
  if (lastTwo >= 10 && lastTwo <= 19) return forms[2];
  if (last == 1) return forms[0];
  if (last >= 2 && last <= 4) return forms[1];
  return forms[2];
}

StoryFraction Reduced(std::int32_t num, std::int32_t den) {
  const std::int32_t g = Gcd(num, den);
  if (g > 1) return {num / g, den / g};
  return {num, den};
}

std::string FractionText(StoryFraction f) {
  return FractionText(f.num, f.den);
}

std::string FractionText(std::int32_t num, std::int32_t den) {
  return std::to_string(num) + "/" + std::to_string(den);
}

std::string CommaText(std::int64_t units, int places) {
  return DecimalText(units, places, ",");
}

std::string TrimmedCommaText(std::int64_t units, int places) {
  std::string text = CommaText(units, places);
  if (places <= 0) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == ',') text.pop_back();
  return text;
}

}  // namespace mathsheets
