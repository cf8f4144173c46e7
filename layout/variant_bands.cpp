#include <utility>

#include "layout/sheet_setter.h"

namespace mathsheets::layout {

SheetSetter::SheetSetter(const TextMeasure& measure, const sheet::PrintLayout& layout,
                         SheetKind kind)
    : type_(measure),
      layout_(layout),
      teacher_(kind == SheetKind::Teacher),
      area_(AreaOf(layout.paper)) {
  const bool a5 = layout.paper == sheet::Paper::A5;
  body_.size = layout.largePrint ? (a5 ? 14 : 15) : (a5 ? 11 : 12);
  body_.lineSpacing = layout.largePrint ? 1.65 : 1.35;
}

double SheetSetter::VariantWidth() const {
  if (layout_.perPage == sheet::VariantsPerPage::Four) return (FullWidth() - CutGap()) / 2;
  return FullWidth();
}

std::vector<Block> SheetSetter::VariantBands(const sheet::Variant& variant, double width) const {
  std::vector<Block> bands;
  if (std::optional<Block> title = Title(width)) bands.push_back(std::move(*title));
  bands.push_back(Header("Вариант " + variant.number, width, true));
  const std::vector<GridRun> runs = RunsOf(variant);
  auto run = runs.begin();
  int number = 0;
  int problems = 0;
  for (std::size_t i = 0; i < variant.items.size(); ++i) {
    const sheet::Item& item = variant.items[i];
    if (item.kind == sheet::ItemKind::Exercise) {
      if (run != runs.end() && run->first == i) Grid(variant, *run++, number, width, bands);
      continue;
    }
    Block block = item.kind == sheet::ItemKind::Problem
                      ? Problem(item, static_cast<int>(i), ++problems, width)
                      : TextItem(item, width);
    if (block.height > 0) bands.push_back(std::move(block));
  }
  return bands;
}

}  // namespace mathsheets::layout
