#pragma once

// The things of the B problems, each noun with the forms that agree with a count.

#include <array>
#include <cstdint>
#include <string_view>

#include "wordproblems/problem_module.h"

namespace mathsheets {

// Form 1 agrees with 1, 21, 31, ...; form 2 with 2 to 4; form 3 with 0 and 5 to 20 and is the form
// of the questions; form 4, where a table has one, is the plural that names the things without a
// count. Several entries spell a letter with its Latin look-alike ("бaнaн"); the worksheets have
// always shown them so, and they are kept.
using Noun = std::array<std::string_view, 4>;
template <std::size_t N>
using Nouns = std::array<Noun, N>;

// `table` with noun `i` (from 1) replaced.
template <std::size_t N>
constexpr Nouns<N> WithNoun(Nouns<N> table, std::int32_t i, const Noun& noun) {
  table[static_cast<std::size_t>(i - 1)] = noun;
  return table;
}

// B1.
inline constexpr Nouns<8> ThingsA = {{
    {"яблоко", "яблока", "яблок", ""},
    {"рубль", "рубля", "рублей", ""},
    {"банан", "банана", "бананов", ""},
    {"тетрадь", "тетради", "тетрадей", ""},
    {"конфета", "конфеты", "конфет", ""},
    {"орех", "ореха", "орехов", ""},
    {"книжка", "книжки", "книжек", ""},
    {"карандаш", "карандаша", "карандашей", ""},
}};
// Most of the problems.
inline constexpr Nouns<8> ThingsB = {{
    {"яблоко", "яблока", "яблок", ""},
    {"бaнaн", "бaнaнa", "бaнaнов", ""},
    {"конфета", "конфеты", "конфет", ""},
    {"игрушкa", "игрушкu", "игрушек", ""},
    {"грушa", "грушu", "груш", ""},
    {"aпельсин", "aпeльсинa", "aпeльсинов", ""},
    {"пирожное", "пирожных", "пирожных", ""},
    {"пряник", "пряника", "пряников", ""},
}};
// B3.
inline constexpr Nouns<8> ThingsC = {{
    {"бублик", "бублика", "бубликов", ""},
    {"пирожное", "пирожных", "пирожных", ""},
    {"апельсин", "апельсина", "апельсинов", ""},
    {"дискета", "дискеты", "дискет", ""},
    {"цветок", "цветка", "цветков", ""},
    {"рубль", "рубля", "рублей", ""},
    {"пряник", "пряника", "пряников", ""},
    {"ручка", "ручки", "ручек", ""},
}};
// B10 and the "how many times more" problems.
inline constexpr Nouns<8> ThingsD = {{
    {"бублик", "бублика", "бубликов", ""},
    {"пирожное", "пирожных", "пирожных", ""},
    {"aпельсин", "aпeльсинa", "aпeльсинов", ""},
    {"дискета", "дискеты", "дискет", ""},
    {"цветочек", "цветочка", "цветочков", ""},
    {"рисунок", "рисунка", "рисунков", ""},
    {"пряник", "пряника", "пряников", ""},
    {"карандаш", "карандаша", "карандашей", ""},
}};
// B12: felt-tip pens in place of floppy disks.
inline constexpr Nouns<8> ThingsE =
    WithNoun(ThingsD, 4, {"фламастер", "фламастера", "фламастеров", ""});
// B27, B38, B49: what the children ate. Form 1 and form 4 are accusative ("съели 21 конфету",
// "оставила детям конфеты").
inline constexpr Nouns<8> ThingsF = {{
    {"яблоко", "яблока", "яблок", "яблоки"},
    {"бaнaн", "бaнaнa", "бaнaнов", "бананы"},
    {"конфету", "конфеты", "конфет", "конфеты"},
    {"cливу", "сливы", "слив", "сливы"},
    {"грушу", "груши", "груш", "груши"},
    {"орех", "ореха", "орехов", "орехи"},
    {"пирожное", "пирожных", "пирожных", "пирожные"},
    {"пряник", "пряника", "пряников", "пряники"},
}};

// The word after a multiplier ("в 3 раза").
inline constexpr Noun TimesWord = {"раз", "раза", "раз", ""};

// Form 3, the genitive plural of the questions, and form 4.
constexpr std::string_view Form3(const Noun& noun) {
  return noun[2];
}
constexpr std::string_view Form4(const Noun& noun) {
  return noun[3];
}

// The form of `noun` after `count` as the selector of `rule` decides it. The selector writes its
// class into `cls` (the module's class variable) or, where its rule gives none, leaves the class of
// the call before; `count` is a copy, so the caller's count is shown as drawn.
std::string_view NounAfter(const Noun& noun, NounRule rule, std::int32_t count, std::int32_t& cls);

}  // namespace mathsheets
