// B1..B57 and B67..B70: every answer is recomputed from the numbers of the text, the nouns must
// agree with their counts, the draws keep their ranges, and the worked examples are pinned.
#include "wordproblems/b_children_problems.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "wordproblems/b_names.h"
#include "wordproblems/b_nouns.h"
#include "wordproblems/tests/z_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

constexpr int B(int number) {
  return 98 + number;
}

// The counts an instance shows, by their letters in the texts.
struct Shown {
  std::int64_t a = 0, b = 0, c = 0, d = 0, e = 0, k = 0, P = 0;

  std::int64_t& operator[](char letter) {
    switch (letter) {
      case 'a':
        return a;
      case 'b':
        return b;
      case 'c':
        return c;
      case 'd':
        return d;
      case 'e':
        return e;
      case 'k':
        return k;
      default:
        return P;
    }
  }
};

std::string TextOf(const ProblemInstance& p) {
  std::string text;
  for (const std::string& line : p.fileLines) text += line + "\n";
  return text;
}

// Reads the counts in the order the text shows them, e.g. "acb".
Shown ReadCounts(const ProblemInstance& p, std::string_view order) {
  const Numbers numbers = NumbersIn(TextOf(p));
  EXPECT_EQ(numbers.size(), order.size()) << TextOf(p);
  Shown shown;
  for (std::size_t i = 0; i < order.size() && i < numbers.size(); ++i) shown[order[i]] = numbers[i];
  return shown;
}

// `word` standing on its own: after a blank or a line start, before anything but a letter.
// Cyrillic letters take two bytes, both above 0x7F.
bool HasWord(const std::string& text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const bool startsWord = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\n';
    const std::size_t end = at + word.size();
    const auto next = static_cast<unsigned char>(end < text.size() ? text[end] : ' ');
    const bool endsWord = next < 0x80 && !std::isalpha(next);
    if (startsWord && endsWord) return true;
  }
  return false;
}

// Which noun of the table the question asks about (its form 3); 0 unless exactly one.
std::int32_t NounAskedAbout(const std::string& text, const Nouns<8>& nouns) {
  std::int32_t found = 0;
  for (std::int32_t t = 1; t <= 8; ++t)
    if (HasWord(text, EntryAt(nouns, t)[2])) {
      if (found != 0) return 0;
      found = t;
    }
  return found;
}

// What every problem of the family shows besides its counts.
struct Frame {
  const NameTable* names;
  int children;
  const Nouns<8>* nouns;
  std::int32_t nounCount;    // the noun is among the first 7 or 8
  std::string_view counted;  // the counts followed by the noun
  std::size_t lines;
};

// Distinct children from entries 1..7 of their table, a noun among the first nounCount, every
// counted noun in the form the Russian rule gives (the form of the question, form 3, never
// decides: "пирожных" is both forms 2 and 3).
// The children and nouns that many instances have shown between them.
struct Reached {
  std::set<std::int32_t> children, nouns;
};

void ExpectFrame(const ProblemInstance& p, const Frame& f, Shown n, Reached& reached) {
  const std::string text = TextOf(p);
  ASSERT_EQ(p.fileLines.size(), f.lines) << text;
  EXPECT_EQ(p.Preview(), p.fileLines);
  if (f.names != nullptr) {
    std::set<std::int32_t> shown;
    for (std::int32_t i = 1; i <= 8; ++i)
      if (HasWord(text, EntryAt(*f.names, i))) shown.insert(i);
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(f.children)) << text;
    EXPECT_FALSE(shown.count(8)) << text;
    reached.children.insert(shown.begin(), shown.end());
  }
  const std::int32_t t = NounAskedAbout(text, *f.nouns);
  ASSERT_TRUE(Between(t, 1, f.nounCount)) << text;
  reached.nouns.insert(t);
  for (char letter : f.counted) {
    const std::int64_t count = n[letter];
    const std::string_view form = EntryAt(*f.nouns, t)[static_cast<std::size_t>(FormAfter(count))];
    EXPECT_TRUE(HasWord(text, std::to_string(count) + " " + std::string(form)))
        << letter << " = " << count << " in " << text;
  }
}

// Every child of entries 1..7 and every noun the problem may draw has come up.
void ExpectAllReached(const Reached& reached, const Frame& f) {
  EXPECT_EQ(reached.children.size(), f.names != nullptr ? 7u : 0u);
  EXPECT_EQ(reached.nouns.size(), static_cast<std::size_t>(f.nounCount));
}

