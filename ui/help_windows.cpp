#include "ui/help_windows.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/catalog_pages.h"

namespace mathsheets::ui {

HelpWindow::HelpWindow(const char* name, std::span<const std::string_view> lines, int gapBeforeLast,
                       QWidget* parent)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(name);
  setAutoFillBackground(true);
  QPalette cream = palette();
  cream.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xF0));
  setPalette(cream);
  resize(1000, 600);

  auto* layout = new QVBoxLayout(this);
  auto* close = new QPushButton("X");
  close->setObjectName("Button1");
  close->setFixedWidth(32);
  connect(close, &QPushButton::clicked, this, &HelpWindow::Button1Click);
  layout->addWidget(close, 0, Qt::AlignLeft);

  QFont font;
  font.setPointSize(13);
  font.setBold(true);
  font.setItalic(true);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + 1 == lines.size()) layout->addSpacing(gapBeforeLast);
    auto* label =
        new QLabel(QString::fromUtf8(lines[i].data(), static_cast<qsizetype>(lines[i].size())));
    label->setObjectName(QString("Label%1").arg(i + 1));
    label->setFont(font);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    label->setPalette(blue);
    layout->addWidget(label);
  }
  layout->addStretch();
  setWindowState(Qt::WindowMaximized);
}

void HelpWindow::Button1Click() {
  close();
}

// The date line of the main window's help stands a little apart from the names above it.
TForm4::TForm4(QWidget* parent) : HelpWindow("Form4", WordProblemHelpLines(), 0, parent) {}
TForm5::TForm5(QWidget* parent) : HelpWindow("Form5", MainHelpLines(), 16, parent) {}

}  // namespace mathsheets::ui
