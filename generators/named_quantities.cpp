#include "generators/named_quantities.h"

namespace mathsheets {

std::span<const GeneratorBinding> NamedQuantityGenerators() { return {}; }

}  // namespace mathsheets
