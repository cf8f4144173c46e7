#include "shell/main_selection.h"

#include <gtest/gtest.h>

namespace mathsheets {
namespace {

struct SelectionTest : ::testing::Test {
  Pcg32 random{1};
  MainModule module{random};
  MainSelection selection{module};
};

TEST_F(SelectionTest, StartsWithEverythingCleared) {
  for (int t = 1; t <= kTaskKindCount; ++t) EXPECT_FALSE(selection.CountBoxEnabled(t));
  for (auto count : module.TaskCount) EXPECT_EQ(count, 0);
  EXPECT_EQ(module.VariantCount, 0);
  EXPECT_FALSE(module.WidePrimes);
  EXPECT_EQ(module.GcdLevel, 0);
  EXPECT_EQ(module.FractionLevel, 0);
}

TEST_F(SelectionTest, CheckBoxEnablesItsCountBoxForGood) {
  selection.CheckBoxClick(3);
  EXPECT_TRUE(selection.CountBoxEnabled(3));
  selection.CheckBoxClick(3);
  EXPECT_TRUE(selection.CountBoxEnabled(3));
  EXPECT_FALSE(selection.CountBoxEnabled(4));
}

TEST_F(SelectionTest, TypingDigitByDigitFollowsTheText) {
  selection.CountBoxChange(1, "1");
  EXPECT_EQ(module.TaskCount[0], 1);
  selection.CountBoxChange(1, "12");
  EXPECT_EQ(module.TaskCount[0], 12);
  selection.CountBoxChange(1, "");
  EXPECT_EQ(module.TaskCount[0], 0);
}

TEST_F(SelectionTest, VariantsBoxReadsItsText) {
  selection.VariantsChange("2a");
  EXPECT_EQ(module.VariantCount, 2);
  EXPECT_EQ(selection.VariantsText(), "2a");
  selection.VariantsChange("-1");
  EXPECT_EQ(module.VariantCount, -1);
}

TEST_F(SelectionTest, CountBoxOfThirdMixedDivisionSetsWidePrimesForGood) {
  selection.CountBoxChange(56, "3");
  EXPECT_FALSE(module.WidePrimes);
  selection.CountBoxChange(57, "3");
  EXPECT_TRUE(module.WidePrimes);
  selection.CountBoxChange(57, "");
  EXPECT_TRUE(module.WidePrimes);
}

TEST_F(SelectionTest, CountBoxesOfSignedFractionsAndExpansionResetTheFractionLevel) {
  for (int type : {76, 77, 78}) {
    selection.RadioButtonClick(OptionGroup::Fraction, 3);
    selection.CountBoxChange(type, "2");
    EXPECT_EQ(module.FractionLevel, 1) << "type " << type;
  }
  selection.RadioButtonClick(OptionGroup::Fraction, 3);
  selection.CountBoxChange(79, "2");
  EXPECT_EQ(module.FractionLevel, 3);
}

TEST_F(SelectionTest, RadioButtonsSetTheirGroupsLevel) {
  selection.RadioButtonClick(3);
  EXPECT_EQ(module.GcdLevel, 3);
  selection.RadioButtonClick(3);
  EXPECT_EQ(module.GcdLevel, 3);
  selection.RadioButtonClick(9);
  EXPECT_EQ(module.FractionLevel, 4);
  selection.RadioButtonClick(11);
  EXPECT_EQ(module.MulDivLevel, 2);
  selection.RadioButtonClick(13);
  EXPECT_EQ(module.MixedLevel, 1);
  selection.RadioButtonClick(18);
  EXPECT_EQ(module.MixedMulDivLevel, 3);
  EXPECT_EQ(module.GcdLevel, 3);
}

TEST(OptionGroupByName, KnowsTheCommandLineNames) {
  EXPECT_EQ(OptionGroupByName("gcd"), OptionGroup::Gcd);
  EXPECT_EQ(OptionGroupByName("mixedmuldiv"), OptionGroup::MixedMulDiv);
  EXPECT_EQ(OptionGroupByName("level"), std::nullopt);
}

}  // namespace
}  // namespace mathsheets
