// A window showing a 1000 x 1000 surface: a paint without a change against a
// paint that draws the chart again.

#include "app/SorvView.h"
#include "settings/CommandIds.h"
#include "support/TestDoc.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

std::unique_ptr<CSorvDoc> Surface()
{
    return MakeTestDoc(1000, 1000, [](int r, int c) { return std::sin(r * 0.01) * std::cos(c * 0.013); });
}

void Paint(benchmark::State& state, bool change)
{
    auto doc = Surface();
    CSorvView view(*doc);
    view.OnCommand(CommandId::Graph3D);
    view.resize(800, 600);
    // grab() runs the window's paint as an expose would; the first ones also
    // deliver the pending resize.
    view.grab();
    view.grab();
    for (auto _ : state) {
        if (change)
            view.Invalidate();
        benchmark::DoNotOptimize(view.grab());
    }
}

void BM_RepaintUnchanged(benchmark::State& state) { Paint(state, false); }
void BM_RepaintAfterChange(benchmark::State& state) { Paint(state, true); }

}  // namespace

BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintAfterChange)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