// "в k раз" / "в k раза" by the Russian rule.
void ExpectTimesWord(const ProblemInstance& p, std::int64_t k) {
  const std::string_view word = TimesWord[static_cast<std::size_t>(FormAfter(k))];
  EXPECT_TRUE(HasWord(TextOf(p), "в " + std::to_string(k) + " " + std::string(word))) << TextOf(p);
}

// B1..B16.
struct PairCase {
  int number;
  Frame frame;
  std::int64_t aLow, aHigh;
  bool (*bInRange)(const Shown&);
  bool skipsOne;  // a never ends in 1 above 20
  bool sum;
};

constexpr Frame Pair(const NameTable& names, const Nouns<8>& nouns, std::int32_t nounCount,
                     std::size_t lines = 1) {
  return {&names, 2, &nouns, nounCount, "a", lines};
}

const PairCase kPairCases[] = {
    {1, Pair(KidsOfA, ThingsA, 7), 2, 50,
     [](const Shown& n) { return Between(n.b, 2, 50) && n.b != n.a; }, false, true},
    {2, Pair(KidsOfB, ThingsB, 8), 10, 18, [](const Shown& n) { return Between(n.b, 2, n.a - 4); },
     false, false},
    {3, Pair(KidsOfD, ThingsC, 7), 10, 18, [](const Shown& n) { return Between(n.b, 3, n.a - 3); },
     false, false},
    {4, Pair(Kids, ThingsB, 8, 2), 10, 19, [](const Shown& n) { return Between(n.b, 3, n.a - 3); },
     false, true},
    {5, Pair(KidsOfC, ThingsB, 7), 12, 22, [](const Shown& n) { return Between(n.b, 3, n.a - 3); },
     true, false},
    {6, Pair(KidsOfC, ThingsB, 7), 10, 19, [](const Shown& n) { return Between(n.b, 3, 7); }, false,
     true},
    {7, Pair(KidsOfC, ThingsB, 7), 10, 19, [](const Shown& n) { return Between(n.b, 3, n.a - 3); },
     false, false},
    {8, Pair(KidsOfC, ThingsB, 7), 10, 19,
     [](const Shown& n) { return Between(n.b, 5, 13) && n.b != n.a; }, false, true},
    {9, Pair(KidsOfC, ThingsB, 8), 20, 98, [](const Shown& n) { return Between(n.b, 3, n.a - 13); },
     true, false},
    {10, Pair(KidsOfE, ThingsD, 7), 20, 98,
     [](const Shown& n) { return Between(n.b, 3, n.a - 13); }, false, false},
    {11, Pair(Kids, ThingsB, 8, 2), 20, 98,
     [](const Shown& n) { return Between(n.b, 3, n.a - 13); }, false, true},
    {12, Pair(KidsOfE, ThingsE, 7), 20, 98,
     [](const Shown& n) { return Between(n.b, 3, n.a - 13); }, true, false},
    {13, Pair(KidsOfC, ThingsB, 7), 10, 38, [](const Shown& n) { return Between(n.b, 10, 19); },
     false, true},
    {14, Pair(KidsOfC, ThingsB, 7), 20, 88, [](const Shown& n) { return Between(n.b, 3, n.a - 3); },
     false, false},
    {15, Pair(KidsOfC, ThingsB, 7), 20, 88, [](const Shown& n) { return Between(n.b, 3, n.a - 3); },
     false, true},
    {16, Pair(KidsOfC, ThingsB, 8, 2), 20, 88,
     [](const Shown& n) { return Between(n.b, 3, n.a - 3); }, true, false},
};

TEST(BPairProblems, AnswersRangesAndNounForms) {
  for (const PairCase& c : kPairCases) {
    SCOPED_TRACE("B" + std::to_string(c.number));
    std::set<std::int64_t> seen;
    Reached reached;
    ForManySeeds(B(c.number), [&](const ProblemInstance& p) {
      const Shown n = ReadCounts(p, "ab");
      ExpectFrame(p, c.frame, n, reached);
      EXPECT_TRUE(Between(n.a, c.aLow, c.aHigh)) << n.a;
      EXPECT_TRUE(c.bInRange(n)) << n.a << " " << n.b;
      EXPECT_FALSE(c.skipsOne && n.a > 20 && n.a % 10 == 1) << n.a;
      EXPECT_EQ(AnswerOf(p), c.sum ? n.a + n.b : n.a - n.b);
      seen.insert(n.a);
    });
    ExpectAllReached(reached, c.frame);
    // Both ends of the range show up, so the draws are not narrower than they should be.
    EXPECT_TRUE(seen.count(c.aLow) || seen.count(c.aLow + 1));
    EXPECT_TRUE(seen.count(c.aHigh) || seen.count(c.aHigh - 1));
  }
}

