#include "generators/tests/fraction_lines.h"

#include <algorithm>
#include <cctype>

namespace mathsheets::testing {

namespace {

std::vector<Token> TokensFrom(const std::string& line, std::size_t offset) {
  std::vector<Token> out;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    out.push_back({line.substr(start, i - start), offset + start});
  }
  return out;
}

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::optional<Term> MakeTerm(const Token& numerator, const Token& denominator, const Token& bar) {
  const auto n = ParseNumber(numerator);
  const auto d = ParseNumber(denominator);
  const auto b = ParseBar(bar);
  if (!n || !d || !b) return std::nullopt;
  return Term{*n, *d, *b};
}

Token Rest(const Token& t, std::size_t skip) {
  return {t.text.substr(skip), t.column + skip};
}

struct Split {
  LineTokens n;
  LineTokens b;
  LineTokens d;
};

std::optional<Split> SplitAll(const ExerciseLines& lines, const std::string& blanked = "") {
  const auto n = SplitLine(lines, 0, blanked);
  const auto b = SplitLine(lines, 1, blanked);
  const auto d = SplitLine(lines, 2, blanked);
  if (!n || !b || !d) return std::nullopt;
  return Split{*n, *b, *d};
}

Rational Apply(Rational x, const std::string& op, Rational y) {
  if (op == "+") return x + y;
  if (op == "-") return x - y;
  if (op == "x") return x * y;
  return x / y;
}

}  // namespace

std::optional<LineTokens> SplitLine(const ExerciseLines& lines, std::size_t i,
                                    const std::string& blankedChars) {
  if (lines.student.size() <= i || lines.teacher.size() <= i) return std::nullopt;
  std::string s = lines.student[i];
  std::string t = lines.teacher[i];
  if (t.compare(0, s.size(), s) != 0) return std::nullopt;
  for (char c : blankedChars) {
    std::replace(s.begin(), s.end(), c, ' ');
    std::replace(t.begin(), t.end(), c, ' ');
  }
  return LineTokens{TokensFrom(s, 0), TokensFrom(t.substr(s.size()), s.size())};
}

std::optional<Placed> ParseNumber(const Token& t) {
  std::size_t i = t.text.starts_with("-") ? 1 : 0;
  if (i == t.text.size()) return std::nullopt;
  for (std::size_t k = i; k < t.text.size(); ++k)
    if (!IsDigit(t.text[k])) return std::nullopt;
  return Placed{std::stoll(t.text), t.column, t.text.size()};
}

std::optional<BarToken> ParseBar(const Token& t) {
  const std::string& s = t.text;
  std::size_t i = 0;
  if (s.size() > 1 && s[0] == '-' && IsDigit(s[1])) i = 1;
  const std::size_t digitsFrom = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  BarToken out;
  if (i > digitsFrom) {
    out.wholeText = s.substr(0, i);
    out.whole = std::stoll(out.wholeText);
  }
  out.barColumn = t.column + i;
  while (i < s.size() && s[i] == '-') ++i;
  out.barWidth = t.column + i - out.barColumn;
  if (!out.whole && out.barWidth == 0) return std::nullopt;
  return out;
}

bool Term::OnItsBar() const {
  const std::size_t from = bar.barColumn;
  const std::size_t to = bar.barColumn + bar.barWidth;
  return numerator.column >= from && numerator.end() <= to && denominator.column >= from &&
         denominator.end() <= to;
}

Rational BlockAnswer::Value() const {
  if (!numerator) return Rational(whole);
  return Rational::Mixed(whole, numerator->value, denominator->value);
}

Rational TwoTermExercise::Value() const {
  Rational x = first.Value();
  if (absoluteFirst) {
    x = -x;
    if (x < Rational(0)) x = -x;
  }
  return Apply(x, op, second.Value());
}

