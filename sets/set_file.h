#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "sets/worksheet_set.h"

namespace mathsheets::sets {

// A set file ("*.mathsheet") is UTF-8 text: the one line of the set, a line end after it allowed.
inline constexpr std::uintmax_t kMaxSetFileSize = 64 * 1024;

// Reads a set file. A file that cannot be read, or is no regular file (a folder, a pipe, a
// device: refused without waiting for it), throws IoError; one that is larger than 64 KB (refused
// without being read), holds more than one line or is no set throws SetError, whose text begins
// with the file's name: "lesson.mathsheet: unknown key \"colour\"".
WorksheetSet ReadSetFile(const std::filesystem::path& path);

// The set a file's content holds: its one line, with or without a line end (CR LF or LF). Throws
// SetError without the file's name.
WorksheetSet ParseSetFileText(std::string_view content);

// Writes FormatSet(set) and a line end, replacing the file; a name that is no regular file (a
// folder, a pipe, a device) is refused without waiting for a pipe's reader. Throws IoError.
void WriteSetFile(const std::filesystem::path& path, const WorksheetSet& set);

}  // namespace mathsheets::sets
