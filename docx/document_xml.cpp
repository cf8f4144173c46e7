#include "docx/document_xml.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <variant>

#include "docx/blocks.h"
#include "docx/faces.h"
#include "docx/runs.h"
#include "layout/exercise_grid.h"
#include "layout/font_widths.h"

namespace mathsheets::docx {

using sheet::Piece;
using sheet::PieceKind;
using sheet::Row;

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kHeaderScale = 1.2;       // the PDF's: "Вариант N" and the title
constexpr double kRunningHeadHeight = 14;  // points under the running head

int Twips(double points) {
  return static_cast<int>(std::lround(points * kTwipsPerPoint));
}

// Widths in ems near enough to place the name line's tab stops: wide rather than narrow.
double Ems(std::string_view utf8) {
  double ems = 0;
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == ' ' || c == ',')
      ems += 0.3;
    else if ((u & 0xC0) != 0x80)
      ems += 0.62;
  }
  return ems;
}

// The lines a row of pieces takes in `ems` of width.
double LinesOf(const std::vector<Piece>& pieces, double ems) {
  if (std::any_of(pieces.begin(), pieces.end(),
                  [](const Piece& p) { return p.kind == PieceKind::Fraction; }))
    return 2.2;
  return std::max(1.0, std::ceil(PiecesEms(pieces) / std::max(ems, 1.0)));
}

bool HasAnswerPiece(const Row& row) {
  return std::any_of(row.pieces.begin(), row.pieces.end(),
                     [](const Piece& p) { return p.kind == PieceKind::Answer; });
}

bool HasFraction(const Row& row) {
  return std::any_of(row.pieces.begin(), row.pieces.end(),
                     [](const Piece& p) { return p.kind == PieceKind::Fraction; });
}

bool IsBlank(const Row& row) {
  return std::all_of(row.pieces.begin(), row.pieces.end(), [](const Piece& p) {
    return p.kind != PieceKind::Fraction && p.text.find_first_not_of(' ') == std::string::npos;
  });
}

RunStyle AnswerStyle(bool mono) {
  RunStyle style;
  style.bold = true;
  style.answer = true;
  style.mono = mono;
  return style;
}

}  // namespace

PageGeometry GeometryOf(sheet::Paper paper) {
  const layout::PageSize size = layout::SizeOf(paper);
  const layout::PrintArea area = layout::AreaOf(paper);
  PageGeometry page;
  page.width = Twips(size.width);
  page.height = Twips(size.height);
  page.left = Twips(area.left);
  page.right = Twips(size.width - area.right);
  page.header = Twips(area.top);
  page.top = Twips(area.top + kRunningHeadHeight);
  page.bottom = Twips(size.height - area.bottom);
  page.textWidth = page.width - page.left - page.right;
  return page;
}

int BodyHalfPoints(const sheet::PrintLayout& layout) {
  const bool a5 = layout.paper == sheet::Paper::A5;
  return 2 * (layout.largePrint ? (a5 ? 14 : 15) : (a5 ? 11 : 12));
}

int BodyLineTwips(const sheet::PrintLayout& layout) {
  return Twips((layout.largePrint ? 1.65 : 1.35) * BodyHalfPoints(layout) / 2.0);
}

namespace {

// What one sheet's variants are made of, in the document's measures.
class Setter {
 public:
  Setter(const sheet::PrintLayout& layout, bool teacher, const PageGeometry& page)
      : layout_(layout),
        teacher_(teacher),
        page_(page),
        size_(BodyHalfPoints(layout) / 2.0),
        line_(BodyLineTwips(layout)) {}

  int Line() const { return line_; }
  // The width of the page's text in ems of the body.
  double TextEms() const { return page_.textWidth / (size_ * kTwipsPerPoint); }

  Para Heading(const std::string& text) const {
    Runs runs;
    RunStyle bold;
    bold.bold = true;
    bold.halfPoints = static_cast<int>(std::lround(2 * size_ * kHeaderScale));
    runs.Text(text, bold);
    return Paragraph(runs.Take(), {.keepNext = true, .after = line_ / 4, .lines = kHeaderScale});
  }

