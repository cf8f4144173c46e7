#pragma once

#include "generators/generator.h"

namespace mathsheets {

// The generator of catalog type `number` (1..115), or nullptr while that type has none yet.
TaskGenerator FindTaskGenerator(int number);

}  // namespace mathsheets
