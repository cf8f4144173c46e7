#pragma once

#include <QLabel>
#include <filesystem>
#include <string_view>

#include "ui/widgets/error_box.h"

namespace mathsheets::ui {

// A picture box: a label that shows a BMP file of the working folder scaled to its size with the
// aspect ratio kept.
class PictureBox : public QLabel {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Loads `name` (with "\" between folders) from `folder`. A file that cannot be opened is reported
  // through `errorBox` as "Cannot open file "<full path>". <reason>." and leaves the box as it was;
  // returns false then.
  bool Load(const std::filesystem::path& folder, std::string_view name, const ErrorBox& errorBox);
  bool hasPicture() const { return !original_.isNull(); }
  const QString& pictureName() const { return name_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Rescale();
  QPixmap original_;
  QString name_;
};

}  // namespace mathsheets::ui
