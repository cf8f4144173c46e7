#include "ui/widgets/error_box.h"

#include <QMessageBox>

namespace mathsheets::ui {

ErrorBox MessageBoxFor(QWidget* parent) {
  return [parent](const QString& text) { QMessageBox::critical(parent, QString(), text); };
}

}  // namespace mathsheets::ui
