#include "common/work_path.h"

#include <gtest/gtest.h>

namespace mathsheets {
namespace {

TEST(WorkPath, BackslashesSeparateFolders) {
  EXPECT_EQ(WorkPath("/w", "gen\\ajobs_1.txt"), std::filesystem::path("/w/gen/ajobs_1.txt"));
  EXPECT_EQ(WorkPath("/w", "pik\\drobi(1).bmp"), std::filesystem::path("/w/pik/drobi(1).bmp"));
  EXPECT_EQ(WorkPath("/w", "green.bmp"), std::filesystem::path("/w/green.bmp"));
  EXPECT_EQ(WorkPath("w", "a\\b\\c"), std::filesystem::path("w/a/b/c"));
}

}  // namespace
}  // namespace mathsheets
