// x values, column roles, columns left out and the header forced, and the
// smallest files of the faults mended in detection, each against the
// series, x and matrix derived by hand.

#include "doc/DateTime.h"
#include "doc/SorvDoc.h"
#include "read/ColumnPicks.h"
#include "read/FileHead.h"
#include "read/ImportDetect.h"
#include "read/Importer.h"

#include "support/ProcessTempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The matrix's cells row by row.
std::vector<double> Cells(const CDocData& data)
{
    std::vector<double> cells;
    for (int r = 0; r < data.m_nRows; ++r)
        cells.insert(cells.end(), data.Row(r), data.Row(r) + data.m_nCols);
    return cells;
}

const double M = std::nan("");

struct XCase {
    const char* name;
    std::string text;
    std::optional<ImportOptions> options;   // none: as the command line detects them
    std::vector<std::string> series;
    std::vector<double> x;                  // empty: none
    std::vector<double> values;             // the matrix in storage order
    std::vector<std::string> columnLabels = {};
    XKind kind = XKind::Number;
    std::string xName = {};
};

void PrintTo(const XCase& c, std::ostream* os)
{
    *os << c.name;
}

// As the command line reads a file without reading options.
ImportOptions Detected(const std::string& text)
{
    ImportOptions o = DetectImport(text).options;
    o.firstColumn = FirstColumn::Auto;
    return o;
}

// As the command line reads with reading options: header and first column detected.
ImportOptions Given(bool columns, void (*change)(ImportOptions&) = nullptr)
{
    ImportOptions o;
    o.columns = columns;
    o.detectHeader = true;
    o.firstColumn = FirstColumn::Auto;
    if (change)
        change(o);
    return o;
}

std::vector<ColumnPick> Picks(const char* text)
{
    std::vector<ColumnPick> picks;
    EXPECT_TRUE(ParseColumnPicks(text, picks)) << text;
    return picks;
}

double At(const char* text)
{
    return ParseDateTime(text)->seconds;
}

std::vector<XCase> Cases()
{
    const double t0 = At("2026-01-01T00:00:00");
    return {
        {"HeaderForcedOn", "1,2,3\n4,5,6\n7,8,9\n",
         Given(true, [](ImportOptions& o) { o.detectHeader = false; o.header = true; o.firstColumn = FirstColumn::Data; }),
         {"1", "2", "3"}, {}, {4, 7, 5, 8, 6, 9}},
        {"HeaderForcedOff", "a,b\n1,2\n3,4\n",
         Given(true, [](ImportOptions& o) { o.detectHeader = false; o.firstColumn = FirstColumn::Data; }), {"", ""},
         {}, {M, 1, 3, M, 2, 4}},
        {"RoleXOfRisingNumbers", "t,v\n0,1\n10,2\n25,3\n40,4\n", Given(true), {"v"}, {0, 10, 25, 40}, {1, 2, 3, 4}, {},
         XKind::Number, "t"},
        {"RoleLabelsOfTexts", "name,v,w\na,1,2\nb,3,4\n", Given(true), {"v", "w"}, {}, {1, 3, 2, 4}, {"a", "b"}},
        {"RoleSeriesForced", "t,v\n0,1\n10,2\n", Given(true, [](ImportOptions& o) { o.firstColumn = FirstColumn::Data; }),
         {"t", "v"}, {}, {0, 10, 1, 2}},
        {"RoleLeftOut", "t,v\n0,1\n10,2\n20,3\n30,4\n",
         Given(true, [](ImportOptions& o) { o.firstColumn = FirstColumn::Skip; }), {"v"}, {}, {1, 2, 3, 4}},
        {"UnevenTimes", "time,temp\n2026-01-01T00:00:00,1\n2026-01-01 00:07:00,2\n2026-01-01T00:35:30.5,3\n"
                        "2026/01/01 01:38:00,4\n", {},
         {"temp"}, {t0, t0 + 420, t0 + 2130.5, t0 + 5880}, {1, 2, 3, 4}, {}, XKind::Time, "time"},
        // On the clock of the first zone; a time without one as written.
        {"ZonesToTheFirst", "t,v\n2026-01-01T09:00:00+09:00,1\n2026-01-01T01:00:00Z,2\n2026-01-01T10:30+09:00,3\n"
                            "2026-01-01 12:00:00,4\n", {}, {"v"},
         {t0 + 9 * 3600, t0 + 10 * 3600, t0 + 10.5 * 3600, t0 + 12 * 3600}, {1, 2, 3, 4}, {}, XKind::Time, "t"},
        {"UnsortedIsASeriesOrXOnRequest", "x,y\n3,1\n1,2\n2,3\n", {}, {"x", "y"}, {}, {3, 1, 2, 1, 2, 3}},
        {"XFirstOnRequest", "x,y\n3,1\n1,2\n2,3\n0,4\n",
         Given(true, [](ImportOptions& o) { o.firstColumn = FirstColumn::X; }), {"y"}, {3, 1, 2, 0}, {1, 2, 3, 4}, {},
         XKind::Number, "x"},
        {"XColumnElsewhere", "n,v,t\n1,5,10\n2,6,20\n3,7,15\n4,8,\n",
         Given(true, [](ImportOptions& o) { o.xColumn = 2; }), {"v"}, {10, 20, 15, M}, {5, 6, 7, 8},
         {"1", "2", "3", "4"}, XKind::Number, "t"},
        {"XIndex", "t,v\n0,1\n1,2\n2,3\n3,4\n", Given(true, [](ImportOptions& o) { o.xIndex = true; }), {"v"}, {},
         {1, 2, 3, 4}, {"0", "1", "2", "3"}},
        {"UseByNumber", "a,b,c,d\n1,2,3,4\n5,6,7,8\n", Given(true, [](ImportOptions& o) { o.use = Picks("1,3-"); }),
         {"c", "d"}, {1, 5}, {3, 7, 4, 8}, {}, XKind::Number, "a"},
        {"UseByName", "a,b,c,d\n1,2,3,4\n5,6,7,8\n",
         Given(true, [](ImportOptions& o) { o.use = Picks("d,b"); o.firstColumn = FirstColumn::Data; }), {"b", "d"}, {},
         {2, 6, 4, 8}},
        {"RowsHeaderOfYears", "Country Name,Country Code,1960,1961,1962\nAruba,ABW,1.5,,2.5\nChad,TCD,3,4,5\n", {},
         {"Aruba", "Chad"}, {1960, 1961, 1962}, {1.5, M, 2.5, 3, 4, 5}, {}, XKind::Number, "Country Name"},
        {"RowTakenAsX", "x,1,2,4,8\na,5,6,7,8\nb,9,10,11,12\n", Given(false, [](ImportOptions& o) { o.xRow = 0; }),
         {"a", "b"}, {1, 2, 4, 8}, {5, 6, 7, 8, 9, 10, 11, 12}, {}, XKind::Number, "x"},
    };
}

