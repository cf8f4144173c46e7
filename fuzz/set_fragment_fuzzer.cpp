// A set as the browser's address fragment (and a pasted link) gives it: any text. Whatever is
// accepted formats back to the canonical text, which reads as the same set and formats to
// itself; applied to a window's selection, it gives a selection whose set reads again.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/random.h"
#include "fuzz_support.h"
#include "sets/set_selection.h"
#include "sets/worksheet_set.h"
#include "wordproblems/problem_module.h"

using namespace mathsheets;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const sets::SetParseResult read = sets::TryParseSet(text);
  if (!read.ok) {
    fuzz::Check(!read.error.empty(), "a refusal without a reason");
    return 0;
  }
  const std::string canonical = sets::FormatSet(read.set);
  const sets::SetParseResult again = sets::TryParseSet(canonical);
  fuzz::Check(again.ok, "the canonical text of an accepted set is refused: " + again.error);
  fuzz::Check(again.set == read.set, "the canonical text reads as another set: " + canonical);
  fuzz::Check(sets::FormatSet(again.set) == canonical, "the canonical text is not canonical");
  fuzz::Check(sets::TryParseSet("#" + canonical).set == read.set, "a leading '#' changes the set");

  Pcg32 random;
  if (read.set.kind == sets::SetKind::Main) {
    MainModule module(random);
    MainSelection selection(module);
    sets::ApplyMainSet(read.set, selection);
    sets::WorksheetSet back = sets::MainSetOf(selection);
    fuzz::Check(back.counts == read.set.counts && back.variants == read.set.variants,
                "the selection does not hold the set's boxes as typed");
    fuzz::Check(sets::TryParseSet(sets::FormatSet(back)).ok, "the selection's set is refused");
  } else {
    ProblemModule module(random);
    sets::ApplyProblemSet(read.set, module);
    const sets::WorksheetSet back = sets::ProblemSetOf(module, read.set.variants);
    fuzz::Check(back.problems == read.set.problems, "the window does not tick the set's problems");
  }
  return 0;
}
