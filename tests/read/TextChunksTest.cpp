// The counting pass over chunks cut anywhere: both population counts give
// the same counts, and the joined counts give the text's shape and pieces
// of whole lines, whatever the chunk size.

#include "read/ReadProgress.h"
#include "read/TextChunks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Bytes that the count tells apart, and some that it does not.
std::string RandomText(std::mt19937& rng, std::size_t size)
{
    static const char bytes[] = {',', ' ', ' ', '\n', 'a', '1', '.', '\xC3', '\x84', '\r'};
    std::string text;
    while (text.size() < size)
        text += rng() % 500 == 0 ? '\0' : bytes[rng() % sizeof bytes];
    return text;
}

std::vector<TextChunk> Counted(const std::string& text, std::size_t chunkBytes, bool (*count)(TextChunk&, CReadProgress&))
{
    std::vector<TextChunk> chunks;
    SplitText(text.data(), text.data() + text.size(), chunkBytes, chunks);
    CReadProgress progress;
    for (TextChunk& c : chunks)
        EXPECT_TRUE(count(c, progress));
    const auto last = std::find_if(chunks.begin(), chunks.end(), [](const TextChunk& c) { return c.textEnd != c.end; });
    if (last != chunks.end())
        chunks.erase(last + 1, chunks.end());
    return chunks;
}

// Rows and the widest line of text up to its first NUL, a line at a time.
TextLines LineByLine(const std::string& text)
{
    TextLines lines;
    const std::string body = text.substr(0, text.find('\0'));
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t lineFeed = std::min(body.find('\n', start), body.size());
        std::uint64_t values = 0;
        for (std::size_t i = start; i < lineFeed; ++i) {
            const char before = i == start ? '\n' : body[i - 1];
            values += body[i] == ',' || (body[i] == ' ' && before != ',' && before != ' ' && before != '\n');
        }
        ++lines.rows;
        lines.widest = std::max(lines.widest, values);
        start = lineFeed + 1;
    }
    return lines;
}

TEST(TextChunks, BothPopulationCountsGiveTheSameCounts)
{
    if (!HasPopulationCountInstruction())
        GTEST_SKIP() << "the processor has no population count instruction";
    std::mt19937 rng(17);
    for (int i = 0; i < 200; ++i) {
        const std::string text = RandomText(rng, 1 + rng() % 3000);
        const std::size_t chunkBytes = 1 + rng() % 300;
        const std::vector<TextChunk> a = Counted(text, chunkBytes, CountChunkPortable);
        const std::vector<TextChunk> b = Counted(text, chunkBytes, CountChunkWithInstruction);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].textEnd, b[k].textEnd);
            EXPECT_EQ(a[k].firstLineEnd, b[k].firstLineEnd);
            EXPECT_EQ(a[k].lineEnds, b[k].lineEnds);
            EXPECT_EQ(a[k].headValues, b[k].headValues);
            EXPECT_EQ(a[k].tailValues, b[k].tailValues);
            EXPECT_EQ(a[k].widest, b[k].widest);
            EXPECT_EQ(a[k].endsLine, b[k].endsLine);
            EXPECT_EQ(a[k].utf8, b[k].utf8);
        }
    }
}

// Chunks never begin inside a character; the pieces follow one another
// from the start to the end of the text, each beginning a line, with the
// row that begins there.
TEST(TextChunks, JoinedCountsGiveTheShapeAndPiecesOfWholeLines)
{
    std::mt19937 rng(29);
    for (int i = 0; i < 300; ++i) {
        const std::string text = RandomText(rng, 1 + rng() % 2000) + (rng() % 2 ? "\n" : "");
        const std::size_t chunkBytes = 1 + rng() % (rng() % 2 ? 20 : 500);
        SCOPED_TRACE("chunks of " + std::to_string(chunkBytes));
        const std::vector<TextChunk> chunks = Counted(text, chunkBytes, CountChunk);
        for (std::size_t k = 1; k < chunks.size(); ++k)
            EXPECT_LT(static_cast<unsigned char>(*chunks[k].begin), 0x80);
        const TextLines expected = LineByLine(text), lines = JoinCounts(chunks);
        EXPECT_EQ(lines.rows, expected.rows);
        EXPECT_EQ(lines.widest, expected.widest);
        const char* at = text.data();
        std::uint64_t row = 0;
        for (const LinePiece& piece : lines.pieces) {
            EXPECT_EQ(piece.begin, at);
            EXPECT_TRUE(piece.begin == text.data() || piece.begin[-1] == '\n');
            EXPECT_EQ(piece.firstRow, row);
            EXPECT_EQ(piece.rows, LineByLine(std::string(piece.begin, piece.end)).rows);
            at = piece.end;
            row += piece.rows;
        }
        EXPECT_EQ(std::size_t(at - text.data()), lines.rows ? std::min(text.find('\0'), text.size()) : 0);
        EXPECT_EQ(row, lines.rows);
    }
}

} // namespace
