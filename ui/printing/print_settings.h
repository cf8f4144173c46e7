#pragma once

#include <QSettings>

#include "sheet/print_layout.h"

namespace mathsheets::ui {

// The teacher's layout choices, kept between starts in the user's configuration folder
// (~/.config/mathsheets/mathsheets.conf). A value that is missing, unreadable or nonsense reads
// as its default.
sheet::PrintLayout LoadPrintLayout(QSettings& settings);
void SavePrintLayout(QSettings& settings, const sheet::PrintLayout& layout);

// The program's own settings file.
QSettings& ProgramSettings();

}  // namespace mathsheets::ui
