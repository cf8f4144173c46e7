// Every type with a generator, together in one run, over many seeds and option levels: no line
// may hold a character the worksheet files cannot carry, and no generator may hang or throw.
#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "generators/registry.h"
#include "shell/catalog.h"
#include "shell/main_run.h"

namespace mathsheets {
namespace {

// Fails the test on the first line Windows-1251 cannot hold.
class EncodingCheckSink final : public LineSink {
 public:
  void WriteLine(std::string_view line) override {
    ++lines;
    try {
      Utf8ToCp1251(line);
    } catch (const std::exception&) {
      ADD_FAILURE() << "cannot be written as Windows-1251: " << line;
    }
  }
  std::size_t lines = 0;
};

TEST(AllTypes, EveryGeneratorWritesEncodableLinesAtEveryLevel) {
  Pcg32 random(12345);
  MainModule module(random);
  MainSelection selection(module);
  for (const TaskKind& kind : kTaskCatalog)
    if (FindTaskGenerator(kind.Number) != nullptr) selection.CountBoxChange(kind.Number, "2");
  for (std::uint64_t seed = 0; seed < 60; ++seed) {
    random.Seed(seed);
    for (const OptionGroupInfo& group : kOptionGroups)
      selection.RadioButtonClick(
          group.group, static_cast<int>(seed % static_cast<std::uint64_t>(group.buttons)) + 1);
    module.VariantCount = 3;
    EncodingCheckSink student, teacher;
    WorksheetFiles files{student, teacher};
    ispoln(module, files);
    EXPECT_GT(student.lines, 3U);
  }
}

TEST(AllTypes, LevelsNeverChosenStillDraw) {
  Pcg32 random(99);
  MainModule module(random);
  MainSelection selection(module);
  for (const TaskKind& kind : kTaskCatalog)
    if (FindTaskGenerator(kind.Number) != nullptr) selection.CountBoxChange(kind.Number, "1");
  // The count boxes above may have moved FractionLevel; the radio groups were never clicked.
  module.FractionLevel = 0;
  module.VariantCount = 20;
  EncodingCheckSink student, teacher;
  WorksheetFiles files{student, teacher};
  ispoln(module, files);
  EXPECT_GT(student.lines, 20U);
}

}  // namespace
}  // namespace mathsheets
