#include "read/TextChunks.h"

#include "read/ProgressCheckpoint.h"
#include "read/Utf8.h"

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

bool IsSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\n';
}

// Counts lines and values a block at a time. A comma or LF always ends a
// token; a blank ends one when the byte before it is none of the three, and
// is skipped otherwise (it follows a terminator or a skipped blank, or starts
// the line). So a line's value count is the number of its non-LF terminators.
class CLineCounter {
public:
    explicit CLineCounter(TextChunk& chunk) : m_chunk(chunk), m_carry(IsSeparator(chunk.previous)) {}

    // The block at base, of which the bytes in valid are text.
    [[gnu::always_inline]] void Add(const BlockMasks& m, std::uint64_t valid, const char* base)
    {
        const std::uint64_t separators = (m.commas | m.blanks | m.lineFeeds) & valid;
        const std::uint64_t afterSeparator = separators << 1 | m_carry;
        m_carry = separators >> 63;
        std::uint64_t values = (m.commas | (m.blanks & ~afterSeparator)) & valid;
        for (std::uint64_t lineFeeds = m.lineFeeds & valid; lineFeeds; lineFeeds &= lineFeeds - 1) {
            const std::size_t at = std::size_t(std::countr_zero(lineFeeds));
            const std::uint64_t before = LowBits(at);
            EndLine(m_count + std::uint64_t(std::popcount(values & before)), base + at + 1);
            values &= ~before;
        }
        m_count += std::uint64_t(std::popcount(values));
    }

    // The values after the last LF, or of the whole chunk when it has none.
    void EndText()
    {
        (m_chunk.lineEnds ? m_chunk.tailValues : m_chunk.headValues) = m_count;
        const char* textEnd = m_chunk.textEnd;
        m_chunk.endsLine = textEnd == m_chunk.begin ? m_chunk.previous == '\n' : textEnd[-1] == '\n';
    }

private:
    TextChunk& m_chunk;
    std::uint64_t m_carry;       // the byte before the block ends a token or starts the line
    std::uint64_t m_count = 0;   // values of the line so far

    void EndLine(std::uint64_t count, const char* next)
    {
        if (m_chunk.lineEnds++ == 0) {
            m_chunk.headValues = count;
            m_chunk.firstLineEnd = next;
        } else {
            m_chunk.widest = std::max(m_chunk.widest, count);
        }
        m_count = 0;
    }
};

// The counting pass, compiled once for each population count.
[[gnu::always_inline]] inline bool CountBlocks(TextChunk& chunk, CReadProgress& progress)
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
        counter.Add(m, LowBits(n), base);
        if (!checkpoint.At(base))
            return false;
    }
    counter.EndText();
    const std::size_t size = std::size_t(chunk.end - chunk.begin);
    chunk.utf8 = (chunk.textEnd == chunk.end && highBits == 0) || IsValidUtf8(chunk.begin, size);
    return checkpoint.Report(chunk.end);
}

// Where the pieces begin: the first line start of each chunk that has one
// before the text's end, with the row that begins there.
std::vector<LinePiece> PieceStarts(const std::vector<TextChunk>& chunks)
{
    std::vector<LinePiece> pieces;
    std::uint64_t row = 0;
    for (const TextChunk& c : chunks) {
        if (c.previous == '\n' && c.begin != c.textEnd)
            pieces.push_back({c.begin, nullptr, row, 0});
        else if (c.firstLineEnd && c.firstLineEnd != c.textEnd)
            pieces.push_back({c.firstLineEnd, nullptr, row + 1, 0});
        row += c.lineEnds;
    }
    return pieces;
}

// Each piece ends where the next begins, the last at the text's end.
void EndPieces(TextLines& lines, const char* textEnd)
{
    std::vector<LinePiece>& pieces = lines.pieces;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        pieces[i].end = last ? textEnd : pieces[i + 1].begin;
        pieces[i].rows = (last ? lines.rows : pieces[i + 1].firstRow) - pieces[i].firstRow;
    }
}

} // namespace

void SplitText(const char* begin, const char* end, std::size_t chunkBytes, std::vector<TextChunk>& chunks)
{
    chunkBytes = std::max<std::size_t>(chunkBytes, 1);
    for (const char* p = begin; p != end;) {
        const char* next = std::size_t(end - p) > chunkBytes ? p + chunkBytes : end;
        while (next != end && static_cast<unsigned char>(*next) >= 0x80)
            ++next;
        chunks.push_back({p, next, p == begin ? '\n' : p[-1]});
        p = next;
    }
}

bool CountChunkPortable(TextChunk& chunk, CReadProgress& progress)
{
    return CountBlocks(chunk, progress);
}

#if defined(__x86_64__) && !defined(__POPCNT__)
[[gnu::target("popcnt")]] bool CountChunkWithInstruction(TextChunk& chunk, CReadProgress& progress)
{
    return CountBlocks(chunk, progress);
}

bool HasPopulationCountInstruction()
{
    return __builtin_cpu_supports("popcnt");
}
#else
// Built for the instruction already, or for processors that need no choice: one way.
bool CountChunkWithInstruction(TextChunk& chunk, CReadProgress& progress)
{
    return CountBlocks(chunk, progress);
}

bool HasPopulationCountInstruction()
{
    return true;
}
#endif

bool CountChunk(TextChunk& chunk, CReadProgress& progress)
{
    static const auto count = HasPopulationCountInstruction() ? CountChunkWithInstruction : CountChunkPortable;
    return count(chunk, progress);
}

TextLines JoinCounts(const std::vector<TextChunk>& chunks)
{
    TextLines lines;
    std::uint64_t running = 0;   // values of the line that runs on from earlier chunks
    for (const TextChunk& c : chunks) {
        if (c.lineEnds == 0) {
            running += c.headValues;
            continue;
        }
        lines.widest = std::max({lines.widest, running + c.headValues, c.widest});
        lines.rows += c.lineEnds;
        running = c.tailValues;
    }
    if (!chunks.empty() && !chunks.back().endsLine) {
        ++lines.rows;
        lines.widest = std::max(lines.widest, running);
    }
    lines.pieces = PieceStarts(chunks);
    EndPieces(lines, chunks.empty() ? nullptr : chunks.back().textEnd);
    return lines;
}
