#include "ui/problem_window.h"

#include <QFont>
#include <QResizeEvent>
#include <string>

#include "common/io_error.h"
#include "docx/docx_file.h"
#include "pdf/worksheet_pdf.h"
#include "sets/set_file.h"
#include "sets/set_selection.h"
#include "ui/printing/print_options_dialog.h"
#include "ui/widgets/run_progress_dialog.h"
#include "ui/widgets/set_file_dialog.h"
#include "wordproblems/animation.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets::ui {

namespace {

constexpr int kPreviewLabels = 4;
constexpr int kRowPitch = 29;
constexpr int kColumnPitch = 72;
constexpr int kCheckBoxWidth = 18;
constexpr int kButtonWidth = 48;
constexpr int kButtonHeight = 25;
constexpr int kPanelGap = 12;
constexpr int kPanelPadding = 6;
constexpr int kPreviewTop = 104;
constexpr int kPreviewHeight = 26;
constexpr int kColumnsTop = kPreviewTop + kPreviewLabels * kPreviewHeight + 8;
constexpr int kAnimationSize = 96;

// The three column groups: Z in 4 columns of 16, S in 16, 16 and 6, B in 9 columns of 15 (the
// last one 12).
struct PanelLayout {
  int firstIndex;
  int count;
  int rows;
  int columns;
  const char* picture;
};

constexpr std::array<PanelLayout, 3> kPanels = {{
    {1, kZProblemCount, 16, 4, "green3.bmp"},
    {kZProblemCount + 1, kSProblemCount, 16, 3, "yellow3.bmp"},
    {kZProblemCount + kSProblemCount + 1, kBProblemCount, 15, 9, "blue.bmp"},
}};

QString Name(const char* stem, int number) {
  return QString("%1%2").arg(stem).arg(number);
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm3::TForm3(const std::filesystem::path& workdir, Pcg32& random, QDialog* helpWindow,
               QWidget* parent, ErrorBox errors)
    : QDialog(parent),
      errorBox(errors ? std::move(errors) : MessageBoxFor(this)),
      workdir_(workdir),
      helpWindow_(helpWindow),
      random_(random),
      module_(random) {
  setObjectName("Form3");
  setWindowTitle("Form3");
  setWindowState(Qt::WindowMaximized);
  BuildTopStrip();
  BuildPreviewLabels();
  BuildColumns();
  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &TForm3::Timer1Timer);
  FormCreate();
  timer1_->start();
}

void TForm3::BuildTopStrip() {
  button233_ = new QPushButton(this);
  button233_->setObjectName("Button233");
  button233_->setGeometry(8, 8, 90, 28);
  connect(button233_, &QPushButton::clicked, this, &TForm3::Button233Click);

  labels_[6] = new QLabel(this);
  labels_[6]->setObjectName("Label7");
  labels_[6]->setGeometry(112, 12, 80, 20);

  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setGeometry(196, 8, 60, 28);
  connect(edit1_, &QLineEdit::textChanged, this, [this] { changedSinceRun_ = true; });

  // Ticked, a run also writes the print-ready PDF of each file beside it.
  checkBoxPdf_ = new QCheckBox("PDF", this);
  checkBoxPdf_->setObjectName("CheckBoxPdf");
  checkBoxPdf_->setGeometry(264, 8, 56, 28);
  // Ticked, also the Word document of each file, for the teacher to edit.
  checkBoxDocx_ = new QCheckBox("DOCX", this);
  checkBoxDocx_->setObjectName("CheckBoxDocx");
  checkBoxDocx_->setGeometry(264, 40, 64, 28);

  button232_ = new QPushButton(this);
  button232_->setObjectName("Button232");
  button232_->setGeometry(324, 8, 100, 28);
  // Enter in the variants box runs; "Справка" came first and would otherwise be the default.
  button232_->setDefault(true);
  connect(button232_, &QPushButton::clicked, this, &TForm3::Button232Click);

  button1_ = new QPushButton("X", this);
  button1_->setObjectName("Button1");
  button1_->setGeometry(436, 8, 28, 28);
  connect(button1_, &QPushButton::clicked, this, &TForm3::Button1Click);

  // Label5 and Label6 stay empty; they keep their place in the strip.
  for (int i = 4; i < 6; ++i) {
    labels_[static_cast<std::size_t>(i)] = new QLabel(this);
    labels_[static_cast<std::size_t>(i)]->setObjectName(Name("Label", i + 1));
    labels_[static_cast<std::size_t>(i)]->setGeometry(476 + (i - 4) * 120, 12, 110, 20);
  }

  // Saved sets: the ticked problems, the variants and the seed to a file and back, and the last
  // run again.
  buttonRepeat_ = new QPushButton("Повторить", this);
  buttonRepeat_->setObjectName("ButtonRepeat");
  buttonRepeat_->setGeometry(716, 8, 100, 28);
  buttonRepeat_->setEnabled(false);
  buttonRepeat_->setToolTip("Те же варианты, что и в прошлый раз");
  connect(buttonRepeat_, &QPushButton::clicked, this, &TForm3::ButtonRepeatClick);
  auto* saveSet = new QPushButton("Сохранить набор…", this);
  saveSet->setObjectName("ButtonSaveSet");
  saveSet->setGeometry(824, 8, 150, 28);
  connect(saveSet, &QPushButton::clicked, this, &TForm3::ButtonSaveSetClick);
  auto* openSet = new QPushButton("Открыть набор…", this);
  openSet->setObjectName("ButtonOpenSet");
  openSet->setGeometry(982, 8, 150, 28);
  connect(openSet, &QPushButton::clicked, this, &TForm3::ButtonOpenSetClick);

  // Printing, in the places of the empty Label5 and Label6: the last run's sheets through the
  // system's print dialog, and the layout choices.
  auto* print = new QPushButton("Печать…", this);
  print->setObjectName("ButtonPrint");
  print->setGeometry(476, 8, 100, 28);
  connect(print, &QPushButton::clicked, this, &TForm3::ButtonPrintClick);
  auto* printOptions = new QPushButton("Параметры печати…", this);
  printOptions->setObjectName("ButtonPrintOptions");
  printOptions->setGeometry(580, 8, 132, 28);
  connect(printOptions, &QPushButton::clicked, this, &TForm3::ButtonPrintOptionsClick);

  images_[3] = new PictureBox(this);
  images_[3]->setObjectName("Image4");
  images_[3]->setGeometry(width() - kAnimationSize - 8, 4, kAnimationSize, kAnimationSize);
}

void TForm3::BuildPreviewLabels() {
  QFont font = this->font();
  font.setBold(true);
  font.setPixelSize(19);
  for (int i = 0; i < kPreviewLabels; ++i) {
    QLabel* label = new QLabel(this);
    label->setObjectName(Name("Label", i + 1));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(8, kPreviewTop + i * kPreviewHeight, width() - 16, kPreviewHeight);
    labels_[static_cast<std::size_t>(i)] = label;
  }
}

void TForm3::BuildColumns() {
  int left = 4;
  for (std::size_t p = 0; p < kPanels.size(); ++p) {
    const PanelLayout& panel = kPanels[p];
    PictureBox* image = new PictureBox(this);
    image->setObjectName(Name("Image", static_cast<int>(p) + 1));
    image->setGeometry(left, kColumnsTop - kPanelPadding,
                       panel.columns * kColumnPitch + 2 * kPanelPadding,
                       panel.rows * kRowPitch + 2 * kPanelPadding);
    image->lower();
    images_[p] = image;
    for (int i = 0; i < panel.count; ++i) {
      const int index = panel.firstIndex + i;
      const TWordProblem& problem = WordProblemByIndex(index);
      const int x = left + kPanelPadding + (i / panel.rows) * kColumnPitch;
      const int y = kColumnsTop + (i % panel.rows) * kRowPitch;

      QCheckBox* box = new QCheckBox(this);
      box->setObjectName(Name("CheckBox", index));
      box->setGeometry(x, y + 2, kCheckBoxWidth, kButtonHeight - 4);
      connect(box, &QCheckBox::clicked, this, [this, index] { CheckBoxClick(index); });

      QPushButton* button = new QPushButton(FromUtf8(problem.Caption), this);
      button->setObjectName(Name("Button", index + 1));
      button->setGeometry(x + kCheckBoxWidth + 2, y, kButtonWidth, kButtonHeight);
      connect(button, &QPushButton::clicked, this,
              [this, index] { PreviewButtonClick(index + 1); });

      // A problem that cannot be generated yet can be neither ticked nor previewed.
      const bool ready = problem.Generator != nullptr;
      box->setEnabled(ready);
      button->setEnabled(ready);
    }
    left += panel.columns * kColumnPitch + 2 * kPanelPadding + kPanelGap;
  }
  setMinimumSize(left + kAnimationSize, kColumnsTop + 16 * kRowPitch + 2 * kPanelPadding + 8);
}

void TForm3::FormCreate() {
  module_.AnimationStep = 0;
  button232_->setText("Выполнить");
  button233_->setText("Справка");
  for (std::size_t i = 0; i < 6; ++i) labels_[i]->clear();
  labels_[6]->setText("Bариантов");  // begins with a Latin B
  module_.Selected.fill(0);
  LoadPanels();
}

void TForm3::LoadPanels() {
  // The first picture that cannot be loaded is reported and the rest are left out.
  for (std::size_t p = 0; p < kPanels.size(); ++p)
    if (!images_[p]->Load(workdir_, kPanels[p].picture, errorBox)) return;
}

void TForm3::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  images_[3]->move(width() - kAnimationSize - 8, 4);
  for (int i = 0; i < kPreviewLabels; ++i)
    labels_[static_cast<std::size_t>(i)]->resize(width() - 16, kPreviewHeight);
}

