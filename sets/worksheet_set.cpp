#include "sets/worksheet_set.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "common/random.h"
#include "generators/registry.h"
#include "wordproblems/problem_catalog.h"

namespace mathsheets::sets {

namespace {

constexpr std::string_view kMainKind = "main";
constexpr std::string_view kProblemsKind = "problems";
constexpr std::size_t kQuotedItemLength = 60;

// An item as a message quotes it: at most 60 bytes, anything but printable ASCII as '?'.
std::string Quoted(std::string_view item) {
  std::string text = "\"";
  for (const char c : item.substr(0, kQuotedItemLength)) text += (c >= ' ' && c <= '~') ? c : '?';
  if (item.size() > kQuotedItemLength) text += "...";
  return text + "\"";
}

[[noreturn]] void Fail(std::string_view item, const std::string& why) {
  throw SetError(Quoted(item) + ": " + why);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07U;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0U) != 0x80U) return false;
      code = (code << 6U) | (next & 0x3FU);
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

// A value as it stands in the text, decoded; `item` is what an error names.
std::string Decoded(std::string_view raw, std::string_view item) {
  std::string text;
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '%') {
      text += raw[i];
      continue;
    }
    if (i + 2 >= raw.size()) Fail(item, "cut short: a percent sign stands before two hex digits");
    const int high = HexDigit(raw[i + 1]);
    const int low = HexDigit(raw[i + 2]);
    if (high < 0 || low < 0) Fail(item, "a percent sign stands before two hex digits");
    text += static_cast<char>(high * 16 + low);
    i += 2;
  }
  if (!IsUtf8(text)) Fail(item, "the text is not UTF-8");
  return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

