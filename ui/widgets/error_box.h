#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace mathsheets::ui {

// How a window shows an error: a message box with an error icon. Each window holds one, so a test
// can catch the text instead of a modal box.
using ErrorBox = std::function<void(const QString& text)>;

ErrorBox MessageBoxFor(QWidget* parent);

}  // namespace mathsheets::ui
