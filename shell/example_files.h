#pragma once

#include <filesystem>

namespace mathsheets {

// Writes the example files of the main window into `gen5` (nbNs.txt and nbNt.txt): for each
// sample, exercises of its type until three lines are shown, drawn from a fixed seed so that every
// build, and the browser edition, shows the same samples. Throws IoError.
void WriteExampleFiles(const std::filesystem::path& gen5);

}  // namespace mathsheets
