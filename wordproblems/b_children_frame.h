#pragma once

// What the B problems about children share: the values of one instance, the draws of the children
// and of the noun, the slots of their line templates and the binding of a table of problems.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wordproblems/b_names.h"
#include "wordproblems/b_nouns.h"
#include "wordproblems/b_template.h"
#include "wordproblems/problem_catalog.h"

namespace mathsheets {

// B1 is the first problem after the Z and S families.
constexpr int BIndex(int number) {
  return kZProblemCount + kSProblemCount + number;
}

// Up to three lines a problem; an empty template ends the problem's lines.
using ChildrenTemplates = std::array<std::string_view, 3>;

struct ChildrenValues {
  std::array<std::int32_t, 3> kids{};  // entries of the name table, 0 where nobody is named
  std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0, k = 0, P = 0;
  std::int32_t t = 0;  // the noun, an entry of the noun table
};

// The slots the templates may name: the children X, Y, Z; the counts; the noun after a count,
// N(a) and N(e) by the standard rule, N(P) by the rule of the tail that keeps 100, N(k) by the
// rule that cuts every count from 100; N3 and N4, forms 3 and 4 of the noun; R(k), the word
// "раз" after the multiplier; and join, which links what two children have: ", а у " as a rule,
// ", и у " when both have the same (d = e).
inline constexpr std::array<std::string_view, 18> kChildrenSlots = {
    "X", "Y",    "Z",    "a",    "b",    "c",  "d",  "e",    "k",
    "P", "N(a)", "N(e)", "N(P)", "N(k)", "N3", "N4", "R(k)", "join"};

constexpr bool ChildrenTemplatesValid(const ChildrenTemplates& templates) {
  // By reference: copying a line the table left empty is not a constant expression to GCC 12.
  for (const std::string_view& line : templates)
    if (!line.empty() && !TemplateUsesOnly(line, kChildrenSlots)) return false;
  return !templates[0].empty();
}

// True when the templates of every row of a table of problems are valid.
template <class Rows>
constexpr bool EveryRowHasValidChildrenTemplates(const Rows& rows) {
  for (const auto& row : rows)
    if (!ChildrenTemplatesValid(row.lines)) return false;
  return true;
}

// Step 1 of every problem: `count` distinct children among the first seven of a table (none
// for 0).
void DrawChildren(ProblemModule& m, int count, ChildrenValues& v);

// Step 3: the noun, t = Random(nouns) + 1.
void DrawNoun(ProblemModule& m, std::int32_t nouns, ChildrenValues& v);

// The lines of one instance. The selectors behind N(...) and R(k) write the class variables they
// are given, in the order the lines show the counts.
// Makes m.instance the instance of a problem, its lines also its preview.
void SetChildrenInstance(ProblemModule& m, const ChildrenTemplates& templates,
                         const NameTable* names, const Nouns<8>& nouns, const ChildrenValues& v,
                         std::int32_t answer);

// The generator of row I of a table of problems, each row with its B number in `number`.
template <const auto& Rows, auto Generate, std::size_t I>
void RowGenerator(ProblemModule& m) {
  Generate(Rows[I], m);
}

template <const auto& Rows, auto Generate, std::size_t... I>
constexpr auto BindRows(std::index_sequence<I...>) {
  return std::array<ProblemBinding, sizeof...(I)>{
      {{BIndex(Rows[I].number), &RowGenerator<Rows, Generate, I>}...}};
}

// The bindings of a whole table of problems.
template <const auto& Rows, auto Generate>
constexpr auto BindRows() {
  return BindRows<Rows, Generate>(std::make_index_sequence<std::size(Rows)>());
}

// The three tables of this family.
std::span<const ProblemBinding> BPairProblems();   // B1..B16
std::span<const ProblemBinding> BStoryProblems();  // B17..B49
std::span<const ProblemBinding> BTimesProblems();  // B50..B57, B67..B70

}  // namespace mathsheets
