// Starts as the desktop program does (the main window, which creates the other four in their
// order, maximized, shown and exposed) and exits; prints the time from entering main to the first
// paint of the exposed window. With --empty it shows one bare window of the same toolkit instead:
// the floor no program of this toolkit starts below. Time whole processes with an outside tool
// too (hyperfine), which adds loading the libraries and connecting to the display.
//
//   mathsheets-startup-bench [--empty] [--workdir DIR]
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

#include "common/random.h"
#include "ui/main_window.h"

namespace {

// Runs the event loop until the window is exposed and what it showed first is painted.
void WaitUntilExposed(QApplication& app, QWidget& window) {
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    app.processEvents(QEventLoop::WaitForMoreEvents);
  app.processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  bool empty = false;
  std::filesystem::path workdir = std::filesystem::current_path();
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--empty") {
      empty = true;
    } else if (option == "--workdir" && i + 1 < argc) {
      workdir = argv[++i];
    } else {
      std::fprintf(stderr, "usage: mathsheets-startup-bench [--empty] [--workdir DIR]\n");
      return 2;
    }
  }

  QApplication app(argc, argv);
  mathsheets::Pcg32 random;
  std::unique_ptr<QWidget> window;
  if (empty)
    window = std::make_unique<QWidget>();
  else
    window = std::make_unique<mathsheets::ui::TForm1>(workdir, random, std::nullopt);
  window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window->showMaximized();
  WaitUntilExposed(app, *window);
  std::printf("%s: %.1f ms to the first paint\n", empty ? "empty window" : "mathsheets",
              static_cast<double>(clock.nsecsElapsed()) / 1e6);
  return 0;
}
