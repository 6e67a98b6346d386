// A file that only grew is read by its new lines, and the data is the data
// a whole read of the file gives; anything else is read whole.

#include "doc/DocData.h"
#include "doc/SorvDoc.h"
#include "read/DocAppend.h"
#include "read/ReadRequest.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <optional>
#include <string>
#include <vector>

namespace {

using Result = AppendOutcome::Result;

ImportOptions Columns(FirstColumn first)
{
    ImportOptions o;
    o.columns = true;
    o.header = true;
    o.delimiter = ImportDelimiter::Comma;
    o.firstColumn = first;
    return o;
}

ImportOptions SeriesAsLines()
{
    ImportOptions o;
    o.delimiter = ImportDelimiter::Comma;
    return o;
}

ImportOptions WithoutComments(ImportOptions o)
{
    o.comment = '\0';
    return o;
}

// The same data cell for cell (NaN for NaN), labels, range, x values.
void ExpectSameData(const CDocData& a, const CDocData& b, const std::string& what)
{
    ASSERT_EQ(a.m_nRows, b.m_nRows) << what;
    ASSERT_EQ(a.m_nCols, b.m_nCols) << what;
    for (int r = 0; r < a.m_nRows; ++r) {
        EXPECT_EQ(a.m_pLabels[std::size_t(r)], b.m_pLabels[std::size_t(r)]) << what;
        for (int c = 0; c < a.m_nCols; ++c)
            EXPECT_EQ(std::bit_cast<std::uint64_t>(a.Value(r, c)), std::bit_cast<std::uint64_t>(b.Value(r, c)))
                << what << " row " << r << " column " << c;
    }
    EXPECT_EQ(a.m_dMin, b.m_dMin) << what;
    EXPECT_EQ(a.m_dMax, b.m_dMax) << what;
    EXPECT_EQ(a.m_nMissing, b.m_nMissing) << what;
    EXPECT_EQ(a.m_bUtf8, b.m_bUtf8) << what;
    ASSERT_EQ(a.m_x.Count(), b.m_x.Count()) << what;
    for (std::size_t c = 0; c < a.m_x.Count(); ++c)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.m_x.At(c)), std::bit_cast<std::uint64_t>(b.m_x.At(c))) << what;
    EXPECT_EQ(a.m_x.NeverFalls(), b.m_x.NeverFalls()) << what;
}

class DocAppend : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("sorv-append-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "log.csv").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    void Write(const std::string& text, std::ios::openmode mode = std::ios::trunc)
    {
        std::ofstream(m_path, std::ios::binary | std::ios::out | mode) << text;
    }
    // A whole read of the file as it is now: its data, its mark, and the
    // options as they were used (with which the file is read again).
    std::shared_ptr<const CDocData> ReadWhole(const std::optional<ImportOptions>& import, ReadMark* mark = nullptr,
                                              std::optional<ImportOptions>* used = nullptr)
    {
        CSorvDoc doc;
        ReadOutcome outcome;
        if (!ReadDocument({m_path, import}, doc, {.markEnd = true}, outcome))
            return nullptr;
        if (mark)
            *mark = outcome.mark;
        if (used)
            *used = outcome.used;
        return doc.SharedData();
    }

    std::filesystem::path m_dir;
    std::string m_path;
};

