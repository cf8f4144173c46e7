#include "ui/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/io_error.h"
#include "docx/docx_file.h"
#include "generators/registry.h"
#include "pdf/worksheet_pdf.h"
#include "sets/set_file.h"
#include "sets/set_selection.h"
#include "shell/catalog.h"
#include "shell/main_run.h"
#include "shell/sample_preview.h"
#include "ui/catalog_window.h"
#include "ui/help_windows.h"
#include "ui/printing/print_options_dialog.h"
#include "ui/problem_window.h"
#include "ui/widgets/run_progress_dialog.h"
#include "ui/widgets/set_file_dialog.h"
#include "ui/widgets/worksheet_font.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets::ui {

namespace {

constexpr const char* kWebAddressFirst = "www.mathsheets";
constexpr const char* kWebAddressSecond = ".example.org";
constexpr const char* kWebAddressCaption = "Адрес в интернете";

// A column of the window, top to bottom: catalog numbers, and -k for the k-th radio group, which
// stands beside the types it steers.
constexpr int kGroupGcd = -1, kGroupFraction = -2, kGroupMulDiv = -3, kGroupMixed = -4,
              kGroupMixedMulDiv = -5;

// A panel whose picture fills it from behind its controls.
class Backdrop : public QWidget {
 public:
  explicit Backdrop(PictureBox*& picture, QWidget* parent = nullptr) : QWidget(parent) {
    picture_ = new PictureBox(this);
    picture_->setScaledContents(false);
    picture_->lower();
    picture = picture_;
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    picture_->setGeometry(rect());
    picture_->lower();
  }

