#include "common/fraction_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mathsheets {
namespace {

using Lines = std::vector<std::string>;

Lines All(const ThreeLines& t) {
  return {t.N, t.B, t.D};
}

TEST(FractionNotation, PiecesFollowTheWidthOfTheOtherText) {
  EXPECT_EQ(Bar("123"), "---");
  EXPECT_EQ(PadR("7", "123"), "7  ");
  EXPECT_EQ(PadR("1234", "12"), "1234");
  EXPECT_EQ(Lead("7", "12"), " 7");
  EXPECT_EQ(Lead("7", "123"), " 7");
  EXPECT_EQ(Lead("12", "12"), "12");
  EXPECT_EQ(Sp("-13"), "   ");
  EXPECT_EQ(Text(-13), "-13");
}

TEST(FractionNotation, AlignmentFillsTheColumnOnOneSide) {
  EXPECT_EQ(AlignRight("7", 3), "  7");
  EXPECT_EQ(AlignLeft("7", 3), "7  ");
  EXPECT_EQ(AlignRight("1234", 2), "1234");
  EXPECT_EQ(AlignLeft("1234", 2), "1234");
  EXPECT_EQ(AlignRight("", 2), "  ");
}

TEST(WholePart, SplitsWhileTheNumeratorExceedsTheDenominator) {
  const MixedNumber eight = SplitWhole({8, 4});
  EXPECT_EQ(eight.whole, 1);
  EXPECT_EQ(eight.numerator, 4);
  EXPECT_EQ(eight.denominator, 4);
  const MixedNumber big = SplitWhole({29, 6}, 3);
  EXPECT_EQ(big.whole, 7);
  EXPECT_EQ(big.numerator, 5);
  const MixedNumber proper = SplitWhole({5, 6});
  EXPECT_EQ(proper.whole, 0);
  EXPECT_EQ(proper.numerator, 5);
}

TEST(WholePart, AnswersAreReducedAndAWholeNumberHasNoFraction) {
  const MixedNumber a = ReducedAnswer(52, 24);  // 13/6
  EXPECT_EQ(a.whole, 2);
  EXPECT_EQ(a.numerator, 1);
  EXPECT_EQ(a.denominator, 6);
  const MixedNumber whole = ReducedAnswer(36, 12, 2);  // 2 + 3
  EXPECT_EQ(whole.whole, 5);
  EXPECT_EQ(whole.numerator, 0);
  const MixedNumber one = ReducedAnswer(7, 7);
  EXPECT_EQ(one.whole, 1);
  EXPECT_EQ(one.numerator, 0);
}

TEST(AnswerBlock, WholePartShiftsTheFractionTwoColumns) {
  EXPECT_EQ(All(AnswerBlock({1, 5, 12})), (Lines{"    5", "  1--", "   12"}));
  EXPECT_EQ(All(AnswerBlock({0, 29, 36})), (Lines{"  29", " --", " 36"}));
  // A whole number stands alone on the bar line.
  EXPECT_EQ(All(AnswerBlock({3, 0, 1})), (Lines{"    ", "  3", "   "}));
}

TEST(SameDenominatorLayout, TwoDigitDenominator) {
  const FractionExercise e = SameDenominatorLayout(7, "-", 5, 12, 2);
  EXPECT_EQ(All(e.student), (Lines{" 7    5", "-- - --=", "12   12"}));
  EXPECT_EQ(All(e.teacher()), (Lines{" 7    5  2", "-- - --=--", "12   12 12"}));
}

TEST(SameDenominatorLayout, OneDigitDenominator) {
  const FractionExercise e = SameDenominatorLayout(7, "+", 5, 9, 3);
  EXPECT_EQ(All(e.student), (Lines{"7   5", "- + -=", "9   9"}));
}

TEST(OneMinusAndSumAboveOneLayouts, AnswerStandsUnderItsBar) {
  const FractionExercise minus = OneMinusLayout(5, 12, 7);
  EXPECT_EQ(All(minus.teacher()), (Lines{"     5   7", "1 - --= --", "    12  12"}));
  const FractionExercise plus = SumAboveOneLayout(13, 15, 17, 11);
  EXPECT_EQ(All(plus.teacher()), (Lines{"13   15   11", "-- + --= 1--", "17   17   17"}));
}

TEST(MixedSameDenominatorLayout, NoSeparatorAndWiderWholeAnswer) {
  const FractionExercise e = MixedSameDenominatorLayout(3, 7, "+", 2, 9, 12, 6, 4);
  EXPECT_EQ(All(e.teacher()), (Lines{"  7    9   4", "3-- +2--=6--", " 12   12  12"}));
  EXPECT_FALSE(e.separatorFollows);
  const FractionExercise wide = MixedSameDenominatorLayout(8, 9, "+", 4, 5, 11, 13, 3);
  EXPECT_EQ(All(wide.teacher()), (Lines{"  9    5    3", "8-- +4--=13--", " 11   11   11"}));
}

TEST(TwoFractionLayout, WorkedSum) {
  const FractionExercise e = TwoFractionLayout({5, 12}, "+", {7, 18}, {0, 29, 36});
  EXPECT_EQ(All(e.student), (Lines{"5    7    ", "-- + --  =", "12   18   "}));
  EXPECT_EQ(All(e.teacher()), (Lines{"5    7      29", "-- + --  = --", "12   18    36"}));
}

TEST(TwoFractionLayout, SecondNumeratorPaddedToItsDenominator) {
  const FractionExercise e = TwoFractionLayout({3, 8}, "+", {5, 12}, {0, 19, 24});
  EXPECT_EQ(e.student.N, "3   5    ");
}

TEST(TwoFractionLayout, WideOperatorWidensTheGap) {
  const FractionExercise e = TwoFractionLayout({2, 15}, " x ", {3, 10}, {0, 1, 25});
  EXPECT_EQ(All(e.teacher()), (Lines{"2      3      1", "--  x  --  = --", "15     10    25"}));
}

TEST(AbsoluteFirstLayout, BarsEncloseTheNegativeFraction) {
  const FractionExercise e = AbsoluteFirstLayout({5, 12}, "+", {7, 18}, {0, 29, 36});
  EXPECT_EQ(All(e.teacher()),
            (Lines{"|  5 |   7      29", "|- --| + --  = --", "|  12|   18    36"}));
}

TEST(TwoMixedLayout, WholePartsBeforeTheBars) {
  const FractionExercise e = TwoMixedLayout({3, 5, 12}, "+", {2, 7, 18}, {5, 29, 36});
  EXPECT_EQ(All(e.teacher()),
            (Lines{" 5     7        29", "3-- + 2--  =  5--", " 12    18      36"}));
}

TEST(MixedWhenImproperLayout, ImproperFractionsBecomeMixed) {
  // 8/4 keeps a fraction equal to one, as the whole-part rule leaves it.
  const FractionExercise e = MixedWhenImproperLayout({8, 4}, " x ", {3, 5}, {1, 1, 5});
  EXPECT_EQ(All(e.teacher()), (Lines{" 4     3       1", "1-  x  -  =  1-", " 4     5      5"}));
  const FractionExercise two = MixedWhenImproperLayout({45, 14}, " : ", {25, 12}, {1, 27, 50});
  EXPECT_EQ(All(two.student), (Lines{" 3       1    ", "3--  :  2--  =", " 14      12   "}));
}

TEST(ThreeFractionLayout, FixedBarsAndSignedAnswer) {
  const FractionExercise e =
      ThreeFractionLayout({3, 22}, AddSign::Minus, {5, 33}, AddSign::Minus, {20, 55}, {-25, 66});
  EXPECT_EQ(All(e.teacher()),
            (Lines{"3    5   20     -25", "-- - -- - --= ---", "22   33   55    66"}));
}

TEST(ThreeMixedLayout, SubtractedTermInBrackets) {
  const FractionExercise e = ThreeMixedLayout({12, 3, 5}, AddSign::Minus, {13, 11, 12},
                                              AddSign::Plus, {10, 1, 4}, {8, 14, 15});
  EXPECT_EQ(All(e.teacher()), (Lines{"   3       11       1     14", "12-- + (-13--) + 10-- = 8--",
                                     "   5       12       4     15"}));
}

TEST(ThreeMixedLayout, BothSubtractedAndNegativeAnswers) {
  const MixedNumber t1{10, 1, 4};
  const MixedNumber t2{11, 10, 19};
  const MixedNumber t3{12, 2, 3};
  const FractionExercise e =
      ThreeMixedLayout(t1, AddSign::Plus, t2, AddSign::Minus, t3, {9, 25, 228});
  EXPECT_EQ(All(e.teacher()), (Lines{"   1     10        2       25", "10-- + 11-- + (-12--) = 9--",
                                     "   4     19        3       228"}));
  // The answer texts alone: whole part -13 for -(13 + 1/4), the sign on the numerator below one,
  // no fraction for a whole number, and "0" for zero.
  const FractionExercise negative =
      ThreeMixedLayout(t1, AddSign::Minus, t2, AddSign::Minus, t3, {-13, 1, 4});
  EXPECT_EQ(negative.answer.N, "  1");
  EXPECT_EQ(negative.answer.B, "-13--");
  const FractionExercise small =
      ThreeMixedLayout(t1, AddSign::Minus, t2, AddSign::Minus, t3, {0, -3, 4});
  EXPECT_EQ(small.answer.N, "  -3");
  EXPECT_EQ(small.answer.B, "--");
  const FractionExercise whole =
      ThreeMixedLayout(t1, AddSign::Minus, t2, AddSign::Minus, t3, {-7, 0, 1});
  EXPECT_EQ(whole.answer.B, "-7--");
  EXPECT_EQ(whole.answer.D, "  ");
  const FractionExercise zero =
      ThreeMixedLayout(t1, AddSign::Minus, t2, AddSign::Minus, t3, {0, 0, 1});
  EXPECT_EQ(zero.answer.B, "0--");
}

TEST(WriteFractionExercise, ThreeLinesThenSeparatorExceptWhenNoneFollows) {
  MemoryWorksheet w;
  WriteFractionExercise(w.files, TwoFractionLayout({5, 12}, "+", {7, 18}, {0, 29, 36}));
  WriteFractionExercise(w.files, MixedSameDenominatorLayout(3, 7, "+", 2, 9, 12, 6, 4));
  WriteFractionExercise(w.files, SameDenominatorLayout(7, "-", 5, 12, 2));
  EXPECT_EQ(w.student.lines,
            (Lines{"5    7    ", "-- + --  =", "12   18   ", " ", "  7    9",
                   "3-- +2--=", " 12   12", " 7    5", "-- - --=", "12   12", " "}));
  ASSERT_EQ(w.teacher.lines.size(), 11u);
  EXPECT_EQ(w.teacher.lines[1], "-- + --  = --");
  EXPECT_EQ(w.teacher.lines[3], " ");
  EXPECT_EQ(w.teacher.lines[5], "3-- +2--=6--");
  EXPECT_EQ(w.teacher.lines[10], " ");
}

TEST(WriteFractionExercise, EveryLayoutButTheMixedOneOverOneDenominatorIsSeparated) {
  const MixedNumber answer{0, 1, 2};
  const std::vector<FractionExercise> separated = {
      SameDenominatorLayout(1, "+", 1, 4, 2),
      OneMinusLayout(1, 4, 3),
      SumAboveOneLayout(10, 11, 12, 9),
      TwoFractionLayout({1, 4}, "+", {1, 4}, answer),
      AbsoluteFirstLayout({1, 4}, "+", {1, 4}, answer),
      TwoMixedLayout({1, 1, 4}, "+", {1, 1, 4}, answer),
      MixedWhenImproperLayout({1, 4}, " x ", {1, 4}, answer),
      ThreeFractionLayout({1, 22}, AddSign::Plus, {1, 33}, AddSign::Minus, {1, 55}, {1, 2}),
      ThreeMixedLayout({10, 1, 4}, AddSign::Minus, {11, 1, 4}, AddSign::Plus, {12, 1, 4}, answer),
  };
  for (const FractionExercise& e : separated) {
    MemoryWorksheet w;
    WriteFractionExercise(w.files, e);
    ASSERT_EQ(w.student.lines.size(), 4u);
    ASSERT_EQ(w.teacher.lines.size(), 4u);
    EXPECT_EQ(w.student.lines[3], " ");
    EXPECT_EQ(w.teacher.lines[3], " ");
  }
}

}  // namespace
}  // namespace mathsheets
