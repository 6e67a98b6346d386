// The QPainter back end's shortcuts must not change a pixel: every drawing
// here is made with them and without them, and the images compared.

#include "SamePixels.h"
#include "gfx/LineRun.h"

#include <QPaintEngine>
#include <QPicture>
#include <random>

namespace {

// Pens the charts draw lines with: the line chart's styles 0..4 at several
// widths, the frames' width 2, the printed frame's 5.
std::vector<CPen> LinePens()
{
    std::vector<CPen> pens;
    for (int style = PS_SOLID; style <= PS_DASHDOTDOT; ++style) {
        for (int width : {0, 1, 2, 3, 5, 8})
            pens.push_back(CPen{style, width, RGB(200, 30 * style, 20 * width)});
    }
    return pens;
}

struct Chain {
    const char* name;
    std::vector<CPoint> points;  // MoveTo the first, LineTo each other
};

// Polylines with many points per pixel column, random and made to catch the
// corners of the reduction: stops at the extremes, columns left and entered
// again, points outside the page.
std::vector<Chain> Chains(std::mt19937& rng)
{
    std::vector<Chain> chains;
    std::uniform_int_distribution<int> step(-6, 6);
    std::uniform_int_distribution<int> perColumn(1, 30);
    Chain walk{"random walk", {}};
    int y = 40;
    for (int x = 5; x < 75; ++x) {
        for (int n = perColumn(rng); n > 0; --n) {
            y = std::clamp(y + step(rng), -10, 90);
            walk.points.push_back({x, y});
        }
    }
    chains.push_back(walk);
    Chain noise{"noise", {}};
    std::uniform_int_distribution<int> anyY(-5, 85);
    for (int i = 0; i < 3000; ++i)
        noise.points.push_back({10 + i / 50, anyY(rng)});
    chains.push_back(noise);
    chains.push_back({"stands still at the extremes",
                      {{10, 20}, {10, 30}, {10, 30}, {10, 25}, {10, 10}, {10, 10}, {10, 22}, {11, 22}, {11, 22}, {11, 22}}});
    chains.push_back({"ends on its highest point", {{20, 20}, {20, 40}, {20, 10}, {20, 45}, {20, 30}, {20, 45}}});
    chains.push_back({"ends on its lowest point", {{20, 20}, {20, 5}, {20, 30}, {20, 25}, {20, 5}}});
    chains.push_back({"one point", {{30, 30}, {30, 30}, {30, 30}, {30, 30}}});
    chains.push_back({"spikes", {{5, 40}, {5, 0}, {5, 79}, {5, 1}, {5, 78}, {6, 40}, {6, 0}, {6, 79}, {6, 40}, {7, 41}}});
    chains.push_back({"columns entered again",
                      {{40, 10}, {40, 60}, {40, 20}, {41, 30}, {41, 70}, {41, 5}, {40, 50}, {40, 2}, {40, 40}, {39, 40}}});
    chains.push_back({"off the page", {{-5, 10}, {-5, 100}, {-5, -20}, {-5, 50}, {0, 50}, {0, -30}, {0, 120}, {0, 60}, {79, 60},
                                       {79, -40}, {79, 200}, {79, 10}, {85, 10}, {85, 30}, {85, 20}}});
    return chains;
}

TEST(FastPaths, ReducedLinesDrawTheSamePixels)
{
    std::mt19937 rng(1234);
    for (int round = 0; round < 3; ++round) {
        for (const Chain& chain : Chains(rng)) {
            for (const CPen& pen : LinePens()) {
                SCOPED_TRACE(std::string(chain.name) + " pen " + std::to_string(pen.style) + "," +
                             std::to_string(pen.width));
                ExpectSamePixels(
                    [&](CDC& dc) {
                        dc.SelectObject(pen);
                        dc.MoveTo(chain.points[0].x, chain.points[0].y);
                        for (std::size_t i = 1; i < chain.points.size(); ++i)
                            dc.LineTo(chain.points[i].x, chain.points[i].y);
                    },
                    80, 80);
            }
        }
    }
}

// Whatever comes between two lines ends the chain: the lines before it are
// drawn first, with their own pen, clip and mapping.
TEST(FastPaths, ChainsEndBeforeEveryOtherOperation)
{
    const CPen red{PS_SOLID, 0, RGB(255, 0, 0)};
    const CPen blue{PS_SOLID, 2, RGB(0, 0, 255)};
    auto column = [](CDC& dc, int x) {
        for (int y : {10, 50, 20, 60, 30, 30, 5, 40})
            dc.LineTo(x, y);
    };
    const std::pair<const char*, std::function<void(CDC&)>> betweens[] = {
        {"pen", [&](CDC& dc) { dc.SelectObject(blue); }},
        {"move", [&](CDC& dc) { dc.MoveTo(30, 5); }},
        {"clip", [&](CDC& dc) { dc.IntersectClipRect(0, 35, 80, 0); }},
        {"clip off", [&](CDC& dc) { dc.SelectClipRgnNull(); }},
        {"mapping", [&](CDC& dc) { dc.SetScreenMapping(80, 70); }},
        {"rectangle", [&](CDC& dc) { dc.Rectangle(18, 45, 40, 15); }},
        {"polygon", [&](CDC& dc) {
             const CPoint p[4] = {{15, 15}, {40, 20}, {35, 60}, {12, 50}};
             dc.Polygon(p, 4);
         }},
        {"text", [&](CDC& dc) { dc.TextOut(15, 40, "88"); }},
    };
    for (const auto& [name, between] : betweens) {
        SCOPED_TRACE(name);
        ExpectSamePixels(
            [&](CDC& dc) {
                dc.IntersectClipRect(0, 80, 80, 25);
                dc.SelectObject(red);
                dc.SelectObject(CBrush{RGB(0, 200, 0)});
                dc.SelectObject(CFont{30, 15, false, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E"});
                dc.MoveTo(20, 40);
                column(dc, 20);
                between(dc);
                column(dc, 20);
                dc.LineTo(60, 30);
                column(dc, 60);
            },
            80, 80);
    }
}

// A chain is drawn when the DC goes, and when Flush is called before the
// painter ends.
TEST(FastPaths, GatheredLinesAreDrawnAtTheEnd)
{
    EnsureGuiApp();
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterDC dc(painter, 1.0);
    dc.SetScreenMapping(20, 20);
    dc.MoveTo(5, 2);
    for (int y : {15, 3, 17, 8})
        dc.LineTo(5, y);
    dc.Flush();
    painter.end();
    for (int y = 3; y < 17; ++y)
        EXPECT_EQ(image.pixel(5, 19 - y), qRgb(0, 0, 0)) << y;
}

// Shapes partly or wholly outside the clip or the page, with thin and wide
// outlines: skipping those wholly outside changes nothing.
TEST(FastPaths, ShapesOutsideTheClipAreSkippedWithoutChange)
{
    for (int width : {0, 1, 2, 5, 12}) {
        SCOPED_TRACE("width " + std::to_string(width));
        ExpectSamePixels(
            [&](CDC& dc) {
                std::mt19937 rng(99);  // the same shapes each time
                std::uniform_int_distribution<int> pos(-40, 140);
                std::uniform_int_distribution<int> size(0, 12);
                std::uniform_int_distribution<int> kind(0, 2);
                dc.SelectObject(CPen{width > 2 ? PS_DASH : PS_SOLID, width, RGB(0, 0, 128)});
                for (int clip = 0; clip < 3; ++clip) {
                    if (clip > 0)
                        dc.IntersectClipRect(20 * clip, 90 - 10 * clip, 90 - 15 * clip, 15 * clip);
                    for (int i = 0; i < 300; ++i) {
                        dc.SelectObject(CBrush{RGB(i, 255 - i, 7 * i)});
                        const int x = pos(rng), y = pos(rng), s = size(rng), k = kind(rng);
                        const CPoint quad[5] = {{x, y}, {x + s, y + 1}, {x + s, y + s}, {x - 1, y + s}, {x, y}};
                        if (k == 0)
                            dc.Rectangle(x - s, y + s, x + s, y - s);
                        else if (k == 1)
                            dc.Polygon(quad, 4);
                        else
                            dc.Polyline(quad, 5);
                    }
                }
                dc.SelectClipRgnNull();
            },
            100, 100);
    }
}

// An image whose paint engine draws nothing and counts the lines and shapes
// QPainter is handed: what the shortcuts leave out.
class CCountingImage : public QImage {
public:
    CCountingImage(int w, int h) : QImage(w, h, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    int Lines() const { return m_engine.lines; }
    int Shapes() const { return m_engine.shapes; }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        int lines = 0;
        int shapes = 0;
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawLines(const QLine*, int count) override { lines += count; }
        void drawLines(const QLineF*, int count) override { lines += count; }
        void drawRects(const QRectF*, int count) override { shapes += count; }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++shapes; }
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override { ++shapes; }
        Type type() const override { return Raster; }
    };
    mutable Engine m_engine;
};

// A dense chain becomes a few lines a column, a dense band a polygon a column,
// dense markers none, and shapes off the image none, on a raster device;
// every one, with the shortcuts off.
TEST(FastPaths, RasterDevicesGetFewerOperations)
{
    EnsureGuiApp();
    for (bool fast : {true, false}) {
        CCountingImage image(100, 100);
        QPainter painter(&image);
        int markers = 0;
        {
            CPainterDC dc(painter, 1.0);
            dc.SetFastPaths(fast);
            dc.SetScreenMapping(100, 100);
            dc.MoveTo(0, 50);
            for (int i = 0; i < 10000; ++i)
                dc.LineTo(i / 100, 50 + (i * 37) % 41 - 20);
            for (int i = 0; i < 100; ++i)
                dc.Rectangle(200 + i, 10, 210 + i, 0);
            for (int i = 1; i < 10000; ++i) {
                const CPoint quad[4] = {{(i - 1) / 100, 20 + i % 37}, {(i - 1) / 100, 5}, {i / 100, 5}, {i / 100, 20 + i % 41}};
                dc.Polygon(quad, 4);
            }
            dc.Flush();
            markers = image.Shapes();
            for (int i = 0; i < 10000; ++i)
                dc.Rectangle(20 + i % 10, 20 + i % 9, 24 + i % 10, 24 + i % 9);
        }
        painter.end();
        // Markers many to a pixel: only those not painted over are drawn, and
        // those straight into the image.
        EXPECT_EQ(image.Shapes() - markers, fast ? 0 : 10000);
        // Each of the 100 columns: the line in, the first vertical line, at most
        // three through the lowest and highest points, the zero-length ones.
        if (fast)
            EXPECT_LE(image.Lines(), 100 * 7 + 3);
        else
            EXPECT_EQ(image.Lines(), 10000);
        // A zero-width quadrilateral per column and one between columns.
        EXPECT_EQ(markers, fast ? 99 + 100 : 100 + 9999);
    }
}

// A vector device (here a QPicture, as the print preview records pages) gets
// every line and shape as given.
TEST(FastPaths, VectorDevicesGetEveryOperation)
{
    EnsureGuiApp();
    QByteArray recorded[2];
    for (bool fast : {true, false}) {
        QPicture picture;
        QPainter painter(&picture);
        {
            CPainterDC dc(painter, 1.0);
            dc.SetFastPaths(fast);
            dc.SetScreenMapping(100, 100);
            dc.MoveTo(0, 50);
            for (int i = 0; i < 1000; ++i)
                dc.LineTo(i / 100, 50 + (i * 37) % 41 - 20);
            dc.Rectangle(200, 10, 210, 0);
        }
        painter.end();
        recorded[fast] = QByteArray(picture.data(), qsizetype(picture.size()));
    }
    EXPECT_EQ(recorded[0], recorded[1]);
    EXPECT_GT(recorded[0].size(), 1000 * 16);
}

// The reduction itself: a column of many points gives at most three lines.
TEST(LineRun, KeepsFirstLowestHighestAndLastOfEachColumn)
{
    CLineRun run;
    std::vector<CLine> lines;
    run.Start({0, 50}, lines);
    run.Add({0, 40}, lines);  // the column's first vertical line: drawn at once
    EXPECT_EQ(lines, (std::vector<CLine>{{{0, 50}, {0, 40}}}));
    lines.clear();
    for (int i = 0; i < 1000; ++i)
        run.Add({0, 40 + (i * 37) % 41 - 20}, lines);  // between 20 and 60
    EXPECT_TRUE(lines.empty());
    run.Add({1, 45}, lines);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_LE(lines.size(), 4u);
    EXPECT_EQ(lines.back(), (CLine{{0, 40 + (999 * 37) % 41 - 20}, {1, 45}}));
    int low = 100, high = -100;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].from.x, 0);
        EXPECT_EQ(lines[i].to.x, 0);
        low = std::min({low, lines[i].from.y, lines[i].to.y});
        high = std::max({high, lines[i].from.y, lines[i].to.y});
    }
    EXPECT_EQ(low, 20);
    EXPECT_EQ(high, 60);
    lines.clear();
    run.Finish(lines);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
