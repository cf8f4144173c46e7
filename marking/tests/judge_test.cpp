// Every type and word problem over many seeds: the key typed as a pupil types it is right, a key
// with one digit or sign changed is wrong, equal fractions of a less finished form are wrong with
// the reason, and the items left to the teacher are exactly the ones listed.
#include "marking/judge.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "generators/registry.h"
#include "marking/set_sheet.h"
#include "sets/worksheet_set.h"
#include "shell/catalog.h"
#include "testing/rational.h"
#include "wordproblems/problem_catalog.h"

namespace mathsheets::marking {
namespace {

using sheet::Piece;
using sheet::PieceKind;
using testing::Rational;

// What a pupil types for the answer a teacher's sheet prints, read off its pieces: one field a
// number or fraction, units and separators not typed, "x =" before it not typed. Odd seeds type a
// decimal point for the comma and a zero after the decimals.
std::vector<TypedAnswer> TypedFromPieces(const sheet::Row& answer, bool oddSeed) {
  std::vector<const Piece*> p;
  for (const Piece& piece : answer.pieces)
    if (piece.kind != PieceKind::Space) p.push_back(&piece);
  const auto decimal = [&](std::string text) {
    for (char& c : text)
      if (oddSeed && c == ',') c = '.';
    if (oddSeed && text.find_first_of(",.") != std::string::npos) text += "0";
    return text;
  };
  std::vector<TypedAnswer> typed;
  std::string sign;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Piece& piece = *p[i];
    const bool last = i + 1 == p.size();
    if (piece.kind == PieceKind::Letter && !last && p[i + 1]->kind == PieceKind::Number &&
        i + 2 < p.size() && p[i + 2]->text == "=") {
      i += 2;  // "x1 ="
    } else if (piece.kind == PieceKind::Letter && !last && p[i + 1]->text == "=") {
      ++i;  // "x ="
    } else if (piece.kind == PieceKind::Operator && (piece.text == "-" || piece.text == "+")) {
      sign = piece.text == "-" ? "-" : "";
    } else if (piece.kind == PieceKind::Fraction) {
      const sheet::StackedFraction& f = piece.fraction;
      const std::string minus = f.negative != (sign == "-") ? "-" : "";
      TypedAnswer a;
      a.whole = f.whole.empty() ? "" : minus + f.whole;
      a.numerator = (f.whole.empty() ? minus : "") + f.numerator;
      a.denominator = f.denominator;
      typed.push_back(a);
      sign.clear();
    } else if (piece.kind == PieceKind::Number && !last && p[i + 1]->text == "/") {
      typed.push_back({"", "", sign + piece.text, p[i + 2]->text});
      i += 2;
      sign.clear();
    } else if (piece.kind == PieceKind::Number && i + 2 < p.size() &&
               p[i + 1]->kind == PieceKind::Number && p[i + 2]->text == "/") {
      typed.push_back({"", sign + piece.text, p[i + 1]->text, p[i + 3]->text});
      i += 3;
      sign.clear();
    } else if (piece.kind == PieceKind::Number && !last && p[i + 1]->text == "E") {
      // 8.75000000000000E-0002: the pupil writes the decimal itself, 0,0875.
      const bool down = p[i + 2]->text == "-";
      const int exponent = std::stoi(p[i + (down || p[i + 2]->text == "+" ? 3 : 2)]->text);
      std::string digits = piece.text;
      std::erase(digits, '.');
      while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
      EXPECT_TRUE(down || exponent == 0) << piece.text;
      const std::string text =
          down ? "0," + std::string(static_cast<std::size_t>(exponent - 1), '0') + digits
               : digits.substr(0, 1) + "," + digits.substr(1);
      typed.push_back({decimal(text), "", "", ""});
      break;
    } else if (piece.kind == PieceKind::Number && !last && p[i + 1]->text == ",") {
      typed.push_back({piece.text + ",(" + p[i + 3]->text + ")", "", "", ""});  // 0,(18)
      break;
    } else if (piece.kind == PieceKind::Number) {
      typed.push_back({decimal(sign + piece.text), "", "", ""});
      sign.clear();
    } else if (piece.kind == PieceKind::Operator && piece.text != ":" && piece.text != ";") {
      typed.push_back({piece.text, "", "", ""});  // a sign between two things compared
    } else if (p.size() == 1) {
      std::string roman = piece.text;  // a Roman numeral, typed small on odd seeds
      for (char& c : roman)
        if (oddSeed) c = static_cast<char>(c - 'A' + 'a');
      typed.push_back({roman, "", "", ""});
    }
  }
  return typed;
}

// One digit or sign of the first field changed: never the same value.
std::vector<TypedAnswer> Changed(std::vector<TypedAnswer> typed, FieldKind kind) {
  TypedAnswer& a = typed.front();
  std::string& text = kind == FieldKind::Fraction ? a.numerator : a.text;
  if (kind == FieldKind::Sign) {
    text = text == "<" ? ">" : "<";
  } else if (kind == FieldKind::Roman) {
    text = text.front() == 'M' || text.front() == 'm' ? text.substr(1) : "M" + text;
  } else {
    std::size_t last = text.find_last_of("0123456789");
    char& digit = text[last];
    digit = digit == '9' ? '8' : static_cast<char>(digit + 1);
  }
  return typed;
}

// The exact value of a fraction field.
Rational ValueOf(const TypedAnswer& a) {
  const bool negative = a.whole.starts_with('-') || a.numerator.starts_with('-');
  const auto digits = [](const std::string& t) {
    return t.empty() ? 0 : std::stoll(t.starts_with('-') ? t.substr(1) : t);
  };
  const Rational value =
      Rational(digits(a.whole)) + Rational(digits(a.numerator), std::stoll(a.denominator));
  return negative ? -value : value;
}

TypedAnswer Fraction(const Rational& value, bool mixed, std::int64_t scale = 1) {
  const bool negative = value < Rational(0);
  const std::int64_t n = negative ? -value.num() : value.num();
  const std::int64_t whole = mixed ? n / value.den() : 0;
  const std::string minus = negative ? "-" : "";
  TypedAnswer a;
  a.whole = whole != 0 ? minus + std::to_string(whole) : "";
  a.numerator = (whole != 0 ? "" : minus) + std::to_string((n - whole * value.den()) * scale);
  a.denominator = std::to_string(value.den() * scale);
  return a;
}

struct Tally {
  int judged = 0;
  std::set<std::string> leftToTeacher;
};

// Judges every item of the set's sheets as above; `name` names the type or problem of an item in
// a failure and in the list of the ones left to the teacher.
void JudgeSheets(const std::string& setText, bool oddSeed, Tally& tally,
                 const std::function<std::string(const sheet::Variant&, std::size_t)>& name) {
  const sheet::Worksheet sheet = WorksheetOfSet(sets::ParseSet(setText), 1000);
  ASSERT_FALSE(sheet.variants.empty()) << setText;
  for (const sheet::Variant& variant : sheet.variants) {
    for (const MarkedItem& marked : MarkedItemsOf(variant)) {
      const sheet::Item& item = variant.items[marked.index];
      const std::string where =
          setText + ", " + name(variant, marked.index) + ": " + item.studentLines.front();
      if (!marked.Judged()) {
        tally.leftToTeacher.insert(name(variant, marked.index));
        EXPECT_EQ(Judge(item, {}).verdict, Verdict::Unjudged) << where;
        continue;
      }
      ++tally.judged;
      const AnswerKey& key = marked.key;
      std::vector<TypedAnswer> typed = TypedFromPieces(item.answer, oddSeed);
      ASSERT_EQ(typed.size(), key.fields.size()) << where;
      const Judgement right = Judge(item, typed);
      EXPECT_EQ(right.verdict, Verdict::Right) << where << " typed " << typed.front().text
                                               << typed.front().numerator << " / " << right.answer;
      if (key.anyOrder) {
        std::vector<TypedAnswer> reversed(typed.rbegin(), typed.rend());
        EXPECT_EQ(Judge(item, reversed).verdict, Verdict::Right) << where;
      }
      const FieldKind kind = key.fields.front().kind;
      const Judgement wrong = Judge(item, Changed(typed, kind));
      EXPECT_EQ(wrong.verdict, Verdict::Wrong) << where;
      if (!key.anyOrder) {
        EXPECT_FALSE(wrong.fieldsRight.front()) << where;
      }
      if (kind == FieldKind::Number && key.fields.size() == 1 &&
          typed.front().text.find('(') == std::string::npos) {
        std::string other = typed.front().text;
        other = other.starts_with('-') ? other.substr(1) : "-" + other;
        if (ParseDecimal(other) != ParseDecimal("0")) {
          EXPECT_EQ(Judge(item, {{other, "", "", ""}}).verdict, Verdict::Wrong) << where;
        }
      }
      if (kind != FieldKind::Fraction || key.fields.size() != 1) continue;
      // Equal fractions in other forms, made with exact fractions of the test's own.
      const Rational value = ValueOf(typed.front());
      const KeyField& field = key.fields.front();
      const bool proper = value.num() < value.den() && -value.num() < value.den();
      if (!field.lowest) {
        EXPECT_EQ(Judge(item, {Fraction(value, field.mixed)}).verdict, Verdict::Right) << where;
      } else if (value.den() > 1) {
        const Judgement doubled = Judge(item, {Fraction(value, field.mixed, 2)});
        EXPECT_EQ(doubled.verdict, Verdict::Wrong) << where;
        EXPECT_EQ(doubled.reason, kReduceReason) << where;
      }
      if (field.mixed && !proper && value.den() > 1) {
        const Judgement improper = Judge(item, {Fraction(value, false)});
        EXPECT_EQ(improper.verdict, Verdict::Wrong) << where;
        EXPECT_EQ(improper.reason, kWholePartReason) << where;
      }
    }
  }
}

TEST(Judge, EveryTypeOverManySeeds) {
  Tally tally;
  for (const TaskKind& type : kTaskCatalog) {
    if (FindTaskGenerator(type.Number) == nullptr) continue;
    for (int seed = 1; seed <= 24; ++seed) {
      const int level = seed % 5 + 1;
      const std::string text = "main?seed=" + std::to_string(seed * 7919) +
                               "&variants=3&count=" + std::to_string(type.Number) +
                               ":3&level=gcd:" + std::to_string(level) +
                               ",fraction:" + std::to_string(std::min(level, 4)) +
                               ",muldiv:" + std::to_string(std::min(level, 3)) +
                               ",mixed:" + std::to_string(std::min(level, 3)) +
                               ",mixedmuldiv:" + std::to_string(std::min(level, 2)) +
                               (seed % 2 ? "&wide=1" : "");
      JudgeSheets(text, seed % 2 == 1, tally, [&](const sheet::Variant&, std::size_t) {
        return std::to_string(type.Number) + " " + std::string(type.Caption);
      });
    }
  }
  EXPECT_GT(tally.judged, 7000);
  // Expressions with letters, the proportion table; and one answer of "Уравнение:Д" (X = 2/5, a
  // bar of one dash) whose fraction the model does not read.
  const std::set<std::string> expected = {"61 Уравнение:Д", "68 Пропорция", "75 Упростить",
                                          "78 Раскрыть",    "79 Винести",   "92 Упростить"};
  EXPECT_EQ(tally.leftToTeacher, expected);
}

TEST(Judge, EveryWordProblemOverManySeeds) {
  Tally tally;
  std::string every;
  for (const TWordProblem& problem : WordProblemCatalog())
    if (problem.Generator != nullptr)
      every += (every.empty() ? "" : ",") + std::string(problem.Caption);
  for (int seed = 1; seed <= 12; ++seed) {
    JudgeSheets("problems?seed=" + std::to_string(seed) + "&variants=2&select=" + every,
                seed % 2 == 1, tally, [](const sheet::Variant& variant, std::size_t index) {
                  // The problems stand from the highest Index down.
                  int count = 0;
                  for (std::size_t i = 0; i < index; ++i)
                    count += variant.items[i].kind == sheet::ItemKind::Problem ? 1 : 0;
                  const int problemIndex = 230 - count;
                  return std::string(WordProblemByIndex(problemIndex).Caption);
                });
  }
  EXPECT_GT(tally.judged, 5000);
  // Answers in words: the greatest number of presents and what each holds, a day of the week, a
  // choice between two, a time as "1 час и 4/35".
  const std::set<std::string> expected = {"S2", "S5", "S7", "S8", "S10"};
  EXPECT_EQ(tally.leftToTeacher, expected);
}

TEST(Judge, FormsOfAFraction) {
  const auto key = [](const char* whole, const char* numerator, const char* denominator) {
    sheet::Item item;
    item.kind = sheet::ItemKind::Exercise;
    Piece piece;
    piece.kind = PieceKind::Fraction;
    piece.fraction = {false, whole, numerator, denominator, sheet::FractionFrame::None};
    item.answer.pieces = {piece};
    return item;
  };
  const auto typed = [](const char* w, const char* n, const char* d) {
    return std::vector<TypedAnswer>{{"", w, n, d}};
  };
  const sheet::Item lowest = key("", "4", "21");
  EXPECT_EQ(Judge(lowest, typed("", "4", "21")).verdict, Verdict::Right);
  EXPECT_EQ(Judge(lowest, typed("", "8", "42")).reason, kReduceReason);
  EXPECT_EQ(Judge(lowest, typed(" 0 ", " 4 ", "21")).verdict, Verdict::Right);
  const sheet::Item mixed = key("1", "1", "27");
  EXPECT_EQ(Judge(mixed, typed("", "28", "27")).reason, kWholePartReason);
  EXPECT_EQ(Judge(mixed, typed("1", "2", "54")).reason, kReduceReason);
  EXPECT_EQ(Judge(mixed, typed("1", "1", "27")).verdict, Verdict::Right);
  EXPECT_EQ(Judge(mixed, typed("1", "", "27")).verdict, Verdict::Wrong);
  const sheet::Item unreduced = key("", "28", "36");
  EXPECT_EQ(Judge(unreduced, typed("", "7", "9")).verdict, Verdict::Right);
  EXPECT_EQ(Judge(unreduced, typed("", "14", "18")).verdict, Verdict::Right);
  EXPECT_EQ(Judge(key("", "9", "9"), typed("1", "", "")).verdict, Verdict::Right);
  EXPECT_EQ(Judge(key("", "9", "9"), typed("", "1", "0")).verdict, Verdict::Wrong);

  sheet::Item decimal;
  decimal.kind = sheet::ItemKind::Exercise;
  decimal.answer.pieces = {{PieceKind::Number, "2.6", {}}};
  for (const char* text : {"2,6", "2.6", "2,60", " 2 , 6 ", "+2,6", "02,6"})
    EXPECT_EQ(Judge(decimal, {{text, "", "", ""}}).verdict, Verdict::Right) << text;
  for (const char* text : {"26", "2,6,0", "2,6x", "", "2 6/10", "2..6", "-2,6"})
    EXPECT_EQ(Judge(decimal, {{text, "", "", ""}}).verdict, Verdict::Wrong) << text;
  EXPECT_EQ(Judge(decimal, {{"1", "", "", ""}}).answer, "2,6");
}

}  // namespace
}  // namespace mathsheets::marking
