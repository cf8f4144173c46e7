#pragma once

#include <string>
#include <vector>

#include "layout/page_marks.h"
#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::docx {

// The page of a sheet in twentieths of a point, as WordprocessingML measures it: the PDF's paper
// and margins, the running head in the top margin.
struct PageGeometry {
  int width = 0;
  int height = 0;
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  int header = 0;  // from the paper's edge to the running head
  int textWidth = 0;
};
PageGeometry GeometryOf(sheet::Paper paper);

// The body's size in half-points and its least distance from baseline to baseline in twips: the
// PDF's (12 pt, or 11 on A5; large print 15 or 14 with wider lines).
int BodyHalfPoints(const sheet::PrintLayout& layout);
int BodyLineTwips(const sheet::PrintLayout& layout);

// word/document.xml of one sheet, made a variant at a time: its start, the lines before the first
// variant, each variant in order, the answer key's rows, its end. Each call returns the XML to
// append; the pieces together are one well-formed part.
class DocumentXml {
 public:
  DocumentXml(const sheet::PrintLayout& layout, layout::SheetKind kind);

  std::string Start() const;
  std::string Preamble(const std::vector<sheet::Item>& items);
  std::string Variant(const sheet::Variant& variant);
  // The key "Ответы" on a page of its own, one row a variant; KeyEnd after the last row.
  std::string KeyStart();
  std::string KeyRow(const sheet::Variant& variant) const;
  std::string KeyEnd() const;
  std::string End() const;

 private:
  sheet::PrintLayout layout_;
  bool teacher_;
  PageGeometry page_;
  bool written_ = false;  // something is on the pages already
};

}  // namespace mathsheets::docx
