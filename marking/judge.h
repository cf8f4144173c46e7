#pragma once

#include <string>
#include <vector>

#include "marking/answer_key.h"
#include "sets/worksheet_set.h"
#include "sheet/worksheet_model.h"

namespace mathsheets::marking {

// What a pupil typed into one field: `text` for a number, a sign or a Roman numeral; the three
// parts of a fraction field. Anything may stand in them; nothing typed is run.
struct TypedAnswer {
  std::string text;
  std::string whole;
  std::string numerator;
  std::string denominator;
};

enum class Verdict {
  Right,
  Wrong,
  Unjudged,  // "проверит учитель": left out of the score
};

inline constexpr std::string_view kReduceReason = "Сократите дробь";
inline constexpr std::string_view kWholePartReason = "Выделите целую часть";

struct Judgement {
  Verdict verdict = Verdict::Unjudged;
  std::vector<bool> fieldsRight;  // one per field of the key
  // Why a right value is not right yet: kReduceReason or kWholePartReason; empty otherwise.
  std::string reason;
  // The key as a pupil writes it, the fields joined by "; " with their units: shown beside a
  // wrong answer when the teacher lets the page reveal them.
  std::string answer;
};

// An answer is right when its value is the key's, compared exactly (comma or point, blanks
// ignored, "2,60" is "2,6"), and its form is no less finished than the key's: a key in lowest
// terms wants lowest terms, a mixed key wants the whole part taken out; a key that is not reduced
// takes any equal fraction. Fields past the key's are ignored, missing ones are wrong.
Judgement Judge(const AnswerKey& key, const std::vector<TypedAnswer>& typed);
Judgement Judge(const sheet::Item& item, const std::vector<TypedAnswer>& typed);

// The answers of a whole variant, one list of fields per marked item.
struct SheetCheck {
  std::vector<Judgement> items;  // one per marked item
  int right = 0;
  int judged = 0;
  std::vector<bool> rightItems;  // the judged items in order: what the result code carries
};
SheetCheck CheckSheet(const std::vector<MarkedItem>& items,
                      const std::vector<std::vector<TypedAnswer>>& answers);

// 5, 4, 3 or 2 for `right` of `judged` by the percentages of `scale`; 0 when nothing was judged.
int MarkOf(int right, int judged, const sets::MarkScale& scale);

}  // namespace mathsheets::marking
