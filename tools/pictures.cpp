// Draws the pictures of the working folder. Each is a calm background or a small emblem of our
// own; the windows scale them to their boxes.
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "bmp.h"

namespace {

using mathsheets::tools::Picture;
using mathsheets::tools::Rgb;

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}

// A vertical wash from `top` to `bottom` with faint squared-paper lines.
Picture SquaredPaper(int width, int height, Rgb top, Rgb bottom) {
  Picture p(width, height, top);
  for (int y = 0; y < height; ++y) {
    const Rgb row = Mix(top, bottom, static_cast<double>(y) / (height - 1));
    for (int x = 0; x < width; ++x) {
      const bool line = x % 16 == 0 || y % 16 == 0;
      p.Set(x, y, line ? Mix(row, Rgb{255, 255, 255}, 0.35) : row);
    }
  }
  return p;
}

Picture Strip() {
  Picture p(400, 8, {0, 128, 128});
  for (int x = 0; x < 400; x += 20) p.FillRect(x, 0, x + 10, 8, {0, 200, 200});
  return p;
}

// A sun with `rays` rays: the frames of the animation differ in their rays.
Picture Sun(int rays, double turn, Rgb sky) {
  Picture p(96, 96, sky);
  const double pi = std::acos(-1.0);
  for (int i = 0; i < rays; ++i) {
    const double a = turn + 2 * pi * i / rays;
    for (int r = 24; r < 44; ++r)
      p.FillCircle(48 + static_cast<int>(r * std::cos(a)), 48 + static_cast<int>(r * std::sin(a)),
                   2, {255, 170, 0});
  }
  p.FillCircle(48, 48, 22, {255, 215, 0});
  p.FillCircle(40, 42, 3, {60, 40, 0});
  p.FillCircle(56, 42, 3, {60, 40, 0});
  for (int x = 38; x <= 58; ++x) p.Set(x, 56 + (x - 48) * (x - 48) / 20, {60, 40, 0});
  return p;
}

// Plus, minus, times and divide signs on a tile.
Picture Signs(Rgb tile, Rgb ink) {
  Picture p(120, 120, tile);
  p.FillRect(20, 28, 50, 34, ink);
  p.FillRect(32, 16, 38, 46, ink);
  p.FillRect(70, 28, 100, 34, ink);
  for (int i = -12; i <= 12; ++i) {
    p.FillRect(34 + i - 1, 86 + i - 1, 34 + i + 2, 86 + i + 2, ink);
    p.FillRect(34 + i - 1, 86 - i - 1, 34 + i + 2, 86 - i + 2, ink);
  }
  p.FillRect(70, 84, 100, 90, ink);
  p.FillCircle(85, 76, 3, ink);
  p.FillCircle(85, 98, 3, ink);
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mathsheets-pictures FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const std::vector<std::pair<std::string, Picture>> pictures = {
      // main window
      {"tolvarline.bmp", Strip()},
      {"green.bmp", SquaredPaper(320, 480, {200, 240, 200}, {120, 200, 130})},
      {"yellow.bmp", SquaredPaper(320, 480, {255, 250, 200}, {240, 220, 120})},
      {"blues.bmp", SquaredPaper(160, 640, {210, 230, 255}, {110, 160, 230})},
      {"zn.bmp", Signs({255, 255, 255}, {30, 60, 160})},
      {"tolv4.bmp", Signs({0, 128, 128}, {255, 255, 255})},
      // word-problem window
      {"green3.bmp", SquaredPaper(320, 480, {210, 245, 210}, {140, 210, 150})},
      {"yellow3.bmp", SquaredPaper(320, 480, {255, 250, 210}, {245, 225, 140})},
      {"blue.bmp", SquaredPaper(320, 480, {215, 235, 255}, {130, 175, 235})},
      {"15.bmp", Sun(8, 0.0, {170, 220, 255})},
      {"15a.bmp", Sun(12, 0.3, {170, 220, 255})},
      {"15b.bmp", Sun(16, 0.6, {170, 220, 255})},
      {"fon15.bmp", Sun(0, 0.0, {200, 230, 255})},
      // catalog window
      {"fon2.bmp", Picture(5, 5, {192, 192, 192})},
      {"18.bmp", Sun(8, 0.2, {255, 230, 200})},
      {"19.bmp", Signs({255, 240, 220}, {160, 60, 30})},
      {"20.bmp", SquaredPaper(290, 250, {255, 235, 210}, {230, 190, 150})},
      {"pik/shkol.bmp", Signs({220, 240, 255}, {20, 80, 160})},
      {"pik/shkol5.bmp", Signs({230, 255, 230}, {20, 120, 40})},
      {"pik/teacher1.bmp", Signs({255, 245, 220}, {150, 90, 0})},
      {"pik/b5.bmp", SquaredPaper(472, 353, {235, 235, 255}, {170, 170, 230})},
      {"pik/brisvald.bmp", SquaredPaper(800, 450, {220, 250, 240}, {120, 200, 170})},
      {"pik/l1.bmp", SquaredPaper(500, 280, {250, 230, 250}, {200, 150, 200})},
      {"pik/drobi(1).bmp", Signs({255, 255, 255}, {200, 40, 40})},
      {"pik/01.bmp", Sun(12, 0.5, {230, 240, 255})},
      {"pik/number1.bmp", Sun(16, 0.1, {240, 255, 230})},
  };
  std::filesystem::create_directories(folder / "pik");
  for (const auto& [name, picture] : pictures) {
    if (!picture.WriteBmp(folder / name)) {
      std::cerr << "mathsheets-pictures: cannot write " << (folder / name) << "\n";
      return 1;
    }
  }
  return 0;
}