  std::optional<Para> Title() const {
    if (layout_.title.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    Para title = Heading(layout_.title);
    title.props.after = 0;
    return title;
  }

  // "Вариант N" in bold and the name line, "Фамилия, имя ____  Класс ____  Дата ____", its blanks
  // drawn by tab stops with a leader to the right margin: on one line where both fit, the name
  // line under the header where not.
  void Header(std::vector<Block>& blocks, const std::string& text) const {
    Para header = Heading(text);
    const double s = size_ * kTwipsPerPoint;  // an em of the body, in twips
    const double gap = 0.5 * s;
    const std::string_view words[] = {"Фамилия, имя", "Класс", "Дата"};
    const double least[] = {9 * s, 3.5 * s, 4.5 * s};
    double wordsWidth = 0;
    for (const std::string_view w : words) wordsWidth += Ems(w) * s + gap;
    const double leastWidth = wordsWidth + least[0] + least[1] + least[2] + 2 * gap;
    const double width = page_.textWidth;
    double x = Ems(text) * 1.1 * s * kHeaderScale + 1.5 * s;
    Para* line = &header;
    Para own;
    if (width - x < leastWidth) {
      x = 0;
      header.props.after = 0;
      own.props.after = line_ / 4;
      line = &own;
    }
    // Longer blanks where there is room; shorter ones, down to half, on a narrow page.
    const double extra = (width - x) - leastWidth;
    const double shrink =
        extra >= 0 ? 1 : std::max(0.5, 1 + extra / (least[0] + least[1] + least[2]));
    const double more = std::max(0.0, extra);
    const double blanks[] = {least[0] * shrink + more * 0.6, least[1] * shrink + more * 0.15,
                             least[2] * shrink + more * 0.25};
    const RunStyle plain;
    Runs runs;
    std::string tabs;
    if (x > 0) {
      tabs += TabStop("left", static_cast<int>(x));
      runs.Tab(plain);
    }
    for (int i = 0; i < 3; ++i) {
      runs.Text(words[i], plain);
      x += Ems(words[i]) * s + gap + blanks[i];
      if (i < 2) {
        tabs += TabStop("left", static_cast<int>(x), "underscore");
        x += gap;
        tabs += TabStop("left", static_cast<int>(x));
        runs.Tab(plain);
        runs.Tab(plain);
      } else {
        tabs += TabStop("right", page_.textWidth, "underscore");
        runs.Tab(plain);
      }
    }
    line->tabs = tabs;
    line->runs += runs.Take();
    blocks.push_back(std::move(header));
    if (line == &own) blocks.push_back(std::move(own));
  }

  // An exercise: "k)" hanging before its rows, the blank where its answer goes (the answer in it on
  // the teacher's document), then its solution rows, on the pupil's document room to work.
  // `width`: the room of the cell, in twips.
  std::vector<Para> Exercise(const sheet::Item& item, int number, int label, int width) const {
    std::vector<Para> paras;
    const std::vector<Piece>* answer = item.answer.pieces.empty() ? nullptr : &item.answer.pieces;
    const double rowEms = (width - label) / (size_ * kTwipsPerPoint);
    const bool anyAnswerPiece = std::any_of(item.task.begin(), item.task.end(), HasAnswerPiece);
    const RunStyle plain;
    for (std::size_t r = 0; r < std::max<std::size_t>(item.task.size(), 1); ++r) {
      Runs runs;
      Para para = Paragraph({}, {.left = label});
      if (r == 0) {
        runs.Text(std::to_string(number) + ")", plain);
        runs.Tab(plain);
        para.props.hanging = label;
      }
      if (r < item.task.size()) {
        para.props.lines = LinesOf(item.task[r].pieces, rowEms);
        RunStyle style;
        style.mono = item.task[r].columns;
        // The blank takes what room the row leaves, down to what its answer needs.
        const AnswerSlot slot =
            SlotFor(answer, 4.5, rowEms - PiecesEms(item.task[r].pieces) - 0.6, teacher_);
        AppendPieces(runs, item.task[r].pieces, style, &slot);
        if (!anyAnswerPiece && answer != nullptr && r + 1 == item.task.size()) {
          runs.Gap(style);
          AppendSlot(runs, slot, style);
        }
      }
      para.runs = runs.Take();
      paras.push_back(std::move(para));
    }
    Solution(item, label, paras);
    paras.back().props.after = line_ / 5;
    return paras;
  }

  // An item's own rows on the teacher's document, as many empty lines on the pupil's.
  void Solution(const sheet::Item& item, int left, std::vector<Para>& paras) const {
    for (const Row& row : item.solution) {
      Runs runs;
      if (teacher_) AppendPieces(runs, row.pieces, AnswerStyle(row.columns), nullptr);
      paras.push_back(
          Paragraph(runs.Take(), {.left = left, .lines = LinesOf(row.pieces, TextEms())}));
    }
  }

  // A run of exercises as a table without borders, numbered down each column.
  Table Grid(const sheet::Variant& variant, const layout::GridRun& run, int& number) const {
    Table table;
    const auto columns = static_cast<std::size_t>(std::clamp(run.columns, 1, 3));
    const std::size_t rows = (run.count + columns - 1) / columns;
    table.cellRight = static_cast<int>(1.2 * size_ * kTwipsPerPoint);
    const int column = page_.textWidth / static_cast<int>(columns);
    table.columns.assign(columns, column);
    table.columns.back() += page_.textWidth - column * static_cast<int>(columns);
    const std::string widest = std::to_string(number + static_cast<int>(run.count)) + ")";
    const int label = static_cast<int>((0.556 * static_cast<double>(widest.size()) + 0.5) * size_ *
                                       kTwipsPerPoint);
    for (std::size_t r = 0; r < rows; ++r) {
      std::vector<std::vector<Para>> cells(columns);
      for (std::size_t c = 0; c < columns; ++c) {
        const std::size_t k = c * rows + r;
        if (k >= run.count) continue;
        cells[c] = Exercise(variant.items[run.first + k], number + static_cast<int>(k) + 1, label,
                            table.columns[c] - table.cellRight);
      }
      table.rows.push_back(std::move(cells));
    }
    number += static_cast<int>(run.count);
    return table;
  }

  // A word problem: "Задание N", its text as a paragraph, three ruled lines and "Ответ: ____".
  void Problem(const sheet::Item& item, int number, std::vector<Block>& blocks) const {
    RunStyle bold;
    bold.bold = true;
    Runs title;
    title.Text("Задание " + (item.taskNumber.empty() ? std::to_string(number) : item.taskNumber),
               bold);
    blocks.push_back(Paragraph(title.Take(), {.keepNext = true, .before = line_ / 4}));
    std::vector<Piece> words;
    for (const Row& row : item.task) {
      if (!words.empty()) words.push_back({PieceKind::Space, " ", {}});
      words.insert(words.end(), row.pieces.begin(), row.pieces.end());
    }
    // A word problem is prose: its one-letter words upright, a hyphen between blanks a dash.
    for (Piece& piece : words)
      if (piece.kind == PieceKind::Letter) piece.kind = PieceKind::Text;
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
      if (words[i].kind == PieceKind::Operator && words[i].text == "-" &&
          words[i - 1].kind == PieceKind::Space && words[i + 1].kind == PieceKind::Space)
        words[i] = {PieceKind::Text, "–", {}};
    }
    Runs text;
    AppendPieces(text, words, {}, nullptr);
    blocks.push_back(Paragraph(text.Take(), {.lines = LinesOf(words, TextEms())}));
    std::vector<Para> solution;
    Solution(item, 0, solution);
    for (Para& para : solution) blocks.push_back(std::move(para));
    RunStyle faint;
    faint.faint = true;
    for (int i = 0; i < 3; ++i) {
      Runs rule;
      rule.Tab(faint);
      blocks.push_back(Paragraph(rule.Take(), {.line = line_ * 3 / 2},
                                 TabStop("right", page_.textWidth, "underscore")));
    }
    const std::vector<Piece>* answer = item.answer.pieces.empty() ? nullptr : &item.answer.pieces;
    const AnswerSlot slot =
        SlotFor(answer, 10, page_.textWidth / (size_ * kTwipsPerPoint) - 5, teacher_);
    Runs line;
    line.Text("Ответ: ", {});
    AppendSlot(line, slot, {});
    blocks.push_back(Paragraph(line.Take(), {.before = line_ * 3 / 10, .after = line_ * 2 / 5}));
  }

