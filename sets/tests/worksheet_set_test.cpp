#include "sets/worksheet_set.h"

#include <gtest/gtest.h>

namespace mathsheets::sets {
namespace {

TEST(SetText, ReadsAndWritesTheCanonicalText) {
  const struct {
    const char* text;
    const char* canonical;
  } kCases[] = {
      {"main?seed=7&variants=3&count=1:5,44:2&level=gcd:2",
       "main?seed=7&variants=3&count=1:5,44:2&level=gcd:2"},
      // Any order in, catalog and window order out; a copied fragment's '#' is passed over.
      {"#main?level=mixedmuldiv:3,gcd:5&count=44:2,1:5&variants=3&wide=1&seed=4294967295",
       "main?seed=4294967295&variants=3&count=1:5,44:2&level=gcd:5,mixedmuldiv:3&wide=1"},
      // Texts as typed: blanks, signs, commas, colons and Cyrillic are percent-encoded.
      {"main?variants=%202x&count=3:-1%2C5%3A,9:%D1%82%D1%80%D0%B8,10:",
       "main?variants=%202x&count=3:-1%2C5%3A,9:%D1%82%D1%80%D0%B8,10:"},
      {"main?variants=a+b!(c)", "main?variants=a%2Bb%21%28c%29"},
      {"main", "main?variants="},
      {"main?", "main?variants="},
      {"main?count=&level=&wide=0&large=0&key=1&per-page=auto&columns=auto&paper=a4",
       "main?variants="},
      {"problems?seed=3&variants=2&select=B93,Z1,S1",
       "problems?seed=3&variants=2&select=Z1,S1,B93"},
      {"problems?per-page=4&columns=3&large=1&key=0&paper=a5&variants=",
       "problems?variants=&per-page=4&columns=3&large=1&key=0&paper=a5"},
      {"main?per-page=1&columns=1", "main?variants=&per-page=1&columns=1"},
      // The teacher's title, Cyrillic, markup and signs percent-encoded; an empty one is none.
      {"main?title=%D0%A1%D0%A0%20%E2%84%963%20%3Cb%3E%26",
       "main?variants=&title=%D0%A1%D0%A0%20%E2%84%963%20%3Cb%3E%26"},
      {"main?title=", "main?variants="},
  };
  for (const auto& c : kCases) {
    const WorksheetSet set = ParseSet(c.text);
    EXPECT_EQ(FormatSet(set), c.canonical) << c.text;
    EXPECT_EQ(ParseSet(FormatSet(set)), set) << c.text;
  }
  const WorksheetSet set = ParseSet("main?variants=%202x&count=9:%D1%82%D1%80%D0%B8");
  EXPECT_EQ(set.variants, " 2x");
  EXPECT_EQ(set.counts, (std::vector<TypeCount>{{9, "три"}}));
  EXPECT_EQ(ParseSet("problems?select=B93").problems, std::vector<int>{99 + 92});
  EXPECT_FALSE(ParseSet("main").seed.has_value());
  EXPECT_EQ(ParseSet("main?title=%D0%A1%D0%A0%20%E2%84%963%20%3Cb%3E%26").layout.title,
            "СР №3 <b>&");
}

TEST(SetText, NamesTheFirstBadItem) {
  const struct {
    const char* text;
    const char* message;
  } kCases[] = {
      {"", "not a set: the text is empty"},
      {"mian?seed=1", "not a set: it begins with neither \"main?\" nor \"problems?\""},
      {"<html><body>", "not a set: it begins with neither"},
      {"main?seed=1\nvariants=2", "not a set: byte 12 is not URL-encoded text of one line"},
      {"main?variants=\xD1\x82", "not a set: byte 15"},
      {"main?seed=1&colour=red&seed=x", "\"colour=red\": unknown key \"colour\""},
      {"main?seed=1&seed=2", "\"seed=2\": \"seed\" is given twice"},
      {"main?seed=4294967296", "\"seed=4294967296\": the seed is a whole number 0..4294967295"},
      {"main?seed=-1", "the seed is a whole number"},
      {"main?seed=", "the seed is a whole number"},
      {"main?seed=7&vari", "\"vari\": cut short or mistyped: each item is KEY=VALUE"},
      {"main?seed=7&", "an empty item"},
      {"main?count=1:5,4",
       "\"count=1:5,4\": cut short or mistyped: each item of the list is NO:TEXT"},
      {"main?count=116:2", "\"count=116:2\": no exercise type 116"},
      {"main?count=0:2", "no exercise type 0"},
      {"main?count=x:2", "no exercise type x"},
      {"main?count=5:1,5:2", "type 5 is named twice"},
      {"main?variants=%2",
       "\"variants=%2\": cut short: a percent sign stands before two hex digits"},
      {"main?variants=%zz", "a percent sign stands before two hex digits"},
      {"main?variants=%FF", "the text is not UTF-8"},
      {"main?variants=%C0%AF", "the text is not UTF-8"},
      {"main?level=speed:2", "\"level=speed:2\": no level group speed"},
      {"main?level=gcd:6", "gcd has buttons 1..5, not 6"},
      {"main?level=muldiv:0", "muldiv has buttons 1..3, not 0"},
      {"main?level=gcd", "each item of the list is GROUP:K"},
      {"main?level=gcd:1,gcd:2", "gcd is named twice"},
      {"main?wide=yes", "\"wide=yes\": wide is 0 or 1"},
      {"main?title=a%0Ab", "\"title=a%0Ab\": the title holds a line break"},
      {"main?title=%FF", "the text is not UTF-8"},
      {"main?select=Z1", "\"select=Z1\": a main set has no select"},
      {"problems?count=1:2", "a problems set has no count"},
      {"problems?select=Z61", "\"select=Z61\": no word problem Z61"},
      {"problems?select=Z1,,Z2", "no word problem "},
      {"problems?select=Z1,Z1", "Z1 is named twice"},
      {"problems?per-page=3", "\"per-page=3\": per-page is auto, 1, 2 or 4"},
      {"problems?columns=4", "columns is auto, 1, 2 or 3"},
      {"problems?paper=letter", "paper is a4 or a5"},
      {"problems?large=2", "large is 0 or 1"},
      {"problems?key=no", "key is 0 or 1"},
  };
  for (const auto& c : kCases) {
    const SetParseResult result = TryParseSet(c.text);
    EXPECT_FALSE(result.ok) << c.text;
    EXPECT_NE(result.error.find(c.message), std::string::npos)
        << c.text << " gave " << result.error;
  }
  EXPECT_THROW(ParseSet("main?wide=2"), SetError);
  // A long item is quoted short.
  const std::string longItem = "main?variants=" + std::string(1000, 'a') + "%";
  EXPECT_LT(TryParseSet(longItem).error.size(), 200U);
  // A title counts characters, not bytes: 120 Cyrillic letters are a title, 121 are not.
  std::string letters;
  for (int i = 0; i < 120; ++i) letters += "%D0%96";
  EXPECT_EQ(ParseSet("main?title=" + letters).layout.title.size(), 240U);
  EXPECT_NE(TryParseSet("main?title=" + letters + "x").error.find("longer than 120"),
            std::string::npos);
}

// A pupil's link: the set's own text with the pupil's items after it, read back the same.
TEST(SetText, ReadsAndWritesThePupilsMode) {
  const WorksheetSet set =
      ParseSet("main?marks=80,60,40&reveal=1&variant=1023&mode=pupil&seed=7&count=1:5");
  EXPECT_EQ(FormatSet(set),
            "main?seed=7&variants=&count=1:5&mode=pupil&variant=1023&reveal=1&marks=80,60,40");
  EXPECT_EQ(ParseSet(FormatSet(set)), set);
  EXPECT_EQ(set.pupil, (PupilMode{true, 1023, true, MarkScale{80, 60, 40}}));
  EXPECT_EQ(FormatSet(ParseSet("problems?reveal=0&marks=100,99,0")),
            "problems?variants=&marks=100,99,0");
  const struct {
    const char* text;
    const char* message;
  } kBad[] = {
      {"main?mode=teacher", "\"mode=teacher\": mode is pupil"},
      {"main?mode=", "mode is pupil"},
      {"main?variant=0", "\"variant=0\": variant is a whole number 1..1023"},
      {"main?variant=1024", "variant is a whole number 1..1023"},
      {"main?variant=2x", "variant is a whole number 1..1023"},
      {"main?reveal=yes", "reveal is 0 or 1"},
      {"main?marks=90,70", "\"marks=90,70\": marks are the percentages for 5, 4 and 3"},
      {"main?marks=90,90,50", "each lower than the one before"},
      {"main?marks=101,70,50", "marks are the percentages"},
      {"main?marks=90,70,50,30", "marks are the percentages"},
      {"main?marks=90,-70,50", "marks are the percentages"},
  };
  for (const auto& c : kBad) {
    const SetParseResult result = TryParseSet(c.text);
    EXPECT_FALSE(result.ok) << c.text;
    EXPECT_NE(result.error.find(c.message), std::string::npos)
        << c.text << " gave " << result.error;
  }
}

}  // namespace
}  // namespace mathsheets::sets
