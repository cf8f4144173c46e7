#pragma once

#include <string>
#include <vector>

namespace mathsheets::sheet {

// What stands around a fraction in the three-line layout: |-n/d| or (-w n/d).
enum class FractionFrame { None, Bars, Brackets };

// A common fraction or mixed number as the three-line layout draws it. The numerator and the
// denominator are texts: usually numbers, sometimes an expression with a letter ("234x+104").
struct StackedFraction {
  bool negative = false;  // a minus before it, inside its frame
  std::string whole;      // the whole part of a mixed number; empty when it has none
  std::string numerator;
  std::string denominator;
  FractionFrame frame = FractionFrame::None;

  friend bool operator==(const StackedFraction&, const StackedFraction&) = default;
};

enum class PieceKind {
  Text,      // words, and anything the model does not read as maths: printed as it stands
  Number,    // digits with a decimal comma or point: "8,3", "4.5", "3449"
  Letter,    // a letter standing for a number ("x", "a", "N"): set in italic
  Operator,  // one sign as the file writes it: + - x х • : = < > ( ) | %
  Space,     // blanks between pieces, as many as the file has
  Fraction,
  Answer,  // where the answer goes: a blank on the student sheet, the answer on the teacher's
};

struct Piece {
  PieceKind kind = PieceKind::Text;
  std::string text;   // every kind but Fraction and Answer
  StackedFraction fraction;  // kind Fraction

  friend bool operator==(const Piece&, const Piece&) = default;
};

// One printed line of an exercise: a line of the file, or three lines of fractions set as one.
struct Row {
  std::vector<Piece> pieces;
  // The file lays this line out in columns with runs of blanks (a table, a list of factors):
  // printed in the fixed-pitch face so that its columns stay where they are.
  bool columns = false;

  friend bool operator==(const Row&, const Row&) = default;
};

enum class ItemKind {
  Exercise,  // numbered; its answer in `answer`, or in `solution` when the teacher's lines differ
  Problem,   // a word problem: "Задание N", its lines, its answer line
  Text,      // lines set as they stand: anything the model cannot read, never dropped
};

// A piece of a variant and the lines of both files it was read from, in file order. Written back,
// the items of a worksheet give both files line for line.
struct Item {
  ItemKind kind = ItemKind::Text;
  std::vector<std::string> studentLines;  // UTF-8 without line ends; a separator line is " "
  std::vector<std::string> teacherLines;  // empty on a sheet read without its teacher file
  std::vector<Row> task;                  // what both sheets print
  Row answer;                             // empty when the model found none
  // The teacher's own rows when they are not the task followed by the answer (an equation
  // written solved, a table filled in): the teacher sheet prints them after the task.
  std::vector<Row> solution;
  std::string taskNumber;  // a Problem's N of "Задание N"
};

struct Variant {
  std::string number;  // the N of its header
  std::string studentHeader;
  std::string teacherHeader;
  std::vector<Item> items;
};

// A student file and its teacher file read together.
struct Worksheet {
  bool wordProblems = false;  // headers "Вариант № N" rather than "Вариант N"
  bool hasStudent = false;    // false for an empty file: not even a stamp line
  bool hasTeacher = false;
  std::string studentStamp;
  std::string teacherStamp;
  std::vector<Item> preamble;  // lines before the first header, which only a hand edit leaves
  std::vector<Variant> variants;
};

}  // namespace mathsheets::sheet
