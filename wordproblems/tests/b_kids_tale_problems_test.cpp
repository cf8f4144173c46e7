// B71..B78, B97..B104, B111 and B113..B116: two to four children, so many times more or fewer.
#include <gtest/gtest.h>

#include <set>

#include "wordproblems/tests/b_tale_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;
using R = Rational;

struct KidsCase {
  int number;
  const NameTable* names;
  int children;
  const Nouns<8>* nouns;
  std::int32_t nounCount;
  std::string_view order;        // the counts as the text shows them; the first is counted
  std::string_view multipliers;  // the counts followed by "раз"
  R (*answer)(const ShownCounts&);
  bool (*drawn)(const ShownCounts&);  // ranges and redraw conditions, what was counted whole
};

constexpr Nouns<8> const* kThings = &ThingsB;

bool In(std::int64_t v, std::int64_t low, std::int64_t high) {
  return Between(v, low, high);
}
bool Divides(std::int64_t d, std::int64_t n) {
  return n % d == 0;
}

const KidsCase kKidsCases[] = {
    {71, &KidsOfC, 2, kThings, 7, "ak", "k",
     [](const ShownCounts& n) { return R(n['a']) * (n['k'] + 1); },
     [](const ShownCounts& n) { return In(n['a'], 2, 9) && In(n['k'], 2, 8); }},
    {72, &KidsOfC, 2, kThings, 8, "ak", "k",
     [](const ShownCounts& n) { return R(n['a']) * n['k'] - n['a']; },
     [](const ShownCounts& n) { return In(n['a'], 2, 9) && In(n['k'], 2, 8); }},
    {73, &KidsOfE, 3, &ThingsD, 7, "abc", "bc",
     [](const ShownCounts& n) { return R(n['a']) * n['b'] * n['c']; },
     [](const ShownCounts& n) {
       return In(n['a'], 1, 4) && In(n['b'], 2, 4) && In(n['c'], 2, 8) && n['a'] * n['b'] <= 9;
     }},
    {74, &KidsOfC, 2, kThings, 8, "ak", "k",
     [](const ShownCounts& n) { return R(n['a']) + R(n['a'], n['k']); },
     [](const ShownCounts& n) { return In(n['k'], 2, 8) && In(n['a'] / n['k'], 1, 8); }},
    {75, &KidsOfE, 2, &ThingsD, 7, "ak", "k",
     [](const ShownCounts& n) { return R(n['a']) - R(n['a'], n['k']); },
     [](const ShownCounts& n) { return In(n['k'], 2, 8) && In(n['a'] / n['k'], 1, 8); }},
    {76, &KidsOfC, 3, kThings, 7, "abc", "bc",
     [](const ShownCounts& n) { return R(n['a']) * n['b'] / n['c']; },
     [](const ShownCounts& n) {
       return In(n['a'], 1, 8) && In(n['c'], 2, 8) && Divides(n['c'], n['b']) &&
              In(n['b'] / n['c'], 1, 8);
     }},
    {77, &KidsOfC, 3, kThings, 7, "abc", "bc",
     [](const ShownCounts& n) { return R(n['a'], n['b']) * n['c']; },
     [](const ShownCounts& n) {
       return In(n['b'], 2, 8) && In(n['c'], 2, 8) && Divides(n['b'], n['a']) &&
              In(n['a'] / n['b'], 1, 8);
     }},
    {78, &KidsOfC, 3, kThings, 7, "abc", "bc",
     [](const ShownCounts& n) { return R(n['a'], n['b']) / n['c']; },
     [](const ShownCounts& n) {
       const std::int64_t y = n['a'] / n['b'];
       return In(n['b'], 2, 8) && Divides(n['b'], n['a']) && Divides(n['c'], y) &&
              In(y / n['c'], 1, 8) && y <= 9;
     }},
    {97, &KidsOfC, 3, kThings, 7, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) + n['B'] + R(n['B']) * n['k']; },
     [](const ShownCounts& n) {
       return n['A'] + n['B'] * (1 + n['k']) <= 100 && n['A'] != n['B'];
     }},
    {98, &KidsOfC, 3, kThings, 7, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) + n['B'] + R(n['B'], n['k']); },
     [](const ShownCounts& n) {
       return n['A'] + n['B'] + n['B'] / n['k'] <= 100 && n['A'] != n['B'] &&
              Divides(n['k'], n['B']);
     }},
    {99, &KidsOfC, 3, kThings, 8, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) + n['B'] - R(n['B'], n['k']); },
     [](const ShownCounts& n) { return n['A'] != n['B'] && Divides(n['k'], n['B']); }},
    {100, &KidsOfC, 3, kThings, 8, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) - (R(n['B']) + R(n['B'], n['k'])); },
     [](const ShownCounts& n) { return n['A'] != n['B'] && Divides(n['k'], n['B']); }},
    {101, &KidsOfC, 3, kThings, 8, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) + R(n['B'], n['k']) - n['B']; },
     [](const ShownCounts& n) { return n['A'] > n['B'] && Divides(n['k'], n['B']); }},
    {102, &KidsOfC, 3, kThings, 8, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) + n['B'] - R(n['B']) * n['k']; },
     [](const ShownCounts& n) {
       return n['A'] + n['B'] <= 100 && n['B'] >= n['k'] && n['A'] != n['B'];
     }},
    {103, &KidsOfC, 3, kThings, 8, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) + R(n['B']) * n['k'] - n['B']; },
     [](const ShownCounts& n) {
       return n['A'] + n['B'] * n['k'] <= 100 && n['B'] > n['k'] && n['A'] != n['B'];
     }},
    {104, &KidsOfC, 3, kThings, 8, "ABk", "k",
     [](const ShownCounts& n) { return R(n['A']) - (R(n['B']) + R(n['B']) * n['k']); },
     [](const ShownCounts& n) { return n['A'] <= 100 && n['B'] >= n['k'] && n['A'] != n['B']; }},
    {111, &KidsOfC, 4, kThings, 8, "aheq", "heq",
     [](const ShownCounts& n) { return R(n['a']) * n['h'] * n['e'] / n['q']; },
     [](const ShownCounts& n) {
       return n['a'] <= 160 && Divides(n['q'], n['a']) && n['a'] * n['h'] * n['e'] <= 1000 &&
              n['e'] != n['q'] && In(n['h'], 2, 9);
     }},
    {114, &KidsOfC, 4, kThings, 8, "afsq", "fsq",
     [](const ShownCounts& n) { return R(n['a']) * n['f'] / n['s'] / n['q']; },
     [](const ShownCounts& n) {
       return n['a'] <= 99 && n['f'] <= 9 && n['f'] != n['s'] && n['f'] != n['q'] &&
              n['s'] != n['q'] && Divides(n['s'], n['a']) && Divides(n['q'], n['f']);
     }},
    {115, &KidsOfC, 4, kThings, 8, "ased", "sed",
     [](const ShownCounts& n) { return R(n['a']) / n['s'] / n['e'] / n['d']; },
     [](const ShownCounts& n) { return n['a'] <= 999 && n['s'] != n['e'] && n['s'] != n['d']; }},
    {116, &KidsOfC, 4, kThings, 8, "asfp", "sfp",
     [](const ShownCounts& n) { return R(n['a']) * n['s'] * n['f'] * n['p']; },
     [](const ShownCounts& n) {
       return In(n['a'], 2, 39) && n['a'] * n['s'] * n['f'] * n['p'] <= 999 &&
              std::set<std::int64_t>{n['s'], n['f'], n['p']}.size() == 3;
     }},
};

