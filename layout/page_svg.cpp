#include "layout/page_svg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string_view>
#include <vector>

namespace mathsheets::layout {

namespace {

// In the order of Face.
constexpr std::array<std::string_view, kFaceCount> kFamilies = {
    "ms-regular", "ms-bold", "ms-italic", "ms-bolditalic", "ms-mono", "ms-monobold", "ms-symbol"};

// The same colours as the PDF's.
std::string_view ColourOf(Ink ink) {
  switch (ink) {
    case Ink::Answer:
      return "#1a3a8a";
    case Ink::Faint:
      return "#707070";
    case Ink::Text:
      break;
  }
  return "#000";
}

// A length in points to a hundredth, without trailing zeros.
void AppendNumber(std::string& out, double value) {
  const long long hundredths = std::llround(value * 100);
  const long long whole = hundredths / 100;
  long long rest = std::llabs(hundredths % 100);
  if (hundredths < 0 && whole == 0) out += '-';
  out += std::to_string(whole);
  if (rest == 0) return;
  out += '.';
  out += static_cast<char>('0' + rest / 10);
  rest %= 10;
  if (rest != 0) out += static_cast<char>('0' + rest);
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
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
      default:
        out += c;
    }
  }
}

}  // namespace

std::string_view FontFamilyOf(Face face) {
  return kFamilies[static_cast<std::size_t>(face)];
}

std::string PageSvg(const PageOps& page, PageSize size) {
  std::string out;
  out.reserve(256 + page.texts.size() * 80 + page.rules.size() * 90);
  out += R"(<svg xmlns="http://www.w3.org/2000/svg" class="sheet-page" viewBox="0 0 )";
  AppendNumber(out, size.width);
  out += ' ';
  AppendNumber(out, size.height);
  out += R"(" width=")";
  AppendNumber(out, size.width);
  out += R"(pt" height=")";
  AppendNumber(out, size.height);
  out += R"(pt">)";
  // Texts grouped by face, size and ink: one group's attributes, not every text's.
  std::vector<std::size_t> order(page.texts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&page](std::size_t a, std::size_t b) {
    const TextOp& x = page.texts[a];
    const TextOp& y = page.texts[b];
    if (x.face != y.face) return x.face < y.face;
    if (x.size != y.size) return x.size < y.size;
    return x.ink < y.ink;
  });
  const TextOp* group = nullptr;
  for (const std::size_t i : order) {
    const TextOp& t = page.texts[i];
    if (group == nullptr || group->face != t.face || group->size != t.size || group->ink != t.ink) {
      if (group != nullptr) out += "</g>";
      out += R"(<g font-family=")";
      out += FontFamilyOf(t.face);
      out += R"(" font-size=")";
      AppendNumber(out, t.size);
      out += R"(" fill=")";
      out += ColourOf(t.ink);
      out += R"(">)";
      group = &t;
    }
    out += R"(<text x=")";
    AppendNumber(out, t.x);
    out += R"(" y=")";
    AppendNumber(out, t.y);
    out += R"(">)";
    AppendEscaped(out, t.text);
    out += "</text>";
  }
  if (group != nullptr) out += "</g>";
  for (const RuleOp& r : page.rules) {
    out += R"(<line x1=")";
    AppendNumber(out, r.x1);
    out += R"(" y1=")";
    AppendNumber(out, r.y1);
    out += R"(" x2=")";
    AppendNumber(out, r.x2);
    out += R"(" y2=")";
    AppendNumber(out, r.y2);
    out += R"(" stroke=")";
    out += ColourOf(r.ink);
    out += R"(" stroke-width=")";
    AppendNumber(out, r.width);
    if (r.dashed) {
      // The PDF's dashes: 8 and 6 widths of the line.
      out += R"(" stroke-dasharray=")";
      AppendNumber(out, 8 * r.width);
      out += ' ';
      AppendNumber(out, 6 * r.width);
    }
    out += R"("/>)";
  }
  out += "</svg>";
  return out;
}

}  // namespace mathsheets::layout
