#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mathsheets {

// The web address of the catalog window, scrolling left one character a tick for 149 ticks after
// a grade button was pressed, then standing still.
class Marquee {
 public:
  // The text that scrolls: 35 blanks, then the address.
  explicit Marquee(std::string_view address);

  // A grade button was pressed: scroll (again) from where the text stands.
  void Start() { counter_ = 7; }
  // One tick of the timer; returns the text to show, or nothing when the marquee stands still.
  bool Tick();

  const std::string& shown() const { return shown_; }
  std::int32_t position() const { return position_; }
  std::int32_t counter() const { return counter_; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  std::string shown_;
  std::int32_t position_ = 1;
  std::int32_t counter_ = 0;
};

}  // namespace mathsheets
