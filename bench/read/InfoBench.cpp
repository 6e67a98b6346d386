// Whole processes, side by side in one run: `sorv --info FILE` against the
// one-thread mmap + fast_float loop over the same file (this program again,
// with --loop FILE), on a 941 MB file of 10 lines of 10,000,000 values and on
// read_bench's 1.03 GB file of 10,000,000 lines of 10 values. Prints the wall
// and CPU time (user + system, from wait4) of every run, the medians, and the
// ratios of the medians with the load average before and after.
//     info_bench BUILD/src/app/sorv [RUNS]          (default 5)

#include "BenchFiles.h"
#include "ChildProcess.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kDir = SORV_BENCH_DIR;

// Seconds; of a summary, each the median of the runs'.
struct Times {
    double wall = 0, cpu = 0, user = 0, system = 0;
};

double Seconds(const timeval& t)
{
    return double(t.tv_sec) + double(t.tv_usec) * 1e-6;
}

// Runs the program with its output thrown away; exits when it fails.
Times Run(const std::vector<std::string>& args)
{
    const auto start = std::chrono::steady_clock::now();
    const rusage usage = RunChild(args, true);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double user = Seconds(usage.ru_utime), system = Seconds(usage.ru_stime);
    return {wall, user + system, user, system};
}

std::string LoadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

template <class Get>
double Median(const std::vector<Times>& runs, Get get)
{
    std::vector<double> v;
    for (const Times& t : runs)
        v.push_back(get(t));
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void PrintRun(const char* name, const Times& t)
{
    std::printf("  %-5s wall %6.3f s  cpu %6.3f s (user %6.3f, system %6.3f)\n", name, t.wall, t.cpu, t.user,
                t.system);
}

Times Medians(const std::vector<Times>& runs)
{
    return {Median(runs, [](const Times& t) { return t.wall; }), Median(runs, [](const Times& t) { return t.cpu; }),
            Median(runs, [](const Times& t) { return t.user; }), Median(runs, [](const Times& t) { return t.system; })};
}

// Alternates the two, the one that goes first changing from run to run,
// after one unmeasured run of each that brings the file into the cache.
void Compare(const std::string& sorv, const std::string& self, const std::string& path, int runs)
{
    const std::vector<std::string> info = {sorv, "--info", path}, loop = {self, "--loop", path};
    Run(info);
    Run(loop);
    std::printf("%s\n  load average before: %s\n", path.c_str(), LoadAverage().c_str());
    std::vector<Times> infoTimes, loopTimes;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const bool infoNow = (i + k) % 2 == 0;
            const Times t = Run(infoNow ? info : loop);
            (infoNow ? infoTimes : loopTimes).push_back(t);
            PrintRun(infoNow ? "info" : "loop", t);
        }
    }
    const Times a = Medians(infoTimes), b = Medians(loopTimes);
    std::printf("  load average after: %s\n  medians of %d:\n", LoadAverage().c_str(), runs);
    PrintRun("info", a);
    PrintRun("loop", b);
    std::printf("  info / loop: wall %.2f (target <= 0.6), cpu %.2f (target <= 1.0)\n\n", a.wall / b.wall,
                a.cpu / b.cpu);
}

std::string SelfPath()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, std::size_t(n)) : std::string();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--loop") {
        const LoopRange range = FastFloatLoop(argv[2]);
        std::printf("min %.17g\nmax %.17g\n", range.min, range.max);
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: info_bench BUILD/src/app/sorv [RUNS]\n");
        return 2;
    }
    const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string wide = kDir + "/info-bench-wide.csv", tall = kDir + "/reader-bench-10M.csv";
    EnsureFile(wide, [](const std::string& p) { GenerateWideFile(p, 10000000); });
    EnsureFile(tall, [](const std::string& p) { GenerateTallFile(p, 10000000); });
    for (const std::string& path : {wide, tall})
        Compare(argv[1], SelfPath(), path, runs);
    return 0;
}
