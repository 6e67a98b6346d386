// Following a growing file, as a window of the viewer does it: a column
// file of MB megabytes (a line number as x, then 8 series) is opened with
// 表示 > 最新のﾃﾞｰﾀを追う on its last 100,000 points, and a writer thread
// appends whole lines at 1 MB a second (a write every 100 ms) for SECONDS.
// Reports the CPU the process spent (the writer's own taken out) as a share
// of one core, the time from each write to the first exact page shown after
// the data that holds it was published (median, 90th percentile, largest),
// and the peak resident memory against that of a one-shot export of the
// final file by the program given (the same last 100,000 points).
//     follow_bench BUILD/src/app/sorv [MB] [SECONDS]     (default 1024 60)

#include "ChildProcess.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/SorvApp.h"
#include "app/SorvView.h"
#include "cli/ReadArguments.h"
#include "doc/SorvDoc.h"
#include "gfx/FontSubstitutions.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSeries = 8;
constexpr int kPoints = 100000;

// Line n of the file: n, then the series' values.
void AppendLine(std::string& out, long long n)
{
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
    for (int s = 0; s < kSeries; ++s) {
        const long long v = (n * (s + 3) + s * 977) % 100000;
        out += ',';
        out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, v / 100).ptr);
        out += '.';
        out += char('0' + v % 100 / 10);
        out += char('0' + v % 10);
    }
    out += '\n';
}

// Writes the file's first bytes; returns the lines written.
long long WriteFile(const std::string& path, std::uint64_t bytes)
{
    std::ofstream out(path, std::ios::binary);
    std::string text = "n";
    for (int s = 0; s < kSeries; ++s)
        text += ",s" + std::to_string(s);
    text += '\n';
    long long n = 0;
    std::uint64_t written = 0;
    while (written < bytes) {
        while (text.size() < (1 << 20))
            AppendLine(text, n++);
        out.write(text.data(), std::streamsize(text.size()));
        written += text.size();
        text.clear();
    }
    return n;
}

double CpuSeconds(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long PeakKb()
{
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

// A write: when it was done and how many lines the file then had.
struct Write {
    Clock::time_point at;
    long long lines;
};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: follow_bench BUILD/src/app/sorv [MB] [SECONDS]\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::uint64_t megabytes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1024;
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    const std::string path = QFile::encodeName(dir.filePath("follow.csv")).toStdString();
    long long lines = WriteFile(path, megabytes << 20);
    std::printf("file: %llu MB, %lld lines of %d series\n", (unsigned long long)megabytes, lines, kSeries);

    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ReadChoice read;
    ImportOptions& o = read.import.emplace();
    o.columns = o.header = true;
    o.delimiter = ImportDelimiter::Comma;
    o.firstColumn = FirstColumn::X;
    const auto opened = Clock::now();
    CSorvApp sorv;
    sorv.InitInstance({QString::fromStdString(path)}, read, kPoints);
    CSorvView* view = nullptr;
    while (!(view = sorv.GetMainFrame()->GetActiveView()) || !view->WaitForPage(600000))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const CSorvDoc& doc = view->GetDocument();
    std::printf("opened and drawn in %.2f s: %d points, region %d..%d, following: %s\n",
                std::chrono::duration<double>(Clock::now() - opened).count(), doc->m_nCols, doc.m_nX1, doc.m_nX2,
                sorv.GetDocManager().IsFollowing(&doc) ? "yes" : "no");

    std::mutex mutex;
    std::vector<Write> writes;
    std::atomic<bool> stop{false};
    double writerCpu = 0;
    const double cpuBefore = CpuSeconds(RUSAGE_SELF);
    const auto start = Clock::now();
    std::thread writer([&] {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        std::string text;
        for (auto next = Clock::now(); !stop; next += std::chrono::milliseconds(100)) {
            std::this_thread::sleep_until(next);
            text.clear();
            while (text.size() < (1 << 20) / 10)
                AppendLine(text, lines++);
            out.write(text.data(), std::streamsize(text.size()));
            out.flush();
            const std::lock_guard lock(mutex);
            writes.push_back({Clock::now(), lines});
        }
        writerCpu = CpuSeconds(RUSAGE_THREAD);
    });

    // A write is shown by the first exact page that comes after the data
    // that holds it was published.
    std::vector<double> latencies;
    std::size_t shownWrites = 0;
    int published = doc->m_nCols, awaited = published, pages = view->ExactDrawCount(), appends = 0;
    // The loop waits for events, woken every 10 ms at least.
    QTimer wake;
    wake.start(10);
    while (Clock::now() - start < std::chrono::seconds(seconds)) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (view->ExactDrawCount() != pages) {
            pages = view->ExactDrawCount();
            const std::lock_guard lock(mutex);
            for (; shownWrites < writes.size() && writes[shownWrites].lines <= awaited; ++shownWrites)
                latencies.push_back(Ms(Clock::now() - writes[shownWrites].at));
        }
        if (doc->m_nCols != published) {
            published = doc->m_nCols;
            ++appends;
        }
        awaited = published;
    }
    stop = true;
    writer.join();
    const double cpu = CpuSeconds(RUSAGE_SELF) - cpuBefore - writerCpu;
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%zu writes, %d new data published, %zu shown; %d points, region %d..%d\n", writes.size(), appends,
                shownWrites, doc->m_nCols, doc.m_nX1, doc.m_nX2);
    std::printf("CPU: %.1f %% of one core (%.2f s in %.1f s, the writer's %.2f s taken out)\n",
                100.0 * cpu / elapsed, cpu, elapsed, writerCpu);
    std::printf("write to picture: median %.0f ms, 90th percentile %.0f ms, largest %.0f ms\n",
                Percentile(latencies, 0.5), Percentile(latencies, 0.9), Percentile(latencies, 1.0));
    const long peak = PeakKb();
    const long oneShot = RunChild({program, "--export", QFile::encodeName(dir.filePath("final.png")).toStdString(),
                                      "--columns", "--x", "first", "--follow", std::to_string(kPoints), path}, false).ru_maxrss;
    std::printf("peak memory: %.0f MB following, %.0f MB a one-shot export of the final file: %.2fx\n", peak / 1024.0,
                oneShot / 1024.0, double(peak) / double(oneShot));
    return 0;
}
