#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "sheet/pair_reader.h"
#include "sheet/print_layout.h"

namespace mathsheets::docx {

// The Word document beside a worksheet file: the same name with ".docx" in place of its
// extension.
std::filesystem::path DocxPathFor(const std::filesystem::path& textFile);

// Told after each piece of the documents made (a variant, a row of the key), and while the
// archives are written; answers false to stop.
using DocxProgress = std::function<bool(int done)>;

struct DocxPair {
  std::filesystem::path studentDocx;
  std::filesystem::path teacherDocx;  // empty when only the pupil's document was made
  bool stopped = false;               // by `progress`: neither document nor a temporary is left
};

// The Word documents of a pair of worksheet files, the pupil's and (with a teacher file) the
// teacher's, packed as .docx by libzip: into `outDir` (beside the files when empty) under the
// files' names with ".docx". Each is written under a temporary name and both are renamed when
// whole; a failure or a stop leaves neither. The document part is streamed through a nameless
// file into the archive, so that a sheet of any length needs the memory of one variant. Throws
// sheet::SheetFileError naming the file that could not be read or the document that could not be
// written.
DocxPair WriteWorksheetDocxs(const std::filesystem::path& studentFile,
                             const std::optional<std::filesystem::path>& teacherFile,
                             const sheet::PrintLayout& layout = {},
                             const std::filesystem::path& outDir = {},
                             const DocxProgress& progress = {});

// The documents of one run's two files, beside them.
DocxPair WriteWorksheetDocxPair(const std::filesystem::path& studentFile,
                                const std::filesystem::path& teacherFile,
                                const sheet::PrintLayout& layout = {},
                                const DocxProgress& progress = {});

}  // namespace mathsheets::docx
