#include "generators/literal_expressions.h"

namespace mathsheets {

std::span<const GeneratorBinding> LiteralExpressionGenerators() { return {}; }

}  // namespace mathsheets