// Decimal digits only, within low..high.
std::optional<std::uint64_t> Whole(std::string_view text, std::uint64_t low, std::uint64_t high) {
  if (text.empty() || text.size() > 19) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

// "NAME:VALUE" of a list item.
std::pair<std::string_view, std::string_view> NameAndValue(std::string_view part,
                                                           std::string_view item,
                                                           std::string_view form) {
  const std::size_t colon = part.find(':');
  if (colon == std::string_view::npos)
    Fail(item, "cut short or mistyped: each item of the list is " + std::string(form));
  return {part.substr(0, colon), part.substr(colon + 1)};
}

bool Flag(std::string_view value, std::string_view item, std::string_view key) {
  if (value == "1") return true;
  if (value == "0") return false;
  Fail(item, std::string(key) + " is 0 or 1");
}

void ReadCounts(std::string_view value, std::string_view item, WorksheetSet& set) {
  if (value.empty()) return;
  for (const std::string_view part : Split(value, ',')) {
    const auto [number, text] = NameAndValue(part, item, "NO:TEXT");
    const auto type = Whole(number, 1, kTaskKindCount);
    if (!type) Fail(item, "no exercise type " + Decoded(number, item));
    const int t = static_cast<int>(*type);
    if (FindTaskGenerator(t) == nullptr)
      Fail(item, "type " + std::to_string(t) + " has no generator yet");
    for (const TypeCount& c : set.counts)
      if (c.type == t) Fail(item, "type " + std::to_string(t) + " is named twice");
    set.counts.push_back({t, Decoded(text, item)});
  }
  std::sort(set.counts.begin(), set.counts.end(),
            [](const TypeCount& a, const TypeCount& b) { return a.type < b.type; });
}

void ReadLevels(std::string_view value, std::string_view item, WorksheetSet& set) {
  if (value.empty()) return;
  for (const std::string_view part : Split(value, ',')) {
    const auto [name, button] = NameAndValue(part, item, "GROUP:K");
    const auto group = OptionGroupByName(name);
    if (!group) Fail(item, "no level group " + Decoded(name, item));
    const OptionGroupInfo& info = kOptionGroups[static_cast<std::size_t>(*group)];
    const auto k = Whole(button, 1, static_cast<std::uint64_t>(info.buttons));
    if (!k)
      Fail(item, std::string(info.name) + " has buttons 1.." + std::to_string(info.buttons) +
                     ", not " + Decoded(button, item));
    for (const GroupLevel& l : set.levels)
      if (l.group == *group) Fail(item, std::string(info.name) + " is named twice");
    set.levels.push_back({*group, static_cast<int>(*k)});
  }
  std::sort(set.levels.begin(), set.levels.end(),
            [](const GroupLevel& a, const GroupLevel& b) { return a.group < b.group; });
}

void ReadProblems(std::string_view value, std::string_view item, WorksheetSet& set) {
  if (value.empty()) return;
  for (const std::string_view part : Split(value, ',')) {
    const std::string caption = Decoded(part, item);
    const auto index = WordProblemIndexByCaption(caption);
    if (!index) Fail(item, "no word problem " + caption);
    if (WordProblemByIndex(*index).Generator == nullptr)
      Fail(item, "word problem " + caption + " has no generator yet");
    if (std::find(set.problems.begin(), set.problems.end(), *index) != set.problems.end())
      Fail(item, caption + " is named twice");
    set.problems.push_back(*index);
  }
  std::sort(set.problems.begin(), set.problems.end());
}

// "marks=90,70,50": the percentages for 5, 4 and 3, each below the one before.
MarkScale ReadMarks(std::string_view value, std::string_view item) {
  const std::vector<std::string_view> parts = Split(value, ',');
  std::optional<std::uint64_t> percents[3];
  if (parts.size() == 3)
    for (std::size_t i = 0; i < 3; ++i) percents[i] = Whole(parts[i], 0, 100);
  if (!percents[0] || !percents[1] || !percents[2] || *percents[0] <= *percents[1] ||
      *percents[1] <= *percents[2])
    Fail(item, "marks are the percentages for 5, 4 and 3, each lower than the one before: "
               "90,70,50");
  return {static_cast<int>(*percents[0]), static_cast<int>(*percents[1]),
          static_cast<int>(*percents[2])};
}

void ReadItem(std::string_view key, std::string_view value, std::string_view item,
              WorksheetSet& set) {
  const bool main = set.kind == SetKind::Main;
  sheet::PrintLayout& layout = set.layout;
  if (key == "seed") {
    const auto seed = Whole(value, 0, 4294967295U);
    if (!seed) Fail(item, "the seed is a whole number 0..4294967295");
    set.seed = static_cast<std::uint32_t>(*seed);
  } else if (key == "variants") {
    set.variants = Decoded(value, item);
  } else if (key == "count" && main) {
    ReadCounts(value, item, set);
  } else if (key == "level" && main) {
    ReadLevels(value, item, set);
  } else if (key == "wide" && main) {
    set.widePrimes = Flag(value, item, key);
  } else if (key == "select" && !main) {
    ReadProblems(value, item, set);
  } else if (key == "per-page") {
    const auto perPage = sheet::ParseVariantsPerPage(value);
    if (!perPage) Fail(item, "per-page is auto, 1, 2 or 4");
    layout.perPage = *perPage;
  } else if (key == "columns") {
    const auto columns = sheet::ParseExerciseColumns(value);
    if (!columns) Fail(item, "columns is auto, 1, 2 or 3");
    layout.columns = *columns;
  } else if (key == "large") {
    layout.largePrint = Flag(value, item, key);
  } else if (key == "key") {
    layout.answerKey = Flag(value, item, key);
  } else if (key == "paper") {
    const auto paper = sheet::ParsePaper(value);
    if (!paper) Fail(item, "paper is a4 or a5");
    layout.paper = *paper;
  } else if (key == "title") {
    std::string title = Decoded(value, item);
    if (const auto fault = sheet::TitleFaultOf(title))
      Fail(item, *fault == sheet::TitleFault::TooLong ? "the title is longer than 120 characters"
                 : *fault == sheet::TitleFault::ControlCharacter
                     ? "the title holds a line break or another control character"
                     : "the title is not UTF-8 text");
    layout.title = std::move(title);
  } else if (key == "mode") {
    if (value != "pupil") Fail(item, "mode is pupil");
    set.pupil.on = true;
  } else if (key == "variant") {
    const auto variant = Whole(value, 1, kMaxPupilVariant);
    if (!variant) Fail(item, "variant is a whole number 1..1023");
    set.pupil.variant = static_cast<int>(*variant);
  } else if (key == "reveal") {
    set.pupil.reveal = Flag(value, item, key);
  } else if (key == "marks") {
    set.pupil.marks = ReadMarks(value, item);
  } else {
    const bool other = key == "count" || key == "level" || key == "wide" || key == "select";
    Fail(item, other ? "a " + std::string(main ? kMainKind : kProblemsKind) + " set has no " +
                           std::string(key)
                     : "unknown key " + Quoted(key));
  }
}

}  // namespace

