#pragma once

// The count draws the B problems share.

#include <cstdint>

#include "wordproblems/problem_module.h"

namespace mathsheets {

// A count ending in 1 above 20 is moved on by one (21 becomes 22): the texts that use it put the
// things after it in a plural form.
void SkipOne(std::int32_t& a);

// The counts of the two-step stories: T the total they come from, a > b > c and the changes d, e.
struct StoryCounts {
  std::int32_t T = 0, a = 0, b = 0, c = 0, d = 0, e = 0;
};

// Level 1, 2 or 3 keeps the stories below 20, 100 or 1000; level 3 also wants a, b and c of at
// least 100.
enum class StoryLevel { UpTo20 = 1, UpTo100 = 2, UpTo1000 = 3 };

StoryCounts DrawStoryCounts(ProblemModule& m, StoryLevel level);

// A count a, a multiplier k and their product P.
struct TimesCounts {
  std::int32_t a = 0, k = 0, P = 0;
};

// a 3..8, k 2..7, a > k.
TimesCounts DrawTimesSmall(ProblemModule& m);
// a 10..80 in tens, k 2..8, a > k.
TimesCounts DrawTimesTens(ProblemModule& m);
// a ≠ k, P = a × k between 100 and 995 and always ending in 0.
TimesCounts DrawTimesWide(ProblemModule& m);

}  // namespace mathsheets
