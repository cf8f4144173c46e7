#pragma once

#include <QDialog>
#include <span>
#include <string_view>

namespace mathsheets::ui {

// A help window: a close button and one label per help line.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(const char* name, std::span<const std::string_view> lines, int gapBeforeLast,
             QWidget* parent);

 public slots:
  void Button1Click();
};

// The help window of the word-problem window.
class TForm4 : public HelpWindow {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);
};

// The help window of the main window.
class TForm5 : public HelpWindow {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);
};

}  // namespace mathsheets::ui