std::optional<TwoTermExercise> ParseTwoTerm(const ExerciseLines& lines) {
  const auto split = SplitAll(lines, "|");
  if (!split) return std::nullopt;
  std::vector<Token> bars = split->b.exercise;
  TwoTermExercise out;
  out.absoluteFirst = lines.student[1].find('|') != std::string::npos;
  if (out.absoluteFirst) {
    if (bars.empty() || bars[0].text != "-") return std::nullopt;
    bars.erase(bars.begin());
  }
  const auto& n = split->n.exercise;
  const auto& d = split->d.exercise;
  if (bars.size() != 4 || bars[3].text != "=" || n.size() != 2 || d.size() != 2)
    return std::nullopt;
  const auto first = MakeTerm(n[0], d[0], bars[0]);
  const auto second = MakeTerm(n[1], d[1], bars[2]);
  if (!first || !second) return std::nullopt;
  out.first = *first;
  out.op = bars[1].text;
  out.second = *second;

  if (split->b.answer.size() != 1) return std::nullopt;
  const auto answerBar = ParseBar(split->b.answer[0]);
  if (!answerBar) return std::nullopt;
  out.answer.bar = *answerBar;
  out.answer.whole = answerBar->whole.value_or(0);
  const auto& an = split->n.answer;
  const auto& ad = split->d.answer;
  if (answerBar->barWidth == 0) {
    if (!an.empty() || !ad.empty()) return std::nullopt;
    return out;
  }
  if (an.size() != 1 || ad.size() != 1) return std::nullopt;
  out.answer.numerator = ParseNumber(an[0]);
  out.answer.denominator = ParseNumber(ad[0]);
  if (!out.answer.numerator || !out.answer.denominator) return std::nullopt;
  return out;
}

Rational OneDenominatorExercise::Value() const {
  switch (form) {
    case OneDenominatorForm::Minus:
      return terms[0].Value() - terms[1].Value();
    case OneDenominatorForm::OneMinus:
      return Rational(1) - terms[0].Value();
    case OneDenominatorForm::Plus:
    case OneDenominatorForm::AboveOne:
      break;
  }
  return terms[0].Value() + terms[1].Value();
}

Rational OneDenominatorExercise::AnswerValue() const {
  return answer.Value();
}

std::optional<OneDenominatorExercise> ParseOneDenominator(const ExerciseLines& lines) {
  const auto split = SplitAll(lines);
  if (!split) return std::nullopt;
  const auto& bars = split->b.exercise;
  const auto& n = split->n.exercise;
  const auto& d = split->d.exercise;
  OneDenominatorExercise out;
  if (bars.size() != 3) return std::nullopt;
  if (bars[0].text == "1" && bars[1].text == "-") {
    if (n.size() != 1 || d.size() != 1) return std::nullopt;
    const auto t = MakeTerm(n[0], d[0], bars[2]);
    if (!t) return std::nullopt;
    out.form = OneDenominatorForm::OneMinus;
    out.terms = {*t};
  } else {
    if (n.size() != 2 || d.size() != 2) return std::nullopt;
    const auto t1 = MakeTerm(n[0], d[0], bars[0]);
    const auto t2 = MakeTerm(n[1], d[1], bars[2]);
    if (!t1 || !t2) return std::nullopt;
    out.form = bars[1].text == "-" ? OneDenominatorForm::Minus : OneDenominatorForm::Plus;
    out.terms = {*t1, *t2};
  }
  if (split->n.answer.size() != 1 || split->b.answer.size() != 1 || split->d.answer.size() != 1)
    return std::nullopt;
  const auto answer = MakeTerm(split->n.answer[0], split->d.answer[0], split->b.answer[0]);
  if (!answer) return std::nullopt;
  out.answer = *answer;
  if (answer->bar.whole) {
    if (out.form != OneDenominatorForm::Plus) return std::nullopt;
    out.form = OneDenominatorForm::AboveOne;
  }
  return out;
}

Rational MixedOneDenominatorExercise::Value() const {
  return op == '+' ? first.Value() + second.Value() : first.Value() - second.Value();
}

std::optional<MixedOneDenominatorExercise> ParseMixedOneDenominator(const ExerciseLines& lines) {
  const auto split = SplitAll(lines);
  if (!split) return std::nullopt;
  const auto& bars = split->b.exercise;
  const auto& n = split->n.exercise;
  const auto& d = split->d.exercise;
  if (bars.size() != 2 || bars[1].text.size() < 2 || n.size() != 2 || d.size() != 2)
    return std::nullopt;
  MixedOneDenominatorExercise out;
  const auto first = MakeTerm(n[0], d[0], bars[0]);
  const auto second = MakeTerm(n[1], d[1], Rest(bars[1], 1));
  if (!first || !second || !first->bar.whole || !second->bar.whole) return std::nullopt;
  if (!bars[1].text.ends_with("=")) return std::nullopt;
  out.first = *first;
  out.op = bars[1].text[0];
  out.second = *second;
  if (split->n.answer.size() != 1 || split->b.answer.size() != 1 || split->d.answer.size() != 1)
    return std::nullopt;
  const auto answer = MakeTerm(split->n.answer[0], split->d.answer[0], split->b.answer[0]);
  if (!answer || !answer->bar.whole) return std::nullopt;
  out.answer = *answer;
  return out;
}

