#include "windows/ui/catalog_window.h"

namespace mathsheets::ui {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName("Form2");
  setWindowTitle("Form2");
  resize(640, 480);
}

}  // namespace mathsheets::ui
