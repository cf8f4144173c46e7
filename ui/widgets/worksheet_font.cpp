#include "ui/widgets/worksheet_font.h"

namespace mathsheets::ui {

QFont WorksheetLineFont() {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace mathsheets::ui
