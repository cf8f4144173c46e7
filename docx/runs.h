#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/worksheet_model.h"

namespace mathsheets::docx {

// How a run of text is set; what it does not say comes from the document's defaults.
struct RunStyle {
  bool bold = false;
  bool italic = false;
  bool answer = false;  // the teacher's answers: dark blue
  bool faint = false;   // the running head and the cut line: grey
  bool mono = false;    // the fixed-pitch face, for rows a file lays out in columns
  bool underline = false;
  bool symbol = false;  // a sign the body face lacks (the scissors): a face that has it
  int halfPoints = 0;   // the size in half-points; 0 for the paragraph's

  friend bool operator==(const RunStyle&, const RunStyle&) = default;
};

// The <w:rPr> of a style, its elements in the order the schema gives them; empty for none.
std::string RunProperties(const RunStyle& style);

// The content of one paragraph. Texts of one style in a row become one run, as a teacher typing
// them would get.
class Runs {
 public:
  void Text(std::string_view utf8, const RunStyle& style);
  void Tab(const RunStyle& style);
  // An equation, the OMML of one <m:oMath>.
  void Math(std::string_view omml);
  // A blank before an answer's place, unless the text ends with one already.
  void Gap(const RunStyle& style);
  // The runs' XML; the builder is empty after.
  std::string Take();

 private:
  void Flush();

  std::string xml_;
  std::string pending_;
  RunStyle pendingStyle_;
};

// A blank that keeps its neighbours on one line: between a key's "k)" and its answer.
inline constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

// Where an answer goes: a blank of underscores `ems` wide, and on the teacher's document the
// answer in it, bold and dark blue. Underscores rather than underlined blanks: a line of blanks at
// the end of a line hangs past the margin unseen in LibreOffice; underscores wrap as a word does.
struct AnswerSlot {
  const std::vector<sheet::Piece>* answer = nullptr;  // null for an empty blank
  double ems = 0;
  bool fill = false;  // write the answer in
};

// The blank for an answer: as wide as the answer and a margin, at least `leastEms`; at most
// `roomEms`, the room left on its line, while the answer still fits.
AnswerSlot SlotFor(const std::vector<sheet::Piece>* answer, double leastEms, double roomEms,
                   bool fill);

// The width in ems of the body face a row's pieces take, near enough to size a blank.
double PiecesEms(const std::vector<sheet::Piece>& pieces);

// Appends one row: numbers with decimal commas, Latin letters in italic, the signs as a school
// writes them (· for times, − for minus, binary ones between blanks), fractions as equations.
// An Answer piece becomes `slot`, or nothing when `slot` is null.
void AppendPieces(Runs& runs, const std::vector<sheet::Piece>& pieces, const RunStyle& style,
                  const AnswerSlot* slot);

// Appends a blank to write in, or on the teacher's document the answer in its blank.
void AppendSlot(Runs& runs, const AnswerSlot& slot, const RunStyle& style);

// A common fraction or mixed number as one equation: its frame, its sign and whole part, then the
// fraction, numerator over denominator (<m:f>). Empty when its numerator or denominator is: such a
// fraction is written as text.
std::string FractionMath(const sheet::StackedFraction& fraction, bool answer);

}  // namespace mathsheets::docx
