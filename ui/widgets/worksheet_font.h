#pragma once

#include <QFont>

namespace mathsheets::ui {

// The font of boxes that show a worksheet's lines: fixed-pitch with Cyrillic letters, so the
// numerators, bars and denominators of a three-line fraction stand in their columns. Without
// "DejaVu Sans Mono" the style hint still picks a fixed-pitch font.
QFont WorksheetLineFont();

}  // namespace mathsheets::ui
