// The mouse over a chart window: real press, move, release and double-click
// events zoom into the data, draw the rubber band over the kept page and
// leave everything alone when the drag means nothing.

#include "app/SorvView.h"
#include "app/ViewPrinter.h"
#include "doc/SorvDoc.h"
#include "settings/CommandIds.h"
#include "support/TestDoc.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPainter>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

// 4 rows x 11 columns, values 0..33 (r + 3c). In an 800 x 600 window without
// legend the plot spans x 80..780 (70 pixels a column) and page y 24..552
// (16 pixels a unit), so whole columns and units are easy to hit.
constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Client y of a page y.
int ClientY(int pageY)
{
    return kHeight - 1 - pageY;
}

// Client x inside column c of the region, a few pixels right of its line.
int ColumnX(int c)
{
    return 80 + 70 * c + 5;
}

struct Setup {
    std::unique_ptr<CSorvDoc> doc = MakeTestDoc(4, 11, [](int r, int c) { return r + 3.0 * c; });
    std::vector<std::unique_ptr<CSorvView>> views;
    int updates = 0;

    explicit Setup(int viewCount = 1, int graphType = 0)
    {
        doc->m_fnUpdateAllViews = [this] {
            ++updates;
            for (auto& v : views)
                v->Invalidate();
        };
        for (int i = 0; i < viewCount; ++i) {
            views.push_back(std::make_unique<CSorvView>(*doc));
            CSorvView& v = *views.back();
            v.OnCommand(CommandId::Legend);
            v.Settings().m_nGraphType = graphType;
            v.resize(kWidth, kHeight);
            v.show();
            if (!QTest::qWaitForWindowExposed(&v) || !v.WaitForPage())
                qWarning("window not exposed or not drawn");
        }
    }
    CSorvView& view() { return *views.front(); }
    CPlotSettings& settings() { return views.front()->Settings(); }
    const CPageLayout& layout() { return views.front()->Layout(); }

    // Press at a, move through the points, release at the last one.
    void Drag(QPoint a, std::initializer_list<QPoint> moves)
    {
        QTest::mousePress(&view(), Qt::LeftButton, {}, a);
        QPoint last = a;
        for (QPoint p : moves) {
            QTest::mouseMove(&view(), p);
            last = p;
        }
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, last);
    }
};

// The window as shown, in device pixels.
QImage Shot(CSorvView& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour shown at a client pixel, whatever the device pixel ratio.
QRgb Pixel(const QImage& shot, int x, int y)
{
    const qreal r = shot.devicePixelRatio();
    return shot.pixel(int(x * r), int(y * r)) & 0xFFFFFF;
}

// A turn of the wheel by delta eighths of a degree (120 is one step) at p.
void Wheel(QWidget& w, QPoint p, int delta)
{
    QWheelEvent event(QPointF(p), QPointF(w.mapToGlobal(p)), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &event);
}

struct Ranges {
    double vMin, vMax, vStep, hMin, hMax;
    int x1, y1, x2, y2;
    bool operator==(const Ranges&) const = default;
};

Ranges Snapshot(const CPlotSettings& s, const CSorvDoc& d)
{
    return {s.m_dVMin, s.m_dVMax, s.m_dVStep, s.m_dHMin, s.m_dHMax, d.m_nX1, d.m_nY1, d.m_nX2, d.m_nY2};
}

}  // namespace

class SorvViewMouseTest : public QObject {
    Q_OBJECT
private slots:
    void layoutIsTheOneTheTestsAssume()
    {
        Setup t;
        const CPageLayout& l = t.layout();
        QCOMPARE(l.m_nPlotLeft, 80);
        QCOMPARE(l.m_nPlotRight, 780);
        QCOMPARE(l.m_nPlotBottom, 24);
        QCOMPARE(l.m_nPlotTop, 552);
        QCOMPARE(l.m_dHScale, 70.0);
        QCOMPARE(l.m_dVScale, 16.0);
        QVERIFY(!l.m_bPrinted);
    }

