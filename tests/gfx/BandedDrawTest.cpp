// A page drawn in bands on several threads must be the page one CPainterDC
// draws: images of a surface of cells, lines, clipped chains and text that
// cross the bands' edges, compared pixel for pixel at several sizes.

#include "GuiTestApp.h"
#include "gfx/BandedDraw.h"
#include "gfx/PainterDC.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <atomic>
#include <cmath>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

const std::string kGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック

// A 3D chart's worth of drawing on a w x h page: page area, title, a grid of
// cells in shaded polygons and outlines (some beyond the page), a wide box,
// a clipped chain of lines, dashed lines and labels.
void DrawSurfacePage(CDC& dc, int w, int h, int cells)
{
    dc.SetScreenMapping(w, h);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 96));
    dc.SelectObject(CPen{PS_SOLID, 0, 0});
    dc.SelectObject(CBrush{RGB(250, 250, 240)});
    dc.Rectangle(0, h, w, 0);
    dc.SelectObject(CFont{std::max(2, h / 20), std::max(1, h / 40), true, kGothic});
    dc.TextOut(w / 3, h - h / 20, "Surface \x93\x8C\x8B\x9E");
    const double cw = 1.3 * w / cells, ch = 0.9 * h / cells;
    auto corner = [&](int i, int j) {
        const double z = 0.2 * h * std::sin(i * 0.37) * std::cos(j * 0.23);
        return CPoint{int(-0.1 * w + i * cw + j * cw * 0.3), int(0.05 * h + j * ch * 0.7 + z)};
    };
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            const COLORREF c = RGB((i * 9) % 256, (j * 7) % 256, 255 - (i + j) % 256);
            dc.SelectObject(CPen{PS_SOLID, 0, (i + j) % 3 ? c : 0});
            dc.SelectObject(CBrush{c});
            const CPoint quad[5] = {corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1), corner(i, j)};
            if ((i * 7 + j) % 11 == 0)
                dc.Polyline(quad, 5);
            else
                dc.Polygon(quad, 4);
        }
    }
    dc.SelectObject(CPen{PS_SOLID, 2, RGB(255, 0, 255)});
    dc.MoveTo(w / 10, h / 10);
    dc.LineTo(w - w / 7, h / 8);
    dc.LineTo(w - w / 9, h - h / 6);
    dc.LineTo(w / 10, h / 10);
    dc.SelectObject(CPen{PS_DASHDOT, 0, RGB(0, 128, 0)});
    dc.MoveTo(0, 0);
    dc.LineTo(w - 1, h - 1);
    dc.MoveTo(w / 2, -h);
    dc.LineTo(w / 3, 2 * h);
    dc.IntersectClipRect(w / 5, h - h / 5, w - w / 5, h / 5);
    dc.SelectObject(CPen{PS_SOLID, 0, RGB(200, 0, 0)});
    dc.MoveTo(0, h / 2);
    for (int x = 0; x < 3 * w; ++x)
        dc.LineTo(x / 3, int(h / 2 + h / 3 * std::sin(x * 0.05)));
    dc.SelectClipRgnNull();
    dc.SelectObject(CFont{16, 8, false, kGothic});
    for (int k = 0; k < 12; ++k)
        dc.TextOut(k * w / 12, h - k * h / 12, "12.50");
}

QImage Blank(int w, int h, double ratio)
{
    QImage image(int(w * ratio), int(h * ratio), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(ratio);
    return image;
}

using Page = std::function<void(CDC&)>;

QImage InOneThread(const Page& page, int w, int h, double ratio)
{
    QImage image = Blank(w, h, ratio);
    QPainter painter(&image);
    {
        CPainterDC dc(painter, 1.0);
        page(dc);
    }
    painter.end();
    return image;
}

QImage InBands(const Page& page, int w, int h, double ratio, int threads)
{
    QImage image = Blank(w, h, ratio);
    DrawInBands(image, threads, 1.0, [&](CDC& dc, int) { page(dc); });
    return image;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    }
    return n;
}

