#pragma once

#include "generators/generator.h"

namespace mathsheets {

std::span<const GeneratorBinding> ExpressionChainGenerators();

}  // namespace mathsheets
