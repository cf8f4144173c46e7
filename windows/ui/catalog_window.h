#pragma once

#include <QDialog>

namespace mathsheets::ui {

// The catalog window describing related programs.
class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace mathsheets::ui
