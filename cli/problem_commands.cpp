#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "common/io_error.h"
#include "common/random.h"
#include "run_control.h"
#include "sets/set_selection.h"
#include "wordproblems/problem_catalog.h"
#include "wordproblems/problem_run.h"
#include "worksheet/worksheet_files.h"

namespace mathsheets::cli {

namespace {

std::string_view OptionValue(const Arguments& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{std::string(args[i]) + " needs a value"};
  return args[++i];
}

std::uint32_t SeedOf(std::string_view text) {
  const auto seed = ParseSeed(text);
  if (!seed)
    throw UsageError{"--seed takes a whole number 0..4294967295, got " + std::string(text)};
  return *seed;
}

int IndexOf(std::string_view caption) {
  const auto index = WordProblemIndexByCaption(caption);
  if (!index) throw UsageError{"unknown word problem " + std::string(caption)};
  return *index;
}

// "Z1,Z2,B86" -> Z1, Z2, B86
std::vector<std::string_view> SplitCaptions(std::string_view list) {
  std::vector<std::string_view> captions;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    captions.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return captions;
}

bool ReportMissingGenerator(int index) {
  const TWordProblem& problem = WordProblemByIndex(index);
  if (problem.Generator != nullptr) return false;
  std::cerr << "mathsheets-cli: word problem " << problem.Caption << " has no generator yet\n";
  return true;
}

}  // namespace

int ListProblemsCommand(const Arguments& args) {
  if (!args.empty()) throw UsageError{"list-problems takes no options"};
  for (const TWordProblem& problem : WordProblemCatalog())
    std::cout << problem.Index << '\t' << problem.Caption << '\n';
  return kExitSuccess;
}

int RunProblemSelection(ProblemModule& module, Pcg32& random, std::uint32_t seed,
                        std::string_view variants, const std::filesystem::path& dir,
                        SheetDocuments documents, const sheet::PrintLayout& layout) {
  random.Seed(seed);
  try {
    RunControl control(std::cerr, isatty(STDERR_FILENO) == 1);
    const ProblemRunResult result =
        RunProblemWorksheet(module, variants, dir, CurrentLocalDateTime(), control.Hook());
    return FinishRun(control, result, documents, layout);
  } catch (const IoError& e) {
    std::cerr << e.BoxText() << '\n';
    return kExitIoError;
  }
}

int ProblemsCommand(const Arguments& args) {
  Pcg32 random;
  ProblemModule module(random);
  std::filesystem::path dir = ".";
  std::optional<std::uint32_t> seed;
  std::optional<std::filesystem::path> saveSet;
  SheetDocuments documents;
  sheet::PrintLayout layout;
  std::string variants;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (option == "--dir") {
      dir = std::filesystem::path(std::string(OptionValue(args, i)));
    } else if (option == "--seed") {
      seed = SeedOf(OptionValue(args, i));
    } else if (option == "--save-set") {
      saveSet = std::filesystem::path(std::string(OptionValue(args, i)));
    } else if (option == "--variants") {
      variants = std::string(OptionValue(args, i));
    } else if (option == "--select") {
      // Each caption is one click on its check box, so naming a problem twice leaves it out.
      for (const std::string_view caption : SplitCaptions(OptionValue(args, i))) {
        const int index = IndexOf(caption);
        if (ReportMissingGenerator(index)) return kExitUsage;
        ToggleSelected(module, index);
      }
    } else if (option == "--pdf") {
      documents.pdf = true;
    } else if (option == "--docx") {
      documents.docx = true;
    } else if (ParsePrintOption(args, i, layout)) {
    } else {
      throw UsageError{"unknown option " + std::string(option)};
    }
  }
  const std::uint32_t runSeed = RunSeed(seed);
  if (saveSet) {
    sets::WorksheetSet set = sets::ProblemSetOf(module, variants);
    set.seed = runSeed;
    set.layout = layout;
    if (const int code = SaveSet(*saveSet, set); code != kExitSuccess) return code;
  }
  return RunProblemSelection(module, random, runSeed, variants, dir, documents, layout);
}

int PreviewCommand(const Arguments& args) {
  Pcg32 random;
  random.Randomize();
  std::optional<int> index;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (option == "--seed") {
      random.Seed(SeedOf(OptionValue(args, i)));
    } else if (!option.starts_with("--") && !index) {
      index = IndexOf(option);
    } else {
      throw UsageError{"unknown option " + std::string(option)};
    }
  }
  if (!index) throw UsageError{"preview needs the caption of a word problem"};
  if (ReportMissingGenerator(*index)) return kExitUsage;
  ProblemModule module(random);
  for (const std::string& line : PreviewProblem(module, *index)) std::cout << line << '\n';
  return kExitSuccess;
}

}  // namespace mathsheets::cli
