#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/random.h"
#include "generators/generator.h"

namespace mathsheets {

// The lines one exercise of this family writes to each file.
struct PercentRatioLines {
  std::vector<std::string> student;
  std::vector<std::string> teacher;
};

// Every student line, then every teacher line.
void WriteLines(WorksheetFiles& files, const PercentRatioLines& lines);

// ---- the arithmetic mean ----

// How a mean exercise shows its values and what it asks for.
enum class MeanLayout {
  MeanBelow,  // the values, then "Найдите среднее арифметическое   CA=" on its own line
  MeanInline,          // the values and "   CA=" on one line
  UnknownLastSmall,    // the mean given, the last value replaced by a Latin x
  UnknownLastCapital,  // the mean given, the last value replaced by a Latin X
};

// Each value is Draw10(span, base) of the large or the small range.
struct MeanRange {
  std::int32_t largeSpan;
  std::int32_t largeBase;
  std::int32_t smallSpan;
  std::int32_t smallBase;
};

// Six to ten values, each from the large range (49 chances in 100) or the small one, with the
// first value raised so that their sum is a multiple of their count.
std::vector<std::int32_t> DrawMeanValues(RandomSource& random, MeanRange range);

// The lines of a mean exercise; values and mean are whole numbers (places 0) or tenths (1).
PercentRatioLines MeanLines(MeanLayout layout, std::span<const std::int32_t> values,
                            std::int32_t mean, int places);

// ---- percentages ----

// "Найдите 20% от числа 4,5": tenths times a whole percentage, the answer in thousandths.
PercentRatioLines PercentOfLines(std::int32_t tenths, std::int32_t percent);

// "Найдите число, если 20%  этого числа равно 9,00": the known part in hundredths, the answer
// the whole number sought.
PercentRatioLines PercentByLines(std::int32_t percent, std::int32_t sought);

// ---- ratios and proportion ----

// N = multiplier x (sum of terms) divided into two or three parts in the ratio of the terms,
// which is not reduced.
PercentRatioLines RatioPartsLines(std::span<const std::int32_t> terms, std::int32_t multiplier);

// Three parts x:y:z given as x:y = c:p and y:z = q:d, so x:y:z = cq:pq:pd.
PercentRatioLines ChainedRatioLines(std::int32_t p, std::int32_t q, std::int32_t c, std::int32_t d,
                                    std::int32_t multiplier);

// The table of x (tenths) and y = factor x x; the student is shown x_1..x_3, y_2 and y_4.
// Every x and y must have two digits so that the columns line up.
PercentRatioLines ProportionLines(std::int32_t factor, const std::array<std::int32_t, 4>& x);

// Types 24..29 "Среднее1".."Среднее6", 30 "Процент от", 31 "Процент по", 63..65 "Части2"..
// "Части4" and 68 "Пропорция".
std::span<const GeneratorBinding> PercentRatioGenerators();

}  // namespace mathsheets
