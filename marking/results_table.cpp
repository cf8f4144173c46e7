#include "marking/results_table.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "marking/answer_key.h"
#include "marking/judge.h"
#include "marking/pasted_codes.h"
#include "marking/result_code.h"
#include "marking/set_sheet.h"

namespace mathsheets::marking {

namespace {

// Classes in the order of their numbers: "5А" before "10Б".
std::pair<int, std::vector<std::uint8_t>> ClassOrder(const std::vector<std::uint8_t>& letters) {
  constexpr std::uint8_t kZero = 34;  // the digits' numbers in the code's letters
  int number = 0;
  std::size_t i = 0;
  while (i < letters.size() && letters[i] >= kZero && letters[i] < kZero + 10 && number < 1000)
    number = number * 10 + (letters[i++] - kZero);
  return {number, {letters.begin() + static_cast<std::ptrdiff_t>(i), letters.end()}};
}

std::string Cell(std::string_view text) {
  if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

SetKey SetKeyOf(const sets::WorksheetSet& set) {
  SetKey key;
  key.fingerprint = SetFingerprint(set);
  key.variants = VariantCountOf(set);
  const sheet::Worksheet sheet =
      WorksheetOfSet(set, std::min<std::int64_t>(key.variants, sets::kMaxPupilVariant));
  for (const sheet::Variant& variant : sheet.variants) {
    std::vector<std::string> labels;
    for (const MarkedItem& item : MarkedItemsOf(variant))
      if (item.Judged()) labels.push_back(item.label);
    key.judgedLabels.push_back(std::move(labels));
  }
  return key;
}

ResultsTable ReadResults(const SetKey& key, const sets::MarkScale& marks, std::string_view pasted) {
  ResultsTable table;
  std::unordered_set<std::string> seen;                     // canonical code texts
  std::unordered_map<std::string, std::size_t> rowOfPupil;  // class and name -> row
  for (FoundCode& found : FindCodes(pasted)) {
    const CodeReading& reading = found.reading;
    if (!reading.canonical.empty() && !seen.insert(reading.canonical).second) {
      ++table.repeated;
      continue;
    }
    if (!reading.code) {
      table.refused.push_back({found.text, reading.error});
      continue;
    }
    const ResultCode& code = *reading.code;
    if (code.set != key.fingerprint) {
      table.refused.push_back({found.text, "код другого набора"});
      continue;
    }
    const auto variant = static_cast<std::size_t>(code.variant);
    if (variant > key.judgedLabels.size()) {
      table.refused.push_back({found.text, "варианта " + std::to_string(code.variant) +
                                               " в наборе нет: вариантов " +
                                               std::to_string(key.variants)});
      continue;
    }
    const std::vector<std::string>& labels = key.judgedLabels[variant - 1];
    if (code.right.size() != labels.size()) {
      table.refused.push_back(
          {found.text, "в коде " + std::to_string(code.right.size()) + " заданий, а в варианте " +
                           std::to_string(code.variant) + " набора " +
                           std::to_string(labels.size()) + ": код другого набора"});
      continue;
    }
    ResultRow row;
    row.classLetters = reading.classLetters;
    row.nameLetters = reading.nameLetters;
    row.className = ClassForTable(reading.classLetters);
    row.name = NameForTable(reading.nameLetters);
    row.variant = code.variant;
    row.total = static_cast<int>(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      if (code.right[i])
        ++row.right;
      else
        row.wrong.push_back(labels[i]);
    }
    row.mark = MarkOf(row.right, row.total, marks);
    row.minute = code.minute;
    row.code = found.text;
    // A pupil without a name is no one to match: each such code is a row of its own.
    const std::string pupil =
        reading.nameLetters.empty() ? "#" + reading.canonical : code.className + "|" + code.name;
    const auto [slot, fresh] = rowOfPupil.emplace(pupil, table.rows.size());
    if (fresh) {
      table.rows.push_back(std::move(row));
    } else {
      ++table.replaced;
      ResultRow& earlier = table.rows[slot->second];
      if (row.minute >= earlier.minute) earlier = std::move(row);
    }
  }
  // Sorted through their keys, made once a row.
  std::vector<std::pair<std::pair<int, std::vector<std::uint8_t>>, std::size_t>> order;
  for (std::size_t i = 0; i < table.rows.size(); ++i)
    order.emplace_back(ClassOrder(table.rows[i].classLetters), i);
  std::stable_sort(order.begin(), order.end(), [&table](const auto& a, const auto& b) {
    const ResultRow& rowA = table.rows[a.second];
    const ResultRow& rowB = table.rows[b.second];
    return std::tie(a.first, rowA.nameLetters, rowA.variant) <
           std::tie(b.first, rowB.nameLetters, rowB.variant);
  });
  std::vector<ResultRow> sorted;
  sorted.reserve(table.rows.size());
  for (const auto& entry : order) sorted.push_back(std::move(table.rows[entry.second]));
  table.rows = std::move(sorted);
  return table;
}

std::string ResultsCsv(const ResultsTable& table) {
  std::string csv = "\xEF\xBB\xBF";
  csv.append(kResultsCsvHeader).append("\r\n");
  for (const ResultRow& row : table.rows) {
    std::string wrong;
    for (const std::string& label : row.wrong) wrong += (wrong.empty() ? "" : ", ") + label;
    csv += Cell(row.className) + ";" + Cell(row.name) + ";" + std::to_string(row.variant) + ";" +
           std::to_string(row.right) + ";" + std::to_string(row.total) + ";" +
           (row.mark == 0 ? std::string() : std::to_string(row.mark)) + ";" + Cell(wrong) + "\r\n";
  }
  return csv;
}

}  // namespace mathsheets::marking
