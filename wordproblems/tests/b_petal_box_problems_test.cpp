// B79..B86 (petals) and B89..B96 (boxes): the same eight shapes of story, with their own ranges.
#include <gtest/gtest.h>

#include <set>

#include "wordproblems/b_place_nouns.h"
#include "wordproblems/tests/b_tale_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;
using R = Rational;

// Story i of both families; the text shows a and k, or a, b and c.
struct Shape {
  std::string_view order;
  R (*answer)(const ShownCounts&);
};

const Shape kShapes[] = {
    {"ak", [](const ShownCounts& n) { return R(n['a']) + R(n['a']) * n['k']; }},
    {"ak", [](const ShownCounts& n) { return R(n['a']) * n['k'] - n['a']; }},
    {"abc", [](const ShownCounts& n) { return R(n['a']) * n['b'] * n['c']; }},
    {"ak", [](const ShownCounts& n) { return R(n['a']) + R(n['a'], n['k']); }},
    {"ak", [](const ShownCounts& n) { return R(n['a']) - R(n['a'], n['k']); }},
    {"abc", [](const ShownCounts& n) { return R(n['a']) * n['b'] / n['c']; }},
    {"abc", [](const ShownCounts& n) { return R(n['a'], n['b']) * n['c']; }},
    {"abc", [](const ShownCounts& n) { return R(n['a'], n['b']) / n['c']; }},
};

bool Tens(std::int64_t v, std::int64_t low, std::int64_t high) {
  return v % 10 == 0 && Between(v, low, high);
}

// Ranges and redraw conditions of story i, petals first; the answer is the last unknown count.
using Drawn = bool (*)(const ShownCounts&, std::int64_t answer);

const Drawn kPetalsDrawn[] = {
    [](const ShownCounts& n, std::int64_t x) { return Tens(n['a'], 10, 40) && x <= 100; },
    [](const ShownCounts& n, std::int64_t x) { return Tens(n['a'], 10, 40) && x <= 100; },
    [](const ShownCounts& n, std::int64_t) {
      return Tens(n['a'], 10, 60) && Between(n['b'], 2, 3) && Between(n['c'], 2, 3);
    },
    [](const ShownCounts& n, std::int64_t) { return Tens(n['a'] / n['k'], 10, 60); },
    [](const ShownCounts& n, std::int64_t) { return Tens(n['a'] / n['k'], 10, 60); },
    [](const ShownCounts& n, std::int64_t) {
      return Tens(n['a'], 10, 80) && n['a'] * n['b'] <= 100;
    },
    [](const ShownCounts& n, std::int64_t) { return Tens(n['a'] / n['b'], 10, 60); },
    [](const ShownCounts& n, std::int64_t x) { return n['a'] <= 810 && Tens(x, 20, 80); },
};

const Drawn kBoxesDrawn[] = {
    [](const ShownCounts& n, std::int64_t x) { return Between(n['a'], 1, 499) && x <= 1000; },
    [](const ShownCounts& n, std::int64_t x) {
      return Between(n['a'], 1, 499) && Between(n['k'], 2, 9) && x <= 1000;
    },
    [](const ShownCounts& n, std::int64_t x) { return Between(n['a'], 1, 249) && x <= 1000; },
    [](const ShownCounts& n, std::int64_t) { return Between(n['a'] / n['k'], 1, 99); },
    [](const ShownCounts& n, std::int64_t) { return Between(n['a'] / n['k'], 1, 99); },
    [](const ShownCounts& n, std::int64_t) {
      return Between(n['a'], 1, 499) && n['a'] * n['b'] <= 1000 && n['b'] / n['c'] <= 9;
    },
    [](const ShownCounts& n, std::int64_t x) {
      return Between(n['c'], 2, 9) && Between(n['a'] / n['b'], 1, 99) && x <= 1000;
    },
    [](const ShownCounts& n, std::int64_t x) { return n['a'] <= 1000 && Between(x, 1, 99); },
};

TEST(BPetalProblems, AnswersConditionsAndFlowers) {
  for (int i = 0; i < 8; ++i) {
    const int number = 79 + i;
    SCOPED_TRACE("B" + std::to_string(number));
    std::set<std::int32_t> flowers;
    ForSeeds(number, [&](const ProblemInstance& p) {
      const Shape& shape = kShapes[i];
      const ShownCounts n = ReadShown(p, shape.order);
      const std::string text = TextOf(p);
      ExpectAnswer(p, shape.answer(n));
      EXPECT_TRUE(kPetalsDrawn[i](n, AnswerOf(p)));
      std::set<std::int32_t> named;
      for (std::int32_t f = 1; f <= 5; ++f)
        if (HasWord(text, Flowers[static_cast<std::size_t>(f - 1)])) named.insert(f);
      EXPECT_EQ(named.size(), shape.order.size()) << "distinct flowers, one per count";
      EXPECT_FALSE(named.count(5));
      flowers.insert(named.begin(), named.end());
      EXPECT_TRUE(HasWord(text, std::to_string(n['a']) + " лепесточков"));
      for (char letter : shape.order.substr(1)) ExpectTimesWord(text, n[letter]);
    });
    EXPECT_EQ(flowers.size(), 4u);
  }
}

TEST(BBoxProblems, AnswersConditionsAndNounForms) {
  for (int i = 0; i < 8; ++i) {
    const int number = 89 + i;
    SCOPED_TRACE("B" + std::to_string(number));
    std::set<std::int32_t> things;
    ForSeeds(number, [&](const ProblemInstance& p) {
      const Shape& shape = kShapes[i];
      const ShownCounts n = ReadShown(p, shape.order);
      const std::string text = TextOf(p);
      ExpectAnswer(p, shape.answer(n));
      EXPECT_TRUE(kBoxesDrawn[i](n, AnswerOf(p)));
      const std::int32_t t = NounAfterCount(text, n['a'], BoxItems, 6);
      ASSERT_NE(t, 0) << text;
      EXPECT_TRUE(HasWord(text, Form3(EntryAt(BoxItems, t))));
      things.insert(t);
      for (char letter : shape.order.substr(1)) ExpectTimesWord(text, n[letter]);
    });
    EXPECT_EQ(things.size(), 6u);
  }
}

// The counts first, a zero drawn again and a sum past 100 too, then the flowers.
TEST(BPetalBoxWorkedExamples, B79AndB89) {
  const ProblemInstance b79 =
      Scripted(B(79), {{5, 0}, {5, 4}, {7, 6}, {5, 2}, {7, 2}, {4, 0}, {4, 3}});
  EXPECT_EQ(b79.fileLines, (Lines{"У розы 20 лепесточков, а y гвоздики в 4 раза больше. Cколько "
                                  "лепесточков",
                                  "у цветов вместе?"}));
  EXPECT_EQ(b79.answerLine, "100");
  const ProblemInstance b89 = Scripted(B(89), {{500, 0}, {500, 21}, {8, 0}, {6, 4}});
  EXPECT_EQ(b89.fileLines,
            (Lines{"В одном ящике 21 орех, а в другом в 2 раза больше. Cколько орехов",
                   "в обоих ящиках? "}));
  EXPECT_EQ(b89.answerLine, "63");
}

}  // namespace
}  // namespace mathsheets
