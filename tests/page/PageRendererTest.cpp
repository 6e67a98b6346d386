// A window's pages drawn on the worker: the same pixels as a direct draw in
// one thread, the newest request wins, Stop leaves nothing in flight, a page
// that cannot be drawn comes back as a failure; and every chart stops at its
// next check once its drawing is cancelled.

#include "doc/DocDataAppend.h"
#include "gfx/GuiTestApp.h"
#include "gfx/RecordingDC.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "page/PageRenderer.h"
#include "support/DirectPage.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

CPlotSettings SettingsFor(const CSorvDoc& doc, int type)
{
    CPlotSettings s;
    InitialUpdate(s, doc);
    s.m_nGraphType = type;
    s.m_nModel = 3;
    return s;
}

TEST(PageRenderer, WorkerPageIsTheDirectPage)
{
    EnsureGuiApp();
    const auto doc = MakeTestDoc(60, 90, [](int r, int c) { return std::sin(r * 0.2) * std::cos(c * 0.15) * 50.0; });
    for (int type = 0; type <= 3; ++type) {
        for (double ratio : {1.0, 2.0}) {
            const CPlotSettings s = SettingsFor(*doc, type);
            const CRenderedPage page = RenderPage({*doc, s, 331, 207, ratio}, false);
            ASSERT_TRUE(page.error.empty()) << page.error;
            EXPECT_TRUE(page.image == DirectPage(*doc, s, 331, 207, ratio)) << type << " " << ratio;
            EXPECT_EQ(page.layout.m_nPageWidth, 331);
            EXPECT_EQ(page.layout.m_nPageHeight, 207);
        }
    }
}

// A preview's printed page comes as the printer's recording, unless that is
// too long to play at once (a dense scatter chart surely is; dashed lines,
// which are not reduced, once recorded): then as an image at the resolution
// asked for.
TEST(PageRenderer, PrintedPageComesRecordedOrAsAnImage)
{
    EnsureGuiApp();
    const CPrintGeometry printer{1200 / 25.4, 9583, 13699, 202, 289};
    const struct {
        int type, series, points, lineStyle;
        bool image;
    } cases[] = {{0, 3, 200, 0, false}, {0, 10, 100000, 0, true}, {1, 10, 50000, 1, true}};
    for (const auto& c : cases) {
        const auto doc = MakeTestDoc(c.series, c.points, [](int r, int i) { return r * 10.0 + (i * 7919) % 101; });
        CPageRequest request{*doc, SettingsFor(*doc, c.type), 800, 600};
        request.settings.m_nLineStyle = c.lineStyle;
        request.printed = printer;
        request.printedImageDotsPerMm = 100 / 25.4;
        const CRenderedPage page = RenderPage(request, false);
        ASSERT_TRUE(page.error.empty()) << page.error;
        EXPECT_EQ(page.image.isNull(), !c.image) << c.points;
        EXPECT_EQ(page.picture.isNull(), c.image) << c.points;
        if (c.image) {
            EXPECT_EQ(page.image.width(), std::lround(9583 * 100.0 / 1200));
        }
    }
}

// The 3D page is drawn in stripes on several threads: every model, whose
// cells change pen, brush or both, at whole and fractional pixel ratios, with
// and without the value scale (the colour bar's rows, the ticks).
TEST(PageRenderer, WorkerThreeDPageIsTheDirectPageInEveryModel)
{
    EnsureGuiApp();
    const auto doc =
        MakeTestDoc(70, 120, [](int r, int c) { return std::sin(r * 0.3) * std::cos(c * 0.11) * 50.0 + (r * c) % 7; });
    for (int model = 0; model <= 5; ++model) {
        for (double ratio : {1.0, 1.25, 2.0}) {
            for (bool scale : {false, true}) {
                CPlotSettings s = SettingsFor(*doc, 3);
                s.m_nModel = model;
                s.m_bColorBar = scale;
                s.m_bScaleZFit = scale;
                const CRenderedPage page = RenderPage({*doc, s, 415, 333, ratio}, false);
                ASSERT_TRUE(page.error.empty()) << page.error;
                EXPECT_TRUE(page.image == DirectPage(*doc, s, 415, 333, ratio))
                    << "model " << model << " " << ratio << (scale ? " value scale" : "");
            }
        }
    }
}

