#include "sheet/variant_reader.h"

#include <algorithm>

#include "common/cp1251.h"
#include "common/input_file.h"
#include "common/io_error.h"
#include "sheet/read_worksheet.h"

namespace mathsheets::sheet {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

[[noreturn]] void Refuse(const std::string& why) {
  throw IoError(IoErrorCode::FileAccessDenied, "Not a worksheet file (" + why + ")");
}

// A byte that no text holds: the controls but the tab and the line ends, which end a line.
bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

std::string HexByte(char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto byte = static_cast<unsigned char>(c);
  return {'0', 'x', kHex[byte >> 4U], kHex[byte & 0x0FU]};
}

std::string Megabytes(std::uintmax_t bytes) {
  return std::to_string(bytes >> 20) + " MB";
}

}  // namespace

VariantReader::VariantReader(const std::filesystem::path& path)
    : file_(std::make_unique<InputFile>(path)), buffer_(kBufferSize) {
  if (file_->Size() > kMaxSheetFileSize) Refuse("larger than " + Megabytes(kMaxSheetFileSize));
  if (!ReadLine(stamp_)) return;
  ReadUntilHeader(preamble_);
}

VariantReader::~VariantReader() = default;

bool VariantReader::Fill() {
  if (eof_) return false;
  end_ = 0;
  at_ = 0;
  // Short reads are the file's business: only 0 is its end.
  const std::size_t n = file_->Read(buffer_.data(), buffer_.size());
  if (n == 0) {
    eof_ = true;
    return false;
  }
  end_ = n;
  read_ += n;
  // A file that grew after it was opened is held to the same limit.
  if (read_ > kMaxSheetFileSize) Refuse("larger than " + Megabytes(kMaxSheetFileSize));
  return true;
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
    const char* found = std::find_if(begin, stop, IsControl);
    raw.append(begin, found);
    any = true;
    if (raw.size() > kMaxSheetLineSize)
      Refuse("line " + std::to_string(lineNumber_ + 1) + " is longer than " +
             std::to_string(kMaxSheetLineSize >> 10) + " KB");
    if (found != stop && *found != '\r' && *found != '\n')
      Refuse("line " + std::to_string(lineNumber_ + 1) + " holds the control byte " +
             HexByte(*found));
    if (found == stop) {
      at_ = end_;
      continue;
    }
    at_ = static_cast<std::size_t>(found - buffer_.data()) + 1;
    pendingCr_ = *found == '\r';
    ++lineNumber_;
    line = Cp1251ToUtf8(raw);
    return true;
  }
  if (!any || raw.empty()) return false;
  ++lineNumber_;
  line = Cp1251ToUtf8(raw);
  return true;
}

void VariantReader::ReadUntilHeader(std::vector<std::string>& lines) {
  const std::size_t firstLine = lineNumber_;
  std::size_t size = 0;
  std::size_t count = 0;
  std::string line;
  while (ReadLine(line)) {
    if (IsVariantHeader(line)) {
      header_ = std::move(line);
      hasHeader_ = true;
      return;
    }
    size += line.size();
    if (size > kMaxVariantSize || ++count > kMaxVariantLines)
      Refuse("the lines after line " + std::to_string(firstLine) + " up to the next variant are " +
             (size > kMaxVariantSize ? "more than " + Megabytes(kMaxVariantSize)
                                     : "more than " + std::to_string(kMaxVariantLines) + " lines"));
    lines.push_back(std::move(line));
  }
}

bool VariantReader::Next(std::vector<std::string>& lines) {
  lines.clear();
  if (!hasHeader_) return false;
  lines.push_back(std::move(header_));
  hasHeader_ = false;
  ReadUntilHeader(lines);
  return true;
}

}  // namespace mathsheets::sheet
