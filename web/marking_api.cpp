// What the pupils' page, the "Работа для учеников…" dialog and the "Результаты" tab call in the
// core. Texts cross as UTF-8; what a pupil or the address gives is only ever data here.
//
// The pupil's page (one work open at a time):
//
//   PupilOpen(setText) -> {error} | {variants, variant, reveal, marks: [five, four, three]}
//       Reads a pupil's link strictly: a set with mode=pupil and a seed, every item valid, else
//       {error: "why, in Russian"} and no work is open. Makes the set's sheets in memory (the
//       run its window would do with that seed). `variants` is how many the pupil may choose
//       from (1..variants, 1023 at most); `variant` the one the link fixes, or 0.
//   PupilOpenFiles(studentBytes, teacherBytes, setText) -> the same, the sheets read from the
//       run's files (Uint8Array, Windows-1251, as PrintPages takes them) instead of made again.
//   PupilItems(variant) -> [{index, label, judged, fields: [{kind, unit}]}] | {error}
//       Every exercise and word problem of the variant in print order. `index` is the item's
//       index in the variant's items (the layout's BlankOp::item), `label` its printed number
//       ("3" of "3)", the N of "Задание N": the inputs' data-item). `judged` false means
//       "проверит учитель": no fields. `kind` is "number", "fraction", "sign" or "roman";
//       `unit` a word to show after the field ("час", "см"), usually "". An item has one field
//       as a rule; parts of a whole, prime factors, numbers with units and the numbers of a word
//       problem's answer line have one a number, in the order the key prints them.
//   PupilCheck(variant, answers, name, className, unixMilliseconds) ->
//       {items: [{index, label, verdict, reason, answer, fields: [bool]}], right, total, mark,
//        code, codeError}
//       `answers` holds one array per item of PupilItems, one value per field: a string for a
//       number, a sign or a Roman numeral, {whole, num, den} (strings) for a fraction. `verdict`
//       is "right", "wrong" or "teacher"; `reason` "Сократите дробь", "Выделите целую часть" or
//       ""; `answer` the key as a pupil writes it, for reveal=1; `fields` which fields were right.
//       `mark` is 5..2 by the link's marks= (90,70,50 without it), 0 when nothing was judged.
//       `code` the result code for the teacher (64 characters at most for 40 items), "" with
//       `codeError` when the work cannot have one (more than 127 judged items).
//
// The teacher's side:
//
//   PupilLink(setText, reveal, five, four, three, variant) -> {link} | {error}
//       The pupils' fragment of a set: its own text with mode=pupil and the choices added
//       (variant 0: the pupil chooses).
//   ResultsOpen(setText) -> {caption, variants, marks} | {error}
//       The set the results are judged against: its sheets made once and kept.
//   ResultsRead(pastedText, five, four, three) -> JSON text
//       {rows: [{className, name, variant, right, total, mark, wrong, code}], refused:
//        [{code, reason}], repeated, replaced}: the table of the codes in any pasted text (JSON:
//       ten thousand rows cross as one string, not as ten thousand objects).
//   ResultsCsv() -> the CSV of the table last read, without its byte-order mark, which the
//       text decoder of the way to JavaScript drops: the page puts "\uFEFF" before it.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "marking/answer_key.h"
#include "marking/judge.h"
#include "marking/result_code.h"
#include "marking/results_table.h"
#include "marking/set_sheet.h"
#include "page_values.h"
#include "sets/worksheet_set.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::web {

