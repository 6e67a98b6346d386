#include "doc/SorvDoc.h"
#include "read/RowReader.h"
#include "support/ProcessTempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kTooFew = "the data has three cells or fewer (at least four are needed)";

struct ReadCase {
    const char* name;
    std::string text;
    int rows;                          // 0: the read must fail with kTooFew
    int cols;
    std::vector<std::string> labels;   // empty: not checked
    std::vector<double> values;        // the whole matrix in storage order
};

// Test names say enough; keep the byte dump of the case out of the listing.
void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

std::vector<ReadCase> Cases()
{
    using namespace std::string_literals;
    return {
        {"FourCellsRead", "A,1,2,3,4\n", 1, 4, {"A"}, {1, 2, 3, 4}},
        {"ThreeCellsNotRead", "A,1,2,3\n", 0, 0, {}, {}},
        {"FourLinesOfOneValue", Repeat("x,1\n", 4), 4, 1, {"x", "x", "x", "x"}, {1, 1, 1, 1}},
        {"ThreeLinesOfOneValue", Repeat("x,1\n", 3), 0, 0, {}, {}},
        {"LabelsOnly", "A\nB\nC\nD\nE\n", 0, 0, {}, {}},
        {"TwoCommasGiveZero", "A,1,,3\nB,4,5,6\n", 2, 3, {"A", "B"}, {1, 0, 3, 4, 5, 6}},
        {"BlankBeforeLineFeed", "A 1 2 \nB 4 5 6\n", 2, 3, {"A", "B"}, {1, 2, 0, 4, 5, 6}},
        {"BlankCommaBlank", "A , 1\nB,2,3\n", 2, 2, {"A", "B"}, {0, 1, 2, 3}},
        {"CommaThenBlanksIsOneSeparator", "A,  1,   2\nB   3  4\n", 2, 2, {"A", "B"}, {1, 2, 3, 4}},
        {"LeadingBlanks", "   A,1\n  B,2\nC,3\n D,4\n", 4, 1, {"A", "B", "C", "D"}, {1, 2, 3, 4}},
        {"CrLf", "A,1,2\r\nB,3,4\r\n", 2, 2, {"A", "B"}, {1, 2, 3, 4}},
        {"CrKeptInLabelOnlyLine", "L\r\nA,1,2\r\nB,3,4\r\n", 3, 2, {"L\r", "A", "B"}, {0, 0, 1, 2, 3, 4}},
        {"TabsDoNotSeparate", "A\t1\t2\nB\t3\t4\nC\t5\t6\n", 0, 0, {}, {}},
        {"LongestLineGivesColumns", "A,1,2\nB,1,2,3,4,5\nC,7,8\n", 3, 5, {"A", "B", "C"},
         {1, 2, 0, 0, 0, 1, 2, 3, 4, 5, 7, 8, 0, 0, 0}},
        {"EmptyAndBlankLinesAreRows", "A,1,2\n\n   \nB,3,4\n", 4, 2, {"A", "", "", "B"}, {1, 2, 0, 0, 0, 0, 3, 4}},
        {"LastLineWithoutLineFeed", "A,1,2\nB,3,4", 2, 2, {"A", "B"}, {1, 2, 3, 4}},
        {"LastLineEndsInComma", "A,1,2,3,", 1, 4, {"A"}, {1, 2, 3, 0}},
        {"OneByteWithoutLineFeed", "A", 0, 0, {}, {}},
        {"NulAtStart", "\0A,1,2,3,4\n"s, 0, 0, {}, {}},
        {"NulAfterLineFeedEndsText", "A,1,2\nB,3,4\n\0C,5,6\n"s, 2, 2, {"A", "B"}, {1, 2, 3, 4}},
        {"NulAfterCommaEndsText", "A,1,2\nB,3,\0,9,9,9\n"s, 2, 2, {"A", "B"}, {1, 2, 3, 0}},
        {"NulInsideTokenEndsText", "A,1,2\nB,34\0,5,6,7\n"s, 2, 2, {"A", "B"}, {1, 2, 34, 0}},
        {"NulInsideLabel", "A,1,2\nB,3,4\nC\0D,5,6\n"s, 3, 2, {"A", "B", "C"}, {1, 2, 3, 4, 0, 0}},
        {"ValuesAsAtof", "A,0x10,1e2,-.5\nB,+7,12abc,x\n", 2, 3, {"A", "B"}, {16, 100, -0.5, 7, 12, 0}},
        {"ByteOrderMarkDropped", "\xEF\xBB\xBF" "A,1,2\nB,3,4\n", 2, 2, {"A", "B"}, {1, 2, 3, 4}},
        {"ShiftJisLabels", "\x83\x41,1,2\n\x8A\xBF,3,4\n", 2, 2, {"\x83\x41", "\x8A\xBF"}, {1, 2, 3, 4}},
    };
}

