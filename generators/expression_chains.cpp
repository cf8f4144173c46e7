#include "generators/expression_chains.h"

namespace mathsheets {

namespace {

// Draws the template by Trunc((Random(10n - 1) + 10) / 10), so the last one is a little rarer.
template <std::span<const ChainTemplate> (*Templates)()>
void ChainExercise(MainModule& m, WorksheetFiles& files) {
  const std::span<const ChainTemplate> templates = Templates();
  const auto count = static_cast<std::int32_t>(templates.size());
  const std::int32_t t = Draw10(m.random, 10 * count - 1, 10);
  const ChainExpression chain = BuildChain(templates[static_cast<std::size_t>(t - 1)], m.random);
  const std::string line = chain.text + "=";
  files.WriteWithAnswer(line, chain.value);
}

constexpr std::array<GeneratorBinding, 2> kBindings = {{
    {32, &ChainExercise<&ShortChainTemplates>},  // Выражение1
    {33, &ChainExercise<&LongChainTemplates>},   // Выражение2
}};

}  // namespace

std::string ChainText(std::string_view form, const std::array<std::int32_t, 6>& numbers) {
  std::string text;
  for (char c : form) {
    if (c >= 'a' && c <= 'f')
      text += std::to_string(numbers[static_cast<std::size_t>(c - 'a')]);
    else
      text += c;
  }
  return text;
}

ChainExpression BuildChain(const ChainTemplate& t, RandomSource& random) {
  const ChainNumbers drawn = t.draw(random);
  return {ChainText(t.form, drawn.numbers), drawn.value};
}

std::span<const GeneratorBinding> ExpressionChainGenerators() {
  return kBindings;
}

}  // namespace mathsheets
