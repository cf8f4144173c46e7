#include "ui/widgets/picture_box.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "common/work_path.h"

namespace mathsheets::ui {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setMinimumSize(1, 1);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

bool PictureBox::Load(const std::filesystem::path& folder, std::string_view name,
                      const ErrorBox& errorBox) {
  const QString path =
      QString::fromStdString(std::filesystem::absolute(WorkPath(folder, name)).string());
  QFile file(path);
  QString reason;
  if (!file.open(QIODevice::ReadOnly)) {
    reason = file.errorString();
  } else if (QImageReader reader(&file, "BMP"); !reader.canRead() || !reader.size().isValid()) {
    reason = QStringLiteral("The file is not a BMP picture");
  }
  if (!reason.isEmpty()) {
    errorBox(QStringLiteral("Cannot open file \"%1\". %2.").arg(path, reason));
    return false;
  }
  path_ = path;
  decodePending_ = true;
  original_ = {};
  scaled_ = {};
  name_ = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  update();
  return true;
}

void PictureBox::paintEvent(QPaintEvent* event) {
  // Once: a file whose body turns out broken is not read again at every paint.
  if (decodePending_) {
    decodePending_ = false;
    original_.load(path_, "BMP");
  }
  if (original_.isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  const QSize fitted = original_.size().scaled(size(), Qt::KeepAspectRatio);
  if (scaled_.size() != fitted)
    scaled_ = original_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QRect target(QPoint(0, 0), scaled_.size());
  target.moveCenter(rect().center());
  QPainter(this).drawPixmap(target.topLeft(), scaled_);
}

}  // namespace mathsheets::ui
