// The threaded reader gives the single-threaded reader's document, bit for
// bit, whatever the threads and wherever the chunk boundaries fall: inside
// labels, multi-byte characters, CRLF pairs, long lines and long tokens.

#include "doc/SorvDoc.h"
#include "read/RowReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {

std::uint64_t Bits(double v)
{
    return std::bit_cast<std::uint64_t>(v);
}

// A document read and why its read failed.
struct Read {
    CSorvDoc doc;
    ReadFailure failure;

    Read(const std::string& text, unsigned threads, std::size_t chunkBytes)
    {
        ReadText(doc, text, failure, {.threads = threads, .chunkBytes = chunkBytes});
    }
};

void ExpectSameDocument(const Read& expectedRead, const Read& actualRead, const std::string& text)
{
    ASSERT_EQ(actualRead.failure.code, expectedRead.failure.code) << text;
    const CSorvDoc& expected = expectedRead.doc;
    const CSorvDoc& actual = actualRead.doc;
    ASSERT_EQ(actual->m_nRows, expected->m_nRows) << text;
    ASSERT_EQ(actual->m_nCols, expected->m_nCols) << text;
    EXPECT_EQ(actual->m_bUtf8, expected->m_bUtf8) << text;
    EXPECT_EQ(Bits(actual->m_dMin), Bits(expected->m_dMin)) << text;
    EXPECT_EQ(Bits(actual->m_dMax), Bits(expected->m_dMax)) << text;
    for (int r = 0; r < expected->m_nRows; ++r)
        ASSERT_EQ(actual->m_pLabels[r], expected->m_pLabels[r]) << "row " << r << " of\n" << text;
    const std::size_t cells = std::size_t(expected->m_nRows) * std::size_t(expected->m_nCols);
    for (std::size_t i = 0; i < cells; ++i)
        ASSERT_EQ(Bits(actual->m_pData[i]), Bits(expected->m_pData[i])) << "cell " << i << " of\n" << text;
}

std::string Pick(std::mt19937& rng, std::initializer_list<const char*> choices)
{
    return *(choices.begin() + rng() % choices.size());
}

std::string RandomLabel(std::mt19937& rng)
{
    if (rng() % 30 == 0)   // long, cut at 127 bytes, maybe inside a character
        return rng() % 2 ? std::string(200, 'L') : [] {
            std::string s;
            for (int i = 0; i < 60; ++i)
                s += "\xE3\x81\x82";   // あ
            return s;
        }();
    return Pick(rng, {"", "A", "r12", "series-7", "\xE3\x81\x82\xE3\x81\x84", "\xC3\x84x", "\x83\x41\x83\x43",
                      "\xF0\x9F\x98\x80", "L\r", "\t", "-3"});
}

std::string RandomValue(std::mt19937& rng)
{
    if (rng() % 40 == 0)
        return std::string(120 + rng() % 20, '5');
    return Pick(rng, {"", "0", "-0", "0.0", "-0.0", "1", "-1", "2.5", "-0.00951385", "45087.29", "1234567890123456",
                      "123456789012345.6", "1e5", "-2.5E-3", "abc", "\x83\x41", "\xE2\x82\xAC" "5", "\t7", "8\t",
                      "0x1p3", "-inf", "nan", "1e400", "12345678901234567890", "3.", ".5", "+4"});
}

// Lines of a label and values with every separator; CRLF, blank and empty
// lines, long lines; now and then a byte-order mark, a NUL or no final LF.
std::string RandomDocument(std::mt19937& rng)
{
    std::string text = rng() % 8 == 0 ? "\xEF\xBB\xBF" : "";
    for (int lines = 1 + int(rng() % 40); lines > 0; --lines) {
        const int kind = int(rng() % 20);
        if (kind == 0) {
            text += std::string(rng() % 4, ' ');
        } else {
            text += std::string(rng() % 3 == 0 ? rng() % 3 : 0, ' ') + RandomLabel(rng);
            const int values = kind == 1 ? 300 + int(rng() % 300) : int(rng() % 12);
            for (int v = 0; v < values; ++v)
                text += Pick(rng, {",", " ", ", ", " ,", "   ", ",,"}) + RandomValue(rng);
        }
        text += rng() % 4 == 0 ? "\r\n" : "\n";
    }
    if (rng() % 5 == 0)
        text.pop_back();
    if (rng() % 10 == 0)
        text.insert(rng() % text.size(), 1, '\0');
    return text;
}

TEST(ThreadedRead, SameDocumentForAnyThreadsAndChunks)
{
    struct {
        unsigned threads;
        std::size_t chunkBytes;   // 0: random, 1 to 200
    } configs[] = {{2, 1}, {3, 5}, {4, 17}, {2, 64}, {3, 0}};
    std::mt19937 rng(2024);
    for (int i = 0; i < 600; ++i) {
        const std::string text = RandomDocument(rng);
        const Read single(text, 1, std::size_t(1) << 30);
        for (const auto& config : configs) {
            const std::size_t chunkBytes = config.chunkBytes ? config.chunkBytes : 1 + rng() % 200;
            SCOPED_TRACE("threads " + std::to_string(config.threads) + ", chunks of " + std::to_string(chunkBytes));
            ExpectSameDocument(single, Read(text, config.threads, chunkBytes), text);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}

// -0 and 0 compare equal: the range keeps the first of them in storage
// order, whichever chunk or thread reads it.
TEST(ThreadedRead, SignedZerosKeepTheirOrder)
{
    struct {
        const char* text;
        bool negativeMin, negativeMax;
    } cases[] = {{"A,-0,0\nB,0,-0\nC,0,0\nD,-0,-0\n", true, true},
                 {"A,0,-0\nB,-0,0\nC,-0,-0\n", false, false},
                 {"A,5\nB,-0,-0\nC,-0,-0\n", false, false},   // the 0 that fills A's row comes first
                 {"A,-3,-0\nB\nC,0,-4\n", true, true}};
    for (const auto& c : cases)
        for (std::size_t chunkBytes : {std::size_t(1) << 30, std::size_t(1), std::size_t(6)}) {
            const CSorvDoc doc = Read(c.text, 3, chunkBytes).doc;
            EXPECT_EQ(std::signbit(doc->m_dMin), c.negativeMin) << c.text << " in chunks of " << chunkBytes;
            EXPECT_EQ(std::signbit(doc->m_dMax), c.negativeMax) << c.text << " in chunks of " << chunkBytes;
        }
}

// Documents of a few megabytes in chunks of a few kilobytes: many chunks,
// many boundaries, the threads taking chunks in an order that varies by run.
TEST(ThreadedRead, SameDocumentForLargeTexts)
{
    std::mt19937 rng(99);
    for (int i = 0; i < 4; ++i) {
        std::string text;
        while (text.size() < (std::size_t(2) << 20))
            text += RandomDocument(rng) + "\n";
        text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
        const Read single(text, 1, std::size_t(1) << 30);
        ASSERT_GT(single.doc->m_nRows, 5000);
        ExpectSameDocument(single, Read(text, 4, 4096 + rng() % 4096), "(large text)");
        ExpectSameDocument(single, Read(text, 0, 65536), "(large text)");
    }
}

} // namespace
