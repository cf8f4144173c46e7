#include "shell/catalog.h"

namespace mathsheets {

namespace {
template <typename Field>
std::optional<int> FindNumber(Field field, int controlNumber) {
  for (const TaskKind& kind : kTaskCatalog)
    if (kind.*field == controlNumber) return kind.Number;
  return std::nullopt;
}
}  // namespace

std::optional<int> TaskNumberOfSample(int sample) {
  return FindNumber(&TaskKind::sample, sample);
}

}  // namespace mathsheets
