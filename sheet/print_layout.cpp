#include "sheet/print_layout.h"

#include <array>
#include <utility>

namespace mathsheets::sheet {

namespace {

template <typename Enum, std::size_t N>
using NameTable = std::array<std::pair<Enum, std::string_view>, N>;

constexpr NameTable<VariantsPerPage, 4> kPerPageNames = {{{VariantsPerPage::Auto, "auto"},
                                                          {VariantsPerPage::One, "1"},
                                                          {VariantsPerPage::Two, "2"},
                                                          {VariantsPerPage::Four, "4"}}};
constexpr NameTable<ExerciseColumns, 4> kColumnNames = {{{ExerciseColumns::Auto, "auto"},
                                                         {ExerciseColumns::One, "1"},
                                                         {ExerciseColumns::Two, "2"},
                                                         {ExerciseColumns::Three, "3"}}};
constexpr NameTable<Paper, 2> kPaperNames = {{{Paper::A4, "a4"}, {Paper::A5, "a5"}}};

template <typename Enum, std::size_t N>
std::string_view NameOf(const NameTable<Enum, N>& table, Enum value) {
  for (const auto& [entry, name] : table)
    if (entry == value) return name;
  return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> ValueOf(const NameTable<Enum, N>& table, std::string_view text) {
  for (const auto& [entry, name] : table)
    if (name == text) return entry;
  return std::nullopt;
}

}  // namespace

std::string_view VariantsPerPageName(VariantsPerPage value) {
  return NameOf(kPerPageNames, value);
}
std::string_view ExerciseColumnsName(ExerciseColumns value) {
  return NameOf(kColumnNames, value);
}
std::string_view PaperName(Paper value) {
  return NameOf(kPaperNames, value);
}

std::optional<VariantsPerPage> ParseVariantsPerPage(std::string_view text) {
  return ValueOf(kPerPageNames, text);
}
std::optional<ExerciseColumns> ParseExerciseColumns(std::string_view text) {
  return ValueOf(kColumnNames, text);
}
std::optional<Paper> ParsePaper(std::string_view text) {
  return ValueOf(kPaperNames, text);
}

}  // namespace mathsheets::sheet
