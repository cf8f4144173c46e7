#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mathsheets::marking {

// What a pupil's page sends back to the teacher after a check, as a short text: the set's
// fingerprint, the variant, the time of the check, the pupil's class and name, and which of the
// judged items were right. Written in Crockford's base32 (digits and capital Latin letters without
// I, L, O, U; read back case-blind, O as 0, I and L as 1) in groups of five joined by "-", ending
// in two check characters that make any single mistyped character and any two neighbours swapped
// a code that is refused. 64 characters at most for 40 items and a name and class of 24 letters.
struct ResultCode {
  std::uint32_t set = 0;     // the set's fingerprint, kFingerprintBits
  int variant = 1;           // 1..1023
  std::uint32_t minute = 0;  // of the check, since 2025-01-01 00:00 UTC; < 2^24
  std::string className;     // as CodeLettersOf keeps it: at most kMaxClassLetters
  std::string name;          // and at most kMaxCodeLetters letters with the class
  std::vector<bool> right;   // the judged items in order, at most kMaxCodeItems

  friend bool operator==(const ResultCode&, const ResultCode&) = default;
};

inline constexpr int kFingerprintBits = 20;
inline constexpr std::size_t kMaxClassLetters = 7;
inline constexpr std::size_t kMaxCodeLetters = 24;
inline constexpr std::size_t kMaxCodeItems = 127;
inline constexpr std::int64_t kCodeEpochSeconds = 1735689600;  // 2025-01-01 00:00 UTC

// The minute of a code from milliseconds since 1970 (a browser's clock), held to what fits.
std::uint32_t CodeMinuteOf(double unixMilliseconds);
// "ДД.ММ.ГГГГ ЧЧ:ММ" in UTC plus `offsetMinutes` (the viewer's time zone).
std::string CodeMinuteText(std::uint32_t minute, int offsetMinutes);

// The class and name are cut as CodeLettersOf says: the class to 7 letters, the name to the 24
// the two have together. The variant must be 1..1023 and the items at most 127.
std::string EncodeResultCode(const ResultCode& code);

struct CodeReading {
  std::optional<ResultCode> code;
  std::vector<std::uint8_t> classLetters;  // the letters' numbers, for the table
  std::vector<std::uint8_t> nameLetters;
  std::string error;  // why it is no code, in Russian, when !code
  // The code's characters as read, without the dashes: two readings of the same code are equal.
  std::string canonical;
};
CodeReading DecodeResultCode(std::string_view text);

// Crockford's reading of one character: 0..31, or -1 for a character no code holds.
int CrockfordValue(char c);
inline constexpr std::string_view kCrockfordDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

}  // namespace mathsheets::marking
