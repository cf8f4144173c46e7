#include "common/fraction_layout.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

#include "common/divisors.h"

namespace mathsheets {

namespace {

constexpr std::string_view kSeparatorLine = " ";

std::string Blanks(std::size_t count) {
  return std::string(count, ' ');
}

// The gap between two fractions on the numerator and denominator lines spans the operator with
// its blank on either side, so that a wide operator does not push the second bar off its numbers.
std::string GapAround(std::string_view op) {
  return Blanks(op.size() + 2);
}

void WriteLines(LineSink& sink, const ThreeLines& lines, bool separatorFollows) {
  sink.WriteLine(lines.N);
  sink.WriteLine(lines.B);
  sink.WriteLine(lines.D);
  if (separatorFollows) sink.WriteLine(kSeparatorLine);
}

// A fraction as the layouts with mixed terms show it: the whole part on the bar line (empty when
// it is not mixed), blanks as wide as that whole part before the numerator and the denominator.
struct TermTexts {
  std::string whole;
  std::string indent;
  std::string numerator;
  std::string denominator;
};

TermTexts MixedWhenImproper(Fraction f) {
  if (f.numerator <= f.denominator) return {"", "", Text(f.numerator), Text(f.denominator)};
  const MixedNumber mixed = SplitWhole(f);
  const std::string whole = Text(mixed.whole);
  return {whole, Sp(whole), Text(mixed.numerator), Text(mixed.denominator)};
}

// One term of the three-mixed-number chain: what the bar line gets before and after the whole
// part, and the blanks around a one-digit numerator or denominator (a two-digit one takes one
// blank less in front, so it ends in the same column).
struct ChainPiece {
  std::string_view beforeWhole;
  std::string_view afterWhole;
  std::size_t leadForOneDigit;
  std::size_t trail;
};

constexpr ChainPiece kFirstTerm = {"", "-- + ", 3, 0};
constexpr std::array<ChainPiece, 2> kSecondTerm = {{{"", "-- + ", 6, 2}, {"(-", "--) + ", 8, 3}}};
constexpr std::array<ChainPiece, 2> kThirdTerm = {{{"", "-- = ", 4, 3}, {"(-", "--) = ", 6, 5}}};

std::string ChainNumber(const ChainPiece& piece, std::int64_t value) {
  const std::string text = Text(value);
  const std::size_t lead =
      piece.leadForOneDigit + 1 - std::min(text.size(), piece.leadForOneDigit + 1);
  return Blanks(lead) + text + Blanks(piece.trail);
}

ThreeLines ChainTerm(const ChainPiece& piece, const MixedNumber& term) {
  return {ChainNumber(piece, term.numerator),
          std::string(piece.beforeWhole) + Text(term.whole) + std::string(piece.afterWhole),
          ChainNumber(piece, term.denominator)};
}

const ChainPiece& PieceFor(const std::array<ChainPiece, 2>& pieces, AddSign sign) {
  return pieces[sign == AddSign::Plus ? 0 : 1];
}

}  // namespace

ThreeLines& ThreeLines::operator+=(const ThreeLines& pieces) {
  N += pieces.N;
  B += pieces.B;
  D += pieces.D;
  return *this;
}

FractionExercise WithAnswer(ThreeLines student, ThreeLines answer, bool separatorFollows) {
  return {std::move(student), std::move(answer), separatorFollows};
}

void WriteFractionExercise(WorksheetFiles& files, const FractionExercise& exercise) {
  WriteLines(files.StudentFile, exercise.student, exercise.separatorFollows);
  // The teacher's lines are never joined in memory: the file encodes both pieces in a row.
  LineSink& teacher = files.TeacherFile;
  teacher.WriteJoinedLine(exercise.student.N, exercise.answer.N);
  teacher.WriteJoinedLine(exercise.student.B, exercise.answer.B);
  teacher.WriteJoinedLine(exercise.student.D, exercise.answer.D);
  if (exercise.separatorFollows) teacher.WriteLine(kSeparatorLine);
}

std::string Text(std::int64_t x) {
  return std::to_string(x);
}

std::string Bar(std::string_view x) {
  return std::string(x.size(), '-');
}

std::string PadR(std::string_view n, std::string_view d) {
  std::string out(n);
  if (n.size() < d.size()) out += Blanks(d.size() - n.size());
  return out;
}

std::string Lead(std::string_view n, std::string_view d) {
  std::string out;
  if (n.size() < d.size()) out += ' ';
  out += n;
  return out;
}

std::string Sp(std::string_view w) {
  return Blanks(w.size());
}

std::string AlignRight(std::string_view x, std::size_t width) {
  return Blanks(width - std::min(width, x.size())) + std::string(x);
}

std::string AlignLeft(std::string_view x, std::size_t width) {
  return std::string(x) + Blanks(width - std::min(width, x.size()));
}

MixedNumber SplitWhole(Fraction f, std::int64_t whole) {
  MixedNumber out{whole, f.numerator, f.denominator};
  if (f.denominator > 0 && out.numerator > out.denominator) {
    // As many subtractions as leave a numerator of 1..denominator.
    const std::int64_t units = (out.numerator - 1) / out.denominator;
    out.numerator -= units * out.denominator;
    out.whole += units;
  }
  return out;
}

MixedNumber ReducedAnswer(std::int64_t numerator, std::int64_t denominator, std::int64_t whole) {
  assert(numerator >= 0 && denominator > 0);
  if (numerator <= 0) return {whole, 0, denominator};
  std::int64_t a = numerator;
  std::int64_t b = denominator;
  const std::int64_t g = Gcd64(a, b);
  MixedNumber out = SplitWhole({numerator / g, denominator / g}, whole);
  if (out.numerator == out.denominator) {
    out.whole += 1;
    out.numerator = 0;
  }
  return out;
}

ThreeLines AnswerBlock(const MixedNumber& answer) {
  const std::string b = Text(answer.denominator);
  if (answer.numerator == 0) return {"    ", std::string("  ") + Text(answer.whole), "   "};
  if (answer.whole == 0)
    return {std::string("  ") + Text(answer.numerator), std::string(" ") + Bar(b),
            std::string(" ") + b};
  return {std::string("    ") + Text(answer.numerator),
          std::string("  ") + Text(answer.whole) + Bar(b), std::string("   ") + b};
}

std::string_view SignText(AddSign sign) {
  return sign == AddSign::Plus ? "+" : "-";
}

FractionExercise SameDenominatorLayout(std::int64_t n1, std::string_view op, std::int64_t n2,
                                       std::int64_t d, std::int64_t a) {
  const std::string dt = Text(d);
  ThreeLines student = {
      Lead(Text(n1), dt) + "   " + Lead(Text(n2), dt),
      Bar(dt) + " " + std::string(op) + " " + Bar(dt) + "=",
      dt + "   " + dt,
  };
  return WithAnswer(std::move(student),
                    {std::string(" ") + Lead(Text(a), dt), "--", std::string(" ") + dt});
}

FractionExercise OneMinusLayout(std::int64_t n, std::int64_t d, std::int64_t a) {
  const std::string dt = Text(d);
  ThreeLines student = {std::string("    ") + Lead(Text(n), dt),
                        std::string("1 - ") + Bar(dt) + "= ", std::string("    ") + dt};
  return WithAnswer(std::move(student),
                    {std::string("  ") + Lead(Text(a), dt), "--", std::string("  ") + dt});
}

FractionExercise SumAboveOneLayout(std::int64_t n1, std::int64_t n2, std::int64_t d,
                                   std::int64_t a) {
  const std::string dt = Text(d);
  ThreeLines student = {
      Text(n1) + "   " + Text(n2),
      Bar(dt) + " + " + Bar(dt) + "= ",
      dt + "   " + dt,
  };
  return WithAnswer(std::move(student),
                    {std::string("   ") + Lead(Text(a), dt), "1--", std::string("   ") + dt});
}

FractionExercise MixedSameDenominatorLayout(std::int64_t w1, std::int64_t n1, std::string_view op,
                                            std::int64_t w2, std::int64_t n2, std::int64_t d,
                                            std::int64_t wholeAnswer, std::int64_t a) {
  const std::string dt = Text(d);
  const std::string bb = Bar(dt);
  const std::string wt = Text(wholeAnswer);
  // A longer whole part of the answer moves its bar right; its numbers follow.
  const std::string shift = Blanks(wt.size() - 1);
  ThreeLines student = {
      std::string(" ") + Lead(Text(n1), dt) + "   " + Lead(Text(n2), dt),
      Text(w1) + bb + " " + std::string(op) + Text(w2) + bb + "=",
      std::string(" ") + dt + "   " + dt,
  };
  return WithAnswer(
      std::move(student),
      {std::string("  ") + shift + Lead(Text(a), dt), wt + bb, std::string("  ") + shift + dt},
      /*separatorFollows=*/false);
}

FractionExercise TwoFractionLayout(Fraction first, std::string_view op, Fraction second,
                                   const MixedNumber& answer) {
  const std::string d1 = Text(first.denominator);
  const std::string d2 = Text(second.denominator);
  const std::string gap = GapAround(op);
  ThreeLines student = {
      PadR(Text(first.numerator), d1) + gap + PadR(Text(second.numerator), d2) + "   ",
      Bar(d1) + " " + std::string(op) + " " + Bar(d2) + "  =",
      d1 + gap + d2 + "   ",
  };
  return WithAnswer(std::move(student), AnswerBlock(answer));
}

FractionExercise AbsoluteFirstLayout(Fraction first, std::string_view op, Fraction second,
                                     const MixedNumber& answer) {
  const std::string d1 = Text(first.denominator);
  const std::string d2 = Text(second.denominator);
  const std::string gap = GapAround(op);
  ThreeLines student = {
      std::string("|  ") + PadR(Text(first.numerator), d1) + "|" + gap +
          PadR(Text(second.numerator), d2) + "   ",
      std::string("|- ") + Bar(d1) + "|" + " " + std::string(op) + " " + Bar(d2) + "  =",
      std::string("|  ") + d1 + "|" + gap + d2 + "   ",
  };
  return WithAnswer(std::move(student), AnswerBlock(answer));
}

FractionExercise TwoMixedLayout(const MixedNumber& first, std::string_view op,
                                const MixedNumber& second, const MixedNumber& answer) {
  const std::string d1 = Text(first.denominator);
  const std::string d2 = Text(second.denominator);
  const std::string gap = std::string(" ") + GapAround(op);
  ThreeLines student = {
      std::string(" ") + PadR(Text(first.numerator), d1) + gap + PadR(Text(second.numerator), d2) +
          "   ",
      Text(first.whole) + Bar(d1) + " " + std::string(op) + " " + Text(second.whole) + Bar(d2) +
          "  =",
      std::string(" ") + d1 + gap + d2 + "   ",
  };
  return WithAnswer(std::move(student), AnswerBlock(answer));
}

FractionExercise MixedWhenImproperLayout(Fraction first, std::string_view op, Fraction second,
                                         const MixedNumber& answer) {
  const TermTexts t1 = MixedWhenImproper(first);
  const TermTexts t2 = MixedWhenImproper(second);
  const std::string gap = GapAround(op);
  ThreeLines student = {
      t1.indent + PadR(t1.numerator, t1.denominator) + gap + t2.indent +
          PadR(t2.numerator, t2.denominator) + "   ",
      t1.whole + Bar(t1.denominator) + " " + std::string(op) + " " + t2.whole +
          Bar(t2.denominator) + "  =",
      t1.indent + t1.denominator + gap + t2.indent + t2.denominator + "   ",
  };
  return WithAnswer(std::move(student), AnswerBlock(answer));
}

FractionExercise ThreeFractionLayout(Fraction first, AddSign op2, Fraction second, AddSign op3,
                                     Fraction third, Fraction answer) {
  ThreeLines student = {
      Text(first.numerator) + "    " + Text(second.numerator) + "   " + Text(third.numerator) +
          "  ",
      std::string("-- ") + std::string(SignText(op2)) + " -- " + std::string(SignText(op3)) +
          " --=",
      Text(first.denominator) + "   " + Text(second.denominator) + "   " + Text(third.denominator) +
          " ",
  };
  return WithAnswer(std::move(student), {std::string("   ") + Text(answer.numerator), " ---",
                                         std::string("   ") + Text(answer.denominator)});
}

FractionExercise ThreeMixedLayout(const MixedNumber& first, AddSign op2, const MixedNumber& second,
                                  AddSign op3, const MixedNumber& third,
                                  const MixedNumber& answer) {
  ThreeLines student = ChainTerm(kFirstTerm, first) +
                       ChainTerm(PieceFor(kSecondTerm, op2), second) +
                       ChainTerm(PieceFor(kThirdTerm, op3), third);
  // Without a fraction part the answer is its whole part alone ("0" for zero); below one in size
  // it is the signed fraction alone.
  const bool hasFraction = answer.numerator != 0;
  const std::string whole = hasFraction && answer.whole == 0 ? "" : Text(answer.whole);
  const std::string numerator = hasFraction ? Text(answer.numerator) : "";
  const std::string denominator = hasFraction ? Text(answer.denominator) : "";
  return WithAnswer(std::move(student),
                    {std::string("  ") + numerator, whole + "--", std::string("  ") + denominator});
}

}  // namespace mathsheets
