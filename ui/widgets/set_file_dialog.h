#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>

#include "sets/worksheet_set.h"

namespace mathsheets::ui {

// The file a teacher names in the system's dialog to save a set in, ".mathsheet" added when the
// name has no such ending; empty when the dialog is cancelled.
std::filesystem::path AskSetFileToSave(QWidget* parent);

// The set file a teacher picks to open; empty when the dialog is cancelled.
std::filesystem::path AskSetFileToOpen(QWidget* parent);

// The error box's text for a file that is no set: the file and its first bad item as the command
// line says them, and what it means for the window.
QString SetErrorText(const sets::SetError& error);

}  // namespace mathsheets::ui
