#include "generators/literal_expressions.h"

#include <array>

#include "common/divisors.h"

namespace mathsheets {

namespace {

using Letters3 = std::array<std::string_view, 3>;

constexpr std::array<Letters3, 3> kBracketLetters = {{
    {"a", "b", "c"},
    {"x", "y", "z"},
    {"m", "n", "k"},
}};

constexpr std::array<std::string_view, 6> kSimplifyLetters = {"a", "b", "c", "y", "p", "q"};
// Latin capitals.
constexpr std::array<std::string_view, 6> kValueLetters = {"X", "Y", "C", "P", "N", "K"};

template <std::size_t N>
std::string_view PickLetter(MainModule& m, const std::array<std::string_view, N>& letters) {
  return letters[static_cast<std::size_t>(Draw10(m.random, 10 * N - 1, 10) - 1)];
}

// Two magnitudes 2..19 that differ, so that the group they form never collects to 0.
std::array<std::int32_t, 2> DistinctMagnitudes(MainModule& m) {
  const std::int32_t first = Draw10(m.random, 179, 20);
  std::int32_t second = first;
  while (second == first) second = Draw10(m.random, 179, 20);
  return {first, second};
}

// The sign of type 75: "+" when the draw exceeds 50.
std::int32_t LikeTermSign(MainModule& m, std::int32_t magnitude) {
  return m.Random(100) > 50 ? magnitude : -magnitude;
}

// The sign of types 78 and 79: "-" when the draw is below 50.
std::int32_t BracketSign(MainModule& m) {
  return m.Random(100) < 50 ? -1 : 1;
}

Letters3 BracketLetters(MainModule& m) {
  return kBracketLetters[static_cast<std::size_t>(Draw10(m.random, 29, 10) - 1)];
}

// Type 75.
void CollectLikeTerms(MainModule& m, WorksheetFiles& files) {
  LikeTerms t{};
  const std::int32_t r = m.Random(100);
  t.letters = r < 34    ? std::array<std::string_view, 2>{"a", "b"}
              : r <= 67 ? std::array<std::string_view, 2>{"m", "n"}
                        : std::array<std::string_view, 2>{"p", "k"};
  const auto first = DistinctMagnitudes(m);
  const auto constants = DistinctMagnitudes(m);
  const auto second = DistinctMagnitudes(m);
  t.first[0] = LikeTermSign(m, first[0]);
  t.first[1] = LikeTermSign(m, first[1]);
  t.second[0] = LikeTermSign(m, second[0]);
  t.second[1] = LikeTermSign(m, second[1]);
  t.constants[0] = LikeTermSign(m, constants[0]);
  t.constants[1] = LikeTermSign(m, constants[1]);
  t.order = Draw10(m.random, 29, 10);
  const std::string line = LikeTermsLine(t);
  files.WriteBoth(line, line + "   " + LikeTermsAnswer(t));
}

// Type 78.
void ExpandBrackets(MainModule& m, WorksheetFiles& files) {
  BracketTerms t{};
  for (std::int32_t& c : t.coefficients) c = Draw10(m.random, 149, 60);
  const std::int32_t k = Draw10(m.random, 149, 60);
  t.factor = BracketSign(m) * k;
  t.coefficients[1] *= BracketSign(m);
  t.coefficients[2] *= BracketSign(m);
  t.letters = BracketLetters(m);
  const std::string line = BracketText(t) + "=";
  files.WriteBoth(line, line + "    " + ExpandedText(t));
}

// Type 79. The primes inside the bracket are distinct, so k is the greatest common factor.
void TakeOutCommonFactor(MainModule& m, WorksheetFiles& files) {
  const auto prime = [&m] { return Primes[static_cast<std::size_t>(Draw10(m.random, 99, 10))]; };
  BracketTerms t{};
  t.coefficients[0] = prime();
  do {
    do t.coefficients[1] = prime();
    while (t.coefficients[1] == t.coefficients[0]);
    t.coefficients[2] = prime();
  } while (t.coefficients[2] == t.coefficients[0] || t.coefficients[2] == t.coefficients[1]);
  const std::int32_t k = Draw10(m.random, 149, 60);
  t.factor = BracketSign(m) * k;
  t.coefficients[1] *= BracketSign(m);
  t.coefficients[2] *= BracketSign(m);
  t.letters = BracketLetters(m);
  const std::string line = ExpandedText(t) + "=";
  files.WriteBoth("Винесите за скобки общий множитель", "Винесите за скобки общий множитель");
  files.WriteBoth(line, line + BracketText(t));
}

// Type 92.
void SimplifyNumbersAndLetter(MainModule& m, WorksheetFiles& files) {
  NumbersAndLetter t{};
  t.letter = PickLetter(m, kSimplifyLetters);
  const bool difference = m.Random(100) <= 70;
  if (difference) {
    t.numbers[0] = m.Random(28) + 72;
    t.numbers[1] = m.Random(30) + 20;
    t.numbers[2] = m.Random(10) + 10;
  } else {
    for (std::int32_t& n : t.numbers) n = m.Random(90) + 10;
  }
  t.position = Draw10(m.random, 39, 10);
  // The difference form subtracts the small third number where the letter stands first or last
  // and the middle one otherwise; either way the sum stays positive.
  if (difference) {
    const bool letterAtAnEnd = t.position == 1 || t.position == 4;
    t.numbers[letterAtAnEnd ? 2 : 1] *= -1;
  }
  const std::string line = NumbersAndLetterLine(t);
  files.StudentFile.WriteLine("Упростите выражение:");
  files.WriteBoth(line, line + NumbersAndLetterAnswer(t));
}

// Type 93.
void ValueForLetter(MainModule& m, WorksheetFiles& files) {
  LetterValue t{};
  t.letter = PickLetter(m, kValueLetters);
  const bool minus = m.Random(100) <= 50;
  t.coefficient = m.Random(20) + 5;
  const std::int32_t c = m.Random(10) + 10;
  t.constant = minus ? -c : c;
  t.value = m.Random(20) + 20;
  files.StudentFile.WriteLine("Вычислите значение виражения:");
  files.WriteBoth(LetterValueStudentLine(t), LetterValueTeacherLine(t));
}

// Random(span) + base, drawn again while it is a whole number of tens.
std::int32_t NotTens(MainModule& m, std::int32_t span, std::int32_t base) {
  std::int32_t n = 0;
  do n = m.Random(span) + base;
  while (n % 10 == 0);
  return n;
}

// Type 96.
void DistributiveTrick(MainModule& m, WorksheetFiles& files) {
  DistributiveSum t{};
  t.u = NotTens(m, 30, 10);
  const std::int32_t j = m.Random(4) + 1;
  t.m = t.u + 10 * j;
  t.w = NotTens(m, 50, 50);
  t.v = NotTens(m, 30, 10);
  t.d = t.w - t.v;
  t.form = Draw10(m.random, 39, 10);
  const std::string line = DistributiveLine(t);
  files.WriteWithAnswer(line, (t.m - t.u) * t.w);
}

constexpr std::array<GeneratorBinding, 6> kBindings = {{
    {75, &CollectLikeTerms},          // Упростить
    {78, &ExpandBrackets},            // Раскрыть
    {79, &TakeOutCommonFactor},       // Винести
    {92, &SimplifyNumbersAndLetter},  // Упростить
    {93, &ValueForLetter},            // Значение_в
    {96, &DistributiveTrick},         // Интеллект
}};

}  // namespace

std::span<const GeneratorBinding> LiteralExpressionGenerators() {
  return kBindings;
}

}  // namespace mathsheets
