#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <filesystem>

#include "common/random.h"
#include "ui/widgets/error_box.h"
#include "ui/widgets/picture_box.h"
#include "wordproblems/problem_module.h"

namespace mathsheets::ui {

// The word-problem window: a preview button and a check box per problem, the variants box, the
// run and the small animation after it. The handlers pass what the teacher does on to the
// problem module and the run of the core.
class TForm3 : public QDialog {
  Q_OBJECT
 public:
  // `workdir` holds gen/ and the pictures; `helpWindow` is shown by "Справка". An empty
  // `errors` shows message boxes, also for the panel pictures loaded here.
  TForm3(const std::filesystem::path& workdir, RandomSource& random, QDialog* helpWindow,
         QWidget* parent = nullptr, ErrorBox errors = {});

  // Every error of the window is shown through it.
  ErrorBox errorBox;

  ProblemModule& module() { return module_; }

 public slots:
  void Button1Click();
  // Button2 .. Button231: a fresh instance of the problem with Index buttonNumber - 1.
  void PreviewButtonClick(int buttonNumber);
  // CheckBox1 .. CheckBox230.
  void CheckBoxClick(int index);
  void Button232Click();
  void Button233Click();
  void Timer1Timer();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormCreate();
  void BuildTopStrip();
  void BuildPreviewLabels();
  void BuildColumns();
  void LoadPanels();

  std::filesystem::path workdir_;
  QDialog* helpWindow_;
  ProblemModule module_;

  QPushButton* button1_ = nullptr;
  QPushButton* button232_ = nullptr;
  QPushButton* button233_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QCheckBox* checkBoxPdf_ = nullptr;
  std::array<QLabel*, 7> labels_{};      // Label1 .. Label7
  std::array<PictureBox*, 4> images_{};  // Image1 .. Image4
  QTimer* timer1_ = nullptr;
};

}  // namespace mathsheets::ui