void TForm3::Button1Click() {
  close();
}

void TForm3::PreviewButtonClick(int buttonNumber) {
  for (int i = 0; i < kPreviewLabels; ++i) labels_[static_cast<std::size_t>(i)]->clear();
  try {
    const auto& lines = PreviewProblem(module_, buttonNumber - 1);
    for (std::size_t i = 0; i < lines.size() && i < kPreviewLabels; ++i)
      labels_[i]->setText(QString::fromStdString(lines[i]));
  } catch (const std::exception& e) {
    errorBox(QString::fromUtf8(e.what()) + ".");
  }
}

void TForm3::CheckBoxClick(int index) {
  changedSinceRun_ = true;
  ToggleSelected(module_, index);
}

void TForm3::Button232Click() {
  // Every run starts from a seed of its own, so that it can be repeated and saved; the first run
  // after a set is opened takes the set's.
  RunWithSeed(openedSeed_ ? *openedSeed_ : random_.Next());
}

void TForm3::ButtonRepeatClick() {
  if (!lastRun_ || !lastRun_->seed) return;
  ShowSet(*lastRun_);
  RunWithSeed(*lastRun_->seed);
}

void TForm3::RunWithSeed(std::uint32_t seed) {
  lastRun_ = sets::ProblemSetOf(module_, edit1_->text().toStdString());
  lastRun_->seed = seed;
  lastRun_->layout = layout_;
  changedSinceRun_ = false;
  openedSeed_.reset();
  buttonRepeat_->setEnabled(true);
  random_.Seed(seed);
  // The noun forms start afresh, as in a run of the command line, not from the last preview.
  module_.nounClass = 0;
  module_.timesClass = 0;
  // The animation waits for the end of the run, though the progress dialog lets events through.
  timer1_->stop();
  try {
    RunProgressDialog progress(this);
    const ProblemRunResult result = RunProblemWorksheet(
        module_, edit1_->text().toStdString(), workdir_, CurrentLocalDateTime(), progress.Hook());
    lastFiles_ = {result.studentPath, result.teacherPath};
    if (result.end == RunEnd::Completed && checkBoxPdf_->isChecked())
      pdf::WriteWorksheetPdfPair(result.studentPath, result.teacherPath, layout_,
                                 progress.PageHook());
    if (result.end == RunEnd::Completed && checkBoxDocx_->isChecked())
      docx::WriteWorksheetDocxPair(result.studentPath, result.teacherPath, layout_,
                                   progress.DocxHook());
  } catch (const IoError& e) {
    errorBox(QString::fromStdString(e.BoxText()));
  } catch (const std::exception& e) {
    errorBox(QString::fromUtf8(e.what()) + ".");
  }
  timer1_->start();
}