// No image of that size can be made: the page says so, and the worker goes on.
TEST(PageRenderer, PageWithoutMemoryComesBackAsAFailure)
{
    EnsureGuiApp();
    const auto doc = MakeTestDoc(3, 3, [](int r, int c) { return double(r + c); });
    const CRenderedPage failed = RenderPage({*doc, SettingsFor(*doc, 0), 600000000, 2, 1.0}, false);
    EXPECT_TRUE(failed.noMemory);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_TRUE(failed.image.isNull());
    const CRenderedPage empty = RenderPage({*doc, SettingsFor(*doc, 0), 0, 300, 1.0}, false);
    EXPECT_TRUE(empty.error.empty());
    EXPECT_TRUE(empty.image.isNull());
}

// Counts the pages the worker announces and waits for them.
struct Announcements {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;

    void Add()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        ++count;
        changed.notify_all();
    }
    bool WaitFor(int n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::minutes(2), [&] { return count >= n; });
    }
};

// Points appended to the document while a page of it is drawn go into the
// room of the storage that page reads: the page is the one of the data it
// began with (a data race here shows under ThreadSanitizer too).
TEST(PageRenderer, AppendsWhileDrawingLeaveThePageAlone)
{
    EnsureGuiApp();
    auto doc = MakeTestDoc(8, 200000, [](int r, int c) { return std::sin(c * 0.01 + r) * (r + 1); });
    const auto point = MakeTestData(8, 1, [](int r, int) { return 100.0 + r; });
    // One append first gives the storage room for the next ones.
    ValueRange range;
    doc->Publish(WithColumnsAppended(doc->Data(), KeptPart(doc->Data(), doc->Data().m_nCols, false, true), *point, range));
    const CDocSnapshot shown = doc->Snapshot();
    const CPlotSettings s = SettingsFor(*doc, 1);
    const QImage expected = DirectPage(shown, s, 640, 480, 1.0);
    CRenderedPage page;
    std::thread drawing([&] { page = RenderPage({shown, s, 640, 480, 1.0}, false); });
    for (int i = 0; i < 200; ++i) {
        auto next = WithColumnsAppended(doc->Data(), {doc->Data().m_nCols, range, 0}, *point, range);
        ASSERT_EQ(next->m_pData, doc->SharedData()->m_pData);
        doc->Publish(std::move(next));
    }
    drawing.join();
    EXPECT_TRUE(page.image == expected);
    EXPECT_EQ(doc->Data().m_nCols, 200201);
}

// A 3D page long enough to be still in flight when the next request comes.
std::unique_ptr<CSorvDoc> LargeSurface()
{
    return MakeTestDoc(700, 700, [](int r, int c) { return std::sin(r * 0.01) * std::cos(c * 0.013); });
}

TEST(PageRenderer, NewestRequestSupersedesThePageInFlight)
{
    EnsureGuiApp();
    const auto doc = LargeSurface();
    Announcements announced;
    CPageRenderer renderer([&] { announced.Add(); });
    CPlotSettings s = SettingsFor(*doc, 3);
    renderer.Request({*doc, s, 400, 300, 1.0, false});
    s.m_dRotX = 270.0;
    const long long newest = renderer.Request({*doc, s, 400, 300, 1.0, false});
    ASSERT_TRUE(announced.WaitFor(1));
    const std::optional<CRenderedPage> page = renderer.Take();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->serial, newest);
    EXPECT_TRUE(page->image == DirectPage(*doc, s, 400, 300, 1.0));
    EXPECT_FALSE(renderer.Take());
    EXPECT_EQ(announced.count, 1);
}

// After Stop nothing is drawn or queued: no page can come any more.
TEST(PageRenderer, StopLeavesNothingInFlight)
{
    EnsureGuiApp();
    const auto doc = LargeSurface();
    Announcements announced;
    CPageRenderer renderer([&] { announced.Add(); });
    const CPlotSettings s = SettingsFor(*doc, 3);
    renderer.Request({*doc, s, 400, 300, 1.0, false});
    renderer.Request({*doc, s, 400, 301, 1.0, false});
    renderer.Stop();
    EXPECT_FALSE(renderer.Take());
    EXPECT_EQ(announced.count, 0);
    // The worker still draws what comes next.
    const auto small = MakeTestDoc(3, 3, [](int r, int c) { return double(r * c); });
    const long long next = renderer.Request({*small, SettingsFor(*small, 3), 40, 30, 1.0, false});
    ASSERT_TRUE(announced.WaitFor(1));
    EXPECT_EQ(renderer.Take()->serial, next);
}

