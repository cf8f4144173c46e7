// S25..S32: a speed in other units, joint work of painters and workers, and numbers divided in a
// given ratio.
#include <array>
#include <string>
#include <string_view>

#include "wordproblems/problem_module.h"
#include "wordproblems/s_problem_support.h"
#include "wordproblems/s_problems.h"

namespace mathsheets {

namespace {

using std::to_string;

// S25: v km/h as metres per minute, a whole part and a reduced fraction. v is never a multiple
// of 3, so the fraction is never 0.
ProblemInstance SpeedText(std::int32_t v) {
  const std::int32_t metresPerHour = 1000 * v;
  return SameLines(
      {"Автомобиль ехал со скоростью " + to_string(v) + " км/час. Какая скорость автомобиля " +
       " в метрах за минуту? "},
      to_string(metresPerHour / 60) + "  " + FractionText(Reduced(metresPerHour % 60, 60)));
}

void S25(ProblemModule& m) {
  std::int32_t v = m.Random(60) + 50;
  if (v % 3 == 0) ++v;
  m.instance = SpeedText(v);
}

// S26 and S27: k·m hours together, (k + 1)·m hours for one, k·(k + 1)·m for the other, since
// 1/(k(k+1)m) + 1/((k+1)m) = 1/(km).
struct JointWork {
  std::int32_t k, m;
  std::int32_t Together() const { return k * m; }
  std::int32_t Faster() const { return (k + 1) * m; }
  std::int32_t Slower() const { return k * (k + 1) * m; }
};

ProblemInstance PaintersText(const JointWork& v) {
  return SameLines(
      {"Маляр Иван Иванович может отремонтировать кабинет математики за " + to_string(v.Slower()) +
           " час," + " а маляр Петр ",
       "Петрович - за " + to_string(v.Faster()) + " час. За сколько часов, работая вместе они " +
           "отремонтируют этот кабинет?"},
      to_string(v.Together()));
}

ProblemInstance WorkersText(const JointWork& v) {
  return SameLines({"Два работника, работая вместе, могут выполнить определенную работу за " +
                        to_string(v.Together()) + " час." + " Один из них, ",
                    "работая самостоятельно, может выполнить эту работу за " +
                        to_string(v.Faster()) + " час. " + "За сколько часов ее может выполнить",
                    "самостоятельно второй работник?"},
                   to_string(v.Slower()));
}

template <ProblemInstance (*Text)(const JointWork&)>
void JointWorkProblem(ProblemModule& m) {
  JointWork v{};
  v.k = m.Random(5) + 5;
  v.m = m.Random(5) + 5;
  m.instance = Text(v);
}

// S28..S31: the ratio of two to four parts and the common factor f of the parts.
struct Parts {
  std::array<std::int32_t, 4> values{};
  std::size_t count = 0;

  std::int32_t Sum() const {
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += values[i];
    return sum;
  }
  // The parts, each times `factor`, joined by `separator`.
  std::string Joined(std::int32_t factor, std::string_view separator) const {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
      if (i > 0) text += separator;
      text += to_string(factor * values[i]);
    }
    return text;
  }
};

// The Draw10 of one part.
struct PartRange {
  std::int32_t n, base;
};

constexpr std::array<PartRange, 2> kTwoParts = {{{99, 100}, {69, 30}}};  // 10..19, 3..9
constexpr std::array<PartRange, 3> kThreeParts = {{{99, 200}, {69, 30}, {99, 100}}};  // 20..29
constexpr std::array<PartRange, 3> kTriangleSides = {{{199, 200}, {99, 210}, {99, 210}}};
constexpr PartRange kFourthPart = {199, 60};  // 6..25, unlike the three others

template <std::size_t N>
Parts DrawParts(ProblemModule& m, const std::array<PartRange, N>& ranges) {
  Parts parts;
  for (const PartRange& range : ranges) parts.values[parts.count++] = m.Draw10(range.n, range.base);
  return parts;
}

std::int32_t DrawFactor(ProblemModule& m) {
  return m.Draw10(59, 30);
}

ProblemInstance DivideText(const Parts& parts, std::int32_t f, std::string_view howMany,
                           std::string_view answerSeparator) {
  return SameLines({"Поделите число " + to_string(parts.Sum() * f) + " на " + std::string(howMany) +
                    " части в отношении " + parts.Joined(1, ":")},
                   parts.Joined(f, answerSeparator));
}

void S28(ProblemModule& m) {
  const Parts parts = DrawParts(m, kTwoParts);
  m.instance = DivideText(parts, DrawFactor(m), "две", " ");
}

void S29(ProblemModule& m) {
  const Parts parts = DrawParts(m, kThreeParts);
  m.instance = DivideText(parts, DrawFactor(m), "три", " ");
}

// S30: the sides are 20..39 and twice 21..30, so the triangle always exists.
ProblemInstance TriangleText(const Parts& sides, std::int32_t f) {
  return SameLines({"Периметр треугольника равен " + to_string(sides.Sum() * f) +
                        " см, а длины его сторон " + "относятся ",
                    "как " + sides.Joined(1, ":") + ". Найдите стороны треугольника."},
                   sides.Joined(f, " "));
}

void S30(ProblemModule& m) {
  const Parts sides = DrawParts(m, kTriangleSides);
  m.instance = TriangleText(sides, DrawFactor(m));
}

void S31(ProblemModule& m) {
  Parts parts = DrawParts(m, kThreeParts);
  std::int32_t e = 0;
  do e = m.Draw10(kFourthPart.n, kFourthPart.base);
  while (e == parts.values[0] || e == parts.values[1] || e == parts.values[2]);
  parts.values[parts.count++] = e;
  m.instance = DivideText(parts, DrawFactor(m), "четыре", ":");
}

// S32: X:Y = q3:q1 and Y:Z = q2:q4 with four different primes, so X = q3·q2, Y = q1·q2 and
// Z = q4·q1 are the smallest parts.
struct ChainedRatio {
  std::int32_t q1, q2, q3, q4, f;
};

ProblemInstance ChainedRatioText(const ChainedRatio& v) {
  const std::int32_t x = v.q3 * v.q2, y = v.q1 * v.q2, z = v.q4 * v.q1;
  return SameLines(
      {"Поделите число " + to_string((x + y + z) * v.f) +
           " на три части X, Y i Z так, чтоб X:Y=" + to_string(v.q3) + ":" + to_string(v.q1) + ",",
       "a Y:Z=" + to_string(v.q2) + ":" + to_string(v.q4)},
      to_string(v.f * x) + ":" + to_string(v.f * y) + ":" + to_string(v.f * z));
}

void S32(ProblemModule& m) {
  PrimeUsed used;
  ChainedRatio v{};
  v.q1 = SmallPrime(DrawAndMark(m, used, 39, 10));
  v.q2 = SmallPrime(DrawAndMark(m, used, 39, 10));
  v.q3 = SmallPrime(DrawAndMark(m, used, 59, 10));
  v.q4 = SmallPrime(DrawAndMark(m, used, 59, 10));
  v.f = DrawFactor(m);
  m.instance = ChainedRatioText(v);
}

constexpr std::array<ProblemBinding, 8> kBindings = {{
    {SIndex(25), &S25},
    {SIndex(26), &JointWorkProblem<PaintersText>},
    {SIndex(27), &JointWorkProblem<WorkersText>},
    {SIndex(28), &S28},
    {SIndex(29), &S29},
    {SIndex(30), &S30},
    {SIndex(31), &S31},
    {SIndex(32), &S32},
}};

}  // namespace

std::span<const ProblemBinding> SRatioProblems() {
  return kBindings;
}

}  // namespace mathsheets
