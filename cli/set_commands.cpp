#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "common/io_error.h"
#include "sets/set_file.h"
#include "sets/set_selection.h"

namespace mathsheets::cli {

int RunCommand(const Arguments& args) {
  std::optional<std::filesystem::path> file;
  std::filesystem::path dir = ".";
  SheetDocuments documents;
  // The print choices given here stand over the set's: where each starts, read again once the set
  // is read.
  std::vector<std::size_t> printOptions;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    const std::size_t at = i;
    sheet::PrintLayout checked;
    if (ParsePrintOption(args, i, checked)) {
      printOptions.push_back(at);
    } else if (option == "--dir") {
      if (i + 1 >= args.size()) throw UsageError{"--dir needs a value"};
      dir = std::filesystem::path(std::string(args[++i]));
    } else if (option == "--pdf") {
      documents.pdf = true;
    } else if (option == "--docx") {
      documents.docx = true;
    } else if (!option.starts_with("--") && !file) {
      file = std::filesystem::path(std::string(option));
    } else {
      throw UsageError{"unknown option " + std::string(option)};
    }
  }
  if (!file) throw UsageError{"run needs a set file, FILE.mathsheet"};
  sets::WorksheetSet set;
  try {
    set = sets::ReadSetFile(*file);
  } catch (const sets::SetError& e) {
    std::cerr << "mathsheets-cli: " << e.what() << '\n';
    return kExitUsage;
  } catch (const IoError& e) {
    std::cerr << "mathsheets-cli: " << file->string() << ": " << e.BoxText() << '\n';
    return kExitIoError;
  }
  for (std::size_t at : printOptions) ParsePrintOption(args, at, set.layout);
  Pcg32 random;
  const std::uint32_t seed = RunSeed(set.seed);
  if (set.kind == sets::SetKind::Main) {
    MainModule module(random);
    MainSelection selection(module);
    sets::ApplyMainSet(set, selection);
    return RunMainSelection(selection, random, seed, dir, documents, set.layout);
  }
  ProblemModule module(random);
  sets::ApplyProblemSet(set, module);
  return RunProblemSelection(module, random, seed, set.variants, dir, documents, set.layout);
}

}  // namespace mathsheets::cli
