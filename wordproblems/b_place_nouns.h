#pragma once

// The things of the B problems about libraries, the forest, the factory, boxes, petals and the
// garden, beside the things of the children's stories (b_nouns.h).

#include <array>
#include <string_view>

#include "wordproblems/b_nouns.h"

namespace mathsheets {

// B58, B59, B64..B66: the libraries hold books and nothing else.
inline constexpr Nouns<1> Books = {{{"книжка", "книжки", "книжек", ""}}};

// B60..B62. Entries 1 to 7 are drawn, so the cedar never grows in the forest.
inline constexpr Nouns<8> Trees = {{
    {"дуб", "дуба", "дубов", ""},
    {"береза", "берези", "берез", ""},
    {"липа", "липы", "лип", ""},
    {"сосна", "сосны", "сосен", ""},
    {"елка", "елки", "елок", ""},
    {"ива", "ив", "ив", ""},
    {"орех", "ореха", "орехов", ""},
    {"кедр", "кедра", "кедров", ""},
}};

// B79..B86: whose petals, in the genitive ("У розы 10 лепесточков"). Entries 1 to 4 are drawn.
inline constexpr std::array<std::string_view, 5> Flowers = {"розы", "георгина", "пиона", "гвоздики",
                                                            "фиалки"};
inline constexpr std::int32_t kDrawnFlowers = 4;

// B87, B88: what the factory makes. Entries 1 to 5 are drawn.
inline constexpr Nouns<6> Goods = {{
    {"блокнот", "блокнота", "блокнотов", ""},
    {"прибор", "прибора", "приборов", ""},
    {"карандаш", "карандаша", "карандашей", ""},
    {"фламастер", "фламастера", "фламастеров", ""},
    {"корректор", "корректора", "корректоров", ""},
    {"пенал", "пенала", "пеналов", ""},
}};
inline constexpr std::int32_t kDrawnGoods = 5;

// B89..B96: what the boxes hold. Entries 1 to 6 are drawn.
inline constexpr Nouns<7> BoxItems = {{
    {"предмет", "предмета", "предметов", ""},
    {"яблоко", "яблока", "яблок", ""},
    {"тетрадь", "тетради", "тетрадей", ""},
    {"конфету", "конфеты", "конфет", ""},
    {"орех", "ореха", "орехов", ""},
    {"книжка", "книжки", "книжек", ""},
    {"карандаш", "карандаша", "карандашей", ""},
}};
inline constexpr std::int32_t kDrawnBoxItems = 6;

// B105, B108, B109. Form 4 names the trees without a count ("..., вишни и сливы."). Entries 1 to
// 7 are drawn, so the apricot, which has no form 4, never shows.
inline constexpr Nouns<8> GardenTrees = {{
    {"яблоня", "яблони", "яблонь", "яблони"},
    {"груша", "груши", "груш", "груши"},
    {"слива", "сливы", "слив", "сливы"},
    {"вишня", "вишни", "вишень", "вишни"},
    {"орех", "ореха", "орехов", "орехи"},
    {"черешня", "черешни", "черешень", "черешни"},
    {"шелковица", "шелковицы", "шелковиц", "шелковицы"},
    {"абрикос", "абрикосы", "абрикос", ""},
}};

// B106, B107, B110, B112.
inline constexpr Nouns<8> GardenFlowers = {{
    {"тюльпан", "тюльпана", "тюльпанов", "тюльпаны"},
    {"фиалка", "фиалки", "фиалок", "фиалки"},
    {"лилия", "лилии", "лилий", "лилии"},
    {"роза", "розы", "роз", "розы"},
    {"гвоздика", "гвоздики", "гвоздик", "гвоздики"},
    {"хризантема", "хризантемы", "хризантем", "хризантемы"},
    {"ромашка", "ромашки", "ромашек", "ромашки"},
    {"астра", "астры", "астр", "астры"},
}};

// The trees of the forest and the plants of the garden are drawn among their first seven.
inline constexpr std::int32_t kDrawnPlants = 7;

}  // namespace mathsheets
