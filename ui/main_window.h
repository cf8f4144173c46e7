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
#include "sets/worksheet_set.h"
#include "sheet/print_layout.h"
#include "shell/main_selection.h"
#include "ui/printing/print_settings.h"
#include "ui/printing/sheet_printing.h"
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
  // The seed of the last run, or of the set opened since; a saved set holds it.
  std::optional<std::uint32_t> lastSeed() const { return lastRun_ ? lastRun_->seed : std::nullopt; }

  // Reads a set file into this window's selection and boxes, or a problems set into the
  // word-problem window's; a bad file is shown in the error box and changes nothing. Answers
  // whether it was read, and into which window.
  enum class SetOpened { No, Main, Problems };
  SetOpened OpenSetFile(const std::filesystem::path& file);
  // Writes the set of the last run, as the selection was when it started, with its seed and the
  // layout; once the teacher has changed the selection since, the selection as it is with that
  // seed. False after an error box.
  bool SaveSetFile(const std::filesystem::path& file);

 public slots:
  void Button1Click();
  void Button2Click();
  // "Повторить": the selection of the last run back in the boxes, and the run again with its seed:
  // the same sheets. A run changes some options as it goes, so a second "Выполнить" would not.
  void ButtonRepeatClick();
  void ButtonPrintClick();
  void ButtonPrintOptionsClick();
  // "Сохранить набор…" and "Открыть набор…": a file dialog, then SaveSetFile or OpenSetFile.
  void ButtonSaveSetClick();
  void ButtonOpenSetClick();
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
  void RunWithSeed(std::uint32_t seed);
  // Shows the selection in the check boxes, count boxes, radio buttons and the variants box.
  void ShowSelection();
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

  // The selection as the last run started, its seed and layout (or the set opened since).
  std::optional<sets::WorksheetSet> lastRun_;
  bool changedSinceRun_ = false;
  // The seed of a set opened since the last run, which the next run takes.
  std::optional<std::uint32_t> openedSeed_;
  sheet::PrintLayout layout_ = LoadPrintLayout(ProgramSettings());
  // The files of the last run, for "Печать…".
  LastRunFiles lastFiles_;

  std::array<QLineEdit*, kTaskKindCount> countBoxes_{};
  QPushButton* buttonRepeat_ = nullptr;
  QLineEdit* edit4_ = nullptr;
  QCheckBox* checkBoxPdf_ = nullptr;
  QCheckBox* checkBoxDocx_ = nullptr;
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
