#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "marking/result_code.h"

namespace mathsheets::marking {

// A code found in pasted text, read.
struct FoundCode {
  std::string text;     // as it stands in the text, a line break after a dash taken out
  CodeReading reading;  // .code, or .error when it is damaged
};

// The result codes in any pasted text: a whole chat, with codes among words, next to quotes,
// brackets, commas and full stops, one on each line or several on one, a code broken after one of
// its dashes onto the next line. A run of Latin letters and digits (and dashes between them) is
// taken for a code when it has 16 or more of them and a digit; one that does not read as a code
// is listed with the reason. Words, links and numbers are passed over.
std::vector<FoundCode> FindCodes(std::string_view pasted);

}  // namespace mathsheets::marking
