#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/worksheet_model.h"

namespace mathsheets::sheet {

// Reads the lines of a student file and of its teacher file (UTF-8, without line ends, the stamp
// first) into one model. The teacher's lines are matched to the student's: a line that is the
// student's line followed by more gives that more as the answer; three lines of fractions give
// the answer's columns; a word problem's extra line is its answer line; teacher lines that differ
// otherwise are kept as the solution. Variants are matched by their header; what cannot be matched
// stays as Text items of the file it came from. Never throws on what the lines hold.
Worksheet ReadWorksheet(const std::vector<std::string>& studentLines,
                        const std::vector<std::string>& teacherLines);

// A student file alone: every exercise gets its answer place after its last "=".
Worksheet ReadStudentWorksheet(const std::vector<std::string>& studentLines);

// The files' lines back from the model, stamp first: the same lines that were read.
std::vector<std::string> StudentLinesOf(const Worksheet& sheet);
std::vector<std::string> TeacherLinesOf(const Worksheet& sheet);

// "Вариант 3" of the exercises or "Вариант № 3" of the word problems: the line that opens a
// variant in both files.
bool IsVariantHeader(std::string_view line);

// The pieces of one line of text: numbers, letters, operators, blanks and words.
std::vector<Piece> SplitPieces(std::string_view line);

}  // namespace mathsheets::sheet
