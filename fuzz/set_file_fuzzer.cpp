// A *.mathsheet file, opened in a window or run by the command line: any bytes. The file's reader
// accepts exactly what its text gives a set, its line end passed over, and that set formats back
// to a file that reads the same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/io_error.h"
#include "fuzz_support.h"
#include "sets/set_file.h"
#include "sets/worksheet_set.h"

using namespace mathsheets;

namespace {

// The one line of a file without its end, or nothing for a file of more lines: told apart here
// without the reader's own code.
std::optional<std::string_view> OneLine(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n")
    bytes = bytes.substr(0, bytes.size() - 2);
  else if (!bytes.empty() && bytes.back() == '\n')
    bytes = bytes.substr(0, bytes.size() - 1);
  if (bytes.find('\n') != std::string_view::npos) return std::nullopt;
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const fuzz::MemoryFile file(bytes);
  const std::optional<std::string_view> line = OneLine(bytes);
  const sets::SetParseResult expected = line ? sets::TryParseSet(*line) : sets::SetParseResult{};
  sets::WorksheetSet set;
  try {
    set = sets::ReadSetFile(file.path());
  } catch (const sets::SetError& e) {
    const std::string message = e.what();
    fuzz::Check(!expected.ok, "a set file is refused: " + message);
    fuzz::Check(message.starts_with(file.path().string() + ": "),
                "a refusal does not name the file: " + message);
    return 0;
  } catch (const IoError& e) {
    fuzz::Fail(std::string("a file in memory cannot be read: ") + e.what());
  }
  fuzz::Check(expected.ok && set == expected.set, "the file reads as another set than its line");
  const fuzz::MemoryFile saved(sets::FormatSet(set) + "\n");
  fuzz::Check(sets::ReadSetFile(saved.path()) == set, "a saved set reads as another set");
  return 0;
}
