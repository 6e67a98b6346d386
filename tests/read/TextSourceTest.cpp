// Files are mapped; standard input, pipes and FIFOs are read as streams,
// whatever the entry point, and a wait for a stream can be cancelled.

#include "doc/SorvDoc.h"
#include "read/MapGuard.h"
#include "read/ReadProgress.h"
#include "read/RowReader.h"
#include "read/TextSource.h"
#include "support/TestDoc.h"
#include "support/ProcessTempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

const std::string kData = "A,1,2\nB,3,4\n";

void WriteAll(int fd, const std::string& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        ASSERT_GT(n, 0);
        done += std::size_t(n);
    }
}

// A pipe whose writer thread writes bytes, then closes its end unless told
// to hold it open until Release.
class CPipe {
public:
    explicit CPipe(std::string bytes, bool holdOpen = false)
    {
        EXPECT_EQ(pipe(m_fds), 0);
        m_writer = std::jthread([this, bytes = std::move(bytes), holdOpen] {
            WriteAll(m_fds[1], bytes);
            if (holdOpen)
                while (!m_release)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
            close(m_fds[1]);
        });
    }
    ~CPipe()
    {
        Release();
        m_writer.join();
        close(m_fds[0]);
    }
    int ReadEnd() const { return m_fds[0]; }
    void Release() { m_release = true; }

private:
    int m_fds[2] = {-1, -1};
    std::atomic<bool> m_release = false;
    std::jthread m_writer;
};

class StreamSource : public testing::Test {
protected:
    std::filesystem::path dir = ProcessTempDir("sorv-stream-test");

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Fifo()
    {
        const std::string path = (dir / "fifo").string();
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        return path;
    }
};

void ExpectData(const CSorvDoc& doc)
{
    ASSERT_EQ(doc->m_nRows, 2);
    ASSERT_EQ(doc->m_nCols, 2);
    EXPECT_EQ(doc->m_pLabels[1], "B");
    EXPECT_EQ(CellAt(doc.Data(), 3), 4);
}

TEST_F(StreamSource, RegularFileIsMapped)
{
    const std::string path = (dir / "data.csv").string();
    std::ofstream(path, std::ios::binary) << kData;
    CTextSource source;
    ReadFailure error;
    ASSERT_TRUE(source.Open(path, nullptr, UINT64_MAX, error)) << error.text;
    EXPECT_TRUE(source.IsMapped());
    EXPECT_EQ(source.Text(), kData);
}

// Another program shortens the file while it is mapped: touching a page
// past the new end fails the guarded work instead of killing the program;
// the work runs to its end, reading zeros there.
TEST_F(StreamSource, ShortenedMappedFileFailsTheGuardedWork)
{
    const std::string path = (dir / "data.csv").string();
    std::ofstream(path, std::ios::binary) << std::string(std::size_t(1) << 20, '7');
    CTextSource source;
    ReadFailure error;
    ASSERT_TRUE(source.Open(path, nullptr, UINT64_MAX, error)) << error.text;
    const std::string_view text = source.Text();
    unsigned sum = 0;
    std::string owned;   // a frame that owns memory, which nothing may jump over
    const auto readAll = [&] {
        owned.assign(1000, 'x');
        sum = 0;
        for (char c : text)
            sum += unsigned(c);
    };
    EXPECT_TRUE(RunGuarded(text.data(), text.data() + text.size(), readAll));
    EXPECT_EQ(sum, unsigned('7') << 20);
    std::filesystem::resize_file(path, 4096);
    EXPECT_FALSE(RunGuarded(text.data(), text.data() + text.size(), readAll));
    EXPECT_EQ(sum, unsigned('7') * 4096);
    EXPECT_TRUE(RunGuarded(text.data(), text.data() + 4096, [&] { EXPECT_EQ(text[4095], '7'); }));
}

// A file of size 0 that has bytes all the same.
TEST_F(StreamSource, ProcFileIsReadAsAStream)
{
    CTextSource source;
    ReadFailure error;
    ASSERT_TRUE(source.Open("/proc/self/status", nullptr, UINT64_MAX, error)) << error.text;
    EXPECT_FALSE(source.IsMapped());
    EXPECT_EQ(source.Text().substr(0, 5), "Name:");
}

TEST_F(StreamSource, PipeByDeviceNameAsProcessSubstitutionGivesIt)
{
    for (bool cancellable : {false, true}) {
        CPipe pipe(kData);
        CReadProgress progress;
        ReadOptions options;
        options.progress = cancellable ? &progress : nullptr;
        CSorvDoc doc;
        ReadFailure error;
        ASSERT_TRUE(ReadFile(doc, "/dev/fd/" + std::to_string(pipe.ReadEnd()), error, options)) << error.text;
        ExpectData(doc);
    }
}

