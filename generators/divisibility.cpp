#include "generators/divisibility.h"

namespace mathsheets {

std::span<const GeneratorBinding> DivisibilityGenerators() { return {}; }

}  // namespace mathsheets
