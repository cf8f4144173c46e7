#pragma once

#include <cstdint>
#include <numeric>
#include <ostream>
#include <stdexcept>

namespace mathsheets::testing {

// An exact fraction for checking answers independently of the generators' own arithmetic.
class Rational {
 public:
  constexpr Rational(std::int64_t n = 0, std::int64_t d = 1) : n_(n), d_(d) {
    if (d_ == 0) throw std::domain_error("zero denominator");
    if (d_ < 0) {
      n_ = -n_;
      d_ = -d_;
    }
    const std::int64_t g = std::gcd(n_ < 0 ? -n_ : n_, d_);
    if (g > 1) {
      n_ /= g;
      d_ /= g;
    }
  }
  // w n/d, the sign of w applying to the whole mixed number.
  static Rational Mixed(std::int64_t w, std::int64_t n, std::int64_t d) {
    return w < 0 ? Rational(w * d - n, d) : Rational(w * d + n, d);
  }

  constexpr std::int64_t num() const { return n_; }
  constexpr std::int64_t den() const { return d_; }

  friend Rational operator+(Rational a, Rational b) {
    return {a.n_ * b.d_ + b.n_ * a.d_, a.d_ * b.d_};
  }
  friend Rational operator-(Rational a, Rational b) {
    return {a.n_ * b.d_ - b.n_ * a.d_, a.d_ * b.d_};
  }
  friend Rational operator*(Rational a, Rational b) { return {a.n_ * b.n_, a.d_ * b.d_}; }
  friend Rational operator/(Rational a, Rational b) { return {a.n_ * b.d_, a.d_ * b.n_}; }
  friend Rational operator-(Rational a) { return {-a.n_, a.d_}; }
  friend bool operator==(Rational a, Rational b) { return a.n_ == b.n_ && a.d_ == b.d_; }
  friend bool operator<(Rational a, Rational b) { return a.n_ * b.d_ < b.n_ * a.d_; }
  friend bool operator>(Rational a, Rational b) { return b < a; }
  friend std::ostream& operator<<(std::ostream& os, Rational r) {
    return os << r.n_ << "/" << r.d_;
  }

 private:
  std::int64_t n_;
  std::int64_t d_;
};

}  // namespace mathsheets::testing
