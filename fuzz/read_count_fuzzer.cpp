// A count or variants box, typed by hand or read from a set: any text. ReadCount agrees with the
// rule its header states, computed here with the standard library's own digit reader, and reads
// back every whole number it could be given.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "worksheet/read_count.h"

using namespace mathsheets;

namespace {

std::int64_t Expected(std::string_view text) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::size_t i = std::min(text.find_first_not_of(' '), text.size());
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  const std::string_view rest = text.substr(i);
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    base = 16;
    i += 1;
  } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    i += 2;
  }
  const char* end = text.data() + text.size();
  std::uint64_t value = 0;
  const auto [stop, error] = std::from_chars(text.data() + i, end, value, base);
  if (error == std::errc::result_out_of_range) value = std::numeric_limits<std::uint64_t>::max();
  const auto magnitude = static_cast<std::int64_t>(std::min<std::uint64_t>(value, kMax + 1));
  if (stop == end && negative) return -magnitude;
  return std::min(magnitude, kMax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t read = ReadCount(text);
  fuzz::Check(read == Expected(text), "ReadCount(\"" + std::string(text) + "\") is " +
                                          std::to_string(read) + ", not " +
                                          std::to_string(Expected(text)));
  if (size >= sizeof(std::int32_t)) {
    std::int32_t number = 0;
    std::memcpy(&number, data, sizeof number);
    const std::string typed = std::to_string(number);
    fuzz::Check(ReadCount(typed) == number, "ReadCount does not read back " + typed);
    fuzz::Check(ReadCount("  " + typed) == number, "leading blanks change " + typed);
  }
  return 0;
}
