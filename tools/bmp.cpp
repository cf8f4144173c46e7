#include "bmp.h"

#include <fstream>

namespace mathsheets::tools {

Picture::Picture(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

void Picture::Set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_)
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

Rgb Picture::Get(int x, int y) const {
  return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Picture::FillRect(int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Set(x, y, c);
}

void Picture::FillCircle(int cx, int cy, int radius, Rgb c) {
  for (int y = cy - radius; y <= cy + radius; ++y)
    for (int x = cx - radius; x <= cx + radius; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) Set(x, y, c);
}

namespace {
void Put16(std::ofstream& out, std::uint16_t v) {
  out.put(static_cast<char>(v & 0xFF));
  out.put(static_cast<char>(v >> 8));
}
void Put32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}
}  // namespace

bool Picture::WriteBmp(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const auto rowBytes = static_cast<std::uint32_t>((width_ * 3 + 3) / 4 * 4);
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height_);
  out.put('B');
  out.put('M');
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width_));
  Put32(out, static_cast<std::uint32_t>(height_));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height_ - 1; y >= 0; --y) {  // BMP rows run bottom up
    std::uint32_t written = 0;
    for (int x = 0; x < width_; ++x) {
      const Rgb c = Get(x, y);
      out.put(static_cast<char>(c.b));
      out.put(static_cast<char>(c.g));
      out.put(static_cast<char>(c.r));
      written += 3;
    }
    for (; written < rowBytes; ++written) out.put(0);
  }
  return static_cast<bool>(out);
}

}  // namespace mathsheets::tools
