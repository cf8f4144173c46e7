#include "generators/literal_expressions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "generators/registry.h"
#include "testing/scripted_random.h"

namespace mathsheets {
namespace {

using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

struct Sheet {
  Lines student;
  Lines teacher;
};

Sheet Generate(int type, RandomSource& random) {
  MainModule m(random);
  MemoryWorksheet sheet;
  FindTaskGenerator(type)(m, sheet.files);
  return {sheet.student.lines, sheet.teacher.lines};
}

Sheet RunScripted(int type, std::vector<testing::ScriptedDraw> draws) {
  ScriptedRandom random(std::move(draws));
  Sheet sheet = Generate(type, random);
  random.ExpectAllDrawn();
  return sheet;
}

// Evaluates a linear expression with letters, such as "-12m+3", "-7(11x+29y+13z)" or "q+67":
// a term is an optional sign, an optional number and then a letter or a bracket, or the number
// alone. Blanks are skipped. The letters take the values of one substitution.
class LinearEvaluator {
 public:
  LinearEvaluator(std::string_view text, int substitution)
      : text_(text), substitution_(substitution) {}

  std::int64_t Evaluate() {
    const std::int64_t v = Sum();
    EXPECT_EQ(pos_, text_.size()) << "unread text in " << text_;
    return v;
  }

  // Different letters get unrelated values, and each substitution a new set of them.
  static std::int64_t LetterValue(char letter, int substitution) {
    return (static_cast<unsigned char>(letter) * 37 + substitution * 101) % 41 - 20;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }

  std::int64_t Sum() {
    std::int64_t total = 0;
    SkipBlanks();
    while (pos_ < text_.size() && text_[pos_] != ')') {
      std::int64_t sign = 1;
      if (text_[pos_] == '+' || text_[pos_] == '-') sign = text_[pos_++] == '-' ? -1 : 1;
      total += sign * Term();
      SkipBlanks();
    }
    return total;
  }

  std::int64_t Term() {
    std::int64_t coefficient = 1;
    bool hasNumber = false;
    if (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      coefficient = 0;
      hasNumber = true;
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
        coefficient = coefficient * 10 + (text_[pos_++] - '0');
    }
    if (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_])))
      return coefficient * LetterValue(text_[pos_++], substitution_);
    if (pos_ < text_.size() && text_[pos_] == '(') {
      ++pos_;
      const std::int64_t inside = Sum();
      EXPECT_TRUE(pos_ < text_.size() && text_[pos_] == ')') << text_;
      ++pos_;
      return coefficient * inside;
    }
    EXPECT_TRUE(hasNumber) << "empty term at " << pos_ << " in " << text_;
    return coefficient;
  }

  std::string_view text_;
  int substitution_;
  std::size_t pos_ = 0;
};

std::int64_t Evaluate(std::string_view text, int substitution) {
  return LinearEvaluator(text, substitution).Evaluate();
}

// The exercise (up to "=") and its answer agree for several values of the letters.
void ExpectSameExpression(std::string_view exercise, std::string_view answer) {
  ASSERT_FALSE(exercise.empty());
  ASSERT_EQ(exercise.back(), '=') << exercise;
  exercise.remove_suffix(1);
  for (int s = 0; s < 5; ++s)
    ASSERT_EQ(Evaluate(exercise, s), Evaluate(answer, s)) << exercise << " vs " << answer;
}

// The teacher line is the student line followed by the answer; returns the answer.
std::string AnswerAfter(const std::string& student, const std::string& teacher) {
  EXPECT_EQ(teacher.rfind(student, 0), 0U) << teacher;
  return teacher.substr(std::min(student.size(), teacher.size()));
}

std::vector<std::int64_t> Numbers(const std::string& text) {
  static const std::regex number(R"(\d+)");
  std::vector<std::int64_t> numbers;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    numbers.push_back(std::stoll(it->str()));
  return numbers;
}

