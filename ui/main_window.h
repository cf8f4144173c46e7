#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/random.h"
#include "generators/main_module.h"
#include "shell/main_selection.h"
#include "ui/widgets/error_box.h"
#include "ui/widgets/picture_box.h"

namespace mathsheets::ui {

class TForm2;
class TForm3;
class TForm4;
class TForm5;

// The main window: the catalog of exercise types with their check boxes, buttons and count boxes,
// the variants box, the option radio groups and the buttons of the other windows. Its handlers
// only pass what the teacher does on to the selection and the run of the core.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // `workdir` holds gen/, gen5/ and the pictures. FormCreate seeds `random` with `seed`, or from
  // the clock without one. An empty `errorBox` shows message boxes.
  TForm1(const std::filesystem::path& workdir, Pcg32& random, std::optional<std::uint64_t> seed,
         ErrorBox errorBox = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  MainModule& module() { return module_; }
  MainSelection& selection() { return selection_; }
  TForm3* wordProblemWindow() const { return form3_; }

 public slots:
  void Button1Click();
  void Button2Click();
  void Button120Click();
  void Button122Click();
  void Button123Click();
  void CheckBoxClick(int taskNumber);
  void CountBoxChange(int taskNumber, const QString& text);
  void Edit4Change(const QString& text);
  void RadioButtonClick(int radioButton);
  void TypeButtonClick(int taskNumber);

 private:
  void FormCreate();
  // Fills the six sample boxes from the example files of `sample`; throws IoError.
  void rinf(int sample);
  // Paints the web-address labels in a colour scheme drawn at random.
  void recl();
  QWidget* BuildColumn(std::initializer_list<std::pair<int, int>> ranges, QWidget* extra = nullptr);
  QWidget* BuildRow(int taskNumber);
  QWidget* BuildTopStrip();
  QWidget* BuildWebAddress();
  QWidget* BuildRadioGroup(int group, const char* name);

  std::filesystem::path workdir_;
  Pcg32& random_;
  std::optional<std::uint64_t> seed_;
  ErrorBox errorBox_;
  MainModule module_;
  MainSelection selection_;

  std::array<QLineEdit*, kTaskKindCount> countBoxes_{};
  QLineEdit* edit4_ = nullptr;
  QCheckBox* checkBoxPdf_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* label5_ = nullptr;
  std::array<PictureBox*, 7> pictures_{};

  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm4* form4_ = nullptr;
  TForm5* form5_ = nullptr;
};

}  // namespace mathsheets::ui
