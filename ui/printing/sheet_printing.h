#pragma once

#include <QWidget>
#include <filesystem>

#include "sheet/print_layout.h"
#include "ui/widgets/error_box.h"

namespace mathsheets::ui {

// The pair of files of a window's last run, or nothing before the first.
struct LastRunFiles {
  std::filesystem::path student;
  std::filesystem::path teacher;
  bool empty() const { return student.empty(); }
};

// "Печать…": asks for the pupil's or the teacher's sheet of `files`, then opens the system's
// print dialog with its preview, painted by the same code as the PDF with the choices `layout`.
// A printer that fails is shown in `errorBox`; a dialog cancelled does nothing.
void PrintLastRun(QWidget* parent, const LastRunFiles& files, const sheet::PrintLayout& layout,
                  const ErrorBox& errorBox);

}  // namespace mathsheets::ui
