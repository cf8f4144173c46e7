#pragma once

#include <cstdint>

namespace mathsheets {

// Noun-form classes: 1 agrees with 1, 21, 31...; 2 with 2..4, 22...; 3 with 0, 5..20, 25...;
// 4 is the nominative plural some problems use in place of class 1. Each selector writes the class
// into `cls`, or leaves `cls` as it was where its rule gives no class.

void PluralClass(std::int32_t n, std::int32_t& cls);
// As PluralClass, with every class 1 written as 4.
void PluralClassOne4(std::int32_t n, std::int32_t& cls);

// The last-two-digits selectors also cut the count `n` down to its last two digits:
// Trim cuts every n >= 100, Tail every n > 100, TailKeep every n >= 100 but whole hundreds.
void PluralClassTrim(std::int32_t& n, std::int32_t& cls);
void PluralClassTail(std::int32_t& n, std::int32_t& cls);
void PluralClassTailKeep(std::int32_t& n, std::int32_t& cls);

}  // namespace mathsheets
