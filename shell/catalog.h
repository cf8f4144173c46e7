#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "generators/main_module.h"

namespace mathsheets {

// The family of generators a type belongs to.
enum class TaskFamily {
  Drills,
  Fractions,
  Divisibility,
  Equations,
  Decimals,
  PercentRatio,
  NamedQuantities,
  LiteralExpressions,
  RomanNumerals,
  Circles,
  ExpressionChains,
  SignedNumbers,
};

// One exercise type of the main catalog and the numbers of its controls in the main window
// (CheckBoxN, EditN, ButtonN); those numbers do not follow the run order.
struct TaskKind {
  int Number;  // 1..115, the place in the run order
  std::string_view Caption;
  int checkBox;
  int countBox;
  int button;
  int sample;  // N of the example files gen5/nbNs.txt and gen5/nbNt.txt
  TaskFamily family;
};

// The 115 types in run order.
inline constexpr std::array<TaskKind, kTaskKindCount> kTaskCatalog = {{
    {1, "Сложение2", 1, 1, 3, 1, TaskFamily::Drills},
    {2, "Сложение3", 2, 2, 4, 2, TaskFamily::Drills},
    {3, "Сложение4", 3, 3, 5, 3, TaskFamily::Drills},
    {4, "Вычитание2", 5, 5, 6, 4, TaskFamily::Drills},
    {5, "Вычитание3", 6, 6, 7, 5, TaskFamily::Drills},
    {6, "Вычитание4", 7, 7, 8, 6, TaskFamily::Drills},
    {7, "Умножение2", 8, 8, 9, 7, TaskFamily::Drills},
    {8, "Умножение3", 9, 10, 10, 8, TaskFamily::Drills},
    {9, "Умножение4", 10, 12, 11, 9, TaskFamily::Drills},
    {10, "Деление2", 11, 9, 12, 10, TaskFamily::Drills},
    {11, "Деление3", 12, 11, 13, 11, TaskFamily::Drills},
    {12, "Деление4", 13, 13, 14, 12, TaskFamily::Drills},
    {13, "УмножениеД+", 14, 14, 15, 13, TaskFamily::Decimals},
    {14, "ДелениеД+", 15, 15, 25, 23, TaskFamily::Decimals},
    {15, "СложениеД1", 16, 16, 16, 14, TaskFamily::Decimals},
    {16, "СложениеД2", 17, 17, 17, 15, TaskFamily::Decimals},
    {17, "СложениеД3", 18, 18, 18, 16, TaskFamily::Decimals},
    {18, "ВычитаниеД1", 19, 19, 19, 17, TaskFamily::Decimals},
    {19, "ВычитаниеД2", 20, 20, 20, 18, TaskFamily::Decimals},
    {20, "ВычитаниеД3", 21, 21, 21, 19, TaskFamily::Decimals},
    {21, "УмножениеД1", 22, 22, 22, 20, TaskFamily::Decimals},
    {22, "УмножениеД2", 23, 23, 23, 21, TaskFamily::Decimals},
    {23, "УмножениеД3", 24, 24, 24, 22, TaskFamily::Decimals},
    {24, "Среднее1", 25, 25, 28, 26, TaskFamily::PercentRatio},
    {25, "Среднее2", 26, 26, 29, 27, TaskFamily::PercentRatio},
    {26, "Среднее3", 27, 27, 30, 28, TaskFamily::PercentRatio},
    {27, "Среднее4", 28, 28, 31, 29, TaskFamily::PercentRatio},
    {28, "Среднее5", 29, 29, 32, 30, TaskFamily::PercentRatio},
    {29, "Среднее6", 30, 30, 33, 31, TaskFamily::PercentRatio},
    {30, "Процент от", 31, 31, 34, 32, TaskFamily::PercentRatio},
    {31, "Процент по", 32, 32, 35, 33, TaskFamily::PercentRatio},
    {32, "Выражение1", 33, 33, 26, 24, TaskFamily::ExpressionChains},
    {33, "Выражение2", 34, 34, 27, 25, TaskFamily::ExpressionChains},
    {34, "Уравнение+", 35, 35, 36, 34, TaskFamily::Equations},
    {35, "Уравнение-", 36, 36, 37, 35, TaskFamily::Equations},
    {36, "Уравнение+-", 37, 37, 38, 36, TaskFamily::Equations},
    {37, "Уравнение+2", 38, 38, 39, 37, TaskFamily::Equations},
    {38, "Уравнение-2", 39, 39, 40, 38, TaskFamily::Equations},
    {39, "Уравнение+-2", 40, 40, 41, 39, TaskFamily::Equations},
    {40, "УравнениеХ", 41, 41, 42, 40, TaskFamily::Equations},
    {41, "Уравнение:", 42, 42, 43, 41, TaskFamily::Equations},
    {42, "УравнениеХ:", 43, 43, 44, 42, TaskFamily::Equations},
    {43, "Дроби-", 44, 50, 45, 43, TaskFamily::Fractions},
    {44, "Дроби+", 45, 51, 46, 44, TaskFamily::Fractions},
    {45, "Дроби1-", 46, 52, 47, 45, TaskFamily::Fractions},
    {46, "Дроби1+", 47, 53, 48, 46, TaskFamily::Fractions},
    {47, "Дроби1+-1", 48, 54, 49, 46, TaskFamily::Fractions},
    {48, "НОД", 49, 55, 50, 47, TaskFamily::Divisibility},
    {49, "НОК", 50, 56, 51, 48, TaskFamily::Divisibility},
    {50, "Дроби2+", 51, 57, 52, 49, TaskFamily::Fractions},
    {51, "Дроби2-", 52, 58, 53, 50, TaskFamily::Fractions},
    {52, "Дроби2Х", 53, 59, 54, 51, TaskFamily::Fractions},
    {53, "Дроби2:", 54, 60, 55, 52, TaskFamily::Fractions},
    {54, "Дроби3+", 55, 61, 56, 53, TaskFamily::Fractions},
    {55, "Дроби3-", 56, 62, 57, 54, TaskFamily::Fractions},
    {56, "Дроби3Х", 57, 63, 58, 55, TaskFamily::Fractions},
    {57, "Дроби3:", 58, 64, 59, 56, TaskFamily::Fractions},
    {58, "Делители2", 59, 65, 60, 57, TaskFamily::Divisibility},
    {59, "В десятичное", 60, 66, 61, 58, TaskFamily::Decimals},
    {60, "Период", 61, 67, 62, 59, TaskFamily::Decimals},
    {61, "Уравнение:Д", 62, 68, 63, 60, TaskFamily::Equations},
    {62, "УравнениеХД", 63, 69, 64, 61, TaskFamily::Equations},
    {63, "Части2", 64, 70, 65, 62, TaskFamily::PercentRatio},
    {64, "Части3", 65, 71, 66, 63, TaskFamily::PercentRatio},
    {65, "Части4", 66, 72, 67, 64, TaskFamily::PercentRatio},
    {66, "СократитьД", 67, 73, 68, 65, TaskFamily::Divisibility},
    {67, "СравнитьД", 68, 74, 69, 66, TaskFamily::Divisibility},
    {68, "Пропорция", 69, 75, 70, 67, TaskFamily::PercentRatio},
    {69, "Уравнение6", 70, 76, 71, 68, TaskFamily::Equations},
    {70, "СложениеМ", 71, 77, 72, 69, TaskFamily::SignedNumbers},
    {71, "ВычитаниеМ", 72, 78, 73, 70, TaskFamily::SignedNumbers},
    {72, "УмножениеМ", 73, 79, 74, 71, TaskFamily::SignedNumbers},
    {73, "ДелениеМ", 74, 80, 75, 72, TaskFamily::SignedNumbers},
    {74, "УравнениеМ", 75, 81, 76, 73, TaskFamily::Equations},
    {75, "Упростить", 76, 82, 77, 74, TaskFamily::LiteralExpressions},
    {76, "ДробиМ", 77, 83, 78, 75, TaskFamily::Fractions},
    {77, "ДробиВ", 78, 84, 79, 76, TaskFamily::Fractions},
    {78, "Раскрыть", 79, 85, 80, 77, TaskFamily::LiteralExpressions},
    {79, "Винести", 80, 86, 81, 78, TaskFamily::LiteralExpressions},
    {80, "Делители1", 81, 87, 82, 79, TaskFamily::Divisibility},
    {81, "10->X (1)", 82, 88, 85, 80, TaskFamily::RomanNumerals},
    {82, "10->X (2)", 83, 89, 86, 81, TaskFamily::RomanNumerals},
    {83, "10->X (3)", 84, 90, 87, 82, TaskFamily::RomanNumerals},
    {84, "X->10 (1)", 85, 91, 88, 83, TaskFamily::RomanNumerals},
    {85, "X->10 (2)", 86, 92, 89, 84, TaskFamily::RomanNumerals},
    {86, "X->10 (3)", 87, 93, 90, 85, TaskFamily::RomanNumerals},
    {87, "Сложение_и", 88, 94, 91, 86, TaskFamily::NamedQuantities},
    {88, "Вычитание_и", 89, 95, 92, 87, TaskFamily::NamedQuantities},
    {89, "Именованные1", 90, 96, 93, 88, TaskFamily::NamedQuantities},
    {90, "Именованные2", 91, 97, 94, 89, TaskFamily::NamedQuantities},
    {91, "Именованные3", 92, 98, 95, 90, TaskFamily::NamedQuantities},
    {92, "Упростить", 93, 99, 96, 91, TaskFamily::LiteralExpressions},
    {93, "Значение_в", 94, 100, 97, 92, TaskFamily::LiteralExpressions},
    {94, "Уравнение()", 95, 101, 98, 93, TaskFamily::Equations},
    {95, "Умножение_и", 96, 102, 99, 94, TaskFamily::NamedQuantities},
    {96, "Интеллект", 97, 103, 100, 95, TaskFamily::LiteralExpressions},
    {97, "Именованные4", 98, 104, 101, 96, TaskFamily::NamedQuantities},
    {98, "Округление", 99, 105, 102, 97, TaskFamily::Decimals},
    {99, "Дроби + -", 100, 106, 103, 99, TaskFamily::Fractions},
    {100, "Дроби izi", 101, 107, 104, 100, TaskFamily::Fractions},
    {101, "Делители 0", 102, 108, 105, 98, TaskFamily::Divisibility},
    {102, "Длинна к", 103, 109, 106, 101, TaskFamily::Circles},
    {103, "Площадь к", 104, 110, 107, 102, TaskFamily::Circles},
    {104, "Диаметр", 105, 111, 108, 103, TaskFamily::Circles},
    {105, "Колесо обороты", 106, 112, 109, 104, TaskFamily::Circles},
    {106, "Рациональные", 107, 113, 110, 107, TaskFamily::SignedNumbers},
    {107, "ration2", 108, 114, 111, 108, TaskFamily::SignedNumbers},
    {108, "Ration3", 109, 115, 112, 109, TaskFamily::SignedNumbers},
    {109, "Ration4", 110, 116, 113, 110, TaskFamily::SignedNumbers},
    {110, "Ration5", 111, 117, 114, 111, TaskFamily::SignedNumbers},
    {111, "Ration6", 112, 118, 115, 112, TaskFamily::SignedNumbers},
    {112, "Ration7", 113, 119, 116, 113, TaskFamily::SignedNumbers},
    {113, "Ration8", 114, 120, 117, 114, TaskFamily::SignedNumbers},
    {114, "Frac_real", 115, 121, 118, 105, TaskFamily::Fractions},
    {115, "Frac_extrim", 116, 122, 119, 106, TaskFamily::Fractions},
}};

// Throws std::out_of_range for a number outside 1..115.
inline const TaskKind& TaskKindByNumber(int number) {
  if (number < 1 || number > kTaskKindCount)
    throw std::out_of_range("no exercise type " + std::to_string(number));
  return kTaskCatalog[static_cast<std::size_t>(number - 1)];
}

// The first type that shows sample N, if any.
std::optional<int> TaskNumberOfSample(int sample);

}  // namespace mathsheets
