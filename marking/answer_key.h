#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "marking/exact_value.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::marking {

// The field a pupil types one part of an answer into.
enum class FieldKind {
  Number,    // whole numbers, decimals with a comma or a point, negatives, a period in brackets
  Fraction,  // a whole part, a numerator and a denominator
  Sign,      // <, > or =
  Roman,     // a Roman numeral
};

// One field of an item and what the key holds there.
struct KeyField {
  FieldKind kind = FieldKind::Number;
  Exact value;          // Number and Fraction
  bool mixed = false;   // Fraction: the key has its whole part taken out, and so must the answer
  bool lowest = false;  // Fraction: the key is in lowest terms, and so must the answer be
  std::string text;     // the key as a pupil writes it: "2,6", "1 8/27", "−4", "<", "LXXXIX"
  std::string unit;  // the word after this number in the key ("час", "см"): shown, not asked

  friend bool operator==(const KeyField&, const KeyField&) = default;
};

// What the core compares an item's answer with. Without fields the teacher checks the item
// ("проверит учитель"): an expression with letters, a table filled in, an answer in words.
struct AnswerKey {
  std::vector<KeyField> fields;
  bool anyOrder = false;  // prime factors, the two roots of |x| = a: any order is right

  friend bool operator==(const AnswerKey&, const AnswerKey&) = default;
};

// The key of an exercise or word problem, read from the answer the model found: a number, a
// fraction, a sign, a Roman numeral, or several numbers (parts of a whole, numbers with units,
// prime factors, the numbers of a word problem's answer line), a leading "x =" passed over. An
// exercise whose teacher's rows fill a letter of its list ("... 51 x" and "... 51 61 = 19") has
// the filled number as its key.
AnswerKey KeyOf(const sheet::Item& item);

// An exercise or word problem of a variant as the pupil's page shows and marks it.
struct MarkedItem {
  std::size_t index = 0;  // in the variant's items
  std::string label;      // its printed number: "3" of "3)", the N of "Задание N"
  AnswerKey key;

  bool Judged() const { return !key.fields.empty(); }
};

// The exercises and word problems of a variant in order, numbered as the printed sheet numbers
// them; text items are no exercises and are left out.
std::vector<MarkedItem> MarkedItemsOf(const sheet::Variant& variant);

// The value of a Roman numeral written the one usual way (uppercase, 1..3999); 0 for any other
// text.
int RomanValue(std::string_view text);

}  // namespace mathsheets::marking
