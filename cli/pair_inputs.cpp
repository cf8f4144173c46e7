#include <system_error>
#include <utility>

#include "commands.h"
#include "sheet/pair_reader.h"

namespace mathsheets::cli {

InputPair PairOfInputs(const std::vector<std::filesystem::path>& inputs) {
  InputPair pair{inputs.at(0), std::nullopt};
  if (inputs.size() == 2) {
    pair.teacher = inputs[1];
    return pair;
  }
  const std::optional<std::filesystem::path> twin = sheet::TwinFileOf(pair.student);
  std::error_code ignored;
  if (twin && std::filesystem::is_regular_file(*twin, ignored)) {
    pair.teacher = *twin;
    if (sheet::IsTeacherFileName(pair.student)) std::swap(pair.student, *pair.teacher);
  }
  return pair;
}

}  // namespace mathsheets::cli
