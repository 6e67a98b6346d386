// The drawing: bytes become a small document and the settings a user can
// reach through the dialogs and commands, among them the chart type and the 3D
// model; the page is drawn on the recording surface (the screen or the printed
// page) and through QPainter on a small image, a 3D page also in bands on
// several threads as the window draws it (which must give the same pixels),
// and a drag and a double click over the screen page go through the mouse
// zoom.

#include "FuzzInput.h"
#include "read/RowReader.h"

#include "doc/SorvDoc.h"
#include "gfx/FontSubstitutions.h"
#include "gfx/RecordingDC.h"
#include "page/DocumentAxes.h"
#include "page/MouseZoom.h"
#include "page/PageDraw.h"
#include "page/PageImage.h"
#include "settings/PlotSettings.h"
#include "settings/ViewCommands.h"
#include "support/DirectPage.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr int kImageWidth = 64;
constexpr int kImageHeight = 48;

// An axis range of any finite ends; the step mostly a part of the range, at
// times any finite number (a tiny one walks up to the most ticks an axis draws,
// which is slow, hence rare).
void Axis(FuzzInput& in, double& min, double& max, double& step)
{
    min = in.Double();
    max = in.Double();
    step = in.Int(0, 255) == 0 ? in.Double() : (max - min) / in.Int(1, 40);
}

// Settings as the dialogs, the commands and the mouse leave them: finite
// numbers, angles 0..360, the other fields within their ranges.
CPlotSettings Settings(FuzzInput& in, const CSorvDoc& doc)
{
    CPlotSettings s;
    InitialUpdate(s, doc);
    s.m_nGraphType = in.Int(0, 3);
    s.m_nModel = in.Int(0, 5);
    if (in.Flag())
        Axis(in, s.m_dVMin, s.m_dVMax, s.m_dVStep);
    if (in.Flag())
        Axis(in, s.m_dHMin, s.m_dHMax, s.m_dHStep);
    s.m_bVLog = in.Flag();
    s.m_bHLog = in.Flag();
    s.m_nVLimit = in.Int(0, 9);
    s.m_nHLimit = in.Int(0, 9);
    s.m_nLineStyle = in.Int(0, 4);
    s.m_nLineWidth = in.Int(0, 99);
    s.m_bLegend = in.Flag();
    SetRotation(s, in.Within(0, 360), in.Within(0, 360), in.Within(0, 360));
    s.m_dScaleY = in.Within(1e-6, 1e6);
    s.m_dScaleZ = in.Flag() ? in.Within(1e-6, 1.0) : in.Within(1e-6, 1e6);
    for (int steps = in.Int(-7, 7); steps != 0; steps += steps > 0 ? -1 : 1)
        steps > 0 ? ZoomIn(s) : ZoomOut(s);
    for (COLORREF& c : s.m_crSeries)
        c = COLORREF(in.Int(0, 0xFFFFFF));
    s.m_strTitle = std::string(in.Bytes(std::size_t(in.Int(0, 128))));
    return s;
}

// The window draws a 3D page in bands, one a thread.
void CompareBandedPage(const CSorvDoc& doc, const CPlotSettings& s, const QImage& direct)
{
    const CPageImage page = DrawPageImage(doc, s, kImageWidth, kImageHeight, 1.0);
    if (page.image != direct)
        std::abort();
}

// A drag over the page drawn on the screen, then a double click.
void Mouse(FuzzInput& in, CSorvDoc& doc, CPlotSettings s, const CPageLayout& layout, int width, int height)
{
    const CPoint a{in.Int(0, width - 1), in.Int(0, height - 1)};
    const CPoint b{in.Int(0, width - 1), in.Int(0, height - 1)};
    if (s.m_nGraphType == 3)
        ZoomByDrag3D(doc, layout, a, b, width, height);
    else
        ZoomByDrag2D(s, doc, layout, a, b, height);
    ResetZoom(s, doc);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int toolkitCount = 1;
    static char* toolkitArgs[] = {(*argv)[0], nullptr};
    (void)argc;
    static QGuiApplication app(toolkitCount, toolkitArgs);
    InstallFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string_view settingsBytes = in.Bytes(std::size_t(in.Int(0, 160)));
    const int width = in.Int(1, 1200);
    const int height = in.Int(1, 900);
    const int region[4] = {in.Int(-1, 12), in.Int(-1, 12), in.Int(-1, 12), in.Int(-1, 12)};
    CSorvDoc doc;
    ReadFailure error;
    ReadText(doc, in.Rest(), error);
    doc.SetRegion(region[0], region[1], region[2], region[3]);
    FuzzInput settingsIn(reinterpret_cast<const uint8_t*>(settingsBytes.data()), settingsBytes.size());
    const CPlotSettings s = Settings(settingsIn, doc);

    // The screen page or the printed one, then the pixels; a drag over the screen page.
    CRecordingDC recording;
    const bool printing = in.Flag();
    if (printing) {
        recording.m_bPrinting = true;
        recording.SetPrintableSize(in.Int(1, 5000), in.Int(1, 5000));
    }
    const CPageLayout layout = DrawPage(recording, doc, s, width, height);
    const QImage direct = DirectPage(doc, s, kImageWidth, kImageHeight, 1.0);
    if (s.m_nGraphType == 3)
        CompareBandedPage(doc, s, direct);
    if (!printing)
        Mouse(settingsIn, doc, s, layout, width, height);
    return 0;
}