  // Lines set as they stand: prose and maths as text, rows laid out in columns in the fixed-pitch
  // face; the teacher's own rows after them.
  void TextItem(const sheet::Item& item, std::vector<Block>& blocks) const {
    for (const Row& row : item.task) {
      if (IsBlank(row) && !HasFraction(row)) continue;
      RunStyle style;
      style.mono = row.columns;
      Runs runs;
      AppendPieces(runs, row.pieces, style, nullptr);
      blocks.push_back(Paragraph(runs.Take(), {.lines = LinesOf(row.pieces, TextEms())}));
    }
    std::vector<Para> solution;
    Solution(item, 0, solution);
    for (Para& para : solution) blocks.push_back(std::move(para));
  }

  std::vector<Block> VariantBlocks(const sheet::Variant& variant) const {
    std::vector<Block> blocks;
    if (std::optional<Para> title = Title()) blocks.push_back(std::move(*title));
    Header(blocks, "Вариант " + variant.number);
    const std::vector<layout::GridRun> runs =
        layout::ExerciseGridsOf(variant, layout_, layout::SheetFontWidths());
    auto run = runs.begin();
    int number = 0;
    int problems = 0;
    std::size_t gridEnd = 0;  // items before it are in a grid already
    for (std::size_t i = 0; i < variant.items.size(); ++i) {
      const sheet::Item& item = variant.items[i];
      if (item.kind == sheet::ItemKind::Exercise) {
        while (run != runs.end() && run->first + run->count <= i) ++run;
        if (run != runs.end() && run->first == i && run->count > 0) {
          AddTable(blocks, Grid(variant, *run, number));
          gridEnd = run->first + run->count;
        } else if (i >= gridEnd) {
          // An exercise no grid holds: a grid of its own.
          AddTable(blocks, Grid(variant, {i, 1, 1}, number));
        }
        continue;
      }
      if (item.kind == sheet::ItemKind::Problem)
        Problem(item, ++problems, blocks);
      else
        TextItem(item, blocks);
    }
    return blocks;
  }

