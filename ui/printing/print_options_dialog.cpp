#include "ui/printing/print_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "ui/printing/print_settings.h"

namespace mathsheets::ui {

namespace {

constexpr std::array<std::pair<sheet::VariantsPerPage, const char*>, 4> kPerPageChoices = {{
    {sheet::VariantsPerPage::Auto, "авто (сколько поместится)"},
    {sheet::VariantsPerPage::One, "1"},
    {sheet::VariantsPerPage::Two, "2"},
    {sheet::VariantsPerPage::Four, "4 (в два столбца)"},
}};
constexpr std::array<std::pair<sheet::ExerciseColumns, const char*>, 4> kColumnChoices = {{
    {sheet::ExerciseColumns::Auto, "авто"},
    {sheet::ExerciseColumns::One, "1"},
    {sheet::ExerciseColumns::Two, "2"},
    {sheet::ExerciseColumns::Three, "3"},
}};
constexpr std::array<std::pair<sheet::Paper, const char*>, 2> kPaperChoices = {{
    {sheet::Paper::A4, "A4"},
    {sheet::Paper::A5, "A5"},
}};

template <typename Enum, std::size_t N>
QComboBox* Choices(const std::array<std::pair<Enum, const char*>, N>& choices, Enum current,
                   const char* name) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  for (const auto& [value, text] : choices) {
    box->addItem(QString::fromUtf8(text), static_cast<int>(value));
    if (value == current) box->setCurrentIndex(box->count() - 1);
  }
  return box;
}

template <typename Enum>
Enum Chosen(const QComboBox* box) {
  return static_cast<Enum>(box->currentData().toInt());
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(const sheet::PrintLayout& layout, QWidget* parent)
    : QDialog(parent), errorBox(MessageBoxFor(this)) {
  setObjectName("PrintOptionsDialog");
  setWindowTitle("Параметры печати");
  perPage_ = Choices(kPerPageChoices, layout.perPage, "ComboPerPage");
  columns_ = Choices(kColumnChoices, layout.columns, "ComboColumns");
  paper_ = Choices(kPaperChoices, layout.paper, "ComboPaper");
  large_ = new QCheckBox("Крупный шрифт (14 пт и больше)");
  large_->setObjectName("CheckBoxLarge");
  large_->setChecked(layout.largePrint);
  key_ = new QCheckBox("Таблица ответов в листе учителя");
  key_->setObjectName("CheckBoxKey");
  key_->setChecked(layout.answerKey);
  title_ = new QLineEdit(QString::fromStdString(layout.title));
  title_->setObjectName("EditTitle");
  title_->setPlaceholderText("например, Самостоятельная работа №3");

  auto* form = new QFormLayout;
  form->addRow("Вариантов на странице:", perPage_);
  form->addRow("Столбцов заданий:", columns_);
  form->addRow("Бумага:", paper_);
  form->addRow(large_);
  form->addRow(key_);
  form->addRow("Заголовок:", title_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText("ОК");
  buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);
}

sheet::PrintLayout PrintOptionsDialog::layout() const {
  sheet::PrintLayout layout;
  layout.perPage = Chosen<sheet::VariantsPerPage>(perPage_);
  layout.columns = Chosen<sheet::ExerciseColumns>(columns_);
  layout.paper = Chosen<sheet::Paper>(paper_);
  layout.largePrint = large_->isChecked();
  layout.answerKey = key_->isChecked();
  layout.title = title_->text().toStdString();
  return layout;
}

void PrintOptionsDialog::accept() {
  if (const auto fault = sheet::TitleFaultOf(title_->text().toStdString())) {
    const std::string_view text = sheet::TitleFaultText(*fault);
    errorBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + ".");
    title_->setFocus();
    return;
  }
  QDialog::accept();
}

sheet::PrintLayout EditPrintLayout(QWidget* parent, const sheet::PrintLayout& current) {
  PrintOptionsDialog dialog(current, parent);
  if (dialog.exec() != QDialog::Accepted) return current;
  SavePrintLayout(ProgramSettings(), dialog.layout());
  return dialog.layout();
}

}  // namespace mathsheets::ui
