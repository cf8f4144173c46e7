#pragma once

#include <string_view>

namespace mathsheets::bench {

// The peak memory of this process so far, in kilobytes.
long PeakKilobytes();

// The positive whole number given as argument `at`, or `fallback` when there is none; anything
// else prints `usage` and ends the program with exit code 2.
int PositiveArgument(int argc, char** argv, int at, int fallback, std::string_view usage);

}  // namespace mathsheets::bench
