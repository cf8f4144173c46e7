#pragma once

#include <span>

#include "generators/generator.h"

// The generators of the percent, ratio, proportion and mean types, bound together in
// PercentRatioGenerators().
namespace mathsheets::percent_ratio {

// The six mean types, 24..29.
std::span<const GeneratorBinding> MeanGenerators();

void PercentOf(MainModule& m, WorksheetFiles& files);
void PercentBy(MainModule& m, WorksheetFiles& files);

void TwoParts(MainModule& m, WorksheetFiles& files);
void ThreeParts(MainModule& m, WorksheetFiles& files);
void ChainedParts(MainModule& m, WorksheetFiles& files);
void ProportionTable(MainModule& m, WorksheetFiles& files);

}  // namespace mathsheets::percent_ratio
