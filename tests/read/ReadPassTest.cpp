// What the reader and the importer share in their passes over the text:
// progress that counts every byte once, a cancel that stops them, and a
// mapped file shortened under them that fails the read instead of the program.

#include "doc/SorvDoc.h"
#include "read/ImportOptions.h"
#include "read/Importer.h"
#include "read/ProgressCheckpoint.h"
#include "read/ReadProgress.h"
#include "read/RowReader.h"
#include "read/TextSource.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// A pass walks to each of the positions (offsets into a text of size bytes),
// then reports its end: the work it reported is size x workPerByte, however
// it walked, past the end too.
TEST(ProgressCheckpoint, ReportsEveryByteOnce)
{
    const std::size_t step = kProgressStep;
    struct Case {
        std::size_t size;
        std::uint64_t workPerByte;
        std::vector<std::size_t> walk;
    } const cases[] = {
        {10, 1, {0, 3, 9}},
        {3 * step + 5, 1, {0, step - 1, step, step + 1, 2 * step + 7, 3 * step}},
        {3 * step + 5, 8, {0, step / 2, 3 * step + 4}},
        {2 * step, 1, {step + 1, 2 * step, 2 * step + 40, 3 * step}},   // a last record past the end
        {2 * step, 0, {step, 2 * step}},                                 // the cancel flag alone
    };
    const std::string text(4 * step, 'x');
    for (const Case& c : cases) {
        CReadProgress progress;
        progress.SetTotalWork(2 * c.size * c.workPerByte + 1);
        CProgressCheckpoint checkpoint(text.data(), text.data() + c.size, progress, c.workPerByte);
        for (const std::size_t at : c.walk)
            EXPECT_TRUE(checkpoint.At(text.data() + at));
        EXPECT_TRUE(checkpoint.Report(text.data() + c.size));
        EXPECT_EQ(progress.Fraction(), double(c.size * c.workPerByte) / double(2 * c.size * c.workPerByte + 1))
            << c.size << " x " << c.workPerByte;
    }
    CReadProgress cancelled;
    cancelled.Cancel();
    CProgressCheckpoint checkpoint(text.data(), text.data() + 2 * step, cancelled);
    EXPECT_TRUE(checkpoint.At(text.data() + 1));   // no report due: not asked
    EXPECT_FALSE(checkpoint.At(text.data() + step));
}

// An import that fails after both passes has reported each byte after the
// header twice (counted, converted), whatever the pieces: also where quoted
// line breaks move the cuts and the pieces after them are counted again.
TEST(ImportProgress, EachByteCountedOncePerPass)
{
    const std::string header = "name,value\n";
    std::string text = header;
    while (text.size() < (std::size_t(1) << 20))
        text += "x,\"a\nb\"\n";   // no number anywhere: the import fails after converting
    for (const unsigned pieces : {1u, 7u, 16u}) {
        ImportOptions options;
        options.delimiter = ImportDelimiter::Comma;
        options.header = true;
        CImporter importer(options, pieces, 2);
        CReadProgress progress;
        CSorvDoc doc;
        ASSERT_FALSE(importer.Import(text, doc, {.progress = &progress}));
        ASSERT_EQ(importer.GetFailure().code, ReadError::NoNumbers);
        EXPECT_EQ(progress.Fraction(), double(text.size() - header.size()) / double(text.size())) << pieces;
    }
}

// Lines "rN,N,N+1" up to about bytes bytes: rows for the reader, records for
// the importer.
std::string Lines(std::size_t bytes)
{
    std::string text;
    for (int n = 0; text.size() < bytes; ++n)
        text += "r" + std::to_string(n) + "," + std::to_string(n) + "," + std::to_string(n + 1) + "\n";
    return text;
}

// Both ways of reading a text into a document that holds "A,1,2\nB,3,4\n".
struct Reading {
    const char* name;
    bool (*read)(std::string_view text, CSorvDoc& doc, CReadProgress* progress, ReadFailure& failure);
    bool keepsTheDocument;   // on failure (else it is left empty)
};

