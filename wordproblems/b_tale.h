#pragma once

// What the B problems from B58 on share: the values of one instance, the slots of their line
// templates and the lines made of them. The templates use the letters of the worksheets' own
// notation: counts ("{a}", "{S1}"), names and words ("{X}", "{F2}", "{W}"), a noun after a count
// ("{N(a)}", "{U(P)}"), a noun's forms 3 and 4 ("{V3}", "{Q4}") and "раз" after a multiplier
// ("{R(k)}").

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wordproblems/b_names.h"
#include "wordproblems/b_nouns.h"
#include "wordproblems/b_template.h"
#include "wordproblems/problem_module.h"

namespace mathsheets {

// The counts of one instance, named as the templates name them.
struct TaleCounts {
  std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, g = 0, h = 0, k = 0, m = 0, p = 0, q = 0,
               r = 0, s = 0, x = 0, y = 0, z = 0, A = 0, B = 0, P = 0, S = 0, S1 = 0, S2 = 0;
};

struct TaleCountSlot {
  std::string_view name;
  std::int32_t TaleCounts::*count;
};

inline constexpr std::array<TaleCountSlot, 23> kTaleCountSlots = {{
    {"a", &TaleCounts::a}, {"b", &TaleCounts::b},   {"c", &TaleCounts::c},   {"d", &TaleCounts::d},
    {"e", &TaleCounts::e}, {"f", &TaleCounts::f},   {"g", &TaleCounts::g},   {"h", &TaleCounts::h},
    {"k", &TaleCounts::k}, {"m", &TaleCounts::m},   {"p", &TaleCounts::p},   {"q", &TaleCounts::q},
    {"r", &TaleCounts::r}, {"s", &TaleCounts::s},   {"x", &TaleCounts::x},   {"y", &TaleCounts::y},
    {"z", &TaleCounts::z}, {"A", &TaleCounts::A},   {"B", &TaleCounts::B},   {"P", &TaleCounts::P},
    {"S", &TaleCounts::S}, {"S1", &TaleCounts::S1}, {"S2", &TaleCounts::S2},
}};

// A text shown as it stands: a child, a flower, a comparison word, a unit.
struct TaleWord {
  std::string_view slot;
  std::string_view text;
};

// A noun of the instance and the letter its slots use.
struct TaleNoun {
  char letter = 0;
  const Noun* noun = nullptr;
};

// How "раз" agrees with its multiplier: by the standard selector, by the selector that keeps whole
// hundreds, or, in the garden, "раза" after 2 to 4 and "раз" after anything else, without a
// selector.
enum class TimesAgreement { Standard, TailKeep, Garden };

struct Tale {
  TaleCounts n;
  std::array<TaleWord, 4> words{};
  std::array<TaleNoun, 4> nouns{};
  TimesAgreement times = TimesAgreement::Standard;
};

// Up to four lines a problem; an empty template ends the problem's lines.
using TaleTemplates = std::array<std::string_view, 4>;

// By name, not by address: a sanitized build of GCC does not take the address of a table entry
// as a constant.
constexpr bool IsTaleCount(std::string_view name) {
  for (const TaleCountSlot& slot : kTaleCountSlots)
    if (slot.name == name) return true;
  return false;
}

// Whether `name` has the shape of a slot a tale can fill.
constexpr bool IsTaleSlot(std::string_view name) {
  constexpr std::array<std::string_view, 10> words = {"X",  "Y",  "Z", "W", "F1",
                                                      "F2", "F3", "V", "u", "Q"};
  constexpr std::string_view nounLetters = "NUVWQ";
  if (IsTaleCount(name)) return true;
  for (std::string_view word : words)
    if (name == word) return true;
  if (name.size() == 2 && nounLetters.find(name[0]) != std::string_view::npos)
    return name[1] == '3' || name[1] == '4';
  const bool agreeing = name.size() >= 4 && name[1] == '(' && name.back() == ')' &&
                        (name[0] == 'R' || nounLetters.find(name[0]) != std::string_view::npos);
  return agreeing && IsTaleCount(name.substr(2, name.size() - 3));
}

constexpr bool TaleTemplatesValid(const TaleTemplates& templates) {
  // By reference, and past the lines a table left empty: copying one is not a constant
  // expression to GCC 12.
  for (const std::string_view& line : templates) {
    if (line.empty()) continue;
    bool known = true;
    if (!ForEachSlot(line, [&](std::string_view name) { known = known && IsTaleSlot(name); }))
      return false;
    if (!known) return false;
  }
  return !templates[0].empty();
}

// True when the templates of every row of a table of problems are valid; each table checks itself
// with it when it is compiled.
template <class Rows>
constexpr bool EveryRowHasValidTaleTemplates(const Rows& rows) {
  for (const auto& row : rows)
    if (!TaleTemplatesValid(row.lines)) return false;
  return true;
}

// Makes m.instance the instance of a problem, its lines also its preview. The selectors behind
// the nouns after counts write m.nounClass, those behind "раз" m.timesClass, in the order the
// lines show the counts.
void SetTaleInstance(ProblemModule& m, const TaleTemplates& templates, const Tale& tale,
                     std::int32_t answer);

// X, Y, Z, W: the children of the entries drawn, from a table of names.
template <std::size_t Count>
void NameChildren(Tale& tale, const NameTable& names,
                  const std::array<std::int32_t, Count>& entries) {
  static_assert(Count <= 4);
  constexpr std::array<std::string_view, 4> slots = {"X", "Y", "Z", "W"};
  for (std::size_t i = 0; i < Count; ++i) tale.words[i] = {slots[i], EntryAt(names, entries[i])};
}

// Draws the counts again and again until `accept` takes them.
template <class Draw, class Accept>
TaleCounts DrawUntil(ProblemModule& m, Draw&& draw, Accept&& accept) {
  TaleCounts n;
  do n = draw(m);
  while (!accept(n));
  return n;
}

}  // namespace mathsheets
