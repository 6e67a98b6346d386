// The QPainter back end's shortcuts and banded drawing on charts the size
// of real data, each next to its peer in the same run:
// - the line, scatter and stacked charts of 10 x 1,000,000 values at
//   800 x 600: lines reduced per pixel column, markers that later ones paint
//   over left out, bands merged per pixel column, against drawing every
//   point (the stacked chart's takes most of a minute: one run);
// - the printed line chart of the same document as a PDF at 600 dpi, reduced
//   at the printer's dots, against every point (counter "bytes": its size);
// - the preview's page of the scatter, line and stacked charts on A4 for a
//   1200 dpi printer, as the worker draws it, against what is left to the
//   GUI thread;
// - the 3D chart of 2000 x 2000 values (model 3) at 800 x 600 in two bands,
//   one a thread, against one thread.
// The chart code alone on a surface that draws nothing is the floor of both.
// Each pair is checked once to draw the same pixels (counter "identical").

#include "DrawingBenchMain.h"
#include "NullDC.h"
#include "doc/SorvDoc.h"
#include "gfx/BandedDraw.h"
#include "gfx/PainterDC.h"
#include "support/TestDoc.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "page/PageRenderer.h"
#include "page/PrintedPage.h"
#include "settings/PlotSettings.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <memory>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

const CSorvDoc& LineDoc()
{
    static const std::unique_ptr<CSorvDoc> doc = MakeTestDoc(10, 1000000, [](int r, int c) {
        return r * 10.0 + 10.0 * std::sin(c * 0.0001 * (r + 1)) + 0.5 * ((c * 7 + r) % 13);
    });
    return *doc;
}

const CSorvDoc& SurfaceDoc()
{
    static const std::unique_ptr<CSorvDoc> doc = MakeTestDoc(2000, 2000, [](int r, int c) {
        return 40.0 * std::sin(c * 0.0065) * std::cos(r * 0.0105) + 0.01 * ((c * 7 + r * 3) % 100);
    });
    return *doc;
}

CPlotSettings Settings(const CSorvDoc& doc, int type)
{
    CPlotSettings s;
    InitialUpdate(s, doc);
    s.m_nGraphType = type;
    s.m_nModel = 3;
    return s;
}

QImage Blank()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage DrawOneThread(const CSorvDoc& doc, int type, bool fast)
{
    QImage image = Blank();
    CPlotSettings s = Settings(doc, type);
    QPainter painter(&image);
    {
        CPainterDC dc(painter, image.dotsPerMeterX() / 1000.0);
        dc.SetFastPaths(fast);
        DrawPage(dc, doc, s, kWidth, kHeight);
    }
    painter.end();
    return image;
}

QImage DrawBanded(const CSorvDoc& doc, int type, int bands)
{
    QImage image = Blank();
    const CPlotSettings s = Settings(doc, type);
    DrawInBands(image, bands, image.dotsPerMeterX() / 1000.0,
                [&](CDC& dc, int) { DrawPage(dc, doc, s, kWidth, kHeight); });
    return image;
}

// A 2D chart of the 10 x 1M document (type 0 scatter, 1 line, 2 stacked)
// with the shortcuts; checked once against every point.
void Chart1M_Fast(benchmark::State& state, int type)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawOneThread(LineDoc(), type, true));
    state.counters["identical"] = DrawOneThread(LineDoc(), type, true) == DrawOneThread(LineDoc(), type, false);
}

void Chart1M_EveryPoint(benchmark::State& state, int type)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawOneThread(LineDoc(), type, false));
}

// The chart code alone, the floor of the drawings above.
void ChartCodeOnly(benchmark::State& state, const CSorvDoc& doc, int type)
{
    for (auto _ : state) {
        CNullDC dc;
        CPlotSettings s = Settings(doc, type);
        DrawPage(dc, doc, s, kWidth, kHeight);
    }
}

void Chart1M_ChartCodeOnly(benchmark::State& state, int type)
{
    ChartCodeOnly(state, LineDoc(), type);
}

