#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace mathsheets {

// An integer written in plain decimal ("-" for negative values) in a buffer of its own, so that
// putting a number into a line takes no string of its own and no allocation.
class NumberText {
 public:
  explicit NumberText(std::int64_t value) {
    size_ = static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr -
                                     digits_);
  }
  std::string_view view() const { return {digits_, size_}; }
  operator std::string_view() const { return view(); }

 private:
  char digits_[20];  // the longest is -9223372036854775808
  std::size_t size_;
};

// Appends `value` in plain decimal.
inline void AppendNumber(std::string& out, std::int64_t value) {
  out += NumberText(value).view();
}

}  // namespace mathsheets
