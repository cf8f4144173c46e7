#include <string>

#include "commands.h"

namespace mathsheets::cli {

namespace {

std::string_view ValueOf(const Arguments& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{std::string(args[i]) + " needs a value"};
  return args[++i];
}

template <class Value>
Value Parsed(std::optional<Value> value, std::string_view option, std::string_view choices,
             std::string_view text) {
  if (!value)
    throw UsageError{std::string(option) + " takes " + std::string(choices) + ", got " +
                     std::string(text)};
  return *value;
}

}  // namespace

bool ParsePrintOption(const Arguments& args, std::size_t& i, sheet::PrintLayout& layout) {
  const std::string_view option = args[i];
  if (option == "--per-page") {
    const std::string_view text = ValueOf(args, i);
    layout.perPage = Parsed(sheet::ParseVariantsPerPage(text), option, "auto, 1, 2 or 4", text);
  } else if (option == "--columns") {
    const std::string_view text = ValueOf(args, i);
    layout.columns = Parsed(sheet::ParseExerciseColumns(text), option, "auto, 1, 2 or 3", text);
  } else if (option == "--paper") {
    const std::string_view text = ValueOf(args, i);
    layout.paper = Parsed(sheet::ParsePaper(text), option, "a4 or a5", text);
  } else if (option == "--title") {
    const std::string_view text = ValueOf(args, i);
    if (const auto fault = sheet::TitleFaultOf(text)) {
      switch (*fault) {
        case sheet::TitleFault::TooLong:
          throw UsageError{"--title takes at most 120 characters"};
        case sheet::TitleFault::ControlCharacter:
          throw UsageError{"--title takes no line breaks, tabs or other control characters"};
        case sheet::TitleFault::NotUtf8:
          break;
      }
      throw UsageError{"--title takes UTF-8 text"};
    }
    layout.title = std::string(text);
  } else if (option == "--large") {
    layout.largePrint = true;
  } else if (option == "--no-key") {
    layout.answerKey = false;
  } else {
    return false;
  }
  return true;
}

}  // namespace mathsheets::cli
