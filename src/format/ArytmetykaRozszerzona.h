#pragma once
// Arithmetic in extended precision (x87, 80 bits, 64-bit mantissa), as the
// estimates and the rounding of amounts are defined: products, quotients and
// sums are formed as long double and stored to double where a value is kept.
// Rounding to a whole number follows the current rounding mode, which is
// round-to-nearest-even unless someone changed it.
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the estimates need the 80-bit extended type of x87");
#if defined(__FAST_MATH__)
#error "the estimates need exact IEEE arithmetic: build without -ffast-math"
#endif
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "a kept double must be a true double (SSE2 doubles, not x87 excess precision)"
#endif

// Whole number, half to even under the default rounding mode. The builtin
// compiles to one frndint instead of a library call.
inline long double ZaokraglijDoCalkowitej(long double wartosc) {
    return __builtin_rintl(wartosc);
}

// 10^k for k = -20 .. 20, each the extended value nearest to the power.
inline constexpr long double kPotegiDziesieciu[41] = {
    1e-20L, 1e-19L, 1e-18L, 1e-17L, 1e-16L, 1e-15L, 1e-14L, 1e-13L, 1e-12L, 1e-11L, 1e-10L,
    1e-9L,  1e-8L,  1e-7L,  1e-6L,  1e-5L,  1e-4L,  1e-3L,  1e-2L,  1e-1L,  1e0L,   1e1L,
    1e2L,   1e3L,   1e4L,   1e5L,   1e6L,   1e7L,   1e8L,   1e9L,   1e10L,  1e11L,  1e12L,
    1e13L,  1e14L,  1e15L,  1e16L,  1e17L,  1e18L,  1e19L,  1e20L};
inline constexpr int kNajmniejszaPotega = -20;
inline constexpr int kNajwiekszaPotega = 20;

inline constexpr long double PotegaDziesieciu(int wykladnik) {
    return kPotegiDziesieciu[wykladnik - kNajmniejszaPotega];
}

// Rounds to the power of ten 10^cyfra (cyfra -2: to cents), half to even:
// value * 10^-cyfra, whole number, * 10^cyfra, all extended, stored as double.
// cyfra must lie in -20 .. 20 (ZaokraglijDo checks it).
inline double ZaokraglijDoPotegi(double wartosc, int cyfra) {
    const long double przeskalowana = wartosc * PotegaDziesieciu(-cyfra);
    return static_cast<double>(ZaokraglijDoCalkowitej(przeskalowana) * PotegaDziesieciu(cyfra));
}