// What is appended, and whether the data then grows by it as a read again
// of the whole file (with the options the first read used) would.
TEST_F(DocAppend, GrowsByTheLinesAppendedAsAWholeReadWould)
{
    const std::optional<ImportOptions> rows;
    const struct {
        const char* what;
        std::optional<ImportOptions> import;
        std::string before, appended;
        Result result;
    } cases[] = {
        {"rows", rows, "a,1,2,3\nb,4,5,6\n", "c,7,8,9\nd,-1,0,1\n", Result::Appended},
        {"rows after a line without its end", rows, "a,1,2,3\nb,4,5", ",6\nc,7,8,9\n", Result::Appended},
        {"a narrower row", rows, "a,1,2,3\nb,4,5,6\n", "c,7\n", Result::Appended},
        {"a wider row", rows, "a,1,2,3\nb,4,5,6\n", "c,1,2,3,4,5\n", Result::Appended},
        {"a line not yet ended", rows, "a,1,2,3\nb,4,5,6\n", "c,7,8", Result::Unchanged},
        {"points with x", Columns(FirstColumn::X), "t,a,b\n0,1,2\n1,3,4\n", "2,5,6\n3,7,8\n", Result::Appended},
        // The line not yet ended may have set the table's shape, which tells
        // a comment from data: with a comment character, read whole.
        {"points after a line without its end", Columns(FirstColumn::X), "t,a,b\n0,1,2\n1,3", ",4\n2,5,6\n",
         Result::ReadWhole},
        {"the same without comments", WithoutComments(Columns(FirstColumn::X)), "t,a,b\n0,1,2\n1,3", ",4\n2,5,6\n",
         Result::Appended},
        {"a point short of a value", Columns(FirstColumn::X), "t,a,b\n0,1,2\n1,3,4\n", "2,5\n", Result::Appended},
        {"points with times", Columns(FirstColumn::X), "t,a,b\n2026-01-01T00:00:00,1,2\n2026-01-01T00:07:00,2,3\n",
         "2026-01-01T00:28:00,3,4\n", Result::Appended},
        {"points, x as found", Columns(FirstColumn::Auto), "t,a,b\n0,1,2\n1,3,4\n", "2,5,6\n", Result::Appended},
        {"points without x", Columns(FirstColumn::Data), "a,b\n1,2\n3,4\n", "5,6\n", Result::Appended},
        // x that falls may not be x any more: the whole file decides.
        {"points falling x", Columns(FirstColumn::X), "t,a,b\n0,1,1\n5,2,2\n", "3,3,3\n", Result::ReadWhole},
        {"series as lines", SeriesAsLines(), "a,1,2,3\nb,4,5,6\n", "c,,8,9\n", Result::Appended},
        {"Shift-JIS after UTF-8", rows, "\xe6\xb8\xa9,1,2\nb,3,4\n", "\x89\xb7,5,6\n", Result::ReadWhole},
        {"a character cut with the last line", rows, "a,1,2,3\n\xe6\xb8", "\xa9,4,5,6\n", Result::Appended},
        {"a NUL, where the text ends", rows, "a,1,2,3\nb,4,5,6\n", std::string("c,7\0,8\n", 8), Result::ReadWhole},
        {"a byte-order mark in the middle", SeriesAsLines(), "a,1,2\nb,3,4\n", "\xEF\xBB\xBF" "c,5,6\n",
         Result::Appended},
        {"a CR before the first new line end", WithoutComments(Columns(FirstColumn::Data)), "a,b\n1,2\n3,4\n",
         "5,6\r7\n8,9\n", Result::ReadWhole},
        {"a new line that begins with the comment character", Columns(FirstColumn::Data), "a,b\n1,2\n3,4\n",
         "#5,6\n", Result::ReadWhole},
    };
    for (const auto& c : cases) {
        Write(c.before);
        ReadMark mark;
        std::optional<ImportOptions> used;
        const std::shared_ptr<const CDocData> old = ReadWhole(c.import, &mark, &used);
        ASSERT_TRUE(old) << c.what;
        Write(c.appended, std::ios::app);
        const AppendOutcome appended = AppendToData(m_path, *old, mark);
        EXPECT_EQ(appended.result, c.result) << c.what;
        if (appended.result != Result::Appended)
            continue;
        ExpectSameData(*appended.data, *ReadWhole(used), c.what);
    }
}

// A file rewritten, shortened or renamed over is read whole.
TEST_F(DocAppend, FileThatDidNotOnlyGrowIsReadWhole)
{
    const std::string before = "a,1,2,3\nb,4,5,6\n";
    const struct {
        const char* what;
        std::string after;
        bool renamed;
    } cases[] = {
        {"rewritten in place", "a,1,2,3\nb,4,5,7\nc,1,1,1\n", false},
        {"shortened", "a,1,2,3\n", false},
        {"renamed over", before + "c,7,8,9\n", true},
    };
    for (const auto& c : cases) {
        Write(before);
        ReadMark mark;
        const std::shared_ptr<const CDocData> old = ReadWhole(std::nullopt, &mark);
        ASSERT_TRUE(old);
        if (c.renamed) {
            const std::string fresh = m_path + ".new";
            std::ofstream(fresh, std::ios::binary) << c.after;
            ASSERT_EQ(std::rename(fresh.c_str(), m_path.c_str()), 0);
        } else {
            Write(c.after);
        }
        EXPECT_EQ(AppendToData(m_path, *old, mark).result, Result::ReadWhole) << c.what;
    }
}

