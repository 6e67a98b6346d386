// The importer on the shapes of files that loggers, instruments and
// spreadsheets write, each against a matrix and labels derived by hand.

#include "doc/SorvDoc.h"
#include "read/ImportDetect.h"
#include "read/Importer.h"
#include "read/RowReader.h"
#include "support/TestDoc.h"

#include "support/RepeatText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

const double M = std::nan("");   // a missing value in the expected matrices

struct ImportCase {
    const char* name;
    std::string text;
    std::optional<ImportOptions> options;       // none: as detected
    int rows, cols;
    std::vector<std::string> labels;
    std::vector<std::string> columnLabels;      // empty: none kept
    std::vector<double> values;                 // the whole matrix in storage order
    std::vector<ImportWarning::Kind> warnings;
    std::vector<long long> warningLines;
    bool utf8 = true;
    std::vector<double> x = {};                 // empty: none
};

void PrintTo(const ImportCase& c, std::ostream* os)
{
    *os << c.name;
}

ImportOptions Columns(ImportDelimiter d, FirstColumn first = FirstColumn::Labels)
{
    ImportOptions o;
    o.columns = true;
    o.header = true;
    o.delimiter = d;
    o.firstColumn = first;
    return o;
}

ImportOptions Rows(ImportDelimiter d, FirstColumn first = FirstColumn::Labels)
{
    ImportOptions o;
    o.delimiter = d;
    o.firstColumn = first;
    return o;
}

ImportOptions With(ImportOptions o, int skip, char comment)
{
    o.skip = skip;
    o.comment = comment;
    return o;
}

using K = ImportWarning::Kind;

