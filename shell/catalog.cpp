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

std::optional<int> TaskNumberOfCountBox(int edit) {
  return FindNumber(&TaskKind::countBox, edit);
}
std::optional<int> TaskNumberOfCheckBox(int checkBox) {
  return FindNumber(&TaskKind::checkBox, checkBox);
}
std::optional<int> TaskNumberOfSample(int sample) {
  return FindNumber(&TaskKind::sample, sample);
}
std::optional<int> TaskNumberOfButton(int button) {
  return FindNumber(&TaskKind::button, button);
}

}  // namespace mathsheets
