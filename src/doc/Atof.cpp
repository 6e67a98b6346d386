#include "doc/Atof.h"

#include <algorithm>
#include <array>
#include <bit>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <system_error>

#include <fast_float/fast_float.h>

namespace {

// Powers of ten, all exact in a double.
constexpr double kExactPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

using U128 = unsigned __int128;

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr U128 kOnes128 = U128(kOnes) << 64 | kOnes;
constexpr U128 kHighBits = 0x80 * kOnes128;
constexpr U128 kZeros = '0' * kOnes128;

// kLowBytes[n]: the lowest n of the 16 bytes.
constexpr std::array<U128, 17> kLowBytes = [] {
    std::array<U128, 17> masks {};
    for (int n = 1; n <= 16; ++n)
        masks[n] = masks[n - 1] | U128(0xFF) << (8 * (n - 1));
    return masks;
}();

// High bit set in each byte of x that is not an ASCII digit.
U128 NonDigitBytes(U128 x)
{
    const U128 low7 = x & ~kHighBits;
    const U128 atLeast0 = low7 + (0x80 - '0') * kOnes128;    // high bit when >= '0'
    const U128 above9 = low7 + (0x80 - '9' - 1) * kOnes128;  // high bit when > '9'
    return (x | ~atLeast0 | above9) & kHighBits;
}

// Index of the lowest byte whose high bit is set in mask, which is not 0.
int FirstByte(U128 mask)
{
    const auto low = std::uint64_t(mask), high = std::uint64_t(mask >> 64);
    const int inLow = std::countr_zero(low), inHigh = 64 + std::countr_zero(high);
    return (low ? inLow : inHigh) / 8;
}

// The value of eight ASCII digits, the first one in the lowest byte: pairs,
// then fours, then all eight are combined with multiplications.
std::uint64_t EightDigits(std::uint64_t w)
{
    constexpr std::uint64_t kMask = 0x000000FF000000FFULL;
    constexpr std::uint64_t kMul1 = 100 + (1000000ULL << 32);
    constexpr std::uint64_t kMul2 = 1 + (10000ULL << 32);
    w -= '0' * kOnes;
    w = w * 10 + (w >> 8);
    return (((w & kMask) * kMul1) + (((w >> 16) & kMask) * kMul2)) >> 32;
}

// The common plain decimal "[-]digits[.digits]" of at most 16 bytes, read
// sixteen bytes at once (bytes after the token are shifted out). With a point it has at
// most 15 digits, an integer below 2^53 that a double holds exactly, and one
// division by an exact power of ten rounds it correctly; without one, the
// conversion of its integer is the only rounding. False for anything else.
bool ReadShortDecimal(const char* token, std::size_t length, double& value)
{
    static_assert(std::endian::native == std::endian::little);
    if (length > 16)
        return false;
    const bool negative = token[0] == '-';
    const int count = int(length) - negative;
    if (count < 1)
        return false;
    U128 text;
    std::memcpy(&text, token, sizeof text);
    // Drop the sign without a branch: signs in data follow no pattern.
    const U128 signMask = U128(0) - U128(negative);
    text = (text >> 8 & signMask) | (text & ~signMask);
    // One non-digit at most, and that a point with a digit beside it.
    const U128 nonDigits = NonDigitBytes(text) & kLowBytes[count];
    int fraction = 0;
    if (nonDigits) {
        const int point = FirstByte(nonDigits);
        if ((nonDigits & (nonDigits - 1)) || token[negative + point] != '.' || count == 1)
            return false;
        fraction = count - point - 1;
        // The digits before the point move up over it and a '0' comes in front.
        const U128 front = kLowBytes[point + 1];
        text = (text & ~front) | (((text << 8) | '0') & front);
    }
    // Right-aligned behind leading zeros: 16 digits, the first in the lowest byte.
    const int pad = 16 - count;
    text = (text << (8 * pad)) | (kZeros & kLowBytes[pad]);
    const std::uint64_t mantissa = EightDigits(std::uint64_t(text)) * 100000000 + EightDigits(std::uint64_t(text >> 64));
    // Below 10^16: converted as a signed integer it gives the same double,
    // in one instruction. Negating after the division rounds the same.
    constexpr double kSigns[] = {1.0, -1.0};
    value = double(std::int64_t(mantissa)) / kExactPowers[fraction] * kSigns[negative];
    return true;
}

// fast_float reads the decimal grammar of atof, minus a leading '+', leading
// white space, hexadecimal, "inf" and "nan"; for a token that begins with a
// digit or a point (after an optional '-') and is not hexadecimal, its
// longest valid prefix and value are those of atof.
bool IsPlainDecimal(const char* p, const char* end)
{
    if (p != end && *p == '-')
        ++p;
    if (p == end || !(IsDigit(*p) || *p == '.'))
        return false;
    return !(p[0] == '0' && end - p > 1 && (p[1] == 'x' || p[1] == 'X'));
}

// Every other form, through the C library in the "C" locale.
[[gnu::noinline]] double AtofC(const char* p, std::size_t length)
{
    TokenBuffer token;
    std::memcpy(token, p, length);
    token[length] = '\0';
    return strtod_l(token, nullptr, CLocale());
}

} // namespace

double ConvertToken(const char* p, std::size_t length, const char* readableEnd)
{
    length = std::min(length, kMaxTokenBytes);
    double value = 0.0;
    if (readableEnd - p >= 16 && ReadShortDecimal(p, length, value))
        return value;
    if (IsPlainDecimal(p, p + length) && fast_float::from_chars(p, p + length, value).ec == std::errc())
        return value;
    return AtofC(p, length);
}