Rational ThreeFractionExercise::Value() const {
  Rational v = terms[0].Value();
  for (std::size_t k = 0; k < ops.size(); ++k)
    v = ops[k] == '+' ? v + terms[k + 1].Value() : v - terms[k + 1].Value();
  return v;
}

std::optional<ThreeFractionExercise> ParseThreeFractions(const ExerciseLines& lines) {
  const auto split = SplitAll(lines);
  if (!split) return std::nullopt;
  const auto& bars = split->b.exercise;
  const auto& n = split->n.exercise;
  const auto& d = split->d.exercise;
  if (bars.size() != 5 || bars[4].text != "--=" || n.size() != 3 || d.size() != 3)
    return std::nullopt;
  ThreeFractionExercise out;
  for (std::size_t k = 0; k < 3; ++k) {
    const auto t = MakeTerm(n[k], d[k], bars[2 * k]);
    if (!t) return std::nullopt;
    out.terms.push_back(*t);
  }
  for (std::size_t k : {1u, 3u}) {
    if (bars[k].text != "+" && bars[k].text != "-") return std::nullopt;
    out.ops.push_back(bars[k].text[0]);
  }
  if (split->n.answer.size() != 1 || split->d.answer.size() != 1 || split->b.answer.size() != 1 ||
      split->b.answer[0].text != "---")
    return std::nullopt;
  const auto a = ParseNumber(split->n.answer[0]);
  const auto b = ParseNumber(split->d.answer[0]);
  if (!a || !b) return std::nullopt;
  out.a = a->value;
  out.b = b->value;
  return out;
}

Rational ThreeMixedExercise::Value() const {
  Rational v = terms[0].Value();
  for (std::size_t k = 1; k < 3; ++k)
    v = subtracted[k - 1] ? v - terms[k].Value() : v + terms[k].Value();
  return v;
}

std::optional<Rational> ThreeMixedExercise::AnswerValue() const {
  if (numerator.empty() != denominator.empty()) return std::nullopt;
  if (numerator.empty()) {
    if (whole.empty()) return std::nullopt;
    return Rational(std::stoll(whole));
  }
  if (whole.empty()) return Rational(std::stoll(numerator), std::stoll(denominator));
  return Rational::Mixed(std::stoll(whole), std::stoll(numerator), std::stoll(denominator));
}

std::optional<ThreeMixedExercise> ParseThreeMixed(const ExerciseLines& lines) {
  const auto split = SplitAll(lines);
  if (!split) return std::nullopt;
  const auto& bars = split->b.exercise;
  const auto& n = split->n.exercise;
  const auto& d = split->d.exercise;
  if (bars.size() != 6 || bars[1].text != "+" || bars[3].text != "+" || bars[5].text != "=" ||
      n.size() != 3 || d.size() != 3)
    return std::nullopt;
  ThreeMixedExercise out;
  for (std::size_t k = 0; k < 3; ++k) {
    Token bar = bars[2 * k];
    if (k > 0) {
      const bool minus = bar.text.starts_with("(-") && bar.text.ends_with(")");
      out.subtracted.push_back(minus);
      if (minus) bar = Rest(bar, 2);
    }
    const auto t = MakeTerm(n[k], d[k], bar);
    if (!t || !t->bar.whole || t->bar.wholeText.starts_with("-")) return std::nullopt;
    out.terms.push_back(*t);
  }
  if (split->b.answer.size() != 1 || split->n.answer.size() > 1 || split->d.answer.size() > 1)
    return std::nullopt;
  const auto answerBar = ParseBar(split->b.answer[0]);
  if (!answerBar || answerBar->barWidth != 2 || !split->b.answer[0].text.ends_with("--"))
    return std::nullopt;
  out.whole = answerBar->wholeText;
  if (!split->n.answer.empty()) out.numerator = split->n.answer[0].text;
  if (!split->d.answer.empty()) out.denominator = split->d.answer[0].text;
  return out;
}

}  // namespace mathsheets::testing
