// B58..B66, B87 and B88: libraries, the forest, the canteen and the factory.
#include <gtest/gtest.h>

#include "wordproblems/b_names.h"
#include "wordproblems/b_place_nouns.h"
#include "wordproblems/tests/b_tale_test_support.h"

namespace mathsheets {
namespace {

using namespace mathsheets::testing;
using Lines = std::vector<std::string>;

enum class Draw { Tens, Forest, BothShifts, SecondMore };

struct PlaceCase {
  int number;
  Draw draw;
  std::string_view order;  // the counts as the text shows them
  char counted;            // the count the noun follows
  Rational (*answer)(const ShownCounts&);
};

Rational Product(const ShownCounts& n) {
  return Rational(n['a']) * n['k'];
}
Rational Quotient(const ShownCounts& n) {
  return Rational(n['P']) / n['k'];
}

const PlaceCase kPlaceCases[] = {
    {58, Draw::Tens, "ak", 'a', &Product},
    {59, Draw::Tens, "Pk", 'P', &Quotient},
    {60, Draw::Forest, "ak", 'a', &Product},
    {61, Draw::Forest, "Pk", 'P', &Quotient},
    {62, Draw::Forest, "kP", 'k', &Quotient},
    {63, Draw::Forest, "Pk", 'P', &Quotient},
    {64, Draw::Forest, "ak", 'a', &Product},
    {65, Draw::Forest, "Pk", 'P', &Quotient},
    {66, Draw::Forest, "kP", 'k', &Quotient},
    {87, Draw::BothShifts, "ak", 'a',
     [](const ShownCounts& n) { return Rational(n['a']) + Rational(n['a']) * n['k']; }},
    {88, Draw::SecondMore, "ak", 'a',
     [](const ShownCounts& n) { return Rational(n['a']) * n['k'] - n['a']; }},
};

// The first shift's counts the factory accepts: whole tens to 40, whole hundreds to 300 (to 400
// when only the difference must stay within 1000), or 15..95 ending in 5 with a product of at
// least 100.
bool ShiftAccepted(std::int64_t a, std::int64_t k, Draw draw) {
  const std::int64_t lastHundred = draw == Draw::BothShifts ? 300 : 400;
  const bool tens = a % 10 == 0 && a <= 40 && k % 10 == 0;
  const bool hundreds = a % 100 == 0 && a <= lastHundred && k <= 8;
  const bool fives = a % 10 == 5 && k % 2 == 0 && k <= 8 && a * k >= 100;
  return (tens || hundreds || fives) && a * k <= 995 && a != k;
}

TEST(BPlaceProblems, AnswersDrawsAndNounForms) {
  for (const PlaceCase& c : kPlaceCases) {
    SCOPED_TRACE("B" + std::to_string(c.number));
    ForSeeds(c.number, [&](const ProblemInstance& p) {
      const ShownCounts n = ReadShown(p, c.order);
      const std::string text = TextOf(p);
      ExpectAnswer(p, c.answer(n));
      const std::int64_t k = n['k'];
      const bool showsA = c.order.find('a') != std::string_view::npos;
      const std::int64_t a = showsA ? n['a'] : n['P'] / k;
      switch (c.draw) {
        case Draw::Tens:
          EXPECT_TRUE(Between(k, 2, 8));
          EXPECT_TRUE(a % 10 == 0 && Between(a, 10, 80) && a > k) << a;
          break;
        case Draw::Forest:
          EXPECT_TRUE(Between(a * k, 835, 999)) << a * k;
          EXPECT_EQ(k, 999 / a) << "the largest multiplier";
          EXPECT_TRUE(Between(a, 20, 169));
          break;
        case Draw::BothShifts:
        case Draw::SecondMore:
          EXPECT_TRUE(ShiftAccepted(a, k, c.draw)) << a << " " << k;
          EXPECT_LE(AnswerOf(p), 1000);
          break;
      }
      if (c.number != 62 && c.number != 66) ExpectTimesWord(text, k);
      // The noun after its count; the forest names two different trees.
      const std::int64_t count = n[c.counted];
      if (c.number >= 60 && c.number <= 62) {
        const std::int32_t u = NounAfterCount(text, count, Trees, 7);
        ASSERT_NE(u, 0) << text;
        std::int32_t v = 0;
        for (std::int32_t t = 1; t <= 7; ++t)
          if (t != u && HasWord(text, Form3(EntryAt(Trees, t)))) v = t;
        EXPECT_NE(v, 0) << text;
      } else if (c.number == 63) {
        EXPECT_NE(NounAfterCount(text, count, ThingsB, 7), 0) << text;
      } else if (c.number >= 87) {
        EXPECT_NE(NounAfterCount(text, count, Goods, 5), 0) << text;
      } else {
        EXPECT_NE(NounAfterCount(text, count, Books, 1), 0) << text;
      }
    });
  }
}

// The forest's multiplier, from its first count: a = 20 gives k = 49, P = 980.
TEST(BPlaceWorkedExamples, Forest) {
  const ProblemInstance b60 = Scripted(B(60), {{150, 0}, {7, 0}, {7, 1}});
  EXPECT_EQ(b60.fileLines,
            Lines{"В лесу 20 дубов и в 49 раз больше берез. Cколько берез в лесу? "});
  EXPECT_EQ(b60.answerLine, "980");
  // a = 37, k = 27, P = 999; the trees repeat once.
  const ProblemInstance b62 = Scripted(B(62), {{150, 17}, {7, 3}, {7, 3}, {7, 2}});
  EXPECT_EQ(b62.fileLines,
            Lines{"В лесу 27 сосен и 999 лип. В сколько раз в лесу меньше сосен чем лип? "});
  EXPECT_EQ(b62.answerLine, "37");
  const ProblemInstance b61 = Scripted(B(61), {{150, 149}, {7, 5}, {7, 1}});
  EXPECT_EQ(b61.fileLines, Lines{"В лесу 845 ив в в 5 раз меньше берез. Cколько берез в лесу?"});
  EXPECT_EQ(b61.answerLine, "169");
}

TEST(BPlaceWorkedExamples, FactoryStartsAgainWithoutAPair) {
  // s = 3 gives no pair; s = 1 with a = 40 leaves the multiplier no choice (Random(0)): k = 20.
  const ProblemInstance b87 = Scripted(B(87), {{89, 20}, {89, 0}, {89, 30}, {0, 0}, {5, 3}});
  EXPECT_EQ(b87.fileLines,
            (Lines{"В первую смену на фабрике изготовили 40 фламастеров, а во вторую в 20 раз "
                   "больше. Cколько фламастеров",
                   "изготовили за две смены? "}));
  EXPECT_EQ(b87.answerLine, "840");
  // a = 400, k = 2: the difference 400 is taken, the sum 1200 would start again.
  const ProblemInstance b88 = Scripted(B(88), {{89, 10}, {89, 30}, {0, 0}, {5, 0}});
  EXPECT_EQ(b88.fileLines[0],
            "В первую смену на фабрике изготовили 400 блокнотов, а во вторую в 2 раза больше. На "
            "сколько блокнотов");
  EXPECT_EQ(b88.answerLine, "400");
}

}  // namespace
}  // namespace mathsheets
