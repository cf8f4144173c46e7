#include "generators/roman.h"

namespace mathsheets {

namespace {

enum class RomanDirection { ToRoman, ToDecimal };

// The number is Random(span) + base.
struct RomanRow {
  int number;  // in the catalog
  RomanDirection direction;
  std::int32_t span;
  std::int32_t base;
};

constexpr std::array<RomanRow, 6> kRomanRows = {{
    {81, RomanDirection::ToRoman, 99, 1},         // 10->X (1)
    {82, RomanDirection::ToRoman, 899, 100},      // 10->X (2)
    {83, RomanDirection::ToRoman, 1999, 1000},    // 10->X (3)
    {84, RomanDirection::ToDecimal, 99, 1},       // X->10 (1)
    {85, RomanDirection::ToDecimal, 899, 100},    // X->10 (2)
    {86, RomanDirection::ToDecimal, 1999, 1000},  // X->10 (3)
}};

template <std::size_t Row>
void RomanExercise(MainModule& m, WorksheetFiles& files) {
  constexpr RomanRow row = kRomanRows[Row];
  const std::int32_t n = m.Random(row.span) + row.base;
  const std::string decimal = std::to_string(n);
  const std::string roman = RomanText(n);
  // The instruction is for the pupil; the teacher's file holds the answer line alone.
  if (row.direction == RomanDirection::ToRoman) {
    files.StudentFile.WriteLine("запишите римским числом");
    files.WriteBoth(decimal + "=", decimal + "=" + roman);
  } else {
    files.StudentFile.WriteLine("запишите десятичным числом");
    files.WriteBoth(roman + "=", roman + "=" + decimal);
  }
}

template <std::size_t... Rows>
constexpr std::array<GeneratorBinding, sizeof...(Rows)> Bindings(std::index_sequence<Rows...>) {
  return {{{kRomanRows[Rows].number, &RomanExercise<Rows>}...}};
}

constexpr auto kBindings = Bindings(std::make_index_sequence<kRomanRows.size()>());

}  // namespace

std::string RomanText(std::int32_t n) {
  if (n < 1 || n > 2999) return {};
  const auto units = static_cast<std::size_t>(n % 100);
  const auto hundreds = static_cast<std::size_t>(n / 100 % 10);
  const auto thousands = static_cast<std::size_t>(n / 1000);
  std::string text(thousands > 0 ? ThousandsPrefix[thousands][hundreds] : HundredsPrefix[hundreds]);
  text += RomanUnits[units];
  return text;
}

std::span<const GeneratorBinding> RomanGenerators() {
  return kBindings;
}

}  // namespace mathsheets
