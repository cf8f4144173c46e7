#include "testing/output_digest.h"

#include <cstdio>

#include "common/cp1251.h"

namespace mathsheets::testing {

void DigestSink::Fold(std::string_view bytes) {
  constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;
  for (const char c : bytes) {
    digest_ ^= static_cast<unsigned char>(c);
    digest_ *= kFnvPrime;
  }
  for (const char c : std::string_view("\r\n")) {
    digest_ ^= static_cast<unsigned char>(c);
    digest_ *= kFnvPrime;
  }
}

void DigestSink::WriteLine(std::string_view line) {
  encoded_ = Utf8ToCp1251(line);
  Fold(encoded_);
}

void DigestSink::WriteEncodedLine(std::string_view cp1251) {
  Fold(cp1251);
}

std::string DigestLiteral(std::uint64_t digest) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%016llxULL", static_cast<unsigned long long>(digest));
  return text;
}

}  // namespace mathsheets::testing
