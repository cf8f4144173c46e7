// The bytes every generator writes for a fixed seed, pinned as one digest per type: a change that
// is meant to leave the worksheets alone (a faster encoder, fewer allocations) must keep every
// row. A row changes only with a commit that says why that type's output changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "generators/registry.h"
#include "shell/catalog.h"
#include "shell/main_selection.h"
#include "testing/output_digest.h"

namespace mathsheets {
namespace {

struct DigestRow {
  int number;
  std::string_view caption;
  std::uint64_t digest;
};

// clang-format off
constexpr DigestRow kTypeDigests[] = {
    {1, "Сложение2", 0x996d9954108654b7ULL},
    {2, "Сложение3", 0xd626342883d4ef5dULL},
    {3, "Сложение4", 0xbda707b067894582ULL},
    {4, "Вычитание2", 0xcb70f26ed0fdf79eULL},
    {5, "Вычитание3", 0xa0e900fa58b23a35ULL},
    {6, "Вычитание4", 0x93c35dcddac68873ULL},
    {7, "Умножение2", 0x41717e5358f7ecf8ULL},
    {8, "Умножение3", 0x466716cbab33008fULL},
    {9, "Умножение4", 0x8566252015f40709ULL},
    {10, "Деление2", 0xc950b45a0ad26db2ULL},
    {11, "Деление3", 0x113220ac4217f52cULL},
    {12, "Деление4", 0x5ae6d62d07bd995eULL},
    {13, "УмножениеД+", 0x995ec179b3dadabfULL},
    {14, "ДелениеД+", 0xba095cbb7ac5632fULL},
    {15, "СложениеД1", 0xf17f1be253be8652ULL},
    {16, "СложениеД2", 0x875242263a047746ULL},
    {17, "СложениеД3", 0xb684c86f6152c739ULL},
    {18, "ВычитаниеД1", 0xa3efa836fb646f73ULL},
    {19, "ВычитаниеД2", 0xcee31d2e8eb7b7f1ULL},
    {20, "ВычитаниеД3", 0x2ff44c3537147481ULL},
    {21, "УмножениеД1", 0x4a9530365bda3a05ULL},
    {22, "УмножениеД2", 0x4986ec7e2f3815dfULL},
    {23, "УмножениеД3", 0x6657e2721acbe689ULL},
    {24, "Среднее1", 0xadf553633a030023ULL},
    {25, "Среднее2", 0xca14e98300bf5d61ULL},
    {26, "Среднее3", 0xf3a3086f8e9ef456ULL},
    {27, "Среднее4", 0xa4bb411111e05be7ULL},
    {28, "Среднее5", 0x7cd7fc70a56d173fULL},
    {29, "Среднее6", 0x5fa46a3c035e769fULL},
    {30, "Процент от", 0x44529331d6e61190ULL},
    {31, "Процент по", 0x9168f423e2e52014ULL},
    {32, "Выражение1", 0x5b77acf1d675499fULL},
    {33, "Выражение2", 0x114f6530f1283ff7ULL},
    {34, "Уравнение+", 0x8f67409b8c940b7fULL},
    {35, "Уравнение-", 0xd7e9af1909b0c542ULL},
    {36, "Уравнение+-", 0x1e4efebde69f9c0bULL},
    {37, "Уравнение+2", 0x3826d66c5838bf8eULL},
    {38, "Уравнение-2", 0x12708c1709b838fbULL},
    {39, "Уравнение+-2", 0xb1f7d5191b52f61fULL},
    {40, "УравнениеХ", 0x76db99509bf0130dULL},
    {41, "Уравнение:", 0x32695d3eaffcc503ULL},
    {42, "УравнениеХ:", 0x460340b5ce72547cULL},
    {43, "Дроби-", 0xf3043a6d044d160cULL},
    {44, "Дроби+", 0xc2bee328cc974395ULL},
    {45, "Дроби1-", 0xb82e54e52fec4ff5ULL},
    {46, "Дроби1+", 0xf48a35a2116dee08ULL},
    {47, "Дроби1+-1", 0x3aeeee5c7a65651dULL},
    {48, "НОД", 0x5281c49b6b61ac79ULL},
    {49, "НОК", 0x26cb541fe4956705ULL},
    {50, "Дроби2+", 0xc7cf1c5c18833155ULL},
    {51, "Дроби2-", 0xd71e55f67cbb510bULL},
    {52, "Дроби2Х", 0xc4e811aab155b904ULL},
    {53, "Дроби2:", 0x4c6bd99ad1a5f9d6ULL},
    {54, "Дроби3+", 0xea9c073d73999caeULL},
    {55, "Дроби3-", 0xb40c10afad5a678aULL},
    {56, "Дроби3Х", 0x89dd753db888b3ceULL},
    {57, "Дроби3:", 0x7cc6f6030f068403ULL},
    {58, "Делители2", 0xd4911b4430259adcULL},
    {59, "В десятичное", 0x426415adcdaddbf6ULL},
    {60, "Период", 0xe06f75f97513f9e9ULL},
    {61, "Уравнение:Д", 0x8592d5a7b43528a0ULL},
    {62, "УравнениеХД", 0x38300f47f6fc290dULL},
    {63, "Части2", 0xb1a04bdddf53da91ULL},
    {64, "Части3", 0x9d6520ef4cabaefbULL},
    {65, "Части4", 0xe9445123f9ba8f8aULL},
    {66, "СократитьД", 0x8a201160d8d24b63ULL},
    {67, "СравнитьД", 0x0ca69e213dacce99ULL},
    {68, "Пропорция", 0xabae806677c6109dULL},
    {69, "Уравнение6", 0x411e640d492e3f44ULL},
    {70, "СложениеМ", 0x6efbf767bb13a5feULL},
    {71, "ВычитаниеМ", 0x2e9a92ac17c60109ULL},
    {72, "УмножениеМ", 0xfd871836816ed43fULL},
    {73, "ДелениеМ", 0xc3ca8c0ef8c65aafULL},
    {74, "УравнениеМ", 0xc19df5eedd239fdfULL},
    {75, "Упростить", 0xb36bb0de5545392aULL},
    {76, "ДробиМ", 0x867937fea53eaa01ULL},
    {77, "ДробиВ", 0x62361abb343459d9ULL},
    {78, "Раскрыть", 0x2b3b283276ffa010ULL},
    {79, "Винести", 0xe30550726a6f2347ULL},
    {80, "Делители1", 0xf54cf2e333885db6ULL},
    {81, "10->X (1)", 0x63b5b6e1030c0f24ULL},
    {82, "10->X (2)", 0x544578e60712fd7bULL},
    {83, "10->X (3)", 0xfb9cf79e8e3ebe47ULL},
    {84, "X->10 (1)", 0x6400cf5bc1a33279ULL},
    {85, "X->10 (2)", 0x8fbf537478b43601ULL},
    {86, "X->10 (3)", 0x8f2965efaeefbd0eULL},
    {87, "Сложение_и", 0xe09f42b39d81c54dULL},
    {88, "Вычитание_и", 0x7bc482cae71b3474ULL},
    {89, "Именованные1", 0xd8754c86ce1938f3ULL},
    {90, "Именованные2", 0x1d11c89e5c1898b5ULL},
    {91, "Именованные3", 0xd0dbc2238121b283ULL},
    {92, "Упростить", 0xc84a43aef5fb7902ULL},
    {93, "Значение_в", 0xb74a07e28291adfbULL},
    {94, "Уравнение()", 0x9ccea93bb859e309ULL},
    {95, "Умножение_и", 0xe2e1d158fa50f152ULL},
    {96, "Интеллект", 0x06987be828a2013bULL},
    {97, "Именованные4", 0xdec1469536382740ULL},
    {98, "Округление", 0x6ae3217de121a1abULL},
    {99, "Дроби + -", 0x534d7a646de384c7ULL},
    {100, "Дроби izi", 0xf390f31945effca8ULL},
    {101, "Делители 0", 0x6c8cb4c211774903ULL},
    {102, "Длинна к", 0x28e8094c6d430bdaULL},
    {103, "Площадь к", 0xd9778ab750c33c8bULL},
    {104, "Диаметр", 0x0b6a819bcc34ae68ULL},
    {105, "Колесо обороты", 0x1ebbb3c63eefa13aULL},
    {106, "Рациональные", 0xc6d8cb9667c03929ULL},
    {107, "ration2", 0x775a3709e7b72bbaULL},
    {108, "Ration3", 0x51159709bae32578ULL},
    {109, "Ration4", 0x0d394afe4be46b3aULL},
    {110, "Ration5", 0x01fb1506fad44f94ULL},
    {111, "Ration6", 0xcfeed05e01c717c0ULL},
    {112, "Ration7", 0x8409bf373a890d57ULL},
    {113, "Ration8", 0x3d1fb2ab5dbbb97dULL},
    {114, "Frac_real", 0x1ba3a878c715c540ULL},
    {115, "Frac_extrim", 0x1d2839e6bb811dfaULL},
};
// clang-format on

constexpr std::uint64_t kSeed = 20240601;
constexpr int kRounds = 6;
constexpr int kExercisesPerRound = 20;

// Each type from a fresh module, so a type added later cannot move the digest of another. Round r
// clicks the r-th button of every radio group (the last one where a group has fewer) and flips
// WidePrimes, so the levels the generators read are all visited; round 0 is the start-up state.
std::uint64_t TypeDigest(int number) {
  std::uint64_t digest = testing::kFnvOffsetBasis;
  testing::DigestSink student(digest), teacher(digest);
  WorksheetFiles files{student, teacher};
  Pcg32 random(kSeed);
  MainModule module(random);
  MainSelection selection(module);
  const TaskGenerator generate = FindTaskGenerator(number);
  for (int round = 0; round < kRounds; ++round) {
    if (round > 0)
      for (const OptionGroupInfo& group : kOptionGroups)
        selection.RadioButtonClick(group.group, std::min(round, group.buttons));
    module.WidePrimes = round % 2 == 1;
    for (int i = 0; i < kExercisesPerRound; ++i) generate(module, files);
  }
  return digest;
}

// Rows are keyed by the number and the caption together: two types share the caption "Упростить".
const DigestRow* RowOf(const TaskKind& kind) {
  for (const DigestRow& row : kTypeDigests)
    if (row.number == kind.Number && row.caption == kind.Caption) return &row;
  return nullptr;
}

TEST(TypeDigest, EveryGeneratorWritesThePinnedBytes) {
  std::string missing;
  for (const TaskKind& kind : kTaskCatalog) {
    if (FindTaskGenerator(kind.Number) == nullptr) continue;
    const std::uint64_t digest = TypeDigest(kind.Number);
    const DigestRow* row = RowOf(kind);
    if (row == nullptr) {
      missing += "    {" + std::to_string(kind.Number) + ", \"" + std::string(kind.Caption) +
                 "\", " + testing::DigestLiteral(digest) + "},\n";
      continue;
    }
    EXPECT_EQ(testing::DigestLiteral(row->digest), testing::DigestLiteral(digest))
        << kind.Caption << " writes other bytes than before";
  }
  EXPECT_TRUE(missing.empty()) << "types without a pinned digest; add these rows:\n" << missing;
}

TEST(TypeDigest, EveryRowHasAGenerator) {
  for (const DigestRow& row : kTypeDigests) {
    ASSERT_TRUE(row.number >= 1 && row.number <= kTaskKindCount) << row.caption;
    EXPECT_EQ(TaskKindByNumber(row.number).Caption, row.caption) << "type " << row.number;
    EXPECT_NE(FindTaskGenerator(row.number), nullptr) << row.caption << " has no generator";
  }
}

}  // namespace
}  // namespace mathsheets
