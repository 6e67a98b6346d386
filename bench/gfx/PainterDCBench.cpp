// A line chart's worth of operations (page, plot area, grid, 8 series of 40
// points, labels, legend, frame) through CPainterDC and as bare QPainter calls.

#include "gfx/FontSubstitutions.h"
#include "gfx/PainterDC.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

constexpr int kW = 800;
constexpr int kH = 600;
constexpr int kSeries = 8;
constexpr int kPoints = 40;
const std::string kGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";

int SeriesY(int s, int i)
{
    return 24 + (s * 61 + i * 37) % 528;
}

std::string Label(int i)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%12.3f", i * 12.5);
    return buf;
}

void DrawWithDC(CDC& dc)
{
    dc.SetScreenMapping(kW, kH);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(0x600000);
    CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, 0xDFDFDF});
    CBrush oldBrush = dc.SelectObject(CBrush{0xDFDFDF});
    dc.Rectangle(0, 0, kW, kH);
    dc.SelectObject(CPen{PS_SOLID, 0, 0x600000});
    dc.SelectObject(CBrush{0xFFFFFF});
    dc.Rectangle(80, 552, 700, 24);
    const CFont oldFont = dc.SelectObject(CFont{11, 5, false, kGothic});
    dc.SelectObject(CPen{PS_SOLID, 0, 0x808080});
    for (int i = 0; i <= 10; ++i) {
        const int y = 24 + i * 52;
        dc.MoveTo(80, y);
        dc.LineTo(700, y);
        dc.TextOut(15, y + 5, Label(i).c_str(), 12);
    }
    for (int s = 0; s < kSeries; ++s) {
        dc.SelectObject(CPen{PS_SOLID, 0, COLORREF(0x202020 * s)});
        dc.MoveTo(80, SeriesY(s, 0));
        for (int i = 1; i < kPoints; ++i)
            dc.LineTo(80 + i * 15, SeriesY(s, i));
    }
    dc.SelectObject(CPen{PS_SOLID, 0, 0});
    for (int s = 0; s < kSeries; ++s) {
        dc.SelectObject(CBrush{COLORREF(0x202020 * s)});
        dc.Rectangle(711, 552 - 18 * s, 722, 540 - 18 * s);
        dc.TextOut(728, 552 - 18 * s, "series", 6);
    }
    dc.SelectObject(CPen{PS_SOLID, 2, 0x600000});
    dc.MoveTo(80, 24);
    dc.LineTo(700, 24);
    dc.LineTo(700, 552);
    dc.LineTo(80, 552);
    dc.LineTo(80, 24);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldFont);
}

void DrawBare(QPainter& p, const QFont& font)
{
    p.setTransform(QTransform(1, 0, 0, -1, 0, kH - 1));
    p.setPen(QPen(QColor(0xDF, 0xDF, 0xDF), 0));
    p.setBrush(QColor(0xDF, 0xDF, 0xDF));
    p.drawRect(QRectF(0, 0, kW, kH));
    p.setPen(QPen(QColor(0, 0, 0x60), 0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(80, 24, 620, 528));
    p.setFont(font);
    for (int i = 0; i <= 10; ++i) {
        const int y = 24 + i * 52;
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
        p.drawLine(80, y, 700, y);
        p.save();
        p.resetTransform();
        p.setPen(QColor(0, 0, 0x60));
        p.drawText(QPointF(15, kH - 1 - (y + 5) + 9), QString::fromLatin1(Label(i)));
        p.restore();
    }
    for (int s = 0; s < kSeries; ++s) {
        p.setPen(QPen(QColor(0x20 * s, 0x20 * s, 0x20 * s), 0));
        QPoint prev(80, SeriesY(s, 0));
        for (int i = 1; i < kPoints; ++i) {
            const QPoint next(80 + i * 15, SeriesY(s, i));
            p.drawLine(prev, next);
            prev = next;
        }
    }
    for (int s = 0; s < kSeries; ++s) {
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(QColor(0x20 * s, 0x20 * s, 0x20 * s));
        p.drawRect(QRectF(711, 540 - 18 * s, 11, 12));
        p.save();
        p.resetTransform();
        p.setPen(QColor(0, 0, 0x60));
        p.drawText(QPointF(728, kH - 1 - (552 - 18 * s) + 9), QStringLiteral("series"));
        p.restore();
    }
    p.setPen(QPen(QColor(0, 0, 0x60), 2));
    const QPoint frame[5] = {{80, 24}, {700, 24}, {700, 552}, {80, 552}, {80, 24}};
    p.drawPolyline(frame, 5);
}

// A 40 x 40 surface of shaded cells, pen and brush changing per cell.
constexpr int kCells = 40;

CPoint Corner(int i, int j)
{
    return CPoint{100 + i * 12 + j * 3, 80 + j * 10 + (i * j) % 17};
}

int Level(int i, int j)
{
    return (i * 7 + j * 13) % 256;
}

void DrawCellsWithDC(CDC& dc)
{
    dc.SetScreenMapping(kW, kH);
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            const COLORREF c = RGB(Level(i, j), Level(i, j), Level(i, j));
            dc.SelectObject(CPen{PS_SOLID, 0, c});
            dc.SelectObject(CBrush{c});
            const CPoint quad[4] = {Corner(i, j), Corner(i + 1, j), Corner(i + 1, j + 1), Corner(i, j + 1)};
            dc.Polygon(quad, 4);
        }
    }
}

void DrawCellsBare(QPainter& p)
{
    p.setTransform(QTransform(1, 0, 0, -1, 0, kH - 1));
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            const QColor c(Level(i, j), Level(i, j), Level(i, j));
            p.setPen(QPen(c, 0));
            p.setBrush(c);
            const CPoint a = Corner(i, j), b = Corner(i + 1, j), cc = Corner(i + 1, j + 1), d = Corner(i, j + 1);
            const QPoint quad[4] = {{a.x, a.y}, {b.x, b.y}, {cc.x, cc.y}, {d.x, d.y}};
            p.drawPolygon(quad, 4, Qt::OddEvenFill);
        }
    }
}

QGuiApplication& App()
{
    static int argc = 1;
    static char name[] = "painterdc_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

void BM_ChartThroughPainterDC(benchmark::State& state)
{
    App();
    InstallFontSubstitutions();
    QImage image(kW, kH, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        CPainterDC dc(painter, image.dotsPerMeterX() / 1000.0);
        DrawWithDC(dc);
    }
}
BENCHMARK(BM_ChartThroughPainterDC)->Unit(benchmark::kMicrosecond);

void BM_ChartBareQPainter(benchmark::State& state)
{
    App();
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(11);
    QImage image(kW, kH, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        DrawBare(painter, font);
    }
}
BENCHMARK(BM_ChartBareQPainter)->Unit(benchmark::kMicrosecond);

void BM_CellsThroughPainterDC(benchmark::State& state)
{
    App();
    QImage image(kW, kH, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        CPainterDC dc(painter, image.dotsPerMeterX() / 1000.0);
        DrawCellsWithDC(dc);
    }
}
BENCHMARK(BM_CellsThroughPainterDC)->Unit(benchmark::kMicrosecond);

void BM_CellsBareQPainter(benchmark::State& state)
{
    App();
    QImage image(kW, kH, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        DrawCellsBare(painter);
    }
}
BENCHMARK(BM_CellsBareQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
