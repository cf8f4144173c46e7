#include "wordproblems/b_counts.h"

#include <array>

namespace mathsheets {

namespace {

struct StoryBounds {
  std::int32_t totalRange;  // T = Random(totalRange) + 3
  std::int32_t limit;       // no sum the story shows or asks for goes above it
  bool hundreds;            // a, b and c at least 100
};

constexpr std::array<StoryBounds, 3> kStoryBounds = {{
    {18, 20, false},
    {98, 100, false},
    {998, 1000, true},
}};

bool Accepted(const StoryCounts& n, const StoryBounds& bounds) {
  const std::int32_t limit = bounds.limit;
  return n.a > n.b && n.b > n.c && n.b > 3 && n.d + n.e < n.a && n.a - n.d != n.d &&
         n.a + n.b + n.c <= limit && 2 * n.a - n.d <= limit && 2 * n.a + n.d <= limit &&
         (!bounds.hundreds || (n.a >= 100 && n.b >= 100 && n.c >= 100));
}

// The bound of the smaller factor once the leading digit q of the larger is known: 8, 3, 2, 1 for
// q = 1..4 and 0 (so the factor is 1, or 10) from 5 on.
std::int32_t SmallFactorRange(std::int32_t q) {
  return 99 / q / 10 - 1;
}

// Rows 1 to 3 of the wide draw: the factor with a leading digit q is drawn first as
// scale × Draw10(n, m), the other from it as otherScale × (Random(SmallFactorRange(q)) + 1).
struct LeadingFactorRule {
  std::int32_t n, m, scale, otherScale;
  bool leadIsA;
};

constexpr std::array<LeadingFactorRule, 3> kLeadingFactorRules = {{
    {89, 10, 10, 10, true},
    {89, 10, 100, 1, true},
    {79, 20, 100, 1, false},
}};

TimesCounts DrawLeadingFactor(ProblemModule& m, const LeadingFactorRule& rule) {
  const std::int32_t lead = rule.scale * m.Draw10(rule.n, rule.m);
  const std::int32_t other = rule.otherScale * (m.Random(SmallFactorRange(lead / rule.scale)) + 1);
  return rule.leadIsA ? TimesCounts{lead, other, 0} : TimesCounts{other, lead, 0};
}

// Rows 4 to 9: an even factor 2..8 and a factor 15..95 ending in 5, the even one first in rows
// 4 to 6, second in rows 7 to 9.
TimesCounts DrawEvenAndFive(ProblemModule& m, bool evenIsA) {
  const auto even = [&] { return 2 * ((m.Random(79) + 20) / 20); };
  const auto five = [&] { return 10 * m.Draw10(89, 10) + 5; };
  TimesCounts n;
  if (evenIsA) {
    n.a = even();
    n.k = five();
  } else {
    n.a = five();
    n.k = even();
  }
  return n;
}

template <class DrawPair, class Accept>
TimesCounts DrawTimes(DrawPair&& drawPair, Accept&& accept) {
  TimesCounts n;
  do n = drawPair();
  while (!accept(n));
  n.P = n.a * n.k;
  return n;
}

}  // namespace

void SkipOne(std::int32_t& a) {
  if ((a - 1) % 10 == 0) a = a + 1;
}

StoryCounts DrawStoryCounts(ProblemModule& m, StoryLevel level) {
  const StoryBounds& bounds = kStoryBounds[static_cast<std::size_t>(level) - 1];
  StoryCounts n;
  do {
    n.T = m.Random(bounds.totalRange) + 3;
    n.a = m.Random(n.T - 2) + 1;
    n.b = n.T - n.a;
    n.c = m.Random(n.T - 2) + 1;
    if (n.b < 4) n.b = 8;
    n.d = m.Random(n.b - 2) + 1;
    n.e = m.Random(n.b - 3) + 1;
  } while (!Accepted(n, bounds));
  return n;
}

TimesCounts DrawTimesSmall(ProblemModule& m) {
  return DrawTimes(
      [&] {
        return TimesCounts{m.Random(8) + 1, m.Random(7) + 2, 0};
      },
      [](const TimesCounts& n) { return n.a > n.k; });
}

TimesCounts DrawTimesTens(ProblemModule& m) {
  return DrawTimes(
      [&] {
        return TimesCounts{10 * m.Random(9), m.Random(7) + 2, 0};
      },
      [](const TimesCounts& n) { return n.a > n.k; });
}

TimesCounts DrawTimesWide(ProblemModule& m) {
  const std::int32_t s = m.Draw10(89, 10);
  return DrawTimes(
      [&] {
        if (s <= 3)
          return DrawLeadingFactor(m, kLeadingFactorRules[static_cast<std::size_t>(s - 1)]);
        return DrawEvenAndFive(m, s <= 6);
      },
      [](const TimesCounts& n) {
        const std::int32_t product = n.a * n.k;
        return product >= 100 && product <= 995 && n.a != n.k;
      });
}

}  // namespace mathsheets
