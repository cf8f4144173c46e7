#include "docx/xml_text.h"

namespace mathsheets::docx {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0 when it is broken.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  // U+FFFE and U+FFFF are not characters XML allows.
  if (length == 3 && lead == 0xEF && byte(1) == 0xBF && byte(2) >= 0xBE) return 0;
  return length;
}

}  // namespace

void AppendXmlText(std::string& out, std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char c = utf8[i];
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      switch (c) {
        case '&':
          out += "&amp;";
          break;
        case '<':
          out += "&lt;";
          break;
        case '>':
          out += "&gt;";
          break;
        case '"':
          out += "&quot;";
          break;
        case '\t':
        case '\n':
        case '\r':
          out += ' ';
          break;
        default:
          if (u >= 0x20 && u != 0x7F) out += c;
      }
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(utf8.substr(i));
    if (length == 0) {
      out += kReplacement;
      ++i;
      // The continuation bytes of the broken sequence belong to its one replacement.
      while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
      continue;
    }
    // C1 controls (U+0080..U+009F) are allowed by XML but mean nothing on a sheet.
    if (!(u == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0))
      out += utf8.substr(i, length);
    i += length;
  }
}

}  // namespace mathsheets::docx
