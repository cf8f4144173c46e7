// B17..B49: eleven stories in one or two steps, each told with counts below 20 (B17..B27), below
// 100 (B28..B38) and below 1000 (B39..B49).
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_counts.h"

namespace mathsheets {

namespace {

using Answer = std::int32_t (*)(const ChildrenValues&);

struct Story {
  int children;  // 0: the story names nobody
  const NameTable* names;
  const Nouns<8>* nouns;
  std::int32_t nounCount;
  ChildrenTemplates lines;
  Answer answer;
};

// The children come from KidsOfC and the things from ThingsB unless a story names its own.
constexpr Story Told(int children, std::int32_t nounCount, Answer answer, ChildrenTemplates lines,
                     const NameTable* names = &KidsOfC, const Nouns<8>* nouns = &ThingsB) {
  return {children, names, nouns, nounCount, lines, answer};
}

constexpr int kFirstStory = 17;
constexpr int kStoryCount = 11;
constexpr int kLevels = 3;

// Story s is told at three levels of difficulty, as B17 + s, B28 + s and B39 + s.
constexpr std::array<Story, kStoryCount> kStories = {
    // B17, B28, B39: Y has d fewer than X; how many do both have.
    Told(2, 7, [](const ChildrenValues& v) { return 2 * v.a - v.d; },
         {"У {X} {a} {N(a)}, а y {Y} на {d} меньше. Cколько {N3} у детей? "}),
    // B18, B29, B40: Y has d more than X; how many do both have.
    Told(2, 7, [](const ChildrenValues& v) { return 2 * v.a + v.d; },
         {"У {X} {a} {N(a)}, а y {Y} на {d} больше. Cколько {N3} у детей? "}),
    // B19, B30, B41: The counts of three children; how many in all.
    Told(3, 8, [](const ChildrenValues& v) { return v.a + v.b + v.c; },
         {"У {X} {a} {N(a)}, у {Y} {b},  у {Z} {c}. Сколько {N3} у детей? "}),
    // B20, B31, B42: Y has d more than X, Z has e fewer than Y; how many has Z.
    Told(3, 8, [](const ChildrenValues& v) { return v.a + v.d - v.e; },
         {"У {X} {a} {N(a)}, у {Y} на {d} больше. A у {Z} на {e} меньше, чем у {Y}.",
          " Сколько {N3} у {Z}? "}),
    // B21, B32, B43: Y has d fewer than X, Z has e more than Y; how many has Z.
    Told(3, 8, [](const ChildrenValues& v) { return v.a - v.d + v.e; },
         {"У {X} {a} {N(a)}, у {Y} на {d} меньше. A у {Z} на {e} больше, чем у {Y}.",
          "Сколько {N3} у {Z}? "}),
    // B22, B33, B44: X and Y have a, give away d and get e; how many now.
    Told(2, 8, [](const ChildrenValues& v) { return v.a - v.d + v.e; },
         {"У {X} и {Y} {a} {N(a)}. Они отдали {d} и взяли {e}. ", "Сколько {N3} стало у детей?"}),
    // B23, B34, B45: X, Y and Z have a together, X has d and Y has e; how many has Z.
    Told(3, 8, [](const ChildrenValues& v) { return v.a - v.d - v.e; },
         {"У {X}, {Y} и {Z} {a} {N(a)}. Причем, у {X} {d}{join}{Y} {e}.", "Сколько {N3} у {Z}?"}),
    // B24, B35, B46: X has a, Y has b, together they give away e; how many are left.
    Told(2, 8, [](const ChildrenValues& v) { return v.a + v.b - v.e; },
         {"У {X} {a} {N(a)}, у {Y} {b}.  Вместе они отдали {e} {N(e)}.",
          "Сколько всего {N3} у них осталось?"}),
    // B25, B36, B47: a were taken, what is left is d fewer; how many were there.
    Told(2, 8, [](const ChildrenValues& v) { return 2 * v.a - v.d; },
         {"У {X} и {Y} забрали {a} {N(a)}.  Причем, y них осталось на {d} меньше, чем забрали. ",
          "Сколько {N3} y детей было сначала?"}),
    // B26, B37, B48: a were taken, what is left is d more; how many were there.
    Told(2, 8, [](const ChildrenValues& v) { return 2 * v.a + v.d; },
         {"У {X} и {Y} забрали {a} {N(a)}.  Причем, y них осталось на {d} больше, чем забрали. ",
          "Сколько {N3} y детей было сначала?"}),
    // B27, B38, B49: Breakfast, lunch and what is left for dinner; how many were there.
    Told(
        0, 8, [](const ChildrenValues& v) { return v.a + v.b + v.c; },
        {"Мама оставила детям {N4}.",
         "За завтраком они съели {a} {N(a)}, за обедом {c}, а на ужин осталось {b}.",
         "Сколько всего {N3} детям оставила мама?"},
        nullptr, &ThingsF),
};

// The problems whose text differs from the other levels of their story.
struct OwnLines {
  int number;
  ChildrenTemplates lines;
};

constexpr std::array<OwnLines, 4> kOwnLines = {{
    {18, {"У {X} {a} {N(a)}, а y {Y} на {d} больше. Cколько {N3}у детей? "}},
    {35,
     {"У {X} {a} {N(a)}, у {Y} {b}.  Вместе они отдали {e} {N(e)}.",
      "Сколько всього {N3} у них сталось?"}},
    {38,
     {"Мама оставила детям {N4}.",
      "За завтраком они съели {a} {N(a)}, за обедом {c}, а на ужин осталось {b}.",
      "Сколько всего {N3} детям остала мама?"}},
    {49,
     {"В детский садик завезли {N4}.",
      "За завтраком дети съели {a} {N(a)}, за обедом {c}, а на ужин осталось {b}.",
      "Сколько всего {N3} завезли в детский садик?"}},
}};

struct StoryProblem {
  int number;
  StoryLevel level;
  const Story* story;
  ChildrenTemplates lines;
};

constexpr std::array<StoryProblem, kStoryCount * kLevels> MakeStoryProblems() {
  std::array<StoryProblem, kStoryCount * kLevels> problems{};
  for (int level = 1; level <= kLevels; ++level)
    for (int s = 0; s < kStoryCount; ++s) {
      const Story& story = kStories[static_cast<std::size_t>(s)];
      StoryProblem& p = problems[static_cast<std::size_t>((level - 1) * kStoryCount + s)];
      p = {kFirstStory + (level - 1) * kStoryCount + s, static_cast<StoryLevel>(level), &story,
           story.lines};
      for (const OwnLines& own : kOwnLines)
        if (own.number == p.number) p.lines = own.lines;
    }
  return problems;
}

constexpr auto kStoryProblems = MakeStoryProblems();

static_assert(EveryRowHasValidChildrenTemplates(kStoryProblems) &&
              kStoryProblems.back().number == 49);

void GenerateStory(const StoryProblem& p, ProblemModule& m) {
  const Story& story = *p.story;
  ChildrenValues v;
  DrawChildren(m, story.children, v);
  const StoryCounts n = DrawStoryCounts(m, p.level);
  v.a = n.a;
  v.b = n.b;
  v.c = n.c;
  v.d = n.d;
  v.e = n.e;
  DrawNoun(m, story.nounCount, v);
  SetChildrenInstance(m, p.lines, story.names, *story.nouns, v, story.answer(v));
}

constexpr auto kBindings = BindRows<kStoryProblems, &GenerateStory>();

}  // namespace

std::span<const ProblemBinding> BStoryProblems() {
  return kBindings;
}

}  // namespace mathsheets
