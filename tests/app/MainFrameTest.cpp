// The viewer's main window driven as a user would: start-up, menus, opening,
// chart windows and their commands from every source, printing, closing.

#include "app/AboutDlg.h"
#include "app/ChartContextMenu.h"
#include "app/ChartImage.h"
#include "app/DocManager.h"
#include "app/MDIClientWnd.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/SaveImageDialog.h"
#include "app/SorvApp.h"
#include "app/SorvView.h"
#include "chart2d/AxisLabel.h"
#include "chart2d/ScaleMap.h"
#include "dialogs/AreaDlg.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/PageSetupDlg.h"
#include "dialogs/SeriesDlg.h"
#include "doc/SorvDoc.h"
#include "settings/CommandIds.h"
#include "support/MenuTexts.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace CommandId;

namespace {

// The window as shown, in device pixels.
QImage Shot(QWidget* view)
{
    QImage shot = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shot.setDevicePixelRatio(1.0);
    return shot;
}

QImage Pixels(const QImage& image)
{
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1.0);
    return pixels;
}

// The save dialog now open, once an earlier one has gone.
CSaveImageDialog* OpenSaveDialog(QWidget* frame)
{
    for (CSaveImageDialog* dialog : frame->findChildren<CSaveImageDialog*>())
        if (dialog->isVisible())
            return dialog;
    return nullptr;
}

