#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <array>
#include <filesystem>

#include "ui/widgets/error_box.h"
#include "ui/widgets/picture_box.h"
#include "windows/marquee.h"

namespace mathsheets::ui {

// The catalog window: a page of descriptions for each school grade, with pictures and the web
// address scrolling under them.
class TForm2 : public QDialog {
  Q_OBJECT
 public:
  TForm2(const std::filesystem::path& workdir, ErrorBox errorBox, QWidget* parent = nullptr);

  const Marquee& marquee() const { return marquee_; }

 public slots:
  void Button1Click();
  // The grade button `page` (0 = "Начальная школа" .. 9 = "Родителям").
  void GradeButtonClick(int page);
  void Timer1Timer();

 private:
  void FormCreate();
  // Parks the three picture boxes, small, at the top; false when fon2.bmp cannot be shown.
  bool uzimage();

  std::filesystem::path workdir_;
  ErrorBox errorBox_;
  Marquee marquee_;
  std::array<QLabel*, 17> labels_{};  // Label1..Label16 at their numbers
  std::array<PictureBox*, 3> images_{};
  QTimer* timer_ = nullptr;
};

}  // namespace mathsheets::ui
