#pragma once

#include <string_view>

namespace mathsheets::docx {

// The faces the document names. Word on Windows has each with Cyrillic; LibreOffice, МойОфис and
// Р7-Офис set Arial and Courier New in faces of the same widths (Liberation Sans and Mono on
// Linux), so that lines break where they break in Word. Equations are set in Word's own equation
// face; LibreOffice sets them in its formula faces.
inline constexpr std::string_view kBodyFace = "Arial";
inline constexpr std::string_view kMonoFace = "Courier New";
inline constexpr std::string_view kSymbolFace = "Segoe UI Symbol";  // the scissors of a cut line
inline constexpr std::string_view kMathFace = "Cambria Math";

// The inks of the PDF: the teacher's answers dark blue, cut lines and the running head grey.
inline constexpr std::string_view kAnswerColour = "1A3A8A";
inline constexpr std::string_view kFaintColour = "707070";

}  // namespace mathsheets::docx
