#include "marking/result_code.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "marking/code_letters.h"

namespace mathsheets::marking {

namespace {

constexpr std::uint32_t kVersion = 1;
constexpr int kVersionBits = 5;
constexpr int kVariantBits = 10;
constexpr int kMinuteBits = 24;
constexpr int kCountBits = 7;
constexpr int kClassLengthBits = 3;
constexpr int kNameLengthBits = 5;
constexpr int kLetterBits = 6;
constexpr std::size_t kGroup = 5;

// The check: the characters' values weighted, data first with weights 33, 34, ..., then the two
// check characters with 32 and 1, sum to a multiple of the prime 1021. A single change of one
// value by d (0 < |d| < 32) moves the sum by a weight times d, a swap of neighbours a and b by the
// weights' difference times (a - b): never a multiple of 1021 for codes this short.
constexpr int kCheckPrime = 1021;
constexpr int kFirstWeight = 33;

// Of the first `count` values.
int WeightedSum(const std::vector<int>& values, std::size_t count) {
  long long sum = 0;
  for (std::size_t i = 0; i < count; ++i)
    sum += static_cast<long long>(values[i]) * (kFirstWeight + static_cast<long long>(i));
  return static_cast<int>(sum % kCheckPrime);
}

class BitWriter {
 public:
  void Put(std::uint64_t value, int bits) {
    for (int b = bits - 1; b >= 0; --b) bits_.push_back(((value >> b) & 1U) != 0);
  }
  // Five bits a character, the last padded with zeros.
  std::vector<int> Characters() const {
    std::vector<int> values;
    for (std::size_t i = 0; i < bits_.size(); i += 5) {
      int v = 0;
      for (std::size_t k = 0; k < 5; ++k)
        v = v * 2 + ((i + k < bits_.size() && bits_[i + k]) ? 1 : 0);
      values.push_back(v);
    }
    return values;
  }

 private:
  std::vector<bool> bits_;
};

// Reads the characters' five bits each, first bit first, without copying them.
class BitReader {
 public:
  BitReader(const std::vector<int>& values, std::size_t count)
      : values_(values), size_(count * 5) {}
  // Nothing once the bits run out.
  std::optional<std::uint32_t> Take(int bits) {
    if (at_ + static_cast<std::size_t>(bits) > size_) return std::nullopt;
    std::uint32_t value = 0;
    for (int b = 0; b < bits; ++b, ++at_)
      value = value * 2 + ((static_cast<unsigned>(values_[at_ / 5]) >> (4 - at_ % 5)) & 1U);
    return value;
  }
  // What is left is the last character's padding: fewer than five bits, all zero.
  bool OnlyPaddingLeft() {
    if (size_ - at_ >= 5) return false;
    return Take(static_cast<int>(size_ - at_)) == 0U;
  }

 private:
  const std::vector<int>& values_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

int CrockfordValue(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c == 'O') return 0;
  if (c == 'I' || c == 'L') return 1;
  const std::size_t at = kCrockfordDigits.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::uint32_t CodeMinuteOf(double unixMilliseconds) {
  if (!std::isfinite(unixMilliseconds)) return 0;
  const double minutes = std::floor((unixMilliseconds / 1000.0 - kCodeEpochSeconds) / 60.0);
  if (minutes <= 0) return 0;
  constexpr double kLast = (1U << kMinuteBits) - 1;
  return static_cast<std::uint32_t>(std::min(minutes, kLast));
}

std::string CodeMinuteText(std::uint32_t minute, int offsetMinutes) {
  const std::time_t seconds = static_cast<std::time_t>(
      kCodeEpochSeconds + (static_cast<std::int64_t>(minute) + offsetMinutes) * 60);
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char text[64];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", parts.tm_mday, parts.tm_mon + 1,
                parts.tm_year + 1900, parts.tm_hour, parts.tm_min);
  return text;
}

std::string EncodeResultCode(const ResultCode& code) {
  std::vector<std::uint8_t> classLetters;
  std::vector<std::uint8_t> nameLetters;
  CodeLettersOf(code.className, kMaxClassLetters, &classLetters);
  CodeLettersOf(code.name, kMaxCodeLetters - classLetters.size(), &nameLetters);
  BitWriter bits;
  bits.Put(kVersion, kVersionBits);
  bits.Put(code.set & ((1U << kFingerprintBits) - 1), kFingerprintBits);
  bits.Put(static_cast<std::uint32_t>(std::clamp(code.variant, 0, (1 << kVariantBits) - 1)),
           kVariantBits);
  bits.Put(std::min<std::uint32_t>(code.minute, (1U << kMinuteBits) - 1), kMinuteBits);
  const std::size_t items = std::min(code.right.size(), kMaxCodeItems);
  bits.Put(items, kCountBits);
  for (std::size_t i = 0; i < items; ++i) bits.Put(code.right[i] ? 1 : 0, 1);
  bits.Put(classLetters.size(), kClassLengthBits);
  bits.Put(nameLetters.size(), kNameLengthBits);
  for (const std::uint8_t k : classLetters) bits.Put(k, kLetterBits);
  for (const std::uint8_t k : nameLetters) bits.Put(k, kLetterBits);
  std::vector<int> values = bits.Characters();
  // 32 * high + low = -sum (mod 1021): high and low take the weights 32 and 1.
  const int check = (kCheckPrime - WeightedSum(values, values.size())) % kCheckPrime;
  values.push_back(check / 32);
  values.push_back(check % 32);
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0 && i % kGroup == 0) text += '-';
    text += kCrockfordDigits[static_cast<std::size_t>(values[i])];
  }
  return text;
}

