#include "ui/printing/sheet_printing.h"

#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <exception>
#include <optional>

#include "pdf/worksheet_pdf.h"

namespace mathsheets::ui {

namespace {

// Which sheet to print: nothing when the teacher closes the question.
std::optional<pdf::SheetKind> AskForSheet(QWidget* parent) {
  QMessageBox question(QMessageBox::Question, "Печать", "Какой лист напечатать?",
                       QMessageBox::Cancel, parent);
  question.setObjectName("PrintWhichSheet");
  QPushButton* pupil = question.addButton("Лист ученика", QMessageBox::AcceptRole);
  pupil->setObjectName("ButtonPrintStudent");
  QPushButton* teacher = question.addButton("Лист учителя", QMessageBox::AcceptRole);
  teacher->setObjectName("ButtonPrintTeacher");
  question.setDefaultButton(pupil);
  question.exec();
  if (question.clickedButton() == pupil) return pdf::SheetKind::Student;
  if (question.clickedButton() == teacher) return pdf::SheetKind::Teacher;
  return std::nullopt;
}

}  // namespace

void PrintLastRun(QWidget* parent, const LastRunFiles& files, const sheet::PrintLayout& layout,
                  const ErrorBox& errorBox) {
  if (files.empty()) {
    errorBox("Сначала нажмите \"Выполнить\": печатается лист последнего выполнения.");
    return;
  }
  const std::optional<pdf::SheetKind> kind = AskForSheet(parent);
  if (!kind) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  pdf::PreparePaper(printer, layout);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName("PrintPreview");
  preview.setWindowTitle(*kind == pdf::SheetKind::Student ? "Печать: лист ученика"
                                                          : "Печать: лист учителя");
  QString failure;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
    try {
      pdf::PrintSheet(*target, files.student, files.teacher, *kind, layout);
    } catch (const std::exception& e) {
      failure = QString::fromUtf8(e.what());
    }
  });
  preview.exec();
  if (!failure.isEmpty()) errorBox(failure);
}

}  // namespace mathsheets::ui
