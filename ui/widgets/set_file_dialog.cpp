#include "ui/widgets/set_file_dialog.h"

#include <QFileDialog>

namespace mathsheets::ui {

std::filesystem::path AskSetFileToSave(QWidget* parent) {
  QString file = QFileDialog::getSaveFileName(parent, "Сохранить набор", QString(),
                                              "Наборы заданий (*.mathsheet)");
  if (file.isEmpty()) return {};
  if (!file.endsWith(".mathsheet")) file += ".mathsheet";
  return file.toStdString();
}

std::filesystem::path AskSetFileToOpen(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, "Открыть набор", QString(),
                                      "Наборы заданий (*.mathsheet);;Все файлы (*)")
      .toStdString();
}

QString SetErrorText(const sets::SetError& error) {
  return QString::fromUtf8(error.what()) + ".\n\nНабор не открыт: выбор в окне остался прежним.";
}

}  // namespace mathsheets::ui
