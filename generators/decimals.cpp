#include "generators/decimals.h"

namespace mathsheets {

std::span<const GeneratorBinding> DecimalGenerators() { return {}; }

}  // namespace mathsheets
