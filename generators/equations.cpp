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
    {34, &SumTwoDigit},
    {35, &DifferenceTwoDigit},
    {36, &SixInTen<&DifferenceTwoDigit, &SumTwoDigit>},
    {37, &SumThreeDigit},
    {38, &DifferenceThreeDigit},
    {39, &SixInTen<&DifferenceThreeDigit, &SumThreeDigit>},
    {40, &Product},
    {41, &Quotient},
    {42, &SixInTen<&Quotient, &Product>},
    {61, &DivideByFraction},
    {62, &TimesFraction},
    {69, &LinearFraction},
    {74, &AbsoluteValue},
    {94, &Brackets},
}};

}  // namespace

std::span<const GeneratorBinding> EquationGenerators() {
  return kBindings;
}

}  // namespace mathsheets
