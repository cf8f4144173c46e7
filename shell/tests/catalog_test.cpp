#include "shell/catalog.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "generators/registry.h"
#include "shell/main_selection.h"

namespace mathsheets {
namespace {

std::set<int> Range(int first, int last, std::set<int> without) {
  std::set<int> s;
  for (int i = first; i <= last; ++i)
    if (!without.count(i)) s.insert(i);
  return s;
}

TEST(TaskCatalog, NumbersFollowTheRunOrder) {
  for (std::size_t i = 0; i < kTaskCatalog.size(); ++i)
    EXPECT_EQ(kTaskCatalog[i].Number, static_cast<int>(i) + 1);
}

TEST(TaskCatalog, EveryControlBelongsToExactlyOneType) {
  std::set<int> checkBoxes, countBoxes, buttons;
  for (const TaskKind& k : kTaskCatalog) {
    checkBoxes.insert(k.checkBox);
    countBoxes.insert(k.countBox);
    buttons.insert(k.button);
  }
  // CheckBox4 and Edit4 are the variants controls, Edit44..49 the sample boxes, Button1 and
  // Button2 run and close, Button83 and Button84 do not exist.
  EXPECT_EQ(checkBoxes, Range(1, 116, {4}));
  EXPECT_EQ(countBoxes, Range(1, 122, {4, 44, 45, 46, 47, 48, 49}));
  EXPECT_EQ(buttons, Range(3, 119, {83, 84}));
}

TEST(TaskCatalog, ControlsFindTheirType) {
  const auto numberWith = [](int TaskKind::*control, int n) -> std::optional<int> {
    for (const TaskKind& kind : kTaskCatalog)
      if (kind.*control == n) return kind.Number;
    return std::nullopt;
  };
  EXPECT_EQ(numberWith(&TaskKind::countBox, 64), 57);
  EXPECT_EQ(numberWith(&TaskKind::countBox, 83), 76);
  EXPECT_EQ(numberWith(&TaskKind::countBox, 4), std::nullopt);
  EXPECT_EQ(numberWith(&TaskKind::checkBox, 116), 115);
  EXPECT_EQ(numberWith(&TaskKind::button, 25), 14);
}

TEST(TaskCatalog, CaptionsKeepTheirOwnSpelling) {
  EXPECT_EQ(TaskKindByNumber(1).Caption, "Сложение2");
  EXPECT_EQ(TaskKindByNumber(75).Caption, "Упростить");
  EXPECT_EQ(TaskKindByNumber(92).Caption, "Упростить");
  EXPECT_EQ(TaskKindByNumber(81).Caption, "10->X (1)");
  EXPECT_EQ(TaskKindByNumber(102).Caption, "Длинна к");
  EXPECT_EQ(TaskKindByNumber(107).Caption, "ration2");
  EXPECT_EQ(TaskKindByNumber(115).Caption, "Frac_extrim");
  EXPECT_EQ(TaskKindByNumber(46).sample, TaskKindByNumber(47).sample);
}

TEST(TaskCatalog, ANumberOutOfRangeIsAnErrorNotARead) {
  Pcg32 random(1);
  MainModule module(random);
  MainSelection selection(module);
  for (const int number : {0, -1, 116, 1000}) {
    EXPECT_THROW(TaskKindByNumber(number), std::out_of_range) << number;
    EXPECT_THROW(selection.CheckBoxClick(number), std::out_of_range) << number;
    EXPECT_THROW(selection.CountBoxChange(number, "1"), std::out_of_range) << number;
    EXPECT_EQ(FindTaskGenerator(number), nullptr) << number;
  }
  EXPECT_EQ(TaskKindByNumber(115).Caption, "Frac_extrim");
}

}  // namespace
}  // namespace mathsheets
