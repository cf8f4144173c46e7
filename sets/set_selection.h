#pragma once

#include <string_view>

#include "sets/worksheet_set.h"
#include "shell/main_selection.h"
#include "wordproblems/problem_module.h"

namespace mathsheets::sets {

// A main set into the main window's selection, done as a teacher would: the selection starts over
// (every box cleared, no radio button clicked), then each listed type is ticked and its text, if
// any, typed, the variants typed, the radio buttons clicked, and WidePrimes set when the set says
// so. Throws
// SetError, changing nothing, for a problems set.
void ApplyMainSet(const WorksheetSet& set, MainSelection& selection);

// The set of what the main window's selection holds: every ticked type with its box's text, the
// groups whose option is set, WidePrimes. Seed and layout are left unset.
WorksheetSet MainSetOf(const MainSelection& selection);

// A problems set into the word-problem window's flags: exactly its problems ticked. The variants
// box is the window's; set.variants goes there. Throws SetError, changing nothing, for a main set.
void ApplyProblemSet(const WorksheetSet& set, ProblemModule& module);

WorksheetSet ProblemSetOf(const ProblemModule& module, std::string_view variantsText);

}  // namespace mathsheets::sets