TEST(BandedDraw, DrawsTheSamePixelsAsOneThread)
{
    EnsureGuiApp();
    struct Size {
        int w, h, cells;
        double ratio;
    };
    const Size sizes[] = {{31, 23, 12, 1.0}, {160, 120, 40, 1.0}, {333, 257, 60, 1.0}, {120, 90, 30, 2.0},
                          {128, 96, 30, 1.25}, {400, 300, 200, 1.0}};
    for (const Size& s : sizes) {
        const Page page = [&](CDC& dc) { DrawSurfacePage(dc, s.w, s.h, s.cells); };
        const QImage one = InOneThread(page, s.w, s.h, s.ratio);
        for (int threads : {2, 3, 7}) {
            SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h) + " ratio " + std::to_string(s.ratio) +
                         ", " + std::to_string(threads) + " threads");
            EXPECT_EQ(DifferentPixels(one, InBands(page, s.w, s.h, s.ratio, threads)), 0);
        }
    }
}

// Bands of whole page pixels, as many as asked while the image has rows for
// them, each with as many of the page's shapes.
TEST(BandedDraw, CutsTheImageIntoBandsWithAsManyShapes)
{
    EnsureGuiApp();
    struct Case {
        int height;
        double ratio;
        int asked;
        int bands;
    };
    const Case cases[] = {{600, 1.0, 2, 2}, {3, 1.0, 8, 3}, {1, 1.0, 4, 1}, {600, 2.0, 4, 4}, {5, 2.0, 8, 3},
                          {100, 1.0, 0, 1}, {100, 1.0, -3, 1}, {100, 1.25, 3, 3}};
    const Page nothing = [](CDC& dc) { dc.SetScreenMapping(10, 10); };
    for (const Case& c : cases) {
        QImage image(10, c.height, QImage::Format_RGB32);
        image.setDevicePixelRatio(c.ratio);
        const std::vector<int> bands = CutIntoBands(image, c.asked, 1.0, [&](CDC& dc, int) { nothing(dc); });
        SCOPED_TRACE(std::to_string(c.height) + " rows at " + std::to_string(c.ratio));
        ASSERT_EQ(int(bands.size()), c.bands + 1);
        EXPECT_EQ(bands.front(), 0);
        EXPECT_EQ(bands.back(), c.height);
        for (std::size_t n = 1; n + 1 < bands.size(); ++n) {
            EXPECT_LT(bands[n - 1], bands[n]);
            const double logical = bands[n] / c.ratio;
            EXPECT_EQ(logical, std::trunc(logical)) << bands[n];
        }
    }
    EXPECT_TRUE(CutIntoBands(QImage(), 4, 1.0, [&](CDC& dc, int) { nothing(dc); }).empty());

    // Three quarters of the shapes in the top fifth of a 400-row page, the
    // rest spread below: the first band ends within that fifth.
    QImage image(100, 400, QImage::Format_RGB32);
    int counted = -2;
    const std::vector<int> bands = CutIntoBands(image, 2, 1.0, [&](CDC& dc, int band) {
        counted = band;
        EXPECT_TRUE(dc.m_bDraft);
        dc.SetScreenMapping(100, 400);
        for (int i = 0; i < 300; ++i) {
            const CPoint cell[4] = {{i % 100, 399 - i % 80}, {i % 100 + 1, 399 - i % 80}, {i % 100, 398 - i % 80}};
            dc.Polygon(cell, 3);
        }
        for (int i = 0; i < 100; ++i)
            dc.Rectangle(0, 300 - 3 * i, 10, 299 - 3 * i);
    });
    EXPECT_EQ(counted, -1);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_GT(bands[1], 40);
    EXPECT_LE(bands[1], 80);

    // All shapes on the first row: the first band still has a row, and the
    // others theirs.
    const std::vector<int> crowded = CutIntoBands(image, 3, 1.0, [](CDC& dc, int) {
        dc.SetScreenMapping(100, 400);
        for (int i = 0; i < 50; ++i)
            dc.Rectangle(i, 399, i + 1, 399);
    });
    EXPECT_EQ(crowded, (std::vector<int>{0, 1, 2, 400}));
}

// A band whose drawing fails does not stop the others; the failure comes
// back once all are drawn.
TEST(BandedDraw, FailureInABandIsRethrownAfterAll)
{
    EnsureGuiApp();
    QImage image = Blank(40, 40, 1.0);
    std::atomic<int> drawn{0};
    const auto draw = [&](CDC& dc, int band) {
        if (band < 0)
            return;
        dc.SetScreenMapping(40, 40);
        dc.SelectObject(CBrush{0});
        dc.Rectangle(0, 40, 40, 0);
        ++drawn;
        if (band == 1)
            throw std::bad_alloc();
    };
    EXPECT_THROW(DrawInBands(image, 2, 1.0, draw), std::bad_alloc);
    EXPECT_EQ(drawn.load(), 2);
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 35), qRgb(0, 0, 0));
}

}  // namespace