// Appends one line at a time: the storage is shared while it has room, the
// data published before never changes, and the last equals a whole read.
TEST_F(DocAppend, ManyAppendsShareStorageAndLeaveEarlierDataAlone)
{
    for (const std::optional<ImportOptions>& import : {std::optional<ImportOptions>(), std::optional(Columns(FirstColumn::X))}) {
        Write(import ? "t,a,b\n0,0,0\n1,1,-1\n" : "r0,0,0\nr1,1,1\n");
        ReadMark mark;
        std::shared_ptr<const CDocData> data = ReadWhole(import, &mark);
        ASSERT_TRUE(data);
        std::vector<std::shared_ptr<const CDocData>> published;
        int shared = 0;
        for (int i = 1; i <= 300; ++i) {
            const std::string next = std::to_string(i + 1);
            Write(import ? next + "," + next + ",-" + next + "\n"
                         : "r" + std::to_string(i + 1) + "," + std::to_string(i) + "," + std::to_string(i * 2) + "\n",
                  std::ios::app);
            AppendOutcome appended = AppendToData(m_path, *data, mark);
            ASSERT_EQ(appended.result, Result::Appended) << i;
            shared += appended.data->m_pData == data->m_pData ? 1 : 0;
            published.push_back(data);
            data = appended.data;
            mark = appended.mark;
        }
        EXPECT_GT(shared, 250);
        ExpectSameData(*data, *ReadWhole(import), "after 300 appends");
        // Each data published before is still what a whole read gave then.
        const std::shared_ptr<const CDocData>& early = published[10];
        const int lines = import ? early->m_nCols : early->m_nRows;
        EXPECT_EQ(lines, 12);
        EXPECT_EQ(early->m_dMax, import ? 11.0 : 20.0);
        EXPECT_EQ(import ? early->Value(1, 11) : early->Value(11, 1), import ? -11.0 : 20.0);
    }
}

// Random lines (numbers, empty and text cells, comments, quotes, line ends
// of every kind) read whole up to a random point, then by what follows:
// whenever the append is taken, it is what a read again of the whole file
// gives.
TEST_F(DocAppend, RandomLinesAppendedAreTheWholeRead)
{
    std::mt19937_64 rng(21);
    static const char* const cells[] = {"1", "-2.5", "0", "-0", "3e1", "", "x", "\"a,b\"", "NA", "7"};
    static const char* const ends[] = {"\n", "\n", "\n", "\r\n", "\n#c\n", "\n\n"};
    const std::optional<ImportOptions> kinds[] = {std::nullopt, Columns(FirstColumn::X), Columns(FirstColumn::Data),
                                                  Columns(FirstColumn::Auto), ImportOptions{}};
    int appended = 0;
    for (int i = 0; i < 1000; ++i) {
        std::string text = "h0,h1,h2\n";
        for (int line = 0, lines = 2 + int(rng() % 30); line < lines; ++line) {
            for (int c = 0, n = 1 + int(rng() % 4); c < n; ++c)
                text += std::string(c ? "," : "") + (c == 0 && rng() % 3 ? std::to_string(line) : cells[rng() % 10]);
            text += ends[rng() % std::size(ends)];
        }
        const std::size_t kind = rng() % std::size(kinds);
        const std::optional<ImportOptions>& import = kinds[kind];
        const std::size_t split = 10 + rng() % (text.size() - 10);
        Write(text.substr(0, split));
        ReadMark mark;
        std::optional<ImportOptions> used;
        const std::shared_ptr<const CDocData> old = ReadWhole(import, &mark, &used);
        if (!old || !mark.appendable)
            continue;
        Write(text.substr(split), std::ios::app);
        const AppendOutcome outcome = AppendToData(m_path, *old, mark);
        if (outcome.result != Result::Appended)
            continue;
        ++appended;
        const std::shared_ptr<const CDocData> whole = ReadWhole(used);
        ASSERT_TRUE(whole) << "reading " << kind << " of\n" << text;
        ExpectSameData(*outcome.data, *whole,
                       "reading " + std::to_string(kind) + ", split at " + std::to_string(split) + " of\n" + text);
        if (HasFailure())
            break;
    }
    EXPECT_GT(appended, 100);
}

}  // namespace
