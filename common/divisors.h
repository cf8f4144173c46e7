#pragma once

#include <array>
#include <cstdint>

namespace mathsheets {

// The first thirty primes, indexed 1..30 (index 0 is unused so draws can index directly).
inline constexpr std::array<std::int32_t, 31> Primes = {
    0,  2,  3,  5,  7,  11, 13, 17, 19, 23, 29,  31,  37,  41,  43, 47,
    53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101, 103, 107, 109, 113};

// Greatest common divisor of the word problems; 1 when either operand is not positive.
std::int32_t Gcd(std::int32_t a, std::int32_t b);

// Greatest common divisor of the fraction chains. Both operands must be positive; they end equal
// to the result, as the subtraction algorithm leaves them.
std::int64_t Gcd64(std::int64_t& a, std::int64_t& b);

}  // namespace mathsheets
