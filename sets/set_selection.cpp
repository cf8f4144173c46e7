#include "sets/set_selection.h"

#include "wordproblems/problem_catalog.h"

namespace mathsheets::sets {

void ApplyMainSet(const WorksheetSet& set, MainSelection& selection) {
  if (set.kind != SetKind::Main)
    throw SetError("a set of the word-problem window, not the main one");
  selection.Reset();
  for (const OptionGroupInfo& g : kOptionGroups) selection.RadioButtonClick(g.group, 0);
  // A box left empty was never typed into, or its options are in the set's levels and WidePrimes.
  for (const TypeCount& c : set.counts) {
    selection.CheckBoxClick(c.type);
    if (!c.text.empty()) selection.CountBoxChange(c.type, c.text);
  }
  selection.VariantsChange(set.variants);
  // After the counts: the boxes of three types set the fraction level, a click sets it last.
  for (const GroupLevel& l : set.levels) selection.RadioButtonClick(l.group, l.button);
  if (set.widePrimes) selection.module().WidePrimes = true;
}

WorksheetSet MainSetOf(const MainSelection& selection) {
  WorksheetSet set;
  set.kind = SetKind::Main;
  set.variants = selection.VariantsText();
  for (int type = 1; type <= kTaskKindCount; ++type)
    if (selection.CountBoxEnabled(type)) set.counts.push_back({type, selection.CountText(type)});
  for (const OptionGroupInfo& g : kOptionGroups)
    if (const int level = selection.Level(g.group); level > 0)
      set.levels.push_back({g.group, level});
  set.widePrimes = selection.module().WidePrimes;
  return set;
}

void ApplyProblemSet(const WorksheetSet& set, ProblemModule& module) {
  if (set.kind != SetKind::Problems)
    throw SetError("a set of the main window, not the word-problem one");
  module.Selected.fill(0);
  for (const int index : set.problems) module.Selected[static_cast<std::size_t>(index - 1)] = 1;
}

WorksheetSet ProblemSetOf(const ProblemModule& module, std::string_view variantsText) {
  WorksheetSet set;
  set.kind = SetKind::Problems;
  set.variants = variantsText;
  for (const TWordProblem& problem : WordProblemCatalog())
    if (module.Selected[static_cast<std::size_t>(problem.Index - 1)] == 1)
      set.problems.push_back(problem.Index);
  return set;
}

}  // namespace mathsheets::sets
