// The printed page is reduced at the printer's own dots: printed on an image
// of a printer's resolution it must be the page every point draws, and a PDF
// of dense charts must get far fewer operations than the points.

#include "gfx/GuiTestApp.h"
#include "gfx/PainterDC.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "page/PrintedPage.h"
#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kAreaWidthMm = 90;
constexpr int kAreaHeightMm = 60;

// Three series of many points a page unit: noise, a wave that leaves the V
// range, and steps that stand still.
const CSorvDoc& DenseDoc()
{
    static const auto doc = MakeTestDoc(3, 30000, [](int r, int c) {
        if (r == 0)
            return double((c * 7919) % 101);
        if (r == 1)
            return 50.0 + 80.0 * std::sin(c * 0.0011);
        return double((c / 700) % 9 * 11);
    });
    return *doc;
}

CPlotSettings Chart(int type, int lineWidth)
{
    CPlotSettings s;
    InitialUpdate(s, DenseDoc());
    s.m_nGraphType = type;
    s.m_nLineWidth = lineWidth;
    return s;
}

// The printed page on a painter of dotsPerMm, drawn as DrawPrintedPage draws
// it, or with every point.
void DrawPrinted(QPainter& painter, double dotsPerMm, const CPlotSettings& s, bool everyPoint)
{
    if (!everyPoint) {
        const QPaintDevice& device = *painter.device();
        DrawPrintedPage(painter, {dotsPerMm, device.width(), device.height(), kAreaWidthMm, kAreaHeightMm}, DenseDoc(),
                        s, 800, 600);
        return;
    }
    CPainterDC dc(painter, dotsPerMm);
    dc.SetFastPaths(false);
    dc.m_bPrinting = true;
    dc.SetPrintableSize(kAreaWidthMm, kAreaHeightMm);
    DrawPage(dc, DenseDoc(), s, 800, 600);
}

// A white image of the printable area at a printer's dpi, which it carries.
QImage PrinterImage(double dpi)
{
    EnsureGuiApp();
    const double dotsPerMm = dpi / 25.4;
    QImage image(int(kAreaWidthMm * dotsPerMm), int(kAreaHeightMm * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    return image;
}

// The printed page on an image of a printer's dpi.
QImage Printed(const CPlotSettings& s, double dpi, bool everyPoint)
{
    QImage image = PrinterImage(dpi);
    QPainter painter(&image);
    DrawPrinted(painter, dpi / 25.4, s, everyPoint);
    painter.end();
    return image;
}

TEST(PrintedPage, IsTheSameAtThePrintersResolution)
{
    const std::pair<int, int> charts[] = {{0, 0}, {1, 0}, {1, 1}, {1, 4}, {2, 0}};
    for (const auto& [type, lineWidth] : charts) {
        for (double dpi : {300.0, 600.0}) {
            SCOPED_TRACE("chart " + std::to_string(type) + " line width " + std::to_string(lineWidth) + " at " +
                         std::to_string(int(dpi)) + " dpi");
            const CPlotSettings s = Chart(type, lineWidth);
            EXPECT_TRUE(Printed(s, dpi, false) == Printed(s, dpi, true));
        }
    }
}

// A preview's page is the printed page drawn into an image of a lower
// resolution: the page a printer of that resolution gets.
TEST(PrintedPage, PreviewImageIsThePageAtItsResolution)
{
    for (int type : {0, 1, 2, 3}) {
        SCOPED_TRACE("chart " + std::to_string(type));
        const CPlotSettings s = Chart(type, 1);
        const QImage expected = Printed(s, 300.0, false);
        const CPrintGeometry printer{1200 / 25.4, expected.width() * 4, expected.height() * 4, kAreaWidthMm,
                                     kAreaHeightMm};
        EXPECT_TRUE(DrawPrintedImage(printer, 300 / 25.4, DenseDoc(), s, 800, 600) == expected);
    }
}

// The bytes of the PDF of a chart, as the export writes it at 600 dpi.
qint64 PdfBytes(const CPlotSettings& s, bool everyPoint)
{
    EnsureGuiApp();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QSizeF(kAreaWidthMm, kAreaHeightMm), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    DrawPrinted(painter, 600 / 25.4, s, everyPoint);
    painter.end();
    return out.size();
}

TEST(PrintedPage, PdfOfDenseChartsIsReduced)
{
    for (int type : {1, 2}) {
        SCOPED_TRACE("chart " + std::to_string(type));
        const CPlotSettings s = Chart(type, 0);
        EXPECT_LT(PdfBytes(s, false) * 4, PdfBytes(s, true));
    }
}

}  // namespace
