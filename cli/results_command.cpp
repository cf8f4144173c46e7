#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "commands.h"
#include "common/cp1251.h"
#include "common/input_file.h"
#include "common/io_error.h"
#include "marking/results_table.h"
#include "sets/set_file.h"

namespace mathsheets::cli {

namespace {

// Pasted text far larger than any class's codes is refused before it is read.
constexpr std::uintmax_t kMaxPastedFileSize = 64 * 1024 * 1024;

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0U) != 0x80U) return false;
    i += length;
  }
  return true;
}

// UTF-16 as Notepad saves "Unicode": only its Latin letters and digits matter to the codes, the
// rest becomes '?'.
std::string FromUtf16(std::string_view bytes, bool littleEndian) {
  std::string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
    const auto high = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
    text += high == 0 && low < 0x80 ? static_cast<char>(low) : '?';
  }
  return text;
}

// Pasted text as UTF-8: UTF-8 with or without its byte-order mark, UTF-16 with one, or else
// Windows-1251, what Notepad and the chat programs of a Russian Windows save.
std::string PastedText(const std::string& bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes, true);
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes, false);
  return IsUtf8(bytes) ? bytes : Cp1251ToUtf8(bytes);
}

std::string ReadPasted(const std::filesystem::path& path) {
  InputFile in(path);
  if (in.Size() > kMaxPastedFileSize)
    throw UsageError{path.string() + ": larger than 64 MB, not pasted text"};
  std::string bytes;
  char buffer[65536];
  while (const std::size_t n = in.Read(buffer, sizeof buffer)) {
    bytes.append(buffer, n);
    if (bytes.size() > kMaxPastedFileSize)
      throw UsageError{path.string() + ": larger than 64 MB, not pasted text"};
  }
  return PastedText(bytes);
}

}  // namespace

int ResultsCommand(const Arguments& args) {
  std::optional<std::filesystem::path> setFile;
  std::optional<std::filesystem::path> out;
  std::vector<std::filesystem::path> texts;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (option == "--out") {
      if (i + 1 >= args.size()) throw UsageError{"--out needs a value"};
      out = std::filesystem::path(std::string(args[++i]));
    } else if (option.starts_with("--")) {
      throw UsageError{"unknown option " + std::string(option)};
    } else if (!setFile) {
      setFile = std::filesystem::path(std::string(option));
    } else {
      texts.emplace_back(std::string(option));
    }
  }
  if (!setFile || texts.empty())
    throw UsageError{"results needs a set file and at least one file of pasted text"};
  sets::WorksheetSet set;
  try {
    set = sets::ReadSetFile(*setFile);
  } catch (const sets::SetError& e) {
    std::cerr << "mathsheets-cli: " << e.what() << '\n';
    return kExitUsage;
  } catch (const IoError& e) {
    std::cerr << "mathsheets-cli: " << setFile->string() << ": " << e.BoxText() << '\n';
    return kExitIoError;
  }
  if (!set.seed) {
    std::cerr << "mathsheets-cli: " << setFile->string()
              << ": the set has no seed, so it names no sheets to judge codes against\n";
    return kExitUsage;
  }
  std::string pasted;
  for (const std::filesystem::path& text : texts) {
    try {
      pasted += ReadPasted(text);
    } catch (const IoError& e) {
      std::cerr << "mathsheets-cli: " << text.string() << ": " << e.BoxText() << '\n';
      return kExitIoError;
    }
    // Two files never join into one code.
    pasted += '\n';
  }
  const marking::ResultsTable table = marking::ReadResults(
      marking::SetKeyOf(set), set.pupil.marks.value_or(sets::MarkScale{}), pasted);
  for (const marking::RefusedCode& refused : table.refused)
    std::cerr << "mathsheets-cli: refused " << refused.code << ": " << refused.reason << '\n';
  std::cerr << "mathsheets-cli: " << table.rows.size() << " pupils, " << table.refused.size()
            << " codes refused, " << table.repeated << " repeated, " << table.replaced
            << " replaced by a later check\n";
  const std::string csv = marking::ResultsCsv(table);
  if (!out) {
    std::cout << csv << std::flush;
    return std::cout ? kExitSuccess : kExitIoError;
  }
  std::ofstream file(*out, std::ios::binary | std::ios::trunc);
  file << csv;
  file.close();
  if (!file) {
    std::cerr << "mathsheets-cli: " << out->string() << ": cannot be written\n";
    return kExitIoError;
  }
  return kExitSuccess;
}

}  // namespace mathsheets::cli