BENCHMARK_CAPTURE(Chart1M_Fast, LineChart1M_Reduced, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_EveryPoint, LineChart1M_EveryPoint, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_ChartCodeOnly, LineChart1M_ChartCodeOnly, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_Fast, ScatterChart1M_Culled, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_EveryPoint, ScatterChart1M_EveryMarker, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_ChartCodeOnly, ScatterChart1M_ChartCodeOnly, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_Fast, StackedChart1M_Merged, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Chart1M_EveryPoint, StackedChart1M_EveryPolygon, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Chart1M_ChartCodeOnly, StackedChart1M_ChartCodeOnly, 2)->Unit(benchmark::kMillisecond);

// The PDF of the printed line chart on 200 x 287 mm at 600 dpi, as the
// export writes it; its size in bytes.
qint64 PrintLineChart(bool fast)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QSizeF(200, 287), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    CPlotSettings s = Settings(LineDoc(), 1);
    QPainter painter(&pdf);
    if (fast) {
        DrawPrintedPage(painter, {600 / 25.4, pdf.width(), pdf.height(), 200, 287}, LineDoc(), s, kWidth, kHeight);
    } else {
        CPainterDC dc(painter, 600 / 25.4);
        dc.m_bPrinting = true;
        dc.SetPrintableSize(200, 287);
        DrawPage(dc, LineDoc(), s, kWidth, kHeight);
    }
    painter.end();
    return out.size();
}

void PrintedLineChart1M_Pdf(benchmark::State& state, bool fast)
{
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = PrintLineChart(fast);
    state.counters["bytes"] = double(bytes);
}
BENCHMARK_CAPTURE(PrintedLineChart1M_Pdf, Reduced, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrintedLineChart1M_Pdf, EveryPoint, false)->Unit(benchmark::kMillisecond)->Iterations(1);

// The preview's page on A4 for the viewer's printer (1200 dpi), as its worker
// draws it: recorded, or an image at 300 dpi when the recording is too long.
CRenderedPage PreviewPage(int type)
{
    CPageRequest request{LineDoc(), Settings(LineDoc(), type), kWidth, kHeight};
    request.printed = CPrintGeometry{1200 / 25.4, 9583, 13699, 202, 289};
    request.printedImageDotsPerMm = 300 / 25.4;
    return RenderPage(request, false);
}

void BM_PreviewPage1M(benchmark::State& state)
{
    CRenderedPage page;
    for (auto _ : state)
        page = PreviewPage(int(state.range(0)));
    state.counters["image"] = !page.image.isNull();
    state.counters["recorded_bytes"] = double(page.picture.size());
}
BENCHMARK(BM_PreviewPage1M)->ArgName("chart")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What is left to the GUI thread for a recorded page: playing it into the
// preview's own recording (an image's page costs the GUI thread its scaling
// for the zoom, in view_response_bench's BM_PreviewPage).
void BM_PreviewPage1M_Play(benchmark::State& state)
{
    const CRenderedPage page = PreviewPage(int(state.range(0)));
    for (auto _ : state) {
        QPicture preview;
        QPainter painter(&preview);
        PlayPrintedPage(painter, page.picture);
        painter.end();
        benchmark::DoNotOptimize(preview.size());
    }
}
BENCHMARK(BM_PreviewPage1M_Play)->ArgName("chart")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_Surface2000_OneThread(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawOneThread(SurfaceDoc(), 3, true));
}
BENCHMARK(BM_Surface2000_OneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Surface2000_ChartCodeOnly(benchmark::State& state)
{
    ChartCodeOnly(state, SurfaceDoc(), 3);
}
BENCHMARK(BM_Surface2000_ChartCodeOnly)->Unit(benchmark::kMillisecond);

// The CPU time is the calling thread's: counting where the shapes lie and
// the first band; the counter "all_threads_ms" adds the other bands' (on a
// busy machine the real time says little, that sum and the one thread's CPU
// time more).
void BM_Surface2000_Banded(benchmark::State& state)
{
    const int bands = int(state.range(0));
    const std::clock_t start = std::clock();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawBanded(SurfaceDoc(), 3, bands));
    state.counters["all_threads_ms"] =
        benchmark::Counter(1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC / double(state.iterations()));
    static const bool identical = DrawBanded(SurfaceDoc(), 3, bands) == DrawOneThread(SurfaceDoc(), 3, true);
    state.counters["identical"] = identical;
}
BENCHMARK(BM_Surface2000_Banded)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    return RunDrawingBenchmarks(argc, argv);
}
