#include "ui/catalog_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "windows/catalog_pages.h"

namespace mathsheets::ui {

namespace {

constexpr int kLineTop = 120;
constexpr int kLineStep = 26;

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

}  // namespace

TForm2::TForm2(const std::filesystem::path& workdir, ErrorBox errorBox, QWidget* parent)
    : QDialog(parent),
      workdir_(workdir),
      errorBox_(errorBox ? std::move(errorBox) : MessageBoxFor(this)),
      marquee_(kCatalogWebAddress) {
  setObjectName("Form2");
  setWindowTitle("Form2");
  setAutoFillBackground(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(silver);
  resize(1280, 800);
  FormCreate();
  setWindowState(Qt::WindowMaximized);
}

void TForm2::FormCreate() {
  auto* close = new QPushButton("X", this);
  close->setObjectName("Button1");
  close->setGeometry(8, 8, 32, 28);
  connect(close, &QPushButton::clicked, this, &TForm2::Button1Click);

  for (int i = 1; i <= 16; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("Label%1").arg(i));
    labels_[static_cast<std::size_t>(i)] = label;
  }
  QLabel* header = labels_[1];
  QFont headerFont = header->font();
  headerFont.setPointSize(24);
  headerFont.setBold(true);
  headerFont.setItalic(true);
  header->setFont(headerFont);
  SetTextColour(header, QColor(0xFF, 0xFF, 0x00));
  header->setText("Проект \"Толвар\"");
  header->setGeometry(60, 4, 600, 44);

  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  const auto pages = CatalogPages();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    auto* button = new QPushButton(FromView(pages[i].caption), buttons);
    button->setObjectName(QString("GradeButton%1").arg(i + 1));
    const int page = static_cast<int>(i);
    connect(button, &QPushButton::clicked, this, [this, page] { GradeButtonClick(page); });
    row->addWidget(button);
  }
  buttons->setGeometry(8, 56, 1260, 32);

  QFont lineFont = labels_[2]->font();
  lineFont.setPointSize(12);
  for (int i = kFirstDescriptionLabel; i <= kLastDescriptionLabel; ++i) {
    QLabel* line = labels_[static_cast<std::size_t>(i)];
    line->setFont(lineFont);
    SetTextColour(line, QColor(0xFF, 0xFF, 0x00));
    line->setGeometry(20, kLineTop + kLineStep * (i - kFirstDescriptionLabel), 760, kLineStep);
    line->clear();
  }
  labels_[16]->setGeometry(20, kLineTop + kLineStep * 14, 400, kLineStep);
  QFont addressFont = lineFont;
  addressFont.setPointSize(18);
  addressFont.setBold(true);
  labels_[15]->setFont(addressFont);
  labels_[15]->setGeometry(20, kLineTop + kLineStep * 15, 760, 40);
  labels_[15]->clear();
  labels_[16]->clear();

  for (std::size_t i = 0; i < images_.size(); ++i) {
    images_[i] = new PictureBox(this);
    images_[i]->setObjectName(QString("Image%1").arg(i + 1));
    images_[i]->hide();
  }

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(250);
  connect(timer_, &QTimer::timeout, this, &TForm2::Timer1Timer);
  timer_->start();
}

void TForm2::Button1Click() {
  close();
}

bool TForm2::uzimage() {
  for (std::size_t i = 0; i < images_.size(); ++i) {
    const PictureRect& r = kParkedRects[i];
    images_[i]->setGeometry(r.left, r.top, r.width, r.height);
    if (!images_[i]->Load(workdir_, kParkedPicture, errorBox_)) return false;
    images_[i]->show();
  }
  return true;
}

void TForm2::GradeButtonClick(int page) {
  const CatalogPage& p = CatalogPages()[static_cast<std::size_t>(page)];
  if (p.parksPictures && !uzimage()) return;
  marquee_.Start();
  labels_[16]->setText("Адрес в интернете");
  for (int i = kFirstDescriptionLabel; i <= kLastDescriptionLabel; ++i) {
    const int line = i - p.firstLabel;
    const bool used = line >= 0 && line < static_cast<int>(p.lines.size());
    labels_[static_cast<std::size_t>(i)]->setText(
        used ? FromView(p.lines[static_cast<std::size_t>(line)]) : QString());
  }
  for (std::size_t i = 0; i < p.pictures.size(); ++i) {
    const PictureRect& r = p.pictures[i].rect;
    images_[i]->setGeometry(r.left, r.top, r.width, r.height);
    if (!images_[i]->Load(workdir_, p.pictures[i].file, errorBox_)) return;
    images_[i]->show();
    images_[i]->raise();
  }
}

void TForm2::Timer1Timer() {
  if (marquee_.Tick()) labels_[15]->setText(QString::fromStdString(marquee_.shown()));
}

}  // namespace mathsheets::ui
