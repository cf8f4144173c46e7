// The two figures the pupils' mode promises: a sheet checked (keys read, answers judged, the code
// written) well under 50 ms, and 10,000 codes pasted among chat text read and tabled within a
// second. Each is the best of a few repetitions, since other programs share the machine.
//
//   mathsheets-marking-bench [CODES [REPETITIONS]]

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_arguments.h"
#include "common/random.h"
#include "marking/answer_key.h"
#include "marking/judge.h"
#include "marking/result_code.h"
#include "marking/results_table.h"
#include "marking/set_sheet.h"
#include "sets/worksheet_set.h"

namespace {

using namespace mathsheets;
using namespace mathsheets::marking;

constexpr std::string_view kUsage = "mathsheets-marking-bench [CODES [REPETITIONS]]";

// A test of 40 exercises of every kind of field, in 30 variants.
constexpr std::string_view kSet =
    "main?seed=2025&variants=30&count=1:4,13:3,24:2,26:2,44:3,46:3,50:3,55:3,58:2,59:2,60:2,63:2,"
    "67:3,69:2,74:2,81:2,89:2,106:3";

double BestSeconds(int repetitions, const std::function<void()>& action) {
  double best = 1e300;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = std::chrono::steady_clock::now();
    action();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

// What a pupil who knows every answer types: the keys' own texts.
std::vector<std::vector<TypedAnswer>> KeyAnswers(const std::vector<MarkedItem>& items) {
  std::vector<std::vector<TypedAnswer>> answers;
  for (const MarkedItem& item : items) {
    std::vector<TypedAnswer> fields;
    for (const KeyField& field : item.key.fields) {
      TypedAnswer typed{field.text, "", "", ""};
      if (field.kind == FieldKind::Fraction) {
        const std::size_t blank = field.text.find(' ');
        const std::size_t slash = field.text.find('/');
        const std::size_t from = blank == std::string::npos ? 0 : blank + 1;
        typed = {"", blank == std::string::npos ? "" : field.text.substr(0, blank),
                 field.text.substr(from, slash - from), field.text.substr(slash + 1)};
      }
      fields.push_back(typed);
    }
    answers.push_back(fields);
  }
  return answers;
}

}  // namespace

int main(int argc, char** argv) {
  const int codes = bench::PositiveArgument(argc, argv, 1, 10000, kUsage);
  const int repetitions = bench::PositiveArgument(argc, argv, 2, 5, kUsage);
  const sets::WorksheetSet set = sets::ParseSet(kSet);
  const sheet::Worksheet sheet = WorksheetOfSet(set, 30);
  const std::uint32_t fingerprint = SetFingerprint(set);

  // One check as the pupil's page does it, on the largest variant.
  const sheet::Variant& variant = sheet.variants.back();
  const auto answers = KeyAnswers(MarkedItemsOf(variant));
  std::string code;
  int judged = 0;
  int items = 0;
  const double check = BestSeconds(repetitions * 20, [&] {
    const std::vector<MarkedItem> marked = MarkedItemsOf(variant);
    const SheetCheck result = CheckSheet(marked, answers);
    code =
        EncodeResultCode({fingerprint, 30, 1000, "5А", "Константинопольская Е", result.rightItems});
    judged = result.judged;
    items = static_cast<int>(marked.size());
  });
  std::printf("check of a sheet: %d items, %d judged, %.3f ms (bound 50 ms); code %s (%zu chars)\n",
              items, judged, check * 1000, code.c_str(), code.size());

  // 10,000 codes of the 30 variants among chat lines, with quotes and punctuation round them.
  Pcg32 random(7);
  std::vector<std::size_t> judgedOf;
  for (const sheet::Variant& v : sheet.variants) {
    std::size_t count = 0;
    for (const MarkedItem& item : MarkedItemsOf(v)) count += item.Judged() ? 1U : 0U;
    judgedOf.push_back(count);
  }
  std::string chat;
  for (int i = 0; i < codes; ++i) {
    const int v = random.Random(30) + 1;
    std::vector<bool> right;
    for (std::size_t k = 0; k < judgedOf[static_cast<std::size_t>(v - 1)]; ++k)
      right.push_back(random.Random(5) != 0);
    const std::string number = std::to_string(i);
    std::string className = std::to_string(5 + i % 5);
    className += "А";
    std::string name = "Ученик Номер ";
    name += number;
    const std::string pupilCode = EncodeResultCode(
        {fingerprint, v, static_cast<std::uint32_t>(500000 + i), className, name, right});
    chat.append("[").append(std::to_string(i % 24)).append(":0").append(std::to_string(i % 10));
    chat.append("] Ученик ").append(number).append(": «").append(pupilCode);
    chat.append("», проверьте, пожалуйста.\n");
  }
  std::size_t rows = 0;
  std::size_t csvBytes = 0;
  SetKey key;
  const double keys = BestSeconds(repetitions, [&] { key = SetKeyOf(set); });
  std::printf("the keys of the set's 30 variants: %.3f s, once for a set\n", keys);
  const double read = BestSeconds(repetitions, [&] {
    const ResultsTable table = ReadResults(key, {}, chat);
    rows = table.rows.size();
    csvBytes = ResultsCsv(table).size();
  });
  std::printf("%d codes in %zu KB of chat: %zu rows, CSV %zu bytes, %.3f s (bound 1 s)\n", codes,
              chat.size() / 1024, rows, csvBytes, read);
  return rows == static_cast<std::size_t>(codes) ? 0 : 1;
}
