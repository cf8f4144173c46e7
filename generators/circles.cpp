#include "generators/circles.h"

namespace mathsheets {

std::span<const GeneratorBinding> CircleGenerators() { return {}; }

}  // namespace mathsheets