WorksheetSet ParseSet(std::string_view text) {
  if (text.starts_with('#')) text.remove_prefix(1);
  if (text.empty()) throw SetError("not a set: the text is empty");
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c <= ' ' || c >= 0x7F)
      throw SetError("not a set: byte " + std::to_string(i + 1) +
                     " is not URL-encoded text of one line");
  }
  const std::size_t question = text.find('?');
  const std::string_view kind = text.substr(0, question);
  WorksheetSet set;
  if (kind == kMainKind) {
    set.kind = SetKind::Main;
  } else if (kind == kProblemsKind) {
    set.kind = SetKind::Problems;
  } else {
    throw SetError("not a set: it begins with neither \"main?\" nor \"problems?\"");
  }
  if (question == std::string_view::npos || question + 1 == text.size()) return set;
  std::vector<std::string_view> keys;
  for (const std::string_view item : Split(text.substr(question + 1), '&')) {
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) {
      if (item.empty()) throw SetError("an empty item (\"&&\" or a trailing \"&\")");
      Fail(item, "cut short or mistyped: each item is KEY=VALUE");
    }
    const std::string_view key = item.substr(0, equals);
    if (std::find(keys.begin(), keys.end(), key) != keys.end())
      Fail(item, Quoted(key) + " is given twice");
    keys.push_back(key);
    ReadItem(key, item.substr(equals + 1), item, set);
  }
  return set;
}

std::string PercentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '_' || c == '.' || c == '~') {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4U];
      encoded += kHex[byte & 0x0FU];
    }
  }
  return encoded;
}

namespace {

// "KEY:VALUE" after the items of a list, a comma between.
void AppendListItem(std::string& list, std::string_view key, std::string_view value) {
  if (!list.empty()) list += ',';
  list.append(key).append(":").append(value);
}

}  // namespace

std::string FormatSet(const WorksheetSet& set) {
  const bool main = set.kind == SetKind::Main;
  std::string text(main ? kMainKind : kProblemsKind);
  char separator = '?';
  const auto add = [&](std::string_view key, const std::string& value) {
    text += separator;
    text += key;
    text += '=';
    text += value;
    separator = '&';
  };
  if (set.seed) add("seed", std::to_string(*set.seed));
  add("variants", PercentEncode(set.variants));
  if (main) {
    std::string counts;
    for (const TypeCount& c : set.counts)
      AppendListItem(counts, std::to_string(c.type), PercentEncode(c.text));
    if (!set.counts.empty()) add("count", counts);
    std::string levels;
    for (const GroupLevel& l : set.levels)
      AppendListItem(levels, kOptionGroups[static_cast<std::size_t>(l.group)].name,
                     std::to_string(l.button));
    if (!set.levels.empty()) add("level", levels);
    if (set.widePrimes) add("wide", "1");
  } else {
    std::string captions;
    for (const int index : set.problems) {
      if (!captions.empty()) captions += ',';
      captions += PercentEncode(WordProblemByIndex(index).Caption);
    }
    if (!set.problems.empty()) add("select", captions);
  }
  const sheet::PrintLayout defaults;
  const sheet::PrintLayout& layout = set.layout;
  if (layout.perPage != defaults.perPage)
    add("per-page", std::string(sheet::VariantsPerPageName(layout.perPage)));
  if (layout.columns != defaults.columns)
    add("columns", std::string(sheet::ExerciseColumnsName(layout.columns)));
  if (layout.largePrint) add("large", "1");
  if (!layout.answerKey) add("key", "0");
  if (layout.paper != defaults.paper) add("paper", std::string(sheet::PaperName(layout.paper)));
  if (!layout.title.empty()) add("title", PercentEncode(layout.title));
  const PupilMode& pupil = set.pupil;
  if (pupil.on) add("mode", "pupil");
  if (pupil.variant) add("variant", std::to_string(*pupil.variant));
  if (pupil.reveal) add("reveal", "1");
  if (pupil.marks)
    add("marks", std::to_string(pupil.marks->five) + "," + std::to_string(pupil.marks->four) +
                     "," + std::to_string(pupil.marks->three));
  return text;
}

SetParseResult TryParseSet(std::string_view text) {
  SetParseResult result;
  try {
    result.set = ParseSet(text);
    result.ok = true;
  } catch (const SetError& e) {
    result.error = e.what();
  }
  return result;
}

std::uint32_t ClockSeed() {
  Pcg32 clock;
  clock.Randomize();
  return clock.Next();
}

}  // namespace mathsheets::sets
