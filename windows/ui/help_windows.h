#pragma once

#include <QDialog>

namespace mathsheets::ui {

// The help window of the word-problem window.
class TForm4 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);
};

// The help window of the main window.
class TForm5 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);
};

}  // namespace mathsheets::ui
