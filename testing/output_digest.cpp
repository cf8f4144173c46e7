#include "testing/output_digest.h"

#include <cstdio>

#include "common/cp1251.h"

namespace mathsheets::testing {

void DigestSink::WriteLine(std::string_view line) {
  constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;
  encoded_ = Utf8ToCp1251(line);
  encoded_ += "\r\n";
  for (const char c : encoded_) {
    digest_ ^= static_cast<unsigned char>(c);
    digest_ *= kFnvPrime;
  }
}

std::string DigestLiteral(std::uint64_t digest) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%016llxULL", static_cast<unsigned long long>(digest));
  return text;
}

}  // namespace mathsheets::testing