 private:
  PictureBox* picture_;
};

void SetBackground(QLabel* label, const QColor& color) {
  label->setAutoFillBackground(true);
  QPalette p = label->palette();
  p.setColor(QPalette::Window, color);
  label->setPalette(p);
}

template <typename Widget>
Widget* Named(Widget* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

}  // namespace

TForm1::TForm1(const std::filesystem::path& workdir, Pcg32& random,
               std::optional<std::uint64_t> seed, ErrorBox errorBox, QWidget* parent)
    : QMainWindow(parent),
      workdir_(workdir),
      random_(random),
      seed_(seed),
      errorBox_(errorBox ? std::move(errorBox) : MessageBoxFor(this)),
      module_(random),
      selection_(module_) {
  setObjectName("Form1");
  setWindowTitle("Form1");
  FormCreate();
  form2_ = new TForm2(workdir_, errorBox_, this);
  form4_ = new TForm4(this);
  form3_ = new TForm3(workdir_, random_, form4_, this, errorBox_);
  form5_ = new TForm5(this);
  setWindowState(Qt::WindowMaximized);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  if (seed_)
    random_.Seed(*seed_);
  else
    random_.Randomize();

  // The top strip stays outside the scrolled columns, so "zn.bmp" at its right end is in view
  // however much wider than the screen the columns are.
  auto* window = new QWidget(this);
  auto* windowLayout = new QVBoxLayout(window);
  windowLayout->setContentsMargins(4, 4, 4, 0);
  windowLayout->addWidget(BuildTopStrip());

  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(4, 4, 4, 4);

  auto* columns = new QHBoxLayout;
  columns->setSpacing(2);
  auto* left = new Backdrop(pictures_[2]);
  pictures_[2]->setObjectName("ImageGreen");
  auto* leftLayout = new QHBoxLayout(left);
  leftLayout->addWidget(BuildColumn({{34, 42}, {59, 59}, {114, 115}, {81, 86}}, BuildWebAddress()));
  leftLayout->addWidget(BuildColumn({{15, 23}, {13, 14}, {78, 79}, {87, 93}}));
  leftLayout->addWidget(BuildColumn({{32, 33}, {24, 31}, {43, 47}, {94, 98}}));
  columns->addWidget(left, 3);

  auto* middle = new Backdrop(pictures_[4]);
  pictures_[4]->setObjectName("ImageBlues");
  auto* middleLayout = new QVBoxLayout(middle);
  auto* windowsRow = new QHBoxLayout;
  auto* button122 = Named(new QPushButton, "Button122");
  auto* button123 = Named(new QPushButton, "Button123");
  connect(button122, &QPushButton::clicked, this, &TForm1::Button122Click);
  connect(button123, &QPushButton::clicked, this, &TForm1::Button123Click);
  windowsRow->addWidget(button122);
  windowsRow->addWidget(button123);
  middleLayout->addLayout(windowsRow);
  middleLayout->addWidget(BuildColumn({{1, 12}}));
  auto* button120 = Named(new QPushButton, "Button120");
  connect(button120, &QPushButton::clicked, this, &TForm1::Button120Click);
  middleLayout->addWidget(button120);
  middleLayout->addStretch();
  columns->addWidget(middle, 1);

  auto* right = new Backdrop(pictures_[3]);
  pictures_[3]->setObjectName("ImageYellow");
  auto* rightLayout = new QHBoxLayout(right);
  auto fourth = BuildColumn({{70, 77},
                             {48, 49},
                             {kGroupGcd, kGroupGcd},
                             {99, 100},
                             {110, 113},
                             {52, 53},
                             {kGroupMulDiv, kGroupMulDiv},
                             {54, 55},
                             {kGroupMixed, kGroupMixed}});
  rightLayout->addWidget(fourth);
  rightLayout->addWidget(BuildColumn({{50, 51},
                                      {kGroupFraction, kGroupFraction},
                                      {56, 57},
                                      {kGroupMixedMulDiv, kGroupMixedMulDiv}}));
  rightLayout->addWidget(BuildColumn({{101, 101},
                                      {80, 80},
                                      {58, 58},
                                      {61, 62},
                                      {66, 69},
                                      {102, 105},
                                      {109, 109},
                                      {108, 108},
                                      {107, 107},
                                      {106, 106},
                                      {60, 60},
                                      {63, 65}}));
  columns->addWidget(right, 3);
  outer->addLayout(columns, 1);

  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setWidget(central);
  windowLayout->addWidget(scroll, 1);
  setCentralWidget(window);

  // Pictures, in the order the teacher's window shows them; a missing one is reported and the
  // window works on without it.
  const std::array<const char*, 7> names = {"tolvarline.bmp", "tolvarline.bmp", "green.bmp",
                                            "yellow.bmp",     "blues.bmp",      "zn.bmp",
                                            "tolv4.bmp"};
  for (std::size_t i = 0; i < names.size(); ++i)
    if (pictures_[i] != nullptr) pictures_[i]->Load(workdir_, names[i], errorBox_);

  // Captions.
  findChild<QLabel*>("Label1")->setText("Вариант ученика");
  findChild<QLabel*>("Label4")->setText("Вариантов");
  findChild<QLabel*>("Label45")->setText("Вариант учителя");
  findChild<QPushButton*>("Button1")->setText("Выполнить");
  findChild<QPushButton*>("Button2")->setText("Завершение");
  for (const TaskKind& kind : kTaskCatalog)
    findChild<QPushButton*>(QString("Button%1").arg(kind.button))
        ->setText(
            QString::fromUtf8(kind.Caption.data(), static_cast<qsizetype>(kind.Caption.size())));
  button120->setText("Проект Толвар");
  button122->setText("Задачи");
  button123->setText("Справка");

  // Every count box starts disabled and empty; the selection starts cleared.
  for (QLineEdit* box : countBoxes_) box->setEnabled(false);
  selection_.Reset();
}

QWidget* TForm1::BuildTopStrip() {
  auto* strip = new QWidget;
  auto* layout = new QHBoxLayout(strip);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(2);

  auto* samples = new QGridLayout;
  samples->addWidget(Named(new QLabel, "Label1"), 0, 0);
  samples->addWidget(Named(new QLabel, "Label45"), 0, 1);
  for (int line = 0; line < 3; ++line) {
    for (int side = 0; side < 2; ++side) {
      auto* box = Named(new QLineEdit, QString("Edit%1").arg(44 + side * 3 + line));
      box->setMinimumWidth(220);
      box->setFont(WorksheetLineFont());
      samples->addWidget(box, line + 1, side);
    }
  }
  layout->addLayout(samples);
  layout->addStretch(1);

  auto* run = new QGridLayout;
  auto* button1 = Named(new QPushButton, "Button1");
  auto* button2 = Named(new QPushButton, "Button2");
  connect(button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  run->addWidget(button1, 0, 0);
  run->addWidget(button2, 1, 0);
  run->addWidget(Named(new QLabel, "Label4"), 0, 1);
  edit4_ = Named(new QLineEdit, "Edit4");
  edit4_->setMaximumWidth(60);
  connect(edit4_, &QLineEdit::textChanged, this, &TForm1::Edit4Change);
  connect(edit4_, &QLineEdit::returnPressed, this, &TForm1::Button1Click);
  run->addWidget(edit4_, 1, 1);
  // Enables the variants box and "Выполнить", which are enabled from the start anyway.
  auto* checkBox4 = Named(new QCheckBox, "CheckBox4");
  connect(checkBox4, &QCheckBox::clicked, this, [this, button1] {
    edit4_->setEnabled(true);
    button1->setEnabled(true);
  });
  run->addWidget(checkBox4, 1, 2);
  // Ticked, a run also writes the print-ready PDF of each file beside it.
  checkBoxPdf_ = Named(new QCheckBox("PDF"), "CheckBoxPdf");
  // Ticked, also the Word document of each file, for the teacher to edit.
  checkBoxDocx_ = Named(new QCheckBox("DOCX"), "CheckBoxDocx");
  auto* documents = new QHBoxLayout;
  documents->addWidget(checkBoxPdf_);
  documents->addWidget(checkBoxDocx_);
  run->addLayout(documents, 1, 3);
  // Saved sets: the selection, its seed and layout to a file and back, and the last run again.
  buttonRepeat_ = Named(new QPushButton("Повторить"), "ButtonRepeat");
  buttonRepeat_->setEnabled(false);
  buttonRepeat_->setToolTip("Те же варианты, что и в прошлый раз");
  auto* saveSet = Named(new QPushButton("Сохранить набор…"), "ButtonSaveSet");
  auto* openSet = Named(new QPushButton("Открыть набор…"), "ButtonOpenSet");
  connect(buttonRepeat_, &QPushButton::clicked, this, &TForm1::ButtonRepeatClick);
  connect(saveSet, &QPushButton::clicked, this, &TForm1::ButtonSaveSetClick);
  connect(openSet, &QPushButton::clicked, this, &TForm1::ButtonOpenSetClick);
  // Printing: the last run's sheets through the system's print dialog, and the layout choices.
  auto* print = Named(new QPushButton("Печать…"), "ButtonPrint");
  auto* printOptions = Named(new QPushButton("Параметры печати…"), "ButtonPrintOptions");
  connect(print, &QPushButton::clicked, this, &TForm1::ButtonPrintClick);
  connect(printOptions, &QPushButton::clicked, this, &TForm1::ButtonPrintOptionsClick);
  run->addWidget(print, 0, 3);
  run->addWidget(printOptions, 1, 4);
  run->addWidget(buttonRepeat_, 0, 4);
  run->addWidget(saveSet, 0, 5);
  run->addWidget(openSet, 1, 5);
  layout->addLayout(run);

  pictures_[5] = Named(new PictureBox, "ImageZn");
  pictures_[5]->setFixedSize(64, 64);
  // A picture box gives up its room to its neighbours; this one keeps its corner.
  pictures_[5]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  layout->addWidget(pictures_[5]);
  return strip;
}

QWidget* TForm1::BuildWebAddress() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 8, 0, 0);
  pictures_[0] = Named(new PictureBox, "ImageLineTop");
  pictures_[0]->setFixedHeight(8);
  layout->addWidget(pictures_[0]);
  QFont large;
  large.setPointSize(16);
  large.setBold(true);
  label2_ = Named(new QLabel(kWebAddressFirst), "Label2");
  label3_ = Named(new QLabel(kWebAddressSecond), "Label3");
  for (QLabel* label : {label2_, label3_}) {
    label->setFont(large);
    SetBackground(label, QColor(0x00, 0xFF, 0xFF));
    layout->addWidget(label);
  }
  label5_ = Named(new QLabel(kWebAddressCaption), "Label5");
  layout->addWidget(label5_);
  pictures_[1] = Named(new PictureBox, "ImageLineBottom");
  pictures_[1]->setFixedHeight(8);
  layout->addWidget(pictures_[1]);
  pictures_[6] = Named(new PictureBox, "ImageTolv");
  pictures_[6]->setFixedSize(96, 96);
  layout->addWidget(pictures_[6]);
  return box;
}

