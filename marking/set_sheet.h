#pragma once

#include <cstdint>

#include "sets/worksheet_set.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::marking {

// The set's fingerprint as a result code carries it: of what decides the sheets' content (the
// set's canonical text without its layout, title and pupil's items), so that a code stays
// readable after the teacher changes how the sheet is printed. 20 bits of a 64-bit FNV-1a.
std::uint32_t SetFingerprint(const sets::WorksheetSet& set);

// How many variants a run of the set writes, read from its variants box as a run reads it.
std::int64_t VariantCountOf(const sets::WorksheetSet& set);

// The sheets of a set, made in memory by the run its window would do with its seed and read into
// the model: the same model as the files of that run give. Only variants 1..`upTo` are made.
// A set without a seed has no sheets to mark and gives an empty worksheet.
sheet::Worksheet WorksheetOfSet(const sets::WorksheetSet& set, std::int64_t upTo);

}  // namespace mathsheets::marking
