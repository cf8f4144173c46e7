#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/random.h"
#include "sets/worksheet_set.h"
#include "sheet/print_layout.h"
#include "ui/printing/print_settings.h"
#include "ui/printing/sheet_printing.h"
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
  // `errors` shows message boxes, also for the panel pictures loaded here. Each run seeds `random`
  // with a seed of its own, drawn from it.
  TForm3(const std::filesystem::path& workdir, Pcg32& random, QDialog* helpWindow,
         QWidget* parent = nullptr, ErrorBox errors = {});

  // Every error of the window is shown through it.
  ErrorBox errorBox;

  ProblemModule& module() { return module_; }
  std::optional<std::uint32_t> lastSeed() const { return lastRun_ ? lastRun_->seed : std::nullopt; }

  // A problems set into the check boxes, the flags and the variants box; its seed is the next
  // run's. The set must be a problems set.
  void ApplySet(const sets::WorksheetSet& set);
  // Reads a set file into the window; a bad file, or a main-window set, is shown in the error box
  // and changes nothing.
  bool OpenSetFile(const std::filesystem::path& file);
  // Writes the set of the last run with its seed and the layout, or, once the teacher has changed
  // the ticks or the variants box since, the window as it is with that seed.
  bool SaveSetFile(const std::filesystem::path& file);

 public slots:
  void Button1Click();
  // Button2 .. Button231: a fresh instance of the problem with Index buttonNumber - 1.
  void PreviewButtonClick(int buttonNumber);
  // CheckBox1 .. CheckBox230.
  void CheckBoxClick(int index);
  void Button232Click();
  void Button233Click();
  void ButtonRepeatClick();
  void ButtonPrintClick();
  void ButtonPrintOptionsClick();
  void ButtonSaveSetClick();
  void ButtonOpenSetClick();
  void Timer1Timer();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormCreate();
  void BuildTopStrip();
  void BuildPreviewLabels();
  void BuildColumns();
  void LoadPanels();
  void RunWithSeed(std::uint32_t seed);
  void ShowSet(const sets::WorksheetSet& set);

  std::filesystem::path workdir_;
  QDialog* helpWindow_;
  Pcg32& random_;
  ProblemModule module_;
  // The window as the last run started, its seed and layout (or the set opened since).
  std::optional<sets::WorksheetSet> lastRun_;
  bool changedSinceRun_ = false;
  // The seed of a set opened since the last run, which the next run takes.
  std::optional<std::uint32_t> openedSeed_;
  sheet::PrintLayout layout_ = LoadPrintLayout(ProgramSettings());
  // The files of the last run, for "Печать…".
  LastRunFiles lastFiles_;

  QPushButton* button1_ = nullptr;
  QPushButton* button232_ = nullptr;
  QPushButton* button233_ = nullptr;
  QPushButton* buttonRepeat_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QCheckBox* checkBoxPdf_ = nullptr;
  QCheckBox* checkBoxDocx_ = nullptr;
  std::array<QLabel*, 7> labels_{};      // Label1 .. Label7
  std::array<PictureBox*, 4> images_{};  // Image1 .. Image4
  QTimer* timer1_ = nullptr;
};

}  // namespace mathsheets::ui
