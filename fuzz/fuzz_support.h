#pragma once

// What the fuzz targets share: the input as a file, the checks of a property, and the layout of
// whatever a reader accepted, held to a bound.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::fuzz {

// Bytes as a regular file that lives in memory only (no disk, nothing left behind), reached by a
// path as a reader opens it.
class MemoryFile {
 public:
  explicit MemoryFile(std::string_view bytes);
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

// A property that does not hold: the input is a finding. Prints `what` and aborts.
[[noreturn]] void Fail(const std::string& what);
inline void Check(bool holds, const std::string& what) {
  if (!holds) Fail(what);
}

// The lines of a Windows-1251 file as UTF-8, split at CR LF, LF or a lone CR, the last one kept
// when it has no end but some bytes: what any reader of the files must give back.
std::vector<std::string> FileLines(std::string_view bytes);

// Layout choices that follow from the input's bytes, so that every choice is tried.
sheet::PrintLayout LayoutOf(std::string_view bytes);

// Lays out both sheets of a model with the sheet's real font widths and checks that the layout
// ends with a number of pages bounded by the input: a loop or a runaway is a finding, and so is
// anything thrown (a crash aborts by itself).
void CheckLaysOut(const sheet::Worksheet& worksheet, const sheet::PrintLayout& layout,
                  std::size_t inputBytes);

// The same from files, as a PDF is made: each sheet counted, then one of them (the teacher's
// with `againTeacher` and a teacher file, to halve the cost) laid out again with "стр. N из M" in
// the same pages. False when the reader refused the files.
bool CheckLaysOutFiles(const std::filesystem::path& student,
                       const std::optional<std::filesystem::path>& teacher,
                       const sheet::PrintLayout& layout, std::size_t inputBytes, bool againTeacher);

}  // namespace mathsheets::fuzz
