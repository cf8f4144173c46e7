#include "pdf/page_plan.h"

#include <algorithm>
#include <cmath>

namespace mathsheets::pdf {

namespace {

constexpr double kHeaderScale = 1.3;
// The space under a variant header and between two word problems, in body lines.
constexpr double kGapAfterHeader = 0.5;
constexpr double kGapBetweenProblems = 0.5;
// Lets a line that fits exactly survive the rounding of the measures.
constexpr double kSlack = 1e-6;

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t ColumnsAt(double size, double width, double advance) {
  return static_cast<std::size_t>(std::floor(width / (advance * size) + kSlack));
}

std::size_t WidestLine(const std::vector<std::string>& lines) {
  std::size_t widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, CharacterCount(line));
  return widest;
}

// Fills pages top-down and starts a new page when a row does not fit.
class PageFiller {
 public:
  explicit PageFiller(double height) : height_(height) { plan_.pages.emplace_back(); }

  void StartPage() {
    plan_.pages.emplace_back();
    used_ = 0;
    hasBody_ = false;
  }
  bool FirstPageUntouched() const { return plan_.pages.size() == 1 && used_ == 0; }
  bool Fits(double height) const { return used_ + height <= height_ + kSlack; }
  bool HasBody() const { return hasBody_; }

  void Place(std::string text, RowStyle style, double size, const FontMeasure& font) {
    const double lineHeight = font.lineSpacing * size;
    if (!Fits(lineHeight) && used_ > 0) StartPage();
    plan_.pages.back().push_back({std::move(text), style, size, used_ + font.ascent * size});
    used_ += lineHeight;
    hasBody_ = hasBody_ || style == RowStyle::Body;
  }
  void Skip(double height) { used_ = std::min(height_, used_ + height); }

  PagePlan Finish(double bodyFontSize) {
    plan_.bodyFontSize = bodyFontSize;
    return std::move(plan_);
  }

 private:
  double height_;
  double used_ = 0;
  bool hasBody_ = false;
  PagePlan plan_;
};

class Planner {
 public:
  Planner(TextArea area, const FontMeasure& regular, const FontMeasure& bold, double bodySize)
      : area_(area), regular_(regular), bold_(bold), bodySize_(bodySize), pages_(area.height) {}

  void Variant(const VariantSection& variant) {
    if (!pages_.FirstPageUntouched()) pages_.StartPage();
    pages_.Place(variant.header, RowStyle::VariantHeader, bodySize_ * kHeaderScale, bold_);
    pages_.Skip(kGapAfterHeader * regular_.lineSpacing * bodySize_);
    for (const LineBlock& block : variant.blocks) Block(block);
  }

  void Block(const LineBlock& block) {
    const std::size_t bodyColumns = ColumnsAt(bodySize_, area_.width, regular_.advance);
    std::vector<std::string> rows;
    double size = bodySize_;
    if (block.wrappable) {
      for (const std::string& line : block.lines)
        for (std::string& piece : WrapAtBlanks(line, bodyColumns)) rows.push_back(std::move(piece));
    } else {
      rows = block.lines;
      const std::size_t widest = WidestLine(rows);
      if (widest > bodyColumns)
        size = area_.width / (regular_.advance * static_cast<double>(widest));
    }
    // A block that does not fit the rest of this page starts the next one. Under a lone variant
    // header it stays, so the header is never left alone; only a block taller than the page is
    // split.
    const double lineHeight = regular_.lineSpacing * size;
    const double gap = block.isProblem && pages_.HasBody() ? kGapBetweenProblems * lineHeight : 0;
    if (!pages_.Fits(gap + lineHeight * static_cast<double>(rows.size())) && pages_.HasBody())
      pages_.StartPage();
    else
      pages_.Skip(gap);
    for (std::string& row : rows) pages_.Place(std::move(row), RowStyle::Body, size, regular_);
  }

  PagePlan Finish() { return pages_.Finish(bodySize_); }

 private:
  TextArea area_;
  const FontMeasure& regular_;
  const FontMeasure& bold_;
  double bodySize_;
  PageFiller pages_;
};

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsUtf8Continuation(c); }));
}

double BodyFontSize(std::size_t columns, double width, double advance) {
  if (columns == 0) return kLargestFontSize;
  const double fitting = width / (advance * static_cast<double>(columns));
  const double tenths = std::floor(fitting * 10 + kSlack) / 10;
  return std::clamp(tenths, kSmallestFontSize, kLargestFontSize);
}

std::vector<std::string> WrapAtBlanks(std::string_view line, std::size_t columns) {
  columns = std::max<std::size_t>(columns, 1);
  std::vector<std::string> pieces;
  while (CharacterCount(line) > columns) {
    // The byte just past the first `columns` characters.
    std::size_t cut = 0;
    for (std::size_t seen = 0; seen < columns; ++seen) {
      ++cut;
      while (cut < line.size() && IsUtf8Continuation(line[cut])) ++cut;
    }
    const std::size_t blank = line.substr(0, cut + 1).find_last_of(' ');
    if (blank != std::string_view::npos && blank > 0) {
      pieces.emplace_back(line.substr(0, blank));
      line.remove_prefix(blank + 1);
    } else {
      pieces.emplace_back(line.substr(0, cut));
      line.remove_prefix(cut);
    }
  }
  pieces.emplace_back(line);
  return pieces;
}

PagePlan PlanPages(const WorksheetOutline& outline, TextArea area, const FontMeasure& regular,
                   const FontMeasure& bold) {
  std::size_t widest = 0;
  for (const LineBlock& block : outline.preamble)
    widest = std::max(widest, WidestLine(block.lines));
  for (const VariantSection& variant : outline.variants)
    for (const LineBlock& block : variant.blocks)
      widest = std::max(widest, WidestLine(block.lines));

  Planner planner(area, regular, bold, BodyFontSize(widest, area.width, regular.advance));
  for (const LineBlock& block : outline.preamble) planner.Block(block);
  for (const VariantSection& variant : outline.variants) planner.Variant(variant);
  return planner.Finish();
}

}  // namespace mathsheets::pdf
