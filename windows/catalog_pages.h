#pragma once

#include <array>
#include <span>
#include <string_view>

namespace mathsheets {

struct PictureRect {
  int left;
  int top;
  int width;
  int height;
};

struct PagePicture {
  std::string_view file;  // relative to the working folder, "\" between folders
  PictureRect rect;
};

// What one grade button of the catalog window shows: lines from Label<firstLabel> down (an empty
// text leaves its label empty), and its pictures in Image1, Image2, ...
struct CatalogPage {
  std::string_view caption;
  int firstLabel;
  std::span<const std::string_view> lines;
  std::span<const PagePicture> pictures;
  bool parksPictures;  // every page but the parents' first parks the three picture boxes
};

inline constexpr int kFirstDescriptionLabel = 2;
inline constexpr int kLastDescriptionLabel = 14;

// The ten grade buttons, left to right.
std::span<const CatalogPage> CatalogPages();

// Where a parked picture box waits, 5 by 5 pixels, showing fon2.bmp.
inline constexpr std::string_view kParkedPicture = "fon2.bmp";
inline constexpr std::array<PictureRect, 3> kParkedRects = {
    {{804, 23, 5, 5}, {810, 23, 5, 5}, {815, 23, 5, 5}}};

inline constexpr std::string_view kCatalogWebAddress = "www.mathsheets.example.org";

// The help lines of the main window and of the word-problem window, top to bottom.
std::span<const std::string_view> MainHelpLines();
std::span<const std::string_view> WordProblemHelpLines();

}  // namespace mathsheets
