// The print choices as the command line takes them ("--per-page 4 --title TEXT ..."), the
// words cut from the input at NUL bytes. The command line's reader agrees with the rule of its
// usage text, computed here on its own, UTF-8 included; the choices it accepts go into a set and
// come back the same, and a sheet with them, its title too, lays out on the paper.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "fuzz_support.h"
#include "sets/worksheet_set.h"
#include "sheet/print_layout.h"
#include "sheet/read_worksheet.h"

using namespace mathsheets;

namespace {

// Whether `text` is well-formed UTF-8 of at most 120 characters, none of them a control
// character (C0, DEL, C1, the line and paragraph separators): from the table of well-formed byte
// sequences, first byte by first byte.
bool IsTitle(std::string_view text) {
  struct Form {
    unsigned char first;
    unsigned char last;
    unsigned char secondFirst;
    unsigned char secondLast;
    int length;
  };
  static constexpr Form kForms[] = {{0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3},
                                    {0xE1, 0xEC, 0x80, 0xBF, 3}, {0xED, 0xED, 0x80, 0x9F, 3},
                                    {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
                                    {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4}};
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (byte(0) < 0x80) {
      if (byte(0) < 0x20 || byte(0) == 0x7F) return false;
      ++i;
      continue;
    }
    const Form* form = nullptr;
    for (const Form& f : kForms)
      if (byte(0) >= f.first && byte(0) <= f.last) form = &f;
    if (form == nullptr || i + static_cast<std::size_t>(form->length) > text.size()) return false;
    if (byte(1) < form->secondFirst || byte(1) > form->secondLast) return false;
    for (int k = 2; k < form->length; ++k)
      if (byte(static_cast<std::size_t>(k)) < 0x80 || byte(static_cast<std::size_t>(k)) > 0xBF)
        return false;
    // U+0080..U+009F are C2 80..C2 9F; U+2028 and U+2029 are E2 80 A8 and E2 80 A9.
    if (byte(0) == 0xC2 && byte(1) <= 0x9F) return false;
    if (byte(0) == 0xE2 && byte(1) == 0x80 && (byte(2) == 0xA8 || byte(2) == 0xA9)) return false;
    i += static_cast<std::size_t>(form->length);
  }
  return characters <= sheet::kTitleMaxCharacters;
}

template <typename Value>
std::optional<Value> Choice(std::string_view text,
                            std::initializer_list<std::pair<std::string_view, Value>> choices) {
  for (const auto& [name, value] : choices)
    if (name == text) return value;
  return std::nullopt;
}

// The layout the words give, or nothing when the command line must refuse them.
std::optional<sheet::PrintLayout> Expected(const cli::Arguments& args) {
  using sheet::ExerciseColumns;
  using sheet::VariantsPerPage;
  sheet::PrintLayout layout;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (option == "--large") {
      layout.largePrint = true;
    } else if (option == "--no-key") {
      layout.answerKey = false;
    } else if (option == "--per-page" || option == "--columns" || option == "--paper" ||
               option == "--title") {
      if (i + 1 == args.size()) return std::nullopt;
      const std::string_view value = args[++i];
      if (option == "--per-page") {
        const auto v = Choice<VariantsPerPage>(value, {{"auto", VariantsPerPage::Auto},
                                                       {"1", VariantsPerPage::One},
                                                       {"2", VariantsPerPage::Two},
                                                       {"4", VariantsPerPage::Four}});
        if (!v) return std::nullopt;
        layout.perPage = *v;
      } else if (option == "--columns") {
        const auto v = Choice<ExerciseColumns>(value, {{"auto", ExerciseColumns::Auto},
                                                       {"1", ExerciseColumns::One},
                                                       {"2", ExerciseColumns::Two},
                                                       {"3", ExerciseColumns::Three}});
        if (!v) return std::nullopt;
        layout.columns = *v;
      } else if (option == "--paper") {
        const auto v =
            Choice<sheet::Paper>(value, {{"a4", sheet::Paper::A4}, {"a5", sheet::Paper::A5}});
        if (!v) return std::nullopt;
        layout.paper = *v;
      } else {
        if (!IsTitle(value)) return std::nullopt;
        layout.title = std::string(value);
      }
    }
  }
  return layout;
}

// One variant of two exercises, the second with a fraction, read from its two files.
const sheet::Worksheet& SmallSheet() {
  static const sheet::Worksheet sheet =
      sheet::ReadWorksheet({"10.12.2026 17:09:42", "Вариант 1", "12+35=", " ", "  1     3",
                            "----- + ----- =", "  2     4"},
                           {"10.12.2026 17:09:42", "Вариант 1", "12+35=47", " ", "  1     3     5",
                            "----- + ----- = -----", "  2     4     4"});
  return sheet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  cli::Arguments args;
  for (std::size_t start = 0; start <= input.size();) {
    const std::size_t end = std::min(input.find('\0', start), input.size());
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  sheet::PrintLayout layout;
  bool refused = false;
  try {
    for (std::size_t i = 0; i < args.size(); ++i) cli::ParsePrintOption(args, i, layout);
  } catch (const cli::UsageError& e) {
    fuzz::Check(!e.message.empty(), "a refusal without a reason");
    refused = true;
  }
  const std::optional<sheet::PrintLayout> expected = Expected(args);
  fuzz::Check(refused == !expected.has_value(), refused ? "the command line refuses good choices"
                                                        : "the command line takes bad ones");
  if (refused) return 0;
  fuzz::Check(layout == *expected, "the command line reads other choices than it was given");

  sets::WorksheetSet set;
  set.layout = layout;
  const sets::SetParseResult back = sets::TryParseSet(sets::FormatSet(set));
  fuzz::Check(back.ok && back.set.layout == layout, "a set does not keep the choices");
  fuzz::CheckLaysOut(SmallSheet(), layout, 64);
  return 0;
}
