#include "support/TestDoc.h"
#include "doc/SorvDoc.h"
#include "gfx/PainterDC.h"
#include "gfx/RecordingDC.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "read/RowReader.h"
#include "settings/PlotSettings.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <sstream>

namespace {

// The recording surface with its mapping in view.
class ProbeDC : public CRecordingDC {
public:
    bool Screen() const { return m_mapping == Mapping::Screen; }
    bool Paper() const { return m_mapping == Mapping::LoMetric; }
    int OriginX() const { return m_nOriginX; }
    int OriginY() const { return m_nOriginY; }
    int ClientHeight() const { return m_nClientHeight; }
    std::string Text() const
    {
        std::ostringstream out;
        WriteOps(out);
        return out.str();
    }
};

constexpr int kNoChart = 9;

TEST(PageDraw, ScreenPageIsTheClientAreaFilledWithTheBackground)
{
    CSorvDoc doc;
    CPlotSettings s;
    s.m_nGraphType = kNoChart;
    ProbeDC dc;
    const CPageLayout layout = DrawPage(dc, doc, s, 400, 300);
    EXPECT_TRUE(dc.Screen());
    EXPECT_EQ(dc.ClientHeight(), 300);
    EXPECT_EQ(layout.m_nPageWidth, 400);
    EXPECT_EQ(layout.m_nPageHeight, 300);
    EXPECT_FALSE(layout.m_bPrinted);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetTextColor(), s.m_crForeground);
    EXPECT_EQ(dc.GetBkColor(), s.m_crBackground);
    EXPECT_EQ(dc.Text(), "page 400 300 screen\nrect 0 0 400 300 pen=0,0,0xDFDFDF brush=0xDFDFDF\n");
    // The page's objects were put back.
    EXPECT_EQ(dc.GetCurrentPen(), CPen{});
    EXPECT_EQ(dc.GetCurrentBrush(), CBrush{});
}

TEST(PageDraw, PrintedPageFitsThePrintableAreaWithMarginsAndFrame)
{
    CSorvDoc doc;
    CPlotSettings s;
    s.m_nGraphType = kNoChart;
    ProbeDC dc;
    dc.m_bPrinting = true;
    dc.SetPrintableSize(200, 287);
    const CPageLayout layout = DrawPage(dc, doc, s, 400, 300);
    EXPECT_TRUE(dc.Paper());
    EXPECT_EQ(dc.OriginX(), -200);
    EXPECT_EQ(dc.OriginY(), 1350);
    EXPECT_EQ(layout.m_nPageWidth, 1600);
    EXPECT_EQ(layout.m_nPageHeight, 1200);
    EXPECT_TRUE(layout.m_bPrinted);
    EXPECT_EQ(dc.Text(), "page 1600 1200 print\n"
                         "rect 0 0 1600 1200 pen=0,0,0xDFDFDF brush=0xDFDFDF\n"
                         "line 0 0 1600 0 pen=0,5,0x600000\n"
                         "line 1600 0 1600 1200 pen=0,5,0x600000\n"
                         "line 1600 1200 0 1200 pen=0,5,0x600000\n"
                         "line 0 1200 0 0 pen=0,5,0x600000\n");
}

TEST(PageDraw, TallWindowFitsTheHeight)
{
    CSorvDoc doc;
    CPlotSettings s;
    s.m_nGraphType = -1;
    ProbeDC dc;
    dc.m_bPrinting = true;
    dc.SetPrintableSize(200, 287);
    // r = min(20, 2870 / 700); PH comes out just below 2870 and every
    // conversion truncates.
    const CPageLayout layout = DrawPage(dc, doc, s, 100, 700);
    EXPECT_EQ(dc.OriginX(), -41);
    EXPECT_EQ(dc.OriginY(), 2582);
    EXPECT_EQ(layout.m_nPageWidth, 328);
    EXPECT_EQ(layout.m_nPageHeight, 2295);
}

TEST(PageDraw, EmptyWindowPrintsWithoutFault)
{
    const int sizes[][2] = {{0, 0}, {0, 300}, {400, 0}};
    for (const auto& size : sizes) {
        CSorvDoc doc;
        CPlotSettings s;
        ProbeDC dc;
        dc.m_bPrinting = true;
        dc.SetPrintableSize(200, 287);
        const CPageLayout layout = DrawPage(dc, doc, s, size[0], size[1]);
        EXPECT_GE(layout.m_nPageWidth, 0);
        EXPECT_GE(layout.m_nPageHeight, 0);
        EXPECT_LE(layout.m_nPageWidth, 2000);
        EXPECT_LE(layout.m_nPageHeight, 2870);
    }
}

