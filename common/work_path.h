#pragma once

#include <filesystem>
#include <string_view>

namespace mathsheets {

// A path inside the working folder written with "\" between folders ("gen\ajobs_...",
// "pik\shkol.bmp"), with this platform's separators.
std::filesystem::path WorkPath(const std::filesystem::path& workdir, std::string_view relative);

}  // namespace mathsheets
