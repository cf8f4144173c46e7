#include "generators/fractions.h"

#include <array>

#include "generators/fractions_families.h"

namespace mathsheets {

namespace {

constexpr std::array<GeneratorBinding, 19> kBindings = {{
    {43, &fractions::SameDenominatorMinus},           // Дроби-
    {44, &fractions::SameDenominatorPlus},            // Дроби+
    {45, &fractions::OneMinusFraction},               // Дроби1-
    {46, &fractions::SumAboveOne},                    // Дроби1+
    {47, &fractions::AnyOneDenominator},              // Дроби1+-1
    {50, &fractions::TwoFractionsPlus},               // Дроби2+
    {51, &fractions::TwoFractionsMinus},              // Дроби2-
    {52, &fractions::TwoFractionsTimes},              // Дроби2Х
    {53, &fractions::TwoFractionsDivide},             // Дроби2:
    {54, &fractions::TwoMixedPlus},                   // Дроби3+
    {55, &fractions::TwoMixedMinus},                  // Дроби3-
    {56, &fractions::TwoMixedTimes},                  // Дроби3Х
    {57, &fractions::TwoMixedDivide},                 // Дроби3:
    {76, &fractions::AbsoluteValuePlus},              // ДробиМ
    {77, &fractions::ThreeFractions},                 // ДробиВ
    {99, &fractions::ThreeMixed},                     // Дроби + -
    {100, &fractions::ThreeMixedSharedPrime},         // Дроби izi
    {114, &fractions::MixedSameDenominatorPlain},     // Frac_real
    {115, &fractions::MixedSameDenominatorCarrying},  // Frac_extrim
}};

}  // namespace

std::span<const GeneratorBinding> FractionGenerators() {
  return kBindings;
}

}  // namespace mathsheets
