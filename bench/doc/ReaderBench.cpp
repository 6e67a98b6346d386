// Speed and peak memory of the data file reader on a generated file of
// 1,000,000 lines "label,v1,...,v10" (about 100 MB), with the exact fast
// converter and with plain strtod.

#include "doc/Atof.h"
#include "doc/SorvDoc.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int kLines = 1000000;
constexpr int kValues = 10;
const std::string kPath = std::string(SORV_BENCH_DIR) + "/reader-bench.csv";

double StrtodConverter(const TokenBuffer& token, std::size_t)
{
    return std::strtod(token, nullptr);
}

long long FileSize(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (long long)st.st_size : -1;
}

// Values of 6 or 7 significant digits over several magnitudes and both signs.
void GenerateFile()
{
    std::FILE* f = std::fopen(kPath.c_str(), "w");
    if (!f) {
        std::perror(kPath.c_str());
        std::exit(1);
    }
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-3, 4), digits(6, 7), sign(0, 3);
    for (int line = 0; line < kLines; ++line) {
        std::fprintf(f, "r%d", line);
        for (int i = 0; i < kValues; ++i) {
            const double v = mantissa(rng) * std::pow(10.0, exponent(rng)) * (sign(rng) == 0 ? -1 : 1);
            std::fprintf(f, ",%.*g", digits(rng), v);
        }
        std::fputc('\n', f);
    }
    std::fclose(f);
}

long MaxRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void ReadOrDie(CSorvDoc& doc, CSorvDoc::ValueConverter convert)
{
    std::string error;
    if (!doc.ReadFile(kPath, error, convert)) {
        std::fprintf(stderr, "%s: %s\n", kPath.c_str(), error.c_str());
        std::exit(1);
    }
}

// Peak memory of one read over the process before it, against the bound.
void ReportMemory()
{
    const long before = MaxRssKb();
    long long rows = 0, cols = 0;
    {
        CSorvDoc doc;
        ReadOrDie(doc, AtofC);
        rows = doc.m_nRows;
        cols = doc.m_nCols;
    }
    const double peakMb = double(MaxRssKb() - before) * 1024 / 1e6;
    const double boundMb = double(FileSize(kPath) + 8 * rows * cols + 40 * rows) / 1e6 + 32 * 1.048576;
    std::printf("peak memory of one read: %.1f MB over the process (bound %.1f MB) %s\n", peakMb, boundMb,
                peakMb <= boundMb ? "OK" : "OVER");
}

double g_bestSeconds[2] = {1e9, 1e9};

void BM_Read(benchmark::State& state, CSorvDoc::ValueConverter convert, int slot)
{
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        CSorvDoc doc;
        ReadOrDie(doc, convert);
        benchmark::DoNotOptimize(doc.m_dMax);
        const double took = double(std::clock() - start) / CLOCKS_PER_SEC;
        g_bestSeconds[slot] = std::min(g_bestSeconds[slot], took);
    }
    state.counters["MB/s"] = benchmark::Counter(double(FileSize(kPath)) / 1e6,
                                                benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_CAPTURE(BM_Read, AtofC, AtofC, 0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Read, strtod, StrtodConverter, 1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    if (FileSize(kPath) < 0)
        GenerateFile();
    std::printf("data file: %s, %.1f MB\n", kPath.c_str(), double(FileSize(kPath)) / 1e6);
    ReportMemory();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double mb = double(FileSize(kPath)) / 1e6;
    const double fast = mb / g_bestSeconds[0], slow = mb / g_bestSeconds[1];
    std::printf("best whole read (CPU time): %.0f MB/s (target 250), strtod reader %.0f MB/s, ratio %.2f (target 3)\n",
                fast, slow, fast / slow);
    return 0;
}
