#include "generators/equations.h"

#include <array>

#include "generators/equations_families.h"

namespace mathsheets {

namespace {

using namespace equations;

// The mixed types give the first member six exercises in ten.
template <TaskGenerator Likelier, TaskGenerator Other>
void SixInTen(MainModule& m, WorksheetFiles& files) {
  (m.Random(10) < 6 ? Likelier : Other)(m, files);
}

constexpr std::array<GeneratorBinding, 14> kBindings = {{
    {34, &SumTwoDigit},                                      // Уравнение+
    {35, &DifferenceTwoDigit},                               // Уравнение-
    {36, &SixInTen<&DifferenceTwoDigit, &SumTwoDigit>},      // Уравнение+-
    {37, &SumThreeDigit},                                    // Уравнение+2
    {38, &DifferenceThreeDigit},                             // Уравнение-2
    {39, &SixInTen<&DifferenceThreeDigit, &SumThreeDigit>},  // Уравнение+-2
    {40, &Product},                                          // УравнениеХ
    {41, &Quotient},                                         // Уравнение:
    {42, &SixInTen<&Quotient, &Product>},                    // УравнениеХ:
    {61, &DivideByFraction},                                 // Уравнение:Д
    {62, &TimesFraction},                                    // УравнениеХД
    {69, &LinearFraction},                                   // Уравнение6
    {74, &AbsoluteValue},                                    // УравнениеМ
    {94, &Brackets},                                         // Уравнение()
}};

}  // namespace

std::span<const GeneratorBinding> EquationGenerators() {
  return kBindings;
}

}  // namespace mathsheets
