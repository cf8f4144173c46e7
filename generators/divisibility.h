#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "generators/generator.h"

namespace mathsheets {

enum class PairQuestion { Gcd, Lcm };

// The student line "НОД(21,6)=" or "НОK(21,6)=" (the K of the second is a Latin letter, as the
// worksheets have always printed it).
std::string PairQuestionLine(PairQuestion question, std::int64_t a, std::int64_t b);

// The teacher's factor list "   3   2   3   7": every factor after three blanks, in drawing order.
std::string FactorListText(std::span<const std::int64_t> factors);

// The lines one multi-line divisibility exercise writes to each file.
struct DivisibilityLines {
  std::vector<std::string> student;
  std::vector<std::string> teacher;
};

// "Сократите дробь" for numerator over denominator with common divisor `gcd`; the bars are fixed
// whatever the width of the numbers.
DivisibilityLines ReduceFractionLines(std::int64_t numerator, std::int64_t denominator,
                                      std::int64_t gcd);

// "Сравните дроби:" for n1/d1 against n2/d2; the fractions must differ.
DivisibilityLines CompareFractionsLines(std::int64_t n1, std::int64_t d1, std::int64_t n2,
                                        std::int64_t d2);

// Types 48 "НОД", 49 "НОК", 58 "Делители2", 66 "СократитьД", 67 "СравнитьД", 80 "Делители1" and
// 101 "Делители 0".
std::span<const GeneratorBinding> DivisibilityGenerators();

}  // namespace mathsheets
