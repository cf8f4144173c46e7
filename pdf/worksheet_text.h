#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mathsheets::pdf {

// The lines of a worksheet file as UTF-8, without their line ends. A line ends at CR LF, LF or a
// lone CR; a last line without an end still counts. Throws IoError when the file cannot be read.
std::vector<std::string> ReadWorksheetLines(const std::filesystem::path& path);

// Creates (or empties) `path` and writes `bytes` to it. Throws IoError; a file left half written
// by a failed write is removed, so no broken PDF stays behind.
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace mathsheets::pdf
