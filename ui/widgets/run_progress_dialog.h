#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

#include "worksheet/run_progress.h"

namespace mathsheets::ui {

// The progress of one run in a window. A run that ends within `delay` shows nothing and
// processes no events, as before; a longer one shows a modal dialog "Записано вариантов: N из M"
// whose "Отмена" stops the run after the variant being written, and goes on through the PDFs
// ("Страниц PDF: N из M"), where "Отмена" leaves no PDF. Lives for one run.
class RunProgressDialog {
 public:
  explicit RunProgressDialog(QWidget* parent,
                             std::chrono::milliseconds delay = std::chrono::milliseconds(500));
  ~RunProgressDialog();
  RunProgressDialog(const RunProgressDialog&) = delete;
  RunProgressDialog& operator=(const RunProgressDialog&) = delete;

  ProgressHook Hook();
  // For the PDF step: told `done` of `total` pages, answers false once "Отмена" was pressed.
  std::function<bool(int done, int total)> PageHook();
  // For the Word documents, whose length is not known before they are made: answers false once
  // "Отмена" was pressed.
  std::function<bool(int done)> DocxHook();
  // Null until the run has gone on for `delay`.
  QProgressDialog* dialog() const { return dialog_.get(); }

 private:
  bool OnProgress(const RunProgress& progress);
  bool Report(std::int64_t done, std::int64_t total, const QString& label);
  void Show();

  QWidget* parent_;
  std::chrono::milliseconds delay_;
  QElapsedTimer clock_;
  qint64 lastRedraw_ = 0;
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace mathsheets::ui