    // Columns 1..4 and the values 5..20 under the rectangle, drawn once more.
    void dragNarrowsColumnsAndRanges()
    {
        Setup t;
        const int drawn = t.view().DrawCount();
        t.settings().m_dVStep = 2.5;
        t.Drag({ColumnX(4) + 5, ClientY(24 + 16 * 20)}, {{ColumnX(2), ClientY(200)}, {ColumnX(1), ClientY(24 + 16 * 5)}});
        QCOMPARE(t.updates, 1);
        const Ranges r = Snapshot(t.settings(), *t.doc);
        QCOMPARE(r, (Ranges{5.0, 20.0, 2.5, 1.0, 4.0, 1, 0, 4, 3}));
        QVERIFY(t.view().WaitForPage());
        QCOMPARE(t.view().DrawCount(), drawn + 1);
    }

    // Nothing changes and nothing is drawn; the band leaves no trace.
    void meaninglessDragsChangeNothing()
    {
        struct Case {
            const char* what;
            std::function<void(Setup&)> prepare;
            QPoint press;
            std::vector<QPoint> moves;
            QPoint release;
        };
        const QPoint inside(ColumnX(2), ClientY(300));
        const std::vector<Case> cases = {
            {"click", {}, inside, {}, inside},
            {"horizontal", {}, inside, {{ColumnX(6), ClientY(300)}}, {ColumnX(6), ClientY(300)}},
            {"vertical", {}, inside, {{ColumnX(2), ClientY(100)}}, {ColumnX(2), ClientY(100)}},
            // The last move is on a line; where the button comes up does not count.
            {"last move on a line", {}, inside, {{ColumnX(5), ClientY(100)}, {ColumnX(5), ClientY(300)}},
             {ColumnX(8), ClientY(50)}},
            {"above the plot", {}, {ColumnX(2), ClientY(560)}, {{ColumnX(5), ClientY(590)}}, {ColumnX(5), ClientY(590)}},
            {"left of the plot", {}, {10, ClientY(100)}, {{70, ClientY(300)}}, {70, ClientY(300)}},
            {"one-column region",
             [](Setup& t) {
                 t.doc->SetRegion(3, 0, 3, 3);
                 t.view().WaitForPage();
             },
             inside, {{ColumnX(6), ClientY(100)}}, {ColumnX(6), ClientY(100)}},
            {"empty value range",
             [](Setup& t) {
                 t.settings().m_dVMax = t.settings().m_dVMin;
                 t.view().Invalidate();
                 t.view().WaitForPage();
             },
             inside, {{ColumnX(6), ClientY(100)}}, {ColumnX(6), ClientY(100)}},
        };
        for (const Case& c : cases) {
            Setup t;
            if (c.prepare)
                c.prepare(t);
            t.updates = 0;
            const Ranges before = Snapshot(t.settings(), *t.doc);
            const QImage shown = Shot(t.view());
            const int drawn = t.view().DrawCount();
            QTest::mousePress(&t.view(), Qt::LeftButton, {}, c.press);
            for (QPoint p : c.moves)
                QTest::mouseMove(&t.view(), p);
            QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, c.release);
            QVERIFY(t.view().WaitForPage());
            QVERIFY2(Snapshot(t.settings(), *t.doc) == before, c.what);
            QVERIFY2(t.updates == 0, c.what);
            QVERIFY2(t.view().DrawCount() == drawn, c.what);
            QVERIFY2(Shot(t.view()) == shown, c.what);
        }
    }

    // Beyond the plot and beyond the window: clamped to the plot, all columns kept.
    void dragBeyondThePlotKeepsTheWholeRange()
    {
        Setup t;
        QTest::mousePress(&t.view(), Qt::LeftButton, {}, QPoint(3, 4));
        QTest::mouseMove(&t.view(), QPoint(kWidth + 150, kHeight + 80));
        // The cursor is brought back over the window.
        const QRect area(t.view().mapToGlobal(QPoint(0, 0)), t.view().size());
        QVERIFY(area.contains(QCursor::pos()));
        QCOMPARE(t.view().Drag().m_ptDragEnd, (CPoint{kWidth - 1, kHeight - 1}));
        QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, QPoint(kWidth - 1, kHeight - 1));
        const Ranges r = Snapshot(t.settings(), *t.doc);
        QCOMPARE(r.vMin, 0.0);
        QCOMPARE(r.vMax, 33.0);
        QCOMPARE(r.hMin, 0.0);
        QCOMPARE(r.hMax, 10.0);
        QCOMPARE(QList<int>({r.x1, r.y1, r.x2, r.y2}), QList<int>({0, 0, 10, 3}));
        QCOMPARE(t.updates, 1);
    }

    // On a logarithmic axis the range follows the decades the axis shows.
    void logarithmicDragFollowsTheAxis_data()
    {
        QTest::addColumn<double>("vMin");
        QTest::addColumn<double>("vMax");
        QTest::addColumn<double>("newMin");
        QTest::addColumn<double>("newMax");
        // Three decades over 528 pixels: 176 pixels a decade.
        QTest::newRow("from 1") << 1.0 << 1000.0 << 1.0 << 10.0;
        QTest::newRow("from 0.5") << 0.5 << 500.0 << 0.5 << 5.0;
        QTest::newRow("from 0: the axis starts at 1e-6") << 0.0 << 0.001 << 1e-6 << 1e-5;
    }
    void logarithmicDragFollowsTheAxis()
    {
        QFETCH(double, vMin);
        QFETCH(double, vMax);
        QFETCH(double, newMin);
        QFETCH(double, newMax);
        Setup t;
        t.settings().m_bVLog = true;
        t.settings().m_dVMin = vMin;
        t.settings().m_dVMax = vMax;
        t.view().Invalidate();
        QVERIFY(t.view().WaitForPage());
        QCOMPARE(t.layout().m_dVScale, 176.0);
        // From below the plot's lower edge to one decade up.
        t.Drag({ColumnX(1), ClientY(5)}, {{ColumnX(3), ClientY(24 + 176)}});
        QVERIFY(qAbs(t.settings().m_dVMin / newMin - 1.0) < 1e-12);
        QVERIFY(qAbs(t.settings().m_dVMax / newMax - 1.0) < 1e-12);
        QCOMPARE(t.doc->m_nX1, 1);
        QCOMPARE(t.doc->m_nX2, 3);
    }

    // The client area is taken as a top view of the region centred on the window.
    void threeDimensionalDragNarrowsRowsAndColumns()
    {
        Setup t(1, 3);
        const double scale = t.layout().m_d3DScale;
        QVERIFY(scale > 1.0);
        const Ranges before = Snapshot(t.settings(), *t.doc);
        // Centre (5, 1.5) at (400, 300): right of the centre by 2.5 columns, above it by 1.2 rows.
        const int right = 400 + int(2.5 * scale);
        const int top = 300 - int(1.2 * scale);
        t.Drag({right, 300}, {{400, top}});
        QCOMPARE(QList<int>({t.doc->m_nX1, t.doc->m_nY1, t.doc->m_nX2, t.doc->m_nY2}), QList<int>({5, 0, 7, 1}));
        QCOMPARE(t.settings().m_dVMax, before.vMax);
        QCOMPARE(t.settings().m_dZoom, 1.0);
        QCOMPARE(t.updates, 1);
    }

    // A double click comes as press, release, double click, release.
    void doubleClickResetsTwoDimensions()
    {
        Setup t;
        t.settings().m_dVStep = 2.5;
        t.Drag({ColumnX(4), ClientY(300)}, {{ColumnX(1), ClientY(100)}});
        QCOMPARE(t.doc->m_nX2, 4);
        QVERIFY(t.view().WaitForPage());
        const int drawn = t.view().DrawCount();
        const QPoint p(ColumnX(3), ClientY(200));
        QTest::mousePress(&t.view(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(&t.view(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, p);
        QCOMPARE(Snapshot(t.settings(), *t.doc), (Ranges{0.0, 33.0, 2.5, 0.0, 10.0, 0, 0, 10, 3}));
        QVERIFY(t.view().WaitForPage());
        QCOMPARE(t.view().DrawCount(), drawn + 1);
    }

    // Zoom back to 1, whole region, angles kept; drawn again even when the region was whole.
    void doubleClickResetsThreeDimensions()
    {
        Setup t(1, 3);
        t.settings().m_dZoom = 2.0;
        t.settings().m_dRotX = 22.5;
        const int drawn = t.view().DrawCount();
        QTest::mouseDClick(&t.view(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(t.settings().m_dZoom, 1.0);
        QCOMPARE(t.settings().m_dRotX, 22.5);
        QCOMPARE(QList<int>({t.doc->m_nX1, t.doc->m_nY1, t.doc->m_nX2, t.doc->m_nY2}), QList<int>({0, 0, 10, 3}));
        QVERIFY(t.view().WaitForPage());
        QCOMPARE(t.view().DrawCount(), drawn + 1);
    }

    // One drag changes the document, so both windows onto it are drawn again.
    void dragRepaintsEveryViewOfTheDocument()
    {
        Setup t(2);
        CSorvView& other = *t.views[1];
        const int drawnHere = t.view().DrawCount();
        const int drawnThere = other.DrawCount();
        t.Drag({ColumnX(2), ClientY(100)}, {{ColumnX(5), ClientY(300)}});
        QVERIFY(t.view().WaitForPage());
        QVERIFY(other.WaitForPage());
        QCOMPARE(t.view().DrawCount(), drawnHere + 1);
        QCOMPARE(other.DrawCount(), drawnThere + 1);
        // The other window's axes are its own.
        QCOMPARE(other.Settings().m_dHMax, 10.0);
    }

    // The band inverts the kept page, interior and outline alike, without
    // drawing the chart; the next move takes the old band away.
    void rubberBandInvertsTheKeptPage()
    {
        Setup t;
        const QImage page = Shot(t.view());
        const int drawn = t.view().DrawCount();
        QTest::mousePress(&t.view(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(&t.view(), QPoint(300, 250));
        QImage shot = Shot(t.view());
        QCOMPARE(t.view().DrawCount(), drawn);
        // Inside: corners, edges and middle; outside: just beyond the far corner.
        for (QPoint p : {QPoint(100, 100), QPoint(299, 249), QPoint(200, 100), QPoint(100, 200), QPoint(150, 180)})
            QCOMPARE(Pixel(shot, p.x(), p.y()), ~Pixel(page, p.x(), p.y()) & 0xFFFFFF);
        for (QPoint p : {QPoint(300, 250), QPoint(99, 99), QPoint(350, 150)})
            QCOMPARE(Pixel(shot, p.x(), p.y()), Pixel(page, p.x(), p.y()));

        QTest::mouseMove(&t.view(), QPoint(200, 150));
        shot = Shot(t.view());
        QCOMPARE(Pixel(shot, 150, 120), ~Pixel(page, 150, 120) & 0xFFFFFF);
        QCOMPARE(Pixel(shot, 250, 200), Pixel(page, 250, 200));
        QCOMPARE(t.view().DrawCount(), drawn);
        QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, QPoint(200, 150));
    }

    // A command during the drag changes the page: the release maps through
    // the page shown, the old one (70 pixels a column) until the new one
    // (legend on: 62 pixels a column) has come.
    void releaseMapsThroughThePageShown()
    {
        for (const bool waitForNewPage : {false, true}) {
            Setup t;
            const int step = waitForNewPage ? 62 : 70;
            QTest::mousePress(&t.view(), Qt::LeftButton, {}, QPoint(80 + step * 2 + 3, ClientY(100)));
            QTest::mouseMove(&t.view(), QPoint(80 + step * 5 + 3, ClientY(300)));
            t.view().OnCommand(CommandId::Legend);
            if (waitForNewPage)
                QVERIFY(t.view().WaitForPage());
            QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, QPoint(80 + step * 5 + 3, ClientY(300)));
            QCOMPARE(t.layout().m_dHScale, double(step));
            QCOMPARE(t.doc->m_nX1, 2);
            QCOMPARE(t.doc->m_nX2, 5);
        }
    }

    // Every zoom by the mouse is recorded: back and forward restore the region
    // and the axes exactly, the double click's reset included.
    void historyStepsThroughMouseZooms()
    {
        Setup t;
        CSorvView& v = t.view();
        QVERIFY(!v.IsCommandEnabled(CommandId::ViewBack));
        const Ranges whole = Snapshot(t.settings(), *t.doc);
        t.Drag({ColumnX(1), ClientY(24 + 16 * 5)}, {{ColumnX(8) + 5, ClientY(24 + 16 * 30)}});
        const Ranges first = Snapshot(t.settings(), *t.doc);
        QVERIFY(v.WaitForPage());
        t.Drag({ColumnX(2), ClientY(100)}, {{ColumnX(4), ClientY(400)}});
        const Ranges second = Snapshot(t.settings(), *t.doc);
        const QPoint p(ColumnX(3), ClientY(200));
        QTest::mouseDClick(&v, Qt::LeftButton, {}, p);
        QTest::mouseRelease(&v, Qt::LeftButton, {}, p);
        QCOMPARE(Snapshot(t.settings(), *t.doc), whole);

        for (const Ranges& expected : {second, first, whole}) {
            QVERIFY(v.OnCommand(CommandId::ViewBack));
            QCOMPARE(Snapshot(t.settings(), *t.doc), expected);
        }
        QVERIFY(!v.OnCommand(CommandId::ViewBack));
        for (const Ranges& expected : {first, second, whole}) {
            QVERIFY(v.OnCommand(CommandId::ViewForward));
            QCOMPARE(Snapshot(t.settings(), *t.doc), expected);
        }
        QVERIFY(!v.IsCommandEnabled(CommandId::ViewForward));
    }

    // Ctrl+drag narrows x alone, the middle button drags the view over the
    // data, Ctrl+arrow keys move it by a tenth of the plot; each is a step of
    // the history.
    void panAndXOnlyZoomGoIntoTheHistory()
    {
        Setup t;
        CSorvView& v = t.view();
        const Ranges whole = Snapshot(t.settings(), *t.doc);
        QTest::mousePress(&v, Qt::LeftButton, Qt::ControlModifier, QPoint(ColumnX(2), ClientY(300)));
        QTest::mouseMove(&v, QPoint(ColumnX(6), ClientY(300)));
        QTest::mouseRelease(&v, Qt::LeftButton, Qt::ControlModifier, QPoint(ColumnX(6), ClientY(300)));
        const Ranges narrowed = Snapshot(t.settings(), *t.doc);
        QCOMPARE(QList<int>({narrowed.x1, narrowed.x2}), QList<int>({2, 6}));
        QCOMPARE(QList<double>({narrowed.vMin, narrowed.vMax}), QList<double>({whole.vMin, whole.vMax}));

        // 175 pixels a column now: a drag by 180 to the right shows one column earlier.
        QVERIFY(v.WaitForPage());
        QTest::mousePress(&v, Qt::MiddleButton, {}, QPoint(300, 300));
        QTest::mouseMove(&v, QPoint(400, 300));
        QTest::mouseRelease(&v, Qt::MiddleButton, {}, QPoint(480, 300));
        const Ranges panned = Snapshot(t.settings(), *t.doc);
        QCOMPARE(QList<int>({panned.x1, panned.x2}), QList<int>({1, 5}));
        QCOMPARE(QList<double>({panned.hMin, panned.hMax}), QList<double>({1, 5}));

        // A tenth of the 528 units of height is 52: 3.25 of the 16-unit values.
        QVERIFY(v.WaitForPage());
        QTest::keyClick(&v, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(t.settings().m_dVMin, whole.vMin + 3.25);

        for (const Ranges& expected : {panned, narrowed, whole}) {
            QVERIFY(v.OnCommand(CommandId::ViewBack));
            QCOMPARE(Snapshot(t.settings(), *t.doc), expected);
        }
    }

    // Each window keeps its own history; what another window did to the region
    // meanwhile is part of the state this window records next.
    void historyIsPerWindow()
    {
        Setup t(2);
        CSorvView& other = *t.views[1];
        t.Drag({ColumnX(1), ClientY(100)}, {{ColumnX(9), ClientY(500)}});
        QVERIFY(other.WaitForPage());
        QTest::mousePress(&other, Qt::LeftButton, {}, QPoint(ColumnX(2), ClientY(100)));
        QTest::mouseMove(&other, QPoint(ColumnX(6), ClientY(500)));
        QTest::mouseRelease(&other, Qt::LeftButton, {}, QPoint(ColumnX(6), ClientY(500)));
        QCOMPARE(t.doc->m_nX1, 2);
        QCOMPARE(t.doc->m_nX2, 5);
        const Ranges afterOther = Snapshot(t.settings(), *t.doc);
        QVERIFY(t.view().WaitForPage());
        t.Drag({ColumnX(1), ClientY(100)}, {{ColumnX(3), ClientY(500)}});
        QVERIFY(t.view().OnCommand(CommandId::ViewBack));
        QCOMPARE(Snapshot(t.settings(), *t.doc), afterOther);
        QVERIFY(t.view().OnCommand(CommandId::ViewBack));
        QCOMPARE(t.doc->m_nX1, 1);
        QCOMPARE(t.doc->m_nX2, 9);
        // The other window steps through its own, which began with the region the first had made.
        QVERIFY(other.OnCommand(CommandId::ViewBack));
        QCOMPARE(QList<int>({t.doc->m_nX1, t.doc->m_nX2}), QList<int>({1, 9}));
        QCOMPARE(other.Settings().m_dHMax, 10.0);
        QVERIFY(!other.OnCommand(CommandId::ViewBack));
    }

    // Wheel forward narrows about the column under the cursor, wheel back
    // steps back; small turns add up to a step.
    void wheelNarrowsTwoDimensionsAndStepsBack()
    {
        Setup t;
        const double vMax = t.settings().m_dVMax;
        Wheel(t.view(), QPoint(ColumnX(5), ClientY(300)), 120);
        QCOMPARE(Snapshot(t.settings(), *t.doc), (Ranges{0.0, vMax, t.settings().m_dVStep, 1.0, 9.0, 1, 0, 9, 3}));
        // Two half steps over the first column of the new region (87.5 pixels a column).
        Wheel(t.view(), QPoint(82, ClientY(300)), 60);
        QCOMPARE(t.doc->m_nX2, 9);
        Wheel(t.view(), QPoint(82, ClientY(300)), 60);
        QCOMPARE(QList<int>({t.doc->m_nX1, t.doc->m_nX2}), QList<int>({1, 7}));
        QCOMPARE(t.settings().m_dHMax, 7.0);
        Wheel(t.view(), QPoint(400, 300), -120);
        QCOMPARE(QList<int>({t.doc->m_nX1, t.doc->m_nX2}), QList<int>({1, 9}));
        Wheel(t.view(), QPoint(400, 300), -240);
        QCOMPARE(Snapshot(t.settings(), *t.doc), (Ranges{0.0, vMax, t.settings().m_dVStep, 0.0, 10.0, 0, 0, 10, 3}));
    }

    // The wheel zooms the 3D chart as + and - do, within their bounds.
    void wheelZoomsThreeDimensions()
    {
        Setup t(1, 3);
        Wheel(t.view(), QPoint(400, 300), 120);
        QCOMPARE(t.settings().m_dZoom, 1.25);
        Wheel(t.view(), QPoint(400, 300), -240);
        QCOMPARE(t.settings().m_dZoom, 1.25 * 0.8 * 0.8);
        for (int i = 0; i < 20; ++i)
            Wheel(t.view(), QPoint(400, 300), 120);
        QVERIFY(qAbs(t.settings().m_dZoom - 1.25 * 0.8 * 0.8 * std::pow(1.25, 8)) < 1e-12);
        QCOMPARE(QList<int>({t.doc->m_nX1, t.doc->m_nX2}), QList<int>({0, 10}));
    }

    // Shift+drag turns the 3D chart and zooms nothing; without Shift the drag zooms.
    void shiftDragTurnsThreeDimensions()
    {
        Setup t(1, 3);
        const Ranges before = Snapshot(t.settings(), *t.doc);
        QTest::mousePress(&t.view(), Qt::LeftButton, Qt::ShiftModifier, QPoint(400, 300));
        QTest::mouseMove(&t.view(), QPoint(440, 280));
        QCOMPARE(t.settings().m_dRotX, 347.5);
        QCOMPARE(t.settings().m_dRotY, 335.0);
        QVERIFY(!t.view().Drag().m_bDragging);
        QTest::mouseMove(&t.view(), QPoint(380, 320));
        QTest::mouseRelease(&t.view(), Qt::LeftButton, Qt::ShiftModifier, QPoint(380, 320));
        QCOMPARE(t.settings().m_dRotX, 327.5);
        QCOMPARE(t.settings().m_dRotY, 305.0);
        QCOMPARE(Snapshot(t.settings(), *t.doc), before);
        QCOMPARE(t.updates, 0);
        // The move after the release turns nothing.
        QTest::mouseMove(&t.view(), QPoint(300, 200));
        QCOMPARE(t.settings().m_dRotX, 327.5);
        t.Drag({300, 200}, {{500, 400}});
        QCOMPARE(t.updates, 1);
    }

    // Printing draws a page with a layout of its own: the window keeps its screen
    // layout and the next drag maps as before.
    void dragAfterPrintingUsesTheScreenLayout()
    {
        Setup t;
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("page.pdf"));
        CViewPrinter(printer, nullptr).Print(&t.view(), false);
        QVERIFY(QFileInfo(dir.filePath("page.pdf")).size() > 0);
        QVERIFY(!t.layout().m_bPrinted);
        QCOMPARE(t.layout().m_nPlotRight, 780);
        t.Drag({ColumnX(1), ClientY(24 + 16 * 5)}, {{ColumnX(4) + 5, ClientY(24 + 16 * 20)}});
        QCOMPARE(Snapshot(t.settings(), *t.doc), (Ranges{5.0, 20.0, t.settings().m_dVStep, 1.0, 4.0, 1, 0, 4, 3}));
    }

    // The preview's pages (0.1 mm) have layouts of their own: a drag after a
    // preview maps through the screen's.
    void dragAfterPreviewUsesTheScreenLayout()
    {
        Setup t;
        QPrinter printer;
        CViewPrinter(printer, nullptr).Preview(&t.view());
        QPrintPreviewDialog* preview = nullptr;
        QVERIFY(QTest::qWaitFor([&] {
            preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            return preview && preview->findChild<QPrintPreviewWidget*>()->pageCount() == 1;
        }));
        preview->close();
        QVERIFY(!t.layout().m_bPrinted);
        QCOMPARE(t.layout().m_nPlotRight, 780);
        t.Drag({ColumnX(1), ClientY(24 + 16 * 5)}, {{ColumnX(4) + 5, ClientY(24 + 16 * 20)}});
        QCOMPARE(Snapshot(t.settings(), *t.doc), (Ranges{5.0, 20.0, t.settings().m_dVStep, 1.0, 4.0, 1, 0, 4, 3}));
    }

    // The preview's page is drawn by a worker: the preview opens on a blank
    // page saying 描画中, then shows what drawing on its printer shows, and
    // prints as printing does.
    void previewPageIsDrawnOffTheGuiThread()
    {
        Setup t;
        PreviewBeside p(t.view(), QPrinter::HighResolution);
        QCOMPARE(p.Status(), QString("描画中"));
        const QImage expected = Grab(p.drawn);
        QVERIFY(Grab(*p.shown) != expected);
        QTRY_COMPARE(Grab(*p.shown), expected);
        QCOMPARE(p.Status(), QString());
        // Its print button prints on the printer itself.
        QTemporaryDir dir;
        p.printer.setOutputFileName(dir.filePath("page.pdf"));
        p.shown->print();
        QVERIFY(QFileInfo(dir.filePath("page.pdf")).size() > 100);
    }

    // A page of a million markers comes as an image of the page, where the
    // page drawn on the printer would be; a zoom only scales it again.
    void densePreviewPageIsAnImageInPlace()
    {
        const auto doc = MakeTestDoc(2, 600001, [](int r, int c) { return r * 5.0 + (c * 37) % 101 * 0.01; });
        CSorvView view(*doc);
        view.resize(kWidth, kHeight);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view) && view.WaitForPage());
        PreviewBeside p(view, QPrinter::ScreenResolution);
        QTRY_COMPARE_WITH_TIMEOUT(p.Status(), QString(), 20000);
        const QRect expected = DarkBox(Grab(p.drawn));
        QVERIFY(expected.width() > 100);
        const QRect shown = DarkBox(Grab(*p.shown));
        QVERIFY2((shown.topLeft() - expected.topLeft()).manhattanLength() <= 2 &&
                     (shown.bottomRight() - expected.bottomRight()).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2 %3x%4").arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
        p.shown->zoomIn();
        QCOMPARE(p.Status(), QString());
    }

private:
    // A chart window's preview on a PDF printer, and beside it Qt's preview of
    // the page drawn on a printer of its own (a preview's pages belong to its
    // printer), both fitted to one size.
    struct PreviewBeside {
        QPrinter printer;
        QPrinter same;
        QPrintPreviewDialog* dialog = nullptr;
        QPrintPreviewWidget* shown = nullptr;
        QPrintPreviewWidget drawn;

        PreviewBeside(CSorvView& view, QPrinter::PrinterMode mode) : printer(mode), same(mode), drawn(&same)
        {
            printer.setOutputFormat(QPrinter::PdfFormat);
            same.setOutputFormat(QPrinter::PdfFormat);
            CViewPrinter(printer, nullptr).Preview(&view);
            dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            shown = dialog->findChild<QPrintPreviewWidget*>();
            connect(&drawn, &QPrintPreviewWidget::paintRequested, [&view](QPrinter* p) {
                QPainter painter(p);
                DrawPrintedPage(painter, PrintGeometry(*p), view.GetDocument(), view.Settings(), view.width(),
                                view.height());
            });
            drawn.resize(shown->size());
            drawn.show();
            shown->fitInView();
            drawn.fitInView();
        }
        // The dialog goes before the printer it paints on.
        ~PreviewBeside() { delete dialog; }
        QString Status() const { return dialog->findChild<QStatusBar*>()->currentMessage(); }
    };

    static QImage Grab(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Where the dark pixels of an image are.
    static QRect DarkBox(const QImage& image)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

QTEST_MAIN(SorvViewMouseTest)
#include "SorvViewMouseTest.moc"
