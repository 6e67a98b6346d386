// The line and scatter charts of 10 rows x 100,000 columns drawn into an
// 800 x 600 image, next to QPainter drawing the same lines and rectangles bare.

#include "DrawingBenchMain.h"
#include "chart2d/ScaleMap.h"
#include "doc/SorvDoc.h"
#include "gfx/PainterDC.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kRows = 10;
constexpr int kCols = 100000;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

const CSorvDoc& BigDoc()
{
    static const std::unique_ptr<CSorvDoc> doc = MakeTestDoc(
        kRows, kCols, [](int r, int c) { return r * 10.0 + 10.0 * std::sin(c * 0.001 * (r + 1)); });
    return *doc;
}

CPlotSettings Settings(int type)
{
    CPlotSettings s;
    InitialUpdate(s, BigDoc());
    s.m_nGraphType = type;
    return s;
}

void DrawChart(benchmark::State& state, int type)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    CPlotSettings s = Settings(type);
    for (auto _ : state) {
        QPainter painter(&image);
        CPainterDC dc(painter, 1.0);
        DrawPage(dc, BigDoc(), s, kWidth, kHeight);
    }
}

// The series' page positions, as the chart places them.
std::vector<QPoint> SeriesPoints()
{
    CPlotSettings s = Settings(1);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    CPainterDC dc(painter, 1.0);
    const CPageLayout layout = DrawPage(dc, BigDoc(), s, kWidth, kHeight);
    const CScaleMap columns = CScaleMap::Horizontal(layout);
    const CScaleMap values = CScaleMap::Values(layout);
    std::vector<QPoint> points;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            points.emplace_back(columns.ToPage(c).value_or(0), values.ToPage(BigDoc()->Value(r, c)).value_or(0));
    return points;
}

// The page: y upward, clipped to the plot as the chart is.
void SetUpBarePainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(QTransform(1.0, 0.0, 0.0, -1.0, 0.0, kHeight - 1.0));
    painter.setClipRect(QRect(80, 24, 620, 528));
}

void BM_LineChart(benchmark::State& state) { DrawChart(state, 1); }
void BM_ScatterChart(benchmark::State& state) { DrawChart(state, 0); }

void BM_BareLines(benchmark::State& state)
{
    const std::vector<QPoint> points = SeriesPoints();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        SetUpBarePainter(painter);
        for (int r = 0; r < kRows; ++r) {
            painter.setPen(QPen(QColor::fromRgb(0xFF00FF - r), 0));
            const QPoint* p = points.data() + std::size_t(r) * kCols;
            for (int c = 1; c < kCols; ++c)
                painter.drawLine(p[c - 1], p[c]);
        }
    }
}

void BM_BareRectangles(benchmark::State& state)
{
    const std::vector<QPoint> points = SeriesPoints();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        SetUpBarePainter(painter);
        painter.setPen(QPen(QColor(0, 0, 0x60), 0));
        for (int r = 0; r < kRows; ++r) {
            painter.setBrush(QColor::fromRgb(0xFF00FF - r));
            const QPoint* p = points.data() + std::size_t(r) * kCols;
            for (int c = 0; c < kCols; ++c)
                painter.drawRect(QRect(p[c].x() - 2, p[c].y() - 2, 4, 4));
        }
    }
}

}  // namespace

BENCHMARK(BM_LineChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScatterChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareRectangles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunDrawingBenchmarks(argc, argv);
}