// Sets the drawing's cancel flag once a number of series shapes (any shape
// inside the 2D plot's clip, or a 3D cell) has been drawn.
class CancellingDC : public CRecordingDC {
public:
    explicit CancellingDC(int after) : m_nAfter(after)
    {
        SetCancelToken(m_cancel);
        if (after == 0)
            m_cancel.Cancel();
    }
    int SeriesShapes() const { return m_nShapes; }

protected:
    void DoLine(CPoint from, CPoint to) override
    {
        CRecordingDC::DoLine(from, to);
        Count(m_bClipped);
    }
    void DoRectangle(int left, int top, int right, int bottom) override
    {
        CRecordingDC::DoRectangle(left, top, right, bottom);
        Count(m_bClipped);
    }
    void DoPolygon(const CPoint* points, int count) override
    {
        CRecordingDC::DoPolygon(points, count);
        Count(true);
    }
    void DoClip(int left, int top, int right, int bottom) override
    {
        CRecordingDC::DoClip(left, top, right, bottom);
        m_bClipped = true;
    }
    void DoClipOff() override
    {
        CRecordingDC::DoClipOff();
        m_bClipped = false;
    }

private:
    void Count(bool series)
    {
        if (series && ++m_nShapes == m_nAfter)
            m_cancel.Cancel();
    }

    CCancelToken m_cancel;
    int m_nAfter;
    int m_nShapes = 0;
    bool m_bClipped = false;
};

// 20 series of 30 values: 30 markers, 29 lines or 29 bands a series, 29 cells
// a row. Cancelled within a series or row, the chart ends it and stops.
TEST(PageRenderer, CancelledChartsStopAtTheirNextCheck)
{
    const auto doc = MakeTestDoc(20, 30, [](int r, int c) { return 1.0 + r + std::sin(c * 0.3); });
    const struct {
        const char* chart;
        int type;
        int perSeries;
    } charts[] = {{"scatter", 0, 30}, {"line", 1, 29}, {"stacked", 2, 29}, {"3D", 3, 29}};
    for (const auto& c : charts) {
        const CPlotSettings s = SettingsFor(*doc, c.type);
        for (int after : {0, 1, 45, 400}) {
            CancellingDC dc(after);
            DrawPage(dc, *doc, s, 400, 300);
            const int series = (after + c.perSeries - 1) / c.perSeries;
            EXPECT_EQ(dc.SeriesShapes(), series * c.perSeries) << c.chart << " " << after;
        }
        CancellingDC whole(-1);
        DrawPage(whole, *doc, s, 400, 300);
        EXPECT_EQ(whole.SeriesShapes(), (c.type == 3 ? 19 : 20) * c.perSeries) << c.chart;
    }
}

}  // namespace

// A request whose exact page takes long shows a draft first: the scatter
// chart's series from every few columns, then the exact page, both answering
// the request; the exact page's progress comes to its end.
TEST(PageRenderer, DraftFirstThenTheExactPage)
{
    EnsureGuiApp();
    const auto doc = MakeTestDoc(4, 20000, [](int r, int c) { return std::sin(c * 0.01) + r; });
    Announcements announced;
    std::vector<CRenderedPage> pages;
    std::mutex mutex;
    CPageRenderer* worker = nullptr;
    CPageRenderer renderer([&] {
        const std::lock_guard<std::mutex> lock(mutex);
        if (auto page = worker->Take())
            pages.push_back(std::move(*page));
        announced.Add();
    });
    worker = &renderer;
    const CPlotSettings s = SettingsFor(*doc, 0);
    CPageRequest request{*doc, s, 400, 300, 1.0};
    request.draftFirst = true;
    const long long serial = renderer.Request(request);
    ASSERT_TRUE(announced.WaitFor(2));
    const std::lock_guard<std::mutex> lock(mutex);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0].draft && !pages[1].draft);
    EXPECT_EQ(pages[0].serial, serial);
    EXPECT_EQ(pages[1].serial, serial);
    EXPECT_TRUE(pages[0].image == DirectPage(*doc, s, 400, 300, 1.0, true));
    EXPECT_TRUE(pages[1].image == DirectPage(*doc, s, 400, 300, 1.0));
    EXPECT_FALSE(pages[0].image == pages[1].image);
    EXPECT_EQ(renderer.Progress(), 750);   // the last of four series begun
    EXPECT_GE(renderer.LastExactMs(), 0);
}