class RowText : public testing::TestWithParam<ReadCase> {};

TEST_P(RowText, FollowsTheFormat)
{
    const ReadCase& c = GetParam();
    CSorvDoc doc;
    ReadFailure error;
    const bool ok = ReadText(doc, c.text, error);
    if (c.rows == 0) {
        EXPECT_FALSE(ok);
        EXPECT_EQ(error.text, kTooFew);
        EXPECT_TRUE(doc->IsEmpty());
        EXPECT_EQ(doc->m_nRows, 0);
        EXPECT_EQ(doc->m_nCols, 0);
        return;
    }
    ASSERT_TRUE(ok) << error.text;
    ASSERT_EQ(doc->m_nRows, c.rows);
    ASSERT_EQ(doc->m_nCols, c.cols);
    for (std::size_t i = 0; i < c.labels.size(); ++i)
        EXPECT_EQ(doc->m_pLabels[i], c.labels[i]) << "label " << i;
    ASSERT_EQ(c.values.size(), std::size_t(c.rows) * std::size_t(c.cols));
    for (std::size_t i = 0; i < c.values.size(); ++i)
        EXPECT_EQ(doc->m_pData[i], c.values[i]) << "cell " << i;
    // The region is the whole matrix; the range covers every cell.
    EXPECT_EQ(doc.m_nX1, 0);
    EXPECT_EQ(doc.m_nY1, 0);
    EXPECT_EQ(doc.m_nX2, c.cols - 1);
    EXPECT_EQ(doc.m_nY2, c.rows - 1);
    EXPECT_EQ(doc->m_dMin, *std::min_element(c.values.begin(), c.values.end()));
    EXPECT_EQ(doc->m_dMax, *std::max_element(c.values.begin(), c.values.end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, RowText, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(RowReader, RangeOfTheWholeMatrix)
{
    struct {
        const char* text;
        double min, max;
    } cases[] = {{"A,5,-2\nB,7,7\n", -2, 7}, {"A,3,3\nB,3,3\n", 3, 3}, {"A,-1,-9\nB,-4,1e300\n", -9, 1e300},
                 {"A,1,2,3\nB,4\n", 0, 4},    // a short line's missing cells take part
                 // values that are not finite stay in the matrix but not in the range
                 {"A,nan,2\nB,inf,-3\n", -3, 2}, {"A,nan,nan\nB,-inf,inf\n", 0, 0}};
    for (const auto& c : cases) {
        CSorvDoc doc;
        ReadFailure error;
        ASSERT_TRUE(ReadText(doc, c.text, error)) << c.text;
        EXPECT_EQ(doc->m_dMin, c.min) << c.text;
        EXPECT_EQ(doc->m_dMax, c.max) << c.text;
    }
}

TEST(RowReader, LongTokensAreCutTo127Bytes)
{
    const std::string longLabel(200, 'L');
    const std::string longValue = "1" + std::string(199, '0');
    CSorvDoc doc;
    ReadFailure error;
    ASSERT_TRUE(ReadText(doc, longLabel + "," + longValue + ",2\nB,3,4\n", error)) << error.text;
    EXPECT_EQ(doc->m_pLabels[0], std::string(127, 'L'));
    EXPECT_EQ(doc->m_pData[0], 1e126);
    EXPECT_EQ(doc->m_pData[1], 2);
}

TEST(RowReader, Utf8Detection)
{
    using namespace std::string_literals;
    struct {
        std::string text;
        bool utf8;
    } cases[] = {
        {"A,1,2\nB,3,4\n", true},
        {"\xC3\x84,1,2\n\xE3\x81\x82,3,4\n", true},          // Ä, あ
        {"\xF0\x9F\x98\x80,1,2\nB,3,4\n", true},              // four-byte form
        {"\xEF\xBB\xBF" "A,1,2\nB,3,4\n", true},              // byte-order mark
        {"\x83\x41,1,2\n\x8A\xBF,3,4\n", false},              // Shift-JIS
        {"\xC0\xAF,1,2\nB,3,4\n", false},                     // overlong
        {"\xED\xA0\x80,1,2\nB,3,4\n", false},                 // surrogate
        {"\xF4\x90\x80\x80,1,2\nB,3,4\n", false},             // above U+10FFFF
        {"A,1,2\nB,3,4\n\xE3\x81", false},                    // cut short at the end
        {"A,1,2\nB,3,4\n\0\x83\x41"s, false},                 // after a NUL still counts
    };
    for (const auto& c : cases) {
        CSorvDoc doc;
        ReadFailure error;
        ASSERT_TRUE(ReadText(doc, c.text, error)) << error.text;
        EXPECT_EQ(doc->m_bUtf8, c.utf8) << c.text;
    }
}

TEST(RowReader, TooLargeIsRefused)
{
    // 50,001 columns on the first line and 50,000 rows: 2.5e9 cells.
    const std::string text = "A" + std::string(50001, ',') + "\n" + std::string(49999, '\n');
    CSorvDoc doc;
    ReadFailure error;
    EXPECT_FALSE(ReadText(doc, text, error));
    EXPECT_NE(error.text.find("too large"), std::string::npos) << error.text;
    EXPECT_TRUE(doc->IsEmpty());
}

TEST(RowReader, FailedReadLeavesTheDocumentEmpty)
{
    CSorvDoc doc;
    ReadFailure error;
    ASSERT_TRUE(ReadText(doc, "A,1,2\nB,3,4\n", error));
    EXPECT_FALSE(ReadText(doc, "", error));
    EXPECT_EQ(error.text, "the file is empty");
    EXPECT_TRUE(doc->IsEmpty());
    EXPECT_EQ(doc->m_pLabels, nullptr);
    EXPECT_EQ(doc->m_nRows, 0);
    EXPECT_EQ(doc->m_nCols, 0);
    EXPECT_EQ(doc.m_nX1, 0);
    EXPECT_EQ(doc.m_nY1, 0);
    EXPECT_EQ(doc.m_nX2, -1);
    EXPECT_EQ(doc.m_nY2, -1);
}

// The format's rules, one byte at a time: the lines of tokens of a text.
std::vector<std::vector<std::string>> ReferenceLines(std::string text)
{
    text = text.substr(0, text.find('\0'));
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    std::vector<std::vector<std::string>> lines(1);
    std::size_t p = 0;
    while (p < text.size()) {
        while (text[p] == ' ')
            ++p;
        const std::size_t start = p;
        while (text[p] != ',' && text[p] != ' ' && text[p] != '\n')
            ++p;
        lines.back().push_back(text.substr(start, p - start).substr(0, 127));
        if (text[p++] == '\n')
            lines.emplace_back();
    }
    lines.pop_back();
    return lines;
}

std::string RandomText(std::mt19937& rng)
{
    static const char* const tokens[] = {"", "0", "-1", "2.5", "-0.00951385", "45087.29", "1234567890123456",
                                         "123456789012345.6", "1e5", "abc", "\x83\x41", "\t7", "8\t", "9\r",
                                         "0x1p3", "-inf", "12345678901234567890"};
    static const char* const separators[] = {",", " ", ", ", " ,", "   ", ",,"};
    std::string text;
    for (int lines = 1 + int(rng() % 30); lines > 0; --lines) {
        for (int n = int(rng() % 16); n >= 0; --n) {
            text += rng() % 40 == 0 ? std::string(120 + rng() % 20, '5') : tokens[rng() % std::size(tokens)];
            if (n > 0)
                text += separators[rng() % std::size(separators)];
        }
        text += rng() % 4 == 0 ? "\r\n" : "\n";
    }
    if (rng() % 4 == 0)
        text.pop_back();
    if (rng() % 8 == 0)
        text.insert(rng() % text.size(), 1, '\0');
    return text;
}

// Random texts read as the plain byte-by-byte rules say, in one chunk and in
// many small ones on several threads.
TEST(RowReader, RandomTextsFollowTheRules)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        const std::string text = RandomText(rng);
        const auto lines = ReferenceLines(text);
        std::size_t cols = 0;
        for (const auto& line : lines)
            cols = std::max(cols, line.size() - 1);
        ReadOptions options;
        if (i % 2) {
            options.threads = 3;
            options.chunkBytes = 1 + rng() % 40;
        }
        CSorvDoc doc;
        ReadFailure error;
        const bool ok = ReadText(doc, text, error, options);
        ASSERT_EQ(ok, lines.size() * cols >= 4) << text;
        if (!ok)
            continue;
        ASSERT_EQ(std::size_t(doc->m_nRows), lines.size());
        ASSERT_EQ(std::size_t(doc->m_nCols), cols);
        for (std::size_t r = 0; r < lines.size(); ++r) {
            ASSERT_EQ(doc->m_pLabels[r], lines[r][0]) << text;
            for (std::size_t c = 0; c < cols; ++c) {
                const double expected = c + 1 < lines[r].size() ? std::strtod(lines[r][c + 1].c_str(), nullptr) : 0.0;
                ASSERT_EQ(doc->m_pData[r * cols + c], expected) << "row " << r << " col " << c << " of\n" << text;
            }
        }
    }
}

class RowFile : public testing::Test {
protected:
    std::filesystem::path dir = ProcessTempDir("sorv-doc-test");

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

TEST_F(RowFile, ReadsLikeTextAndTakesTheBaseNameAsTitle)
{
    CSorvDoc doc;
    ReadFailure error;
    ASSERT_TRUE(ReadFile(doc, Write("data.csv", "A,1,2\nB,3,4"), error)) << error.text;
    EXPECT_EQ(doc.GetTitle(), "data.csv");
    EXPECT_EQ(doc->m_nRows, 2);
    EXPECT_EQ(doc->m_nCols, 2);
    EXPECT_EQ(doc->m_pData[3], 4);
}

TEST_F(RowFile, FailuresSayWhy)
{
    struct {
        std::string path;
        std::string text;
        ReadError code;
        int errorNumber;
    } cases[] = {
        {(dir / "missing.csv").string(), "cannot open: No such file or directory", ReadError::CannotOpen, ENOENT},
        {dir.string(), "cannot open: Is a directory", ReadError::CannotOpen, EISDIR},
        {Write("empty.csv", ""), "the file is empty", ReadError::Empty, 0},
        {Write("small.csv", "A,1,2,3\n"), kTooFew, ReadError::TooFewCells, 0},
    };
    for (const auto& c : cases) {
        CSorvDoc doc;
        ReadFailure error;
        EXPECT_FALSE(ReadFile(doc, c.path, error)) << c.path;
        EXPECT_EQ(error.text, c.text) << c.path;
        EXPECT_EQ(error.code, c.code) << c.path;
        EXPECT_EQ(error.errorNumber, c.errorNumber) << c.path;
        EXPECT_TRUE(doc->IsEmpty());
        // A later successful read forgets the failure.
        EXPECT_TRUE(ReadText(doc, "A,1,2\nB,3,4\n", error));
        EXPECT_EQ(error.code, ReadError::None);
    }
}

} // namespace