const Reading kReadings[] = {
    {"reader", [](std::string_view text, CSorvDoc& doc, CReadProgress* progress, ReadFailure& failure) {
         ReadFailure error;
         const bool ok = ReadText(doc, text, error, {.progress = progress, .threads = 2, .chunkBytes = 3 << 20});
         failure = error;
         return ok;
     }, false},
    {"importer", [](std::string_view text, CSorvDoc& doc, CReadProgress* progress, ReadFailure& failure) {
         ImportOptions options;
         options.delimiter = ImportDelimiter::Comma;
         CImporter importer(options, 0, 2);
         const bool ok = importer.Import(text, doc, {.progress = progress});
         failure = importer.GetFailure();
         return ok;
     }, true},
};

CSorvDoc SmallDocument()
{
    CSorvDoc doc;
    ReadFailure error;
    EXPECT_TRUE(ReadText(doc, "A,1,2\nB,3,4\n", error));
    return doc;
}

void ExpectUntouchedOrEmpty(const Reading& r, const CSorvDoc& doc)
{
    EXPECT_EQ(doc->m_nRows, r.keepsTheDocument ? 2 : 0) << r.name;
    EXPECT_EQ(doc->m_nCols, r.keepsTheDocument ? 2 : 0) << r.name;
}

// A cancel at any time: before the read, or while it runs (where timing
// decides only whether the read finished first). Progress never falls.
TEST(ReadPass, CancelStopsBothReaders)
{
    const std::string text = Lines(std::size_t(8) << 20);
    for (const Reading& r : kReadings) {
        for (const int delayUs : {-1, 0, 500, 5000}) {
            CReadProgress progress;
            if (delayUs < 0)
                progress.Cancel();
            std::atomic<bool> done = false;
            bool fell = false;
            std::jthread canceller([&] {
                if (delayUs > 0)
                    std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
                for (double last = progress.Fraction(); !done; last = progress.Fraction()) {
                    progress.Cancel();
                    fell |= progress.Fraction() < last;
                }
            });
            CSorvDoc doc = SmallDocument();
            ReadFailure failure;
            const bool ok = r.read(text, doc, &progress, failure);
            done = true;
            canceller.join();
            EXPECT_FALSE(fell) << r.name;
            if (ok) {   // finished before the cancel came
                EXPECT_GE(delayUs, 0) << r.name;
                EXPECT_EQ(doc->m_nRows, int(std::count(text.begin(), text.end(), '\n'))) << r.name;
                continue;
            }
            EXPECT_EQ(failure.code, ReadError::Cancelled) << r.name << " " << failure.text;
            ExpectUntouchedOrEmpty(r, doc);
        }
    }
}

// Another program shortens the file while it is mapped: the pages past the
// new end vanish under the first look at the text (cut to nothing), under the
// split into pieces (cut to a page) or under the passes of the threads (cut
// inside the last piece). The read fails and says why.
TEST(ReadPass, FileShortenedWhileMappedFailsTheRead)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("sorv-shortened-" + std::to_string(getpid()) + ".csv");
    const std::string text = Lines(std::size_t(4) << 20);
    const long page = sysconf(_SC_PAGESIZE);
    for (const Reading& r : kReadings) {
        for (const std::uintmax_t keep : {std::uintmax_t(0), std::uintmax_t(page), std::uintmax_t(7) << 19}) {
            std::ofstream(path, std::ios::binary) << text;
            CTextSource source;
            ReadFailure failure;
            ASSERT_TRUE(source.Open(path.string(), nullptr, UINT64_MAX, failure)) << failure.text;
            ASSERT_TRUE(source.IsMapped());
            std::filesystem::resize_file(path, keep);
            CSorvDoc doc = SmallDocument();
            EXPECT_FALSE(r.read(source.Text(), doc, nullptr, failure)) << r.name << " " << keep;
            EXPECT_EQ(failure.code, ReadError::ShortRead) << r.name << " " << keep << " " << failure.text;
            ExpectUntouchedOrEmpty(r, doc);
        }
    }
    std::filesystem::remove(path);
}

} // namespace
