// Text pasted into the teacher's table of results (a whole chat, from anywhere): any bytes. Each
// code found reads as the code reader reads its text; and a pupil's code put into the text
// between full stops, blanks or line breaks is found there and read as written, whatever text
// stands around it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "marking/pasted_codes.h"
#include "marking/result_code.h"

using namespace mathsheets;

namespace {

// A code of its own for every input, from the input's bytes.
marking::ResultCode CodeOf(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  marking::ResultCode code;
  code.set = static_cast<std::uint32_t>(hash & 0xFFFFFU);
  code.variant = 1 + static_cast<int>(hash >> 20 & 1023U) % 1023;
  code.minute = static_cast<std::uint32_t>(hash >> 30 & 0xFFFFFFU);
  code.className = (hash >> 54 & 1U) != 0 ? "5А" : "";
  code.name = (hash >> 55 & 1U) != 0 ? "Иванов Пётр" : "";
  for (int i = 0; i < static_cast<int>(hash >> 56 & 31U); ++i)
    code.right.push_back((hash >> i & 1U) != 0);
  return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view pasted(reinterpret_cast<const char*>(data), size);
  for (const marking::FoundCode& found : marking::FindCodes(pasted)) {
    const marking::CodeReading reading = marking::DecodeResultCode(found.text);
    fuzz::Check(reading.code == found.reading.code && reading.error == found.reading.error,
                "a code found is read otherwise alone: " + found.text);
  }

  const marking::ResultCode code = CodeOf(pasted);
  const std::string written = marking::EncodeResultCode(code);
  const std::size_t half = size / 2;
  for (const std::string_view around : {". ", "\n", " "}) {
    const std::string chat = std::string(pasted.substr(0, half)) + std::string(around) + written +
                             std::string(around) + std::string(pasted.substr(half));
    bool seen = false;
    for (const marking::FoundCode& found : marking::FindCodes(chat))
      seen = seen || (found.text == written && found.reading.code);
    fuzz::Check(seen, "a code between \"" + std::string(around) + "\" is not found: " + written);
  }
  return 0;
}
