// The pieces the B problems are built from: line templates, noun forms, distinct draws and the
// shared count draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/scripted_random.h"
#include "wordproblems/b_counts.h"
#include "wordproblems/b_names.h"
#include "wordproblems/b_nouns.h"
#include "wordproblems/b_template.h"
#include "wordproblems/tests/z_test_support.h"

namespace mathsheets {
namespace {

using testing::Between;
using testing::FormAfter;
using testing::ScriptedDraw;
using testing::ScriptedRandom;

TEST(RenderTemplate, FillsEverySlotOnceInTheOrderOfTheLine) {
  std::vector<std::string> asked;
  const std::string line =
      RenderTemplate("У {X} {a} {N(a)}, а y {Y}.  {a}", [&](std::string_view name) {
        asked.emplace_back(name);
        return "<" + std::string(name) + ">";
      });
  EXPECT_EQ(line, "У <X> <a> <N(a)>, а y <Y>.  <a>");
  EXPECT_EQ(asked, (std::vector<std::string>{"X", "a", "N(a)", "Y", "a"}));
  EXPECT_EQ(RenderTemplate("без вставок ", [](std::string_view) { return std::string("?"); }),
            "без вставок ");
  EXPECT_EQ(
      RenderTemplate("{a}{b}", [](std::string_view n) { return std::string(n) + std::string(n); }),
      "aabb");
}

TEST(RenderTemplate, UnmatchedBracesAreRefused) {
  const auto fill = [](std::string_view) { return std::string(); };
  for (const char* bad : {"У {X", "У X}", "{{a}}", "{a}}"})
    EXPECT_THROW(RenderTemplate(bad, fill), std::invalid_argument) << bad;
  constexpr std::array<std::string_view, 2> names = {"X", "a"};
  static_assert(TemplateUsesOnly("{X} и {a}", names));
  static_assert(!TemplateUsesOnly("{X} и {b}", names));
  static_assert(!TemplateUsesOnly("{X", names));
}

TEST(NounAfter, FollowsTheSelectorAndKeepsTheCountAsDrawn) {
  std::int32_t cls = 0;
  const Noun& apple = ThingsB[0];
  EXPECT_EQ(NounAfter(apple, NounRule::Standard, 21, cls), "яблоко");
  EXPECT_EQ(NounAfter(apple, NounRule::Standard, 0, cls), "яблоко");  // no class: as before
  EXPECT_EQ(NounAfter(apple, NounRule::Tail, 600, cls), "яблок");
  EXPECT_EQ(NounAfter(apple, NounRule::Trim, 302, cls), "яблока");
  EXPECT_EQ(NounAfter(TimesWord, NounRule::TailKeep, 300, cls), "раз");
  EXPECT_EQ(NounAfter(TimesWord, NounRule::TailKeep, 4, cls), "раза");
  EXPECT_EQ(Form3(ThingsF[3]), "слив");
  EXPECT_EQ(Form4(ThingsF[3]), "сливы");
  // The felt-tip pens of B12 replace the floppy disks and nothing else.
  for (std::int32_t t = 1; t <= 8; ++t)
    EXPECT_EQ(EntryAt(ThingsE, t) == EntryAt(ThingsD, t), t != 4) << t;
  EXPECT_EQ(EntryAt(ThingsE, 4)[2], "фламастеров");
}

// The Latin letters of a text, in order: "бaнaн" holds "aa".
std::string LatinLetters(std::string_view text) {
  std::string latin;
  for (char ch : text)
    if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) latin += ch;
  return latin;
}

TEST(NounTables, KeepTheirLatinLookAlikesWhereTheWorksheetsHaveThem) {
  struct Mixed {
    const Nouns<8>& table;
    std::int32_t t;
    std::array<std::string_view, 4> latin;
  };
  const Mixed mixed[] = {
      {ThingsB, 2, {"aa", "aaa", "aa", ""}}, {ThingsB, 4, {"a", "u", "", ""}},
      {ThingsB, 5, {"a", "u", "", ""}},      {ThingsB, 6, {"a", "aea", "ae", ""}},
      {ThingsD, 3, {"a", "aea", "ae", ""}},  {ThingsE, 3, {"a", "aea", "ae", ""}},
      {ThingsF, 2, {"aa", "aaa", "aa", ""}}, {ThingsF, 4, {"c", "", "", ""}},
  };
  for (const auto* table : {&ThingsA, &ThingsB, &ThingsC, &ThingsD, &ThingsE, &ThingsF})
    for (std::int32_t t = 1; t <= 8; ++t)
      for (std::size_t form = 0; form < 4; ++form) {
        std::string_view expected;
        for (const Mixed& m : mixed)
          if (&m.table == table && m.t == t) expected = m.latin[form];
        EXPECT_EQ(LatinLetters(EntryAt(*table, t)[form]), expected) << EntryAt(*table, t)[form];
      }
  for (const NameTable* names : {&KidsOfA, &KidsOfB, &KidsOfC, &KidsOfD, &KidsOfE, &Kids})
    for (std::string_view name : *names) EXPECT_EQ(LatinLetters(name), "") << name;
}

TEST(NounTables, AgreeWithTheRussianRuleForEveryCountTheProblemsDraw) {
  // Form index by the last two digits, written out independently of the selectors.
  for (std::int32_t n = 1; n <= 1000; ++n)
    for (NounRule rule : {NounRule::Standard, NounRule::Tail, NounRule::Trim, NounRule::TailKeep}) {
      std::int32_t cls = 0;
      EXPECT_EQ(NounAfter(ThingsA[0], rule, n, cls), ThingsA[0][FormAfter(n)]) << n;
    }
}

TEST(DrawDistinct, TwoEntriesRedrawOnlyTheSecond) {
  ScriptedRandom random({{7, 3}, {7, 3}, {7, 3}, {7, 6}});
  ProblemModule m(random);
  EXPECT_EQ(DrawDistinct<2>(m, 7), (std::array<std::int32_t, 2>{4, 7}));
  random.ExpectAllDrawn();
}

TEST(DrawDistinct, ThreeEntriesAreDrawnAgainTogether) {
  ScriptedRandom random({{7, 0}, {7, 1}, {7, 0}, {7, 2}, {7, 2}, {7, 5}, {7, 4}, {7, 5}, {7, 6}});
  ProblemModule m(random);
  EXPECT_EQ(DrawDistinct<3>(m, 7), (std::array<std::int32_t, 3>{5, 6, 7}));
  random.ExpectAllDrawn();
}

TEST(DrawDistinct, NeverRepeatsAndNeverReachesTheEighthEntry) {
  Pcg32 random(8);
  ProblemModule m(random);
  for (int i = 0; i < 2000; ++i) {
    const auto three = DrawDistinct<3>(m, kDrawnKids);
    EXPECT_TRUE(three[0] != three[1] && three[0] != three[2] && three[1] != three[2]);
    const auto two = DrawDistinct<2>(m, kDrawnKids);
    EXPECT_NE(two[0], two[1]);
    for (std::int32_t entry : {three[0], three[1], three[2], two[0], two[1]})
      EXPECT_TRUE(Between(entry, 1, 7));
  }
}

TEST(SkipOne, MovesCountsEndingInOneAboveTwenty) {
  for (std::int32_t a = 20; a <= 99; ++a) {
    std::int32_t shown = a;
    SkipOne(shown);
    EXPECT_EQ(shown, a % 10 == 1 ? a + 1 : a) << a;
  }
}

TEST(DrawStoryCounts, TotalOfFiveIsAlwaysRejected) {
  // T = 5: a = 3 leaves b = 2, raised to 8, and a > b fails; then T = 13 gives a = 8, b = 5, c = 2.
  ScriptedRandom random(
      {{18, 2}, {3, 2}, {3, 0}, {6, 1}, {5, 0}, {18, 10}, {11, 7}, {11, 1}, {3, 2}, {2, 0}});
  ProblemModule m(random);
  const StoryCounts n = DrawStoryCounts(m, StoryLevel::UpTo20);
  random.ExpectAllDrawn();
  EXPECT_EQ(n.T, 13);
  EXPECT_EQ(n.a, 8);
  EXPECT_EQ(n.b, 5);
  EXPECT_EQ(n.c, 2);
  EXPECT_EQ(n.d, 3);
  EXPECT_EQ(n.e, 1);
  for (std::int32_t a = 0; a < 3; ++a)
    for (std::int32_t c = 0; c < 3; ++c) {
      // Whatever the rest, the first total of 5 is passed by.
      const std::int32_t b = 5 - (a + 1) < 4 ? 8 : 5 - (a + 1);
      ScriptedRandom five({{18, 2},
                           {3, a},
                           {3, c},
                           {b - 2, 0},
                           {b - 3, 0},
                           {18, 10},
                           {11, 7},
                           {11, 1},
                           {3, 2},
                           {2, 0}});
      ProblemModule again(five);
      EXPECT_EQ(DrawStoryCounts(again, StoryLevel::UpTo20).T, 13);
      five.ExpectAllDrawn();
    }
}

TEST(DrawStoryCounts, EveryLevelKeepsItsConditions) {
  Pcg32 random(17);
  ProblemModule m(random);
  for (auto [level, limit] :
       {std::pair{StoryLevel::UpTo20, 20}, std::pair{StoryLevel::UpTo100, 100},
        std::pair{StoryLevel::UpTo1000, 1000}})
    for (int i = 0; i < 500; ++i) {
      const StoryCounts n = DrawStoryCounts(m, level);
      EXPECT_TRUE(n.a > n.b && n.b > n.c && n.c >= 1 && n.b > 3);
      EXPECT_TRUE(n.d >= 1 && n.e >= 1 && n.d <= n.b - 2 && n.e <= n.b - 3);
      EXPECT_LT(n.d + n.e, n.a);
      EXPECT_NE(n.a - n.d, n.d);
      EXPECT_LE(n.a + n.b + n.c, limit);
      EXPECT_LE(2 * n.a + n.d, limit);
      EXPECT_TRUE(n.b == 8 || n.b == n.T - n.a);
      EXPECT_TRUE(level != StoryLevel::UpTo1000 || n.c >= 100);
    }
}

TEST(DrawTimes, SmallAndTensKeepTheFactorBelowTheCount) {
  // a = 2, k = 2 is drawn again, both of them.
  ScriptedRandom small({{8, 1}, {7, 0}, {8, 7}, {7, 3}});
  ProblemModule m(small);
  const TimesCounts n = DrawTimesSmall(m);
  small.ExpectAllDrawn();
  EXPECT_EQ(n.a, 8);
  EXPECT_EQ(n.k, 5);
  EXPECT_EQ(n.P, 40);
  Pcg32 random(5);
  ProblemModule r(random);
  for (int i = 0; i < 1000; ++i) {
    const TimesCounts s = DrawTimesSmall(r);
    EXPECT_TRUE(Between(s.a, 3, 8) && Between(s.k, 2, 7) && s.a > s.k && s.P == s.a * s.k);
    const TimesCounts t = DrawTimesTens(r);
    EXPECT_TRUE(Between(t.a, 10, 80) && t.a % 10 == 0 && Between(t.k, 2, 8));
    EXPECT_EQ(t.P, t.a * t.k);
  }
}

TEST(DrawTimes, WideWithTheLeadingDigitDrawnFirst) {
  // s = 3: k = 300 first, then a = 1 or 2 (q = 3 leaves two values).
  ScriptedRandom three({{89, 20}, {79, 10}, {2, 1}});
  ProblemModule m(three);
  const TimesCounts n = DrawTimesWide(m);
  three.ExpectAllDrawn();
  EXPECT_EQ(n.k, 300);
  EXPECT_EQ(n.a, 2);
  EXPECT_EQ(n.P, 600);
  // s = 1: a = 10 and k = 10 are equal and drawn again; a = 50 leaves k no choice but 10.
  ScriptedRandom one({{89, 0}, {89, 0}, {8, 0}, {89, 40}, {0, 0}});
  ProblemModule m1(one);
  const TimesCounts n1 = DrawTimesWide(m1);
  one.ExpectAllDrawn();
  EXPECT_EQ(n1.a, 50);
  EXPECT_EQ(n1.k, 10);
  // s = 7: 15 × 2 = 30 is too small; 35 × 4 = 140.
  ScriptedRandom seven({{89, 60}, {89, 0}, {79, 0}, {89, 20}, {79, 20}});
  ProblemModule m7(seven);
  const TimesCounts n7 = DrawTimesWide(m7);
  seven.ExpectAllDrawn();
  EXPECT_EQ(n7.a, 35);
  EXPECT_EQ(n7.k, 4);
  EXPECT_EQ(n7.P, 140);
}

TEST(DrawTimes, WideProductsStayBetween100And995AndEndInZero) {
  Pcg32 random(99);
  ProblemModule m(random);
  for (int i = 0; i < 3000; ++i) {
    const TimesCounts n = DrawTimesWide(m);
    EXPECT_TRUE(Between(n.P, 100, 995)) << n.a << " " << n.k;
    EXPECT_EQ(n.P % 10, 0);
    EXPECT_EQ(n.P, n.a * n.k);
    EXPECT_NE(n.a, n.k);
    EXPECT_TRUE(n.a >= 1 && n.k >= 1);
  }
}

}  // namespace
}  // namespace mathsheets
