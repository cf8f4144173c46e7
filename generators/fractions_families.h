#pragma once

#include "generators/generator.h"

// The generators of the common-fraction types, one per catalog type, bound together in
// FractionGenerators().
namespace mathsheets::fractions {

// One denominator: a/d - b/d, a/d + b/d, 1 - a/d, and a sum between one and two.
void SameDenominatorMinus(MainModule& m, WorksheetFiles& files);
void SameDenominatorPlus(MainModule& m, WorksheetFiles& files);
void OneMinusFraction(MainModule& m, WorksheetFiles& files);
void SumAboveOne(MainModule& m, WorksheetFiles& files);
// One of the four above, drawn at random.
void AnyOneDenominator(MainModule& m, WorksheetFiles& files);

// Two fractions with different denominators.
void TwoFractionsPlus(MainModule& m, WorksheetFiles& files);
void TwoFractionsMinus(MainModule& m, WorksheetFiles& files);
void AbsoluteValuePlus(MainModule& m, WorksheetFiles& files);
void TwoFractionsTimes(MainModule& m, WorksheetFiles& files);
void TwoFractionsDivide(MainModule& m, WorksheetFiles& files);

// Two mixed numbers.
void TwoMixedPlus(MainModule& m, WorksheetFiles& files);
void TwoMixedMinus(MainModule& m, WorksheetFiles& files);
void TwoMixedTimes(MainModule& m, WorksheetFiles& files);
void TwoMixedDivide(MainModule& m, WorksheetFiles& files);

// Chains of three fractions and of three mixed numbers.
void ThreeFractions(MainModule& m, WorksheetFiles& files);
void ThreeMixed(MainModule& m, WorksheetFiles& files);
void ThreeMixedSharedPrime(MainModule& m, WorksheetFiles& files);

// Mixed numbers over one denominator, added or subtracted at random: plain, and with numerators
// that always carry or borrow.
void MixedSameDenominatorPlain(MainModule& m, WorksheetFiles& files);
void MixedSameDenominatorCarrying(MainModule& m, WorksheetFiles& files);

}  // namespace mathsheets::fractions
