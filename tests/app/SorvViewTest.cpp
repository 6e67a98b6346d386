// The chart window on its own: first update, the kept page, character keys.

#include "app/SorvView.h"
#include "settings/CommandIds.h"
#include "support/TestDoc.h"

#include <QtTest>

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
        doc->m_fnStopAllViews = [&view] { view.StopDrawing(); };
        doc->m_fnUpdateAllViews = [&view] { view.Invalidate(); };
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.WaitForPage());
        const int first = view.DrawCount();
        QVERIFY(first >= 1);
        view.grab();
        view.repaint();
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.DrawCount(), first);
        view.OnCommand(CommandId::Graph3D);
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.DrawCount(), first + 1);
        view.resize(320, 200);
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.DrawCount(), first + 2);
        doc->SetRegion(1, 1, 2, 2);
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.DrawCount(), first + 3);
        // A zoom at its bound changes nothing and draws nothing.
        view.Settings().m_dZoom = 5.0;
        view.OnCommand(CommandId::ViewZoomIn);
        view.repaint();
        QVERIFY(view.WaitForPage());
        QCOMPARE(view.DrawCount(), first + 3);
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
};

QTEST_MAIN(SorvViewTest)
#include "SorvViewTest.moc"