// 4 rows x 11 columns; cell (r, c) holds r + 3c.
QByteArray Table()
{
    QByteArray text;
    for (int r = 0; r < 4; ++r) {
        text += "row" + QByteArray::number(r);
        for (int c = 0; c < 11; ++c)
            text += "," + QByteArray::number(r + 3 * c);
        text += "\n";
    }
    return text;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSorvApp> m_app;

    QString WriteFile(const QString& name, const QByteArray& text = "a,1,2,3\nb,4,5,6\nc,7,8,9\n")
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return path;
    }
    CMainFrame* Start(const QStringList& files = {})
    {
        m_app = std::make_unique<CSorvApp>();
        m_app->InitInstance(files);
        CMainFrame* frame = m_app->GetMainFrame();
        QApplication::setActiveWindow(frame);
        Settle();
        return frame;
    }
    // Files are read in worker threads: waits until every read has come in.
    void Settle() const { QTRY_VERIFY_WITH_TIMEOUT(!Frame()->IsReading(), 20000); }
    CMainFrame* Frame() const { return m_app->GetMainFrame(); }
    QAction* MenuAction(int id) const { return FindIn(Frame()->menuBar()->actions(), id); }
    QAction* ToolbarAction(int id) const { return FindIn(Frame()->GetToolBar()->actions(), id); }
    int WindowCount() const { return int(Frame()->GetMDIClient()->subWindowList().size()); }
    CSorvView* View() const { return Frame()->GetActiveView(); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    }
    void init() { QSettings("Sorv", "Sorv").clear(); }
    void cleanup() { m_app.reset(); }

    void startWithoutFileShowsMenu128AndNoDocument()
    {
        Start();
        QCOMPARE(WindowCount(), 0);
        QCOMPARE(m_app->GetDocManager().GetDocumentCount(), 0);
        QCOMPARE(Frame()->windowTitle(), QString("Sorv"));
        QCOMPARE(MenuBarTexts(Frame()->menuBar()),
                 QStringList({"[ﾌｧｲﾙ(&F)]", "開く(&O)...\tCtrl+O", "ｲﾝﾎﾟｰﾄ(&I)...\tCtrl+I", "-", "ﾌﾟﾘﾝﾀの設定(&R)...",
                              "-", "最新のﾌｧｲﾙ", "-",
                              "終了(&X)", "[表示(&V)]", "ﾂｰﾙ ﾊﾞｰ(&T)", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "[ﾍﾙﾌﾟ(&H)]",
                              "ﾊﾞｰｼﾞｮﾝ情報(Sorv)(&A)..."}));
        QVERIFY(!FindIn(Frame()->menuBar()->actions(), FileMruFirst) ||
                !FindIn(Frame()->menuBar()->actions(), FileMruFirst)->isVisible());
        QVERIFY(!ToolbarAction(FilePrint)->isEnabled());
        QVERIFY(ToolbarAction(FileOpen)->isEnabled());
        QCOMPARE(Frame()->GetToolBar()->actions().size(), 24);
    }

    void startWithFilesOpensEachWithMenu129()
    {
        const QString a = WriteFile("a.csv"), b = WriteFile("b.csv");
        Start({a, b});
        QCOMPARE(WindowCount(), 2);
        QCOMPARE(View()->parentWidget()->windowTitle(), QString("b.csv"));
        QCOMPARE(Frame()->windowTitle(), QString("b.csv - Sorv"));
        QCOMPARE(MenuBarTexts(Frame()->menuBar()),
                 QStringList({"[ﾌｧｲﾙ(&F)]", "開く(&O)...\tCtrl+O", "ｲﾝﾎﾟｰﾄ(&I)...\tCtrl+I", "閉じる(&C)", "-",
                              "画像として保存(&S)...\tCtrl+Shift+S", "-",
                              "再読み込み(&E)\tF5", "自動更新(&U)", "-", "印刷(&P)...\tCtrl+P",
                              "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", "ﾌﾟﾘﾝﾀの設定(&R)...", "-",
                              "&1 " + QDir::toNativeSeparators(b), "&2 " + QDir::toNativeSeparators(a), "-",
                              "終了(&X)", "[編集(&E)]", "ｺﾋﾟｰ(&C)\tCtrl+C", "[表示(&V)]", "散布図(&D)", "折れ線(&L)",
                              "積層図(&A)", "３Ｄ(&3)", "-", "凡例(&G)", "-", "拡大(&I)\t+", "縮小(&OI)\t-", "-",
                              "前の範囲に戻る(&B)\tAlt+Left", "次の範囲に進む(&N)\tAlt+Right", "-", "最新のﾃﾞｰﾀを追う(&F)", "-",
                              "ﾂｰﾙ ﾊﾞｰ(&T)", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)",
                              "[設定(&S)]", "Region(&R)", "-", "Axis(&A)", "Color(&C)", "Line Attributes(&L)",
                              "Title(&T)", "系列(&E)...", "-", "View(&V)", "Rotate>", "X+", "X-", "Y+", "Y-", "Z+", "Z-", "<",
                              "[ｳｨﾝﾄﾞｳ(&W)]", "新しいｳｨﾝﾄﾞｳを開く(&N)", "重ねて表示(&C)", "上下に並べて表示(&H)",
                              "左右に並べて表示(&T)", "ｱｲｺﾝの整列(&A)", "[ﾍﾙﾌﾟ(&H)]", "ﾊﾞｰｼﾞｮﾝ情報(Sorv) (&A)..."}));
        // The last window closed brings menu 128 back.
        Frame()->OnCommand(FileClose);
        QTRY_COMPARE(WindowCount(), 1);
        Frame()->OnCommand(FileClose);
        QTRY_COMPARE(WindowCount(), 0);
        QTRY_COMPARE(m_app->GetDocManager().GetDocumentCount(), 0);
        QCOMPARE(Frame()->menuBar()->actions().size(), 3);
    }

    void promptsAndToolTips()
    {
        Start();
        QCOMPARE(ToolbarAction(FileOpen)->statusTip(), QString("既存のﾌｧｲﾙを開く"));
        QCOMPARE(ToolbarAction(FileOpen)->toolTip(), QString("開く"));
        QCOMPARE(ToolbarAction(RotateYMinus)->toolTip(), QString("Rotation"));
        QCOMPARE(ToolbarAction(AppAbout)->statusTip(), QString("ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示"));
        QCOMPARE(MenuAction(ViewToolbar)->statusTip(), QString("ﾂｰﾙ ﾊﾞｰの表示/非表示"));
        QVERIFY(ToolbarAction(SetAxis)->statusTip().isEmpty());
        const QStringList panes = [&] {
            QStringList texts;
            for (QLabel* label : Frame()->GetStatusBar()->findChildren<QLabel*>())
                if (label->isVisibleTo(Frame()))
                    texts << label->text();
            return texts;
        }();
        QCOMPARE(panes, QStringList({"Ready", "ｶﾅ", "CAP", "NUM", "SCRL"}));
    }

    void newWindowHasItsOwnSettingsAndLastCloseDestroysDocument()
    {
        Start({WriteFile("a.csv")});
        CSorvView* first = View();
        MenuAction(WindowNew)->trigger();
        CSorvView* second = View();
        QVERIFY(second != first);
        QCOMPARE(&second->GetDocument(), &first->GetDocument());
        QCOMPARE(first->parentWidget()->windowTitle(), QString("a.csv:1"));
        QCOMPARE(second->parentWidget()->windowTitle(), QString("a.csv:2"));
        MenuAction(Graph3D)->trigger();
        QCOMPARE(second->Settings().m_nGraphType, 3);
        QCOMPARE(first->Settings().m_nGraphType, 0);
        QCOMPARE(second->Settings().m_dVMax, 9.0);

        second->parentWidget()->close();
        QTRY_COMPARE(WindowCount(), 1);
        QTRY_COMPARE(first->parentWidget()->windowTitle(), QString("a.csv"));
        QCOMPARE(m_app->GetDocManager().GetDocumentCount(), 1);
        first->parentWidget()->close();
        QTRY_COMPARE(m_app->GetDocManager().GetDocumentCount(), 0);
    }

    void chartTypeCommandsCheckTheirItems()
    {
        Start({WriteFile("a.csv")});
        const int types[4] = {GraphScatter, GraphLine, GraphStacked, Graph3D};
        for (int source = 0; source < 2; ++source) {
            for (int t = 0; t < 4; ++t) {
                (source == 0 ? MenuAction(types[t]) : ToolbarAction(types[t]))->trigger();
                QCOMPARE(View()->Settings().m_nGraphType, t);
                for (int u = 0; u < 4; ++u) {
                    QCOMPARE(MenuAction(types[u])->isChecked(), u == t);
                    QCOMPARE(ToolbarAction(types[u])->isChecked(), u == t);
                }
            }
        }
        QVERIFY(MenuAction(Legend)->isChecked());
        MenuAction(Legend)->trigger();
        QVERIFY(!View()->Settings().m_bLegend);
        QVERIFY(!MenuAction(Legend)->isChecked());
    }

    // In a 2D chart the X/Y rotations, zoom and View are disabled from every
    // source; Z+ and Z- still work.
    void twoDimensionalChartIgnoresThreeDimensionalCommands()
    {
        Start({WriteFile("a.csv")});
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        CSorvView* view = View();
        view->setFocus();
        const CPlotSettings before = view->Settings();
        for (int id : {RotateXPlus, RotateXMinus, RotateYPlus, RotateYMinus, ViewZoomIn, ViewZoomOut, SetView}) {
            QVERIFY2(!MenuAction(id)->isEnabled(), qPrintable(QString::number(id)));
            if (QAction* button = ToolbarAction(id))
                QVERIFY(!button->isEnabled());
            Frame()->OnCommand(id);
        }
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Plus, Qt::Key_Minus,
                            Qt::Key_Asterisk, Qt::Key_Slash, Qt::Key_X, Qt::Key_I, Qt::Key_Z})
            QTest::keyClick(view, key);
        QCOMPARE(view->Settings().m_dRotX, before.m_dRotX);
        QCOMPARE(view->Settings().m_dRotY, before.m_dRotY);
        QCOMPARE(view->Settings().m_dRotZ, before.m_dRotZ);
        QCOMPARE(view->Settings().m_dZoom, before.m_dZoom);
        QCOMPARE(view->Settings().m_dScaleZ, before.m_dScaleZ);

        QVERIFY(MenuAction(RotateZPlus)->isEnabled());
        MenuAction(RotateZPlus)->trigger();
        QCOMPARE(view->Settings().m_dRotZ, 22.5);
        MenuAction(RotateZMinus)->trigger();
        MenuAction(RotateZMinus)->trigger();
        QCOMPARE(view->Settings().m_dRotZ, 337.5);
    }

    void rotationFromMenuToolbarAcceleratorAndKeys_data()
    {
        QTest::addColumn<int>("source");  // 0 menu, 1 toolbar, 2 accelerator, 3 character key
        QTest::newRow("menu") << 0;
        QTest::newRow("toolbar") << 1;
        QTest::newRow("accelerator") << 2;
        QTest::newRow("key") << 3;
    }
    void rotationFromMenuToolbarAcceleratorAndKeys()
    {
        QFETCH(int, source);
        Start({WriteFile("a.csv")});
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        CSorvView* view = View();
        view->setFocus();
        MenuAction(Graph3D)->trigger();
        auto run = [&](int id, Qt::Key accel, char key) {
            if (source == 0)
                MenuAction(id)->trigger();
            else if (source == 1)
                ToolbarAction(id)->trigger();
            else if (source == 2)
                QTest::keyClick(view, accel);
            else
                QTest::keyClick(view, key);
        };
        CPlotSettings& s = view->Settings();
        run(RotateXPlus, Qt::Key_Up, 'x');  // 337.5 -> 360, not 0
        QCOMPARE(s.m_dRotX, 360.0);
        run(RotateXPlus, Qt::Key_Up, 'X');
        QCOMPARE(s.m_dRotX, 22.5);
        run(RotateYPlus, Qt::Key_Right, 'y');
        QCOMPARE(s.m_dRotY, 337.5);
        if (source == 3)
            return;  // no character keys for the negative turns
        s.m_dRotX = 0.0;
        run(RotateXMinus, Qt::Key_Down, 0);
        QCOMPARE(s.m_dRotX, 337.5);
        run(RotateYMinus, Qt::Key_Left, 0);
        QCOMPARE(s.m_dRotY, 315.0);
    }

    void zoomAndScaleInThreeDimensions()
    {
        Start({WriteFile("a.csv")});
        CSorvView* view = View();
        ToolbarAction(Graph3D)->trigger();
        CPlotSettings& s = view->Settings();
        for (int i = 0; i < 8; ++i)
            ToolbarAction(ViewZoomIn)->trigger();
        QVERIFY(std::abs(s.m_dZoom - std::pow(1.25, 7)) < 1e-12);
        s.m_dZoom = 1.0;
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(view, i % 2 ? 'o' : '-');
        QVERIFY(std::abs(s.m_dZoom - std::pow(0.8, 7)) < 1e-12);
        s.m_dZoom = 1.0;
        for (int i = 0; i < 8; ++i)
            MenuAction(ViewZoomIn)->trigger();
        QVERIFY(std::abs(s.m_dZoom - 4.76837158203125) < 1e-12);
        QTest::keyClick(view, 'i');
        QVERIFY(std::abs(s.m_dZoom - 4.76837158203125) < 1e-12);

        const double scale = s.m_dScaleZ;
        QTest::keyClick(view, '*');
        QTest::keyClick(view, '*');
        QVERIFY(std::abs(s.m_dScaleZ - scale * 2.25) < 1e-15);
        QTest::keyClick(view, '/');
        QVERIFY(std::abs(s.m_dScaleZ - scale * 1.5) < 1e-15);
        QTest::keyClick(view, 'z');
        QCOMPARE(s.m_dRotZ, 22.5);
        QVERIFY(MenuAction(SetView)->isEnabled());
    }

    // Settings dialogs repaint on OK only; Line Attributes only in the line
    // chart; the region redraws every window of the document.
    void settingsCommandsRepaintOnOk()
    {
        Start({WriteFile("a.csv")});
        CSorvView* view = View();
        // Each dialog opens over the main window.
        auto runAnswered = [&](int id, bool ok) {
            QWidget* owner = nullptr;
            WhenModal<QDialog>([ok, &owner](QDialog* d) {
                owner = d->parentWidget();
                ok ? d->accept() : d->reject();
            });
            ToolbarAction(id)->trigger();
            return owner == Frame() && view->WaitForPage() ? view->ExactDrawCount() : -1;
        };
        QVERIFY(view->WaitForPage());
        const int base = view->ExactDrawCount();
        QCOMPARE(runAnswered(SetLineAttr, true), base);
        QCOMPARE(runAnswered(SetAxis, false), base);
        QCOMPARE(runAnswered(SetAxis, true), base + 1);
        ToolbarAction(GraphLine)->trigger();
        QVERIFY(view->WaitForPage());
        QCOMPARE(runAnswered(SetLineAttr, true), base + 3);

        MenuAction(WindowNew)->trigger();
        CSorvView* second = View();
        QVERIFY(second->WaitForPage());
        QVERIFY(view->WaitForPage());
        const int counts[2] = {view->ExactDrawCount(), second->ExactDrawCount()};
        WhenModal<QDialog>([](QDialog* d) { d->accept(); });
        MenuAction(Region)->trigger();
        QVERIFY(view->WaitForPage());
        QVERIFY(second->WaitForPage());
        QCOMPARE(view->ExactDrawCount(), counts[0] + 1);
        QCOMPARE(second->ExactDrawCount(), counts[1] + 1);
    }

    // Every window's H axis follows the document's region, however it changed:
    // the Region dialog, a drag or a double click in another window.
    void hAxesFollowTheRegionInEveryWindow()
    {
        Start({WriteFile("wide.csv", "a,1,2,3,4,5,6,7,8,9,10\nb,1,2,3,4,5,6,7,8,9,10\n")});
        CSorvView* first = View();
        MenuAction(WindowNew)->trigger();
        CSorvView* second = View();
        const auto hRanges = [&] {
            return QList<double>({first->Settings().m_dHMin, first->Settings().m_dHMax, second->Settings().m_dHMin,
                                  second->Settings().m_dHMax});
        };
        WhenModal<CAreaDlg>([](CAreaDlg* d) {
            d->m_editX1->setText("2");
            d->m_editX2->setText("7");
            d->accept();
        });
        MenuAction(Region)->trigger();
        QCOMPARE(hRanges(), QList<double>({2, 7, 2, 7}));

        QVERIFY(first->WaitForPage());
        const CPageLayout& l = first->Layout();
        const int y = first->height() - 1 - (l.m_nPlotBottom + l.m_nPlotTop) / 2;
        QTest::mousePress(first, Qt::LeftButton, {}, QPoint(l.m_nPlotLeft + int(l.m_dHScale) + 1, y));
        QTest::mouseMove(first, QPoint(l.m_nPlotLeft + int(3 * l.m_dHScale) + 1, y + 40));
        QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(l.m_nPlotLeft + int(3 * l.m_dHScale) + 1, y + 40));
        QCOMPARE(QList<int>({first->GetDocument().m_nX1, first->GetDocument().m_nX2}), QList<int>({3, 5}));
        QCOMPARE(hRanges(), QList<double>({3, 5, 3, 5}));

        QVERIFY(second->WaitForPage());
        QTest::mouseDClick(second, Qt::LeftButton, {}, QPoint(second->width() / 2, second->height() / 2));
        QCOMPARE(hRanges(), QList<double>({0, 9, 0, 9}));
    }

    // A click on a legend entry hides its series (and shows it again); the
    // Series dialog puts a series on the right V axis, which takes its range.
    void seriesFromTheLegendAndTheDialog()
    {
        Start({WriteFile("s.csv", "a,1,2,3\nb,40,50,60\nc,7,8,9\n")});
        CSorvView* view = View();
        view->parentWidget()->resize(900, 700);   // room for the legend on a screen of any scale
        QVERIFY(view->WaitForPage());
        const CPageLayout& l = view->Layout();
        QVERIFY(l.m_bLegend);
        const double h = 2 * LabelCharWidth(l);
        const QPoint entry(int(l.m_nPlotRight + 2 * h), l.m_nPageHeight - 1 - int(l.m_nPlotTop - 1.5 * h - h / 2));
        QTest::mouseClick(view, Qt::LeftButton, {}, entry);
        QVERIFY(view->Settings().m_series.at(1).m_bHidden);
        QTest::mouseClick(view, Qt::LeftButton, {}, entry);
        QVERIFY(!view->Settings().m_series.at(1).m_bHidden);

        WhenModal<CSeriesDlg>([](CSeriesDlg* d) {
            d->m_table->item(1, CSeriesDlg::RightAxis)->setCheckState(Qt::Checked);
            d->m_table->item(2, CSeriesDlg::Shown)->setCheckState(Qt::Unchecked);
            qobject_cast<QComboBox*>(d->m_table->cellWidget(0, CSeriesDlg::Marker))->setCurrentIndex(2);
            d->m_comboPalette->setCurrentIndex(2);
            d->accept();
        });
        MenuAction(SetSeries)->trigger();
        const CPlotSettings& s = view->Settings();
        QVERIFY(s.m_series.at(1).m_bRightAxis && !s.m_series.at(0).m_bRightAxis);
        QVERIFY(s.m_series.at(2).m_bHidden && !s.m_series.at(1).m_bHidden);
        QCOMPARE(int(s.m_series.at(0).m_nMarker), int(MarkerShape::Circle));
        QCOMPARE(QList<double>({s.m_dV2Min, s.m_dV2Max}), QList<double>({40, 60}));
        QCOMPARE(s.m_nPalette, 2);
    }

    void recentFilesKeepFourNewestFirst()
    {
        QStringList paths;
        for (int i = 0; i < 5; ++i)
            paths << WriteFile(QString("r%1.csv").arg(i));
        Start(paths);
        const QStringList& files = m_app->GetRecentFiles().Files();
        QCOMPARE(files, QStringList({paths[4], paths[3], paths[2], paths[1]}));
        QCOMPARE(MenuAction(FileMruFirst)->text(), "&1 " + QDir::toNativeSeparators(paths[4]));
        QVERIFY(MenuAction(FileMruFirst + 3)->isVisible());
        // Kept across runs.
        cleanup();
        Start();
        QCOMPARE(m_app->GetRecentFiles().Files().size(), 4);
        MenuAction(FileMruFirst + 2)->trigger();
        Settle();
        QCOMPARE(View()->parentWidget()->windowTitle(), QString("r2.csv"));
        QCOMPARE(m_app->GetRecentFiles().Files().front(), paths[2]);
    }

    void droppedFilesOpen()
    {
        Start();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(WriteFile("d1.csv")), QUrl::fromLocalFile(WriteFile("d2.csv"))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &drop);
        // Opened after the drop, not inside it.
        QCOMPARE(WindowCount(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(WindowCount(), 2, 20000);
        QCOMPARE(m_app->GetDocManager().GetDocumentCount(), 2);
        // A file already open shows its window again.
        QVERIFY(Frame()->OpenDocumentFile(m_dir.filePath("d1.csv")));
        Settle();
        QCOMPARE(WindowCount(), 2);
        QCOMPARE(View()->parentWidget()->windowTitle(), QString("d1.csv"));
    }

    // The message about a dropped file that cannot be read comes once the drop is over.
    void droppedUnreadableFileIsReportedAfterTheDrop()
    {
        Start();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(m_dir.filePath("missing.csv"))});
        QString shown;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            box->accept();
        });
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &drop);
        QVERIFY(shown.isEmpty());
        QTRY_VERIFY(shown.contains(QStringLiteral("ﾌｧｲﾙが見つかりません。")));
        QCOMPARE(WindowCount(), 0);
    }

    void unreadableFileIsReportedAndOpensNoWindow()
    {
        Start();
        const QString missing = m_dir.filePath("missing.csv");
        QString shown;
        bool reading = true;
        // While the message is up, the status bar no longer shows the read.
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            QTest::qWait(400);
            reading = Frame()->IsReading() || Frame()->IsCommandEnabled(FileCancelRead) ||
                      Frame()->GetStatusBar()->findChild<QProgressBar*>()->isVisible();
            box->accept();
        });
        Frame()->OpenDocumentFile(missing);
        Settle();
        QVERIFY(shown.contains(QDir::toNativeSeparators(missing)));
        QVERIFY(shown.contains(QStringLiteral("ﾌｧｲﾙが見つかりません。")));
        QVERIFY(!reading);
        QCOMPARE(WindowCount(), 0);
        QCOMPARE(m_app->GetDocManager().GetDocumentCount(), 0);
        QVERIFY(m_app->GetRecentFiles().Files().isEmpty());
    }

    void exitClosesWithoutPrompt()
    {
        Start({WriteFile("a.csv")});
        QVERIFY(Frame()->isVisible());
        MenuAction(AppExit)->trigger();
        QVERIFY(!Frame()->isVisible());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QMessageBox*>(w) || !w->isVisible());
    }

    void printsOnePageToPdf()
    {
        Start({WriteFile("a.csv")});
        const QString pdf = m_dir.filePath("out.pdf");
        m_app->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        m_app->GetPrinter().setOutputFileName(pdf);
        Frame()->OnCommand(FilePrintDirect);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 100);
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
        // The window keeps the layout of its screen paint.
        QVERIFY(!View()->Layout().m_bPrinted);

        // Through the print dialog, from Ctrl+P.
        QVERIFY(QFile::remove(pdf));
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        QTest::keyClick(View(), Qt::Key_P, Qt::ControlModifier);
        auto* dialog = Frame()->findChild<QPrintDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        static_cast<QDialog*>(dialog)->accept();
        QVERIFY(QFileInfo(pdf).size() > 100);

    }

    // The page set-up works with the PDF printer and holds for every later print and preview.
    void pageSetupHoldsForPrintAndPreview()
    {
        Start({WriteFile("a.csv")});
        const QString pdf = m_dir.filePath("landscape.pdf");
        QPrinter& printer = m_app->GetPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        Frame()->OnCommand(FilePrintSetup);
        auto* setup = Frame()->findChild<CPageSetupDlg*>();
        QVERIFY(setup && setup->isVisible());
        for (QRadioButton* radio : setup->findChildren<QRadioButton*>())
            radio->setChecked(radio->text() == QStringLiteral("横(&A)"));
        const QList<QDoubleSpinBox*> margins = setup->findChildren<QDoubleSpinBox*>();
        for (QDoubleSpinBox* margin : margins)
            margin->setValue(15);
        setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);

        Frame()->OnCommand(FilePrintDirect);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(file.readAll()));
        QVERIFY(box.hasMatch());
        QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());

        Frame()->OnCommand(FilePrintPreview);
        auto* preview = Frame()->findChild<QPrintPreviewDialog*>();
        QVERIFY(preview);
        QCOMPARE(preview->findChild<QPrintPreviewWidget*>()->orientation(), QPageLayout::Landscape);
        preview->close();
        // And once more: the set-up is still the one chosen.
        Frame()->OnCommand(FilePrintSetup);
        setup = Frame()->findChild<CPageSetupDlg*>();
        QCOMPARE(setup->PageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(setup->PageLayout().margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
        setup->reject();
    }

    // Without a file named by the user, each document prints to a PDF of its own name.
    void pdfFileFollowsThePrintedDocument()
    {
        const QByteArray home = qgetenv("HOME");
        const QString fakeHome = m_dir.filePath("home");
        QVERIFY(QDir().mkpath(fakeHome));
        qputenv("HOME", fakeHome.toUtf8());
        Start({WriteFile("a.csv"), WriteFile("b.csv")});
        m_app->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        m_app->GetPrinter().setOutputFileName(QString());
        Frame()->OnCommand(FilePrintDirect);
        Frame()->GetMDIClient()->activatePreviousSubWindow();
        Frame()->OnCommand(FilePrintDirect);
        qputenv("HOME", home);
        QVERIFY(QFileInfo(fakeHome + "/b.pdf").size() > 100);
        QVERIFY(QFileInfo(fakeHome + "/a.pdf").size() > 100);
    }

    void previewAndAboutOpenTheirWindows()
    {
        Start({WriteFile("a.csv")});
        Frame()->OnCommand(FilePrintPreview);
        auto* preview = Frame()->findChild<QPrintPreviewDialog*>();
        QVERIFY(preview && preview->isVisible());
        preview->close();
        Frame()->OnCommand(AppAbout);
        auto* about = Frame()->findChild<CAboutDlg*>();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QString("ﾊﾞｰｼﾞｮﾝ情報(Sorv)"));
        QVERIFY(about->findChild<QLabel*>() != nullptr);
        about->accept();
    }

    // The window menu ends with the open windows, the active one checked; one activates its window.
    void windowMenuListsTheWindows()
    {
        const QString a = WriteFile("a&b.csv"), b = WriteFile("b.csv");
        Start({a, b});
        MenuAction(WindowNew)->trigger();
        QMenu* menu = nullptr;
        for (QAction* popup : Frame()->menuBar()->actions())
            if (popup->menu()->actions().contains(MenuAction(WindowNew)))
                menu = popup->menu();
        QVERIFY(menu);
        for (int shown = 0; shown < 2; ++shown) {
            emit menu->aboutToShow();
            QStringList texts;
            Describe(menu->actions(), texts);
            QCOMPARE(texts.mid(5), QStringList({"-", "&1 a&&b.csv", "&2 b.csv:1", "&3 b.csv:2"}));
        }
        QVERIFY(FindIn(menu->actions(), WindowFirstChild + 2)->isChecked());
        Frame()->GetMDIClient()->subWindowList().first()->showMinimized();
        FindIn(menu->actions(), WindowFirstChild)->trigger();
        QCOMPARE(View()->parentWidget()->windowTitle(), QString("a&b.csv"));
        QVERIFY(!View()->parentWidget()->isMinimized());
    }

    void tilesStackAndSideBySideAndIconsAlongTheBottom()
    {
        Start({WriteFile("a.csv"), WriteFile("b.csv")});
        MenuAction(WindowNew)->trigger();
        CMDIClientWnd* client = Frame()->GetMDIClient();
        MenuAction(WindowTileHorz)->trigger();
        auto windows = client->subWindowList();
        QCOMPARE(windows.size(), 3);
        const int h = client->viewport()->height();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(windows[i]->geometry(), QRect(0, h * i / 3, client->viewport()->width(), h * (i + 1) / 3 - h * i / 3));
        }
        MenuAction(WindowTileVert)->trigger();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(windows[i]->y(), 0);
        QVERIFY(windows[0]->x() < windows[1]->x() && windows[1]->x() < windows[2]->x());

        windows[0]->showMinimized();
        windows[1]->showMinimized();
        MenuAction(WindowArrange)->trigger();
        QCOMPARE(windows[0]->geometry().bottom(), client->viewport()->rect().bottom());
        QCOMPARE(windows[1]->x(), windows[0]->geometry().right() + 1);
    }

    void tileRects_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("stacked");
        QTest::addColumn<QList<QRect>>("rects");
        const QRect a(0, 0, 600, 400);
        QTest::newRow("one") << 1 << true << QList<QRect>{a};
        QTest::newRow("two stacked") << 2 << true << QList<QRect>{{0, 0, 600, 200}, {0, 200, 600, 200}};
        QTest::newRow("two side by side") << 2 << false << QList<QRect>{{0, 0, 300, 400}, {300, 0, 300, 400}};
        QTest::newRow("four stacked: 2 x 2") << 4 << true
                                             << QList<QRect>{{0, 0, 300, 200}, {0, 200, 300, 200},
                                                             {300, 0, 300, 200}, {300, 200, 300, 200}};
        QTest::newRow("five stacked: 2 + 3") << 5 << true
                                             << QList<QRect>{{0, 0, 300, 200}, {0, 200, 300, 200},
                                                             {300, 0, 300, 133}, {300, 133, 300, 133},
                                                             {300, 266, 300, 134}};
    }
    void tileRects()
    {
        QFETCH(int, count);
        QFETCH(bool, stacked);
        QFETCH(QList<QRect>, rects);
        const std::vector<QRect> got = CMDIClientWnd::TileRects(QRect(0, 0, 600, 400), count, stacked);
        QCOMPARE(QList<QRect>(got.begin(), got.end()), rects);
    }

    // New windows step down and right and start over where the next would stick out.
    void cascadePosition_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("first") << 0 << QSize(450, 300) << QPoint(0, 0);
        QTest::newRow("second") << 1 << QSize(450, 300) << QPoint(24, 24);
        QTest::newRow("last that fits") << 4 << QSize(450, 300) << QPoint(96, 96);
        QTest::newRow("starts over") << 5 << QSize(450, 300) << QPoint(0, 0);
        QTest::newRow("larger than the area") << 3 << QSize(700, 500) << QPoint(0, 0);
    }
    void cascadePosition()
    {
        QFETCH(int, index);
        QFETCH(QSize, window);
        QFETCH(QPoint, at);
        QCOMPARE(CMDIClientWnd::CascadePosition(index, QSize(600, 400), window, 24), at);
    }

    // Cascaded windows step down by a title bar and keep the size the area allows.
    void cascadeRects_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("one fills the area") << 1 << QList<QRect>{{0, 0, 600, 400}};
        QTest::newRow("three") << 3 << QList<QRect>{{0, 0, 550, 350}, {25, 25, 550, 350}, {50, 50, 550, 350}};
        // 400 - 240 leaves room for 6 steps of 25: the eighth window starts over.
        QList<QRect> eight;
        for (int i = 0; i < 8; ++i)
            eight.append(QRect(i % 7 * 25, i % 7 * 25, 450, 250));
        QTest::newRow("eight") << 8 << eight;
    }
    void cascadeRects()
    {
        QFETCH(int, count);
        QFETCH(QList<QRect>, rects);
        const std::vector<QRect> got = CMDIClientWnd::CascadeRects(QRect(0, 0, 600, 400), count, 25, QSize(320, 240));
        QCOMPARE(QList<QRect>(got.begin(), got.end()), rects);
        // An area smaller than the minimum: every window fills it.
        for (const QRect& r : CMDIClientWnd::CascadeRects(QRect(0, 0, 200, 100), 3, 25, QSize(320, 240)))
            QCOMPARE(r, QRect(0, 0, 200, 100));
    }

    void cascadeKeepsWindowsUseful()
    {
        Start({WriteFile("a.csv"), WriteFile("b.csv"), WriteFile("c.csv")});
        Frame()->resize(1000, 800);
        MenuAction(WindowCascade)->trigger();
        CMDIClientWnd* client = Frame()->GetMDIClient();
        const QSize area = client->viewport()->size();
        const auto windows = client->subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(windows.size(), 3);
        const int step = windows[1]->y() - windows[0]->y();
        QVERIFY(step > 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(windows[i]->pos(), QPoint(i * step, i * step));
            QCOMPARE(windows[i]->size(), area - QSize(2 * step, 2 * step));
        }
        // The active window stays in front.
        QCOMPARE(client->activeSubWindow(), windows.last());
    }

    void newWindowsCascade()
    {
        Start();
        Frame()->resize(1000, 800);
        Frame()->OpenDocumentFile(WriteFile("a.csv"));
        Frame()->OpenDocumentFile(WriteFile("b.csv"));
        Settle();
        const auto windows = Frame()->GetMDIClient()->subWindowList();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->pos(), QPoint(0, 0));
        QVERIFY(windows[1]->x() > 0);
        QCOMPARE(windows[1]->y(), windows[1]->x());
        QVERIFY(Frame()->GetMDIClient()->viewport()->rect().contains(windows[1]->geometry()));
    }

    void backgroundTilesColumnsThenRows()
    {
        const std::vector<QPoint> tiles = CMDIClientWnd::TilePositions(400, 150);
        const QList<QPoint> expected = {{0, 0}, {0, 64}, {0, 128}, {160, 0}, {160, 64}, {160, 128},
                                        {320, 0}, {320, 64}, {320, 128}};
        QCOMPARE(QList<QPoint>(tiles.begin(), tiles.end()), expected);
        QVERIFY(CMDIClientWnd::TilePositions(-1, 10).empty());
        const QImage tile = CMDIClientWnd::BackgroundTile(1.0).toImage();
        QCOMPARE(tile.size(), QSize(160, 64));
    }

    // Ctrl+Shift+S proposes "<document>.png" in the folder used last and writes
    // the window's page at its size and device pixel ratio, pixel for pixel;
    // the file type chosen gives the name its extension.
    void saveImageWritesWhatTheWindowShows()
    {
        Start({WriteFile("surface.csv", Table())});
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        CSorvView* view = View();
        view->setFocus();
        QVERIFY(view->WaitForPage());
        const QString folder = m_dir.filePath("pictures");
        QDir().mkpath(folder);
        QSettings().setValue("SaveImage/Folder", folder);
        QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        CSaveImageDialog* dialog = OpenSaveDialog(Frame());
        QVERIFY(dialog);
        QCOMPARE(dialog->selectedFiles(), QStringList({folder + "/surface.png"}));
        static_cast<QDialog*>(dialog)->accept();
        const QImage saved(folder + "/surface.png");
        QCOMPARE(saved.size(), view->size() * view->devicePixelRatio());
        QCOMPARE(Pixels(saved), Shot(view));

        // SVG at the window's size, PDF of the printed page; the folder is remembered.
        const QString other = m_dir.filePath("other");
        QDir().mkpath(other);
        for (int type : {1, 2}) {
            QTRY_VERIFY(!OpenSaveDialog(Frame()));
            MenuAction(FileSaveImage)->trigger();
            dialog = OpenSaveDialog(Frame());
            QVERIFY(dialog);
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            types->setCurrentIndex(type);
            emit types->activated(type);
            QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(),
                     type == 1 ? QString("surface.svg") : QString("surface.pdf"));
            dialog->selectFile(other + "/chart");
            static_cast<QDialog*>(dialog)->accept();
        }
        QFile svg(other + "/chart.svg");
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray svgText = svg.readAll();
        QVERIFY(svgText.contains(QString("width=\"%1\"").arg(view->width()).toUtf8()));
        QFile pdf(other + "/chart.pdf");
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QTRY_VERIFY(!OpenSaveDialog(Frame()));
        MenuAction(FileSaveImage)->trigger();
        QVERIFY(OpenSaveDialog(Frame()));
        QCOMPARE(OpenSaveDialog(Frame())->directory().absolutePath(), other);
        OpenSaveDialog(Frame())->reject();
    }

    // A name keeps an image extension of its own and takes the chosen type's otherwise;
    // a file that cannot be written is reported and leaves nothing behind.
    void saveImageNamesAndFailures()
    {
        const QString png = "PNG 画像 (*.png)", svg = "SVG 画像 (*.svg)", pdf = "PDF ﾌｧｲﾙ (*.pdf)";
        QCOMPARE(CSaveImageDialog::WithImageSuffix("/a/chart", svg), QString("/a/chart.svg"));
        QCOMPARE(CSaveImageDialog::WithImageSuffix("/a/chart.PDF", png), QString("/a/chart.PDF"));
        QCOMPARE(CSaveImageDialog::WithImageSuffix("/a/chart.png", pdf), QString("/a/chart.png"));
        QCOMPARE(CSaveImageDialog::WithImageSuffix("/a/v1.2", pdf), QString("/a/v1.2.pdf"));
        QCOMPARE(CSaveImageDialog::WithImageSuffix("/a/chart.ops", png), QString("/a/chart.ops.png"));

        const QString data = WriteFile("a.csv");
        Start({data});
        const QString target = data + "/chart.png";  // a folder that is a file
        QString error;
        QVERIFY(!CChartImage(*View()).Save(target, {200, 287}, error));
        QVERIFY(error.contains(target));
        MenuAction(FileSaveImage)->trigger();
        CSaveImageDialog* dialog = OpenSaveDialog(Frame());
        QVERIFY(dialog);
        emit dialog->fileSelected(target);
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = Frame()->findChild<QMessageBox*>()) && box->isVisible());
        QVERIFY(box->text().startsWith(QDir::toNativeSeparators(target) + " に保存できません。"));
        box->close();
        dialog->reject();
    }

    // Ctrl+C puts the window's image and its SVG on the clipboard.
    void copyPutsImageAndSvgOnTheClipboard()
    {
        Start({WriteFile("a.csv", Table())});
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        QGuiApplication::clipboard()->clear();
        View()->setFocus();
        QVERIFY(View()->WaitForPage());
        QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime && mime->hasImage());
        QCOMPARE(Pixels(qvariant_cast<QImage>(mime->imageData())), Shot(View()));
        QVERIFY(mime->formats().contains("image/svg+xml"));
        const QByteArray svg = mime->data("image/svg+xml");
        QVERIFY(svg.startsWith("<?xml"));
        QVERIFY(svg.contains("<svg"));
        // From the menu as well; without a chart window the command is off.
        QGuiApplication::clipboard()->clear();
        MenuAction(EditCopy)->trigger();
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
        Frame()->OnCommand(FileClose);
        QTRY_COMPARE(WindowCount(), 0);
        QVERIFY(!Frame()->IsCommandEnabled(EditCopy));
        QVERIFY(!Frame()->IsCommandEnabled(FileSaveImage));
    }

    // The Region and Axis dialogs are recorded; Alt+Left, Backspace and
    // Alt+Right step through the history, the menu items follow it.
    void historyThroughDialogsAndKeys()
    {
        Start({WriteFile("a.csv", Table())});
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        CSorvView* view = View();
        view->setFocus();
        CSorvDoc& doc = view->GetDocument();
        auto region = [&] { return QList<int>({doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2}); };
        QVERIFY(!MenuAction(ViewBack)->isEnabled());
        WhenModal<CAreaDlg>([](CAreaDlg* d) {
            const QList<QLineEdit*> edits = d->findChildren<QLineEdit*>();
            const char* values[4] = {"2", "1", "8", "3"};
            for (int i = 0; i < 4; ++i)
                edits[i]->setText(values[i]);
            d->accept();
        });
        MenuAction(Region)->trigger();
        QCOMPARE(region(), QList<int>({2, 1, 8, 3}));
        QVERIFY(MenuAction(ViewBack)->isEnabled());
        QVERIFY(!MenuAction(ViewForward)->isEnabled());
        const CPlotSettings before = view->Settings();
        WhenModal<CAxisDlg>([](CAxisDlg* d) {
            d->m_V.max->setText("20");
            d->m_H.log->setChecked(true);
            d->accept();
        });
        ToolbarAction(SetAxis)->trigger();
        QCOMPARE(view->Settings().m_dVMax, 20.0);

        // The offscreen platform gives the activation back only when asked.
        QApplication::setActiveWindow(Frame());
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(view->Settings().m_dVMax, before.m_dVMax);
        QVERIFY(!view->Settings().m_bHLog);
        QCOMPARE(region(), QList<int>({2, 1, 8, 3}));
        QTest::keyClick(view, Qt::Key_Backspace);
        QCOMPARE(region(), QList<int>({0, 0, 10, 3}));
        QVERIFY(!MenuAction(ViewBack)->isEnabled());
        QTest::keyClick(view, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(region(), QList<int>({2, 1, 8, 3}));
        MenuAction(ViewForward)->trigger();
        QCOMPARE(view->Settings().m_dVMax, 20.0);
        QVERIFY(view->Settings().m_bHLog);
        QVERIFY(!MenuAction(ViewForward)->isEnabled());
    }

    // A right click opens the chart's commands in the states of the menus;
    // an item runs on the window clicked, which becomes the active one.
    void contextMenuOffersTheChartCommands()
    {
        Start({WriteFile("a.csv", Table())});
        CSorvView* first = View();
        MenuAction(WindowNew)->trigger();
        CSorvView* second = View();
        QVERIFY(second != first);
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100), first->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(first, &click);
        QCOMPARE(View(), first);
        auto* menu = qobject_cast<CChartContextMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(MenuTexts(menu),
                 QStringList({"散布図(&D)", "折れ線(&L)", "積層図(&A)", "３Ｄ(&3)", "-", "凡例(&G)", "-",
                              "前の範囲に戻る(&B)\tAlt+Left", "次の範囲に進む(&N)\tAlt+Right", "-",
                              "ｺﾋﾟｰ(&C)\tCtrl+C", "画像として保存(&S)...\tCtrl+Shift+S", "-", "Region(&R)", "Axis(&A)", "Color(&C)", "Line Attributes(&L)", "Title(&T)", "系列(&E)...", "View(&V)"}));
        const QList<QAction*> items = menu->actions();
        QVERIFY(items[0]->isChecked() && !items[3]->isChecked() && items[5]->isChecked());
        QVERIFY(!items[7]->isEnabled() && !items[19]->isEnabled() && items[10]->isEnabled() && items[18]->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(items[3]).center());
        QCOMPARE(first->Settings().m_nGraphType, 3);
        QCOMPARE(second->Settings().m_nGraphType, 0);
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // In 3D the View dialog is offered; the legend item toggles.
        QApplication::sendEvent(first, &click);
        menu = qobject_cast<CChartContextMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu && menu->actions()[19]->isEnabled() && !menu->actions()[18]->isEnabled());
        menu->actions()[5]->trigger();
        QVERIFY(!first->Settings().m_bLegend);
    }

    // The status bar reads the column and the value under the mouse, and the
    // point drawn nearest; the 3D chart shows its region and angles.
    void statusBarReadsTheChartUnderTheCursor()
    {
        Start({WriteFile("a.csv")});
        CSorvView* view = View();
        QVERIFY(view->WaitForPage());
        const CPageLayout& l = view->Layout();
        // Row "b", column 1: the value 5.
        const int x = l.m_nPlotLeft + int(l.m_dHScale);
        const int y = view->height() - 1 - *CScaleMap::Values(l).ToPage(5.0);
        QTest::mouseMove(view, QPoint(x + 1, y - 1));
        const QString text = Frame()->statusBar()->currentMessage();
        QVERIFY2(text.startsWith("列 1  値 "), qPrintable(text));
        QVERIFY2(text.endsWith("    系列 b  列 1  値 5"), qPrintable(text));
        QTest::mouseMove(view, QPoint(x + 30, y - 30));
        QVERIFY(!Frame()->statusBar()->currentMessage().contains("系列"));
        QTest::mouseMove(view, QPoint(2, 2));
        QVERIFY(Frame()->statusBar()->currentMessage().isEmpty());

        MenuAction(Graph3D)->trigger();
        QTest::mouseMove(view, QPoint(50, 60));
        QCOMPARE(Frame()->statusBar()->currentMessage(),
                 QString("領域 列 0～2  行 0～2    回転 X 337.5°  Y 315°  Z 0°"));
        // Turning it by Shift+drag keeps the angles shown up to date.
        QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 60));
        QTest::mouseMove(view, QPoint(90, 40));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(90, 40));
        QCOMPARE(Frame()->statusBar()->currentMessage(),
                 QString("領域 列 0～2  行 0～2    回転 X 347.5°  Y 335°  Z 0°"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view, &leave);
        QVERIFY(Frame()->statusBar()->currentMessage().isEmpty());
    }

    // A maximised chart window leaves the frame's title as it is: the document once.
    void frameTitleNamesTheDocumentOnce()
    {
        Start({WriteFile("a.csv"), WriteFile("surface.csv")});
        QCOMPARE(Frame()->windowTitle(), QString("surface.csv - Sorv"));
        View()->parentWidget()->showMaximized();
        QCOMPARE(Frame()->windowTitle(), QString("surface.csv - Sorv"));
        Frame()->GetMDIClient()->activatePreviousSubWindow();
        QCOMPARE(Frame()->windowTitle(), QString("a.csv - Sorv"));
        View()->parentWidget()->showNormal();
        QCOMPARE(Frame()->windowTitle(), QString("a.csv - Sorv"));
    }

    // Settings live in ~/.config/Sorv/Sorv.conf, the recent files of earlier
    // versions are taken over once, and nothing is installed on the desktop.
    void settingsUnderSorvAndNoDesktopEntryAtStart()
    {
        const QString a = WriteFile("a.csv");
        QFile::remove(m_dir.filePath("config/Sorv/Sorv.conf"));
        QSettings("Local AppWizard-Generated Applications", "Sorv").setValue("Recent File List/File1", a);
        Start();
        QCOMPARE(m_app->GetRecentFiles().Files(), QStringList({a}));
        Frame()->OpenDocumentFile(WriteFile("b.csv"));
        Settle();
        QSettings settings(m_dir.filePath("config/Sorv/Sorv.conf"), QSettings::IniFormat);
        QCOMPARE(settings.value("Recent File List/File2").toString(), a);
        // Once only: a list emptied here is not filled again from the old file.
        cleanup();
        QSettings("Local AppWizard-Generated Applications", "Sorv").setValue("Recent File List/File1", a);
        QSettings("Sorv", "Sorv").remove("Recent File List");
        Start();
        QVERIFY(m_app->GetRecentFiles().Files().isEmpty());
        QSettings("Local AppWizard-Generated Applications", "Sorv").clear();
        QVERIFY(!QFileInfo::exists(m_dir.filePath("data/applications")));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("data/icons")));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