TEST(BPairProblems, B1NeverShowsEqualCountsAndAnswersFrom5To99) {
  ForManySeeds(B(1), [](const ProblemInstance& p) {
    const Shown n = ReadCounts(p, "ab");
    EXPECT_NE(n.a, n.b);
    EXPECT_TRUE(Between(AnswerOf(p), 5, 99));
  });
}

// B17..B49: eleven stories at three levels.
struct StoryCase {
  int first;
  Frame frame;
  std::string_view order;
  std::int64_t (*answer)(const Shown&);
};

constexpr Frame Story(int children, std::int32_t nounCount, std::size_t lines,
                      std::string_view counted = "a") {
  return {&KidsOfC, children, &ThingsB, nounCount, counted, lines};
}

const StoryCase kStoryCases[] = {
    {17, Story(2, 7, 1), "ad", [](const Shown& n) { return n.a + (n.a - n.d); }},
    {18, Story(2, 7, 1), "ad", [](const Shown& n) { return n.a + (n.a + n.d); }},
    {19, Story(3, 8, 1), "abc", [](const Shown& n) { return n.a + n.b + n.c; }},
    {20, Story(3, 8, 2), "ade", [](const Shown& n) { return (n.a + n.d) - n.e; }},
    {21, Story(3, 8, 2), "ade", [](const Shown& n) { return (n.a - n.d) + n.e; }},
    {22, Story(2, 8, 2), "ade", [](const Shown& n) { return n.a - n.d + n.e; }},
    {23, Story(3, 8, 2), "ade", [](const Shown& n) { return n.a - n.d - n.e; }},
    {24, Story(2, 8, 2, "ae"), "abe", [](const Shown& n) { return n.a + n.b - n.e; }},
    {25, Story(2, 8, 2), "ad", [](const Shown& n) { return n.a + (n.a - n.d); }},
    {26, Story(2, 8, 2), "ad", [](const Shown& n) { return n.a + (n.a + n.d); }},
    {27, {nullptr, 0, &ThingsF, 8, "a", 3}, "acb", [](const Shown& n) { return n.a + n.c + n.b; }},
};

TEST(BStoryProblems, AnswersConditionsAndNounFormsAtEveryLevel) {
  for (const StoryCase& c : kStoryCases)
    for (int level = 1; level <= 3; ++level) {
      const int number = c.first + 11 * (level - 1);
      const std::int64_t limit = level == 1 ? 20 : level == 2 ? 100 : 1000;
      SCOPED_TRACE("B" + std::to_string(number));
      const auto shows = [&](char letter) { return c.order.find(letter) != std::string::npos; };
      Reached reached;
      ForManySeeds(B(number), [&](const ProblemInstance& p) {
        Shown n = ReadCounts(p, c.order);
        ExpectFrame(p, c.frame, n, reached);
        for (char letter : c.order) EXPECT_GE(n[letter], 1);
        // What the draw demands of the counts the text lets us see.
        EXPECT_TRUE(!shows('b') || n.a > n.b);
        EXPECT_TRUE(!shows('c') || n.b > n.c);
        EXPECT_TRUE(!(shows('b') && shows('c')) || n.a + n.b + n.c <= limit);
        EXPECT_TRUE(!shows('d') || (n.a - n.d != n.d && 2 * n.a + n.d <= limit));
        EXPECT_TRUE(!shows('e') || n.d + n.e < n.a);
        EXPECT_TRUE(!(shows('b') && shows('e')) || n.e <= n.b - 3);
        for (char letter : std::string_view("abc"))
          EXPECT_TRUE(level < 3 || !shows(letter) || n[letter] >= 100) << letter;
        EXPECT_LE(n.a, limit);
        EXPECT_EQ(AnswerOf(p), c.answer(n));
      });
      ExpectAllReached(reached, c.frame);
    }
}

