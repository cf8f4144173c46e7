#include "sets/set_selection.h"

#include <gtest/gtest.h>

#include "common/random.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"

namespace mathsheets::sets {
namespace {

// Texts a teacher might leave in a box, separators and escapes of the set's own text among them.
const std::vector<std::string> kTexts = {"",  "3",   " 12", "-4", "2x",  "$1F", "1,5", "7:8",
                                         "%", "a&b", "=",   "#",  "три", "+1",  "0x10"};

const std::string& AnyText(Pcg32& r) {
  return kTexts[static_cast<std::size_t>(r.Random(static_cast<std::int32_t>(kTexts.size())))];
}

sheet::PrintLayout AnyLayout(Pcg32& r) {
  sheet::PrintLayout layout;
  layout.perPage = static_cast<sheet::VariantsPerPage>(r.Random(4));
  layout.columns = static_cast<sheet::ExerciseColumns>(r.Random(4));
  layout.largePrint = r.Random(2) == 1;
  layout.answerKey = r.Random(2) == 1;
  layout.paper = static_cast<sheet::Paper>(r.Random(2));
  return layout;
}

// What a main run reads of the module.
auto RunState(const MainModule& m) {
  return std::tuple(m.TaskCount, m.VariantCount, m.GcdLevel, m.FractionLevel, m.MulDivLevel,
                    m.MixedLevel, m.MixedMulDivLevel, m.WidePrimes);
}

TEST(SetSelection, MainSelectionToSetToSelectionKeepsEveryBoxAndOption) {
  for (std::uint64_t seed = 0; seed < 300; ++seed) {
    Pcg32 r(seed);
    MainModule module(r);
    MainSelection selection(module);
    // Clicks and typing in any order, the boxes that set options among them.
    for (int action = r.Random(40); action > 0; --action) {
      const int type = r.Random(4) == 0 ? 57 + r.Random(2) * 19 + r.Random(3) : 1 + r.Random(115);
      switch (r.Random(4)) {
        case 0:
          selection.CheckBoxClick(type);
          break;
        case 1:
          if (selection.CountBoxEnabled(type)) selection.CountBoxChange(type, AnyText(r));
          break;
        case 2:
          selection.VariantsChange(AnyText(r));
          break;
        default:
          selection.RadioButtonClick(1 + r.Random(18));
      }
    }
    WorksheetSet set = MainSetOf(selection);
    set.seed = static_cast<std::uint32_t>(r.Random(2147483647)) * 2U;
    set.layout = AnyLayout(r);
    const WorksheetSet parsed = ParseSet(FormatSet(set));
    ASSERT_EQ(parsed, set) << FormatSet(set);

    MainModule restoredModule(r);
    restoredModule.GcdLevel = 4;  // left from an earlier selection: the set clears it
    MainSelection restored(restoredModule);
    ApplyMainSet(parsed, restored);
    EXPECT_EQ(RunState(restoredModule), RunState(module)) << FormatSet(set);
    for (int type = 1; type <= kTaskKindCount; ++type)
      EXPECT_EQ(restored.CountBoxEnabled(type), selection.CountBoxEnabled(type));
    WorksheetSet again = MainSetOf(restored);
    again.seed = set.seed;
    again.layout = set.layout;
    EXPECT_EQ(again, set) << FormatSet(set);
  }
}

TEST(SetSelection, ProblemSelectionToSetToSelection) {
  for (std::uint64_t seed = 0; seed < 300; ++seed) {
    Pcg32 r(seed);
    ProblemModule module(r);
    for (int clicks = r.Random(60); clicks > 0; --clicks) ToggleSelected(module, 1 + r.Random(230));
    WorksheetSet set = ProblemSetOf(module, AnyText(r));
    set.seed = r.Next();
    set.layout = AnyLayout(r);
    const WorksheetSet parsed = ParseSet(FormatSet(set));
    ASSERT_EQ(parsed, set) << FormatSet(set);
    ProblemModule restored(r);
    restored.Selected.fill(1);
    ApplyProblemSet(parsed, restored);
    EXPECT_EQ(restored.Selected, module.Selected);
    EXPECT_EQ(ProblemSetOf(restored, set.variants).problems, set.problems);
  }
}

TEST(SetSelection, ASetOfTheOtherWindowChangesNothing) {
  Pcg32 r(1);
  MainModule module(r);
  MainSelection selection(module);
  selection.CheckBoxClick(3);
  selection.CountBoxChange(3, "4");
  EXPECT_THROW(ApplyMainSet(ParseSet("problems?select=Z1"), selection), SetError);
  EXPECT_EQ(module.TaskCount[2], 4);
  ProblemModule problems(r);
  ToggleSelected(problems, 5);
  EXPECT_THROW(ApplyProblemSet(ParseSet("main?count=1:1"), problems), SetError);
  EXPECT_EQ(problems.Selected[4], 1);
}

}  // namespace
}  // namespace mathsheets::sets
