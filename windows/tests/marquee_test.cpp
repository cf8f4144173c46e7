#include "windows/marquee.h"

#include <gtest/gtest.h>

namespace mathsheets {
namespace {

std::string Rotated(const std::string& text, std::size_t by) {
  return text.substr(by) + text.substr(0, by);
}

TEST(Marquee, TextIsThirtyFiveBlanksAndTheAddress) {
  const Marquee m("ab.cd");
  EXPECT_EQ(m.text(), std::string(35, ' ') + "ab.cd");
}

TEST(Marquee, NothingScrollsBeforeAGradeButton) {
  Marquee m("ab.cd");
  for (int i = 0; i < 500; ++i) EXPECT_FALSE(m.Tick());
  EXPECT_EQ(m.shown(), "");
}

TEST(Marquee, ScrollsOneCharacterATickFor149TicksThenStandsStill) {
  Marquee m("www.example.org");
  m.Start();
  std::string last;
  for (int tick = 1; tick <= 149; ++tick) {
    ASSERT_TRUE(m.Tick()) << tick;
    EXPECT_EQ(m.shown(), Rotated(m.text(), static_cast<std::size_t>(tick) % m.text().size()));
    last = m.shown();
  }
  for (int tick = 0; tick < 100; ++tick) EXPECT_FALSE(m.Tick());
  EXPECT_EQ(m.shown(), last);
}

TEST(Marquee, TheNextStartScrollsFromTheUnrotatedText) {
  Marquee m("ab");
  m.Start();
  for (int tick = 0; tick < 160; ++tick) m.Tick();
  m.Start();
  ASSERT_TRUE(m.Tick());
  EXPECT_EQ(m.shown(), m.text());
  ASSERT_TRUE(m.Tick());
  EXPECT_EQ(m.shown(), Rotated(m.text(), 1));
}

TEST(Marquee, PressingAgainWhileScrollingGoesOnFromWhereItWas) {
  Marquee m("abcdef");
  m.Start();
  for (int tick = 0; tick < 100; ++tick) m.Tick();
  const std::int32_t position = m.position();
  m.Start();
  ASSERT_TRUE(m.Tick());
  EXPECT_EQ(m.position(),
            position + 1 > static_cast<std::int32_t>(m.text().size()) ? 1 : position + 1);
  int more = 1;
  while (m.Tick()) ++more;
  EXPECT_EQ(more, 149);
}

TEST(Marquee, WrapsAroundTheEndOfTheText) {
  Marquee m("x");  // 36 characters
  m.Start();
  for (int tick = 0; tick < 36; ++tick) m.Tick();
  EXPECT_EQ(m.position(), 1);
  EXPECT_EQ(m.shown(), m.text());
}

}  // namespace
}  // namespace mathsheets