TEST(BStoryProblems, ThreeChildrenShareWithAndOnlyWhenTheyHaveTheSame) {
  for (int number : {23, 34, 45})
    ForManySeeds(B(number), [](const ProblemInstance& p) {
      const Shown n = ReadCounts(p, "ade");
      const std::string text = TextOf(p);
      const bool same = text.find(", и у ") != std::string::npos;
      EXPECT_EQ(same, n.d == n.e) << text;
      EXPECT_NE(same, text.find(", а у ") != std::string::npos) << text;
    });
}

TEST(BStoryProblems, LevelsShareTheirLinesButForTheirOwnSpellings) {
  const auto lineOf = [](int number, std::size_t line) {
    Pcg32 random(static_cast<std::uint64_t>(number));
    ProblemModule m(random);
    GenerateProblem(m, B(number));
    return m.instance.fileLines.at(line);
  };
  for (int number : {29, 40}) EXPECT_NE(lineOf(number, 0).find(" у детей? "), std::string::npos);
  EXPECT_EQ(lineOf(18, 0).find(" у детей? "), std::string::npos);
  EXPECT_NE(lineOf(18, 0).find("у детей? "), std::string::npos);
  for (int number : {24, 46}) EXPECT_EQ(lineOf(number, 1).rfind("Сколько всего ", 0), 0u);
  EXPECT_EQ(lineOf(35, 1).rfind("Сколько всього ", 0), 0u);
  EXPECT_NE(lineOf(27, 2).find(" детям оставила мама?"), std::string::npos);
  EXPECT_NE(lineOf(38, 2).find(" детям остала мама?"), std::string::npos);
  EXPECT_EQ(lineOf(49, 0).rfind("В детский садик завезли ", 0), 0u);
  EXPECT_EQ(lineOf(38, 0).rfind("Мама оставила детям ", 0), 0u);
}

TEST(BStoryProblems, MealsNameTheThingsInTheNominativePlural) {
  for (int number : {27, 38, 49})
    ForManySeeds(B(number), [](const ProblemInstance& p) {
      const std::int32_t t = NounAskedAbout(TextOf(p), ThingsF);
      ASSERT_GE(t, 1);
      EXPECT_TRUE(HasWord(p.fileLines[0], EntryAt(ThingsF, t)[3])) << p.fileLines[0];
    });
}

// B50..B57 and B67..B70.
enum class Ask { More, Fewer, HowManyTimesMore, HowManyTimesFewer };
enum class TimesDraw { Small, Tens, Wide };

struct TimesCase {
  int number;
  Ask ask;
  TimesDraw draw;
};

constexpr TimesCase kTimesCases[] = {
    {50, Ask::More, TimesDraw::Small},
    {51, Ask::Fewer, TimesDraw::Small},
    {52, Ask::HowManyTimesMore, TimesDraw::Small},
    {53, Ask::HowManyTimesFewer, TimesDraw::Small},
    {54, Ask::More, TimesDraw::Tens},
    {55, Ask::Fewer, TimesDraw::Wide},
    {56, Ask::HowManyTimesMore, TimesDraw::Tens},
    {57, Ask::HowManyTimesFewer, TimesDraw::Tens},
    {67, Ask::More, TimesDraw::Wide},
    {68, Ask::Fewer, TimesDraw::Tens},
    {69, Ask::HowManyTimesMore, TimesDraw::Wide},
    {70, Ask::HowManyTimesFewer, TimesDraw::Wide},
};

Frame TimesFrame(Ask ask) {
  switch (ask) {
    case Ask::More:
      return {&KidsOfC, 2, &ThingsB, 7, "a", 1};
    case Ask::Fewer:
      return {&KidsOfC, 2, &ThingsB, 8, "P", 1};
    case Ask::HowManyTimesMore:
      return {&KidsOfE, 2, &ThingsD, 7, "P", 1};
    case Ask::HowManyTimesFewer:
      break;
  }
  return {&KidsOfC, 2, &ThingsB, 8, "k", 1};
}

std::string_view ShownOrder(Ask ask) {
  switch (ask) {
    case Ask::More:
      return "ak";
    case Ask::HowManyTimesFewer:
      return "kP";
    default:
      return "Pk";
  }
}

