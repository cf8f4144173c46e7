#pragma once

#include <vector>

#include "layout/page_marks.h"
#include "layout/sheet_setter.h"
#include "sheet/print_layout.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::layout {

// The runs of a variant's exercises that its printed sheet sets as one grid each (exercises of one
// height, between word problems and texts), with the columns the layout gives each: what another
// renderer of the same sheet needs to set its exercises the same way.
std::vector<GridRun> ExerciseGridsOf(const sheet::Variant& variant,
                                     const sheet::PrintLayout& layout, const TextMeasure& measure);

}  // namespace mathsheets::layout
