#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace mathsheets::sheet {

// A worksheet file read a variant at a time, so that a file of any length needs the memory of
// one variant. Lines are UTF-8 without their line ends; a line ends at CR LF, LF or a lone CR.
class VariantReader {
 public:
  // Throws IoError when the file cannot be opened or read.
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

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool pendingCr_ = false;
  std::string stamp_;
  std::vector<std::string> preamble_;
  std::string header_;  // the header of the next variant, read ahead
  bool hasHeader_ = false;
};

}  // namespace mathsheets::sheet