TEST(BTimesProblems, AnswersRangesAndNounForms) {
  for (const TimesCase& c : kTimesCases) {
    SCOPED_TRACE("B" + std::to_string(c.number));
    Reached reached;
    ForManySeeds(B(c.number), [&](const ProblemInstance& p) {
      Shown n = ReadCounts(p, ShownOrder(c.ask));
      if (c.ask == Ask::More) {
        n.P = n.a * n.k;
      } else {
        ASSERT_GT(n.k, 0);
        ASSERT_EQ(n.P % n.k, 0) << TextOf(p);
        n.a = n.P / n.k;
      }
      ExpectFrame(p, TimesFrame(c.ask), n, reached);
      if (c.ask == Ask::More || c.ask == Ask::Fewer) ExpectTimesWord(p, n.k);
      switch (c.draw) {
        case TimesDraw::Small:
          EXPECT_TRUE(Between(n.a, 3, 8) && Between(n.k, 2, 7) && n.a > n.k);
          break;
        case TimesDraw::Tens:
          EXPECT_TRUE(Between(n.a, 10, 80) && n.a % 10 == 0 && Between(n.k, 2, 8));
          break;
        case TimesDraw::Wide:
          EXPECT_TRUE(Between(n.P, 100, 995) && n.P % 10 == 0 && n.a != n.k);
          break;
      }
      EXPECT_EQ(AnswerOf(p), c.ask == Ask::More ? n.a * n.k : n.a);
    });
    ExpectAllReached(reached, TimesFrame(c.ask));
  }
}

TEST(BChildrenProblems, BindsSixtyOneProblemsFromB1) {
  std::set<int> numbers;
  for (const ProblemBinding& b : BChildrenProblems()) {
    EXPECT_NE(b.generator, nullptr);
    EXPECT_EQ(WordProblemByIndex(b.index).Generator, b.generator);
    numbers.insert(b.index - 98);
  }
  std::set<int> expected;
  for (int n = 1; n <= 57; ++n) expected.insert(n);
  for (int n = 67; n <= 70; ++n) expected.insert(n);
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(WordProblemByIndex(99).Caption, "B1");
}

// Worked examples, drawn from scripts: the children first, then the counts, then the noun.
TEST(BWorkedExamples, B1RedrawsTheSecondChildAndAnEqualCount) {
  const ProblemInstance p =
      Scripted(B(1), {{7, 0}, {7, 0}, {7, 6}, {49, 19}, {49, 19}, {49, 0}, {7, 0}});
  EXPECT_EQ(p.fileLines, Lines{"У Танечки 21 яблоко, а y Артема 2. Cколько яблок у детей? "});
  EXPECT_EQ(p.Preview(), p.fileLines);
  EXPECT_EQ(p.answerLine, "23");
}

TEST(BWorkedExamples, TwentyOneIsShownAsTwentyTwo) {
  // B5 draws b from the 21 it drew (bound 16); B9 from the 22 it shows (bound 7).
  const ProblemInstance b5 = Scripted(B(5), {{7, 0}, {7, 1}, {10, 9}, {16, 15}, {7, 2}});
  EXPECT_EQ(b5.fileLines,
            Lines{"У Танечки и Иринки было 22 конфеты. Cколько конфет они отдали, если у них "
                  "осталось 18?"});
  EXPECT_EQ(b5.answerLine, "4");
  const ProblemInstance b9 = Scripted(B(9), {{7, 0}, {7, 1}, {79, 1}, {7, 6}, {8, 7}});
  EXPECT_EQ(b9.fileLines,
            Lines{"У Танечки и Иринки было 22 пряника.  Они отдали 9. Сколько пряников осталось "
                  "у детей?"});
  EXPECT_EQ(b9.answerLine, "13");
  const ProblemInstance b12 = Scripted(B(12), {{7, 0}, {7, 1}, {79, 11}, {16, 15}, {7, 3}});
  EXPECT_EQ(b12.fileLines,
            Lines{"У Сашеньки и Катеньки было 32 фламастера. Cколько фламастеров они отдали, "
                  "если у них осталось 18?"});
  EXPECT_EQ(b12.answerLine, "14");
}

TEST(BWorkedExamples, OtherNameAndNounTables) {
  const ProblemInstance b3 = Scripted(B(3), {{7, 2}, {7, 3}, {9, 8}, {13, 0}, {7, 4}});
  EXPECT_EQ(b3.fileLines,
            Lines{"У Павлика и Сергея 18 цветков. Cколько цветков у Павлика, если у Сергея 3?"});
  EXPECT_EQ(b3.answerLine, "15");
  const ProblemInstance b4 = Scripted(B(4), {{7, 5}, {7, 6}, {10, 1}, {6, 2}, {8, 7}});
  EXPECT_EQ(b4.fileLines, (Lines{"После того, как Вита и Артем отдали 11 пряников, оталось 5.",
                                 "Сколько пряников было у детей сначала? "}));
  EXPECT_EQ(b4.answerLine, "16");
}

