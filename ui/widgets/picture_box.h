#pragma once

#include <QLabel>
#include <filesystem>
#include <string_view>

#include "ui/widgets/error_box.h"

namespace mathsheets::ui {

// A picture box: a label that shows a BMP file of the working folder scaled to its size with the
// aspect ratio kept, centred. Loading reads only the file's header; the picture is decoded and
// scaled when it is first painted: laying a window out resizes its boxes many times, and the
// hidden windows' pictures cost the start of the program nothing until they are shown.
class PictureBox : public QLabel {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Loads `name` (with "\" between folders) from `folder`. A file that cannot be opened is reported
  // through `errorBox` as "Cannot open file "<full path>". <reason>." and leaves the box as it was;
  // returns false then.
  bool Load(const std::filesystem::path& folder, std::string_view name, const ErrorBox& errorBox);
  bool hasPicture() const { return !path_.isEmpty(); }
  const QString& pictureName() const { return name_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString path_;  // the file loaded last, decoded when first painted
  bool decodePending_ = false;
  QPixmap original_;
  QPixmap scaled_;  // original_ at the size it was last painted at
  QString name_;
};

}  // namespace mathsheets::ui
