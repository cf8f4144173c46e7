#include "pdf/worksheet_outline.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/random.h"
#include "pdf/page_plan.h"

namespace mathsheets::pdf {
namespace {

// The number of lines of each block, one list per variant; the preamble, if any, comes first.
std::vector<std::vector<std::size_t>> BlockSizes(const WorksheetOutline& outline) {
  std::vector<std::vector<std::size_t>> sizes;
  const auto count = [](const std::vector<LineBlock>& blocks) {
    std::vector<std::size_t> lines;
    for (const LineBlock& block : blocks) lines.push_back(block.lines.size());
    return lines;
  };
  if (!outline.preamble.empty()) sizes.push_back(count(outline.preamble));
  for (const VariantSection& variant : outline.variants) sizes.push_back(count(variant.blocks));
  return sizes;
}

TEST(OutlineWorksheet, GroupsTheLinesOfEachExerciseAsTheFileShowsThem) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::vector<std::vector<std::size_t>> blocks;
  };
  const std::vector<Case> cases = {
      {"one-line exercises stay apart from the fraction after them",
       {"1.1.2026 9:00:00", "Вариант 1", "27+66=93", "15+63=78", " 5    3 8", "-- + --=--",
        "13   13 13", " ", " 7    1 8", "-- + --=--", "13   13 13", " "},
       {{1, 1, 4, 4}}},
      {"a fraction without its separator line, among one-line exercises",
       {"s", "Вариант 2", "27+66=93", " 11   12   23", "3-- +7--=10--", " 27   27   27", "9+1=10"},
       {{1, 3, 1}}},
      {"a two-line table closed by a separator",
       {"s", "Вариант 1", " x    2,2   2,4", " y    8,8   9,6", " "},
       {{3}}},
      {"every header starts a variant; a header with more than digits is an exercise line",
       {"s", "Вариант 1", "a", "Вариант 12", "Вариант 1x", "b", "Вариант № 3"},
       {{1}, {1, 1}, {}}},
      {"lines before the first header are kept too", {"s", "stray", "Вариант 1", "a"}, {{1}, {1}}},
      {"word problems run from their task line to the next one or to the closing blank line",
       {"s", "Вариант № 1", "Задание 1", "У Коли 2 яблока.", "2", "Завдання 2", "Текст", "4", " ",
        "Вариант № 2", " "},
       {{3, 4}, {1}}},
  };
  for (const Case& c : cases) EXPECT_EQ(BlockSizes(OutlineWorksheet(c.lines)), c.blocks) << c.what;

  const WorksheetOutline problems = OutlineWorksheet(cases.back().lines);
  EXPECT_TRUE(problems.variants[0].blocks[0].isProblem &&
              !problems.variants[0].blocks[0].wrappable);
  EXPECT_EQ(problems.variants[0].header, "Вариант № 1");
  EXPECT_EQ(problems.stamp, "s");
}

TEST(WrapAtBlanks, BreaksAtTheLastBlankThatFitsCountingCharacters) {
  EXPECT_EQ(WrapAtBlanks("abc def ghi", 7), (std::vector<std::string>{"abc def", "ghi"}));
  EXPECT_EQ(WrapAtBlanks("Задание один два", 7),
            (std::vector<std::string>{"Задание", "один", "два"}));
  EXPECT_EQ(WrapAtBlanks("abcdefghij", 4), (std::vector<std::string>{"abcd", "efgh", "ij"}));
  EXPECT_EQ(WrapAtBlanks("short", 40), (std::vector<std::string>{"short"}));
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// Random outlines of numbered lines: wide prose lines, blocks of several lines (some of them
// wider than the page at 8 pt) and blocks taller than a page.
WorksheetOutline RandomOutline(Pcg32& random) {
  WorksheetOutline outline{"stamp", {}, {}};
  int line = 0;
  const auto text = [&](int words) {
    std::string t = "L" + std::to_string(line++);
    for (int w = 0; w < words; ++w) {
      t += ' ';
      for (int c = random.Random(9); c >= 0; --c) t += "ж";
    }
    return t;
  };
  for (int v = 1 + random.Random(3); v > 0; --v) {
    VariantSection& variant = outline.variants.emplace_back();
    variant.header = "Вариант " + std::to_string(outline.variants.size());
    for (int b = random.Random(40); b > 0; --b) {
      LineBlock block;
      const bool tall = random.Random(30) == 0;
      const int lines = tall ? 60 + random.Random(40) : 1 + random.Random(4);
      block.wrappable = lines == 1;
      block.isProblem = random.Random(2) == 0;
      for (int l = 0; l < lines; ++l) block.lines.push_back(text(random.Random(25)));
      variant.blocks.push_back(block);
    }
  }
  return outline;
}

TEST(PlanPages, EveryLineInOrderInsideThePageAndEveryBlockWholeWhenItFits) {
  constexpr TextArea kArea{510, 760};
  constexpr FontMeasure kRegular{0.6, 1.17, 0.93};
  constexpr FontMeasure kBold{0.6, 1.17, 0.93};
  Pcg32 random(12);
  for (int seed = 0; seed < 100; ++seed) {
    const WorksheetOutline outline = RandomOutline(random);
    const PagePlan plan = PlanPages(outline, kArea, kRegular, kBold);
    ASSERT_GE(plan.bodyFontSize, kSmallestFontSize);
    ASSERT_LE(plan.bodyFontSize, kLargestFontSize);

    std::vector<std::string> expected;
    for (const VariantSection& variant : outline.variants) {
      for (std::string& word : Words(variant.header)) expected.push_back(std::move(word));
      for (const LineBlock& block : variant.blocks)
        for (const std::string& line : block.lines)
          for (std::string& word : Words(line)) expected.push_back(std::move(word));
    }
    std::vector<std::string> printed;
    std::map<std::string, std::size_t> pageOf;
    std::size_t headers = 0;
    for (std::size_t p = 0; p < plan.pages.size(); ++p) {
      for (const PlacedRow& row : plan.pages[p]) {
        const double top = row.baseline - kRegular.ascent * row.fontSize;
        const double bottom = top + kRegular.lineSpacing * row.fontSize;
        ASSERT_GE(top, -1e-6);
        ASSERT_LE(bottom, kArea.height + 1e-6) << row.text;
        ASSERT_LE(static_cast<double>(CharacterCount(row.text)) * kRegular.advance * row.fontSize,
                  kArea.width + 1e-6)
            << row.text;
        if (row.style == RowStyle::VariantHeader) {
          EXPECT_EQ(&row, &plan.pages[p].front()) << "a variant starts a page";
          ++headers;
        }
        pageOf[row.text] = p;
        for (std::string& word : Words(row.text)) printed.push_back(std::move(word));
      }
    }
    ASSERT_EQ(printed, expected);
    ASSERT_EQ(headers, outline.variants.size());
    for (const VariantSection& variant : outline.variants)
      for (const LineBlock& block : variant.blocks) {
        if (!block.wrappable && block.lines.size() < 20) {
          EXPECT_EQ(pageOf[block.lines.front()], pageOf[block.lines.back()]) << block.lines.front();
        }
      }
  }
}

}  // namespace
}  // namespace mathsheets::pdf
