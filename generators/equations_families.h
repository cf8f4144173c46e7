#pragma once

#include "generators/generator.h"

// The generators of the equation types, bound to their catalog numbers in EquationGenerators().
namespace mathsheets::equations {

// a + b = s and m - d = r with one operand unknown: s and m below 100, and from 400 to 999.
void SumTwoDigit(MainModule& m, WorksheetFiles& files);
void DifferenceTwoDigit(MainModule& m, WorksheetFiles& files);
void SumThreeDigit(MainModule& m, WorksheetFiles& files);
void DifferenceThreeDigit(MainModule& m, WorksheetFiles& files);

// a x n = p and p : n = a, the second operand unknown.
void Product(MainModule& m, WorksheetFiles& files);
void Quotient(MainModule& m, WorksheetFiles& files);

// An equation with one pair of brackets.
void Brackets(MainModule& m, WorksheetFiles& files);

// |x| - d = r or |x| + d = s in tenths.
void AbsoluteValue(MainModule& m, WorksheetFiles& files);

// X : fraction = fraction, X • fraction = fraction, and (a·x ± b)/c = d/e.
void DivideByFraction(MainModule& m, WorksheetFiles& files);
void TimesFraction(MainModule& m, WorksheetFiles& files);
void LinearFraction(MainModule& m, WorksheetFiles& files);

}  // namespace mathsheets::equations
