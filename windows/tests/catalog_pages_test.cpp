#include "windows/catalog_pages.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"

namespace mathsheets {
namespace {

TEST(CatalogPages, TenButtonsInTheirOrder) {
  const auto pages = CatalogPages();
  ASSERT_EQ(pages.size(), 10U);
  EXPECT_EQ(pages[0].caption, "Начальная школа");
  EXPECT_EQ(pages[5].caption, "9-10 класс");
  EXPECT_EQ(pages[9].caption, "Родителям");
}

TEST(CatalogPages, LinesStayOnTheirLabels) {
  struct Expected {
    int first, last;
  };
  const Expected expected[] = {{4, 10}, {2, 13}, {2, 14}, {3, 11}, {2, 4},
                               {2, 8},  {4, 12}, {6, 14}, {6, 11}, {2, 9}};
  const auto pages = CatalogPages();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].firstLabel, expected[i].first) << pages[i].caption;
    EXPECT_EQ(pages[i].firstLabel + static_cast<int>(pages[i].lines.size()) - 1, expected[i].last)
        << pages[i].caption;
    EXPECT_LE(expected[i].last, kLastDescriptionLabel);
  }
  // The grade-7 page leaves Label6 empty between its two courses.
  EXPECT_EQ(pages[3].lines[3], "");
}

TEST(CatalogPages, OnlyTheParentsPageShowsThreePicturesAndKeepsThemUnparked) {
  for (const CatalogPage& page : CatalogPages()) {
    const bool parents = page.caption == "Родителям";
    EXPECT_EQ(page.pictures.size(), parents ? 3U : 1U) << page.caption;
    EXPECT_EQ(page.parksPictures, !parents) << page.caption;
  }
}

TEST(HelpLines, KeepTheirOwnWordsAndExampleNames) {
  ASSERT_EQ(MainHelpLines().size(), 9U);
  ASSERT_EQ(WordProblemHelpLines().size(), 8U);
  EXPECT_EQ(MainHelpLines()[6], "ajobs_10.12.2016_17_09 - файл ученика");
  EXPECT_EQ(WordProblemHelpLines()[3],
            "внести число вариантов, а затем нажать кнопку \"Выпонить\" ");
  for (auto lines : {MainHelpLines(), WordProblemHelpLines()})
    for (std::string_view line : lines) EXPECT_NO_THROW(Utf8ToCp1251(line)) << line;
}

}  // namespace
}  // namespace mathsheets