QWidget* TForm1::BuildRadioGroup(int group, const char* name) {
  const OptionGroupInfo& info = kOptionGroups[static_cast<std::size_t>(group)];
  auto* frame = Named(new QGroupBox, name);
  auto* layout = new QHBoxLayout(frame);
  layout->setContentsMargins(4, 2, 4, 2);
  auto* buttons = new QButtonGroup(frame);
  for (int k = 0; k < info.buttons; ++k) {
    const int number = info.firstRadioButton + k;
    auto* radio = Named(new QRadioButton, QString("RadioButton%1").arg(number));
    buttons->addButton(radio);
    connect(radio, &QRadioButton::clicked, this, [this, number] { RadioButtonClick(number); });
    layout->addWidget(radio);
  }
  layout->addStretch();
  return frame;
}

QWidget* TForm1::BuildColumn(std::initializer_list<std::pair<int, int>> ranges, QWidget* extra) {
  auto* column = new QWidget;
  column->setAttribute(Qt::WA_TranslucentBackground);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  static constexpr std::array<const char*, 5> kGroupBoxes = {"GroupBox1", "GroupBox2", "GroupBox3",
                                                             "GroupBox4", "GroupBox5"};
  for (const auto& [first, last] : ranges) {
    if (first < 0) {
      layout->addWidget(
          BuildRadioGroup(-first - 1, kGroupBoxes[static_cast<std::size_t>(-first - 1)]));
      continue;
    }
    for (int number = first; number <= last; ++number) layout->addWidget(BuildRow(number));
  }
  layout->addStretch();
  if (extra != nullptr) layout->addWidget(extra);
  return column;
}

