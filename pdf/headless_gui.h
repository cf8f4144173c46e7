#pragma once

#include <QGuiApplication>
#include <array>
#include <memory>

namespace mathsheets::pdf {

// The QGuiApplication that measuring and drawing fonts need, for a program without windows.
// Unless QT_QPA_PLATFORM names a platform it runs on the offscreen one: a PDF needs no display,
// and a stale DISPLAY must not stop a script. Does nothing when an application exists already.
class HeadlessGui {
 public:
  HeadlessGui();
  ~HeadlessGui();
  HeadlessGui(const HeadlessGui&) = delete;
  HeadlessGui& operator=(const HeadlessGui&) = delete;

 private:
  // QGuiApplication keeps references to its arguments for its whole life.
  std::array<char, 16> name_{"mathsheets-cli"};
  std::array<char, 16> platformOption_{"-platform"};
  std::array<char, 16> platform_{"offscreen"};
  std::array<char*, 4> argv_{};
  int argc_ = 0;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace mathsheets::pdf
