// B97..B104, B111 and B113..B116: three or four children, so many times more or fewer, combined
// with sums and differences. The children are drawn first, then the counts, then the thing.
#include <array>

#include "wordproblems/b_children_frame.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/b_tale.h"

namespace mathsheets {

namespace {

struct KidsGroupProblem {
  int number;
  int children;
  std::int32_t nounCount;
  TaleCounts (*draw)(ProblemModule&);
  bool (*accept)(const TaleCounts&);  // the whole draw is repeated until it holds
  std::int32_t (*answer)(const TaleCounts&);
  TaleTemplates lines;
};

// X's A, Y's B and Z's k times more or fewer, each drawn on its own.
TaleCounts DrawFreeCounts(ProblemModule& m) {
  TaleCounts n;
  n.A = m.Random(94) + 1;
  n.B = m.Random(94) + 1;
  n.k = m.Random(7) + 2;
  return n;
}

// As above with Y's B a multiple of k, so that Z's B / k is whole.
TaleCounts DrawMultipleOfK(ProblemModule& m) {
  TaleCounts n;
  n.A = m.Random(94) + 1;
  n.k = m.Random(7) + 2;
  n.B = (m.Random(8) + 1) * n.k;
  return n;
}

// X has a, Y h times more, Z e times more than Y, W q times fewer than Z: a = q × r keeps W's
// count whole.
TaleCounts DrawFourfoldChain(ProblemModule& m) {
  TaleCounts n;
  n.q = m.Random(98) + 2;
  n.r = m.Random(98) + 2;
  n.a = n.q * n.r;
  n.h = m.Random(8) + 2;
  n.e = m.Random(8) + 2;
  return n;
}

bool AcceptFourfoldChain(const TaleCounts& n) {
  const std::int32_t z = n.a * n.h * n.e;
  return z <= 1000 && n.e != n.q && z >= n.q && n.a <= 160;
}

std::int32_t AnswerFourfoldChain(const TaleCounts& n) {
  return n.r * n.h * n.e;
}

constexpr std::array<KidsGroupProblem, 13> kKidsGroupProblems = {{
    // B97: Z has k times more than Y; how many all three.
    {97,
     3,
     7,
     &DrawFreeCounts,
     [](const TaleCounts& n) { return n.A + n.B + n.B * n.k <= 100 && n.A != n.B; },
     [](const TaleCounts& n) { return n.A + n.B + n.B * n.k; },
     {"У {X} {A} {N(A)}, y {Y} {B}, а у {Z} в {k} {R(k)} больше, чем у {Y}. Cколько {N3}",
      " у детей? "}},
    // B98: Z has k times fewer than Y; how many all three.
    {98,
     3,
     7,
     &DrawMultipleOfK,
     [](const TaleCounts& n) { return n.A + n.B + n.B / n.k <= 100 && n.A != n.B && n.B >= n.k; },
     [](const TaleCounts& n) { return n.A + n.B + n.B / n.k; },
     {"У {X} {A} {N(A)}, y {Y} {B}, а у {Z} в {k} {R(k)} меньше, чем у {Y}. Cколько {N3}",
      " у детей? "}},
    // B99: Z has k times fewer than Y; how many fewer than X and Y together.
    {99,
     3,
     8,
     &DrawMultipleOfK,
     [](const TaleCounts& n) {
       return n.A + n.B - n.B / n.k <= 100 && n.A != n.B && n.B >= n.k && n.A + n.B >= n.B / n.k;
     },
     [](const TaleCounts& n) { return n.A + n.B - n.B / n.k; },
     {"У {X} {A} {N(A)}, у {Y} {B}, a у {Z} в {k} {R(k)} меньше, чем у {Y}. На сколько {N3} у "
      "{Z}",
      "меньше, чем у {X} и {Y} вместе? "}},
    // B100: Z has k times fewer than Y; how many fewer have Y and Z than X.
    {100,
     3,
     8,
     &DrawMultipleOfK,
     [](const TaleCounts& n) {
       return n.A - n.B - n.B / n.k <= 100 && n.A != n.B && n.B >= n.k && n.A >= n.B + n.B / n.k;
     },
     [](const TaleCounts& n) { return n.A - n.B - n.B / n.k; },
     {"У {X} {A} {N(A)}, у {Y} {B}, a у {Z} в {k} {R(k)} меньше, чем у {Y}. На сколько {N3} у "
      "{Y}",
      " и {Z} вместе меньше, чем у {X}? "}},
    // B101: Z has k times fewer than Y; how many more have X and Z than Y.
    {101,
     3,
     8,
     &DrawMultipleOfK,
     [](const TaleCounts& n) {
       return n.A - n.B + n.B / n.k <= 100 && n.A != n.B && n.B >= n.k && n.A >= n.B;
     },
     [](const TaleCounts& n) { return n.A - n.B + n.B / n.k; },
     {"У {X} было {A} {N(A)}, у {Y} {B}, a у {Z} в {k} {R(k)} меньше, чем у {Y}. На сколько "
      "{N3} у {X}",
      " и {Z} вместе больше, чем у {Y}? "}},
    // B102: Z has k times more than Y; how many more have X and Y than Z.
    {102,
     3,
     8,
     &DrawFreeCounts,
     [](const TaleCounts& n) {
       return n.A + n.B - n.B * n.k <= 100 && n.A + n.B <= 100 && n.A != n.B && n.B >= n.k &&
              n.A + n.B >= n.B * n.k;
     },
     [](const TaleCounts& n) { return n.A + n.B - n.B * n.k; },
     {"У {X} было {A} {N(A)}, у {Y} {B}, a у {Z} в {k} {R(k)} больше, чем у {Y}. На сколько ",
      "{N3} у {X} и {Y} вместе больше, чем у {Z}? "}},
    // B103: Z has k times more than Y; how many more have X and Z than Y.
    {103,
     3,
     8,
     &DrawFreeCounts,
     [](const TaleCounts& n) {
       return n.A - n.B + n.B * n.k <= 100 && n.A + n.B * n.k <= 100 && n.A != n.B && n.B > n.k &&
              n.B * n.k <= n.A + n.B;
     },
     [](const TaleCounts& n) { return n.A - n.B + n.B * n.k; },
     {"У {X} было {A} {N(A)}, у {Y} {B}, a у {Z} в {k} {R(k)} больше, чем у {Y}. На сколько ",
      "{N3} у {X} и {Z} вместе больше, чем у {Y}? "}},
    // B104: Z has k times more than Y; how many more has X than Y and Z.
    {104,
     3,
     8,
     &DrawFreeCounts,
     [](const TaleCounts& n) {
       return n.A - n.B - n.B * n.k <= 100 && n.A <= 100 && n.A != n.B && n.B >= n.k &&
              n.B + n.B * n.k <= n.A;
     },
     [](const TaleCounts& n) { return n.A - n.B - n.B * n.k; },
     {"У {X} было {A} {N(A)}, у {Y} {B}, a у {Z} в {k} {R(k)} больше, чем у {Y}. На сколько ",
      "{N3} у {X} больше, чем у {Y} i {Z} вместе? "}},
    // B111: more, more, fewer, in four lines.
    {111,
     4,
     8,
     &DrawFourfoldChain,
     &AcceptFourfoldChain,
     &AnswerFourfoldChain,
     {"У {X} {a} {N(a)}, y {Y} в {h} {R(h)}", " больше, у {Z} в {e} {R(e)} больше, чем у {Y}, а у ",
      "{W} в {q} {R(q)} меньше, чем у {Z}. Сколько ", "{N3} у {W}?"}},
    // B113: more, more, fewer, in two lines.
    {113,
     4,
     8,
     &DrawFourfoldChain,
     &AcceptFourfoldChain,
     &AnswerFourfoldChain,
     {"У {X} {a} {N(a)}, y {Y} в {h} {R(h)} больше, у {Z} в {e} {R(e)} больше, чем у {Y}, а у ",
      "{W} в {q} {R(q)} меньше, чем у {Z}. Сколько {N3} у {W}?"}},
    // B114: more, fewer, fewer.
    {114,
     4,
     8,
     [](ProblemModule& m) {
       TaleCounts n;
       n.q = m.Random(8) + 2;
       n.g = m.Random(8) + 2;
       n.r = m.Random(88) + 2;
       n.s = m.Random(88) + 2;
       n.a = n.s * n.r;
       n.f = n.q * n.g;
       return n;
     },
     [](const TaleCounts& n) {
       return n.a <= 99 && n.s != n.q && n.f != n.s && n.f <= 9 && n.f != n.q;
     },
     [](const TaleCounts& n) { return n.r * n.g; },
     {"У {X} {a} {N(a)}, y {Y} в {f} {R(f)} больше, у {Z} в {s} {R(s)} меньше, чем у {Y}, а у ",
      "{W} в {q} {R(q)} меньше, чем у {Z}. Сколько {N3} у {W}?"}},
    // B115: fewer, fewer, fewer.
    {115,
     4,
     8,
     [](ProblemModule& m) {
       TaleCounts n;
       n.d = m.Random(8) + 2;
       n.e = m.Random(8) + 2;
       n.s = m.Random(8) + 2;
       n.r = m.Random(8) + 2;
       n.a = n.s * n.e * n.d * n.r;
       return n;
     },
     [](const TaleCounts& n) { return n.a <= 999 && n.s != n.e && n.s != n.d; },
     [](const TaleCounts& n) { return n.r; },
     {"У {X} {a} {N(a)}, y {Y} в {s} {R(s)} меньше, у {Z} в {e} {R(e)} меньше, чем у {Y}, а у ",
      "{W} в {d} {R(d)} меньше, чем у {Z}. Сколько {N3} у {W}? "}},
    // B116: more, more, more.
    {116,
     4,
     8,
     [](ProblemModule& m) {
       TaleCounts n;
       n.p = m.Random(8) + 2;
       n.s = m.Random(8) + 2;
       n.f = m.Random(8) + 2;
       n.a = m.Random(38) + 2;
       return n;
     },
     [](const TaleCounts& n) {
       return n.a * n.s * n.f * n.p <= 999 && n.s != n.f && n.s != n.p && n.p != n.f;
     },
     [](const TaleCounts& n) { return n.a * n.s * n.f * n.p; },
     {"У {X} {a} {N(a)}, y {Y} в {s} {R(s)} больше, у {Z} в {f} {R(f)} больше, чем у {Y}, а у ",
      "{W} в {p} {R(p)} больше, чем у {Z}. Сколько {N3} у {W}?"}},
}};

static_assert(EveryRowHasValidTaleTemplates(kKidsGroupProblems));

void GenerateKidsGroup(const KidsGroupProblem& p, ProblemModule& m) {
  Tale tale;
  if (p.children == 3)
    NameChildren(tale, KidsOfC, DrawDistinct<3>(m, kDrawnKids));
  else
    NameChildren(tale, KidsOfC, DrawDistinct<4>(m, kDrawnKids));
  tale.n = DrawUntil(m, p.draw, p.accept);
  tale.nouns[0] = {'N', &EntryAt(ThingsB, m.Random(p.nounCount) + 1)};
  SetTaleInstance(m, p.lines, tale, p.answer(tale.n));
}

constexpr auto kBindings = BindRows<kKidsGroupProblems, &GenerateKidsGroup>();

}  // namespace

std::span<const ProblemBinding> BKidsGroupProblems() {
  return kBindings;
}

}  // namespace mathsheets
