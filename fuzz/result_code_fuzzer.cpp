// A result code as a teacher types or pastes it: any text. Whatever the reader accepts is a code
// the writer makes again character for character, and, as the check characters promise, any one
// character of it changed to another value, or any two neighbours swapped, is refused.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_support.h"
#include "marking/result_code.h"

using namespace mathsheets;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const marking::CodeReading reading = marking::DecodeResultCode(text);
  if (!reading.code) {
    fuzz::Check(!reading.error.empty(), "a refusal without a reason");
    return 0;
  }
  const std::string written = marking::EncodeResultCode(*reading.code);
  const marking::CodeReading again = marking::DecodeResultCode(written);
  fuzz::Check(again.code == reading.code,
              "the code " + reading.canonical + " is written again as another: " + written);
  fuzz::Check(again.canonical == reading.canonical,
              "the code " + reading.canonical + " is written again as " + written);

  const std::string& code = reading.canonical;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const int value = marking::CrockfordValue(code[i]);
    for (int delta = 1; delta < 32; ++delta) {
      std::string typo = code;
      typo[i] = marking::kCrockfordDigits[static_cast<std::size_t>((value + delta) % 32)];
      fuzz::Check(!marking::DecodeResultCode(typo).code, "a typo is read as a code: " + typo);
    }
    if (i + 1 < code.size() && code[i] != code[i + 1]) {
      std::string swapped = code;
      std::swap(swapped[i], swapped[i + 1]);
      fuzz::Check(!marking::DecodeResultCode(swapped).code,
                  "two neighbours swapped are read as a code: " + swapped);
    }
  }
  return 0;
}