// Level 1 of the stories: T = 5 is passed by, then T = 13 gives a = 8, b = 5, c = 2, d = 3, e = 1.
const std::vector<ScriptedDraw> kRejectedThenThirteen = {
    {18, 2}, {3, 2}, {3, 0}, {6, 1}, {5, 0}, {18, 10}, {11, 7}, {11, 1}, {3, 2}, {2, 0}};

std::vector<ScriptedDraw> Joined(std::initializer_list<std::vector<ScriptedDraw>> parts) {
  std::vector<ScriptedDraw> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(BWorkedExamples, StoriesOfTheFirstLevel) {
  const ProblemInstance b17 =
      Scripted(B(17), Joined({{{7, 0}, {7, 1}}, kRejectedThenThirteen, {{7, 4}}}));
  EXPECT_EQ(b17.fileLines,
            Lines{"У Танечки 8 груш, а y Иринки на 3 меньше. Cколько груш у детей? "});
  EXPECT_EQ(b17.answerLine, "13");
  const ProblemInstance b18 =
      Scripted(B(18), Joined({{{7, 0}, {7, 1}}, kRejectedThenThirteen, {{7, 4}}}));
  EXPECT_EQ(b18.fileLines,
            Lines{"У Танечки 8 груш, а y Иринки на 3 больше. Cколько грушу детей? "});
  EXPECT_EQ(b18.answerLine, "19");
}

// T = 14 gives a = 9, b = 5, c = 2, and d = 2 with e = 2 or 1.
std::vector<ScriptedDraw> Fourteen(std::int32_t eDrawn) {
  return {{18, 11}, {12, 8}, {12, 1}, {3, 1}, {2, eDrawn}};
}

TEST(BWorkedExamples, ThreeChildren) {
  // The first three children repeat one another and are drawn again together.
  const ProblemInstance b19 = Scripted(
      B(19), Joined({{{7, 0}, {7, 0}, {7, 1}, {7, 0}, {7, 1}, {7, 2}}, Fourteen(1), {{8, 1}}}));
  EXPECT_EQ(b19.fileLines,
            Lines{"У Танечки 9 бaнaнов, у Иринки 5,  у Анечки 2. Сколько бaнaнов у детей? "});
  EXPECT_EQ(b19.answerLine, "16");
  const ProblemInstance same =
      Scripted(B(23), Joined({{{7, 0}, {7, 1}, {7, 2}}, Fourteen(1), {{8, 7}}}));
  EXPECT_EQ(same.fileLines,
            (Lines{"У Танечки, Иринки и Анечки 9 пряников. Причем, у Танечки 2, и у Иринки 2.",
                   "Сколько пряников у Анечки?"}));
  EXPECT_EQ(same.answerLine, "5");
  const ProblemInstance other =
      Scripted(B(23), Joined({{{7, 0}, {7, 1}, {7, 2}}, Fourteen(0), {{8, 7}}}));
  EXPECT_EQ(other.fileLines[0],
            "У Танечки, Иринки и Анечки 9 пряников. Причем, у Танечки 2, а у Иринки 1.");
  EXPECT_EQ(other.answerLine, "6");
}

TEST(BWorkedExamples, MealsNameNoChild) {
  const ProblemInstance b27 = Scripted(B(27), Joined({Fourteen(1), {{8, 0}}}));
  EXPECT_EQ(b27.fileLines,
            (Lines{"Мама оставила детям яблоки.",
                   "За завтраком они съели 9 яблок, за обедом 2, а на ужин осталось 5.",
                   "Сколько всего яблок детям оставила мама?"}));
  EXPECT_EQ(b27.answerLine, "16");
}

// Level 2: T = 70 gives a = 40, b = 30, c = 20, d = 5, e = 4.
const std::vector<ScriptedDraw> kSeventy = {{98, 67}, {68, 39}, {68, 19}, {28, 4}, {27, 3}};

TEST(BWorkedExamples, StoriesOfTheSecondLevel) {
  const ProblemInstance b35 = Scripted(B(35), Joined({{{7, 0}, {7, 1}}, kSeventy, {{8, 7}}}));
  EXPECT_EQ(b35.fileLines,
            (Lines{"У Танечки 40 пряников, у Иринки 30.  Вместе они отдали 4 пряника.",
                   "Сколько всього пряников у них сталось?"}));
  EXPECT_EQ(b35.answerLine, "66");
  const ProblemInstance b38 = Scripted(B(38), Joined({kSeventy, {{8, 3}}}));
  EXPECT_EQ(b38.fileLines,
            (Lines{"Мама оставила детям сливы.",
                   "За завтраком они съели 40 слив, за обедом 20, а на ужин осталось 30.",
                   "Сколько всего слив детям остала мама?"}));
  EXPECT_EQ(b38.answerLine, "90");
}

TEST(BWorkedExamples, KindergartenOfTheThirdLevel) {
  // T = 701: a = 401, b = 300, c = 200, d = 50, e = 40.
  const ProblemInstance b49 =
      Scripted(B(49), {{998, 698}, {699, 400}, {699, 199}, {298, 49}, {297, 39}, {8, 2}});
  EXPECT_EQ(b49.fileLines,
            (Lines{"В детский садик завезли конфеты.",
                   "За завтраком дети съели 401 конфету, за обедом 200, а на ужин осталось 300.",
                   "Сколько всего конфет завезли в детский садик?"}));
  EXPECT_EQ(b49.answerLine, "901");
}

TEST(BWorkedExamples, TimesMoreAndFewer) {
  // B67 with s = 3 and k = 300: a is 1 or 2; a = 2 gives P = 600.
  const std::vector<ScriptedDraw> wide = {{7, 0}, {7, 1}, {89, 20}, {79, 10}, {2, 1}};
  const ProblemInstance b67 = Scripted(B(67), Joined({wide, {{7, 0}}}));
  EXPECT_EQ(b67.fileLines,
            Lines{"У Танечки 2 яблока, а y Иринки в 300 раз больше. Cколько яблок y Иринки? "});
  EXPECT_EQ(b67.answerLine, "600");
  const ProblemInstance b70 = Scripted(B(70), Joined({wide, {{8, 0}}}));
  EXPECT_EQ(b70.fileLines,
            Lines{"У Танечки 300 яблок, а у Иринки 600. В сколько раз у Танечки меньше яблок чем "
                  "у Иринки?"});
  EXPECT_EQ(b70.answerLine, "2");
  // B53 with a = 8, k = 5, after a = 2, k = 2 is drawn again.
  const ProblemInstance b53 =
      Scripted(B(53), {{7, 0}, {7, 1}, {8, 1}, {7, 0}, {8, 7}, {7, 3}, {8, 4}});
  EXPECT_EQ(b53.fileLines,
            Lines{"У Танечки 5 груш, а у Иринки 40. В сколько раз у Танечки меньше груш чем у "
                  "Иринки?"});
  EXPECT_EQ(b53.answerLine, "8");
  const ProblemInstance b52 = Scripted(B(52), {{7, 0}, {7, 3}, {8, 5}, {7, 1}, {7, 5}});
  EXPECT_EQ(b52.fileLines,
            Lines{"У Сашеньки 18 рисунков, а у Сереженьки 3. В сколько раз у Сашеньки больше "
                  "рисунков чем у Сереженьки?"});
  EXPECT_EQ(b52.answerLine, "6");
  const ProblemInstance b51 = Scripted(B(51), {{7, 4}, {7, 5}, {8, 6}, {7, 0}, {8, 1}});
  EXPECT_EQ(b51.fileLines,
            Lines{"У Юрочки 14 бaнaнов, а y Виточки в 2 раза меньше. Cколько бaнaнов у Виточки? "});
  EXPECT_EQ(b51.answerLine, "7");
}

TEST(BNounClasses, TheModuleKeepsTheClassOfTheLastCount) {
  // B24 selects for a, then for e; "раз" keeps its own class variable.
  ScriptedRandom random(Joined({{{7, 0}, {7, 1}}, kSeventy, {{8, 7}}}));
  ProblemModule m(random);
  m.timesClass = 7;
  GenerateProblem(m, B(35));
  EXPECT_EQ(m.nounClass, 2);  // 4 пряника
  EXPECT_EQ(m.timesClass, 7);
}

}  // namespace
}  // namespace mathsheets
