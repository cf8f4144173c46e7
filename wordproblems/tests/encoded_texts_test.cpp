#include "wordproblems/encoded_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mathsheets {
namespace {

// Thousands of texts, so the table grows several times, each asked for whole and by a prefix of
// the same memory: every answer is its own encoding, and answers given before a growth still hold.
TEST(EncodedTexts, EveryTextAndPrefixKeepsItsOwnEncodingThroughGrowth) {
  std::vector<std::string> texts;
  for (int i = 0; i < 5000; ++i) texts.push_back("Маша " + std::to_string(i) + " ёжиков");
  EncodedTexts cache;
  std::vector<std::string_view> first;
  for (const std::string& text : texts) first.push_back(cache.Of(text));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string_view text = texts[i];
    const std::string expected =
        "\xcc\xe0\xf8\xe0 " + std::to_string(i) + " \xb8\xe6\xe8\xea\xee\xe2";
    ASSERT_EQ(first[i], expected) << i;
    ASSERT_EQ(cache.Of(text).data(), first[i].data()) << "encoded again: " << i;
    ASSERT_EQ(cache.Of(text.substr(0, 8)), "\xcc\xe0\xf8\xe0") << i;
  }
  EXPECT_EQ(cache.Of({}), "");
}

}  // namespace
}  // namespace mathsheets
