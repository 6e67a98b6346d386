// Progress, cancel and the memory a read may take.

#include "doc/SorvDoc.h"
#include "read/Atof.h"
#include "read/ReadProgress.h"
#include "read/RowReader.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

// Lines "rN,N,N+1,N+2" up to about bytes bytes.
std::string Lines(std::size_t bytes)
{
    std::string text;
    for (int n = 0; text.size() < bytes; ++n)
        text += "r" + std::to_string(n) + "," + std::to_string(n) + "," + std::to_string(n + 1) + ",2.5\n";
    return text;
}

void ExpectEmpty(const CSorvDoc& doc)
{
    EXPECT_TRUE(doc->IsEmpty());
    EXPECT_EQ(doc->m_pLabels, nullptr);
    EXPECT_EQ(doc->m_nRows, 0);
    EXPECT_EQ(doc->m_nCols, 0);
    EXPECT_EQ(doc.m_nX2, -1);
}

TEST(ReadProgress, RisesToOneWhileTheThreadsRead)
{
    const std::string text = Lines(std::size_t(16) << 20);
    CReadProgress progress;
    EXPECT_LT(progress.Fraction(), 0.0);   // nothing known yet
    ReadOptions options;
    options.progress = &progress;
    options.threads = 2;
    options.chunkBytes = 1 << 20;
    std::atomic<bool> done = false;
    std::vector<double> seen;
    std::jthread watcher([&] {
        while (!done)
            seen.push_back(progress.Fraction());
    });
    CSorvDoc doc;
    ReadFailure error;
    EXPECT_TRUE(ReadText(doc, text, error, options)) << error.text;
    done = true;
    watcher.join();
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_LE(seen[i - 1], seen[i]);
        EXPECT_LE(seen[i], 1.0);
    }
    EXPECT_EQ(progress.Fraction(), 1.0);
    EXPECT_EQ(progress.BytesIn(), text.size());
}

TEST(ReadProgress, CancelledReadLeavesTheDocumentEmptyAndSaysSo)
{
    // A cancel at any time before the read ends: before it starts, or while
    // it runs (where timing decides only whether the read finished first).
    const std::string text = Lines(std::size_t(8) << 20);
    for (int delayUs : {-1, 0, 200, 2000, 20000}) {
        CReadProgress progress;
        if (delayUs < 0)
            progress.Cancel();
        ReadOptions options;
        options.progress = &progress;
        options.chunkBytes = 1 << 18;
        CSorvDoc doc;
        ReadFailure error;
        ASSERT_TRUE(ReadText(doc, "A,1,2\nB,3,4\n", error));   // a document to lose
        std::jthread canceller([&] {
            if (delayUs >= 0) {
                std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
                progress.Cancel();
            }
        });
        const bool ok = ReadText(doc, text, error, options);
        canceller.join();
        if (ok) {   // finished before the cancel came
            EXPECT_GE(delayUs, 0);
            EXPECT_EQ(doc->m_nCols, 3);
            continue;
        }
        EXPECT_EQ(error.code, ReadError::Cancelled);
        EXPECT_EQ(error.text, "the read was cancelled");
        ExpectEmpty(doc);
    }
}

// A small file can ask for a huge matrix: one line of 20,000 commas and
// 19,999 label-only lines is 20,000 x 20,000 cells (3.2 GB) from 60 KB.
TEST(MemoryCheck, RefusesAMatrixLargerThanTheMemoryAvailable)
{
    const std::string huge = "A" + std::string(20000, ',') + "\n" + std::string(19999, '\n');
    const std::string small = "A,1,2\nB,3,4\n";   // 4 cells: 32 bytes and two labels
    const std::uint64_t smallNeeds = 4 * sizeof(double) + 2 * sizeof(std::string);
    struct {
        const std::string* text;
        std::uint64_t available;
        bool ok;
        const char* error;
    } cases[] = {
        {&huge, std::uint64_t(1) << 30, false,
         "the data needs a matrix of 20000 rows x 20000 columns (3.2 GB), more than the 1.1 GB of memory available"},
        {&small, smallNeeds - 1, false,
         "the data needs a matrix of 2 rows x 2 columns (96 bytes), more than the 95 bytes of memory available"},
        {&small, smallNeeds, true, ""},
    };
    for (const auto& c : cases) {
        ReadOptions options;
        options.availableMemory = c.available;
        CSorvDoc doc;
        ReadFailure error;
        EXPECT_EQ(ReadText(doc, *c.text, error, options), c.ok);
        EXPECT_EQ(error.text, c.error);
        if (!c.ok) {
            EXPECT_EQ(error.code, ReadError::TooLarge);
            ExpectEmpty(doc);
        }
    }
}

// A failure in one of the reading threads ends the read with a reason.
TEST(MemoryCheck, AllocationFailureInAReadingThreadIsReported)
{
    const auto failOn666 = [](const char* p, std::size_t length) {
        if (std::string_view(p, length) == "666")
            throw std::bad_alloc();
        return ConvertToken(p, length);
    };
    ReadOptions options;
    options.threads = 3;
    options.chunkBytes = 4096;
    options.convert = failOn666;
    CSorvDoc doc;
    ReadFailure error;
    EXPECT_FALSE(ReadText(doc, Lines(std::size_t(1) << 20) + "x,666,1,2\n" + Lines(1 << 16), error, options));
    EXPECT_EQ(error.text, "not enough memory to read the data");
    EXPECT_EQ(error.code, ReadError::NoMemory);
    ExpectEmpty(doc);
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// With the address space limited, allocating the matrix fails: the read says
// so in words and the program goes on (run in a child process).
TEST(MemoryCheck, AllocationFailureIsReportedNotFatal)
{
    const std::string text = "A" + std::string(30000, ',') + "\n" + std::string(29999, '\n');   // 7.2 GB
    const auto readWithLimitedMemory = [&text] {
        const rlimit limit{rlim_t(1) << 30, rlim_t(1) << 30};
        setrlimit(RLIMIT_AS, &limit);
        ReadOptions options;
        options.availableMemory = UINT64_MAX;   // past the check, into the allocation
        CSorvDoc doc;
        ReadFailure error;
        const bool ok = ReadText(doc, text, error, options);
        const bool said = error.text == "not enough memory for the data (30000 rows x 30000 columns, 7.2 GB)";
        std::exit(!ok && said && doc->IsEmpty() && error.code == ReadError::NoMemory ? 0 : 1);
    };
    EXPECT_EXIT(readWithLimitedMemory(), testing::ExitedWithCode(0), "");
}
#endif

} // namespace