  // Word joins two tables with nothing between them into one: a line of a few points parts them.
  static void AddTable(std::vector<Block>& blocks, Table table) {
    if (!blocks.empty() && std::holds_alternative<Table>(blocks.back()))
      blocks.push_back(Paragraph({}, {.exactLine = 40}));
    blocks.push_back(std::move(table));
  }

  std::vector<Block> PreambleBlocks(const std::vector<sheet::Item>& items) const {
    std::vector<Block> blocks;
    for (const sheet::Item& item : items) TextItem(item, blocks);
    return blocks;
  }

  // The dashed line to cut two variants of a page apart, with its scissors.
  Para CutLine() const {
    RunStyle faint;
    faint.faint = true;
    RunStyle scissors = faint;
    scissors.symbol = true;
    Runs runs;
    runs.Text("✂", scissors);
    runs.Tab(faint);
    return Paragraph(runs.Take(), {.before = line_ * 2 / 5, .after = line_ * 2 / 5},
                     TabStop("right", page_.textWidth, "hyphen"));
  }

  // The key.
  int KeyHalfPoints() const {
    return layout_.largePrint ? BodyHalfPoints(layout_)
                              : static_cast<int>(std::lround(BodyHalfPoints(layout_) * 0.85));
  }

  Table KeyTable() const {
    Table table;
    table.ruled = true;
    table.cellLeft = 85;
    table.cellRight = 85;
    const int label =
        static_cast<int>(Ems("Вариант 8888") * KeyHalfPoints() / 2.0 * kTwipsPerPoint * 1.1) +
        2 * 85;
    table.columns = {label, page_.textWidth - label};
    return table;
  }