TEST(LinearEvaluator, ReadsSignsBracketsAndLetters) {
  const auto x = LinearEvaluator::LetterValue('x', 0);
  const auto y = LinearEvaluator::LetterValue('y', 0);
  EXPECT_EQ(Evaluate("-7(11x+29y)", 0), -77 * x - 203 * y);
  EXPECT_EQ(Evaluate("x+67", 0), x + 67);
  EXPECT_EQ(Evaluate("+3x  -2y  +7", 0), 3 * x - 2 * y + 7);
  EXPECT_NE(LinearEvaluator::LetterValue('m', 1), LinearEvaluator::LetterValue('n', 1));
}

// Type 75.

TEST(CollectLikeTerms, WorkedExample) {
  const Sheet s = RunScripted(75, {{100, 50},
                                   {179, 100},
                                   {179, 10},
                                   {179, 60},
                                   {179, 130},
                                   {179, 120},
                                   {179, 100},
                                   {100, 0},
                                   {100, 99},
                                   {100, 0},
                                   {100, 99},
                                   {100, 0},
                                   {100, 99},
                                   {29, 0}});
  EXPECT_EQ(s.student, Lines{"-12m-14n-8+3m+12n+15="});
  EXPECT_EQ(s.teacher, Lines{"-12m-14n-8+3m+12n+15=   -9m  -2n  +7"});
}

TEST(CollectLikeTerms, EqualMagnitudesAreDrawnAgainAndEqualSignsAdd) {
  // a2 first repeats a1 (16); the sign draw 50 gives "-", 51 gives "+".
  const Sheet s = RunScripted(75, {{100, 33},
                                   {179, 140},
                                   {179, 145},
                                   {179, 10},
                                   {179, 60},
                                   {179, 30},
                                   {179, 120},
                                   {179, 110},
                                   {100, 51},
                                   {100, 51},
                                   {100, 50},
                                   {100, 50},
                                   {100, 50},
                                   {100, 51},
                                   {29, 9}});
  EXPECT_EQ(s.teacher, Lines{"+16a-14b-8+3a-13b+5=   +19a  -27b  -3"});
}

TEST(CollectLikeTerms, LetterPairsByTheirDraw) {
  const std::vector<std::pair<int, std::string>> cases = {{0, "ab"},  {33, "ab"}, {34, "mn"},
                                                          {67, "mn"}, {68, "pk"}, {99, "pk"}};
  for (const auto& [draw, letters] : cases) {
    const Sheet s = RunScripted(75, {{100, draw},
                                     {179, 0},
                                     {179, 10},
                                     {179, 0},
                                     {179, 10},
                                     {179, 0},
                                     {179, 10},
                                     {100, 99},
                                     {100, 99},
                                     {100, 99},
                                     {100, 99},
                                     {100, 99},
                                     {100, 99},
                                     {29, 0}});
    const std::string expected = "+2" + letters.substr(0, 1) + "+2" + letters.substr(1, 1) +
                                 "+2+3" + letters.substr(0, 1) + "+3" + letters.substr(1, 1) +
                                 "+3=";
    EXPECT_EQ(s.student, Lines{expected}) << draw;
  }
}

TEST(CollectLikeTerms, TheThreeOrdersOfTheTerms) {
  const LikeTerms t{{"a", "b"}, {16, 3}, {-14, -13}, {-8, 5}, 1};
  EXPECT_EQ(LikeTermsLine(t), "+16a-14b-8+3a-13b+5=");
  LikeTerms second = t;
  second.order = 2;
  EXPECT_EQ(LikeTermsLine(second), "+16a-8+3a-13b+5-14b=");
  LikeTerms third = t;
  third.order = 3;
  EXPECT_EQ(LikeTermsLine(third), "+5-14b-8+3a-13b+16a=");
  EXPECT_EQ(LikeTermsAnswer(third), "+19a  -27b  -3");
}

