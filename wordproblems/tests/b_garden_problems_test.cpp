// B105..B110 and B112: four kinds of plants in a garden.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "wordproblems/b_place_nouns.h"
#include "wordproblems/tests/b_tale_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;
using R = Rational;

// U has a, V has b, W is d times V (more or fewer), Q is e times W (more or fewer).
struct GardenCase {
  int number;
  const Nouns<8>* plants;
  bool wMore, qMore;
  R (*answer)(R u, R q);  // from U's and Q's counts
  bool (*drawn)(const ShownCounts&, R w, R q);
};

const GardenCase kGardenCases[] = {
    {105, &GardenTrees, true, true, [](R u, R q) { return u + q; },
     [](const ShownCounts& n, R, R q) { return R(n['a']) + q < R(100); }},
    {106, &GardenFlowers, true, true, [](R u, R q) { return u - q; },
     [](const ShownCounts& n, R, R q) { return q < R(n['a']); }},
    {107, &GardenFlowers, true, false, [](R u, R q) { return u + q; },
     [](const ShownCounts& n, R, R q) { return R(n['a']) + q < R(100); }},
    {108, &GardenTrees, false, false, [](R u, R q) { return u + q; },
     [](const ShownCounts& n, R, R q) { return R(n['a']) + q < R(100) && n['b'] <= 100; }},
    {109, &GardenTrees, false, false, [](R u, R q) { return u - q; },
     [](const ShownCounts& n, R, R) { return n['b'] <= 100; }},
    {110, &GardenFlowers, true, false, [](R u, R q) { return u - q; },
     [](const ShownCounts& n, R, R q) { return n['b'] <= 10 && !(R(10) < q); }},
    {112, &GardenFlowers, true, false, [](R u, R q) { return u - q; },
     [](const ShownCounts& n, R, R q) { return n['b'] <= 10 && !(R(10) < q); }},
};

// Form 1 becomes form 4, the nominative plural, after 1, 21, 31, ...
std::string_view FormOne4(const Noun& noun, std::int64_t count) {
  const std::size_t form = FormAfter(count);
  return noun[form == 0 ? 3 : form];
}

// The entry of `plants` (1..8) whose form `form` is `word`; 0 if none.
std::int32_t PlantBy(const Nouns<8>& plants, const std::string& word,
                     std::string_view (*form)(const Noun&, std::int64_t), std::int64_t count) {
  for (std::int32_t t = 1; t <= 8; ++t)
    if (form(EntryAt(plants, t), count) == word) return t;
  return 0;
}

TEST(BGardenProblems, AnswersConditionsPlantsAndWords) {
  const std::regex firstLine("У саду растет (\\d+) (\\S+), (\\d+) (\\S+), (\\S+) и (\\S+)\\. ");
  for (const GardenCase& c : kGardenCases) {
    SCOPED_TRACE("B" + std::to_string(c.number));
    std::set<std::int32_t> reached;
    ForSeeds(c.number, [&](const ProblemInstance& p) {
      ASSERT_EQ(p.fileLines.size(), 3u);
      const ShownCounts n = ReadShown(p, "abde");
      const std::string text = TextOf(p);
      for (char letter : std::string_view("abde")) EXPECT_NE(n[letter], 1) << letter;
      EXPECT_TRUE(Between(n['a'], 2, 98));
      const R w = c.wMore ? R(n['b']) * n['d'] : R(n['b'], n['d']);
      const R q = c.qMore ? w * n['e'] : w / n['e'];
      EXPECT_TRUE(IsWhole(w) && IsWhole(q)) << w << " " << q;
      EXPECT_TRUE(c.drawn(n, w, q));
      ExpectAnswer(p, c.answer(R(n['a']), q));
      EXPECT_GE(AnswerOf(p), 0);
      // "раза" after 2 to 4, "раз" after 5 to 8.
      for (char letter : std::string_view("de")) {
        const std::int64_t k = n[letter];
        EXPECT_TRUE(Between(k, 2, 8));
        const std::string word = k <= 4 ? " раза" : " раз";
        EXPECT_TRUE(HasWord(text, std::to_string(k) + word)) << k;
      }
      std::smatch m;
      ASSERT_TRUE(std::regex_match(p.fileLines[0], m, firstLine)) << p.fileLines[0];
      const auto form = [](const Noun& noun, std::int64_t count) {
        return noun[static_cast<std::size_t>(FormAfter(count))];
      };
      const std::int32_t u = PlantBy(*c.plants, m[2], form, n['a']);
      const std::int32_t v = PlantBy(*c.plants, m[4], &FormOne4, n['b']);
      const auto plural = [](const Noun& noun, std::int64_t) { return noun[3]; };
      const std::int32_t wPlant = PlantBy(*c.plants, m[5], plural, 0);
      const std::int32_t qPlant = PlantBy(*c.plants, m[6], plural, 0);
      const std::set<std::int32_t> plants{u, v, wPlant, qPlant};
      EXPECT_EQ(plants.size(), 4u) << p.fileLines[0];
      EXPECT_FALSE(plants.count(0) || plants.count(8)) << p.fileLines[0];
      for (std::int32_t t : plants) EXPECT_TRUE(HasWord(text, Form3(EntryAt(*c.plants, t))));
      reached.insert(plants.begin(), plants.end());
    });
    EXPECT_EQ(reached.size(), 7u);
  }
}

// b = 21 takes form 4 of its plant; the plants are drawn after the counts.
TEST(BGardenWorkedExamples, TwentyOneTakesTheNominativePlural) {
  const ProblemInstance b107 =
      Scripted(B(107), {{98, 9}, {8, 6}, {8, 1}, {8, 2}, {7, 0}, {7, 1}, {7, 2}, {7, 3}});
  EXPECT_EQ(b107.fileLines, (Lines{"У саду растет 10 тюльпанов, 21 фиалки, лилии и розы. ",
                                   "Известно, что лилий в 2 раза больше, чем фиалок, a роз в 7 раз",
                                   " меньше, чем лилий. Сколько тюльпанов и роз растет в саду?"}));
  EXPECT_EQ(b107.answerLine, "16");
}

}  // namespace
}  // namespace mathsheets