// The smallest files of the faults mended; detected as the command line does
// unless the options are given.
std::vector<XCase> Faults()
{
    return {
        {"OneColumn", "0\n10\n20\n30\n", {}, {""}, {}, {0, 10, 20, 30}},
        {"FallsAfterFiftyLines", [] {
             std::string text = "t,v\n";
             for (int i = 0; i <= 52; ++i)
                 text += std::to_string(i) + ",1\n";
             return text + "-5,1\n";
         }(), {}, {"t", "v"}, {}, [] {
             std::vector<double> v;
             for (int i = 0; i <= 52; ++i)
                 v.push_back(i);
             v.push_back(-5);
             v.insert(v.end(), 54, 1.0);
             return v;
         }()},
        {"GivenOptionsKeepThePoint", "c1\n975,047\n1131634598.367\n571,403\n595,785\n",
         Given(true, [](ImportOptions& o) { o.delimiter = ImportDelimiter::Tab; }), {"c1"}, {},
         {M, 1131634598.367, M, M}},
        {"QuoteInACommentLine", "# pipe 5\" wide\r\nc0\tc1\r\n1\t1\r\n2\t\"note\r2\"\r\n3\t1\r\n4\t1\r\n", {}, {"c1"},
         {1, 2, 3, 4}, {1, M, 1, 1}, {}, XKind::Number, "c0"},
        {"LoneCrIsNoLineEnd", "c0;c1\n113;005\r114;1\n115;1\n", {}, {"c1", ""}, {113, 115}, {M, 1, 1, M}, {},
         XKind::Number, "c0"},
        {"BlankRunsOfTabsAndSpaces", "c0 c1  c2\tc3 \tc4\n1 --5  68\tNAN \t1\n1 0.  1\t9 \t1\n", {},
         {"c0", "c1", "c2", "c3", "c4"}, {}, {1, 1, M, 0, 68, 1, M, 9, 1, 1}},
        {"BlanksWithDecimalCommas", "c0 c1\n100 -2,5\n101 6,25\n102 -3,75\n103 6,5\n", {}, {"c1"},
         {100, 101, 102, 103}, {-2.5, 6.25, -3.75, 6.5}, {}, XKind::Number, "c0"},
        // The three values and one more: four cells are the least that is read.
        {"OneColumnOfDecimalCommas", "c0\n8,5\n\"9\"\n\"9,5\"\n10,5\n", {}, {"c0"}, {}, {8.5, 9, 9.5, 10.5}},
        {"NaIsAMissingValue", "NA 1\n9.5 2\n-7 3\n45 4\n", Given(true), {"", ""}, {}, {M, 9.5, -7, 45, 1, 2, 3, 4}},
        {"NumpyHeader", "#t\tc1\n97\t-0.\n98\t1\n99\t1\n100\t1\n", {}, {"c1"}, {97, 98, 99, 100}, {-0.0, 1, 1, 1}, {},
         XKind::Number, "t"},
        {"LabelsThatBeginWithTheCommentCharacter", "c0 c1\n#87 1\n#88 1\n#89 1\n#90 1\n", {}, {"c1"}, {},
         {1, 1, 1, 1}, {"#87", "#88", "#89", "#90"}},
    };
}

