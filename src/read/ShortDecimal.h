#pragma once
// The plain decimal "[-]digits[.digits]" of at most 15 digits that most cells
// of data files hold, read from 16 bytes at once: where it ends and its value,
// without a branch per byte. In line, because the reading loops call it for
// nearly every cell.

#include <fast_float/fast_float.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace short_decimal {

using U128 = unsigned __int128;

// Powers of ten, all exact in a double.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// kLowBytes[n]: the lowest n of 16 bytes.
constexpr std::array<U128, 17> kLowBytes = [] {
    std::array<U128, 17> masks {};
    for (int n = 1; n <= 16; ++n)
        masks[n] = masks[n - 1] << 8 | 0xFF;
    return masks;
}();

constexpr U128 kZeros = U128(0x3030303030303030) << 64 | 0x3030303030303030;   // sixteen '0'

} // namespace short_decimal

// Reads the decimal at p (point: the decimal separator). Its value is the
// correctly rounded one, the same as fast_float gives; stop is the first
// byte after it. False for anything else, and when fewer than 16 bytes
// follow the sign: those are left to fast_float.
[[gnu::always_inline]] inline bool ReadShortDecimal(const char* p, const char* end, char point, double& value,
                                                    const char*& stop)
{
#ifdef __SSE2__
    static_assert(std::endian::native == std::endian::little);
    // An empty cell at the very end of the text has no byte to look at.
    if (p == end)
        return false;
    const bool negative = *p == '-';
    const char* q = p + negative;
    if (end - q < 16)
        return false;
    // Bit i set where byte i is a digit, and where it is the point.
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i fromZero = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const auto digits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero)));
    const auto pointBits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(point))));
    // The number runs over digits and points; one point at most and 1 to 15 digits.
    const int run = std::countr_one(digits | pointBits);
    const unsigned points = pointBits & ((1u << run) - 1);
    const int count = run - (points != 0);
    if (run == 16 || (points & (points - 1)) || count == 0 || count > 15)
        return false;
    std::uint64_t low, high;   // read again from memory: quicker than out of the SSE register
    std::memcpy(&low, q, 8);
    std::memcpy(&high, q + 8, 8);
    short_decimal::U128 text = short_decimal::U128(high) << 64 | low;
    // The point drops out, and the bytes after it move down over it (at is
    // the run's end when there is no point, and nothing moves).
    const int at = std::countr_zero(points | 1u << run);
    text &= short_decimal::kLowBytes[run];
    text = (text & short_decimal::kLowBytes[at]) | (text >> 8 & ~short_decimal::kLowBytes[at]);
    // Sixteen digits, the first in the lowest byte: the number behind '0's.
    const int pad = 16 - count;
    text = text << (8 * pad) | (short_decimal::kZeros & short_decimal::kLowBytes[pad]);
    const std::uint64_t mantissa = std::uint64_t(fast_float::parse_eight_digits_unrolled(std::uint64_t(text))) * 100000000
                                   + fast_float::parse_eight_digits_unrolled(std::uint64_t(text >> 64));
    // Both the mantissa (below 10^15) and the power are exact: the one
    // division rounds correctly, and so does its negation. Signs in data
    // follow no pattern, so they take no branch.
    static constexpr double kSigns[] = {1.0, -1.0};
    value = double(std::int64_t(mantissa)) / short_decimal::kPowersOfTen[count - at] * kSigns[negative];
    stop = q + run;
    return true;
#else
    (void)p, (void)end, (void)point, (void)value, (void)stop;
    return false;
#endif
}
