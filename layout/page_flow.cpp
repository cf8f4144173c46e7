#include <optional>
#include <string>
#include <utility>

#include "layout/sheet_layout.h"
#include "layout/sheet_setter.h"

namespace mathsheets::layout {

namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
constexpr double kRunningHeadSize = 7.5;
constexpr double kRunningHeadHeight = 14;

}  // namespace

PageSize SizeOf(sheet::Paper paper) {
  if (paper == sheet::Paper::A5) return {148 * kPointsPerMillimetre, 210 * kPointsPerMillimetre};
  return {210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre};
}

PrintArea AreaOf(sheet::Paper paper) {
  const PageSize size = SizeOf(paper);
  const bool a5 = paper == sheet::Paper::A5;
  const double side = (a5 ? 10 : 15) * kPointsPerMillimetre;
  const double top = (a5 ? 8 : 10) * kPointsPerMillimetre;
  const double bottom = (a5 ? 10 : 12) * kPointsPerMillimetre;
  return {side, top, size.width - side, size.height - bottom};
}

class SheetLayout::Impl {
 public:
  Impl(const TextMeasure& measure, const sheet::PrintLayout& layout, SheetKind kind,
       std::string stamp, int pageCount, PageSink onPage)
      : set_(measure, layout, kind),
        layout_(layout),
        stamp_(std::move(stamp)),
        pageCount_(pageCount),
        onPage_(std::move(onPage)),
        area_(AreaOf(layout.paper)) {
    top_ = area_.top + kRunningHeadHeight;
    y_ = top_;
  }

  double FullWidth() const { return set_.FullWidth(); }

  // Pages.
  double Bottom() const { return area_.bottom; }
  double Height() const { return area_.bottom - top_; }

  void NewPage() {
    EmitPage();
    y_ = top_;
    slot_ = 0;
    pageFull_ = false;
  }

  void EmitPage() {
    if (!pageUsed_) return;
    ++pagesDone_;
    if (pageCount_ > 0) {
      const double baseline = area_.top + kRunningHeadSize;
      ops_.texts.push_back(
          {area_.left, baseline, kRunningHeadSize, Face::Regular, Ink::Faint, stamp_});
      const std::string number =
          "стр. " + std::to_string(pagesDone_) + " из " + std::to_string(pageCount_);
      const double w = set_.Type().Width(Face::Regular, number, kRunningHeadSize);
      ops_.texts.push_back(
          {area_.right - w, baseline, kRunningHeadSize, Face::Regular, Ink::Faint, number});
    }
    if (onPage_) onPage_(ops_);
    ops_.texts.clear();
    ops_.rules.clear();
    ops_.blanks.clear();
    pageUsed_ = false;
  }

  void Place(const Block& block, double x, double y) {
    MoveInto(ops_, block, x, y);
    pageUsed_ = true;
  }

  void CutLine(double x1, double y1, double x2, double y2) {
    ops_.rules.push_back({x1, y1, x2, y2, 0.5, Ink::Faint, true});
    const double s = 0.9 * set_.Body().size;
    if (y1 == y2) ops_.texts.push_back({x1, y1 + 0.35 * s, s, Face::Symbol, Ink::Faint, "✂"});
  }

  // Bands one under another from the top of this page on, under a continuation header on each
  // next page. A band taller than a page goes on over pages, cut between its lines.
  void Flow(const std::vector<Block>& bands, double x, double width, const std::string& number) {
    const double head =
        number.empty() ? 0
                       : set_.Header("Вариант " + number + " (продолжение)", width, false).height;
    for (const Block& band : bands) {
      if (band.height <= Height() - head) {
        FlowBand(band, x, width, number);
        continue;
      }
      for (const Block& piece : CutToHeight(band, Height() - head))
        FlowBand(piece, x, width, number);
    }
  }

  void FlowBand(const Block& band, double x, double width, const std::string& number) {
    if (y_ + band.height > Bottom() && y_ > top_ + 1e-6) {
      NewPage();
      if (!number.empty()) {
        const Block head = set_.Header("Вариант " + number + " (продолжение)", width, false);
        Place(head, x, y_);
        y_ += head.height;
      }
    }
    Place(band, x, y_);
    y_ += band.height;
  }

  static double TotalHeight(const std::vector<Block>& bands) {
    double total = 0;
    for (const Block& b : bands) total += b.height;
    return total;
  }

