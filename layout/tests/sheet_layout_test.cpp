// The pages of printed sheets of every type and problem, at every layout choice: what every
// painter draws, so what a pupil holds.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "layout/font_widths.h"
#include "layout/lay_sheet.h"
#include "layout/page_svg.h"
#include "sheet/read_worksheet.h"
#include "testing/memory_runs.h"

namespace mathsheets::layout {
namespace {

struct Laid {
  std::vector<PageOps> pages;
  int count = 0;
};

Laid Lay(const sheet::Worksheet& worksheet, SheetKind kind, const sheet::PrintLayout& layout) {
  Laid laid;
  const TextMeasure& measure = SheetFontWidths();
  const int count = LaySheet(worksheet, kind, layout, measure, 0, {});
  laid.count = LaySheet(worksheet, kind, layout, measure, count,
                        [&](const PageOps& page) { laid.pages.push_back(page); });
  EXPECT_EQ(laid.count, count);
  return laid;
}

std::vector<sheet::Worksheet> AllKinds() {
  std::vector<std::pair<int, int>> counts;
  for (int type = 1; type <= 115; ++type) counts.push_back({type, 2});
  std::vector<int> problems;
  for (int index = 1; index <= 230; index += 3) problems.push_back(index);
  std::vector<sheet::Worksheet> sheets;
  for (const testing::RunLines& run :
       {testing::MainRunLines(3, counts, 3, 1), testing::MainRunLines(4, counts, 2, 3),
        testing::ProblemRunLines(5, problems, 2)})
    sheets.push_back(sheet::ReadWorksheet(run.student, run.teacher));
  return sheets;
}

// Every choice of variants a page, columns, print size and paper; the title on every other one.
std::vector<sheet::PrintLayout> Choices() {
  std::vector<sheet::PrintLayout> all;
  for (const auto perPage : {sheet::VariantsPerPage::Auto, sheet::VariantsPerPage::One,
                             sheet::VariantsPerPage::Two, sheet::VariantsPerPage::Four})
    for (const auto columns : {sheet::ExerciseColumns::Auto, sheet::ExerciseColumns::Three})
      for (const bool large : {false, true}) {
        sheet::PrintLayout layout;
        layout.perPage = perPage;
        layout.columns = columns;
        layout.largePrint = large;
        layout.paper = large ? sheet::Paper::A5 : sheet::Paper::A4;
        if (all.size() % 2 == 0) layout.title = "Самостоятельная работа №3 <b>&amp;</b>";
        all.push_back(layout);
      }
  return all;
}

TEST(SheetLayout, EveryMarkStaysOnItsPaperAndDecimalsTakeCommas) {
  const std::regex point("[0-9][.][0-9]");
  const std::vector<sheet::Worksheet> sheets = AllKinds();
  for (const sheet::PrintLayout& layout : Choices()) {
    const PageSize paper = SizeOf(layout.paper);
    for (const sheet::Worksheet& worksheet : sheets) {
      for (const SheetKind kind : {SheetKind::Student, SheetKind::Teacher}) {
        const Laid laid = Lay(worksheet, kind, layout);
        ASSERT_EQ(laid.pages.size(), static_cast<std::size_t>(laid.count));
        int titles = 0;
        for (const PageOps& page : laid.pages) {
          for (const TextOp& text : page.texts) {
            const double right = text.x + SheetFontWidths().Width(text.face, text.text) * text.size;
            EXPECT_GE(text.x, 0);
            EXPECT_LE(right, paper.width) << text.text;
            EXPECT_GT(text.y, 0);
            EXPECT_LT(text.y, paper.height) << text.text;
            // The stamp, the running head's first text, keeps the date as the file writes it.
            if (text.text != worksheet.studentStamp && text.text != worksheet.teacherStamp) {
              EXPECT_FALSE(std::regex_search(text.text, point)) << text.text;
            }
            titles += text.text == "Самостоятельная" ? 1 : 0;
          }
          for (const RuleOp& rule : page.rules) {
            EXPECT_LE(std::max(rule.x1, rule.x2), paper.width);
            EXPECT_LE(std::max(rule.y1, rule.y2), paper.height);
          }
          // The title's markup is text in the browser's page too.
          if (!layout.title.empty() && titles > 0 && &page == &laid.pages.front()) {
            const std::string svg = PageSvg(page, paper);
            EXPECT_NE(svg.find(">&lt;b&gt;&amp;amp;&lt;/b&gt;<"), std::string::npos);
            EXPECT_EQ(svg.find("<b>"), std::string::npos);
          }
        }
        // The title stands over every variant, and over the key.
        const std::size_t variants = worksheet.variants.size();
        const bool key = kind == SheetKind::Teacher && layout.answerKey;
        EXPECT_EQ(titles, layout.title.empty() ? 0 : static_cast<int>(variants + (key ? 1 : 0)));
      }
    }
  }
}

// A pupil writes where the blanks are: one for every exercise and problem with an answer, named
// by its variant and its printed number.
TEST(SheetLayout, EveryAnsweredItemHasItsBlank) {
  for (const sheet::Worksheet& worksheet : AllKinds()) {
    std::size_t answered = 0;
    for (const sheet::Variant& variant : worksheet.variants)
      for (const sheet::Item& item : variant.items)
        answered += item.kind != sheet::ItemKind::Text && !item.answer.pieces.empty() ? 1U : 0U;
    std::size_t blanks = 0;
    // Each page carries its own blanks, none of an earlier page.
    std::set<std::tuple<std::string, int, double, double>> seen;
    for (const PageOps& page : Lay(worksheet, SheetKind::Student, {}).pages)
      for (const BlankOp& blank : page.blanks) {
        ++blanks;
        EXPECT_TRUE(seen.insert({blank.variant, blank.item, blank.x, blank.y}).second);
        ASSERT_GE(blank.item, 0);
        EXPECT_FALSE(blank.label.empty());
        EXPECT_FALSE(blank.variant.empty());
        EXPECT_GT(blank.width, 0);
      }
    EXPECT_GE(blanks, answered);
  }
}

}  // namespace
}  // namespace mathsheets::layout
