// The 3D chart of a 1000 x 1000 cell region in each model on an 800 x 600
// image, next to QPainter drawing the same polygons with the same pen and
// brush changes, and next to the chart code alone on a surface that draws nothing.

#include "DrawingBenchMain.h"
#include "NullDC.h"
#include "chart3d/Graph3D.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "gfx/PainterDC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kSide = 1001;  // grid points per side: 1000 x 1000 cells
constexpr int kWidth = 800;
constexpr int kHeight = 600;

const CSorvDoc& BenchDoc()
{
    static const std::unique_ptr<CSorvDoc> doc = MakeTestDoc(kSide, kSide, [](int r, int c) {
        return 40.0 * std::sin(c * 0.013) * std::cos(r * 0.021) + 0.01 * ((c * 7 + r * 3) % 100);
    });
    return *doc;
}

CPlotSettings BenchSettings(int model)
{
    CPlotSettings s;
    s.m_nGraphType = 3;
    s.m_nModel = model;
    s.m_dVMin = BenchDoc()->m_dMin;
    s.m_dVMax = BenchDoc()->m_dMax;
    return s;
}

// Draws the chart of the model on a page of kWidth x kHeight; returns its fit scale.
double DrawBenchChart(CDC& dc, int model)
{
    CPageLayout layout;
    layout.m_nPageWidth = kWidth;
    layout.m_nPageHeight = kHeight;
    DrawGraph3D(dc, BenchDoc(), BenchSettings(model), layout);
    return layout.m_d3DScale;
}

// Keeps the cells of a draw as bare points and colours.
class CCaptureDC : public CDC {
public:
    struct Shape {
        int first;
        int count;
        QRgb pen;
        QRgb brush;
    };
    std::vector<QPoint> m_points;
    std::vector<Shape> m_shapes;

protected:
    void DoLine(CPoint, CPoint) override {}
    void DoRectangle(int, int, int, int) override {}
    void DoPolygon(const CPoint* p, int n) override { Add(p, n); }
    void DoPolyline(const CPoint* p, int n) override { Add(p, n); }
    void DoTextOut(int, int, const char*, int) override {}
    void DoClip(int, int, int, int) override {}
    void DoClipOff() override {}

private:
    static QRgb Rgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
    void Add(const CPoint* p, int n)
    {
        m_shapes.push_back({int(m_points.size()), n, Rgb(GetCurrentPen().color), Rgb(GetCurrentBrush().color)});
        for (int i = 0; i < n; ++i)
            m_points.emplace_back(p[i].x, p[i].y);
    }
};

const CCaptureDC& Captured(int model)
{
    static std::map<int, std::unique_ptr<CCaptureDC>> cache;
    auto& slot = cache[model];
    if (!slot) {
        slot = std::make_unique<CCaptureDC>();
        DrawBenchChart(*slot, model);
    }
    return *slot;
}

void BM_Chart3D(benchmark::State& state)
{
    const int model = int(state.range(0));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        CPainterDC dc(painter, 1.0);
        dc.SetScreenMapping(kWidth, kHeight);
        DrawBenchChart(dc, model);
    }
    state.counters["cells"] = double(Captured(model).m_shapes.size());
}

void BM_BareQPainter(benchmark::State& state)
{
    const CCaptureDC& cap = Captured(int(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setTransform(QTransform(1.0, 0.0, 0.0, -1.0, 0.0, kHeight - 1.0));
        QRgb pen = 1, brush = 1;  // no colour has alpha 0 here, so the first shape sets both
        for (const CCaptureDC::Shape& sh : cap.m_shapes) {
            if (sh.pen != pen) {
                pen = sh.pen;
                QPen qpen{QColor(pen)};
                qpen.setCosmetic(true);
                qpen.setWidth(0);
                painter.setPen(qpen);
            }
            if (sh.brush != brush) {
                brush = sh.brush;
                painter.setBrush(QColor(brush));
            }
            if (sh.count == 4)
                painter.drawPolygon(&cap.m_points[std::size_t(sh.first)], 4);
            else
                painter.drawPolyline(&cap.m_points[std::size_t(sh.first)], sh.count);
        }
    }
    state.counters["cells"] = double(cap.m_shapes.size());
}

void BM_ChartCodeOnly(benchmark::State& state)
{
    const int model = int(state.range(0));
    for (auto _ : state) {
        CNullDC dc;
        benchmark::DoNotOptimize(DrawBenchChart(dc, model));
    }
}

BENCHMARK(BM_Chart3D)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareQPainter)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartCodeOnly)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunDrawingBenchmarks(argc, argv);
}