void ExpectSame(const std::vector<double>& actual, const std::vector<double>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (std::isnan(expected[i]))
            EXPECT_TRUE(std::isnan(actual[i])) << what << " " << i << " is " << actual[i];
        else
            EXPECT_EQ(actual[i], expected[i]) << what << " " << i;
    }
}

class ImportX : public testing::TestWithParam<XCase> {};

TEST_P(ImportX, GivesSeriesXAndValues)
{
    const XCase& c = GetParam();
    CImporter importer(c.options ? *c.options : Detected(c.text));
    CSorvDoc doc;
    ASSERT_TRUE(importer.Import(c.text, doc)) << importer.GetFailure().text;
    ASSERT_EQ(doc->m_nRows, int(c.series.size()));
    for (int r = 0; r < doc->m_nRows; ++r)
        EXPECT_EQ(doc->m_pLabels[r], c.series[std::size_t(r)]) << "series " << r;
    ExpectSame(doc->m_x.Values(), c.x, "x");
    if (!c.x.empty()) {
        EXPECT_EQ(doc->m_x.Kind(), c.kind);
        EXPECT_EQ(doc->m_x.Name(), c.xName);
    }
    ExpectSame(Cells(doc.Data()), c.values,
               "cell");
    ASSERT_EQ(doc->m_columnLabels.Count(), c.columnLabels.size());
    for (std::size_t i = 0; i < c.columnLabels.size(); ++i)
        EXPECT_EQ(doc->m_columnLabels.Label(i), c.columnLabels[i]);
    EXPECT_EQ(doc->m_bColumnWise, importer.GetOptions().columns);
    EXPECT_NE(importer.GetOptions().firstColumn, FirstColumn::Auto);
}

INSTANTIATE_TEST_SUITE_P(Roles, ImportX, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<XCase>& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Faults, ImportX, testing::ValuesIn(Faults()),
                         [](const testing::TestParamInfo<XCase>& info) { return std::string(info.param.name); });

// What detection says of the faults' files beyond what the import shows.
TEST(ImportX, DetectionOfTheFaultFiles)
{
    const struct {
        std::string text;
        ImportDelimiter delimiter;
        bool decimalComma, header, needsDialog;
        LineEnd lineEnd;
    } cases[] = {
        {"c0\n8,5\n\"9\"\n\"9,5\"\n", ImportDelimiter::Tab, true, true, true, LineEnd::Lf},
        {"# pipe 5\" wide\r\nc0\tc1\r\n1\t1\r\n2\t\"note\r2\"\r\n", ImportDelimiter::Tab, false, true, true,
         LineEnd::CrLf},
        // A row file stays one: NA is a missing value, not a name.
        {"NA 1\n9.5 2\n-7 3\n45 4\n", ImportDelimiter::Blank, false, false, false, LineEnd::Lf},
        // Commas and blanks, nan and inf: the row reader's, as ever.
        {"a,1,2,nan,4,5,6\nb 3 inf 5  7 -inf 9\nc,,2,,4\nd,42\n", ImportDelimiter::Comma, false, false, false,
         LineEnd::Lf},
        {"alpha,1,2,3,4\nbeta,5,6.5,7,-8\n", ImportDelimiter::Comma, false, false, false, LineEnd::Lf},
    };
    for (const auto& c : cases) {
        const ImportDetection d = DetectImport(c.text);
        EXPECT_EQ(d.options.delimiter, c.delimiter) << c.text;
        EXPECT_EQ(d.options.decimalComma, c.decimalComma) << c.text;
        EXPECT_EQ(d.options.header, c.header) << c.text;
        EXPECT_EQ(d.needsDialog, c.needsDialog) << c.text;
        EXPECT_EQ(d.lineEnd, c.lineEnd) << c.text;
    }
    // A header of years, after columns of texts, is the header of a row file.
    const ImportDetection years = DetectImport("Country Name,Code,1960,1961,1962,\nAruba,ABW,,,1.5,\n");
    EXPECT_TRUE(years.options.header);
    EXPECT_FALSE(years.options.columns);
    EXPECT_EQ(FormatColumnPicks(years.options.use), "1,3-5");
}

