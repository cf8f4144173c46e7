#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mathsheets::marking {

// The 64 letters a result code carries a name and a class in, six bits each: the blank, the 33
// Russian letters, the digits, the 14 Latin letters that no Russian one looks like, "-", ".",
// "'", "<", ">" and "?" for any other character. Case is not kept, and a Latin letter that looks
// like a Russian one is stored as that one.
inline constexpr int kCodeLetterCount = 64;

// A name or a class as the code keeps it: blanks trimmed and runs of them made one, letters made
// capitals, at most `most` letters, no "-" at the start (a spreadsheet would read a formula).
// `symbols` gets the letters' numbers 0..63.
std::string CodeLettersOf(std::string_view typed, std::size_t most,
                          std::vector<std::uint8_t>* symbols = nullptr);

// The letters back from their numbers, in capitals as the code keeps them.
std::string TextOfCodeLetters(const std::vector<std::uint8_t>& symbols);

// A name for the results table: each word with a capital first letter and the rest small, a word
// with a Latin letter of its own written in Latin ("SMITH" -> "Smith", "ИВАНОВ ПЁТР" -> "Иванов
// Пётр").
std::string NameForTable(const std::vector<std::uint8_t>& symbols);
// A class for the table: capitals, Latin in a word with a Latin letter of its own ("5А", "7B").
std::string ClassForTable(const std::vector<std::uint8_t>& symbols);

}  // namespace mathsheets::marking