TEST(CollectLikeTerms, AnswerEqualsTheExerciseOverManySeeds) {
  static const std::regex term(R"([+-](\d+)([a-z]?))");
  static const std::regex answer(R"(   [+-][1-9]\d*([a-z])  [+-][1-9]\d*([a-z])  [+-][1-9]\d*)");
  const std::set<std::string> pairs = {"ab", "mn", "pk"};
  Pcg32 random(75);
  for (int i = 0; i < 3000; ++i) {
    const Sheet s = Generate(75, random);
    ASSERT_EQ(s.student.size(), 1U);
    ASSERT_EQ(s.teacher.size(), 1U);
    const std::string& line = s.student[0];
    const std::string rest = AnswerAfter(line, s.teacher[0]);
    std::smatch groups;
    ASSERT_TRUE(std::regex_match(rest, groups, answer)) << s.teacher[0];
    EXPECT_TRUE(pairs.count(groups[1].str() + groups[2].str())) << s.teacher[0];
    int terms = 0;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), term);
         it != std::sregex_iterator(); ++it, ++terms) {
      const int magnitude = std::stoi((*it)[1]);
      EXPECT_GE(magnitude, 2) << line;
      EXPECT_LE(magnitude, 19) << line;
    }
    EXPECT_EQ(terms, 6) << line;
    ExpectSameExpression(line, rest);
  }
}

// Types 78 and 79.

TEST(ExpandBrackets, WorkedExamples) {
  Sheet s = RunScripted(
      78, {{149, 30}, {149, 140}, {149, 10}, {149, 60}, {100, 0}, {100, 50}, {100, 99}, {29, 10}});
  EXPECT_EQ(s.student, Lines{"-12(9x+20y+7z)="});
  EXPECT_EQ(s.teacher, Lines{"-12(9x+20y+7z)=    -108x-240y-84z"});
  s = RunScripted(
      78, {{149, 90}, {149, 100}, {149, 10}, {149, 60}, {100, 50}, {100, 60}, {100, 70}, {29, 28}});
  EXPECT_EQ(s.teacher, Lines{"12(15m+16n+7k)=    +180m+192n+84k"});
  s = RunScripted(
      78, {{149, 0}, {149, 148}, {149, 0}, {149, 148}, {100, 99}, {100, 49}, {100, 0}, {29, 0}});
  EXPECT_EQ(s.teacher, Lines{"20(6a-20b-6c)=    +120a-400b-120c"});
}

TEST(ExpandBrackets, AnswerEqualsTheExerciseOverManySeeds) {
  static const std::regex exercise(R"(-?(\d+)\((\d+)([a-z])[+-](\d+)([a-z])[+-](\d+)([a-z])\)=)");
  static const std::regex answer(R"(    [+-]\d+[a-z][+-]\d+[a-z][+-]\d+[a-z])");
  Pcg32 random(78);
  for (int i = 0; i < 3000; ++i) {
    const Sheet s = Generate(78, random);
    ASSERT_EQ(s.student.size(), 1U);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(s.student[0], m, exercise)) << s.student[0];
    for (std::size_t g : {1U, 2U, 4U, 6U}) {
      EXPECT_GE(std::stoi(m[g]), 6) << s.student[0];
      EXPECT_LE(std::stoi(m[g]), 20) << s.student[0];
    }
    const std::string letters = m[3].str() + m[5].str() + m[7].str();
    EXPECT_TRUE(letters == "abc" || letters == "xyz" || letters == "mnk") << letters;
    const std::string rest = AnswerAfter(s.student[0], s.teacher.at(0));
    ASSERT_TRUE(std::regex_match(rest, answer)) << s.teacher[0];
    ExpectSameExpression(s.student[0], rest);
  }
}

TEST(TakeOutCommonFactor, WorkedExampleWithRepeatedPrimesDrawnAgain) {
  // p2 first repeats p1 (11); then p3 repeats p2 (29), so both are drawn again.
  const Sheet s = RunScripted(79, {{99, 40},
                                   {99, 40},
                                   {99, 98},
                                   {99, 95},
                                   {99, 90},
                                   {99, 50},
                                   {149, 10},
                                   {100, 0},
                                   {100, 50},
                                   {100, 99},
                                   {29, 10}});
  const std::string instruction = "Винесите за скобки общий множитель";
  EXPECT_EQ(s.student, (Lines{instruction, "-77x-203y-91z="}));
  EXPECT_EQ(s.teacher, (Lines{instruction, "-77x-203y-91z=-7(11x+29y+13z)"}));
}

