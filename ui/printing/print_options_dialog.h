#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "sheet/print_layout.h"
#include "ui/widgets/error_box.h"

namespace mathsheets::ui {

// "Параметры печати": variants a page, exercises in columns, large print, the answer key, the
// paper and the title, the same choices for the printer and the PDF. A title the sheet cannot
// take is named in the window's error box and the dialog stays open.
class PrintOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PrintOptionsDialog(const sheet::PrintLayout& layout, QWidget* parent = nullptr);

  sheet::PrintLayout layout() const;

  void accept() override;

  // Where the dialog names a title it cannot take; a test puts its own here.
  ErrorBox errorBox;

 private:
  QComboBox* perPage_ = nullptr;
  QComboBox* columns_ = nullptr;
  QCheckBox* large_ = nullptr;
  QCheckBox* key_ = nullptr;
  QComboBox* paper_ = nullptr;
  QLineEdit* title_ = nullptr;
};

// Shows the dialog over `parent` with the choices `current`; what the teacher accepts is kept in
// the program's settings for the next start. Returns the choices in force afterwards.
sheet::PrintLayout EditPrintLayout(QWidget* parent, const sheet::PrintLayout& current);

}  // namespace mathsheets::ui