namespace {

using emscripten::val;

struct PupilWork {
  sets::WorksheetSet set;
  sheet::Worksheet sheet;
  std::uint32_t fingerprint = 0;
  int variants = 0;
};

std::optional<PupilWork>& Work() {
  static std::optional<PupilWork> work;
  return work;
}

struct Results {
  std::string setText;
  marking::SetKey key;
  marking::ResultsTable table;  // of the last text read
};

std::optional<Results>& ResultsSet() {
  static std::optional<Results> results;
  return results;
}

val Error(const std::string& text) {
  val result = val::object();
  result.set("error", text);
  return result;
}

val MarksValue(const sets::MarkScale& marks) {
  val array = val::array();
  array.call<void>("push", marks.five);
  array.call<void>("push", marks.four);
  array.call<void>("push", marks.three);
  return array;
}

std::optional<sets::MarkScale> MarksOf(int five, int four, int three) {
  if (five > 100 || five <= four || four <= three || three < 0) return std::nullopt;
  return sets::MarkScale{five, four, three};
}

// The set of a pupil's link, checked as strictly as the page needs: {error} or nothing.
std::optional<std::string> PupilSetFault(const sets::SetParseResult& parsed, std::int64_t& count) {
  if (!parsed.ok) return "Ссылка на работу испорчена: " + parsed.error + ".";
  const sets::WorksheetSet& set = parsed.set;
  if (!set.pupil.on) return std::string("В ссылке нет mode=pupil: это не работа для учеников.");
  if (!set.seed)
    return std::string("В ссылке нет начального числа (seed=): без него листы не повторить.");
  count = std::min<std::int64_t>(marking::VariantCountOf(set), sets::kMaxPupilVariant);
  if (count < 1) return std::string("В наборе ссылки нет ни одного варианта (variants=).");
  if (set.pupil.variant && *set.pupil.variant > count)
    return "variant=" + std::to_string(*set.pupil.variant) + ": в наборе вариантов только " +
           std::to_string(count) + ".";
  return std::nullopt;
}

val OpenWork(const std::string& setText, const std::optional<sheet::Worksheet>& files) {
  Work().reset();
  const sets::SetParseResult parsed = sets::TryParseSet(setText);
  std::int64_t count = 0;
  if (const auto fault = PupilSetFault(parsed, count)) return Error(*fault);
  PupilWork work;
  work.set = parsed.set;
  work.sheet = files ? *files : marking::WorksheetOfSet(work.set, count);
  work.fingerprint = marking::SetFingerprint(work.set);
  work.variants = static_cast<int>(
      std::min<std::int64_t>(count, static_cast<std::int64_t>(work.sheet.variants.size())));
  if (work.variants < 1) return Error("В файлах работы нет ни одного варианта.");
  val result = val::object();
  result.set("variants", work.variants);
  result.set("variant", work.set.pupil.variant.value_or(0));
  result.set("reveal", work.set.pupil.reveal);
  result.set("marks", MarksValue(work.set.pupil.marks.value_or(sets::MarkScale{})));
  Work() = std::move(work);
  return result;
}

const sheet::Variant* VariantOf(int variant) {
  if (!Work() || variant < 1 || variant > Work()->variants) return nullptr;
  return &Work()->sheet.variants[static_cast<std::size_t>(variant - 1)];
}

std::string_view KindName(marking::FieldKind kind) {
  switch (kind) {
    case marking::FieldKind::Number:
      return "number";
    case marking::FieldKind::Fraction:
      return "fraction";
    case marking::FieldKind::Sign:
      return "sign";
    case marking::FieldKind::Roman:
      return "roman";
  }
  return "number";
}

std::string StringOf(const val& value) {
  return value.isString() ? value.as<std::string>() : std::string();
}

marking::TypedAnswer TypedOf(const val& field) {
  marking::TypedAnswer typed;
  if (field.isString()) {
    typed.text = field.as<std::string>();
  } else if (!field.isNull() && !field.isUndefined()) {
    typed.whole = StringOf(field["whole"]);
    typed.numerator = StringOf(field["num"]);
    typed.denominator = StringOf(field["den"]);
  }
  return typed;
}

std::string_view VerdictName(marking::Verdict verdict) {
  switch (verdict) {
    case marking::Verdict::Right:
      return "right";
    case marking::Verdict::Wrong:
      return "wrong";
    case marking::Verdict::Unjudged:
      return "teacher";
  }
  return "teacher";
}

void AppendJson(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4U];
      out += kHex[byte & 0xFU];
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

val PupilOpen(const std::string& setText) {
  return OpenWork(setText, std::nullopt);
}

val PupilOpenFiles(val student, val teacher, const std::string& setText) {
  return OpenWork(setText, WorksheetOf(student, teacher));
}

val PupilItems(int variantNumber) {
  const sheet::Variant* variant = VariantOf(variantNumber);
  if (variant == nullptr) return Error("Нет такого варианта.");
  val items = val::array();
  for (const marking::MarkedItem& marked : marking::MarkedItemsOf(*variant)) {
    val item = val::object();
    item.set("index", static_cast<double>(marked.index));
    item.set("label", marked.label);
    item.set("judged", marked.Judged());
    val fields = val::array();
    for (const marking::KeyField& key : marked.key.fields) {
      val field = val::object();
      field.set("kind", Text(KindName(key.kind)));
      field.set("unit", key.unit);
      fields.call<void>("push", field);
    }
    item.set("fields", fields);
    items.call<void>("push", item);
  }
  return items;
}

val PupilCheck(int variantNumber, val answers, const std::string& name,
               const std::string& className, double unixMilliseconds) {
  const sheet::Variant* variant = VariantOf(variantNumber);
  if (variant == nullptr) return Error("Нет такого варианта.");
  const std::vector<marking::MarkedItem> marked = marking::MarkedItemsOf(*variant);
  std::vector<std::vector<marking::TypedAnswer>> typed(marked.size());
  const auto count = answers["length"].as<std::size_t>();
  for (std::size_t i = 0; i < marked.size() && i < count; ++i) {
    const val fields = answers[i];
    const std::size_t n = fields.isArray() ? fields["length"].as<std::size_t>() : 0;
    for (std::size_t k = 0; k < n && k < marked[i].key.fields.size(); ++k)
      typed[i].push_back(TypedOf(fields[k]));
  }
  const marking::SheetCheck check = marking::CheckSheet(marked, typed);
  val items = val::array();
  for (std::size_t i = 0; i < marked.size(); ++i) {
    const marking::Judgement& judgement = check.items[i];
    val item = val::object();
    item.set("index", static_cast<double>(marked[i].index));
    item.set("label", marked[i].label);
    item.set("verdict", Text(VerdictName(judgement.verdict)));
    item.set("reason", judgement.reason);
    item.set("answer", judgement.answer);
    val fields = val::array();
    for (const bool right : judgement.fieldsRight) fields.call<void>("push", right);
    item.set("fields", fields);
    items.call<void>("push", item);
  }
  const PupilWork& work = *Work();
  val result = val::object();
  result.set("items", items);
  result.set("right", check.right);
  result.set("total", check.judged);
  result.set("mark", marking::MarkOf(check.right, check.judged,
                                     work.set.pupil.marks.value_or(sets::MarkScale{})));
  if (check.rightItems.size() > marking::kMaxCodeItems) {
    result.set("code", std::string());
    result.set("codeError", std::string("В работе больше 127 проверяемых заданий: код для "
                                        "учителя не помещается. Покажите учителю экран."));
  } else {
    result.set("code", marking::EncodeResultCode({work.fingerprint, variantNumber,
                                                  marking::CodeMinuteOf(unixMilliseconds),
                                                  className, name, check.rightItems}));
    result.set("codeError", std::string());
  }
  return result;
}

val PupilLink(const std::string& setText, bool reveal, int five, int four, int three, int variant) {
  sets::SetParseResult parsed = sets::TryParseSet(setText);
  if (!parsed.ok) return Error("Набор не прочитан: " + parsed.error + ".");
  sets::WorksheetSet& set = parsed.set;
  if (!set.seed)
    return Error(
        "У набора нет начального числа: сначала нажмите «Выполнить», и ссылка "
        "будет на те листы, что получились.");
  const auto marks = MarksOf(five, four, three);
  if (!marks)
    return Error(
        "Отметки: проценты от 0 до 100, для «5» больше, чем для «4», для «4» больше, "
        "чем для «3».");
  const std::int64_t count = marking::VariantCountOf(set);
  if (count < 1) return Error("В наборе нет ни одного варианта.");
  if (variant < 0 || variant > std::min<std::int64_t>(count, sets::kMaxPupilVariant))
    return Error("Вариант: от 1 до " +
                 std::to_string(std::min<std::int64_t>(count, sets::kMaxPupilVariant)) +
                 ", или пусто, чтобы ученик выбрал сам.");
  set.pupil = {};
  set.pupil.on = true;
  set.pupil.reveal = reveal;
  if (variant > 0) set.pupil.variant = variant;
  if (*marks != sets::MarkScale{}) set.pupil.marks = *marks;
  val result = val::object();
  result.set("link", sets::FormatSet(set));
  return result;
}

val ResultsOpen(const std::string& setText) {
  const sets::SetParseResult parsed = sets::TryParseSet(setText);
  if (!parsed.ok) return Error("Набор не прочитан: " + parsed.error + ".");
  if (!parsed.set.seed)
    return Error(
        "У набора нет начального числа: коды сверяют с листами, а какими они были, "
        "знает только набор с начальным числом.");
  if (!ResultsSet() || ResultsSet()->setText != setText)
    ResultsSet() = Results{setText, marking::SetKeyOf(parsed.set), {}};
  val result = val::object();
  sets::WorksheetSet shown = parsed.set;
  shown.pupil = {};
  result.set("caption", sets::FormatSet(shown));
  result.set("variants", static_cast<double>(ResultsSet()->key.variants));
  result.set("marks", MarksValue(parsed.set.pupil.marks.value_or(sets::MarkScale{})));
  return result;
}

std::string ResultsRead(const std::string& pasted, int five, int four, int three) {
  if (!ResultsSet()) return "{\"error\":\"no set\"}";
  ResultsSet()->table = marking::ReadResults(
      ResultsSet()->key, MarksOf(five, four, three).value_or(sets::MarkScale{}), pasted);
  const marking::ResultsTable& table = ResultsSet()->table;
  std::string json = "{\"rows\":[";
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const marking::ResultRow& row = table.rows[i];
    std::string wrong;
    for (const std::string& label : row.wrong) wrong += (wrong.empty() ? "" : ", ") + label;
    json += i == 0 ? "{" : ",{";
    json += "\"className\":";
    AppendJson(json, row.className);
    json += ",\"name\":";
    AppendJson(json, row.name);
    json += ",\"variant\":" + std::to_string(row.variant) +
            ",\"right\":" + std::to_string(row.right) + ",\"total\":" + std::to_string(row.total) +
            ",\"mark\":" + std::to_string(row.mark) + ",\"wrong\":";
    AppendJson(json, wrong);
    json += ",\"code\":";
    AppendJson(json, row.code);
    json += "}";
  }
  json += "],\"refused\":[";
  for (std::size_t i = 0; i < table.refused.size(); ++i) {
    json += i == 0 ? "{\"code\":" : ",{\"code\":";
    AppendJson(json, table.refused[i].code);
    json += ",\"reason\":";
    AppendJson(json, table.refused[i].reason);
    json += "}";
  }
  json += "],\"repeated\":" + std::to_string(table.repeated) +
          ",\"replaced\":" + std::to_string(table.replaced) + "}";
  return json;
}

std::string ResultsCsv() {
  if (!ResultsSet()) return {};
  // A string that starts with a byte-order mark loses it on its way to JavaScript.
  return marking::ResultsCsv(ResultsSet()->table).substr(3);
}

EMSCRIPTEN_BINDINGS(marking) {
  emscripten::function("PupilOpen", &PupilOpen);
  emscripten::function("PupilOpenFiles", &PupilOpenFiles);
  emscripten::function("PupilItems", &PupilItems);
  emscripten::function("PupilCheck", &PupilCheck);
  emscripten::function("PupilLink", &PupilLink);
  emscripten::function("ResultsOpen", &ResultsOpen);
  emscripten::function("ResultsRead", &ResultsRead);
  emscripten::function("ResultsCsv", &ResultsCsv);
}

}  // namespace mathsheets::web
