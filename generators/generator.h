#pragma once

#include <span>

#include "common/worksheet_output.h"
#include "generators/main_module.h"

namespace mathsheets {

// One call writes one exercise of its type: its line or lines to the student file and to the
// teacher file, with numbers drawn from m.random. It may read and change the module's options.
using TaskGenerator = void (*)(MainModule& m, WorksheetFiles& files);

// A generator and the catalog number of its type.
struct GeneratorBinding {
  int number;
  TaskGenerator generator;
};

}  // namespace mathsheets
