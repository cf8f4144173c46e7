#include "generators/signed_numbers.h"

namespace mathsheets {

std::span<const GeneratorBinding> SignedNumberGenerators() { return {}; }

}  // namespace mathsheets
