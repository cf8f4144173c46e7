#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mathsheets::tools {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// A picture in memory, written out as an uncompressed 24-bit BMP.
class Picture {
 public:
  Picture(int width, int height, Rgb fill);
  int width() const { return width_; }
  int height() const { return height_; }
  void Set(int x, int y, Rgb c);
  Rgb Get(int x, int y) const;
  void FillRect(int x0, int y0, int x1, int y1, Rgb c);
  void FillCircle(int cx, int cy, int radius, Rgb c);
  // Returns false when the file cannot be written.
  bool WriteBmp(const std::filesystem::path& path) const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace mathsheets::tools
