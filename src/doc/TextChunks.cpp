#include "doc/TextChunks.h"

#include "doc/ProgressCheckpoint.h"
#include "doc/Utf8.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The count reads 64 bytes at a time as bit masks (bit i for byte i).
constexpr std::size_t kBlock = 64;

struct BlockMasks {
    std::uint64_t commas = 0, blanks = 0, lineFeeds = 0, nuls = 0, highBits = 0;
};

BlockMasks ClassifyBlock(const char* p)
{
    BlockMasks m;
#ifdef __SSE2__
    const __m128i comma = _mm_set1_epi8(','), blank = _mm_set1_epi8(' '), lineFeed = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    for (std::size_t i = 0; i < kBlock; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const auto mask = [&](__m128i needle) {
            return std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, needle)))) << i;
        };
        m.commas |= mask(comma);
        m.blanks |= mask(blank);
        m.lineFeeds |= mask(lineFeed);
        m.nuls |= mask(zero);
        m.highBits |= std::uint64_t(unsigned(_mm_movemask_epi8(bytes))) << i;
    }
#else
    for (std::size_t i = 0; i < kBlock; ++i) {
        const std::uint64_t bit = std::uint64_t(1) << i;
        m.commas |= p[i] == ',' ? bit : 0;
        m.blanks |= p[i] == ' ' ? bit : 0;
        m.lineFeeds |= p[i] == '\n' ? bit : 0;
        m.nuls |= p[i] == '\0' ? bit : 0;
        m.highBits |= (p[i] & 0x80) ? bit : 0;
    }
#endif
    return m;
}

// The lowest n bits (n <= 64).
std::uint64_t LowBits(std::size_t n)
{
    return n < 64 ? (std::uint64_t(1) << n) - 1 : ~std::uint64_t(0);
}

// Counts lines and values a block at a time. A comma or LF always ends a
// token; a blank ends one when the byte before it is none of the three, and
// is skipped otherwise (it follows a terminator or a skipped blank, or starts
// the line). So a line's value count is the number of its non-LF terminators.
class CLineCounter {
public:
    explicit CLineCounter(TextChunk& chunk) : m_chunk(chunk) {}

    void Add(const BlockMasks& m, std::uint64_t valid)
    {
        const std::uint64_t separators = (m.commas | m.blanks | m.lineFeeds) & valid;
        const std::uint64_t afterSeparator = separators << 1 | m_carry;
        m_carry = separators >> 63;
        std::uint64_t values = (m.commas | (m.blanks & ~afterSeparator)) & valid;
        for (std::uint64_t lineFeeds = m.lineFeeds & valid; lineFeeds; lineFeeds &= lineFeeds - 1) {
            const std::uint64_t before = LowBits(std::size_t(std::countr_zero(lineFeeds)));
            EndLine(m_count + std::uint64_t(std::popcount(values & before)));
            values &= ~before;
        }
        m_count += std::uint64_t(std::popcount(values));
    }

    // A last line without its LF is a row too.
    void EndText(const char* textEnd)
    {
        if (textEnd != m_chunk.begin && textEnd[-1] != '\n')
            EndLine(m_count);
    }

private:
    TextChunk& m_chunk;
    std::uint64_t m_carry = 1;   // the byte before the chunk ends a line
    std::uint64_t m_count = 0;   // values of the line so far

    void EndLine(std::uint64_t count)
    {
        ++m_chunk.rows;
        m_chunk.widest = std::max(m_chunk.widest, count);
        m_count = 0;
    }
};

} // namespace

void SplitAtLineStarts(const char* begin, const char* end, std::size_t chunkBytes, std::vector<TextChunk>& chunks)
{
    chunkBytes = std::max<std::size_t>(chunkBytes, 1);
    for (const char* p = begin; p != end;) {
        const char* next = end;
        if (std::size_t(end - p) > chunkBytes) {
            const char* from = p + chunkBytes - 1;
            const void* lineFeed = std::memchr(from, '\n', std::size_t(end - from));
            next = lineFeed ? static_cast<const char*>(lineFeed) + 1 : end;
        }
        chunks.push_back({p, next});
        p = next;
    }
}

bool CountChunk(TextChunk& chunk, CReadProgress& progress)
{
    CLineCounter counter(chunk);
    chunk.textEnd = chunk.end;
    std::uint64_t highBits = 0;
    CProgressCheckpoint checkpoint(chunk.begin, chunk.end, progress);
    char tail[kBlock];   // the last, short block, read from a copy
    for (const char* base = chunk.begin; base < chunk.textEnd; base += kBlock) {
        std::size_t n = std::min(std::size_t(chunk.end - base), kBlock);
        const char* bytes = base;
        if (n < kBlock) {
            std::memset(tail, 0, kBlock);
            bytes = static_cast<const char*>(std::memcpy(tail, base, n));
        }
        const BlockMasks m = ClassifyBlock(bytes);
        if (const std::uint64_t nuls = m.nuls & LowBits(n)) {
            n = std::size_t(std::countr_zero(nuls));
            chunk.textEnd = base + n;
        }
        highBits |= m.highBits & LowBits(n);
        counter.Add(m, LowBits(n));
        if (!checkpoint.At(base))
            return false;
    }
    counter.EndText(chunk.textEnd);
    const std::size_t size = std::size_t(chunk.end - chunk.begin);
    chunk.utf8 = (chunk.textEnd == chunk.end && highBits == 0) || IsValidUtf8(chunk.begin, size);
    return checkpoint.Report(chunk.end);
}
