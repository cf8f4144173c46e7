#include "wordproblems/s_problems.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "wordproblems/tests/s_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;

TEST(SProblems, BindEveryProblemOfTheFamilyOnce) {
  std::set<int> indices;
  for (const ProblemBinding& b : SProblems()) {
    EXPECT_TRUE(indices.insert(b.index).second) << b.index;
    EXPECT_TRUE(b.index >= S(1) && b.index <= S(38)) << b.index;
    EXPECT_NE(b.generator, nullptr);
  }
  EXPECT_EQ(indices.size(), 38u);
  EXPECT_EQ(WordProblemByIndex(61).Caption, "S1");
  for (int k = 1; k <= 38; ++k) EXPECT_NE(WordProblemByIndex(S(k)).Generator, nullptr) << k;
}

// Only four problems show other lines than they write, each by one blank.
TEST(SProblems, PreviewShowsTheFileLinesButForFourBlanks) {
  for (int k = 1; k <= 38; ++k) {
    ForManySeeds(
        S(k),
        [&](const ProblemInstance& p) {
          ASSERT_EQ(p.Preview().size(), p.fileLines.size());
          EXPECT_FALSE(p.answerLine.empty());
          for (std::size_t i = 0; i < p.fileLines.size(); ++i) {
            const std::string& file = p.fileLines[i];
            const std::string& preview = p.Preview()[i];
            const bool differs = (k == 1 || k == 9 || k == 13) ? i == 0 : k == 10 && i == 1;
            if (!differs) {
              EXPECT_EQ(preview, file) << "S" << k;
              continue;
            }
            // S1 shows a blank more, the other three one less.
            const std::string& longer = k == 1 ? preview : file;
            const std::string& shorter = k == 1 ? file : preview;
            ASSERT_EQ(longer.size(), shorter.size() + 1) << "S" << k;
            const std::size_t at = longer.find("  ");
            ASSERT_NE(at, std::string::npos);
            EXPECT_EQ(longer.substr(0, at) + longer.substr(at + 1), shorter) << "S" << k;
          }
        },
        200);
  }
}

// Letters that look Cyrillic but are not, and the Ukrainian one, checked byte by byte.
TEST(SProblems, KeepTheirLatinAndUkrainianLetters) {
  const auto first = [](int k) {
    Pcg32 random(5);
    ProblemModule m(random);
    GenerateProblem(m, S(k));
    return m.instance.fileLines;
  };
  EXPECT_TRUE(Contains(first(7)[0], " \x70\xD0\xB0\xD0\xB2\xD0\xBD\xD1\x8B\xD1\x85 "));  // pавных
  EXPECT_EQ(first(7)[1].rfind("\x70\xD0\xB0", 0), 0u);
  EXPECT_TRUE(Contains(first(32)[0], " X, Y i Z "));
  EXPECT_EQ(first(32)[1].rfind("a Y:Z=", 0), 0u);
  for (int k : {34, 35, 36, 37}) EXPECT_TRUE(Contains(first(k)[0], " c\xD0\xBC")) << k;  // cм
  EXPECT_TRUE(Contains(first(33)[0], " \xD1\x81\xD0\xBC "));  // см, Cyrillic
  // "штуці" ends in the Ukrainian i when the count ends in 1: a = 3·11, b = 3·7 = 21.
  const ProblemInstance s6 =
      Scripted(S(6), {{39, 0}, {39, 30}, {49, 20}, {49, 0}, {113, 0}, {113, 0}});
  EXPECT_TRUE(Contains(s6.fileLines[1], " по 21 \xD1\x88\xD1\x82\xD1\x83\xD1\x86\xD1\x96 "));
}

}  // namespace
}  // namespace mathsheets
