#pragma once

// A set ("набор"): everything a teacher chose for one window's run, as one line of text that is
// both the browser edition's address fragment and the content of a *.mathsheet file:
//
//   main?seed=7&variants=3&count=1:5,44:2&level=gcd:2,fraction:1&wide=1
//   problems?seed=3&variants=2&select=Z1,B93&per-page=2&columns=auto&large=1&key=0&paper=a5
//     &title=%D0%A1%D0%B0%D0%BC%D0%BE%D1%81%D1%82%D0%BE%D1%8F%D1%82%D0%B5%D0%BB%D1%8C%D0%BD%D0%B0%D1%8F
//
// Values are URL-encoded (percent-encoding of UTF-8); texts are as typed into the boxes.
//
//   WorksheetSet set = ParseSet(text);   // throws SetError naming the first bad item
//   std::string text = FormatSet(set);   // ParseSet(FormatSet(set)) == set
//
// or, without exceptions, TryParseSet(text).ok / .set / .error. Standard library only, no threads:
// every front end (windows, command line, browser) reads and writes sets through these.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/print_layout.h"
#include "shell/main_selection.h"

namespace mathsheets::sets {

enum class SetKind { Main, Problems };

// A ticked type of the main window and the text of its count box ("count=NO:TEXT").
struct TypeCount {
  int type = 0;  // catalog number 1..115
  std::string text;
  friend bool operator==(const TypeCount&, const TypeCount&) = default;
};

// The clicked button of a radio group ("level=GROUP:K").
struct GroupLevel {
  OptionGroup group = OptionGroup::Gcd;
  int button = 0;  // 1..the group's buttons
  friend bool operator==(const GroupLevel&, const GroupLevel&) = default;
};

// The lowest percentages of right answers for the marks 5, 4 and 3 ("marks=90,70,50"); below the
// last, 2.
struct MarkScale {
  int five = 90;
  int four = 70;
  int three = 50;
  friend bool operator==(const MarkScale&, const MarkScale&) = default;
};

// The highest variant a pupil's link may fix: what a result code carries.
inline constexpr int kMaxPupilVariant = 1023;

// The pupils' page of the browser edition ("mode=pupil&variant=3&reveal=1&marks=90,70,50"):
// pupils solve the set's sheet on screen, in the variant the link fixes or the one they choose,
// the right answers shown after checking with `reveal`, marked by `marks`.
struct PupilMode {
  bool on = false;
  std::optional<int> variant;  // 1..kMaxPupilVariant
  bool reveal = false;
  std::optional<MarkScale> marks;
  friend bool operator==(const PupilMode&, const PupilMode&) = default;
};

struct WorksheetSet {
  SetKind kind = SetKind::Main;
  // The seed of the run; a set without one runs from a seed drawn from the clock.
  std::optional<std::uint32_t> seed;
  std::string variants;  // the variants box
  // Main sets: the ticked types in catalog order, the radio groups clicked in the window's order,
  // and WidePrimes ("wide=1"), which typing into the count box of type 57 sets as well.
  std::vector<TypeCount> counts;
  std::vector<GroupLevel> levels;
  bool widePrimes = false;
  // Problem sets: the Index of each ticked problem, ascending ("select=Z1,B93").
  std::vector<int> problems;
  sheet::PrintLayout layout;
  PupilMode pupil;

  friend bool operator==(const WorksheetSet&, const WorksheetSet&) = default;
};

// A text that is not a set. what() names the first bad item: "unknown key \"colour\"",
// "\"count=116:2\": no exercise type 116", "not a set: ...".
class SetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a set; an optional leading '#' (a copied address fragment) is passed over. Lists come
// back in their canonical order; a type, group or problem named twice is an error.
WorksheetSet ParseSet(std::string_view text);

// The canonical text: the seed and variants always, the other items only when not empty or not
// the default, keys in the order of the examples above.
std::string FormatSet(const WorksheetSet& set);

struct SetParseResult {
  bool ok = false;
  WorksheetSet set;
  std::string error;  // SetError::what() when !ok
};
SetParseResult TryParseSet(std::string_view text);

// Percent-encoding of every byte but A-Z a-z 0-9 - _ . ~, and its reverse for a value of a set.
std::string PercentEncode(std::string_view text);

// A seed for a run that has none, from the clock.
std::uint32_t ClockSeed();

}  // namespace mathsheets::sets
