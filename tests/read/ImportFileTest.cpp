// The importer reads files as the default reader does: through the text
// source, with progress and cancel, refusing what would not fit, and a
// reload takes a new read's data into the document the windows show.

#include "doc/SorvDoc.h"
#include "read/ImportOptions.h"
#include "read/Importer.h"
#include "read/MapGuard.h"
#include "read/ReadProgress.h"
#include "read/ReadRequest.h"
#include "read/RowReader.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

// A column file: a header, then a time and two series on each line.
std::string ColumnFile(int lines)
{
    std::string text = "time,temp,rh\n";
    for (int i = 0; i < lines; ++i)
        text += std::to_string(i * 10) + "," + std::to_string(20 + i % 7) + ".5," + std::to_string(40 + i % 5) + "\n";
    return text;
}

class ImportFile : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& text)
    {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("sorv-import-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

ImportOptions ColumnsWithHeader()
{
    ImportOptions o;
    o.columns = true;
    o.header = true;
    o.delimiter = ImportDelimiter::Comma;
    return o;
}

TEST_F(ImportFile, ReadsAFileAndAFifoAlike)
{
    const std::string text = ColumnFile(5);
    CSorvDoc fromFile;
    ReadOutcome outcome;
    ASSERT_TRUE(ReadDocument({Write("log.csv", text).string(), ColumnsWithHeader()}, fromFile, {}, outcome))
        << outcome.failure.text;
    EXPECT_EQ(fromFile.GetTitle(), "log.csv");
    EXPECT_EQ(fromFile->m_nRows, 2);
    EXPECT_EQ(fromFile->m_nCols, 5);
    EXPECT_EQ(fromFile->m_pLabels[1], "rh");
    EXPECT_EQ(fromFile->m_columnLabels.Label(4), "40");

    const std::string fifo = (m_dir / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << text; });
    CReadProgress progress;
    CSorvDoc fromFifo;
    const bool ok = ReadDocument({fifo, ColumnsWithHeader()}, fromFifo, {.progress = &progress}, outcome);
    writer.join();
    ASSERT_TRUE(ok) << outcome.failure.text;
    ASSERT_EQ(fromFifo->m_nCols, fromFile->m_nCols);
    for (int c = 0; c < fromFile->m_nCols; ++c)
        EXPECT_EQ(fromFifo->Value(0, c), fromFile->Value(0, c));
    EXPECT_EQ(progress.Fraction(), 1.0);
    EXPECT_EQ(progress.BytesIn(), text.size());
}

TEST_F(ImportFile, ProgressRisesAndCancelLeavesTheDocument)
{
    const std::string text = ColumnFile(200000);
    CReadProgress progress;
    CSorvDoc doc;
    CImporter importer(ColumnsWithHeader(), 8, 2);
    ASSERT_TRUE(importer.Import(text, doc, {.progress = &progress}));
    EXPECT_EQ(progress.Fraction(), 1.0);

    CReadProgress cancelled;
    cancelled.Cancel();
    EXPECT_FALSE(importer.Import(text, doc, {.progress = &cancelled}));
    EXPECT_EQ(importer.GetFailure().code, ReadError::Cancelled);
    EXPECT_EQ(doc->m_nCols, 200000);   // as it was

    // A wait for a stream's writer ends with the cancel too.
    const std::string fifo = (m_dir / "silent").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    CReadProgress waiting;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        waiting.Cancel();
    });
    CSorvDoc none;
    ReadOutcome outcome;
    EXPECT_FALSE(ReadDocument({fifo, ColumnsWithHeader()}, none, {.progress = &waiting}, outcome));
    canceller.join();
    EXPECT_EQ(outcome.failure.code, ReadError::Cancelled);
    EXPECT_TRUE(none->IsEmpty());
}

TEST_F(ImportFile, MatrixThatWouldNotFitIsRefusedWithItsShape)
{
    CSorvDoc doc;
    CImporter importer(ColumnsWithHeader());
    EXPECT_FALSE(importer.Import(ColumnFile(1000), doc, {.availableMemory = 1000}));
    const ReadFailure& f = importer.GetFailure();
    EXPECT_EQ(f.code, ReadError::TooLarge);
    EXPECT_EQ(f.rows, 2u);
    EXPECT_EQ(f.cols, 1000u);
    EXPECT_NE(f.text.find("2 rows x 1000 columns"), std::string::npos) << f.text;

    // The default reader says the shape as well.
    CSorvDoc rows;
    ReadFailure error;
    EXPECT_FALSE(ReadText(rows, "a,1,2,3\nb,4,5,6\n", error, {.availableMemory = 10}));
    EXPECT_EQ(error.rows, 2u);
    EXPECT_EQ(error.cols, 3u);
}

