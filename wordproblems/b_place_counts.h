#pragma once

// The count draws of the forest and the factory problems; the tens of the libraries are
// DrawTimesTens (b_counts.h).

#include "wordproblems/b_counts.h"

namespace mathsheets {

// a 20..169 and the largest k with a × k ≤ 999 (and k ≠ a): k 5..49, P 835..999.
TimesCounts DrawTimesForest(ProblemModule& m);

// What the factory made in both shifts (B87) or how much more the second made (B88).
enum class ShiftTotal { BothShifts, SecondMore };

// The first shift's a and the multiplier k of the second, a × k between 100 and 995 and a ≠ k;
// P = a × k + a or a × k − a, at most 1000.
TimesCounts DrawShiftCounts(ProblemModule& m, ShiftTotal total);

}  // namespace mathsheets