void TForm3::ButtonPrintClick() {
  PrintLastRun(this, lastFiles_, layout_, errorBox);
}

void TForm3::ButtonPrintOptionsClick() {
  layout_ = EditPrintLayout(this, layout_);
}

void TForm3::ButtonSaveSetClick() {
  const std::filesystem::path file = AskSetFileToSave(this);
  if (!file.empty()) SaveSetFile(file);
}

void TForm3::ButtonOpenSetClick() {
  const std::filesystem::path file = AskSetFileToOpen(this);
  if (!file.empty()) OpenSetFile(file);
}

bool TForm3::SaveSetFile(const std::filesystem::path& file) {
  sets::WorksheetSet set = lastRun_ && !changedSinceRun_
                               ? *lastRun_
                               : sets::ProblemSetOf(module_, edit1_->text().toStdString());
  set.seed = lastSeed();
  set.layout = layout_;
  try {
    sets::WriteSetFile(file, set);
    return true;
  } catch (const IoError& e) {
    errorBox(QString::fromStdString(file.string() + ": " + e.BoxText()));
    return false;
  }
}

bool TForm3::OpenSetFile(const std::filesystem::path& file) {
  try {
    const sets::WorksheetSet set = sets::ReadSetFile(file);
    if (set.kind != sets::SetKind::Problems)
      throw sets::SetError(file.string() + ": a set of the main window, not the word-problem one");
    ApplySet(set);
    return true;
  } catch (const sets::SetError& e) {
    errorBox(SetErrorText(e));
  } catch (const IoError& e) {
    errorBox(QString::fromStdString(file.string() + ": " + e.BoxText()));
  }
  return false;
}

void TForm3::ApplySet(const sets::WorksheetSet& set) {
  ShowSet(set);
  layout_ = set.layout;
  openedSeed_ = set.seed;
  lastRun_ = set;
  changedSinceRun_ = false;
  buttonRepeat_->setEnabled(set.seed.has_value());
}

void TForm3::ShowSet(const sets::WorksheetSet& set) {
  sets::ApplyProblemSet(set, module_);
  for (const TWordProblem& problem : WordProblemCatalog())
    findChild<QCheckBox*>(Name("CheckBox", problem.Index))
        ->setChecked(module_.Selected[static_cast<std::size_t>(problem.Index - 1)] == 1);
  edit1_->setText(QString::fromStdString(set.variants));
}

void TForm3::Button233Click() {
  if (helpWindow_ != nullptr) helpWindow_->exec();
}

void TForm3::Timer1Timer() {
  const auto frame = AnimationTick(module_);
  if (!frame) return;
  if (!images_[3]->Load(workdir_, *frame, errorBox)) StopAnimation(module_);
}

}  // namespace mathsheets::ui