// A printable area no paper has (a broken driver) prints an empty page; one
// side far too long leaves the other to fit the page.
TEST(PageDraw, AbsurdPrintableAreaNeitherOverflowsNorWraps)
{
    const struct {
        int widthMm, heightMm;
        int pageWidth, pageHeight;
    } cases[] = {{INT_MAX, INT_MAX, 0, 0}, {-5, 287, 0, 0}, {INT_MAX, 287, 3061, 2296}};
    for (const auto& c : cases) {
        CSorvDoc doc;
        CPlotSettings s;
        ProbeDC dc;
        dc.m_bPrinting = true;
        dc.SetPrintableSize(c.widthMm, c.heightMm);
        const CPageLayout layout = DrawPage(dc, doc, s, 400, 300);
        EXPECT_EQ(layout.m_nPageWidth, c.pageWidth) << c.widthMm << "x" << c.heightMm;
        EXPECT_EQ(layout.m_nPageHeight, c.pageHeight) << c.widthMm << "x" << c.heightMm;
    }
}

TEST(PageDraw, ScreenPageCoversEveryClientPixel)
{
    static int argc = 1;
    static char name[] = "page_tests";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CSorvDoc doc;
    CPlotSettings s;
    s.m_nGraphType = kNoChart;
    s.m_crBackground = RGB(10, 20, 30);
    {
        CPainterDC dc(painter, image.dotsPerMeterX() / 1000.0);
        DrawPage(dc, doc, s, 400, 300);
    }
    painter.end();
    const QRgb bg = qRgb(10, 20, 30);
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 299), QPoint(399, 299), QPoint(200, 150)})
        EXPECT_EQ(image.pixel(p), bg) << p.x() << ',' << p.y();
}

}  // namespace

namespace {

// The first update takes the V step as a tenth of the range; a range wider than
// the largest double still gets a finite step.
TEST(PageDraw, InitialStepIsATenthOfTheRange)
{
    const struct {
        double min, max, step;
    } cases[] = {
        {-8.0, 7.0, (7.0 - -8.0) * 0.1},
        {0.0, 0.3, 0.3 * 0.1},
        {-1e308, 1e308, 1e308 * 0.1 - -1e308 * 0.1},
        {-DBL_MAX, DBL_MAX, DBL_MAX * 0.1 - -DBL_MAX * 0.1},
        {0.0, DBL_MAX, DBL_MAX * 0.1},
    };
    for (const auto& c : cases) {
        CSorvDoc doc;
        EditData(doc).m_dMin = c.min;
        EditData(doc).m_dMax = c.max;
        CPlotSettings s;
        InitialUpdate(s, doc);
        EXPECT_EQ(s.m_dVStep, c.step) << c.min << " " << c.max;
        EXPECT_TRUE(std::isfinite(s.m_dVStep));
    }
}

}  // namespace

// A window's text stays at least 11 pixels high: in a small window the plot
// makes room for it and the legend goes when it would crowd the plot out; a
// large window draws as before. The page is laid out in client pixels, so
// that at device pixel ratios 1.5 and 2 the text is 1.5 and 2 times as many
// device pixels high.
TEST(PageDraw, LegibleTextInASmallWindow)
{
    CSorvDoc doc;
    ReadFailure error;
    ASSERT_TRUE(ReadText(doc, "a,1,2,3\nb,4,5,6\n", error));
    CPlotSettings s;
    InitialUpdate(s, doc);
    const struct {
        int w, h;
        bool legend;
    } cases[] = {{300, 200, false}, {390, 215, true}, {800, 600, true}};
    for (const auto& c : cases) {
        ProbeDC dc;
        const CPageLayout l = DrawPage(dc, doc, s, c.w, c.h, 11.0);
        EXPECT_EQ(l.m_bLegend, c.legend) << c.w;
        for (const CRecordingDC::Op& op : dc.Ops()) {
            if (op.kind != CRecordingDC::OpKind::Text)
                continue;
            EXPECT_GE(op.font.height, 11) << c.w << " " << op.text;
            EXPECT_GE(op.points[0].x, 0) << c.w << " " << op.text;
            EXPECT_LE(op.points[0].y, c.h) << c.w << " " << op.text;
            EXPECT_GE(op.points[0].y - op.font.height, 0) << c.w << " " << op.text;
        }
        ProbeDC plain;
        DrawPage(plain, doc, s, c.w, c.h);
        EXPECT_EQ(dc.Text() == plain.Text(), c.w == 800) << c.w;
    }
}
