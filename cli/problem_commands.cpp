#include <iostream>

#include "cli/commands.h"

namespace mathsheets::cli {

int ListProblemsCommand(const Arguments&) {
  std::cerr << "mathsheets-cli: the word problems are not built yet\n";
  return kExitUsage;
}

int ProblemsCommand(const Arguments& args) { return ListProblemsCommand(args); }
int PreviewCommand(const Arguments& args) { return ListProblemsCommand(args); }

}  // namespace mathsheets::cli
