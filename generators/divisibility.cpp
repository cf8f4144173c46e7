#include "generators/divisibility.h"

#include <algorithm>
#include <array>

#include "common/divisors.h"
#include "common/factor_pair.h"

namespace mathsheets {

namespace {

void WriteLines(WorksheetFiles& files, const DivisibilityLines& lines) {
  for (const std::string& line : lines.student) files.StudentFile.WriteLine(line);
  for (const std::string& line : lines.teacher) files.TeacherFile.WriteLine(line);
}

template <PairQuestion Question>
void PairExercise(MainModule& m, WorksheetFiles& files) {
  m.pair = DrawGcdPair(m.random, m.GcdLevel);
  const std::int64_t answer = Question == PairQuestion::Gcd ? m.pair.PairGcd : m.pair.PairLcm;
  const std::string line = PairQuestionLine(Question, m.pair.PairA, m.pair.PairB);
  files.WriteWithAnswer(line, answer);
}

// The number of factors is Trunc((Random(29) + countBase) / 10) and each factor is
// Primes[Trunc((Random(indexSpan) + 10) / 10)].
struct FactorisationRow {
  std::int32_t countBase;
  std::int32_t indexSpan;
};

constexpr std::array<FactorisationRow, 3> kFactorisations = {{
    {40, 189},  // "Делители2": 4..6 factors from 2..67
    {40, 109},  // "Делители1": 4..6 factors from 2..31
    {30, 59},   // "Делители 0": 3..5 factors from 2..13
}};

template <std::size_t Row>
void Factorisation(MainModule& m, WorksheetFiles& files) {
  constexpr FactorisationRow row = kFactorisations[Row];
  const std::int32_t count = Draw10(m.random, 29, row.countBase);
  std::vector<std::int64_t> factors;
  std::int64_t number = 1;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int64_t p = Primes[static_cast<std::size_t>(Draw10(m.random, row.indexSpan, 10))];
    number *= p;
    factors.push_back(p);
  }
  const std::string numberText = std::to_string(number);
  files.WriteBoth(numberText, numberText);
  files.WriteBoth("Разложите на простые делители  :", FactorListText(factors));
}

// Both fraction exercises need two different numbers; the level they draw at stays in the module
// for the generators that follow.
void DrawDifferentPair(MainModule& m, std::int32_t fractionLevel) {
  m.FractionLevel = fractionLevel;
  do {
    m.pair = DrawFractionPairA(m.random, m.FractionLevel);
  } while (m.pair.PairA == m.pair.PairB);
}

void ReduceFraction(MainModule& m, WorksheetFiles& files) {
  DrawDifferentPair(m, 3);
  const std::int64_t numerator = std::min(m.pair.PairA, m.pair.PairB);
  const std::int64_t denominator = std::max(m.pair.PairA, m.pair.PairB);
  WriteLines(files, ReduceFractionLines(numerator, denominator, m.pair.PairGcd));
}

void CompareFractions(MainModule& m, WorksheetFiles& files) {
  DrawDifferentPair(m, 2);
  const std::int64_t a = m.pair.PairA;
  const std::int64_t b = m.pair.PairB;
  // At level 2 both numbers are products of three primes, so at least 8: the bounds stay positive.
  std::int64_t n1 = 0;
  std::int64_t n2 = 0;
  do {
    n1 = m.Random(static_cast<std::int32_t>(a - 3)) + 1;
    n2 = m.Random(static_cast<std::int32_t>(b - 3)) + 1;
  } while (n1 * b == n2 * a);
  WriteLines(files, CompareFractionsLines(n1, a, n2, b));
}

constexpr std::array<GeneratorBinding, 7> kBindings = {{
    {48, &PairExercise<PairQuestion::Gcd>},  // НОД
    {49, &PairExercise<PairQuestion::Lcm>},  // НОК
    {58, &Factorisation<0>},                 // Делители2
    {66, &ReduceFraction},                   // СократитьД
    {67, &CompareFractions},                 // СравнитьД
    {80, &Factorisation<1>},                 // Делители1
    {101, &Factorisation<2>},                // Делители 0
}};

}  // namespace

std::string PairQuestionLine(PairQuestion question, std::int64_t a, std::int64_t b) {
  const char* head = question == PairQuestion::Gcd ? "НОД(" : "НОK(";
  return head + std::to_string(a) + "," + std::to_string(b) + ")=";
}

std::string FactorListText(std::span<const std::int64_t> factors) {
  std::string text;
  for (std::int64_t p : factors) text += "   " + std::to_string(p);
  return text;
}

DivisibilityLines ReduceFractionLines(std::int64_t numerator, std::int64_t denominator,
                                      std::int64_t gcd) {
  const std::string n = std::to_string(numerator);
  const std::string d = std::to_string(denominator);
  return {
      {"Сократите дробь", n, "----=", d},
      {n + "      " + std::to_string(numerator / gcd), "---- = ---",
       d + "      " + std::to_string(denominator / gcd), " "},
  };
}

DivisibilityLines CompareFractionsLines(std::int64_t n1, std::int64_t d1, std::int64_t n2,
                                        std::int64_t d2) {
  const std::string numerators = std::to_string(n1) + "    " + std::to_string(n2);
  const std::string denominators = std::to_string(d1) + "    " + std::to_string(d2);
  const char* sign = n1 * d2 < n2 * d1 ? "<" : ">";
  return {
      {"Сравните дроби:", numerators, "---  ---", denominators},
      {numerators, std::string("---") + sign + "---", denominators, " "},
  };
}

std::span<const GeneratorBinding> DivisibilityGenerators() {
  return kBindings;
}

}  // namespace mathsheets
