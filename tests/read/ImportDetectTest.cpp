// What detection makes of the first lines of typical files, and which of them
// are offered the import dialog instead of opening directly.

#include "read/ImportDetect.h"

#include "support/RepeatText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using D = ImportDelimiter;
using F = FirstColumn;

struct DetectCase {
    const char* name;
    std::string text;
    D delimiter;
    bool header;          // also the orientation: columns exactly when a header is found
    F firstColumn;
    bool decimalComma;
    LineEnd lineEnd;
    bool needsDialog;
};

void PrintTo(const DetectCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<DetectCase> Cases()
{
    const LineEnd lf = LineEnd::Lf;
    return {
        {"LoggerCsv", "time,temp,humidity,pressure\n0,21.5,40,1013\n10,21.6,41,1012\n", D::Comma, true, F::X,
         false, lf, true},
        {"RowFormatCommas", "A,1,2,3\nB,4,5,6\n", D::Comma, false, F::Labels, false, lf, false},
        {"RowFormatBlanks", "A 1 2 3\nB  4 5 6\n", D::Blank, false, F::Labels, false, lf, false},
        {"RowFormatMixedSeparators", "A,1,2\nB 3 4\nC,5,6\n", D::Comma, false, F::Labels, false, lf, false},
        {"NumbersOnlyGrid", "1 2 3\n4 5 6\n7 8 9\n", D::Blank, false, F::Labels, false, lf, false},
        {"RowFormatCrLf", "A,1,2\r\nB,3,4\r\n", D::Comma, false, F::Labels, false, LineEnd::CrLf, false},
        {"RowFormatCrOnly", "A,1,2\rB,3,4\r", D::Comma, false, F::Labels, false, LineEnd::Cr, true},
        {"SemicolonDecimalComma", "Zeit;Temp;Druck\n0;21,5;1013,2\n1;21,6;1013,1\n", D::Semicolon, true, F::X,
         true, lf, true},
        {"SemicolonPointDecimals", "A;1.5;2\nB;3,25;4.5\n", D::Semicolon, false, F::Labels, false, lf, true},
        {"TabsWithoutHeader", "A\t1\t2\nB\t3\t4\n", D::Tab, false, F::Labels, false, lf, true},
        {"QuotedLabels", "\"Sensor A\",1,2\n\"Sensor B\",3,4\n", D::Comma, false, F::Labels, false, lf, true},
        {"QuotedSemicolonInComma", "\"a;b\",1,2\n\"c;d\",3,4\n\"e\",5,6\n", D::Comma, false, F::Labels, false, lf,
         true},
        {"UnnamedIndexColumn", ",a,b\n0,1,2\n1,3,4\n", D::Comma, true, F::X, false, lf, true},
        {"FirstColumnNotRising", "a,b,c\n5,1,2\n3,2,3\n4,4,4\n", D::Comma, true, F::Data, false, lf, true},
        {"FirstColumnDates", "date,v,w\n2024-01-01,1,2\n2024-01-02,3,4\n", D::Comma, true, F::X, false, lf, true},
        {"HeaderOnly", "time,temp\n", D::Comma, true, F::Labels, false, lf, true},
        {"RaggedWithHeader", "t,a,b\n1,1,2\n2,3\n3,4,5\n", D::Comma, true, F::X, false, lf, true},
        {"CommentAboveRows", "# exported\nA,1,2\nB,3,4\n", D::Comma, false, F::Labels, false, lf, true},
        {"NumberNamesAreNoHeader", "nm,400,500\nA,1,2\nB,3,4\n", D::Comma, false, F::Labels, false, lf, false},
        // Only the first 50 lines count: later lines of another shape change nothing.
        {"OnlyTheFirstLinesCount", Repeat("A,1,2\n", 50) + Repeat("x;y;z;w\n", 1000), D::Comma, false, F::Labels,
         false, lf, false},
    };
}

class Detect : public testing::TestWithParam<DetectCase> {};

TEST_P(Detect, FindsTheOptions)
{
    const DetectCase& c = GetParam();
    const ImportDetection d = DetectImport(c.text);
    EXPECT_EQ(d.options.delimiter, c.delimiter);
    EXPECT_EQ(d.options.header, c.header);
    EXPECT_EQ(d.options.columns, c.header);
    EXPECT_EQ(d.options.firstColumn, c.firstColumn);
    EXPECT_EQ(d.options.decimalComma, c.decimalComma);
    EXPECT_EQ(d.lineEnd, c.lineEnd);
    EXPECT_EQ(d.needsDialog, c.needsDialog);
}

INSTANTIATE_TEST_SUITE_P(Files, Detect, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<DetectCase>& info) { return std::string(info.param.name); });

TEST(DetectImport, KeepsWhatIsGiven)
{
    ImportOptions given;
    given.skip = 2;
    given.comment = ';';
    given.delimiter = D::Comma;
    const ImportDetection d = DetectImport("Device 4\n;;;\na;b,c\n1;2,3\n4;5,6\n", given);
    EXPECT_EQ(d.options.skip, 2);
    EXPECT_EQ(d.options.comment, ';');
    EXPECT_EQ(d.options.delimiter, D::Comma);
    EXPECT_TRUE(d.options.header);
    EXPECT_TRUE(d.needsDialog);   // lines to skip: the default reader would read them
}

} // namespace
