// The chart window on its own: first update, the kept page, character keys,
// and the pages its worker draws: the resting page is the exact one, held
// keys turn the 3D chart in drafts, a change supersedes the page in flight.

#include "app/SorvView.h"
#include "settings/CommandIds.h"
#include "support/DirectPage.h"
#include "support/TestDoc.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The window as shown, in device pixels.
QImage Shot(CSorvView& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What the window shows when it rests: the page drawn directly.
QImage Exact(const CSorvView& view, bool draft = false)
{
    return DirectPage(view.GetDocument(), view.Settings(), view.width(), view.height(), view.devicePixelRatioF(), draft,
                      CSorvView::kMinTextPixels)
        .convertToFormat(QImage::Format_RGB32);
}

// The key 'x' (turn about x) as the window system sends it: held down, it
// comes again auto-repeated until a release that is not.
void KeyX(CSorvView& view, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent event(type, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), autoRepeat);
    QApplication::sendEvent(&view, &event);
}

// A surface with many more grid steps than pixels: half a pixel a step in a
// 300 x 200 window, so that a draft takes every 4th row and column.
std::unique_ptr<CSorvDoc> DenseSurface(int n = 401)
{
    return MakeTestDoc(n, n, [](int r, int c) { return std::sin(r * 0.05) * std::cos(c * 0.04) * 10.0 + r * 0.01; });
}

// A shown window of doc with its first page drawn; the document redraws it
// as the document manager does.
std::unique_ptr<CSorvView> ShownView(CSorvDoc& doc, int type, int w = 300, int h = 200)
{
    auto view = std::make_unique<CSorvView>(doc);
    CSorvView* v = view.get();
    doc.m_fnUpdateAllViews = [v] { v->Invalidate(); };
    view->Settings().m_nGraphType = type;
    view->resize(w, h);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()) || !view->WaitForPage())
        qWarning("window not exposed or not drawn");
    return view;
}

}  // namespace

class SorvViewTest : public QObject {
    Q_OBJECT
private slots:
    void firstUpdateTakesAxesFromDocument()
    {
        auto doc = MakeTestDoc(3, 5, [](int r, int c) { return r * 10.0 + c; });
        doc->SetTitle("t.csv");
        CSorvView view(*doc);
        const CPlotSettings& s = view.Settings();
        QCOMPARE(s.m_nGraphType, 0);
        QCOMPARE(s.m_dVMin, 0.0);
        QCOMPARE(s.m_dVMax, 24.0);
        QCOMPARE(s.m_dHMax, 4.0);
        QCOMPARE(s.m_strTitle, std::string("t.csv"));
    }