TEST(BKidsTaleProblems, AnswersConditionsChildrenAndNounForms) {
  for (const KidsCase& c : kKidsCases) {
    SCOPED_TRACE("B" + std::to_string(c.number));
    std::set<std::int32_t> nouns;
    ForSeeds(c.number, [&](const ProblemInstance& p) {
      const ShownCounts n = ReadShown(p, c.order);
      const std::string text = TextOf(p);
      ExpectAnswer(p, c.answer(n));
      EXPECT_GE(AnswerOf(p), 0);
      EXPECT_TRUE(c.drawn(n));
      std::set<std::int32_t> shown;
      for (std::int32_t i = 1; i <= 8; ++i)
        if (HasWord(text, EntryAt(*c.names, i))) shown.insert(i);
      EXPECT_EQ(shown.size(), static_cast<std::size_t>(c.children));
      EXPECT_FALSE(shown.count(8));
      const std::int32_t t = NounAfterCount(text, n[c.order[0]], *c.nouns, c.nounCount);
      ASSERT_NE(t, 0) << text;
      EXPECT_TRUE(HasWord(text, Form3(EntryAt(*c.nouns, t))));
      nouns.insert(t);
      for (char letter : c.multipliers) ExpectTimesWord(text, n[letter]);
    });
    EXPECT_EQ(nouns.size(), static_cast<std::size_t>(c.nounCount));
  }
}

TEST(BKidsTaleProblems, B111AndB113TellTheSameInstanceInFourLinesAndInTwo) {
  BoundedRandom first(5), second(5);
  ProblemModule four(first), two(second);
  for (int i = 0; i < 200; ++i) {
    first.Refill();
    second.Refill();
    GenerateProblem(four, B(111));
    GenerateProblem(two, B(113));
    ASSERT_EQ(four.instance.fileLines.size(), 4u);
    ASSERT_EQ(two.instance.fileLines.size(), 2u);
    std::string fourText, twoText;
    for (const std::string& line : four.instance.fileLines) fourText += line;
    for (const std::string& line : two.instance.fileLines) twoText += line;
    EXPECT_EQ(fourText, twoText);
    EXPECT_EQ(four.instance.answerLine, two.instance.answerLine);
  }
}

// Children first, then the counts, then the thing.
TEST(BKidsTaleWorkedExamples, B116) {
  const ProblemInstance b116 =
      Scripted(B(116), {{7, 0}, {7, 1}, {7, 2}, {7, 3}, {8, 0}, {8, 4}, {8, 1}, {38, 14}, {8, 0}});
  EXPECT_EQ(b116.fileLines,
            (Lines{"У Танечки 16 яблок, y Иринки в 6 раз больше, у Анечки в 3 раза больше, чем у "
                   "Иринки, а у ",
                   "Наденьки в 2 раза больше, чем у Анечки. Сколько яблок у Наденьки?"}));
  EXPECT_EQ(b116.answerLine, "576");
}

// The counts first, drawn again while X's and Y's together pass 9, then the children.
TEST(BKidsTaleWorkedExamples, B73DrawsTheCountsAgainBeforeTheChildren) {
  const ProblemInstance b73 = Scripted(
      B(73), {{4, 3}, {3, 2}, {7, 0}, {4, 2}, {3, 1}, {7, 3}, {7, 0}, {7, 1}, {7, 2}, {7, 5}});
  EXPECT_EQ(b73.fileLines,
            (Lines{"У Сашеньки 3 рисунка, y Катеньки в 3 раза больше, а у Павлика в 5 раз больше,",
                   "чем у Катеньки. Cколько рисунков у Павлика?"}));
  EXPECT_EQ(b73.answerLine, "45");
}

}  // namespace
}  // namespace mathsheets
