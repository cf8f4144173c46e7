#include "worksheet/run_progress.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace mathsheets {
namespace {

struct Recorded {
  std::vector<std::int64_t> reports;  // `written` of every report
  std::vector<std::int64_t> variants;
};

TEST(WriteVariants, ReportsBeforeTheFirstAndAfterEveryVariant) {
  Recorded r;
  const auto outcome = WriteVariants(
      3,
      [&](const RunProgress& p) {
        EXPECT_EQ(p.total, 3);
        r.reports.push_back(p.written);
        return true;
      },
      [&](std::int64_t v) {
        r.variants.push_back(v);
        return true;
      });
  EXPECT_EQ(outcome.end, RunEnd::Completed);
  EXPECT_EQ(outcome.written, 3);
  EXPECT_EQ(r.variants, (std::vector<std::int64_t>{1, 2, 3}));
  EXPECT_EQ(r.reports, (std::vector<std::int64_t>{0, 1, 2, 3}));
}

TEST(WriteVariants, AHookThatSaysStopEndsTheRunAfterAWholeVariant) {
  // The largest count a box holds, stopped after three variants: no overflow, no fourth variant.
  for (const std::int64_t stopAt : {0, 3}) {
    Recorded r;
    const auto outcome = WriteVariants(
        INT32_MAX, [&](const RunProgress& p) { return p.written < stopAt; },
        [&](std::int64_t v) {
          r.variants.push_back(v);
          return true;
        });
    EXPECT_EQ(outcome.end, RunEnd::Cancelled);
    EXPECT_EQ(outcome.written, stopAt);
    EXPECT_EQ(static_cast<std::int64_t>(r.variants.size()), stopAt);
  }
}

TEST(WriteVariants, AVariantGivenUpEndsTheRunWithoutCountingIt) {
  const auto outcome = WriteVariants(5, {}, [](std::int64_t v) { return v < 3; });
  EXPECT_EQ(outcome.end, RunEnd::Cancelled);
  EXPECT_EQ(outcome.written, 2);
}

TEST(WriteVariants, NothingForNoVariantsAndNoHookNeeded) {
  for (const std::int64_t total : {0, -2, INT32_MIN}) {
    int calls = 0;
    const auto outcome = WriteVariants(
        total,
        [&](const RunProgress&) {
          ++calls;
          return true;
        },
        [&](std::int64_t) {
          ++calls;
          return true;
        });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(outcome.written, 0);
    EXPECT_EQ(outcome.end, RunEnd::Completed);
  }
  std::int64_t last = 0;
  EXPECT_EQ(WriteVariants(2, {},
                          [&](std::int64_t v) {
                            last = v;
                            return true;
                          })
                .written,
            2);
  EXPECT_EQ(last, 2);
}

}  // namespace
}  // namespace mathsheets