std::vector<ImportCase> Cases()
{
    using namespace std::string_literals;
    const ImportOptions comma = Rows(ImportDelimiter::Comma);
    return {
        {"LoggerCsvWithHeader",
         "time,temp,humidity,pressure\n0,21.5,40.1,1013.2\n10,21.75,40.3,1013.1\n20,22,40.0,1012.9\n", {}, 3, 3,
         {"temp", "humidity", "pressure"}, {}, {21.5, 21.75, 22, 40.1, 40.3, 40.0, 1013.2, 1013.1, 1012.9}, {}, {}, true,
         {0, 10, 20}},
        {"SpreadsheetSemicolonExport",
         "\xEF\xBB\xBF\"Datum\";\"Messwert A\";\"Messwert B\"\r\n\"01.02.2024\";\"1,5\";-2,25\r\n"
         "\"02.02.2024\";;1.000,5\r\n\"03.02.2024\";\"3,0\";\"n/a\"\r\n",
         {}, 2, 3, {"Messwert A", "Messwert B"}, {"01.02.2024", "02.02.2024", "03.02.2024"},
         {1.5, M, 3.0, -2.25, M, M}, {}, {}},
        {"TabSeparated", "x\ty1\ty2\n1\t0.5\t-1\n2\t0.25\t-2\n3\t0.125\t-3\n", {}, 2, 3, {"y1", "y2"}, {},
         {0.5, 0.25, 0.125, -1, -2, -3}, {}, {}, true, {1, 2, 3}},
        {"CrLfRows", "A,1,2\r\nB,3,4\r\n", {}, 2, 2, {"A", "B"}, {}, {1, 2, 3, 4}, {}, {}},
        {"CrOnlyLineEnds", "A,1,2\rB,3,4\rC,5,6", {}, 3, 2, {"A", "B", "C"}, {}, {1, 2, 3, 4, 5, 6}, {}, {}},
        {"ByteOrderMarkDropped", "\xEF\xBB\xBF" "A,1,2\nB,3,4\n", {}, 2, 2, {"A", "B"}, {}, {1, 2, 3, 4}, {}, {}},
        {"ShiftJisHeaderNames", "\x8E\x9E\x8D\x8F,\x89\xB7\x93\x78,\x8E\xBC\x93\x78\n1,20.5,60\n2,21,61\n", {}, 2, 2,
         {"\x89\xB7\x93\x78", "\x8E\xBC\x93\x78"}, {}, {20.5, 21, 60, 61}, {}, {}, false, {1, 2}},
        {"Utf8HeaderNames", "時刻,温度,湿度\n1,20.5,60\n2,21,61\n", {}, 2, 2, {"温度", "湿度"}, {},
         {20.5, 21, 60, 61}, {}, {}, true, {1, 2}},
        {"RaggedLinesPadded", "t,a,b,c\n1,1,2,3\n2,4\n3,5,6\n4,7,8,9\n", {}, 3, 4, {"a", "b", "c"}, {},
         {1, 4, 5, 7, 2, M, 6, 8, 3, M, M, 9}, {K::RaggedLines}, {3}, true, {1, 2, 3, 4}},
        {"EmptyAndTextCellsMissing", "A,1,,3\nB,x,12abc, 4 \nC,\"\",nan,-0\n", comma, 3, 3, {"A", "B", "C"}, {},
         {1, M, 3, M, M, 4, M, M, -0.0}, {}, {}},
        {"QuotedLabelWithDelimiterAndBreak", "\"Sensor A, left\",1,2\n\"two\nlines\",3,4\n\"say \"\"hi\"\"\",5,6\n",
         comma, 3, 2, {"Sensor A, left", "two\nlines", "say \"hi\""}, {}, {1, 2, 3, 4, 5, 6}, {}, {}},
        {"QuotedNumbersAndBlanks", "A, \" 1.5 \" , +2, \"-3e2\"\nB,4,5,6\n", comma, 2, 3, {"A", "B"}, {},
         {1.5, 2, -300, 4, 5, 6}, {}, {}},
        {"UnterminatedQuoteReadToTheEnd", "A,1,2\nB,3,4\nC,\"5,6\nD,7,8\n", comma, 3, 2, {"A", "B", "C"}, {},
         {1, 2, 3, 4, M, M}, {K::RaggedLines, K::UnterminatedQuote}, {3, 3}},
        {"SkipAndCommentLines", "Logger 7 export\nserial \"X\n# t,v\nt,v,w\n1,2,3\n# pause\n\n2,4,5\n3,8,9\n",
         With(Columns(ImportDelimiter::Comma), 2, '#'), 2, 3, {"v", "w"}, {"1", "2", "3"}, {2, 4, 8, 3, 5, 9}, {},
         {}},
        {"CommentOff", "#1,2,3\n#3,4,5\n", With(comma, 0, '\0'), 2, 2, {"#1", "#3"}, {}, {2, 3, 4, 5}, {}, {}},
        {"BlankRunsSeparate", "  A   1  2\t3 \nB 4 5 6\n", Rows(ImportDelimiter::Blank), 2, 3, {"A", "B"}, {},
         {1, 2, 3, 4, 5, 6}, {}, {}},
        {"BlankRunsWithQuotes", "\"A B\" 1 \"2\"\n\"C\"  3   4\n", Rows(ImportDelimiter::Blank), 2, 2, {"A B", "C"},
         {}, {1, 2, 3, 4}, {}, {}},
        {"RowsWithHeaderNameColumns", "Region,Q1,Q2\nNorth,1,2\nSouth,3,4\n",
         [] { ImportOptions o = Rows(ImportDelimiter::Comma); o.header = true; return o; }(), 2, 2,
         {"North", "South"}, {"Q1", "Q2"}, {1, 2, 3, 4}, {}, {}},
        {"FirstColumnData", "a,b\n1,2\n3,4\n", Columns(ImportDelimiter::Comma, FirstColumn::Data), 2, 2, {"a", "b"},
         {}, {1, 3, 2, 4}, {}, {}},
        {"FirstColumnSkipped", "t,a,b\n10,1,2\n20,3,4\n", Columns(ImportDelimiter::Comma, FirstColumn::Skip), 2, 2,
         {"a", "b"}, {}, {1, 3, 2, 4}, {}, {}},
        {"PlainGridWithoutLabels", "1 2 3\n4 5 6\n", Rows(ImportDelimiter::Blank, FirstColumn::Data), 2, 3,
         {"", ""}, {}, {1, 2, 3, 4, 5, 6}, {}, {}},
        {"HeaderShorterThanData", "t,a\n1,2,3\n2,4,5\n", Columns(ImportDelimiter::Comma), 2, 2, {"a", ""},
         {"1", "2"}, {2, 4, 3, 5}, {K::UnnamedSeries}, {1}},
        {"HeaderLongerThanData", "t,a,b,c\n1,2\n2,4\n", Columns(ImportDelimiter::Comma), 3, 2, {"a", "b", "c"},
         {"1", "2"}, {2, 4, M, M, M, M}, {}, {}},
        {"DecimalCommaWithTabs", "a\tb\n1,5\t2,5\n3,25\t-4,0\n",
         [] { ImportOptions o = Columns(ImportDelimiter::Tab, FirstColumn::Data); o.decimalComma = true; return o; }(),
         2, 2, {"a", "b"}, {}, {1.5, 3.25, 2.5, -4}, {}, {}},
        {"TrailingDelimiterIsAnEmptyCell", "A,1,2,\nB,3,4,\n", comma, 2, 3, {"A", "B"}, {}, {1, 2, M, 3, 4, M}, {}, {}},
        {"LastLineWithoutLineEnd", "A;1;2\nB;3;4", Rows(ImportDelimiter::Semicolon), 2, 2, {"A", "B"}, {},
         {1, 2, 3, 4}, {}, {}},
    };
}

