#include "common/cp1251.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <unordered_map>

namespace mathsheets {

namespace {

class CodePage {
 public:
  CodePage() {
    iconv_t cd = iconv_open("UTF-32LE", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP1251");
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
      char in = static_cast<char>(byte);
      unsigned char out[4] = {};
      char* inPtr = &in;
      char* outPtr = reinterpret_cast<char*>(out);
      std::size_t inLeft = 1;
      std::size_t outLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      char32_t cp = 0xFFFD;
      if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
        cp = static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
        toByte_[cp] = static_cast<char>(byte);
      }
      toUnicode_[byte - 0x80] = cp;
    }
    iconv_close(cd);
  }

  char Encode(char32_t cp) const {
    if (cp < 0x80) return static_cast<char>(cp);
    auto it = toByte_.find(cp);
    if (it == toByte_.end()) throw std::invalid_argument("character outside Windows-1251");
    return it->second;
  }

  char32_t Decode(unsigned char byte) const { return byte < 0x80 ? byte : toUnicode_[byte - 0x80]; }

 private:
  std::array<char32_t, 128> toUnicode_{};
  std::unordered_map<char32_t, char> toByte_;
};

const CodePage& Table() {
  static const CodePage table;
  return table;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

void AppendCp1251(std::string& out, std::string_view utf8) {
  const CodePage& table = Table();
  for (std::size_t i = 0; i < utf8.size();) {
    // Most of a worksheet is digits and signs: copy runs of ASCII at once.
    std::size_t ascii = i;
    while (ascii + 8 <= utf8.size()) {
      std::uint64_t word;
      std::memcpy(&word, utf8.data() + ascii, sizeof word);
      if (word & 0x8080808080808080ULL) break;
      ascii += 8;
    }
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    if (ascii > i) {
      out.append(utf8.data() + i, ascii - i);
      i = ascii;
      continue;
    }
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > utf8.size()) throw std::invalid_argument("broken UTF-8");
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t j = 1; j < length; ++j) {
      const auto next = static_cast<unsigned char>(utf8[i + j]);
      if ((next & 0xC0) != 0x80) throw std::invalid_argument("broken UTF-8");
      cp = (cp << 6) | (next & 0x3F);
    }
    out += table.Encode(cp);
    i += length;
  }
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  AppendCp1251(out, utf8);
  return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  const CodePage& table = Table();
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) AppendUtf8(out, table.Decode(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace mathsheets
