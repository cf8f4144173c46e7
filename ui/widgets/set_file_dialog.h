#pragma once

#include <QWidget>
#include <filesystem>

namespace mathsheets::ui {

// The file a teacher names in the system's dialog to save a set in, ".mathsheet" added when the
// name has no such ending; empty when the dialog is cancelled.
std::filesystem::path AskSetFileToSave(QWidget* parent);

// The set file a teacher picks to open; empty when the dialog is cancelled.
std::filesystem::path AskSetFileToOpen(QWidget* parent);

}  // namespace mathsheets::ui
