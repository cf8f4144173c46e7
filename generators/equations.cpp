#include "generators/equations.h"

namespace mathsheets {

std::span<const GeneratorBinding> EquationGenerators() { return {}; }

}  // namespace mathsheets
