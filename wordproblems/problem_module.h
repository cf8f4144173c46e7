#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "common/random.h"
#include "wordproblems/b_template.h"

namespace mathsheets {

inline constexpr int kWordProblemCount = 230;

// The primes 2..47, indexed 1..15 (index 0 is unused so draws can index directly).
inline constexpr std::array<std::int32_t, 16> SmallPrimes = {0,  2,  3,  5,  7,  11, 13, 17,
                                                             19, 23, 29, 31, 37, 41, 43, 47};

// One generated instance of a word problem: what a run writes to both files, the answer that only
// the teacher file gets, and what the window shows.
struct ProblemInstance {
  std::vector<std::string> fileLines;
  std::string answerLine;
  // The window's lines where they differ from fileLines; empty when it shows those. A run makes
  // hundreds of thousands of instances and shows none, so the usual case keeps no copy.
  std::vector<std::string> previewLines;
  // fileLines are in Windows-1251 already: a run's problems made from line templates.
  bool fileLinesEncoded = false;

  const std::vector<std::string>& Preview() const {
    return previewLines.empty() ? fileLines : previewLines;
  }
};

// Most problems show exactly what they write.
inline ProblemInstance SameLines(std::vector<std::string> lines, std::string answer) {
  return {std::move(lines), std::move(answer), {}, false};
}

// Which selector chooses the form of a noun after a count.
enum class NounRule { Standard, One4, Trim, Tail, TailKeep };

// Runs the selector of `rule` on `count` (a copy: the texts of the counts are taken before any
// cut) and returns `cls`, which it writes or, where the rule gives no class, leaves as it was.
std::int32_t SelectNounClass(NounRule rule, std::int32_t count, std::int32_t& cls);

// The form of class `cls` (1-based) among a noun's forms. Class 0, left when no selector has found
// a class yet, takes form 3, the genitive plural that also agrees with 0.
template <std::size_t N>
std::string_view NounForm(const std::array<std::string_view, N>& forms, std::int32_t cls) {
  if (cls < 1 || static_cast<std::size_t>(cls) > N) return forms[N < 3 ? N - 1 : 2];
  return forms[static_cast<std::size_t>(cls - 1)];
}

// The standard rule for a count of at least 1 (the Z and S families): forms[0] agrees with 1,
// forms[1] with 2..4, forms[2] with 0 and 5..20.
std::string_view NounFor(std::int32_t count, const std::array<std::string_view, 3>& forms);

// Everything the word-problem window keeps while the program runs: the selection, the current
// instance, the noun classes and the animation counter. Generators read and change it.
struct ProblemModule {
  explicit ProblemModule(RandomSource& source) : random(source) {}

  RandomSource& random;

  // Selected flags, indexed by Index - 1: 1 takes part in the run.
  std::array<std::int32_t, kWordProblemCount> Selected{};
  // The picture animation after a run; frames play from 5 on.
  std::int32_t AnimationStep = 0;

  // The instance the last generator call made.
  ProblemInstance instance;
  // Set during a run: problems made from line templates may render their lines in Windows-1251,
  // from templates encoded once.
  bool encodeFileLines = false;
  EncodedTexts encodedTexts;

  // The class variables of the noun-form selectors. They keep the last class written, so a count
  // that gives no class leaves the form of the call before.
  std::int32_t nounClass = 0;
  std::int32_t timesClass = 0;

  std::int32_t Random(std::int32_t n) { return random.Random(n); }
  std::int32_t Draw10(std::int32_t n, std::int32_t m) { return mathsheets::Draw10(random, n, m); }
};

// Makes m.instance a problem whose lines are `templates` rendered with fill, shown as they are
// written (in Windows-1251 during a run), with `answer`.
template <class Templates, class Fill>
void SetTemplateInstance(ProblemModule& m, const Templates& templates, Fill&& fill,
                         std::int32_t answer) {
  RenderTemplatesInto(templates, fill, m.instance.fileLines,
                      m.encodeFileLines ? &m.encodedTexts : nullptr);
  m.instance.fileLinesEncoded = m.encodeFileLines;
  m.instance.previewLines.clear();
  m.instance.answerLine = NumberText(answer);
}

}  // namespace mathsheets
