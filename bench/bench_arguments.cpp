#include "bench_arguments.h"

#include <sys/resource.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace mathsheets::bench {

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

int PositiveArgument(int argc, char** argv, int at, int fallback, std::string_view usage) {
  if (argc <= at) return fallback;
  const std::string_view text = argv[at];
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1) {
    std::fprintf(stderr, "usage: %.*s\n", static_cast<int>(usage.size()), usage.data());
    std::exit(2);
  }
  return value;
}

}  // namespace mathsheets::bench
