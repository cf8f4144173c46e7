#include "generators/percent_ratio.h"

namespace mathsheets {

std::span<const GeneratorBinding> PercentRatioGenerators() { return {}; }

}  // namespace mathsheets
