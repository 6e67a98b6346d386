#include "GuiTestApp.h"
#include "gfx/PainterDC.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <climits>
#include <memory>

namespace {

const std::string kGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック

// A white image with a surface on it; pixels are checked after Finish().
class Canvas {
public:
    Canvas(int w, int h, double dotsPerMm = 0.0) : image(w, h, QImage::Format_RGB32)
    {
        EnsureGuiApp();
        image.fill(Qt::white);
        painter.begin(&image);
        dc = std::make_unique<CPainterDC>(painter, dotsPerMm);
    }
    void Finish()
    {
        dc.reset();
        painter.end();
    }
    COLORREF At(int x, int y) const
    {
        const QRgb p = image.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    }
    bool Dark(int x, int y) const { return qGray(image.pixel(x, y)) < 128; }

    QImage image;
    QPainter painter;
    std::unique_ptr<CPainterDC> dc;
};

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

TEST(PainterDC, ScreenMappingFlipsYAndThinPenIsOnePixel)
{
    Canvas c(40, 30);
    c.dc->SetScreenMapping(40, 30);
    c.dc->SelectObject(CPen{PS_SOLID, 0, kBlack});
    c.dc->MoveTo(0, 0);
    c.dc->LineTo(20, 0);
    c.dc->MoveTo(39, 29);
    c.dc->LineTo(39, 20);
    c.Finish();
    EXPECT_EQ(c.At(0, 29), kBlack);   // page (0, 0) is the bottom-left pixel
    EXPECT_EQ(c.At(10, 29), kBlack);
    EXPECT_EQ(c.At(10, 28), kWhite);  // one pixel thick
    EXPECT_EQ(c.At(39, 0), kBlack);   // page (39, 29) is the top-right pixel
    EXPECT_EQ(c.At(38, 0), kWhite);
}

TEST(PainterDC, RectangleFillsWithBrushAndOutlinesWithPen)
{
    Canvas c(40, 30);
    c.dc->SetScreenMapping(40, 30);
    c.dc->SelectObject(CPen{PS_SOLID, 0, kBlue});
    c.dc->SelectObject(CBrush{kRed});
    c.dc->Rectangle(10, 20, 30, 5);
    c.Finish();
    EXPECT_EQ(c.At(20, 29 - 12), kRed);   // inside
    EXPECT_EQ(c.At(10, 29 - 12), kBlue);  // left edge
    EXPECT_EQ(c.At(20, 29 - 20), kBlue);  // top edge
    EXPECT_EQ(c.At(20, 29 - 5), kBlue);   // bottom edge
    EXPECT_EQ(c.At(5, 29 - 12), kWhite);  // outside
    EXPECT_EQ(c.At(20, 29 - 25), kWhite);
}

TEST(PainterDC, PaperMappingScalesPagePointsAndWidePens)
{
    Canvas c(40, 30, 20.0);  // 2 device pixels per 0.1 mm
    c.dc->SetLoMetricMapping(0, 15);
    c.dc->SelectObject(CPen{PS_SOLID, 2, kBlack});
    c.dc->MoveTo(2, 10);
    c.dc->LineTo(18, 10);
    c.Finish();
    // Page y 10 is device row (15 - 10) * 2 = 10; the 2-unit pen is 4 pixels thick.
    EXPECT_EQ(c.At(20, 9), kBlack);
    EXPECT_EQ(c.At(20, 11), kBlack);
    EXPECT_EQ(c.At(20, 14), kWhite);
    EXPECT_EQ(c.At(20, 6), kWhite);
    EXPECT_EQ(c.At(1, 10), kWhite);  // page x 2 lies at device x 4; the round end reaches 2 pixels
}

TEST(PainterDC, SelfCrossingPolygonLeavesTheDoubleAreaEmpty)
{
    Canvas c(40, 40);
    c.dc->SetScreenMapping(40, 40);
    c.dc->SelectObject(CPen{PS_SOLID, 0, kRed});
    c.dc->SelectObject(CBrush{kRed});
    // Two overlapping squares as one outline, the second wound the same way.
    const CPoint pts[10] = {{2, 2}, {26, 2}, {26, 26}, {2, 26}, {2, 2}, {14, 14}, {38, 14}, {38, 38}, {14, 38}, {14, 14}};
    c.dc->Polygon(pts, 10);
    c.Finish();
    EXPECT_EQ(c.At(8, 39 - 8), kRed);    // only the first square
    EXPECT_EQ(c.At(20, 39 - 20), kWhite);  // both squares: alternate filling leaves it empty
    EXPECT_EQ(c.At(32, 39 - 32), kRed);  // only the second
}

TEST(PainterDC, ClipCutsDrawingUntilSwitchedOff)
{
    Canvas c(40, 30);
    c.dc->SetScreenMapping(40, 30);
    c.dc->IntersectClipRect(0, 30, 20, 0);
    c.dc->SelectObject(CPen{PS_SOLID, 0, kRed});
    c.dc->SelectObject(CBrush{kRed});
    c.dc->Rectangle(0, 30, 40, 0);
    c.dc->SelectClipRgnNull();
    c.dc->SelectObject(CPen{PS_SOLID, 0, kBlue});
    c.dc->MoveTo(0, 10);
    c.dc->LineTo(40, 10);
    c.Finish();
    EXPECT_EQ(c.At(10, 15), kRed);
    EXPECT_EQ(c.At(19, 15), kRed);
    EXPECT_EQ(c.At(20, 15), kWhite);
    EXPECT_EQ(c.At(30, 29 - 10), kBlue);  // after the clip is off
}

// A clip the painter had before the surface was made holds throughout:
// switching the surface's clip off returns to it.
TEST(PainterDC, ClipOffKeepsThePaintersOwnClip)
{
    Canvas c(40, 30);
    c.painter.setClipRect(QRect(0, 10, 40, 10));  // device rows 10..19
    c.dc = std::make_unique<CPainterDC>(c.painter, 0.0);
    c.dc->SetScreenMapping(40, 30);
    c.dc->SelectObject(CPen{PS_SOLID, 0, kRed});
    c.dc->SelectObject(CBrush{kRed});
    c.dc->IntersectClipRect(0, 30, 20, 0);
    c.dc->Rectangle(0, 30, 40, 0);
    c.dc->SelectClipRgnNull();
    c.dc->SelectObject(CBrush{kBlue});
    c.dc->SelectObject(CPen{PS_SOLID, 0, kBlue});
    c.dc->Rectangle(20, 30, 40, 0);
    c.Finish();
    EXPECT_EQ(c.At(10, 15), kRed);
    EXPECT_EQ(c.At(30, 15), kBlue);
    for (int x : {5, 30}) {
        EXPECT_EQ(c.At(x, 5), kWhite);
        EXPECT_EQ(c.At(x, 25), kWhite);
    }
}

// Bounding box of the dark pixels (within area, when one is given).
QRect DarkBox(const Canvas& c, QRect area = {})
{
    if (area.isNull())
        area = c.image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (c.Dark(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

struct TextCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    CFont font;
    int cells;  // character cells the text takes: its width in Shift-JIS bytes
};

TEST(PainterDC, TextLandsInsideItsCell)
{
    const TextCase cases[] = {
        {"digits", "0123.5", TextEncoding::ShiftJis, {16, 8, false, kGothic}, 6},
        {"narrow", "MMMMMM", TextEncoding::ShiftJis, {16, 4, false, kGothic}, 6},
        {"shift-jis", "\x93\x8C\x8B\x9E", TextEncoding::ShiftJis, {24, 12, false, kGothic}, 4},
        // Two three-byte characters take two cells each, as they would in Shift-JIS.
        {"utf-8", "\xE6\x9D\xB1\xE4\xBA\xAC", TextEncoding::Utf8, {24, 12, false, kGothic}, 4},
        {"underlined", "ab", TextEncoding::ShiftJis, {20, 10, true, kGothic}, 2},
    };
    for (const TextCase& t : cases) {
        SCOPED_TRACE(t.name);
        Canvas c(120, 60);
        c.dc->SetScreenMapping(120, 60);
        c.dc->SetBkMode(TRANSPARENT);
        c.dc->SetTextColor(kBlack);
        c.dc->SetTextEncoding(t.encoding);
        c.dc->SelectObject(t.font);
        c.dc->TextOut(10, 50, t.bytes);
        c.Finish();
        const QRect cell(10, 59 - 50, t.cells * t.font.width, t.font.height);
        const QRect ink = DarkBox(c);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(cell.adjusted(-1, 0, 1, 1).contains(ink)) << ink.x() << ',' << ink.y() << ' ' << ink.width() << 'x'
                                                                << ink.height();
        // The text fills most of its cell's width: nothing is squeezed or lost.
        EXPECT_GT(ink.width(), cell.width() * 2 / 3);
    }
}

TEST(PainterDC, TextIsNotMirrored)
{
    Canvas c(60, 40);
    c.dc->SetScreenMapping(60, 40);
    c.dc->SetTextColor(kBlack);
    c.dc->SelectObject(CFont{32, 16, false, kGothic});
    c.dc->TextOut(10, 36, "T");
    c.Finish();
    const QRect ink = DarkBox(c);
    int top = 0;
    int bottom = 0;
    for (int x = ink.left(); x <= ink.right(); ++x) {
        top += c.Dark(x, ink.top());
        bottom += c.Dark(x, ink.bottom());
    }
    EXPECT_GT(top, 2 * bottom);  // the bar of the T is at the top
}

// The same font drawn at two scales is two sizes: the font made for one
// scale is not reused for the other.
TEST(PainterDC, FontFollowsTheMappingScale)
{
    Canvas c(200, 100, 20.0);  // paper: 2 device pixels per page unit
    c.dc->SetTextColor(kBlack);
    c.dc->SelectObject(CFont{20, 10, false, kGothic});
    for (int pass = 0; pass < 2; ++pass) {
        c.dc->SetScreenMapping(200, 100);
        c.dc->TextOut(pass * 40, 99, "M");
        c.dc->SetLoMetricMapping(-50 - pass * 25, 50);
        c.dc->TextOut(0, 50, "M");
    }
    c.Finish();
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        const QRect screen = DarkBox(c, QRect(pass * 40, 0, 40, 40));
        const QRect paper = DarkBox(c, QRect(100 + pass * 50, 0, 50, 100));
        ASSERT_FALSE(screen.isEmpty());
        EXPECT_NEAR(paper.height(), 2 * screen.height(), 2);
        EXPECT_NEAR(paper.width(), 2 * screen.width(), 2);
    }
}

}  // namespace

namespace {

TEST(PainterDC, ExtremeCoordinatesDrawWithoutFault)
{
    const int far[] = {INT_MIN, -2000000000, -70000, 70000, 2000000000, INT_MAX};
    for (double dotsPerMm : {0.0, 23.6}) {
        Canvas c(50, 50, dotsPerMm);
        if (dotsPerMm > 0.0)
            c.dc->SetLoMetricMapping(-200, 1350);
        else
            c.dc->SetScreenMapping(50, 50);
        c.dc->SelectObject(CFont{INT_MAX, INT_MAX, true, kGothic});
        for (int a : far) {
            for (int b : far) {
                c.dc->SelectObject(CPen{PS_DASHDOT, a == b ? 3 : 0, 0});
                c.dc->MoveTo(a, 10);
                c.dc->LineTo(b, 20);
                c.dc->Rectangle(a, b, 10, 10);
                const CPoint quad[4] = {{a, b}, {b, a}, {0, a}, {b, 0}};
                c.dc->Polygon(quad, 4);
                c.dc->Polyline(quad, 4);
                c.dc->IntersectClipRect(a, b, 25, 25);
                c.dc->TextOut(a, b, "x\x93\x8C");
                c.dc->SelectClipRgnNull();
            }
        }
        c.Finish();
    }
    SUCCEED();
}

}  // namespace
