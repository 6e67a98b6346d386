#include "doc/ChunkParser.h"

#include "doc/Atof.h"
#include "doc/ProgressCheckpoint.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool IsTerminator(char c)
{
    return c == ',' || c == ' ' || c == '\n';
}

const char* SkipBlanks(const char* p, const char* end)
{
    while (p != end && *p == ' ')
        ++p;
    return p;
}

// The first comma, blank or LF from p on, or end; sixteen bytes at a time
// where the text has them.
const char* TokenEnd(const char* p, const char* end)
{
#ifdef __SSE2__
    const __m128i comma = _mm_set1_epi8(','), blank = _mm_set1_epi8(' '), lineFeed = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, blank)),
                                           _mm_cmpeq_epi8(bytes, lineFeed));
        if (const unsigned mask = unsigned(_mm_movemask_epi8(found)))
            return p + std::countr_zero(mask);
    }
#endif
    while (p != end && !IsTerminator(*p))
        ++p;
    return p;
}

// The start of the line after the one that q is in (end when there is none).
const char* NextLine(const char* q, const char* end)
{
    const void* lineFeed = std::memchr(q, '\n', std::size_t(end - q));
    return lineFeed ? static_cast<const char*>(lineFeed) + 1 : end;
}

std::size_t CutLength(const char* p, const char* q)
{
    return std::min(std::size_t(q - p), kMaxTokenBytes);
}

// convert(p, length, end) gives the value of a token.
template <class Convert>
bool ParseLines(const char* p, const char* end, const ChunkRows& out, Convert convert, CReadProgress& progress,
                ValueRange& chunkRange)
{
    CProgressCheckpoint checkpoint(p, end, progress, kParseWork);
    ValueRange range;   // kept here, where stores to the matrix cannot touch it
    double* row = out.data;
    for (std::uint64_t r = 0; r < out.rows; ++r, row += out.cols) {
        p = SkipBlanks(p, end);
        const char* q = TokenEnd(p, end);
        out.labels[r].assign(p, CutLength(p, q));
        std::size_t c = 0;
        for (; c < out.cols && q != end && *q != '\n'; ++c) {
            p = SkipBlanks(q + 1, end);
            q = TokenEnd(p, end);
            const double value = convert(p, CutLength(p, q), end);
            row[c] = value;
            range.Add(value);
            if (!checkpoint.At(q))
                return false;
        }
        if (c < out.cols) {
            std::fill(row + c, row + out.cols, 0.0);
            range.Add(0.0);
        }
        p = NextLine(q, end);
        if (!checkpoint.At(p))
            return false;
    }
    chunkRange = range;
    return checkpoint.Report(end);
}

} // namespace

void ValueRange::Add(const ValueRange& next)
{
    min = std::min(min, next.min);
    max = std::max(max, next.max);
}

bool ParseChunk(const char* begin, const char* end, const ChunkRows& out, ValueConverter convert,
                CReadProgress& progress, ValueRange& range)
{
    if (convert)
        return ParseLines(begin, end, out, [convert](const char* p, std::size_t n, const char*) { return convert(p, n); },
                          progress, range);
    return ParseLines(begin, end, out, [](const char* p, std::size_t n, const char* readableEnd) {
        return ConvertToken(p, n, readableEnd);
    }, progress, range);
}