QWidget* TForm1::BuildRow(int taskNumber) {
  const TaskKind& kind = TaskKindByNumber(taskNumber);
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  auto* check = Named(new QCheckBox, QString("CheckBox%1").arg(kind.checkBox));
  auto* button = Named(new QPushButton, QString("Button%1").arg(kind.button));
  auto* count = Named(new QLineEdit, QString("Edit%1").arg(kind.countBox));
  count->setFixedWidth(36);
  button->setMinimumWidth(110);
  if (FindTaskGenerator(taskNumber) == nullptr) {
    // Its generator is not built yet: nothing to tick.
    check->setEnabled(false);
    button->setEnabled(false);
    check->setToolTip("Этот вид заданий ещё не готов");
    button->setToolTip("Этот вид заданий ещё не готов");
  }
  connect(check, &QCheckBox::clicked, this, [this, taskNumber] { CheckBoxClick(taskNumber); });
  connect(button, &QPushButton::clicked, this, [this, taskNumber] { TypeButtonClick(taskNumber); });
  connect(count, &QLineEdit::textChanged, this,
          [this, taskNumber](const QString& text) { CountBoxChange(taskNumber, text); });
  countBoxes_[static_cast<std::size_t>(taskNumber - 1)] = count;
  layout->addWidget(check);
  layout->addWidget(button, 1);
  layout->addWidget(count);
  return row;
}

void TForm1::Button1Click() {
  // Every run starts from a seed of its own, so that it can be repeated and saved; the first run
  // after a set is opened takes the set's.
  const std::uint32_t seed = openedSeed_ ? *openedSeed_ : random_.Next();
  RunWithSeed(seed);
}

