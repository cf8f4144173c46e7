#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/worksheet_output.h"

namespace mathsheets::testing {

// FNV-1a 64 over the bytes a worksheet file would hold for the lines written to it: each line in
// Windows-1251 followed by CR LF. Two sinks of one pair fold into one digest, so a change on
// either side shows.
class DigestSink final : public LineSink {
 public:
  explicit DigestSink(std::uint64_t& digest) : digest_(digest) {}
  void WriteLine(std::string_view line) override;
  // Lines a run hands over already encoded go into the digest as they are.
  void WriteEncodedLine(std::string_view cp1251) override;

 private:
  void Fold(std::string_view bytes);

  std::uint64_t& digest_;
  std::string encoded_;
};

inline constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325ULL;

// "0x0123456789abcdefULL", the way a digest is written in a table of expected digests.
std::string DigestLiteral(std::uint64_t digest);

}  // namespace mathsheets::testing
