#include "wordproblems/problem_catalog.h"

#include <array>
#include <stdexcept>
#include <string>

#include "wordproblems/b_children_problems.h"
#include "wordproblems/b_place_problems.h"
#include "wordproblems/s_problems.h"
#include "wordproblems/z_problems.h"

namespace mathsheets {

namespace {

// "Z1".."Z60", "S1".."S38", "B1".."B132": a letter and the number within the family.
struct CaptionText {
  std::array<char, 5> text{};
  std::size_t size = 0;
};

constexpr CaptionText MakeCaption(char letter, int number) {
  CaptionText caption;
  caption.text[caption.size++] = letter;
  char digits[3] = {};
  int count = 0;
  for (; number > 0; number /= 10) digits[count++] = static_cast<char>('0' + number % 10);
  while (count > 0) caption.text[caption.size++] = digits[--count];
  return caption;
}

constexpr int kFirstS = kZProblemCount + 1;
constexpr int kFirstB = kZProblemCount + kSProblemCount + 1;

constexpr std::array<CaptionText, kWordProblemCount> MakeCaptions() {
  std::array<CaptionText, kWordProblemCount> captions{};
  for (int index = 1; index <= kWordProblemCount; ++index) {
    const auto at = static_cast<std::size_t>(index - 1);
    if (index < kFirstS)
      captions[at] = MakeCaption('Z', index);
    else if (index < kFirstB)
      captions[at] = MakeCaption('S', index - kFirstS + 1);
    else
      captions[at] = MakeCaption('B', index - kFirstB + 1);
  }
  return captions;
}

constexpr auto kCaptions = MakeCaptions();

using Catalog = std::array<TWordProblem, kWordProblemCount>;

Catalog BuildCatalog() {
  Catalog catalog{};
  for (int index = 1; index <= kWordProblemCount; ++index) {
    const CaptionText& caption = kCaptions[static_cast<std::size_t>(index - 1)];
    catalog[static_cast<std::size_t>(index - 1)] = {
        index, std::string_view(caption.text.data(), caption.size), nullptr};
  }
  for (auto family : {ZStoryProblems(), ZPerimeterProblems(), ZAreaProblems(), ZSolidProblems(),
                      SProblems(), BChildrenProblems(), BPlaceAndFigureProblems()})
    for (const ProblemBinding& b : family)
      catalog.at(static_cast<std::size_t>(b.index - 1)).Generator = b.generator;
  return catalog;
}

}  // namespace

std::span<const TWordProblem> WordProblemCatalog() {
  static const Catalog catalog = BuildCatalog();
  return catalog;
}

const TWordProblem& WordProblemByIndex(int index) {
  if (index < 1 || index > kWordProblemCount)
    throw std::out_of_range("no word problem " + std::to_string(index));
  return WordProblemCatalog()[static_cast<std::size_t>(index - 1)];
}

std::optional<int> WordProblemIndexByCaption(std::string_view caption) {
  for (const TWordProblem& problem : WordProblemCatalog())
    if (problem.Caption == caption) return problem.Index;
  return std::nullopt;
}

}  // namespace mathsheets
