#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mathsheets::testing {

// A fresh empty folder under the temporary folder, with gen/ inside when `withGen`.
std::filesystem::path FreshWorkdir(const std::string& name, bool withGen = true);

// The raw bytes of a file.
std::string FileBytes(const std::filesystem::path& path);

// The lines of a Windows-1251 file as UTF-8. Fails the test when a line does not end with CR LF,
// when a bare CR or LF stands inside a line, or when the file starts with a byte-order mark.
std::vector<std::string> WorksheetLines(const std::filesystem::path& path);

}  // namespace mathsheets::testing
