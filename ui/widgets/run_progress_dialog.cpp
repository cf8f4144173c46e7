#include "ui/widgets/run_progress_dialog.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

namespace mathsheets::ui {

namespace {

// Redrawing and handling input after every variant would slow a run of short variants down
// many times over; a tenth of a second keeps "Отмена" prompt.
constexpr qint64 kRedrawMs = 100;

int ProgressValue(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT_MAX));
}

}  // namespace

RunProgressDialog::RunProgressDialog(QWidget* parent, std::chrono::milliseconds delay)
    : parent_(parent), delay_(delay) {
  clock_.start();
}

RunProgressDialog::~RunProgressDialog() = default;

ProgressHook RunProgressDialog::Hook() {
  return [this](const RunProgress& progress) { return OnProgress(progress); };
}

void RunProgressDialog::Show() {
  dialog_ = std::make_unique<QProgressDialog>(parent_);
  dialog_->setObjectName("RunProgress");
  dialog_->setWindowTitle("Выполнение");
  dialog_->setCancelButtonText("Отмена");
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  dialog_->show();
}

bool RunProgressDialog::OnProgress(const RunProgress& progress) {
  return Report(progress.written, progress.total,
                QString("Записано вариантов: %1 из %2").arg(progress.written).arg(progress.total));
}

std::function<bool(int, int)> RunProgressDialog::PageHook() {
  return [this](int done, int total) {
    return Report(done, total, QString("Страниц PDF: %1 из %2").arg(done).arg(total));
  };
}

std::function<bool(int)> RunProgressDialog::DocxHook() {
  return [this](int) { return Report(0, 0, QString("Документы Word…")); };
}

bool RunProgressDialog::Report(std::int64_t done, std::int64_t total, const QString& label) {
  const qint64 elapsed = clock_.elapsed();
  if (elapsed < delay_.count()) return true;
  const bool first = dialog_ == nullptr;
  if (first) Show();
  if (first || elapsed - lastRedraw_ >= kRedrawMs) {
    lastRedraw_ = elapsed;
    dialog_->setMaximum(ProgressValue(total));
    dialog_->setValue(ProgressValue(done));
    dialog_->setLabelText(label);
    QCoreApplication::processEvents();
  }
  return !dialog_->wasCanceled();
}

}  // namespace mathsheets::ui
