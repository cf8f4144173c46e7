#include "windows/ui/help_windows.h"

namespace mathsheets::ui {

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
  setObjectName("Form4");
  setWindowTitle("Form4");
  resize(640, 480);
}

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
  setObjectName("Form5");
  setWindowTitle("Form5");
  resize(640, 480);
}

}  // namespace mathsheets::ui
