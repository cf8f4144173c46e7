#include "shell/main_selection.h"

#include <stdexcept>
#include <string>

#include "worksheet/read_count.h"

namespace mathsheets {

namespace {
constexpr int kFractionsOfThirdKindDivision = 57;  // "Дроби3:"
constexpr std::array<int, 3> kTypesStartingFractionLevel = {76, 77,
                                                            78};  // ДробиМ, ДробиВ, Раскрыть

std::size_t Slot(int taskNumber) {
  if (taskNumber < 1 || taskNumber > kTaskKindCount)
    throw std::out_of_range("no exercise type " + std::to_string(taskNumber));
  return static_cast<std::size_t>(taskNumber - 1);
}
}  // namespace

std::optional<OptionGroup> OptionGroupByName(std::string_view name) {
  for (const OptionGroupInfo& g : kOptionGroups)
    if (g.name == name) return g.group;
  return std::nullopt;
}

MainSelection::MainSelection(MainModule& module) : module_(module) {
  Reset();
}

void MainSelection::Reset() {
  countBoxEnabled_.fill(false);
  for (std::string& text : countTexts_) text.clear();
  variantsText_.clear();
  module_.VariantCount = 0;
  module_.TaskCount.fill(0);
  module_.WidePrimes = false;
}

void MainSelection::CheckBoxClick(int taskNumber) {
  countBoxEnabled_[Slot(taskNumber)] = true;
}

bool MainSelection::CountBoxEnabled(int taskNumber) const {
  return countBoxEnabled_[Slot(taskNumber)];
}

void MainSelection::CountBoxChange(int taskNumber, std::string_view text) {
  countTexts_[Slot(taskNumber)] = text;
  module_.TaskCount[Slot(taskNumber)] = ReadCount(text);
  if (taskNumber == kFractionsOfThirdKindDivision) module_.WidePrimes = true;
  for (int t : kTypesStartingFractionLevel)
    if (taskNumber == t) module_.FractionLevel = 1;
}

const std::string& MainSelection::CountText(int taskNumber) const {
  return countTexts_[Slot(taskNumber)];
}

std::int32_t MainSelection::Level(OptionGroup group) const {
  switch (group) {
    case OptionGroup::Gcd:
      return module_.GcdLevel;
    case OptionGroup::Fraction:
      return module_.FractionLevel;
    case OptionGroup::MulDiv:
      return module_.MulDivLevel;
    case OptionGroup::Mixed:
      return module_.MixedLevel;
    case OptionGroup::MixedMulDiv:
      return module_.MixedMulDivLevel;
  }
  return 0;
}

void MainSelection::VariantsChange(std::string_view text) {
  variantsText_ = text;
  module_.VariantCount = ReadCount(text);
}

void MainSelection::RadioButtonClick(OptionGroup group, int k) {
  switch (group) {
    case OptionGroup::Gcd:
      module_.GcdLevel = k;
      break;
    case OptionGroup::Fraction:
      module_.FractionLevel = k;
      break;
    case OptionGroup::MulDiv:
      module_.MulDivLevel = k;
      break;
    case OptionGroup::Mixed:
      module_.MixedLevel = k;
      break;
    case OptionGroup::MixedMulDiv:
      module_.MixedMulDivLevel = k;
      break;
  }
}

void MainSelection::RadioButtonClick(int radioButton) {
  for (const OptionGroupInfo& g : kOptionGroups)
    if (radioButton >= g.firstRadioButton && radioButton < g.firstRadioButton + g.buttons)
      RadioButtonClick(g.group, radioButton - g.firstRadioButton + 1);
}

}  // namespace mathsheets
