#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/page_marks.h"
#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::layout {

// Lays out variants one at a time and hands each page to `onPage` as soon as it is full, so that
// a sheet of any length needs the memory of one page. A variant never splits when it fits on one
// page; one that does not goes on under "Вариант N (продолжение)".
class SheetLayout {
 public:
  using PageSink = std::function<void(const PageOps&)>;

  // `pageCount` is the number of pages the sheet will have, for "стр. N из M"; 0 while counting.
  SheetLayout(const TextMeasure& measure, const sheet::PrintLayout& layout, SheetKind kind,
              std::string stamp, int pageCount, PageSink onPage);
  ~SheetLayout();
  SheetLayout(const SheetLayout&) = delete;
  SheetLayout& operator=(const SheetLayout&) = delete;

  // Lines before the first variant: set as text.
  void AddPreamble(const std::vector<sheet::Item>& items);
  void AddVariant(const sheet::Variant& variant);

  // The answer key, after the last variant: call StartKey once, then AddKeyRow for every variant
  // in order. `cellWidth` is the widest cell of the whole key (KeyCellWidth over all variants).
  void StartKey(double cellWidth);
  void AddKeyRow(const sheet::Variant& variant);
  double KeyCellWidth(const sheet::Variant& variant) const;

  // Hands over the last page. Returns the number of pages.
  int Finish();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace mathsheets::layout
