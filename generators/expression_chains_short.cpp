// The templates of "Выражение1": two or three operations. Each one draws its result or its
// quotients first and builds the printed numbers around them, so that every division is exact.
#include "generators/expression_chains.h"
#include "generators/expression_chains_draws.h"

namespace mathsheets {

namespace {

using chains::Factor;
using chains::LargestDivisorUpTo;
using chains::Switch;
using chains::Tens;
using R = RandomSource&;

constexpr std::array<ChainTemplate, 35> kShortChains = {{
    {"ax(b+c)",
     [](R r) -> ChainNumbers {
       const int n = r.Random(7);
       int c = r.Random(n) + 1;
       int b = n + 2 - c;
       int a = r.Random(7);
       if (Switch(r, 2) == 1) {
         a = 10 * a + 20;
       } else {
         a += 2;
         b *= 10;
         c *= 10;
       }
       return {{a, b, c}, a * (b + c)};
     }},
    {"ax(b-c)",
     [](R r) -> ChainNumbers {
       const int u = r.Random(8);
       const int q = r.Random(96 - u);
       int a = r.Random(7);
       int b = q + u + 2;
       int c = q + 1;
       if (Switch(r, 2) == 1) {
         a = 10 * a + 20;
       } else {
         a += 2;
         b *= 10;
         c *= 10;
       }
       return {{a, b, c}, a * (b - c)};
     }},
    {"a:(b+c)",
     [](R r) -> ChainNumbers {
       const int u = r.Random(8);
       const int s = u + 1;
       const int y = r.Random(u);
       const int a = s * 10 * (r.Random(7) + 2);
       // With s = 1 the bracket is 1+0.
       return {{a, y + 1, s - y - 1}, a / s};
     }},
    {"a:(b-c)",
     [](R r) -> ChainNumbers {
       const int u = r.Random(8);
       const int s = u + 1;
       const int q = r.Random(96 - u);
       const int a = s * 10 * (r.Random(7) + 2);
       return {{a, q + s + 1, q + 1}, a / s};
     }},
    {"(a+b)xc",
     [](R r) -> ChainNumbers {
       const int n = r.Random(7);
       int a = r.Random(n) + 1;
       int b = n + 2 - a;
       int c = r.Random(7);
       if (Switch(r, 2) == 1) {
         c = 10 * c + 20;
       } else {
         c += 2;
         a *= 10;
         b *= 10;
       }
       return {{a, b, c}, (a + b) * c};
     }},
    {"(a-b)xc",
     [](R r) -> ChainNumbers {
       const int u = r.Random(8);
       const int q = r.Random(96 - u);
       int c = r.Random(7);
       int a = q + u + 2;
       int b = q + 1;
       if (Switch(r, 2) == 1) {
         c = 10 * c + 20;
       } else {
         c += 2;
         a *= 10;
         b *= 10;
       }
       return {{a, b, c}, (a - b) * c};
     }},
    {"(a+b):c",
     [](R r) -> ChainNumbers {
       const int c = Factor(r);
       const int k = Factor(r);
       const int p = c * k;
       const int a = 10 * (r.Random(p - 1) + 1);
       return {{a, 10 * p - a, c}, 10 * k};
     }},
    {"(a-b):c",
     [](R r) -> ChainNumbers {
       const int c = Factor(r);
       const int k = Factor(r);
       const int p = c * k;
       const int g = r.Random(99 - p);
       return {{10 * g + 10 * p, 10 * g, c}, 10 * k};
     }},
    {"axb+c",
     [](R r) -> ChainNumbers {
       int a = Factor(r);
       int b = Factor(r);
       int c = r.Random(97 - a * b) + 1;
       switch (Switch(r, 3)) {
         case 1:
           c *= 10;
           break;
         case 2:
           b *= 10;
           break;
         default:
           a *= 10;
       }
       return {{a, b, c}, a * b + c};
     }},
    {"axb-c",
     [](R r) -> ChainNumbers {
       int a = Factor(r);
       const int w = r.Random(7);
       int b = w + 2;
       if (Switch(r, 2) == 1)
         a *= 10;
       else
         b = 10 * w + 20;
       const int c = r.Random(a * b - 2) + 1;
       return {{a, b, c}, a * b - c};
     }},
    {"a:b+c",
     [](R r) -> ChainNumbers {
       const int o = r.Random(7);
       const int c = r.Random(977 - 10 * o) + 1;
       const int b = Factor(r);
       return {{(o + 2) * b * 10, b, c}, 10 * (o + 2) + c};
     }},
    {"a:b-c",
     [](R r) -> ChainNumbers {
       const int o = r.Random(7);
       const int c = r.Random(10 * o + 18) + 1;
       const int b = Factor(r);
       return {{(o + 2) * b * 10, b, c}, 10 * (o + 2) - c};
     }},
    {"a+bxc",
     [](R r) -> ChainNumbers {
       int c = Factor(r);
       int b = Factor(r);
       int a = r.Random(96 - b * c) + 1;
       switch (Switch(r, 3)) {
         case 1:
           c *= 10;
           break;
         case 2:
           b *= 10;
           break;
         default:
           a *= 10;
       }
       return {{a, b, c}, a + b * c};
     }},
    {"a-bxc",
     [](R r) -> ChainNumbers {
       const int c0 = r.Random(7);
       const int b0 = r.Random(7);
       const int m3 = Switch(r, 3);
       int c = c0 + 2;
       int b = b0 + 2;
       if (m3 == 1) c *= 10;
       if (m3 == 2) b = 10 * b0 + 20;
       const int g = r.Random(996 - b * c);
       return {{b * c + g + 1, b, c}, g + 1};
     }},
    {"a+b:c",
     [](R r) -> ChainNumbers {
       const int o = r.Random(7);
       const int c = Factor(r);
       const int b = (o + 2) * c * 10;
       const int a = r.Random(997 - b) + 1;
       return {{a, b, c}, a + 10 * (o + 2)};
     }},
    {"a-b:c",
     [](R r) -> ChainNumbers {
       const int o = r.Random(7);
       const int c = Factor(r);
       const int b = (o + 2) * c * 10;
       const int a = b + r.Random(997 - b) + 1;
       return {{a, b, c}, a - 10 * (o + 2)};
     }},
    {"a-(b+c):d",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int t = Tens(r);
       const int p = t * d;
       const int g = r.Random(p - 1);
       const int a = r.Random(996 - t) + t + 1;
       return {{a, g + 1, p - g - 1, d}, a - t};
     }},
    {"a+(b-c):d",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int t = Tens(r);
       const int p = t * d;
       const int g = r.Random(988 - p);
       const int a = r.Random(996 - p) + 1;
       return {{a, g + p + 1, g + 1, d}, a + t};
     }},
    {"a:(b+c)xd",
     [](R r) -> ChainNumbers {
       const int t = Tens(r);
       const int k = r.Random(7);
       const int g = r.Random(t - 1);
       const int d = Factor(r);
       return {{t * (k + 2), g + 1, t - g - 1, d}, (k + 2) * d};
     }},
    {"a+bxc-d",
     [](R r) -> ChainNumbers {
       const int b0 = r.Random(7);
       const int c0 = r.Random(7);
       int b = b0 + 2;
       int c = 0;
       if (Switch(r, 2) == 1) {
         c = 10 * c0 + 20;
       } else {
         c = c0 + 2;
         b *= 10;
       }
       const int p = b * c;
       const int g = r.Random(996 - p);
       const int d = r.Random(p + g - 1) + 1;
       const int a = g + 1;
       return {{a, b, c, d}, a + p - d};
     }},
    {"a+b-cxd",
     [](R r) -> ChainNumbers {
       int d = Factor(r);
       int c = r.Random(7) + 2;
       if (Switch(r, 2) == 1)
         c *= 10;
       else
         d *= 10;
       const int g = r.Random(994 - c * d);
       const int sum = g + c * d + 3;
       const int a = r.Random(g + c * d + 2) + 1;
       return {{a, sum - a, c, d}, g + 3};
     }},
    {"a:b+c:d",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int f = r.Random(7);
       const int h = r.Random(7);
       const int k = r.Random(7);
       const int b = h + 2;
       return {{b * (k + 2) * 10, b, (f + 2) * d * 10, d}, 10 * (k + 2) + 10 * (f + 2)};
     }},
    {"axb-c:d",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int i = r.Random(7);
       const int g = r.Random(6);
       const int j = r.Random(6);
       int a = 0;
       int b = g + 3;
       if (Switch(r, 2) == 1) {
         a = 10 * j + 30;
       } else {
         a = j + 3;
         b = 10 * g + 30;
       }
       return {{a, b, (i + 2) * d * 10, d}, a * b - 10 * (i + 2)};
     }},
    {"axb+c:d",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int k = r.Random(7);
       const int g = r.Random(7);
       const int j = r.Random(7);
       int a = 0;
       int b = g + 2;
       if (Switch(r, 2) == 1) {
         a = 10 * j + 20;
       } else {
         a = j + 2;
         b = 10 * g + 20;
       }
       return {{a, b, (k + 2) * d * 10, d}, a * b + 10 * (k + 2)};
     }},
    {"(a+b):cxd",
     [](R r) -> ChainNumbers {
       const int c = Factor(r);
       const int k = r.Random(7);
       const int p = c * (k + 2) * 10;
       const int g = r.Random(p - 1);
       const int d = Factor(r);
       return {{p - g - 1, g + 1, c, d}, 10 * (k + 2) * d};
     }},
    {"axb-c-d",
     [](R r) -> ChainNumbers {
       const int a0 = r.Random(7);
       const int b0 = r.Random(7);
       int a = a0 + 2;
       int b = b0 + 2;
       if (Switch(r, 2) == 1)
         a *= 10;
       else
         b = 10 * b0 + 20;
       const int p = a * b;
       const int g = r.Random(p - 2);
       const int d = r.Random(p - g - 2) + 1;
       const int c = g + 1;
       return {{a, b, c, d}, p - c - d};
     }},
    {"a:bxc-d",
     [](R r) -> ChainNumbers {
       const int t0 = r.Random(7);
       const int b0 = r.Random(7);
       const int c = Factor(r);
       const int t = 10 * t0 + 20;
       const int d = r.Random(c * t - 1) + 1;
       const int b = b0 + 2;
       return {{t * b, b, c, d}, t * c - d};
     }},
    {"axb:c+d",
     [](R r) -> ChainNumbers {
       const int a0 = r.Random(7);
       const int b0 = r.Random(7);
       int a = a0 + 2;
       int b = b0 + 2;
       if (Switch(r, 2) == 1)
         a *= 10;
       else
         b = 10 * b0 + 20;
       // The divisor is 1 when a·b has no divisor from 2 up to the drawn factor.
       const int c = LargestDivisorUpTo(a * b, Factor(r));
       const int d = r.Random(994 - a * b / c) + 1;
       return {{a, b, c, d}, a * b / c + d};
     }},
    {"a+b:c-d",
     [](R r) -> ChainNumbers {
       const int u = r.Random(147);
       const int s = r.Random(7);
       const int q = r.Random(7);
       const int d = r.Random(u + 10 * s + 21) + 1;
       const int a = u + 2;
       const int c = q + 2;
       return {{a, (10 * s + 20) * c, c, d}, a + 10 * s + 20 - d};
     }},
    {"a:bxc:d",
     [](R r) -> ChainNumbers {
       const int v = r.Random(7);
       const int b0 = r.Random(7);
       const int c0 = r.Random(7);
       int c = c0 + 2;
       // The divisor divides (v + 2)·c before either number takes its ten, and so after too.
       const int d = LargestDivisorUpTo((v + 2) * c, Factor(r));
       const int b = b0 + 2;
       int a = (v + 2) * b;
       if (Switch(r, 2) == 1)
         a *= 10;
       else
         c *= 10;
       return {{a, b, c, d}, a / b * c / d};
     }},
    {"a+(b+c):d",
     [](R r) -> ChainNumbers {
       const int k = Factor(r);
       const int d = Factor(r);
       const int p = 10 * k * d;
       const int g = r.Random(p - 1);
       const int a = r.Random(989 - 10 * k) + 1;
       return {{a, g + 1, p - g - 1, d}, a + 10 * k};
     }},
    {"(a-b):c+d",
     [](R r) -> ChainNumbers {
       const int c = r.Random(7) + 2;
       const int k = r.Random(7);
       const int p = c * (k + 2) * 10;
       const int g = r.Random(969 - p);
       const int d = r.Random(990 - p / c) + 1;
       return {{g + p + 1, g + 1, c, d}, p / c + d};
     }},
    {"a-(b+c):d",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int k = r.Random(7);
       const int p = (k + 2) * d * 10;
       const int g = r.Random(p - 1);
       const int a = r.Random(996 - p / d) + p / d + 2;
       return {{a, g + 1, p - g - 1, d}, a - p / d};
     }},
    {"a+b:(c:d)",
     [](R r) -> ChainNumbers {
       const int d = Factor(r);
       const int c0 = r.Random(7);
       const int k = r.Random(7);
       const int b = (c0 + 2) * (k + 2) * 10;
       const int c = (c0 + 2) * d;
       const int a = r.Random(991 - b / c / d) + 1;
       return {{a, b, c, d}, a + 10 * (k + 2)};
     }},
    {"(a-b)xc:d",
     [](R r) -> ChainNumbers {
       const int t = Tens(r);
       const int c0 = r.Random(7);
       const int g = r.Random(996 - t);
       const int c = c0 + 2;
       const int d = LargestDivisorUpTo(c * t, Factor(r));
       return {{g + t + 1, g + 1, c, d}, c * t / d};
     }},
}};

}  // namespace

std::span<const ChainTemplate> ShortChainTemplates() {
  return kShortChains;
}

}  // namespace mathsheets
