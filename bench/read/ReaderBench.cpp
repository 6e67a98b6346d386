// Speed and peak memory of the data file reader on generated files of lines
// "label,v1,...,v10": 10,000,000 lines (about 1 GB) against a plain one-pass,
// one-thread loop that maps the file and converts with fast_float, and
// 1,000,000 lines (about 100 MB) against the same reader converting with strtod.

#include "BenchFiles.h"
#include "doc/SorvDoc.h"
#include "read/Atof.h"
#include "read/RowReader.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const std::string kDir = SORV_BENCH_DIR;
const std::string kLargePath = kDir + "/reader-bench-10M.csv";
const std::string kSmallPath = kDir + "/reader-bench-1M.csv";

double StrtodConverter(const char* p, std::size_t length)
{
    TokenBuffer token;
    std::memcpy(token, p, length);
    token[length] = '\0';
    return std::strtod(token, nullptr);
}

void ReadOrDie(CSorvDoc& doc, const std::string& path, ValueConverter convert)
{
    ReadFailure error;
    ReadOptions options;
    options.convert = convert;
    if (!ReadFile(doc, path, error, options)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.text.c_str());
        std::exit(1);
    }
    benchmark::DoNotOptimize(doc->m_dMax);
}

long PeakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Peak memory of one read over the process before it, the mapped file left
// out, against the bound of 8 bytes a cell, 40 a row and 32 MB.
void ReportMemory(const std::string& path)
{
    const long before = PeakRssKb();
    long long rows = 0, cols = 0;
    {
        CSorvDoc doc;
        ReadFailure error;
        if (!ReadFile(doc, path, error)) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), error.text.c_str());
            std::exit(1);
        }
        rows = doc->m_nRows;
        cols = doc->m_nCols;
    }
    const double peak = double(PeakRssKb() - before) * 1024 - double(FileSize(path));
    const double bound = double(8 * rows * cols + 40 * rows) + 32 * 1048576.0;
    std::printf("peak memory of one read beyond the mapped file: %.1f MB, %.2f B a cell (bound %.1f MB) %s\n",
                peak / 1e6, peak / double(rows * cols), bound / 1e6, peak <= bound ? "OK" : "OVER");
}

enum Slot { kLargeReader, kLargePeer, kSmallReader, kSmallStrtod, kSlots };
double g_best[kSlots] = {1e9, 1e9, 1e9, 1e9};

// Times read(doc) alone: the document is made before and destroyed after.
template <class Read>
void Measure(benchmark::State& state, Slot slot, const std::string& path, Read read)
{
    for (auto _ : state) {
        CSorvDoc doc;
        const auto start = std::chrono::steady_clock::now();
        read(doc);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        g_best[slot] = std::min(g_best[slot], seconds);
    }
    state.counters["MB/s"] = benchmark::Counter(double(FileSize(path)) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_LargeReader(benchmark::State& state)
{
    Measure(state, kLargeReader, kLargePath, [](CSorvDoc& doc) { ReadOrDie(doc, kLargePath, nullptr); });
}

void BM_LargePeer(benchmark::State& state)
{
    Measure(state, kLargePeer, kLargePath, [](CSorvDoc&) {
        const LoopRange range = FastFloatLoop(kLargePath);
        benchmark::DoNotOptimize(range);
    });
}

void BM_SmallReader(benchmark::State& state)
{
    Measure(state, kSmallReader, kSmallPath, [](CSorvDoc& doc) { ReadOrDie(doc, kSmallPath, nullptr); });
}

void BM_SmallStrtod(benchmark::State& state)
{
    Measure(state, kSmallStrtod, kSmallPath, [](CSorvDoc& doc) { ReadOrDie(doc, kSmallPath, StrtodConverter); });
}

BENCHMARK(BM_LargeReader)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(8.0);
BENCHMARK(BM_LargePeer)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(8.0);
BENCHMARK(BM_SmallReader)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);
BENCHMARK(BM_SmallStrtod)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    EnsureFile(kLargePath, [](const std::string& p) { GenerateTallFile(p, 10000000); });
    EnsureFile(kSmallPath, [](const std::string& p) { GenerateTallFile(p, 1000000); });
    ReportMemory(kLargePath);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("best whole read of the large file: reader %.0f ms, one-thread fast_float loop %.0f ms: %.2fx faster "
                "(target 1.5)\n",
                g_best[kLargeReader] * 1e3, g_best[kLargePeer] * 1e3, g_best[kLargePeer] / g_best[kLargeReader]);
    std::printf("best read of the small file: reader %.0f ms, with strtod %.0f ms: %.2fx faster (target 4)\n",
                g_best[kSmallReader] * 1e3, g_best[kSmallStrtod] * 1e3, g_best[kSmallStrtod] / g_best[kSmallReader]);
    return 0;
}