TEST(ImportX, OptionsNamingWhatTheFileLacksFailAndSayWhich)
{
    const std::string columns = "t,name,v\n0,a,1\n1,b,2\n2,c,3\n3,d,4\n", rows = "a,1,2\nb,,\nc,3,4\n";
    const struct {
        void (*change)(ImportOptions&);
        const std::string& text;
        ReadError code;
        std::string subject;
    } cases[] = {
        {[](ImportOptions& o) { o.use = Picks("1,9"); }, columns, ReadError::NoSuchColumn, "9"},
        {[](ImportOptions& o) { o.use = Picks("1,rh"); }, columns, ReadError::NoSuchColumn, "rh"},
        {[](ImportOptions& o) { o.xColumn = 7; }, columns, ReadError::NoSuchColumn, "8"},
        {[](ImportOptions& o) { o.xColumn = 1; }, columns, ReadError::NoXValues, "2"},
        {[](ImportOptions& o) { o.columns = false; o.xRow = 5; }, rows, ReadError::NoSuchRow, "6"},
        {[](ImportOptions& o) { o.columns = false; o.xRow = 1; }, rows, ReadError::NoSuchRow, "2"},
    };
    for (const auto& c : cases) {
        CSorvDoc doc;
        CImporter importer(Given(true, c.change));
        EXPECT_FALSE(importer.Import(c.text, doc));
        EXPECT_EQ(importer.GetFailure().code, c.code) << importer.GetFailure().text;
        EXPECT_EQ(importer.GetFailure().subject, c.subject) << importer.GetFailure().text;
        EXPECT_TRUE(doc->IsEmpty());
    }
}

TEST(ColumnPicks, ReadAndWrittenAsTheCommandLineGivesThem)
{
    std::vector<ColumnPick> picks;
    ASSERT_TRUE(ParseColumnPicks("1, 3-5,7-,temp,a-b", picks));
    EXPECT_EQ(picks, std::vector<ColumnPick>({{0, 0, {}}, {2, 4, {}}, {6, INT_MAX, {}}, {0, 0, "temp"},
                                              {0, 0, "a-b"}}));
    EXPECT_EQ(FormatColumnPicks(picks), "1,3-5,7-,temp,a-b");
    for (const char* bad : {"", "0", "1,,2", "5-3", "2-0", "99999999999"})
        EXPECT_FALSE(ParseColumnPicks(bad, picks)) << bad;
}

// The head of a long regular file ends at a line end; a short file is read whole.
TEST(FileHead, EndsAtALineEnd)
{
    const std::filesystem::path dir = ProcessTempDir("sorv-file-head");
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "long.csv").string(), shortPath = (dir / "short.csv").string();
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 10000; ++i)
            out << i << ",1.25,2.5,3.75,4\n";
        std::ofstream(shortPath, std::ios::binary) << "a,1\nb,2";
    }
    const std::string head = ReadFileHead(path);
    EXPECT_GE(head.size(), kDetectionWindow);
    EXPECT_LE(head.size(), kDetectionWindow + (1 << 16));
    EXPECT_EQ(head.back(), '\n');
    EXPECT_EQ(ReadFileHead(shortPath), "a,1\nb,2");
    EXPECT_EQ(ReadFileHead((dir / "none.csv").string()), "");
    // Lines longer than the head's limit: the head is the limit's blocks, cut
    // at the last line end in them.
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string line(kHeadLimit / 2 + 100, '1');
        for (int i = 0; i < 3; ++i)
            out << line << '\n';
    }
    EXPECT_EQ(ReadFileHead(path).size(), kHeadLimit / 2 + 101);
    std::filesystem::remove_all(dir);
}

} // namespace
