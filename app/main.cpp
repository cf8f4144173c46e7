#include <QApplication>
#include <QScreen>
#include <filesystem>

#include "common/random.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  mathsheets::Pcg32 random;
  // The program works in the folder it is started in: gen/ for worksheets, gen5/ and pictures.
  mathsheets::ui::TForm1 window(std::filesystem::current_path(), random, std::nullopt);
  // Without a window manager a maximized window keeps its size: fill the screen first.
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  return app.exec();
}
