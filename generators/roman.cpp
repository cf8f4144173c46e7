#include "generators/roman.h"

namespace mathsheets {

std::span<const GeneratorBinding> RomanGenerators() { return {}; }

}  // namespace mathsheets
