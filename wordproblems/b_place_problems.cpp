// B58..B66 and B87, B88: libraries, the forest, the school canteen and the factory, so many times
// more or fewer.
#include "wordproblems/b_place_problems.h"

#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_counts.h"
#include "wordproblems/b_place_nouns.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

// Where the things of a story come from: the one noun of the libraries, two different trees U and
// V, or a noun N drawn among the first entries of a table.
enum class PlaceNouns { Books, Trees, Things, Goods };
enum class PlaceAnswer { Product, Count };  // P, or a

struct PlaceProblem {
  int number;
  TimesCounts (*draw)(ProblemModule&);
  PlaceNouns nouns;
  TimesAgreement times;
  PlaceAnswer answer;
  TaleTemplates lines;
};

constexpr auto kBothShifts =
    +[](ProblemModule& m) { return DrawShiftCounts(m, ShiftTotal::BothShifts); };
constexpr auto kSecondMore =
    +[](ProblemModule& m) { return DrawShiftCounts(m, ShiftTotal::SecondMore); };

// B58 and B64 tell the same story, with tens and with the forest's larger counts; so do B59 and
// B65 the other way round, and B60 and B61 about the trees.
constexpr TaleTemplates kSchoolHasMore = {
    "В домашней библиотеке {a} {N(a)}, a в школьной в {k} {R(k)} больше. Сколько ",
    "{N3} в школьной библиотеке? "};

constexpr std::array<PlaceProblem, 11> kPlaceProblems = {{
    // B58: the school library has k times more books.
    {58, &DrawTimesTens, PlaceNouns::Books, TimesAgreement::TailKeep, PlaceAnswer::Product,
     kSchoolHasMore},
    // B59: the school library has k times fewer books.
    {59,
     &DrawTimesTens,
     PlaceNouns::Books,
     TimesAgreement::TailKeep,
     PlaceAnswer::Count,
     {"В домашней библиотеке {P} {N(P)}, a в школьной в {k} {R(k)} меньше. Сколько ",
      "{N3} в школьной библиотеке? "}},
    // B60: k times more of the second tree.
    {60,
     &DrawTimesForest,
     PlaceNouns::Trees,
     TimesAgreement::TailKeep,
     PlaceAnswer::Product,
     {"В лесу {a} {U(a)} и в {k} {R(k)} больше {V3}. Cколько {V3} в лесу? "}},
    // B61: k times fewer of the second tree.
    {61,
     &DrawTimesForest,
     PlaceNouns::Trees,
     TimesAgreement::TailKeep,
     PlaceAnswer::Count,
     {"В лесу {P} {U(P)} в в {k} {R(k)} меньше {V3}. Cколько {V3} в лесу?"}},
    // B62: how many times fewer of the first tree.
    {62,
     &DrawTimesForest,
     PlaceNouns::Trees,
     TimesAgreement::TailKeep,
     PlaceAnswer::Count,
     {"В лесу {k} {U(k)} и {P} {V(P)}. В сколько раз в лесу меньше {U3} чем {V3}? "}},
    // B63: k times fewer left after lunch.
    {63,
     &DrawTimesForest,
     PlaceNouns::Things,
     TimesAgreement::TailKeep,
     PlaceAnswer::Count,
     {"В школьной столовой было {P} {N(P)}. После обеда осталось в {k} {R(k)} меньше. Cколько "
      "{N3}",
      " осталось?"}},
    // B64: the school library has k times more books, with the forest's counts.
    {64, &DrawTimesForest, PlaceNouns::Books, TimesAgreement::TailKeep, PlaceAnswer::Product,
     kSchoolHasMore},
    // B65: the home library has k times fewer books.
    {65,
     &DrawTimesForest,
     PlaceNouns::Books,
     TimesAgreement::TailKeep,
     PlaceAnswer::Count,
     {"В школьной библиотеке {P} {N(P)}, a в домашней в {k} ",
      "{R(k)} меньше. Сколько {N3} в домашней библиотеке? "}},
    // B66: how many times fewer books at home.
    {66,
     &DrawTimesForest,
     PlaceNouns::Books,
     TimesAgreement::TailKeep,
     PlaceAnswer::Count,
     {"В домашней библиотеке {k} {N(k)}, a в школьной {P}. ",
      "В сколько раз в домашней библиотеке меньше {N3} чем в школьной? "}},
    // B87: what both shifts made.
    {87,
     kBothShifts,
     PlaceNouns::Goods,
     TimesAgreement::Standard,
     PlaceAnswer::Product,
     {"В первую смену на фабрике изготовили {a} {N(a)}, а во вторую в {k} {R(k)} больше. "
      "Cколько {N3}",
      "изготовили за две смены? "}},
    // B88: how much more the second shift made.
    {88,
     kSecondMore,
     PlaceNouns::Goods,
     TimesAgreement::Standard,
     PlaceAnswer::Product,
     {"В первую смену на фабрике изготовили {a} {N(a)}, а во вторую в {k} {R(k)} больше. На "
      "сколько {N3}",
      "изготовили больше во вторую смену, чем в первую?"}},
}};

static_assert(EveryRowHasValidTaleTemplates(kPlaceProblems));

void DrawNouns(ProblemModule& m, PlaceNouns nouns, Tale& tale) {
  switch (nouns) {
    case PlaceNouns::Books:
      tale.nouns[0] = {'N', &EntryAt(Books, 1)};
      break;
    case PlaceNouns::Trees: {
      const auto trees = DrawDistinct<2>(m, kDrawnPlants);
      tale.nouns[0] = {'U', &EntryAt(Trees, trees[0])};
      tale.nouns[1] = {'V', &EntryAt(Trees, trees[1])};
      break;
    }
    case PlaceNouns::Things:
      tale.nouns[0] = {'N', &EntryAt(ThingsB, m.Random(7) + 1)};
      break;
    case PlaceNouns::Goods:
      tale.nouns[0] = {'N', &EntryAt(Goods, m.Random(kDrawnGoods) + 1)};
      break;
  }
}

void GeneratePlace(const PlaceProblem& p, ProblemModule& m) {
  const TimesCounts n = p.draw(m);
  Tale tale;
  tale.n.a = n.a;
  tale.n.k = n.k;
  tale.n.P = n.P;
  tale.times = p.times;
  DrawNouns(m, p.nouns, tale);
  SetTaleInstance(m, p.lines, tale, p.answer == PlaceAnswer::Product ? n.P : n.a);
}

constexpr auto kBindings = BindRows<kPlaceProblems, &GeneratePlace>();

}  // namespace

std::span<const ProblemBinding> BPlaceProblems() {
  return kBindings;
}

}  // namespace mathsheets
