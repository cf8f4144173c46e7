#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace mathsheets {
class InputFile;
}

namespace mathsheets::sheet {

// What a worksheet file may hold, far above what any run writes: every word problem in 10,000
// variants makes a file of about 300 MB whose longest line has a few hundred bytes and whose
// variants have about 30 KB each. A larger file is refused before any of it is read, a longer
// line or a larger variant as soon as the reader gets that far: a file that is no worksheet
// costs neither the memory nor the time of reading it whole. So is a control byte (but the tab):
// no text holds one, and a picture or a program would otherwise be set as lines of gibberish.
inline constexpr std::uintmax_t kMaxSheetFileSize = std::uintmax_t{512} << 20;
inline constexpr std::size_t kMaxSheetLineSize = std::size_t{256} << 10;
// The bytes of a variant's lines (or of those before the first header) and their number: each
// line costs a model a few hundred bytes whatever its length, and each number or sign of it
// about a hundred and fifty (a variant of 1 MB of "1 2 3 ..." takes the two sheets, painted at
// once, about 600 MB).
inline constexpr std::size_t kMaxVariantSize = std::size_t{1} << 20;
inline constexpr std::size_t kMaxVariantLines = 20000;

// A worksheet file read a variant at a time, so that a file of any length needs the memory of
// one variant. Lines are UTF-8 without their line ends; a line ends at CR LF, LF or a lone CR.
class VariantReader {
 public:
  // Throws IoError when the file cannot be opened or read, is no regular file (a folder, a
  // pipe, a device: refused without waiting for it) or breaks one of the limits above.
  explicit VariantReader(const std::filesystem::path& path);
  ~VariantReader();
  VariantReader(const VariantReader&) = delete;
  VariantReader& operator=(const VariantReader&) = delete;

  const std::string& Stamp() const { return stamp_; }
  // The lines between the stamp and the first header: none in a file a run wrote.
  const std::vector<std::string>& Preamble() const { return preamble_; }
  // The next variant, its header first; false after the last one.
  bool Next(std::vector<std::string>& lines);

 private:
  bool ReadLine(std::string& line);
  bool Fill();
  // Reads lines into `lines` up to the next header, which it keeps for the next variant.
  void ReadUntilHeader(std::vector<std::string>& lines);

  std::unique_ptr<InputFile> file_;
  std::vector<char> buffer_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  std::uintmax_t read_ = 0;  // bytes read from the file so far
  std::size_t lineNumber_ = 0;
  bool eof_ = false;
  bool pendingCr_ = false;
  std::string stamp_;
  std::vector<std::string> preamble_;
  std::string header_;  // the header of the next variant, read ahead
  bool hasHeader_ = false;
};

}  // namespace mathsheets::sheet