TEST(TakeOutCommonFactor, FactorIsTheGreatestCommonDivisorOverManySeeds) {
  static const std::regex exercise(R"([+-](\d+)[a-z][+-](\d+)[a-z][+-](\d+)[a-z]=)");
  static const std::regex answer(R"(-?(\d+)\((\d+)[a-z][+-](\d+)[a-z][+-](\d+)[a-z]\))");
  const std::set<int> primes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  Pcg32 random(79);
  for (int i = 0; i < 3000; ++i) {
    const Sheet s = Generate(79, random);
    ASSERT_EQ(s.student.size(), 2U);
    ASSERT_EQ(s.teacher.size(), 2U);
    EXPECT_EQ(s.teacher[0], s.student[0]);
    std::smatch e;
    ASSERT_TRUE(std::regex_match(s.student[1], e, exercise)) << s.student[1];
    const std::string rest = AnswerAfter(s.student[1], s.teacher[1]);
    std::smatch a;
    ASSERT_TRUE(std::regex_match(rest, a, answer)) << s.teacher[1];
    const int k = std::stoi(a[1]);
    EXPECT_GE(k, 6);
    EXPECT_LE(k, 20);
    EXPECT_EQ(std::gcd(std::gcd(std::stoi(e[1]), std::stoi(e[2])), std::stoi(e[3])), k)
        << s.teacher[1];
    const std::set<int> inside = {std::stoi(a[2]), std::stoi(a[3]), std::stoi(a[4])};
    EXPECT_EQ(inside.size(), 3U) << s.teacher[1];
    for (int p : inside) EXPECT_TRUE(primes.count(p)) << p;
    ExpectSameExpression(s.student[1], rest);
  }
}

// Type 92.

TEST(SimplifyNumbersAndLetter, WorkedExamples) {
  Sheet s = RunScripted(92, {{59, 58}, {100, 70}, {28, 2}, {30, 2}, {10, 5}, {39, 10}});
  EXPECT_EQ(s.student, (Lines{"Упростите выражение:", "74+q-22+15="}));
  EXPECT_EQ(s.teacher, Lines{"74+q-22+15=q+67"});
  // The sum form with the letter last.
  s = RunScripted(92, {{59, 0}, {100, 71}, {90, 0}, {90, 89}, {90, 35}, {39, 38}});
  EXPECT_EQ(s.teacher, Lines{"10+99+45+a=a+154"});
}

TEST(SimplifyNumbersAndLetter, EveryPlaceOfTheLetterInTheDifferenceForm) {
  const Lines expected = {"y+99+49-19=y+129", "99+y-49+19=y+69", "99-49+y+19=y+69",
                          "99+49-19+y=y+129"};
  for (int e = 1; e <= 4; ++e) {
    const Sheet s =
        RunScripted(92, {{59, 30}, {100, 0}, {28, 27}, {30, 29}, {10, 9}, {39, 10 * e - 10}});
    EXPECT_EQ(s.teacher, Lines{expected[static_cast<std::size_t>(e - 1)]});
  }
}

TEST(SimplifyNumbersAndLetter, AnswerEqualsTheExerciseOverManySeeds) {
  static const std::regex answer(R"(([abcypq])\+([1-9]\d*))");
  // The letter stands alone: between the line's start or a sign and a sign or "=".
  static const std::regex alone(R"((^|[+-])[abcypq]([+-]|=))");
  Pcg32 random(92);
  for (int i = 0; i < 3000; ++i) {
    const Sheet s = Generate(92, random);
    ASSERT_EQ(s.student.size(), 2U);
    ASSERT_EQ(s.teacher.size(), 1U);
    const std::string& line = s.student[1];
    const std::string rest = AnswerAfter(line, s.teacher[0]);
    std::smatch a;
    ASSERT_TRUE(std::regex_match(rest, a, answer)) << s.teacher[0];
    EXPECT_NE(line.find(a[1].str()), std::string::npos);
    EXPECT_TRUE(std::regex_search(line, alone)) << line;
    for (std::int64_t n : Numbers(line)) {
      EXPECT_GE(n, 10) << line;
      EXPECT_LE(n, 99) << line;
    }
    ExpectSameExpression(line, rest);
  }
}

