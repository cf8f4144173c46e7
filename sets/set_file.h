#pragma once

#include <cstdint>
#include <filesystem>

#include "sets/worksheet_set.h"

namespace mathsheets::sets {

// A set file ("*.mathsheet") is UTF-8 text: the one line of the set, a line end after it allowed.
inline constexpr std::uintmax_t kMaxSetFileSize = 64 * 1024;

// Reads a set file. A file that cannot be read throws IoError; one that is larger than 64 KB
// (refused without being read), holds more than one line or is no set throws SetError, whose
// text begins with the file's name: "lesson.mathsheet: unknown key \"colour\"".
WorksheetSet ReadSetFile(const std::filesystem::path& path);

// Writes FormatSet(set) and a line end, replacing the file. Throws IoError.
void WriteSetFile(const std::filesystem::path& path, const WorksheetSet& set);

}  // namespace mathsheets::sets
