#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "generators/generator.h"

namespace mathsheets {

// The Roman numerals of 0..99 in subtractive notation, one row per tens digit; 0 is the empty
// text, so that a number without units and tens adds nothing after its hundreds.
// clang-format off
inline constexpr std::array<std::string_view, 100> RomanUnits = {
    "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX",
    "X", "XI", "XII", "XIII", "XIV", "XV", "XVI", "XVII", "XVIII", "XIX",
    "XX", "XXI", "XXII", "XXIII", "XXIV", "XXV", "XXVI", "XXVII", "XXVIII", "XXIX",
    "XXX", "XXXI", "XXXII", "XXXIII", "XXXIV", "XXXV", "XXXVI", "XXXVII", "XXXVIII", "XXXIX",
    "XL", "XLI", "XLII", "XLIII", "XLIV", "XLV", "XLVI", "XLVII", "XLVIII", "XLIX",
    "L", "LI", "LII", "LIII", "LIV", "LV", "LVI", "LVII", "LVIII", "LIX",
    "LX", "LXI", "LXII", "LXIII", "LXIV", "LXV", "LXVI", "LXVII", "LXVIII", "LXIX",
    "LXX", "LXXI", "LXXII", "LXXIII", "LXXIV", "LXXV", "LXXVI", "LXXVII", "LXXVIII", "LXXIX",
    "LXXX", "LXXXI", "LXXXII", "LXXXIII", "LXXXIV", "LXXXV", "LXXXVI", "LXXXVII", "LXXXVIII", "LXXXIX",
    "XC", "XCI", "XCII", "XCIII", "XCIV", "XCV", "XCVI", "XCVII", "XCVIII", "XCIX",
};

// The hundreds of 100..999 by the hundreds digit 1..9 (index 0 is empty).
inline constexpr std::array<std::string_view, 10> HundredsPrefix = {
    "", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM",
};

// The thousands and hundreds of 1000..2999 by the thousands digit 1..2 and the hundreds digit
// 0..9 (row 0 is unused, so that the digit indexes directly).
inline constexpr std::array<std::array<std::string_view, 10>, 3> ThousandsPrefix = {{
    {},
    {"M",  "MC",  "MCC",  "MCCC",  "MCD",  "MD",  "MDC",  "MDCC",  "MDCCC",  "MCM"},
    {"MM", "MMC", "MMCC", "MMCCC", "MMCD", "MMD", "MMDC", "MMDCC", "MMDCCC", "MMCM"},
}};
// clang-format on

// The standard Roman numeral of 1..2999; empty outside that range.
std::string RomanText(std::int32_t n);

// Types 81..86: decimal to Roman and Roman to decimal, for 1..99, 100..998 and 1000..2998.
std::span<const GeneratorBinding> RomanGenerators();

}  // namespace mathsheets
