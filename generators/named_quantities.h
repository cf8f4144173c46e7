#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "generators/generator.h"

namespace mathsheets {

// The abbreviations of one pair of units, with the blanks that surround them in the lines: the
// smaller unit inside a line, before the equals sign, at the end of an answer and before the
// multiplier of a product.
struct UnitWords {
  std::string_view larger;
  std::string_view smaller;
  std::string_view smallerEquals;
  std::string_view smallerEnd;
  std::string_view smallerTimes;
};

inline constexpr UnitWords kHourWords{" час ", " мн ", " мн=", " мн", " мн)x "};
inline constexpr UnitWords kMetreWords{" м ", " см ", " см=", " см", " см)x "};
inline constexpr UnitWords kKilogramWords{" кг ", " г ", " г=", " г", " г)x "};
inline constexpr UnitWords kRoubleWords{" руб ", " коп ", " коп=", " коп", " коп)x "};

// A quantity in a larger and a smaller unit, such as 3 hours 45 minutes.
struct Compound {
  std::int32_t larger;
  std::int32_t smaller;
};

// "3 час 45 мн + 2 час 30 мн=": the sign is "+" or "-".
std::string CompoundSumLine(const UnitWords& words, Compound first, std::string_view sign,
                            Compound second);

// "6 час 15 мн": an answer.
std::string CompoundText(const UnitWords& words, Compound value);

// "(7 м 35 см)x 64 =".
std::string CompoundProductLine(const UnitWords& words, Compound value, std::int32_t factor);

// Numbers joined by "+", ending with "=": "137+4521+63=".
std::string PlusChainLine(std::span<const std::int32_t> numbers);

// Types 87, 88, 89, 90, 91, 95 and 97.
std::span<const GeneratorBinding> NamedQuantityGenerators();

// The exercises of computing in a convenient order, in their own file.
void ConvenientSum(MainModule& m, WorksheetFiles& files);
void ConvenientDifference(MainModule& m, WorksheetFiles& files);
void ConvenientProduct(MainModule& m, WorksheetFiles& files);

}  // namespace mathsheets