  void AddVariant(const sheet::Variant& variant) {
    const bool four = layout_.perPage == sheet::VariantsPerPage::Four;
    const double gap = set_.CutGap();
    const double width = set_.VariantWidth();
    std::vector<Block> bands = set_.VariantBands(variant, width);
    for (Block& band : bands)
      for (BlankOp& blank : band.blanks) blank.variant = variant.number;
    const double total = TotalHeight(bands);
    switch (layout_.perPage) {
      case sheet::VariantsPerPage::Auto:
        if (pageUsed_) {
          if (y_ + gap + total <= Bottom()) {
            CutLine(area_.left, y_ + gap / 2, area_.right, y_ + gap / 2);
            y_ += gap;
          } else {
            NewPage();
          }
        }
        Flow(bands, area_.left, width, variant.number);
        return;
      case sheet::VariantsPerPage::One:
        if (pageUsed_) NewPage();
        Flow(bands, area_.left, width, variant.number);
        return;
      case sheet::VariantsPerPage::Two:
      case sheet::VariantsPerPage::Four:
        break;
    }
    const int slots = four ? 4 : 2;
    const double slotHeight = (Height() - gap) / 2;
    if (pageFull_ || slot_ >= slots || (pageUsed_ && total > slotHeight)) NewPage();
    if (total > slotHeight) {
      Flow(bands, area_.left, width, variant.number);
      pageFull_ = true;
      return;
    }
    const int row = four ? slot_ / 2 : slot_;
    const int column = four ? slot_ % 2 : 0;
    const double x = area_.left + column * (width + gap);
    const double y = top_ + row * (slotHeight + gap);
    if (row == 1 && (column == 0)) CutLine(area_.left, y - gap / 2, area_.right, y - gap / 2);
    if (column == 1 && row == 0)
      CutLine(area_.left + width + gap / 2, top_, area_.left + width + gap / 2, Bottom());
    double at = y;
    for (const Block& band : bands) {
      Place(band, x, at);
      at += band.height;
    }
    ++slot_;
  }

  void AddPreamble(const std::vector<sheet::Item>& items) {
    std::vector<Block> bands;
    for (const sheet::Item& item : items) {
      Block block = set_.TextItem(item, FullWidth());
      if (block.height > 0) bands.push_back(std::move(block));
    }
    Flow(bands, area_.left, FullWidth(), "");
  }

  void StartKey(double cellWidth) {
    NewPage();
    keyCellWidth_ = std::min(std::max(cellWidth, 1.0), FullWidth() - set_.KeyLabelWidth());
    if (std::optional<Block> title = set_.Title(FullWidth())) {
      Place(*title, area_.left, y_);
      y_ += title->height;
    }
    const Block head = set_.Header("Ответы", FullWidth(), false);
    Place(head, area_.left, y_);
    y_ += head.height;
  }

  void AddKeyRow(const sheet::Variant& variant) {
    // A row starts on a new page when it would be cut and the whole of it fits there.
    const std::vector<Block> lines = set_.KeyRow(variant, keyCellWidth_);
    const double total = TotalHeight(lines);
    if (y_ + total > Bottom() && y_ > top_ + 1e-6 && total <= Height()) NewPage();
    Flow(lines, area_.left, FullWidth(), "");
  }

  double KeyCellWidth(const sheet::Variant& variant) const { return set_.KeyCellWidth(variant); }

  int Finish() {
    EmitPage();
    return pagesDone_;
  }

 private:
  SheetSetter set_;
  sheet::PrintLayout layout_;
  std::string stamp_;
  int pageCount_;
  PageSink onPage_;
  PrintArea area_;
  double top_ = 0;
  double y_ = 0;
  int slot_ = 0;
  bool pageFull_ = false;
  bool pageUsed_ = false;
  int pagesDone_ = 0;
  double keyCellWidth_ = 1;
  PageOps ops_;
};

SheetLayout::SheetLayout(const TextMeasure& measure, const sheet::PrintLayout& layout,
                         SheetKind kind, std::string stamp, int pageCount, PageSink onPage)
    : impl_(std::make_unique<Impl>(measure, layout, kind, std::move(stamp), pageCount,
                                   std::move(onPage))) {}

SheetLayout::~SheetLayout() = default;

void SheetLayout::AddPreamble(const std::vector<sheet::Item>& items) {
  impl_->AddPreamble(items);
}
void SheetLayout::AddVariant(const sheet::Variant& variant) {
  impl_->AddVariant(variant);
}
void SheetLayout::StartKey(double cellWidth) {
  impl_->StartKey(cellWidth);
}
void SheetLayout::AddKeyRow(const sheet::Variant& variant) {
  impl_->AddKeyRow(variant);
}
double SheetLayout::KeyCellWidth(const sheet::Variant& variant) const {
  return impl_->KeyCellWidth(variant);
}
int SheetLayout::Finish() {
  return impl_->Finish();
}

}  // namespace mathsheets::layout
