#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mathsheets::docx {

// What a sheet's document is made of, paragraphs and tables, and their WordprocessingML.

// How a paragraph is set, in twips; what it does not say comes from the document's defaults.
struct ParagraphProps {
  bool keepNext = false;
  bool pageBreakBefore = false;
  int before = 0;
  int after = 0;
  int line = 0;  // the least distance of baselines; 0 for the document's
  int left = 0;
  int hanging = 0;
  int exactLine = 0;  // a line of exactly this height, for a spacer
  double lines = 1;   // how many lines it takes, as near as can be told without the faces
};

// A paragraph: its runs' XML and its tab stops' (<w:tab/>).
struct Para {
  ParagraphProps props;
  std::string runs;
  std::string tabs;
};

Para Paragraph(std::string runs, ParagraphProps props = {}, std::string tabs = {});

// A table of equal rows that are never split, its columns' widths in twips.
struct Table {
  std::vector<int> columns;
  std::vector<std::vector<std::vector<Para>>> rows;  // rows of cells of paragraphs
  bool ruled = false;
  int cellLeft = 0;
  int cellRight = 0;
};

using Block = std::variant<Para, Table>;

// How tall a paragraph or a table is, as near as can be told: lines of the document's line
// distance (`line`, in twips), a fraction's line about two.
int HeightOf(const Para& para, int line);
int HeightOf(const Block& block, int line);

// A tab stop: "left" or "right" at `position`, filled with `leader` ("underscore", "hyphen").
std::string TabStop(std::string_view kind, int position, std::string_view leader = {});

// A paragraph's XML, kept with the next one when `keepNext`.
std::string ParagraphXml(const Para& para, bool keepNext);

// A table's start (its properties and columns), then its rows one by one, each never split and,
// with `keepNext`, kept with what follows: Word keeps a row with the next when every paragraph of
// it is. The table ends with "</w:tbl>".
std::string TableStart(const Table& table);
std::string RowXml(const Table& table, const std::vector<std::vector<Para>>& cells, bool keepNext);

// Blocks one after another; with `together`, every paragraph but the last kept with the next, so
// that what fits on a page is never split across two.
std::string BlocksXml(const std::vector<Block>& blocks, bool together);

}  // namespace mathsheets::docx
