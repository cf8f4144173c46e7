#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "generators/main_module.h"

namespace mathsheets {

enum class OptionGroup { Gcd, Fraction, MulDiv, Mixed, MixedMulDiv };

// A radio group of the main window: RadioButton(first) .. RadioButton(first + buttons - 1), the
// k-th from the left setting its option to k.
struct OptionGroupInfo {
  OptionGroup group;
  std::string_view name;  // the name the command line uses
  int firstRadioButton;
  int buttons;
};

inline constexpr std::array<OptionGroupInfo, 5> kOptionGroups = {{
    {OptionGroup::Gcd, "gcd", 1, 5},
    {OptionGroup::Fraction, "fraction", 6, 4},
    {OptionGroup::MulDiv, "muldiv", 10, 3},
    {OptionGroup::Mixed, "mixed", 13, 3},
    {OptionGroup::MixedMulDiv, "mixedmuldiv", 16, 3},
}};

std::optional<OptionGroup> OptionGroupByName(std::string_view name);

// What the teacher does in the main window, applied to the module: the same rules for the window
// and for the command line.
class MainSelection {
 public:
  explicit MainSelection(MainModule& module);

  // Start-up: every count box disabled, empty and 0, no variants, WidePrimes cleared.
  void Reset();

  // A type's check box enables its count box, once and for good.
  void CheckBoxClick(int taskNumber);
  bool CountBoxEnabled(int taskNumber) const;
  // Every change of a type's count box; some boxes also set options.
  void CountBoxChange(int taskNumber, std::string_view text);
  // Every change of the variants box.
  void VariantsChange(std::string_view text);
  // The k-th button (1-based) of a radio group; 0 leaves the group as if none had been clicked.
  void RadioButtonClick(OptionGroup group, int k);
  // RadioButtonN of the window, 1..18.
  void RadioButtonClick(int radioButton);

  const std::string& VariantsText() const { return variantsText_; }
  // The text of a type's count box as last changed; empty until then.
  const std::string& CountText(int taskNumber) const;
  // The option a radio group has set: 0 until one of its buttons is clicked, or a box sets it.
  std::int32_t Level(OptionGroup group) const;
  MainModule& module() { return module_; }
  const MainModule& module() const { return module_; }

 private:
  MainModule& module_;
  std::array<bool, kTaskKindCount> countBoxEnabled_{};
  std::array<std::string, kTaskKindCount> countTexts_{};
  std::string variantsText_;
};

}  // namespace mathsheets
