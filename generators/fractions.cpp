#include "generators/fractions.h"

namespace mathsheets {

std::span<const GeneratorBinding> FractionGenerators() { return {}; }

}  // namespace mathsheets
