#pragma once

#include <filesystem>

namespace mathsheets::bench {

// Copies `from` to `to` with a plain read/write loop and forces the copy to disk: the least any
// program writing the same bytes has to do. Throws std::system_error on failure.
void CopyAndSync(const std::filesystem::path& from, const std::filesystem::path& to);

// Forces a file already written and closed to disk.
void SyncFile(const std::filesystem::path& path);

}  // namespace mathsheets::bench