TEST_F(StreamSource, DashIsStandardInput)
{
    CPipe pipe(kData);
    const int saved = dup(STDIN_FILENO);
    dup2(pipe.ReadEnd(), STDIN_FILENO);
    CSorvDoc doc;
    ReadFailure error;
    const bool ok = ReadFile(doc, "-", error);
    dup2(saved, STDIN_FILENO);
    close(saved);
    ASSERT_TRUE(ok) << error.text;
    ExpectData(doc);
    EXPECT_EQ(doc.GetTitle(), "-");
}

// Many megabytes through a pipe: the buffer grows many times.
TEST_F(StreamSource, LongStreamReadsAsTheSameText)
{
    std::string text;
    for (int n = 0; text.size() < (std::size_t(24) << 20); ++n)
        text += "row" + std::to_string(n) + " " + std::to_string(n) + "," + std::to_string(n * 0.5) + "\n";
    CPipe pipe(text);
    CReadProgress progress;
    ReadOptions options;
    options.progress = &progress;
    CSorvDoc fromPipe, fromText;
    ReadFailure error;
    ASSERT_TRUE(ReadFile(fromPipe, "/dev/fd/" + std::to_string(pipe.ReadEnd()), error, options)) << error.text;
    ASSERT_TRUE(ReadText(fromText, text, error)) << error.text;
    EXPECT_EQ(progress.BytesIn(), text.size());
    ASSERT_EQ(fromPipe->m_nRows, fromText->m_nRows);
    EXPECT_EQ(fromPipe->m_pLabels[fromPipe->m_nRows - 1], fromText->m_pLabels[fromText->m_nRows - 1]);
    EXPECT_EQ(fromPipe->m_dMax, fromText->m_dMax);
}

TEST_F(StreamSource, FifoWithAWriterIsRead)
{
    // Blocking (the command line) and cancellable (the viewer).
    for (bool cancellable : {false, true}) {
        const std::string fifo = Fifo();
        std::jthread writer([&] {
            const int fd = open(fifo.c_str(), O_WRONLY);   // waits for the reader
            WriteAll(fd, kData);
            close(fd);
        });
        CReadProgress progress;
        ReadOptions options;
        options.progress = cancellable ? &progress : nullptr;
        CSorvDoc doc;
        ReadFailure error;
        EXPECT_TRUE(ReadFile(doc, fifo, error, options)) << error.text;
        writer.join();
        ExpectData(doc);
        std::filesystem::remove(fifo);
    }
}

TEST_F(StreamSource, FifoWhoseWriterWritesNothingIsEmpty)
{
    const std::string fifo = Fifo();
    std::jthread writer([&] { close(open(fifo.c_str(), O_WRONLY)); });
    CReadProgress progress;
    ReadOptions options;
    options.progress = &progress;
    CSorvDoc doc;
    ReadFailure error;
    EXPECT_FALSE(ReadFile(doc, fifo, error, options));
    EXPECT_EQ(error.text, "the file is empty");
}

// Without a writer a FIFO never ends; with a pipe held open the text never
// ends: in both the read waits until it is cancelled.
TEST_F(StreamSource, WaitForAStreamIsCancelled)
{
    const std::string fifo = Fifo();
    CPipe openPipe(kData, true);
    for (const std::string& path : {fifo, "/dev/fd/" + std::to_string(openPipe.ReadEnd())}) {
        CReadProgress progress;
        ReadOptions options;
        options.progress = &progress;
        CSorvDoc doc;
        ReadFailure error;
        std::jthread canceller([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            progress.Cancel();
        });
        EXPECT_FALSE(ReadFile(doc, path, error, options)) << path;
        EXPECT_EQ(error.text, "the read was cancelled");
        EXPECT_EQ(error.code, ReadError::Cancelled);
        EXPECT_TRUE(doc->IsEmpty());
    }
}

// A stream cannot be measured before it is read: it may take at most the
// memory available (an endless one would otherwise take it all).
TEST_F(StreamSource, StreamLongerThanTheMemoryAvailableIsRefused)
{
    CPipe pipe(std::string(5000, '1'));
    ReadOptions options;
    options.availableMemory = 3000;
    CSorvDoc doc;
    ReadFailure error;
    EXPECT_FALSE(ReadFile(doc, "/dev/fd/" + std::to_string(pipe.ReadEnd()), error, options));
    EXPECT_EQ(error.code, ReadError::NoMemory);
    EXPECT_EQ(error.text, "not enough memory for the input (more than 3.0 KB)");
}

} // namespace
