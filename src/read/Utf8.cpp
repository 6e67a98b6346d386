#include "read/Utf8.h"

#include <cstdint>
#include <cstring>

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at p (lead byte >= 0x80), or 0.
std::size_t SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = p[0];
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;   // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            lo = 0xA0;                    // overlong
        else if (c == 0xED)
            hi = 0x9F;                    // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            lo = 0x90;                    // overlong
        else if (c == 0xF4)
            hi = 0x8F;                    // above U+10FFFF
    } else {
        return 0;
    }
    if (std::size_t(end - p) < n || p[1] < lo || p[1] > hi)
        return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (!IsContinuation(p[i]))
            return 0;
    return n;
}

// True when the 16 bytes at p are all ASCII.
bool AsciiBlock(const unsigned char* p)
{
    std::uint64_t a, b;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    return ((a | b) & 0x8080808080808080ULL) == 0;
}

} // namespace

bool IsValidUtf8(const char* bytes, std::size_t length)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const auto* end = p + length;
    while (p != end) {
        if (end - p >= 16 && AsciiBlock(p)) {
            p += 16;
        } else if (*p < 0x80) {
            ++p;
        } else {
            const std::size_t n = SequenceLength(p, end);
            if (n == 0)
                return false;
            p += n;
        }
    }
    return true;
}
