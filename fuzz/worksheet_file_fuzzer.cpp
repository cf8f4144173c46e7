// A worksheet file given to "pdf" alone (or the pupil's file of a pair whose teacher file is
// missing): any bytes. Read a variant at a time, the models give the file's lines back in order;
// read whole, the model does too; a file the reader refuses breaks one of its stated limits; and
// whatever is accepted lays out, counted and then laid out, in the same bounded number of pages.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/io_error.h"
#include "fuzz_support.h"
#include "sheet/pair_reader.h"
#include "sheet/read_worksheet.h"
#include "sheet/variant_reader.h"

using namespace mathsheets;

namespace {

// The lines the models of the reader give back, the stamp once.
std::vector<std::string> LinesRead(const std::filesystem::path& path) {
  sheet::PairReader reader(path, std::nullopt);
  std::vector<std::string> lines = sheet::StudentLinesOf(reader.Preamble());
  sheet::Worksheet model;
  while (reader.Next(model)) {
    const std::vector<std::string> variant = sheet::StudentLinesOf(model);
    fuzz::Check(!variant.empty() && variant.front() == lines.front(),
                "a variant's model lacks the file's stamp");
    lines.insert(lines.end(), variant.begin() + 1, variant.end());
  }
  return lines;
}

// Whether the file breaks a limit of the reader: a control byte, a line or a variant too long.
bool BreaksALimit(std::string_view bytes, const std::vector<std::string>& lines) {
  std::size_t lineBytes = 0;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    lineBytes = c == '\r' || c == '\n' ? 0 : lineBytes + 1;
    if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F ||
        lineBytes > sheet::kMaxSheetLineSize)
      return true;
  }
  // After the stamp, the lines up to each header; the reader counts them in UTF-8.
  std::size_t sectionBytes = 0;
  std::size_t sectionLines = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (sheet::IsVariantHeader(lines[i])) {
      sectionBytes = 0;
      sectionLines = 0;
      continue;
    }
    sectionBytes += lines[i].size();
    if (sectionBytes > sheet::kMaxVariantSize || ++sectionLines > sheet::kMaxVariantLines)
      return true;
  }
  return bytes.size() > sheet::kMaxSheetFileSize;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = fuzz::FileLines(bytes);
  const fuzz::MemoryFile file(bytes);
  std::vector<std::string> read;
  try {
    read = LinesRead(file.path());
  } catch (const IoError& e) {
    fuzz::Check(BreaksALimit(bytes, lines), std::string("a file is refused: ") + e.what());
    // Lines the file reader refuses still reach the model whole (as the browser's print view
    // reads its files), and that model lays out.
    fuzz::CheckLaysOut(sheet::ReadStudentWorksheet(lines), fuzz::LayoutOf(bytes), size);
    return 0;
  }
  // An empty file reads as one empty stamp line.
  if (lines.empty()) lines.push_back("");
  fuzz::Check(read == lines, "the models do not give the file's lines back");
  const sheet::Worksheet whole = sheet::ReadStudentWorksheet(lines);
  fuzz::Check(sheet::StudentLinesOf(whole) == lines, "the whole file's model loses lines");
  fuzz::Check(sheet::TeacherLinesOf(whole).empty(), "a pupil's file alone has teacher lines");

  // The pupil's sheet from the file, as "pdf" lays it out.
  const sheet::PrintLayout layout = fuzz::LayoutOf(bytes);
  fuzz::Check(fuzz::CheckLaysOutFiles(file.path(), std::nullopt, layout, size, false),
              "a file read once is refused the second time");
  return 0;
}
