#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/working_folder.h"
#include "common/random.h"
#include "ui/main_window.h"

namespace {

// The menu entry starts the program with this option: it then works in a folder of the user's
// home, prepared on the first start, instead of the folder it was started in.
constexpr const char* kHomeFolderOption = "--home-folder";

std::filesystem::path HomeWorkingFolder() {
  const char* home = std::getenv("HOME");
  const auto programFolder = QCoreApplication::applicationDirPath().toStdString();
  return mathsheets::app::PrepareHomeWorkingFolder(home ? home : "",
                                                   mathsheets::app::ShareFolderOf(programFolder));
}

// A saved set named on the command line (a double click on a *.mathsheet file), made absolute
// before the program changes folder.
std::optional<std::filesystem::path> SetFileArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i)
    if (!arguments[i].startsWith("--"))
      return std::filesystem::absolute(std::filesystem::path(arguments[i].toStdString()));
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program works in the folder it is started in: gen/ for worksheets, gen5/ and pictures.
  std::filesystem::path workdir = std::filesystem::current_path();
  const std::optional<std::filesystem::path> setFile = SetFileArgument(app.arguments());
  const bool inHomeFolder = app.arguments().contains(kHomeFolderOption);
  if (inHomeFolder) {
    try {
      workdir = HomeWorkingFolder();
      std::filesystem::current_path(workdir);
    } catch (const std::exception& e) {
      QMessageBox::critical(nullptr, QStringLiteral("Рабочие листы по математике"),
                            QString::fromStdString(e.what()));
      return EXIT_FAILURE;
    }
  }
  mathsheets::Pcg32 random;
  mathsheets::ui::TForm1 window(workdir, random, std::nullopt);
  // Started from the menu, the teacher sees where the worksheets go.
  if (inHomeFolder)
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" — ") +
                          QString::fromStdString(workdir.string()));
  // Without a window manager a maximized window keeps its size: fill the screen first.
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  // The set opens once the window is up: a main set in it, a problems set in the word-problem
  // window, a bad one in an error box over the empty window.
  if (setFile)
    QTimer::singleShot(0, &window, [&window, &setFile] {
      if (window.OpenSetFile(*setFile) == mathsheets::ui::TForm1::SetOpened::Problems)
        window.Button122Click();
    });
  return app.exec();
}