void ExpectCell(double actual, double expected, std::size_t i)
{
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << "cell " << i << " is " << actual;
    } else {
        EXPECT_EQ(actual, expected) << "cell " << i;
        EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << "cell " << i;
    }
}

class ImportTable : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportTable, GivesTheMatrixAndLabels)
{
    const ImportCase& c = GetParam();
    const ImportOptions options = c.options ? *c.options : DetectImport(c.text).options;
    CImporter importer(options);
    CSorvDoc doc;
    ASSERT_TRUE(importer.Import(c.text, doc)) << importer.GetFailure().text;
    ASSERT_EQ(doc->m_nRows, c.rows);
    ASSERT_EQ(doc->m_nCols, c.cols);
    ASSERT_EQ(c.labels.size(), std::size_t(c.rows));
    for (int r = 0; r < c.rows; ++r)
        EXPECT_EQ(doc->m_pLabels[r], c.labels[r]) << "label " << r;
    ASSERT_EQ(doc->m_columnLabels.Count(), c.columnLabels.size());
    for (std::size_t i = 0; i < c.columnLabels.size(); ++i)
        EXPECT_EQ(doc->m_columnLabels.Label(i), c.columnLabels[i]) << "column label " << i;
    EXPECT_EQ(doc->m_x.Values(), c.x);
    ASSERT_EQ(c.values.size(), std::size_t(c.rows) * std::size_t(c.cols));
    int missing = 0;
    double min = INFINITY, max = -INFINITY;
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        ExpectCell(CellAt(doc.Data(), i), c.values[i], i);
        missing += std::isnan(c.values[i]);
        if (!std::isnan(c.values[i])) {
            min = std::min(min, c.values[i]);
            max = std::max(max, c.values[i]);
        }
    }
    EXPECT_EQ(doc->m_nMissing, missing);
    EXPECT_EQ(doc->m_dMin, min);
    EXPECT_EQ(doc->m_dMax, max);
    EXPECT_EQ(doc.m_nX1, 0);
    EXPECT_EQ(doc.m_nY1, 0);
    EXPECT_EQ(doc.m_nX2, c.cols - 1);
    EXPECT_EQ(doc.m_nY2, c.rows - 1);
    EXPECT_EQ(doc->m_bUtf8, c.utf8);
    ASSERT_EQ(importer.GetWarnings().size(), c.warnings.size());
    for (std::size_t i = 0; i < c.warnings.size(); ++i) {
        EXPECT_EQ(importer.GetWarnings()[i].kind, c.warnings[i]) << importer.GetWarnings()[i].text;
        EXPECT_EQ(importer.GetWarnings()[i].line, c.warningLines[i]) << importer.GetWarnings()[i].text;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ImportTable, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

TEST(Import, BadInputSaysWhyAndLeavesTheDocument)
{
    using namespace std::string_literals;
    struct {
        std::string text;
        ImportOptions options;
        ReadError code;
        std::string why;
    } cases[] = {
        {"", Rows(ImportDelimiter::Comma), ReadError::Empty, "the file is empty"},
        {"time,temp,humidity\n", Columns(ImportDelimiter::Comma), ReadError::HeaderOnly,
         "the file has a header line but no data lines"},
        {"time,temp\n\n# nothing yet\n", Columns(ImportDelimiter::Comma), ReadError::HeaderOnly,
         "the file has a header line but no data lines"},
        {"a,b,c\nd,e,f\n", Rows(ImportDelimiter::Comma), ReadError::NoNumbers, "no cell of the file is a number"},
        {"A\nB\nC\nD\nE\n", Rows(ImportDelimiter::Comma), ReadError::NoNumbers, "no cell of the file is a number"},
        {"# only a comment\n\n", Rows(ImportDelimiter::Comma), ReadError::NoNumbers,
         "no cell of the file is a number"},
        {"t,v\n1,2\n2,3\n3,4\n", Columns(ImportDelimiter::Comma), ReadError::TooFewCells,
         "the data has three cells or fewer (at least four are needed)"},
        {"\xFF\xFEt\0,\0v\0"s, Rows(ImportDelimiter::Comma), ReadError::Utf16,
         "the file is UTF-16 text: save it as UTF-8 or Shift-JIS"},
        {"A" + std::string(50001, ',') + "\n" + Repeat("B\n", 50000), Rows(ImportDelimiter::Comma),
         ReadError::TooLarge, "the data is too large: 50001 rows x 50001 columns (at most 2147483647 cells)"},
    };
    for (const auto& c : cases) {
        CSorvDoc doc;
        ReadFailure error;
        ASSERT_TRUE(ReadText(doc, "A,1,2\nB,3,4\n", error));
        CImporter importer(c.options);
        EXPECT_FALSE(importer.Import(c.text, doc)) << c.text;
        EXPECT_EQ(importer.GetFailure().code, c.code) << c.text;
        EXPECT_EQ(importer.GetFailure().text, c.why) << c.text;
        // The document keeps what it had.
        EXPECT_EQ(doc->m_nRows, 2);
        EXPECT_EQ(CellAt(doc.Data(), 3), 4);
    }
}

// Equal values differ only in the sign of zero: a bound that is zero is the
// zero met first in storage order, however many pieces the text is read in.
TEST(Import, ZeroBoundIsTheFirstZeroInStorageOrder)
{
    const struct {
        std::string text;
        ImportOptions options;
        double min, max;
    } cases[] = {
        {"t,a,b\n1,1,-0\n2,0,1\n", Columns(ImportDelimiter::Comma), 0.0, 1.0},
        {"t,a,b\n1,-1,0\n2,-0,-1\n", Columns(ImportDelimiter::Comma), -1.0, -0.0},
        {"A,-0,0\nB,0,-0\n", Rows(ImportDelimiter::Comma), -0.0, -0.0},
        {"A,0,-0\nB,-0,0\n", Rows(ImportDelimiter::Comma), 0.0, 0.0},
    };
    for (const auto& c : cases) {
        for (unsigned pieces = 1; pieces <= 3; ++pieces) {
            CImporter importer(c.options, pieces, 2);
            CSorvDoc doc;
            ASSERT_TRUE(importer.Import(c.text, doc)) << c.text;
            EXPECT_EQ(doc->m_dMin, c.min) << c.text;
            EXPECT_EQ(std::signbit(doc->m_dMin), std::signbit(c.min)) << c.text << " in " << pieces << " pieces";
            EXPECT_EQ(doc->m_dMax, c.max) << c.text;
            EXPECT_EQ(std::signbit(doc->m_dMax), std::signbit(c.max)) << c.text << " in " << pieces << " pieces";
        }
    }
}

TEST(Import, AutomaticDelimiterIsResolved)
{
    const struct {
        std::string text;
        ImportDelimiter delimiter;
    } cases[] = {
        {"A,1,2\nB,3,4\n", ImportDelimiter::Comma},
        {"A;1;2\nB;3;4\n", ImportDelimiter::Semicolon},
        {"A\t1\t2\nB\t3\t4\n", ImportDelimiter::Tab},
        {"A 1  2\nB 3 4\n", ImportDelimiter::Blank},
    };
    CImporter importer(Rows(ImportDelimiter::Auto));   // one importer for all: each text detected anew
    for (const auto& c : cases) {
        CSorvDoc doc;
        ASSERT_TRUE(importer.Import(c.text, doc)) << c.text;
        EXPECT_EQ(importer.GetOptions().delimiter, c.delimiter) << c.text;
        EXPECT_EQ(doc->m_nCols, 2) << c.text;
        EXPECT_EQ(CellAt(doc.Data(), 3), 4) << c.text;
    }
}

} // namespace
