#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mathsheets::sheet {

// How many variants share a page: as many whole ones as fit, or a fixed number (four stand in two
// columns of two).
enum class VariantsPerPage { Auto, One, Two, Four };

// Columns of exercises within a variant: short exercises in two or three, prose in one, or fixed.
enum class ExerciseColumns { Auto, One, Two, Three };

enum class Paper { A4, A5 };

// The teacher's choices for printed sheets, the same in the windows, the command line, the browser
// edition and a saved set.
struct PrintLayout {
  VariantsPerPage perPage = VariantsPerPage::Auto;
  ExerciseColumns columns = ExerciseColumns::Auto;
  bool largePrint = false;  // 14 pt or more with generous line spacing
  bool answerKey = true;    // the "Ответы" grid at the end of the teacher sheet
  Paper paper = Paper::A4;
  // A line of the teacher's own over each variant's header and the key ("Самостоятельная работа
  // №3"), UTF-8; empty for none. Front ends take only a title TitleFaultOf accepts.
  std::string title;

  friend bool operator==(const PrintLayout&, const PrintLayout&) = default;
};

inline constexpr std::size_t kTitleMaxCharacters = 120;

// Why a text cannot be a title: longer than kTitleMaxCharacters characters, a control character
// (a line break, a tab, U+007F..U+009F), or bytes that are not UTF-8.
enum class TitleFault { TooLong, ControlCharacter, NotUtf8 };
std::optional<TitleFault> TitleFaultOf(std::string_view utf8);
// The fault in the words of the windows and the page: "Заголовок длиннее 120 знаков", ...
std::string_view TitleFaultText(TitleFault fault);

// The words of the command line and of a set: "auto", "1", "2", "4"; "auto", "1", "2", "3";
// "a4", "a5". Parsing answers nothing for any other text.
std::string_view VariantsPerPageName(VariantsPerPage value);
std::string_view ExerciseColumnsName(ExerciseColumns value);
std::string_view PaperName(Paper value);
std::optional<VariantsPerPage> ParseVariantsPerPage(std::string_view text);
std::optional<ExerciseColumns> ParseExerciseColumns(std::string_view text);
std::optional<Paper> ParsePaper(std::string_view text);

}  // namespace mathsheets::sheet
