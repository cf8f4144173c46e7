#pragma once

// The children of the B problems and the draw of distinct entries of a table.

#include <array>
#include <cstdint>
#include <string_view>

#include "wordproblems/problem_module.h"

namespace mathsheets {

// Eight names a table. The draws reach entries 1 to 7 only, so the eighth never shows.
using NameTable = std::array<std::string_view, 8>;

// Genitive, as after "у".
inline constexpr NameTable KidsOfA = {"Танечки", "Иринки", "Анечки", "Наденьки",
                                      "Юры",     "Вити",   "Артема", "Оксанки"};
inline constexpr NameTable KidsOfB = {"Танечки", "Иринки", "Анечки", "Наденьки",
                                      "Юрочки",  "Вити",   "Артема", "Оксанки"};
inline constexpr NameTable KidsOfC = {"Танечки", "Иринки",  "Анечки", "Наденьки",
                                      "Юрочки",  "Виточки", "Артема", "Оксанки"};
inline constexpr NameTable KidsOfD = {"Сашеньки", "Катюши",   "Павлика", "Сергея",
                                      "Галины",   "Андрейки", "Коли",    "Леночки"};
inline constexpr NameTable KidsOfE = {"Сашеньки", "Катеньки", "Павлика", "Сереженьки",
                                      "Галочки",  "Андрея",   "Коли",    "Леночки"};
// Nominative, for the children who act ("... и ... отдали").
inline constexpr NameTable Kids = {"Танечка", "Иринка", "Анечка", "Наденька",
                                   "Юрочка",  "Вита",   "Артем",  "Оксанка"};

// The children a story can name: entries 1 to 7 of every table.
inline constexpr std::int32_t kDrawnKids = 7;

// Entry i (from 1, as the draws give it) of a table of names or nouns.
template <class Entry, std::size_t N>
constexpr const Entry& EntryAt(const std::array<Entry, N>& table, std::int32_t i) {
  return table.at(static_cast<std::size_t>(i - 1));
}

// Count distinct entries among 1..n. A second entry alone is drawn again until it differs from
// the first; three or more are drawn together, and all of them again until they are pairwise
// different.
template <std::size_t Count>
std::array<std::int32_t, Count> DrawDistinct(ProblemModule& m, std::int32_t n) {
  static_assert(Count >= 1);
  std::array<std::int32_t, Count> entries{};
  if constexpr (Count <= 2) {
    entries[0] = m.Random(n) + 1;
    if constexpr (Count == 2) {
      do entries[1] = m.Random(n) + 1;
      while (entries[1] == entries[0]);
    }
  } else {
    const auto pairwiseDifferent = [&] {
      for (std::size_t i = 0; i < Count; ++i)
        for (std::size_t j = i + 1; j < Count; ++j)
          if (entries[i] == entries[j]) return false;
      return true;
    };
    do
      for (std::int32_t& entry : entries) entry = m.Random(n) + 1;
    while (!pairwiseDifferent());
  }
  return entries;
}

}  // namespace mathsheets
