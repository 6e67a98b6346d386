// The chart window on its own: first update, the kept page, character keys.

#include "../support/TestDoc.h"
#include "view/CommandIds.h"
#include "view/SorvView.h"

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
        doc->m_fnUpdateAllViews = [&view] { view.Invalidate(); };
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int first = view.DrawCount();
        QVERIFY(first >= 1);
        view.grab();
        view.repaint();
        QCOMPARE(view.DrawCount(), first);
        view.OnCommand(CommandId::Graph3D);
        view.repaint();
        QCOMPARE(view.DrawCount(), first + 1);
        view.resize(320, 200);
        view.repaint();
        QCOMPARE(view.DrawCount(), first + 2);
        doc->SetRegion(1, 1, 2, 2);
        view.repaint();
        QCOMPARE(view.DrawCount(), first + 3);
        // A zoom at its bound changes nothing and draws nothing.
        view.Settings().m_dZoom = 5.0;
        view.OnCommand(CommandId::ViewZoomIn);
        view.repaint();
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

    // A drag narrows the region, a click does nothing, a double click undoes the zoom.
    void mouseZoomsAndDoubleClickResets()
    {
        auto doc = MakeTestDoc(20, 20, [](int r, int c) { return double(r + c); });
        CSorvView view(*doc);
        doc->m_fnUpdateAllViews = [&view] { view.Invalidate(); };
        view.OnCommand(CommandId::Graph3D);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.repaint();
        const int drawn = view.DrawCount();

        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(200, 150));
        view.repaint();
        QCOMPARE(view.DrawCount(), drawn);
        QCOMPARE(doc->m_nX2, 19);

        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(150, 100));
        QTest::mouseMove(&view, QPoint(250, 200));
        view.repaint();  // the band alone draws no page
        QCOMPARE(view.DrawCount(), drawn);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(250, 200));
        QVERIFY(doc->m_nX1 > 0 || doc->m_nX2 < 19);
        QVERIFY(doc->m_nY1 > 0 || doc->m_nY2 < 19);

        view.Settings().m_dZoom = 2.0;
        QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(view.Settings().m_dZoom, 1.0);
        QCOMPARE(doc->m_nX2 - doc->m_nX1, 19);
        QCOMPARE(doc->m_nY2 - doc->m_nY1, 19);
    }
};

QTEST_MAIN(SorvViewTest)
#include "SorvViewTest.moc"