    // A paint without a change shows the kept page; a change of settings,
    // size or region draws it again.
    void paintReusesThePageUntilSomethingChanges()
    {
        auto doc = MakeTestDoc(4, 4, [](int r, int c) { return double(r * c); });
        CSorvView view(*doc);
        doc->m_fnUpdateAllViews = [&view] { view.Invalidate(); };
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.WaitForPage());
        const int first = view.ExactDrawCount();
        QVERIFY(first >= 1);
        view.grab();
        view.repaint();
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.ExactDrawCount(), first);
        view.OnCommand(CommandId::Graph3D);
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.ExactDrawCount(), first + 1);
        view.resize(320, 200);
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.ExactDrawCount(), first + 2);
        doc->SetRegion(1, 1, 2, 2);
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.ExactDrawCount(), first + 3);
        // A zoom at its bound changes nothing and draws nothing.
        view.Settings().m_dZoom = 5.0;
        view.OnCommand(CommandId::ViewZoomIn);
        view.repaint();
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.ExactDrawCount(), first + 3);
    }

    void characterKeysActOnlyInThreeDimensions()
    {
        auto doc = MakeTestDoc(2, 2, [](int r, int c) { return double(r + c); });
        CSorvView view(*doc);
        for (char key : {'*', '/', '+', '-', 'x', 'y', 'z'})
            QTest::keyClick(&view, key);
        QCOMPARE(view.Settings().m_dScaleZ, 0.1);
        QCOMPARE(view.Settings().m_dRotZ, 0.0);
        QCOMPARE(view.Settings().m_dZoom, 1.0);
        view.OnCommand(CommandId::Graph3D);
        QTest::keyClick(&view, 'Y');
        QCOMPARE(view.Settings().m_dRotY, 337.5);
        QTest::keyClick(&view, 'I');
        QCOMPARE(view.Settings().m_dZoom, 1.25);
        QTest::keyClick(&view, 'O');
        QCOMPARE(view.Settings().m_dZoom, 1.25 * 0.8);
    }

    // Every chart at rest shows the page a direct draw makes, pixel for pixel.
    void restingPageIsTheDirectPage()
    {
        auto doc = MakeTestDoc(40, 70, [](int r, int c) { return std::sin(r * 0.3) + std::cos(c * 0.2) + r; });
        for (int type = 0; type <= 3; ++type) {
            for (int model : {1, 3, 5}) {
                auto view = ShownView(*doc, type, 331, 207);
                view->Settings().m_nModel = model;
                view->Invalidate();
                QVERIFY(view->WaitForPage());
                QVERIFY2(Shot(*view) == Exact(*view), qPrintable(QString("chart %1 model %2").arg(type).arg(model)));
            }
        }
    }

    // While 'x' is held the chart turns in drafts from every 4th row and
    // column; the release, or the focus going elsewhere, brings the exact page.
    void heldKeyTurnsInDraftsAndRestsExact()
    {
        auto doc = DenseSurface();
        for (const bool focusOut : {false, true}) {
            auto view = ShownView(*doc, 3);
            KeyX(*view, QEvent::KeyPress, false);
            QVERIFY(view->WaitForPage());
            QCOMPARE(Shot(*view), Exact(*view));
            for (int repeat = 0; repeat < 3; ++repeat) {
                const int shown = view->DrawCount();
                KeyX(*view, QEvent::KeyPress, true);
                QTRY_VERIFY(view->DrawCount() > shown);
            }
            QCOMPARE(view->Settings().m_dRotX, 67.5);
            const QImage draft = Shot(*view);
            QCOMPARE(draft, Exact(*view, true));
            QVERIFY(draft != Exact(*view));
            if (focusOut) {
                QFocusEvent event(QEvent::FocusOut);
                QApplication::sendEvent(view.get(), &event);
            } else {
                KeyX(*view, QEvent::KeyRelease, false);
            }
            QVERIFY(view->WaitForPage());
            QCOMPARE(Shot(*view), Exact(*view));
        }
    }

    // A page that takes long: a draft comes first, the status bar's text
    // says the exact page is being drawn, and nothing once it is shown.
    void slowPageShowsADraftAndSaysItIsDrawing()
    {
        auto doc = DenseSurface(1601);
        auto view = ShownView(*doc, 3, 800, 600);
        QSignalSpy states(view.get(), &CSorvView::drawingState);
        const int exact = view->ExactDrawCount(), all = view->DrawCount();
        view->Settings().m_dRotX = 90;
        view->Invalidate();
        QVERIFY(view->WaitForPage(120000));
        QCOMPARE(view->ExactDrawCount(), exact + 1);
        QCOMPARE(view->DrawCount(), all + 2);
        QTRY_VERIFY(!states.isEmpty() && states.last().at(0).toString().isEmpty());
        QVERIFY(std::any_of(states.begin(), states.end(),
                            [](const QList<QVariant>& a) { return a.at(0).toString().startsWith("描画中"); }));
    }

    // A change while a page is drawn: that page is never shown, the page of
    // the new state is (after its draft, when it takes long). The page in flight keeps the data and region it
    // began with while the document takes others (a reload's values, a region change).
    void changeSupersedesThePageInFlight()
    {
        const struct {
            const char* what;
            std::function<void(CSorvView&, CSorvDoc&)> change;
        } cases[] = {
            {"key",
             [](CSorvView& view, CSorvDoc&) {
                 KeyX(view, QEvent::KeyPress, false);
                 view.repaint();
             }},
            {"document",
             [](CSorvView& view, CSorvDoc& doc) {
                 const CDocData& d = doc.Data();
                 doc.Publish(MakeTestData(d.m_nRows, d.m_nCols, [&](int r, int c) { return -d.Value(r, c); }));
                 view.Invalidate();
                 doc.SetRegion(100, 100, 700, 700);
             }},
        };
        for (const auto& c : cases) {
            auto doc = DenseSurface(801);
            auto view = ShownView(*doc, 3);
            const int shown = view->ExactDrawCount();
            view->Invalidate();
            view->repaint();
            c.change(*view, *doc);
            QVERIFY2(view->WaitForPage(), c.what);
            QVERIFY2(view->ExactDrawCount() == shown + 1, c.what);
            QVERIFY2(Shot(*view) == Exact(*view), c.what);
        }
    }
};

QTEST_MAIN(SorvViewTest)
#include "SorvViewTest.moc"
