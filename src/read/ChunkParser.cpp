#include "read/ChunkParser.h"

#include "read/Atof.h"
#include "read/ProgressCheckpoint.h"
#include "read/ShortDecimal.h"

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

// Reads the token at p with convert(p, length): its value, and where it ends.
template <class Convert>
const char* ConvertedToken(const char* p, const char* end, Convert convert, double& value)
{
    const char* q = TokenEnd(p, end);
    value = convert(p, CutLength(p, q));
    return q;
}

// The token at p as ConvertToken reads it: a short plain decimal that a
// terminator follows is read at once, without a scan for the token's end.
const char* ReadToken(const char* p, const char* end, double& value)
{
    const char* stop = nullptr;
    if (ReadShortDecimal(p, end, '.', value, stop) && (stop == end || IsTerminator(*stop)))
        return stop;
    return ConvertedToken(p, end, ConvertOtherToken, value);
}

// readValue(p, end, value) reads the value token at p and gives its end.
template <class ReadValue>
bool ParseLines(const char* p, const char* end, const ChunkRows& out, ReadValue readValue, CReadProgress& progress,
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
            double value = 0.0;
            q = readValue(SkipBlanks(q + 1, end), end, value);
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

bool ParseChunk(const char* begin, const char* end, const ChunkRows& out, ValueConverter convert,
                CReadProgress& progress, ValueRange& range)
{
    if (convert)
        return ParseLines(begin, end, out, [convert](const char* p, const char* readableEnd, double& value) {
            return ConvertedToken(p, readableEnd, convert, value);
        }, progress, range);
    return ParseLines(begin, end, out, [](const char* p, const char* readableEnd, double& value) {
        return ReadToken(p, readableEnd, value);
    }, progress, range);
}
