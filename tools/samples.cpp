// Writes the example files of the main window, gen5/nbNs.txt and gen5/nbNt.txt, from the program's
// own generators.
#include <filesystem>
#include <iostream>

#include "common/io_error.h"
#include "shell/example_files.h"

int main(int argc, char** argv) {
  using namespace mathsheets;
  if (argc != 2) {
    std::cerr << "usage: mathsheets-samples FOLDER (the working folder; files go to FOLDER/gen5)\n";
    return 2;
  }
  const std::filesystem::path gen5 = std::filesystem::path(argv[1]) / "gen5";
  std::filesystem::create_directories(gen5);
  try {
    WriteExampleFiles(gen5);
  } catch (const IoError& e) {
    std::cerr << "mathsheets-samples: " << e.BoxText() << "\n";
    return 1;
  }
  return 0;
}