CodeReading DecodeResultCode(std::string_view text) {
  CodeReading reading;
  std::vector<int> values;
  // Dashes, when there are any, part groups of five: one that stands elsewhere is a character
  // mistyped as a dash, or a dash mistyped as a character, or a dash and its neighbour swapped.
  const bool grouped = text.find('-') != std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '-') {
      const bool last = i + 1 == text.size();
      if (values.empty() || values.size() % kGroup != 0 || last || text[i + 1] == '-') {
        reading.error = "повреждён: знаки «-» стоят не через пять знаков";
        return reading;
      }
      continue;
    }
    if (grouped && !values.empty() && values.size() % kGroup == 0 && text[i - 1] != '-') {
      reading.error = "повреждён: знаки «-» стоят не через пять знаков";
      return reading;
    }
    const int v = CrockfordValue(c);
    if (v < 0) {
      reading.error = (c == 'U' || c == 'u') ? "повреждён: буквы U в кодах нет"
                                             : "повреждён: в коде лишний знак";
      return reading;
    }
    values.push_back(v);
    reading.canonical += kCrockfordDigits[static_cast<std::size_t>(v)];
  }
  if (values.size() < 3) {
    reading.error = "повреждён: код слишком короткий";
    return reading;
  }
  const std::size_t data = values.size() - 2;
  const int sum = (WeightedSum(values, data) + 32 * values[data] + values[data + 1]) % kCheckPrime;
  if (sum != 0) {
    reading.error = "повреждён: не сходится проверочная сумма (опечатка или пропущен знак)";
    return reading;
  }
  BitReader bits(values, data);
  ResultCode code;
  const auto version = bits.Take(kVersionBits);
  if (version != kVersion) {
    reading.error = "код другого вида: его сделала другая версия страницы";
    return reading;
  }
  const auto set = bits.Take(kFingerprintBits);
  const auto variant = bits.Take(kVariantBits);
  const auto minute = bits.Take(kMinuteBits);
  const auto items = bits.Take(kCountBits);
  const auto cut = [&reading]() {
    reading.error = "повреждён: код неполный";
    return reading;
  };
  if (!set || !variant || !minute || !items || *variant == 0) return cut();
  code.set = *set;
  code.variant = static_cast<int>(*variant);
  code.minute = *minute;
  for (std::uint32_t i = 0; i < *items; ++i) {
    const auto bit = bits.Take(1);
    if (!bit) return cut();
    code.right.push_back(*bit == 1);
  }
  const auto classLength = bits.Take(kClassLengthBits);
  const auto nameLength = bits.Take(kNameLengthBits);
  if (!classLength || !nameLength || *classLength + *nameLength > kMaxCodeLetters) return cut();
  for (std::uint32_t i = 0; i < *classLength + *nameLength; ++i) {
    const auto letter = bits.Take(kLetterBits);
    if (!letter) return cut();
    (i < *classLength ? reading.classLetters : reading.nameLetters)
        .push_back(static_cast<std::uint8_t>(*letter));
  }
  if (!bits.OnlyPaddingLeft()) return cut();
  // Only a class and a name as the writer keeps them: no blank at either end or two together,
  // no "-" first. Any other is no pupil's code, and would make a second row for one pupil.
  const auto kept = [](const std::vector<std::uint8_t>& letters, std::size_t most) {
    std::vector<std::uint8_t> again;
    CodeLettersOf(TextOfCodeLetters(letters), most, &again);
    return again == letters;
  };
  if (!kept(reading.classLetters, kMaxClassLetters) ||
      !kept(reading.nameLetters, kMaxCodeLetters - reading.classLetters.size())) {
    reading.error = "повреждён: имя или класс записаны не так, как их пишет страница";
    return reading;
  }
  code.className = TextOfCodeLetters(reading.classLetters);
  code.name = TextOfCodeLetters(reading.nameLetters);
  reading.code = std::move(code);
  return reading;
}

}  // namespace mathsheets::marking
