#include "sheet/variant_reader.h"

#include <algorithm>
#include <cerrno>

#include "common/cp1251.h"
#include "common/io_error.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::sheet {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

VariantReader::VariantReader(const std::filesystem::path& path) : buffer_(kBufferSize) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    throw IoError(IoErrorCodeFromErrno(EISDIR, FileAction::Read));
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
  std::string line;
  if (!ReadLine(stamp_)) return;
  while (ReadLine(line)) {
    if (sheet::IsVariantHeader(line)) {
      header_ = std::move(line);
      hasHeader_ = true;
      return;
    }
    preamble_.push_back(std::move(line));
  }
}

VariantReader::~VariantReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool VariantReader::Fill() {
  if (eof_) return false;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  at_ = 0;
  if (end_ < buffer_.size()) {
    if (std::ferror(file_) != 0) throw IoError(IoErrorCodeFromErrno(errno, FileAction::Read));
    eof_ = true;
  }
  return end_ > 0;
}

bool VariantReader::ReadLine(std::string& line) {
  std::string raw;
  bool any = false;
  for (;;) {
    if (at_ == end_ && !Fill()) break;
    if (pendingCr_) {
      pendingCr_ = false;
      if (buffer_[at_] == '\n') {
        ++at_;
        continue;
      }
    }
    const char* begin = buffer_.data() + at_;
    const char* stop = buffer_.data() + end_;
    const char* found = std::find_if(begin, stop, [](char c) { return c == '\r' || c == '\n'; });
    raw.append(begin, found);
    any = true;
    if (found == stop) {
      at_ = end_;
      continue;
    }
    at_ = static_cast<std::size_t>(found - buffer_.data()) + 1;
    pendingCr_ = *found == '\r';
    line = Cp1251ToUtf8(raw);
    return true;
  }
  if (!any || raw.empty()) return false;
  line = Cp1251ToUtf8(raw);
  return true;
}

bool VariantReader::Next(std::vector<std::string>& lines) {
  lines.clear();
  if (!hasHeader_) return false;
  lines.push_back(std::move(header_));
  hasHeader_ = false;
  std::string line;
  while (ReadLine(line)) {
    if (sheet::IsVariantHeader(line)) {
      header_ = std::move(line);
      hasHeader_ = true;
      break;
    }
    lines.push_back(std::move(line));
  }
  return true;
}

}  // namespace mathsheets::sheet
