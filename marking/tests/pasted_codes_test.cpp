// Codes found in pasted text whatever stands before them, and a paste of any length read in
// linear time.
#include "marking/pasted_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace mathsheets::marking {
namespace {

TEST(PastedCodes, ACodeAfterAWordOrAPieceEndingInADashIsFound) {
  const std::string code =
      EncodeResultCode({0xABCDE, 3, 123456, "5А", "Иванов Пётр", {true, false, true}});
  // A line that ends in a dash before the code's line reads as the first piece of a code broken
  // there; when the two together are no code, the code is read alone.
  const std::string broken = code.substr(0, 12) + "\r\n";
  for (const std::string& before :
       {std::string("ok-\n"), std::string("Test- "), broken, std::string("1111111111111111-\n")}) {
    bool read = false;
    for (const FoundCode& found : FindCodes(before + code + "\n"))
      read = read || (found.text == code && found.reading.code);
    EXPECT_TRUE(read) << before;
  }
}

TEST(PastedCodes, ManyLinesEndingInADashAreReadInLinearTime) {
  // Each line would begin a code broken after its dash: read by joining every later line, this
  // took hours.
  std::string pasted;
  for (int i = 0; i < 100000; ++i) pasted += "a1-\n";
  for (const FoundCode& found : FindCodes(pasted)) EXPECT_FALSE(found.reading.code) << found.text;
}

}  // namespace
}  // namespace mathsheets::marking