void TForm1::ButtonRepeatClick() {
  if (!lastRun_ || !lastRun_->seed) return;
  sets::ApplyMainSet(*lastRun_, selection_);
  ShowSelection();
  RunWithSeed(*lastRun_->seed);
}

void TForm1::RunWithSeed(std::uint32_t seed) {
  lastRun_ = sets::MainSetOf(selection_);
  lastRun_->seed = seed;
  lastRun_->layout = layout_;
  changedSinceRun_ = false;
  openedSeed_.reset();
  buttonRepeat_->setEnabled(true);
  random_.Seed(seed);
  try {
    // A teacher who stops the run keeps what was written so far, and wanted no more of it.
    RunProgressDialog progress(this);
    const RunResult result =
        RunMainWorksheet(selection_, workdir_, CurrentLocalDateTime(), progress.Hook());
    lastFiles_ = {result.studentPath, result.teacherPath};
    if (result.end == RunEnd::Completed && checkBoxPdf_->isChecked())
      pdf::WriteWorksheetPdfPair(result.studentPath, result.teacherPath, layout_,
                                 progress.PageHook());
    if (result.end == RunEnd::Completed && checkBoxDocx_->isChecked())
      docx::WriteWorksheetDocxPair(result.studentPath, result.teacherPath, layout_,
                                   progress.DocxHook());
  } catch (const IoError& e) {
    errorBox_(QString::fromStdString(e.BoxText()));
  } catch (const std::exception& e) {
    errorBox_(QString::fromUtf8(e.what()) + ".");
  }
}

void TForm1::ButtonPrintClick() {
  PrintLastRun(this, lastFiles_, layout_, errorBox_);
}

void TForm1::ButtonPrintOptionsClick() {
  layout_ = EditPrintLayout(this, layout_);
}

void TForm1::ButtonSaveSetClick() {
  const std::filesystem::path file = AskSetFileToSave(this);
  if (!file.empty()) SaveSetFile(file);
}

void TForm1::ButtonOpenSetClick() {
  const std::filesystem::path file = AskSetFileToOpen(this);
  if (!file.empty() && OpenSetFile(file) == SetOpened::Problems) Button122Click();
}

bool TForm1::SaveSetFile(const std::filesystem::path& file) {
  sets::WorksheetSet set = lastRun_ && !changedSinceRun_ ? *lastRun_ : sets::MainSetOf(selection_);
  set.seed = lastSeed();
  set.layout = layout_;
  try {
    sets::WriteSetFile(file, set);
    return true;
  } catch (const IoError& e) {
    errorBox_(QString::fromStdString(file.string() + ": " + e.BoxText()));
    return false;
  }
}

TForm1::SetOpened TForm1::OpenSetFile(const std::filesystem::path& file) {
  sets::WorksheetSet set;
  try {
    set = sets::ReadSetFile(file);
  } catch (const sets::SetError& e) {
    errorBox_(SetErrorText(e));
    return SetOpened::No;
  } catch (const IoError& e) {
    errorBox_(QString::fromStdString(file.string() + ": " + e.BoxText()));
    return SetOpened::No;
  }
  if (set.kind == sets::SetKind::Problems) {
    form3_->ApplySet(set);
    return SetOpened::Problems;
  }
  sets::ApplyMainSet(set, selection_);
  ShowSelection();
  layout_ = set.layout;
  openedSeed_ = set.seed;
  lastRun_ = set;
  changedSinceRun_ = false;
  buttonRepeat_->setEnabled(set.seed.has_value());
  return SetOpened::Main;
}

