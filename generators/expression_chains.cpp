#include "generators/expression_chains.h"

namespace mathsheets {

std::span<const GeneratorBinding> ExpressionChainGenerators() { return {}; }

}  // namespace mathsheets
