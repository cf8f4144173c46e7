// The templates of "Выражение2": three to five operations. As in the short chains, results and
// quotients are drawn first, so that every division is exact.
#include <algorithm>

#include "generators/expression_chains.h"
#include "generators/expression_chains_draws.h"

namespace mathsheets {

namespace {

using chains::Factor;
using chains::LargestDivisorUpTo;
using chains::Switch;
using chains::Tens;
using R = RandomSource&;

// Which of the three dividends a, c, e of "a:b+c:d±e:f" take a ten, by the switch value: bit 1
// for a, 2 for c, 4 for e.
constexpr std::array<int, 7> kThreeQuotientTens7 = {1, 4, 2, 3, 5, 6, 7};
constexpr std::array<int, 3> kThreeQuotientTens3 = {1, 2, 3};

// "a:b+c:d+e:f" (sign 1) and "a:b+c:d-e:f" (sign -1).
ChainNumbers ThreeQuotients(R r, std::span<const int> tens, int sign) {
  const int p = r.Random(7);
  const int b = Factor(r);
  const int d = Factor(r);
  const int q = r.Random(7);
  const int e0 = Factor(r);
  const int f = Factor(r);
  const int mask = tens[static_cast<std::size_t>(Switch(r, static_cast<int>(tens.size())) - 1)];
  int a = (p + 2) * b;
  int c = d * (q + 2);
  int e = e0 * f;
  if (mask & 1) a *= 10;
  if (mask & 2) c *= 10;
  if (mask & 4) e *= 10;
  return {{a, b, c, d, e, f}, a / b + c / d + sign * (e / f)};
}

constexpr std::array<ChainTemplate, 26> kLongChains = {{
    {"ax(b-c):(d-e)",
     [](R r) -> ChainNumbers {
       const int q = Factor(r);
       int v = Factor(r);
       int a = Factor(r);
       // Found before the tens, so it divides a·v either way.
       const int f = LargestDivisorUpTo(a * v, q);
       if (Switch(r, 2) == 1)
         a *= 10;
       else
         v *= 10;
       const int g = r.Random(96 - v);
       const int h = r.Random(96 - f);
       return {{a, v + g + 1, g + 1, h + f + 1, h + 1}, a * v / f};
     }},
    {"axb+(c-d)+e",
     [](R r) -> ChainNumbers {
       const int g = r.Random(90);
       int a = r.Random(7);
       int b = Factor(r);
       const int e = r.Random(90) + 2;
       const int h = r.Random(94 - g);
       if (Switch(r, 2) == 1) {
         a = 10 * a + 20;
       } else {
         a += 2;
         b *= 10;
       }
       return {{a, b, h + g + 3, h + 1, e}, a * b + g + 2 + e};
     }},
    {"(a+b)-(c:d+e)",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int c = (r.Random(7) + 2) * d * 10;
       const int h = r.Random(949 - c);
       const int e = h + 1;
       const int s = r.Random(995 - h - c) + e + c;
       const int g = r.Random(s);
       return {{g + 1, s - g, c, d, e}, s + 1 - c / d - e};
     }},
    {"(a-b)x(c:d-e)",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int t = r.Random(7);
       const int e = 10 * (r.Random(t) + 1);
       const int g = r.Random(7);
       const int h = r.Random(94 - g);
       return {{h + g + 3, h + 1, (t + 2) * d * 10, d, e}, (g + 2) * (10 * (t + 2) - e)};
     }},
    {"a-(b+c):(d+e)",
     [](R r) -> ChainNumbers {
       const int q = Factor(r);
       const int p = (r.Random(7) + 2) * q * 10;
       const int h = r.Random(996 - p);
       const int b = r.Random(p - 2) + 1;
       const int d = r.Random(q - 1) + 1;
       const int a = p + h + 1;
       return {{a, b, p - b, d, q - d}, a - p / q};
     }},
    {"(a+b)x(c+d):(e-f)",
     [](R r) -> ChainNumbers {
       const int p0 = Factor(r);
       int s = Factor(r);
       int v = r.Random(7);
       if (Switch(r, 2) == 1) {
         v = 10 * v + 20;
       } else {
         v += 2;
         s *= 10;
       }
       const int product = v * s;
       int p = 0;
       for (int candidate = p0; candidate <= 9 && p == 0; ++candidate)
         if (product % candidate == 0) p = candidate;
       if (p == 0) p = product % 10 == 0 ? 10 : LargestDivisorUpTo(product, p0);
       const int a = r.Random(v - 2) + 1;
       const int c = r.Random(s - 2) + 1;
       const int h = r.Random(94 - p);
       return {{a, v - a, c, s - c, h + p + 1, h + 1}, product / p};
     }},
    {"(axb+c)-(d:e+f)",
     [](R r) -> ChainNumbers {
       // When a·b + c falls short of d:e the range of f is empty and the value would drop to 0
       // or below; such draws start the template again.
       for (;;) {
         const int e = Factor(r);
         const int t = Tens(r);
         const int a0 = r.Random(7);
         int b = r.Random(6) + 2;
         int a = a0 + 2;
         if (Switch(r, 2) == 1)
           b *= 10;
         else
           a = 10 * a0 + 20;
         const int g = r.Random(730 - a * b);
         const int c = g + 10;
         const int range = g + a * b - t + 9;
         if (range <= 0) continue;
         const int f = r.Random(range) + 1;
         return {{a, b, c, t * e, e, f}, a * b + c - t - f};
       }
     }},
    {"axb+(c:d-e)",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int t = r.Random(7);
       const int e = r.Random(10 * t + 19) + 1;
       const int a0 = r.Random(7);
       int b = Factor(r);
       int a = a0 + 2;
       if (Switch(r, 2) == 1)
         b *= 10;
       else
         a = 10 * a0 + 20;
       return {{a, b, (t + 2) * d * 10, d, e}, a * b + 10 * (t + 2) - e};
     }},
    {"a:b+c-d:e",
     [](R r) -> ChainNumbers {
       const int t = r.Random(7);
       const int b = Factor(r);
       const int a = (10 * t + 20) * b;
       const int c = r.Random(944 - a) + 50;
       const int tens = Tens(r);
       const int e = Factor(r);
       // May fall to -10: d:e can exceed a:b + c.
       return {{a, b, c, tens * e, e}, 10 * t + 20 + c - tens};
     }},
    {"a:bxc:d+e",
     [](R r) -> ChainNumbers {
       const int g0 = r.Random(7);
       const int b = Factor(r);
       const int c0 = r.Random(7);
       const int q = Factor(r);
       int g = g0 + 2;
       int c = 0;
       if (Switch(r, 2) == 1) {
         c = 10 * c0 + 20;
       } else {
         c = c0 + 2;
         g = 10 * g0 + 20;
       }
       const int d = LargestDivisorUpTo(g * c, q);
       const int e = r.Random(996 - g * c / d) + 1;
       return {{g * b, b, c, d, e}, g * c / d + e};
     }},
    {"axb+c+d:e",
     [](R r) -> ChainNumbers {
       const int a0 = r.Random(7);
       int b = Factor(r);
       int a = a0 + 2;
       if (Switch(r, 2) == 1)
         b *= 10;
       else
         a = 10 * a0 + 20;
       const int e = Factor(r);
       const int t = Tens(r);
       const int c = r.Random(996 - a * b - t) + 1;
       return {{a, b, c, t * e, e}, a * b + c + t};
     }},
    {"a:b+c+dxe",
     [](R r) -> ChainNumbers {
       int d = Factor(r);
       int e = Factor(r);
       const int k = r.Random(7);
       const int b = Factor(r);
       if (Switch(r, 2) == 1)
         d *= 10;
       else
         e *= 10;
       const int c = r.Random(949 - d * e - 10 * k) + 1;
       return {{(k + 2) * b * 10, b, c, d, e}, 10 * (k + 2) + c + d * e};
     }},
    {"axb+c-d:e",
     [](R r) -> ChainNumbers {
       const int u = Factor(r);
       const int e = Factor(r);
       int a = r.Random(7);
       int b = Factor(r);
       if (Switch(r, 2) == 1) {
         a = 10 * a + 20;
       } else {
         a += 2;
         b *= 10;
       }
       const int c = r.Random(u - a * b + 989) + 1;
       // May fall to -39: d:e can exceed a·b + c.
       return {{a, b, c, 10 * u * e, e}, a * b + c - 10 * u};
     }},
    {"a+(b-c)x(d+e)",
     [](R r) -> ChainNumbers {
       int s = Factor(r);
       const int g0 = r.Random(7);
       int g = g0 + 2;
       if (Switch(r, 2) == 1)
         s *= 10;
       else
         g = 10 * g0 + 20;
       const int h = r.Random(s - 1);
       const int k = r.Random(96 - g);
       const int a = r.Random(996 - g * s) + 1;
       return {{a, g + k + 1, k + 1, s - h - 1, h + 1}, a + g * s};
     }},
    {"(a+b)-(c+d)xe",
     [](R r) -> ChainNumbers {
       int s = Factor(r);
       int e = Factor(r);
       if (Switch(r, 2) == 1)
         s *= 10;
       else
         e *= 10;
       const int c = r.Random(s - 1) + 1;
       const int h = r.Random(994 - s * e);
       const int g = r.Random(h + s * e);
       return {{g + 1, h + s * e - g, c, s - c, e}, h + 1};
     }},
    {"(a+b)+(c+d)-e",
     [](R r) -> ChainNumbers {
       const int s0 = r.Random(985);
       const int q = r.Random(995 - s0);
       const int s = q + 2;
       const int e = r.Random(s0 + q + 2) + 1;
       const int p = r.Random(s0 + 1);
       const int c = r.Random(s - 1) + 1;
       return {{p + 1, s0 - p + 1, c, s - c, e}, s0 + q + 4 - e};
     }},
    {"(a-b)+(c-d)+e",
     [](R r) -> ChainNumbers {
       const int u = r.Random(850) + 2;
       const int x = r.Random(988 - u);
       const int s = x + 2;
       const int e = r.Random(995 - u - x) + 1;
       const int w = r.Random(986 - u);
       const int y = r.Random(996 - u - s);
       return {{w + u + 1, w + 1, y + s + 1, y + 1, e}, u + s + e};
     }},
    {"(a-b)+(c-d):e",
     [](R r) -> ChainNumbers {
       const int g = r.Random(900);
       const int k = Factor(r);
       const int e = Factor(r);
       const int p = 10 * k * e;
       // At g = 899 the range of h would be negative; it is taken as empty, so h = 0.
       const int h = r.Random(std::max(898 - g, 0));
       const int y = r.Random(899 - p);
       return {{h + g + 3, h + 1, y + p + 1, y + 1, e}, g + 2 + 10 * k};
     }},
    {"a+(b-c)-d:e",
     [](R r) -> ChainNumbers {
       const int g = r.Random(720);
       const int t = Tens(r);
       const int e = Factor(r);
       const int f = r.Random(897 - g - t);
       const int h = r.Random(896 - g);
       const int a = f + 2;
       return {{a, h + g + 101, h + 1, t * e, e}, a + g + 100 - t};
     }},
    {"a-bxc+(d-e)",
     [](R r) -> ChainNumbers {
       int b = Factor(r);
       const int c0 = r.Random(7);
       if (Switch(r, 2) == 2) b *= 10;
       const int c = c0 + 2;
       const int w = r.Random(994 - b * c);
       const int q = r.Random(992 - w);
       const int o = r.Random(995 - q);
       return {{w + b * c + 5, b, c, o + q + 3, o + 1}, w + q + 7};
     }},
    {"(axb-c):(d-e)",
     [](R r) -> ChainNumbers {
       for (;;) {
         const int h = r.Random(7);
         const int s0 = r.Random(7);
         const int s = s0 + 2;
         const int k = r.Random(95 - s0);
         // The product must exceed (h + 2)·s·10, which a large quotient and divisor can make
         // impossible; after 19 tries the whole template starts again.
         for (int attempt = 0; attempt < 19; ++attempt) {
           int a = r.Random(7);
           int b = Factor(r);
           if (Switch(r, 2) == 1) {
             a = 10 * a + 20;
           } else {
             a += 2;
             b *= 10;
           }
           const int c = a * b - (h + 2) * s * 10;
           if (c >= 1) return {{a, b, c, k + s + 1, k + 1}, 10 * (h + 2)};
         }
       }
     }},
    {"(a:b+c)x(d-e)",
     [](R r) -> ChainNumbers {
       const int u = r.Random(6);
       const int b = Factor(r);
       const int v = r.Random(6 - u);
       const int w = r.Random(7);
       int g = u + 2;
       int h = w + 2;
       int c = 0;
       if (Switch(r, 2) == 1) {
         g *= 10;
         c = 10 * v + 10;
       } else {
         c = v + 1;
         h = 10 * w + 20;
       }
       const int d = h > 9 ? h + r.Random(997 - h) + 1 : h + r.Random(97 - h) + 1;
       return {{g * b, b, c, d, d - h}, (g + c) * h};
     }},
    {"ax(b:c)+d:e",
     [](R r) -> ChainNumbers {
       int a = r.Random(7);
       const int b0 = Factor(r);
       const int c = Factor(r);
       int b = b0 * c;
       const int d0 = Factor(r);
       const int e = Factor(r);
       if (Switch(r, 2) == 1) {
         a = 10 * a + 20;
       } else {
         a += 2;
         b *= 10;
       }
       return {{a, b, c, 10 * d0 * e, e}, a * (b / c) + 10 * d0};
     }},
    {"axb+(c+d:e)",
     [](R r) -> ChainNumbers {
       int a = r.Random(7);
       int b = Factor(r);
       const int d0 = Factor(r);
       const int e = Factor(r);
       const int d = 10 * d0 * e;
       if (Switch(r, 2) == 1) {
         a = 10 * a + 20;
       } else {
         a += 2;
         b *= 10;
       }
       // Large a·b and d leave no room below 949; c is then 1.
       const int c = r.Random(std::max(949 - a * b - d, 0)) + 1;
       return {{a, b, c, d, e}, a * b + c + 10 * d0};
     }},
    {"a:b+c:d+e:f", [](R r) { return ThreeQuotients(r, kThreeQuotientTens7, 1); }},
    {"a:b+c:d-e:f", [](R r) { return ThreeQuotients(r, kThreeQuotientTens3, -1); }},
}};

}  // namespace

std::span<const ChainTemplate> LongChainTemplates() {
  return kLongChains;
}

}  // namespace mathsheets
