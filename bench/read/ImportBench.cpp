// Importing a generated column file of about 100 MB (a header, then lines of
// a time and 10 values) against the default reader reading the same numbers
// in the row format (10 lines of a label and the values), in the same run,
// each from its mapped file; and the peak memory of one import.

#include "BenchFiles.h"

#include "doc/SorvDoc.h"
#include "read/ImportDetect.h"
#include "read/Importer.h"
#include "read/RowReader.h"
#include "read/TextSource.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 900000;
constexpr int kSeries = 10;
const std::string kColumnPath = std::string(SORV_BENCH_DIR) + "/import-bench-columns.csv";
const std::string kRowPath = std::string(SORV_BENCH_DIR) + "/import-bench-rows.csv";

// Values of 6 or 7 significant digits over several magnitudes and both
// signs, as texts; series s, record r at s * kRecords + r.
std::vector<std::string> GenerateValues()
{
    CValueText text;
    std::vector<std::string> values(std::size_t(kSeries) * kRecords);
    for (std::string& v : values)
        v = text.Next();
    return values;
}

void GenerateFiles()
{
    const std::vector<std::string> values = GenerateValues();
    std::FILE* columns = OpenOrDie(kColumnPath);
    std::fputs("time", columns);
    for (int s = 0; s < kSeries; ++s)
        std::fprintf(columns, ",sensor %d", s);
    std::fputc('\n', columns);
    for (int r = 0; r < kRecords; ++r) {
        std::fprintf(columns, "%d", r);
        for (int s = 0; s < kSeries; ++s)
            std::fprintf(columns, ",%s", values[std::size_t(s) * kRecords + r].c_str());
        std::fputc('\n', columns);
    }
    std::fclose(columns);
    std::FILE* rows = OpenOrDie(kRowPath);
    for (int s = 0; s < kSeries; ++s) {
        std::fprintf(rows, "sensor_%d", s);
        for (int r = 0; r < kRecords; ++r)
            std::fprintf(rows, ",%s", values[std::size_t(s) * kRecords + r].c_str());
        std::fputc('\n', rows);
    }
    std::fclose(rows);
}

// The file's bytes as the reader takes them in (mapped), so that both sides
// of the comparison pay the same for getting the text.
void LoadOrDie(const std::string& path, CTextSource& source)
{
    ReadFailure failure;
    if (!source.Open(path, nullptr, UINT64_MAX, failure)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), failure.text.c_str());
        std::exit(1);
    }
}

void ImportOrDie(CSorvDoc& doc)
{
    CTextSource source;
    LoadOrDie(kColumnPath, source);
    const std::string_view text = source.Text();
    CImporter importer(DetectImport(text).options);
    if (!importer.Import(text, doc)) {
        std::fprintf(stderr, "%s: %s\n", kColumnPath.c_str(), importer.GetFailure().text.c_str());
        std::exit(1);
    }
}

void ReadOrDie(CSorvDoc& doc)
{
    ReadFailure error;
    if (!ReadFile(doc, kRowPath, error)) {
        std::fprintf(stderr, "%s: %s\n", kRowPath.c_str(), error.text.c_str());
        std::exit(1);
    }
}

long MaxRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Peak memory of one import over the process before it, against one copy of
// the text, the matrix and 8 bytes a line for the column labels' ends.
void ReportMemory()
{
    const long before = MaxRssKb();
    long long cells = 0, labels = 0;
    {
        CSorvDoc doc;
        ImportOrDie(doc);
        if (doc->m_nRows != kSeries || doc->m_nCols != kRecords || doc->m_pLabels[0] != "sensor 0") {
            std::fprintf(stderr, "the column file imported as %d x %d\n", doc->m_nRows, doc->m_nCols);
            std::exit(1);
        }
        cells = (long long)doc->m_nRows * doc->m_nCols;
        labels = (long long)doc->m_columnLabels.Count();
    }
    const double peakMb = double(MaxRssKb() - before) * 1024 / 1e6;
    const double boundMb = double(FileSize(kColumnPath) + 8 * cells + 16 * labels) / 1e6 + 32 * 1.048576;
    std::printf("peak memory of one import: %.1f MB over the process (bound %.1f MB) %s\n", peakMb, boundMb,
                peakMb <= boundMb ? "OK" : "OVER");
}

double g_bestSeconds[2] = {1e9, 1e9};

template <class Load>
void Measure(benchmark::State& state, Load load, int slot, const std::string& path)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CSorvDoc doc;
        load(doc);
        benchmark::DoNotOptimize(doc->m_dMax);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        g_bestSeconds[slot] = std::min(g_bestSeconds[slot], took);
    }
    state.counters["MB/s"] =
        benchmark::Counter(double(FileSize(path)) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ImportColumns(benchmark::State& state)
{
    Measure(state, ImportOrDie, 0, kColumnPath);
}

void BM_ReadRows(benchmark::State& state)
{
    Measure(state, ReadOrDie, 1, kRowPath);
}

void BM_Detect(benchmark::State& state)
{
    CTextSource source;
    LoadOrDie(kColumnPath, source);
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectImport(source.Text()).needsDialog);
}

BENCHMARK(BM_ImportColumns)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_ReadRows)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_Detect)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (FileSize(kColumnPath) < 0 || FileSize(kRowPath) < 0)
        GenerateFiles();
    std::printf("column file %.1f MB, row file %.1f MB, %d x %d values\n", double(FileSize(kColumnPath)) / 1e6,
                double(FileSize(kRowPath)) / 1e6, kSeries, kRecords);
    ReportMemory();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("best import of the column file %.0f ms, default reader on the row file %.0f ms: %s\n",
                g_bestSeconds[0] * 1e3, g_bestSeconds[1] * 1e3,
                g_bestSeconds[0] <= g_bestSeconds[1] ? "import at least as fast (OK)" : "import SLOWER");
    return 0;
}
