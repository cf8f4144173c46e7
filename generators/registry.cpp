#include "generators/registry.h"

#include <array>

#include "generators/circles.h"
#include "generators/decimals.h"
#include "generators/divisibility.h"
#include "generators/drills.h"
#include "generators/equations.h"
#include "generators/expression_chains.h"
#include "generators/fractions.h"
#include "generators/literal_expressions.h"
#include "generators/named_quantities.h"
#include "generators/percent_ratio.h"
#include "generators/roman.h"
#include "generators/signed_numbers.h"

namespace mathsheets {

namespace {

using GeneratorTable = std::array<TaskGenerator, kTaskKindCount + 1>;

GeneratorTable BuildTable() {
  GeneratorTable table{};
  for (auto family :
       {DrillGenerators(), FractionGenerators(), DivisibilityGenerators(), DecimalGenerators(),
        RomanGenerators(), EquationGenerators(), PercentRatioGenerators(), CircleGenerators(),
        NamedQuantityGenerators(), SignedNumberGenerators(), LiteralExpressionGenerators(),
        ExpressionChainGenerators()})
    for (const GeneratorBinding& b : family)
      table.at(static_cast<std::size_t>(b.number)) = b.generator;
  return table;
}

}  // namespace

TaskGenerator FindTaskGenerator(int number) {
  static const GeneratorTable table = BuildTable();
  if (number < 1 || number > kTaskKindCount) return nullptr;
  return table[static_cast<std::size_t>(number)];
}

}  // namespace mathsheets
