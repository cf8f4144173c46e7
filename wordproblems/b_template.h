#pragma once

// Line templates of the B problems: literal text with named slots in braces, for example
// "У {X} {a} {N(a)}, а y {Y} {b}.". The texts themselves never hold a brace, so a slot needs no
// escaping. Each family decides what its slot names mean.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "common/number_text.h"
#include "wordproblems/encoded_texts.h"

namespace mathsheets {

// What a slot is filled with: a text of the program's tables (a name, a noun form), there for as
// long as the program runs, or a count written here; filling a slot makes no string.
class SlotText {
 public:
  SlotText(std::string_view text) : text_(text) {}
  SlotText(const char* text) : text_(text) {}
  explicit SlotText(std::int64_t count) : text_(), count_(count), isCount_(true) {}
  operator std::string_view() const { return isCount_ ? count_.view() : text_; }
  bool isCount() const { return isCount_; }

 private:
  std::string_view text_;
  NumberText count_{0};
  bool isCount_ = false;
};

// Calls slot(name) for every slot of `pattern`, left to right; false when a brace is unmatched.
template <class Slot>
constexpr bool ForEachSlot(std::string_view pattern, Slot&& slot) {
  // A plain scan: find_first_of with a set looks each character up in the set by memchr.
  const auto nextBrace = [&](std::size_t from) {
    while (from < pattern.size() && pattern[from] != '{' && pattern[from] != '}') ++from;
    return from;
  };
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t open = nextBrace(at);
    if (open == pattern.size()) return true;
    if (pattern[open] == '}') return false;
    const std::size_t close = nextBrace(open + 1);
    if (close == pattern.size() || pattern[close] == '{') return false;
    slot(pattern.substr(open + 1, close - open - 1));
    at = close + 1;
  }
  return true;
}

// True when the braces of `pattern` match and every slot is one of `names`; the tables of
// templates check themselves with it when they are compiled.
constexpr bool TemplateUsesOnly(std::string_view pattern, std::span<const std::string_view> names) {
  bool known = true;
  const bool matched = ForEachSlot(pattern, [&](std::string_view name) {
    bool found = false;
    for (std::string_view n : names) found = found || n == name;
    known = known && found;
  });
  return matched && known;
}

// Appends a slot's text, in Windows-1251 from `cache` when the line is encoded (`cache` given):
// a count is ASCII, a text of the tables is encoded once. Only a SlotText says that its text
// lies in the tables, so an encoded line takes no other.
template <class Filled>
void AppendSlotText(std::string& text, const Filled& filled, EncodedTexts* cache) {
  if constexpr (std::is_same_v<Filled, SlotText>) {
    if (cache != nullptr && !filled.isCount()) {
      text.append(cache->Of(filled));
      return;
    }
  } else {
    if (cache != nullptr) throw std::logic_error("an encoded line takes only slot texts");
  }
  text.append(std::string_view(filled));
}

// Makes `text` the text of `pattern` with every slot replaced by fill(name); the pattern is in
// Windows-1251 when `encoded` is given, and the slots' texts are encoded from it. fill is called
// once per slot in the order of the line, so that noun-form selectors run in the order the line
// shows the counts.
template <class Fill>
void RenderTemplateInto(std::string_view pattern, Fill&& fill, std::string& text,
                        EncodedTexts* encoded = nullptr) {
  text.clear();
  std::size_t literalFrom = 0;
  const bool matched = ForEachSlot(pattern, [&](std::string_view name) {
    const auto open = static_cast<std::size_t>(name.data() - pattern.data()) - 1;
    text.append(pattern.substr(literalFrom, open - literalFrom));
    const auto filled = fill(name);
    AppendSlotText(text, filled, encoded);
    literalFrom = open + name.size() + 2;
  });
  if (!matched) throw std::invalid_argument("unmatched brace in line template");
  text.append(pattern.substr(literalFrom));
}

template <class Fill>
std::string RenderTemplate(std::string_view pattern, Fill&& fill) {
  std::string text;
  RenderTemplateInto(pattern, fill, text);
  return text;
}

// Makes `lines` the lines of a problem: its templates up to the first empty one, each rendered
// with fill, in Windows-1251 from the templates of `encoded` when it is given. The strings already
// in `lines` are written over, not made anew: a run renders hundreds of thousands of problems into
// the same instance.
template <class Templates, class Fill>
void RenderTemplatesInto(const Templates& templates, Fill&& fill, std::vector<std::string>& lines,
                         EncodedTexts* encoded = nullptr) {
  std::size_t count = 0;
  for (std::string_view pattern : templates) {
    if (pattern.empty()) break;
    ++count;
  }
  lines.resize(count);
  auto line = lines.begin();
  for (std::string_view pattern : templates) {
    if (pattern.empty()) break;
    if (encoded == nullptr)
      RenderTemplateInto(pattern, fill, *line++);
    else
      RenderTemplateInto(encoded->Of(pattern), fill, *line++, encoded);
  }
}

}  // namespace mathsheets
