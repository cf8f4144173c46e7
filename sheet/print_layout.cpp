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

std::optional<TitleFault> TitleFaultOf(std::string_view utf8) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      length = 1;
      code = lead;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
      code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3;
      code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4;
      code = lead & 0x07u;
    } else {
      return TitleFault::NotUtf8;
    }
    if (i + length > utf8.size()) return TitleFault::NotUtf8;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0u) != 0x80u) return TitleFault::NotUtf8;
      code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
      return TitleFault::NotUtf8;
    if (code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029)
      return TitleFault::ControlCharacter;
    ++characters;
    i += length;
  }
  if (characters > kTitleMaxCharacters) return TitleFault::TooLong;
  return std::nullopt;
}

std::string_view TitleFaultText(TitleFault fault) {
  switch (fault) {
    case TitleFault::TooLong:
      return "Заголовок длиннее 120 знаков";
    case TitleFault::ControlCharacter:
      return "В заголовке есть перевод строки, табуляция или другой управляющий знак";
    case TitleFault::NotUtf8:
      break;
  }
  return "Заголовок не в кодировке UTF-8";
}

}  // namespace mathsheets::sheet