// Type 93.

TEST(ValueForLetter, WorkedExample) {
  const Sheet s = RunScripted(93, {{59, 50}, {100, 50}, {20, 13}, {10, 0}, {20, 8}});
  EXPECT_EQ(s.student, (Lines{"Вычислите значение виражения:", "18K-10=        при K=28"}));
  EXPECT_EQ(s.teacher, Lines{"18K-10=494 при K=28"});
  const Sheet plus = RunScripted(93, {{59, 0}, {100, 51}, {20, 0}, {10, 9}, {20, 19}});
  EXPECT_EQ(plus.teacher, Lines{"5X+19=214 при X=39"});
}

TEST(ValueForLetter, ValueEqualsTheExpressionOverManySeeds) {
  static const std::regex student(R"(((\d+)([XYCPNK])[+-](\d+)=)        при \3=(\d+))");
  Pcg32 random(93);
  for (int i = 0; i < 3000; ++i) {
    const Sheet s = Generate(93, random);
    ASSERT_EQ(s.student.size(), 2U);
    ASSERT_EQ(s.teacher.size(), 1U);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(s.student[1], m, student)) << s.student[1];
    const int k = std::stoi(m[2]);
    const int c = std::stoi(m[4]);
    const int x = std::stoi(m[5]);
    EXPECT_TRUE(k >= 5 && k <= 24 && c >= 10 && c <= 19 && x >= 20 && x <= 39) << s.student[1];
    // Substitute x for the letter by hand and evaluate the number-only expression.
    std::string substituted = m[1].str();
    substituted.replace(static_cast<std::size_t>(m[2].length()), 1, "(" + std::to_string(x) + ")");
    substituted.pop_back();
    const std::int64_t value = Evaluate(substituted, 0);
    EXPECT_EQ(s.teacher[0],
              m[1].str() + std::to_string(value) + " при " + m[3].str() + "=" + m[5].str());
  }
}

// Type 96.

TEST(DistributiveTrick, WorkedExampleWithTensDrawnAgain) {
  const Sheet s =
      RunScripted(96, {{30, 20}, {30, 27}, {4, 3}, {50, 10}, {50, 48}, {30, 28}, {39, 29}});
  EXPECT_EQ(s.student, Lines{"38x77+60x77-37x98="});
  EXPECT_EQ(s.teacher, Lines{"38x77+60x77-37x98=3920"});
}

TEST(DistributiveTrick, TheFourForms) {
  const DistributiveSum t{1, 77, 38, 60, 37, 98};
  const Lines expected = {
      "77x38+77x60-37x98=", "38x77+77x60-37x98=", "38x77+60x77-37x98=", "77x38+60x77-98x37="};
  for (int form = 1; form <= 4; ++form) {
    DistributiveSum f = t;
    f.form = form;
    EXPECT_EQ(DistributiveLine(f), expected[static_cast<std::size_t>(form - 1)]);
  }
}

TEST(DistributiveTrick, AnswerIsTheValueAndAWholeNumberOfTensOverManySeeds) {
  static const std::regex line(R"((\d+)x(\d+)\+(\d+)x(\d+)-(\d+)x(\d+)=)");
  Pcg32 random(96);
  std::int64_t smallest = 100000, largest = 0;
  for (int i = 0; i < 5000; ++i) {
    const Sheet s = Generate(96, random);
    ASSERT_EQ(s.student.size(), 1U);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(s.student[0], m, line)) << s.student[0];
    std::array<std::int64_t, 6> f{};
    for (std::size_t j = 0; j < 6; ++j) f[j] = std::stoll(m[j + 1]);
    const std::int64_t value = f[0] * f[1] + f[2] * f[3] - f[4] * f[5];
    EXPECT_EQ(s.teacher.at(0), s.student[0] + std::to_string(value));
    EXPECT_EQ(value % 10, 0);
    smallest = std::min(smallest, value);
    largest = std::max(largest, value);
  }
  EXPECT_GE(smallest, 510);
  EXPECT_LE(largest, 3960);
}

}  // namespace
}  // namespace mathsheets
