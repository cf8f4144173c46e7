#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

#include "sheet/print_layout.h"

namespace mathsheets::ui {

// "Параметры печати": variants a page, exercises in columns, large print, the answer key and the
// paper, the same choices for the printer and the PDF.
class PrintOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PrintOptionsDialog(const sheet::PrintLayout& layout, QWidget* parent = nullptr);

  sheet::PrintLayout layout() const;

 private:
  QComboBox* perPage_ = nullptr;
  QComboBox* columns_ = nullptr;
  QCheckBox* large_ = nullptr;
  QCheckBox* key_ = nullptr;
  QComboBox* paper_ = nullptr;
};

// Shows the dialog over `parent` with the choices `current`; what the teacher accepts is kept in
// the program's settings for the next start. Returns the choices in force afterwards.
sheet::PrintLayout EditPrintLayout(QWidget* parent, const sheet::PrintLayout& current);

}  // namespace mathsheets::ui
