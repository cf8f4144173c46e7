#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <iostream>

#include "commands.h"
#include "common/io_error.h"
#include "common/random.h"
#include "generators/registry.h"
#include "run_control.h"
#include "sets/set_file.h"
#include "sets/set_selection.h"
#include "shell/catalog.h"
#include "shell/main_run.h"
#include "shell/main_selection.h"
#include "worksheet/read_count.h"

namespace mathsheets::cli {

std::optional<std::uint32_t> ParseSeed(std::string_view text) {
  std::uint32_t seed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return seed;
}

namespace {

std::string_view NextValue(const Arguments& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{std::string(args[i]) + " needs a value"};
  return args[++i];
}

// "NO=TEXT" or "GROUP=K"
std::pair<std::string_view, std::string_view> SplitAssignment(std::string_view text) {
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos)
    throw UsageError{"expected NAME=VALUE, got " + std::string(text)};
  return {text.substr(0, eq), text.substr(eq + 1)};
}

int ParseWhole(std::string_view text, int low, int high, std::string_view what) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UsageError{std::string(what) + " must be a whole number " + std::to_string(low) + ".." +
                     std::to_string(high) + ", got " + std::string(text)};
  return value;
}

}  // namespace

int ListCommand(const Arguments& args) {
  if (!args.empty()) throw UsageError{"list takes no options"};
  for (const TaskKind& kind : kTaskCatalog)
    std::cout << kind.Number << '\t' << kind.Caption << '\n';
  return kExitSuccess;
}

std::uint32_t RunSeed(const std::optional<std::uint32_t>& given) {
  return given ? *given : sets::ClockSeed();
}

int SaveSet(const std::filesystem::path& file, const sets::WorksheetSet& set) {
  try {
    sets::WriteSetFile(file, set);
    return kExitSuccess;
  } catch (const IoError& e) {
    std::cerr << "mathsheets-cli: " << file.string() << ": " << e.BoxText() << '\n';
    return kExitIoError;
  }
}

int RunMainSelection(MainSelection& selection, Pcg32& random, std::uint32_t seed,
                     const std::filesystem::path& dir, SheetDocuments documents,
                     const sheet::PrintLayout& layout) {
  random.Seed(seed);
  try {
    RunControl control(std::cerr, isatty(STDERR_FILENO) == 1);
    const RunResult result =
        RunMainWorksheet(selection, dir, CurrentLocalDateTime(), control.Hook());
    return FinishRun(control, result, documents, layout);
  } catch (const IoError& e) {
    std::cerr << e.BoxText() << '\n';
    return kExitIoError;
  }
}

int MainCommand(const Arguments& args) {
  Pcg32 random;
  MainModule module(random);
  MainSelection selection(module);
  std::filesystem::path dir = ".";
  std::optional<std::uint32_t> seed;
  std::optional<std::filesystem::path> saveSet;
  SheetDocuments documents;
  sheet::PrintLayout layout;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (option == "--dir") {
      dir = std::filesystem::path(std::string(NextValue(args, i)));
    } else if (option == "--seed") {
      const std::string_view text = NextValue(args, i);
      seed = ParseSeed(text);
      if (!seed)
        throw UsageError{"--seed takes a whole number 0..4294967295, got " + std::string(text)};
    } else if (option == "--save-set") {
      saveSet = std::filesystem::path(std::string(NextValue(args, i)));
    } else if (option == "--variants") {
      selection.VariantsChange(NextValue(args, i));
    } else if (option == "--count") {
      const auto [number, text] = SplitAssignment(NextValue(args, i));
      const int type = ParseWhole(number, 1, kTaskKindCount, "the type number");
      if (FindTaskGenerator(type) == nullptr) {
        std::cerr << "mathsheets-cli: type " << type << " (" << TaskKindByNumber(type).Caption
                  << ") has no generator yet\n";
        return kExitUsage;
      }
      selection.CheckBoxClick(type);
      selection.CountBoxChange(type, text);
    } else if (option == "--level") {
      const auto [name, k] = SplitAssignment(NextValue(args, i));
      const auto group = OptionGroupByName(name);
      if (!group) throw UsageError{"unknown radio group " + std::string(name)};
      const auto& info = kOptionGroups[static_cast<std::size_t>(*group)];
      selection.RadioButtonClick(*group, ParseWhole(k, 1, info.buttons, "the radio button"));
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
    sets::WorksheetSet set = sets::MainSetOf(selection);
    set.seed = runSeed;
    set.layout = layout;
    if (const int code = SaveSet(*saveSet, set); code != kExitSuccess) return code;
  }
  return RunMainSelection(selection, random, runSeed, dir, documents, layout);
}

}  // namespace mathsheets::cli