void TForm1::ShowSelection() {
  for (const TaskKind& kind : kTaskCatalog) {
    const bool ticked = selection_.CountBoxEnabled(kind.Number);
    findChild<QCheckBox*>(QString("CheckBox%1").arg(kind.checkBox))->setChecked(ticked);
    QLineEdit* box = countBoxes_[static_cast<std::size_t>(kind.Number - 1)];
    const QSignalBlocker blocker(box);
    box->setEnabled(ticked);
    box->setText(QString::fromStdString(selection_.CountText(kind.Number)));
  }
  {
    const QSignalBlocker blocker(edit4_);
    edit4_->setText(QString::fromStdString(selection_.VariantsText()));
  }
  for (const OptionGroupInfo& g : kOptionGroups) {
    const int level = selection_.Level(g.group);
    for (int k = 1; k <= g.buttons; ++k) {
      auto* radio =
          findChild<QRadioButton*>(QString("RadioButton%1").arg(g.firstRadioButton + k - 1));
      // A group with no button clicked shows none checked, as at start-up.
      QButtonGroup* group = radio->group();
      group->setExclusive(false);
      radio->setChecked(k == level);
      group->setExclusive(true);
    }
  }
}

void TForm1::Button2Click() {
  close();
  QApplication::quit();
}

void TForm1::Button120Click() {
  form2_->setWindowState(Qt::WindowMaximized);
  form2_->exec();
}

void TForm1::Button122Click() {
  form3_->setWindowState(Qt::WindowMaximized);
  form3_->exec();
}

void TForm1::Button123Click() {
  form5_->setWindowState(Qt::WindowMaximized);
  form5_->exec();
}

void TForm1::CheckBoxClick(int taskNumber) {
  changedSinceRun_ = true;
  selection_.CheckBoxClick(taskNumber);
  countBoxes_[static_cast<std::size_t>(taskNumber - 1)]->setEnabled(
      selection_.CountBoxEnabled(taskNumber));
}

void TForm1::CountBoxChange(int taskNumber, const QString& text) {
  changedSinceRun_ = true;
  selection_.CountBoxChange(taskNumber, text.toStdString());
}

void TForm1::Edit4Change(const QString& text) {
  changedSinceRun_ = true;
  selection_.VariantsChange(text.toStdString());
}

void TForm1::RadioButtonClick(int radioButton) {
  changedSinceRun_ = true;
  selection_.RadioButtonClick(radioButton);
}

void TForm1::TypeButtonClick(int taskNumber) {
  try {
    rinf(TaskKindByNumber(taskNumber).sample);
  } catch (const IoError& e) {
    errorBox_(QString::fromStdString(e.BoxText()));
    return;
  } catch (const std::exception& e) {
    errorBox_(QString::fromUtf8(e.what()) + ".");
    return;
  }
  // "Сложение2" leaves the colours of the web address as they are.
  if (taskNumber != 1) recl();
}

void TForm1::rinf(int sample) {
  const SampleBoxes boxes = ReadSamples(workdir_, sample);
  for (std::size_t line = 0; line < 3; ++line) {
    const auto number = static_cast<int>(line);
    findChild<QLineEdit*>(QString("Edit%1").arg(44 + number))
        ->setText(QString::fromStdString(boxes.student[line]));
    findChild<QLineEdit*>(QString("Edit%1").arg(47 + number))
        ->setText(QString::fromStdString(boxes.teacher[line]));
  }
}

void TForm1::recl() {
  QColor address;
  QColor caption;
  switch (DrawWebLabelScheme(random_)) {
    case WebLabelScheme::AquaOnWhite:
      address = QColor(0x00, 0xFF, 0xFF);
      caption = QColor(0xFF, 0xFF, 0xFF);
      break;
    case WebLabelScheme::FuchsiaOnMenu:
      address = QColor(0xFF, 0x00, 0xFF);
      caption = QApplication::palette("QMenuBar").color(QPalette::Window);
      break;
    case WebLabelScheme::LimeOnYellow:
      address = QColor(0x00, 0xFF, 0x00);
      caption = QColor(0xFF, 0xFF, 0x00);
      break;
    case WebLabelScheme::BlueOnYellow:
      address = QColor(0x00, 0x00, 0xFF);
      caption = QColor(0xFF, 0xFF, 0x00);
      break;
  }
  SetBackground(label2_, address);
  SetBackground(label3_, address);
  SetBackground(label5_, caption);
  label2_->setText(kWebAddressFirst);
  label3_->setText(kWebAddressSecond);
  label5_->setText(kWebAddressCaption);
}

}  // namespace mathsheets::ui