  std::vector<std::vector<Para>> KeyCells(const sheet::Variant& variant) const {
    RunStyle regular;
    regular.halfPoints = KeyHalfPoints();
    RunStyle bold = regular;
    bold.bold = true;
    RunStyle answer = bold;
    answer.answer = true;
    RunStyle faint = regular;
    faint.faint = true;
    Runs label;
    label.Text("Вариант " + variant.number, bold);
    Runs cells;
    int number = 0;
    int problems = 0;
    bool first = true;
    for (const sheet::Item& item : variant.items) {
      if (item.kind == sheet::ItemKind::Text) continue;
      if (!first) cells.Text("   ", regular);
      first = false;
      const std::string name =
          item.kind == sheet::ItemKind::Exercise
              ? std::to_string(++number) + ")"
              : (item.taskNumber.empty() ? std::to_string(++problems) : item.taskNumber) + ".";
      cells.Text(name, regular);
      cells.Text(kNoBreakSpace, regular);
      if (!item.answer.pieces.empty())
        AppendPieces(cells, item.answer.pieces, answer, nullptr);
      else if (!item.solution.empty())
        AppendPieces(cells, item.solution.back().pieces, answer, nullptr);
      else
        cells.Text("—", faint);
    }
    return {{Paragraph(label.Take())}, {Paragraph(cells.Take())}};
  }

 private:
  const sheet::PrintLayout& layout_;
  bool teacher_;
  const PageGeometry& page_;
  double size_;  // points
  int line_;     // twips
};

}  // namespace

DocumentXml::DocumentXml(const sheet::PrintLayout& layout, layout::SheetKind kind)
    : layout_(layout),
      teacher_(kind == layout::SheetKind::Teacher),
      page_(GeometryOf(layout.paper)) {}

std::string DocumentXml::Start() const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
         "<w:document "
         "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
         "xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\">"
         "<w:body>";
}

std::string DocumentXml::Preamble(const std::vector<sheet::Item>& items) {
  const Setter setter(layout_, teacher_, page_);
  const std::vector<Block> blocks = setter.PreambleBlocks(items);
  if (!blocks.empty()) written_ = true;
  return BlocksXml(blocks, false);
}

std::string DocumentXml::Variant(const sheet::Variant& variant) {
  const Setter setter(layout_, teacher_, page_);
  std::string xml;
  std::vector<Block> blocks = setter.VariantBlocks(variant);
  if (written_) {
    if (layout_.perPage == sheet::VariantsPerPage::One)
      std::get<Para>(blocks.front()).props.pageBreakBefore = true;
    else
      xml += ParagraphXml(setter.CutLine(), false);
  }
  written_ = true;
  // A variant that fits on a page is kept on one; a longer one runs on from page to page, only its
  // header and each problem's title kept with what follows them.
  int height = 0;
  for (const Block& block : blocks) height += HeightOf(block, setter.Line());
  return xml + BlocksXml(blocks, height <= page_.height - page_.top - page_.bottom);
}

std::string DocumentXml::KeyStart() {
  const Setter setter(layout_, teacher_, page_);
  std::vector<Block> blocks;
  if (std::optional<Para> title = setter.Title()) blocks.push_back(std::move(*title));
  blocks.push_back(setter.Heading("Ответы"));
  if (written_) std::get<Para>(blocks.front()).props.pageBreakBefore = true;
  written_ = true;
  return BlocksXml(blocks, true) + TableStart(setter.KeyTable());
}

std::string DocumentXml::KeyRow(const sheet::Variant& variant) const {
  const Setter setter(layout_, teacher_, page_);
  return RowXml(setter.KeyTable(), setter.KeyCells(variant), false);
}

std::string DocumentXml::KeyEnd() const {
  // Word wants a paragraph between a table and the end of the document.
  return "</w:tbl><w:p/>";
}

std::string DocumentXml::End() const {
  const PageGeometry& p = page_;
  return "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
         "<w:pgSz w:w=\"" +
         std::to_string(p.width) + "\" w:h=\"" + std::to_string(p.height) +
         "\"/><w:pgMar w:top=\"" + std::to_string(p.top) + "\" w:right=\"" +
         std::to_string(p.right) + "\" w:bottom=\"" + std::to_string(p.bottom) + "\" w:left=\"" +
         std::to_string(p.left) + "\" w:header=\"" + std::to_string(p.header) +
         "\" w:footer=\"0\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
}

}  // namespace mathsheets::docx