// What the command line asks for: some options given, the header and the
// first column as the text shows them; a decimal comma only when given.
TEST_F(ImportFile, DetectedLayoutFillsWhatWasNotGiven)
{
    struct Case {
        const char* text;
        bool columns;
        int rows, cols;
        const char* firstLabel;
        double firstValue;
    } const cases[] = {
        {"time,a,b\n0,1,2\n1,3,4\n2,5,6\n", true, 2, 3, "a", 1},
        {"time;a;b\n0;1,5;2\n1;3;4\n", true, 2, 2, "a", std::nan("")},
        {"x 1 2 3\ny 4 5 6\n", false, 2, 3, "x", 1},
        {"name,p,q,r\nx,1,2,3\ny,4,5,6\n", false, 2, 3, "x", 1},
    };
    for (const Case& c : cases) {
        ImportOptions o;
        o.columns = c.columns;
        o.detectHeader = true;
        o.firstColumn = FirstColumn::Auto;
        CImporter importer(o);
        CSorvDoc doc;
        ASSERT_TRUE(importer.Import(c.text, doc)) << c.text << importer.GetFailure().text;
        EXPECT_EQ(doc->m_nRows, c.rows) << c.text;
        EXPECT_EQ(doc->m_nCols, c.cols) << c.text;
        EXPECT_EQ(doc->m_pLabels[0], c.firstLabel) << c.text;
        EXPECT_EQ(std::isnan(doc->Value(0, 0)) ? 0.0 : doc->Value(0, 0), std::isnan(c.firstValue) ? 0.0 : c.firstValue)
            << c.text;
        EXPECT_FALSE(importer.GetOptions().detectHeader);
        EXPECT_NE(importer.GetOptions().firstColumn, FirstColumn::Auto);
    }
}

TEST_F(ImportFile, RequestGoesToTheReaderOrTheImporter)
{
    const std::string path = Write("log.csv", ColumnFile(3)).string();
    CSorvDoc byReader, byImporter;
    ReadOutcome outcome;
    ASSERT_TRUE(ReadDocument({path, std::nullopt}, byReader, {}, outcome));
    EXPECT_FALSE(outcome.used);
    EXPECT_EQ(byReader->m_nRows, 4);   // the header line is a row of its own
    ImportOptions o;
    o.detectHeader = true;
    o.columns = true;
    ASSERT_TRUE(ReadDocument({path, o}, byImporter, {}, outcome));
    ASSERT_TRUE(outcome.used);
    EXPECT_TRUE(outcome.used->header);
    EXPECT_EQ(outcome.used->delimiter, ImportDelimiter::Comma);
    EXPECT_EQ(byImporter->m_nRows, 2);
    EXPECT_FALSE(ReadDocument({(m_dir / "none.csv").string(), o}, byImporter, {}, outcome));
    EXPECT_EQ(outcome.failure.code, ReadError::CannotOpen);
    EXPECT_EQ(byImporter->m_nRows, 2);   // a failed import leaves the document as it was
}

// A guard inside a guard: after the inner one returns, the outer one still
// catches a vanished page.
TEST(MapGuard, OuterGuardHoldsAfterAnInnerOne)
{
    const long page = sysconf(_SC_PAGESIZE);
    char path[] = "/tmp/sorv-guard-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 2 * page), 0);
    char* bytes = static_cast<char*>(mmap(nullptr, std::size_t(2 * page), PROT_READ, MAP_SHARED, fd, 0));
    ASSERT_NE(bytes, MAP_FAILED);
    bool innerOk = false;
    const bool outerOk = RunGuarded(bytes, bytes + 2 * page, [&] {
        innerOk = RunGuarded(bytes, bytes + 2 * page, [&] { (void)*static_cast<volatile char*>(bytes); });
        ASSERT_EQ(ftruncate(fd, 0), 0);
        (void)*static_cast<volatile char*>(bytes + page);
    });
    EXPECT_TRUE(innerOk);
    EXPECT_FALSE(outerOk);
    munmap(bytes, std::size_t(2 * page));
    close(fd);
    unlink(path);
}

}  // namespace
