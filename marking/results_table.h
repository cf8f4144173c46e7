#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "marking/code_letters.h"
#include "sets/worksheet_set.h"

namespace mathsheets::marking {

// What codes are read against: the set's fingerprint, its variants and, for each, the printed
// numbers of its judged items in order.
struct SetKey {
  std::uint32_t fingerprint = 0;
  std::int64_t variants = 0;
  std::vector<std::vector<std::string>> judgedLabels;  // [variant - 1], for variants 1..1023
};

// Makes the set's sheets in memory (its first 1023 variants at most) and reads their keys.
SetKey SetKeyOf(const sets::WorksheetSet& set);

struct ResultRow {
  std::string className;  // as the table shows them: "5А", "Иванов Пётр"
  std::string name;
  int variant = 0;
  int right = 0;
  int total = 0;
  int mark = 0;                    // 5..2; 0 when the work had nothing the page judges
  std::vector<std::string> wrong;  // the printed numbers of the wrong items
  std::uint32_t minute = 0;
  std::string code;                        // as pasted
  std::vector<std::uint8_t> classLetters;  // for ordering
  std::vector<std::uint8_t> nameLetters;
};

struct RefusedCode {
  std::string code;
  std::string reason;  // in Russian: "код другого набора", "повреждён: ..."
};

struct ResultsTable {
  std::vector<ResultRow> rows;  // by class, then name, then variant
  std::vector<RefusedCode> refused;
  int repeated = 0;  // codes pasted again, counted once
  int replaced = 0;  // earlier codes of a pupil whose later check counts
};

// Every code in the pasted text judged against the set: a row for each pupil, by the latest of
// their checks (a pupil is their class and name; codes without a name each make a row), and the
// codes of another set or damaged ones apart with the reason.
ResultsTable ReadResults(const SetKey& key, const sets::MarkScale& marks, std::string_view pasted);

// The table as a spreadsheet opens it: UTF-8 with a byte-order mark, ";" between cells, CR LF
// after each row, the header "Класс;Фамилия, имя;Вариант;Верно;Из;Отметка;Ошибки", the wrong
// items joined by ", ".
std::string ResultsCsv(const ResultsTable& table);

inline constexpr std::string_view kResultsCsvHeader =
    "Класс;Фамилия, имя;Вариант;Верно;Из;Отметка;Ошибки";

}  // namespace mathsheets::marking
