#include "windows/marquee.h"

namespace mathsheets {

namespace {
constexpr std::size_t kLeadingBlanks = 35;
constexpr std::int32_t kRunning = 6;     // the counter scrolls while above this
constexpr std::int32_t kLastTick = 155;  // after this the counter falls back to kStopped
constexpr std::int32_t kStopped = 5;
}  // namespace

Marquee::Marquee(std::string_view address) : text_(std::string(kLeadingBlanks, ' ')) {
  text_ += address;
}

bool Marquee::Tick() {
  bool moved = false;
  if (counter_ > kRunning) {
    ++position_;
    if (position_ > static_cast<std::int32_t>(text_.size())) position_ = 1;
    const auto cut = static_cast<std::size_t>(position_ - 1);
    shown_ = text_.substr(cut) + text_.substr(0, cut);
    moved = true;
    if (++counter_ > kLastTick) counter_ = kStopped;
  }
  // Once stopped, the next start scrolls from the unrotated text.
  if (counter_ == kStopped) position_ = 0;
  return moved;
}

}  // namespace mathsheets
