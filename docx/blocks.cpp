#include "docx/blocks.h"

#include <algorithm>

namespace mathsheets::docx {

Para Paragraph(std::string runs, ParagraphProps props, std::string tabs) {
  return Para{props, std::move(runs), std::move(tabs)};
}

int HeightOf(const Para& para, int line) {
  const ParagraphProps& p = para.props;
  if (p.exactLine > 0) return p.before + p.after + p.exactLine;
  return p.before + p.after + static_cast<int>(p.lines * std::max(line, p.line));
}

int HeightOf(const Block& block, int line) {
  if (const Para* para = std::get_if<Para>(&block)) return HeightOf(*para, line);
  int height = 0;
  for (const auto& row : std::get<Table>(block).rows) {
    int tallest = 0;
    for (const auto& cell : row) {
      int cellHeight = 0;
      for (const Para& para : cell) cellHeight += HeightOf(para, line);
      tallest = std::max(tallest, cellHeight);
    }
    height += tallest;
  }
  return height;
}

std::string TabStop(std::string_view kind, int position, std::string_view leader) {
  std::string tab = "<w:tab w:val=\"";
  tab += kind;
  tab += "\"";
  if (!leader.empty()) {
    tab += " w:leader=\"";
    tab += leader;
    tab += "\"";
  }
  return tab + " w:pos=\"" + std::to_string(position) + "\"/>";
}

std::string ParagraphXml(const Para& para, bool keepNext) {
  const ParagraphProps& p = para.props;
  std::string pPr;
  if (keepNext || p.keepNext) pPr += "<w:keepNext/><w:keepLines/>";
  if (p.pageBreakBefore) pPr += "<w:pageBreakBefore/>";
  if (!para.tabs.empty()) pPr += "<w:tabs>" + para.tabs + "</w:tabs>";
  if (p.before > 0 || p.after > 0 || p.line > 0 || p.exactLine > 0) {
    pPr += "<w:spacing";
    if (p.before > 0) pPr += " w:before=\"" + std::to_string(p.before) + "\"";
    if (p.after > 0) pPr += " w:after=\"" + std::to_string(p.after) + "\"";
    if (p.line > 0) pPr += " w:line=\"" + std::to_string(p.line) + "\" w:lineRule=\"atLeast\"";
    if (p.exactLine > 0)
      pPr += " w:line=\"" + std::to_string(p.exactLine) + "\" w:lineRule=\"exact\"";
    pPr += "/>";
  }
  if (p.left > 0 || p.hanging > 0) {
    pPr += "<w:ind w:left=\"" + std::to_string(p.left) + "\"";
    if (p.hanging > 0) pPr += " w:hanging=\"" + std::to_string(p.hanging) + "\"";
    pPr += "/>";
  }
  std::string xml = "<w:p>";
  if (!pPr.empty()) xml += "<w:pPr>" + pPr + "</w:pPr>";
  return xml + para.runs + "</w:p>";
}

namespace {

std::string Borders(bool ruled) {
  const std::string_view value =
      ruled ? R"( w:val="single" w:sz="4" w:space="0" w:color="A0A0A0"/>)" : R"( w:val="nil"/>)";
  std::string xml = "<w:tblBorders>";
  for (const std::string_view side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    xml += "<w:";
    xml += side;
    xml += value;
  }
  return xml + "</w:tblBorders>";
}

}  // namespace

std::string TableStart(const Table& table) {
  int width = 0;
  for (const int column : table.columns) width += column;
  std::string xml = "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(width) +
                    "\" w:type=\"dxa\"/>" + Borders(table.ruled) +
                    "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left w:w=\"" +
                    std::to_string(table.cellLeft) + "\" w:type=\"dxa\"/><w:right w:w=\"" +
                    std::to_string(table.cellRight) + "\" w:type=\"dxa\"/></w:tblCellMar>" +
                    "</w:tblPr><w:tblGrid>";
  for (const int column : table.columns)
    xml += "<w:gridCol w:w=\"" + std::to_string(column) + "\"/>";
  return xml + "</w:tblGrid>";
}

std::string RowXml(const Table& table, const std::vector<std::vector<Para>>& cells, bool keepNext) {
  std::string xml = "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
  for (std::size_t c = 0; c < cells.size(); ++c) {
    xml += "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(table.columns[c]) +
           "\" w:type=\"dxa\"/></w:tcPr>";
    // A cell holds at least one paragraph.
    if (cells[c].empty()) xml += ParagraphXml(Paragraph({}), keepNext);
    for (const Para& para : cells[c]) xml += ParagraphXml(para, keepNext);
    xml += "</w:tc>";
  }
  return xml + "</w:tr>";
}

std::string BlocksXml(const std::vector<Block>& blocks, bool together) {
  std::string xml;
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const bool last = b + 1 == blocks.size();
    if (const Para* para = std::get_if<Para>(&blocks[b])) {
      xml += ParagraphXml(*para, together && !last);
      continue;
    }
    const Table& table = std::get<Table>(blocks[b]);
    xml += TableStart(table);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
      xml += RowXml(table, table.rows[r], together && !(last && r + 1 == table.rows.size()));
    xml += "</w:tbl>";
  }
  return xml;
}

}  // namespace mathsheets::docx
