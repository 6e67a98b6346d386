// Files becoming documents in the viewer, driven as a user would: the import
// dialog and its preview, reading in a worker thread with progress and
// cancel, reload and automatic update, the recent files' options.

#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/SorvApp.h"
#include "app/SorvView.h"
#include "dialogs/ImportDlg.h"
#include "doc/SorvDoc.h"
#include "settings/CommandIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <climits>
#include <memory>

using namespace CommandId;

namespace {

const QByteArray kLogger = "time,temp,humidity,pressure\n0,21.0,42.1,30.5\n10,21.2,41.5,30.5\n20,21.4,40.9,30.4\n";
const QByteArray kRows = "a,1,2,3\nb,4,5,6\nc,7,8,9\n";

}  // namespace

class LoadingTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSorvApp> m_app;

    QString Write(const QString& name, const QByteArray& text, QIODevice::OpenMode mode = QIODevice::WriteOnly)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(mode);
        file.write(text);
        return path;
    }
    CMainFrame* Frame() const { return m_app->GetMainFrame(); }
    CSorvView* View() const { return Frame()->GetActiveView(); }
    int WindowCount() const { return int(Frame()->findChild<QMdiArea*>()->subWindowList().size()); }
    // Waits for the reads to come in; the main window is active again after a dialog.
    void Settle() const
    {
        QTRY_VERIFY_WITH_TIMEOUT(!Frame()->IsReading(), 20000);
        QApplication::setActiveWindow(Frame());
    }
    // The visible menu entry of a command.
    QAction* Action(int id) const
    {
        for (QAction* a : Frame()->findChildren<QAction*>())
            if (a->data().toInt() == id && a->isVisible() && !a->text().isEmpty())
                return a;
        return nullptr;
    }
    CImportDlg* ImportDialog() const { return Frame()->findChild<CImportDlg*>(); }
    QString StatusText() const { return Frame()->GetStatusBar()->currentMessage(); }
    QStringList Labels(const CSorvDoc& doc) const
    {
        QStringList labels;
        for (int r = 0; r < doc->m_nRows; ++r)
            labels << QString::fromStdString(doc->m_pLabels[r]);
        return labels;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    }
    void init()
    {
        QSettings("Sorv", "Sorv").clear();
        m_app = std::make_unique<CSorvApp>();
        m_app->InitInstance({});
        QApplication::setActiveWindow(Frame());
    }
    void cleanup() { m_app.reset(); }

    // The logger file offers the dialog with what was detected; OK shows a
    // line chart of its three series, and the recent list keeps the options.
    void columnFileOffersTheDialogAndOpensALineChart()
    {
        const QString path = Write("logger.csv", kLogger);
        QVERIFY(Frame()->OpenDocumentFile(path));
        QTRY_VERIFY(ImportDialog() && ImportDialog()->isVisible());
        CImportDlg* dialog = ImportDialog();
        QCOMPARE(dialog->m_comboSeries->currentIndex(), 1);
        QCOMPARE(dialog->m_comboDelimiter->currentText(), QString("ｶﾝﾏ"));
        QCOMPARE(dialog->m_comboHeader->currentText(), QString("自動 (あり)"));
        QCOMPARE(dialog->m_comboFirstColumn->currentText(), QString("自動 (x)"));
        QCOMPARE(dialog->m_tablePreview->columnCount(), 3);
        QCOMPARE(dialog->m_tablePreview->rowCount(), 3);
        QCOMPARE(dialog->m_tablePreview->horizontalHeaderItem(2)->text(), QString("pressure"));
        QCOMPARE(dialog->m_tablePreview->verticalHeaderItem(1)->text(), QString("10"));
        QCOMPARE(dialog->m_tablePreview->item(1, 0)->text(), QString("21.2"));
        QCOMPARE(WindowCount(), 0);
        dialog->accept();
        Settle();
        QCOMPARE(WindowCount(), 1);
        const CSorvDoc& doc = View()->GetDocument();
        QCOMPARE(Labels(doc), QStringList({"temp", "humidity", "pressure"}));
        QCOMPARE(View()->Settings().m_nGraphType, 1);
        QCOMPARE(doc->m_x.Values(), std::vector<double>({0, 10, 20}));
        const std::optional<ImportOptions> kept = m_app->GetRecentFiles().ImportOptionsOf(path);
        QVERIFY(kept && kept->columns && kept->header && kept->delimiter == ImportDelimiter::Comma);

        // Reopened from the recent list: read the same way, without asking.
        Frame()->OnCommand(FileClose);
        QTRY_COMPARE(m_app->GetDocManager().GetDocumentCount(), 0);
        Action(FileMruFirst)->trigger();
        Settle();
        QVERIFY(!ImportDialog() || !ImportDialog()->isVisible());
        QCOMPARE(WindowCount(), 1);
        QCOMPARE(Labels(View()->GetDocument()), QStringList({"temp", "humidity", "pressure"}));
    }

    void rowFileOpensWithoutTheDialog()
    {
        Frame()->OpenDocumentFile(Write("rows.csv", kRows));
        Settle();
        QVERIFY(!ImportDialog());
        QCOMPARE(WindowCount(), 1);
        QCOMPARE(View()->Settings().m_nGraphType, 0);
        QVERIFY(!m_app->GetRecentFiles().ImportOptionsOf(m_dir.filePath("rows.csv")));
    }

    // The import command asks whatever the file holds; the preview follows
    // the options, and Cancel opens nothing.
    void importDialogPreviewFollowsTheOptions()
    {
        Frame()->ImportDocumentFile(Write("semi.csv", "a;1,5;2\nb;3;4,25\n"));
        QTRY_VERIFY(ImportDialog() && ImportDialog()->isVisible());
        CImportDlg* dialog = ImportDialog();
        QVERIFY(dialog->m_checkDecimalComma->isChecked());
        QCOMPARE(dialog->m_tablePreview->item(0, 0)->text(), QString("1.5"));
        dialog->m_checkDecimalComma->setChecked(false);
        QCOMPARE(dialog->m_tablePreview->item(0, 0)->text(), QString());   // "1,5" is no number then
        QCOMPARE(dialog->m_tablePreview->item(0, 1)->text(), QString("2"));
        dialog->m_comboDelimiter->setCurrentIndex(1);   // comma: "a;1" with "5;2", "b;3;4" with 25
        QCOMPARE(dialog->m_tablePreview->rowCount(), 0);
        QVERIFY(dialog->m_labelPreview->text().contains("3 個以下"));
        dialog->m_comboDelimiter->setCurrentIndex(4);   // blank: one cell a line
        QVERIFY(dialog->m_labelPreview->text().contains("数値のｾﾙがありません"));
        dialog->m_comboDelimiter->setCurrentIndex(2);   // tab: the same
        dialog->m_comboDelimiter->setCurrentIndex(3);
        QCOMPARE(dialog->m_tablePreview->item(1, 1)->text(), QString());   // "4,25" without the decimal comma
        dialog->reject();
        QTest::qWait(50);
        QVERIFY(!Frame()->IsReading());
        QCOMPARE(WindowCount(), 0);
    }

    // A FIFO without a writer: the read waits in its thread, the progress
    // shows, Esc stops it and leaves nothing behind; the window answers meanwhile.
    void readWaitingForAWriterIsCancelled()
    {
        const QString fifo = m_dir.filePath("fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        Frame()->OpenDocumentFile(fifo);
        QVERIFY(Frame()->IsReading());
        QTRY_VERIFY(Frame()->GetStatusBar()->findChild<QProgressBar*>()->isVisible());
        Frame()->OpenDocumentFile(Write("rows.csv", kRows));
        QTRY_COMPARE(WindowCount(), 1);   // a slow read lets a later one pass
        QVERIFY(Frame()->IsCommandEnabled(FileCancelRead));
        QSignalSpy messages(Frame()->GetStatusBar(), &QStatusBar::messageChanged);
        QTest::keyClick(Frame(), Qt::Key_Escape);
        Settle();
        QCOMPARE(WindowCount(), 1);
        QCOMPARE(m_app->GetDocManager().GetDocumentCount(), 1);
        QVERIFY(std::any_of(messages.begin(), messages.end(),
                            [](const QList<QVariant>& m) { return m.at(0).toString().contains("中止"); }));
        QTRY_VERIFY(!Frame()->GetStatusBar()->findChild<QProgressBar*>()->isVisible());
        QVERIFY(!Frame()->IsCommandEnabled(FileCancelRead));
    }

    // Esc leaves a menu (the open one, then the menu bar) without cancelling
    // the read in progress; Ctrl+W then closes the active window.
    void escapeLeavesAMenuAndKeepsTheRead()
    {
        const QString fifo = m_dir.filePath("fifo2");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        Frame()->OpenDocumentFile(fifo);
        Frame()->OpenDocumentFile(Write("rows.csv", kRows));
        QTRY_COMPARE(WindowCount(), 1);
        QMenuBar* bar = Frame()->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().first()).center());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Escape);
        QTest::qWait(100);
        QVERIFY(Frame()->IsReading());
        // The offscreen platform leaves the closed menu the active window; a
        // desktop gives the frame back its activation, the focus outside the chart.
        Frame()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), Frame());
        bar->setFocus();
        QTest::keyClick(Frame(), Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(WindowCount(), 0);
        Frame()->OnCommand(FileCancelRead);
        QTRY_VERIFY(!Frame()->IsReading());
    }

    // F5 reads the file again: the new range shows, every window keeps its
    // settings, the region that ended at the last column moves with it (and
    // the H axes with the region); a failed read keeps the data.
    void reloadShowsTheNewDataAndKeepsTheSettings()
    {
        const QString path = Write("data.csv", kRows);
        Frame()->OpenDocumentFile(path);
        Settle();
        CSorvView* first = View();
        Frame()->OnCommand(WindowNew);
        CSorvView* second = View();
        second->Settings().m_bLegend = false;
        second->Settings().m_dVMax = 100;   // the user's own axis
        CSorvDoc& doc = first->GetDocument();
        QVERIFY(doc.SetRegion(1, 0, 2, 1));

        Write("data.csv", "a,1,2,3,4\nb,4,5,6,70\nc,7,8,9,10\n");
        QTest::keyClick(Frame(), Qt::Key_F5);
        QTRY_COMPARE(doc->m_nCols, 4);
        Settle();
        QCOMPARE(first->Settings().m_dVMax, 70.0);
        QCOMPARE(first->Settings().m_dHMax, 3.0);
        QCOMPARE(second->Settings().m_dVMax, 100.0);
        QVERIFY(!second->Settings().m_bLegend);
        QCOMPARE(QList<int>({doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2}), QList<int>({2, 0, 3, 1}));
        QCOMPARE(second->Settings().m_dHMin, 2.0);
        QCOMPARE(QString::fromStdString(doc.GetTitle()), QString("data.csv"));
        QCOMPARE(WindowCount(), 2);

        QFile::remove(path);
        Frame()->OnCommand(FileReload);
        Settle();
        QVERIFY(StatusText().contains("読み込み直せません"));
        QCOMPARE(doc->m_nCols, 4);
        QCOMPARE(doc->Value(1, 3), 70.0);
    }

    // Automatic update follows a logger that appends, and a program that
    // renames a new file over the old one.
    void autoUpdateFollowsAppendsAndRenames()
    {
        const QString path = Write("log.csv", "t,1,2\n");
        Write("log.csv", "u,3,4\n", QIODevice::Append);
        Frame()->OpenDocumentFile(path);
        Settle();
        CSorvDoc& doc = View()->GetDocument();
        QVERIFY(!Action(FileAutoUpdate)->isChecked());
        Action(FileAutoUpdate)->trigger();
        QVERIFY(Action(FileAutoUpdate)->isChecked());
        QVERIFY(m_app->GetDocManager().IsAutoUpdate(&doc));
        for (int line = 3; line <= 6; ++line) {
            Write("log.csv", QByteArray("v,") + QByteArray::number(line) + ",0\n", QIODevice::Append);
            QTRY_COMPARE_WITH_TIMEOUT(doc->m_nRows, line, 5000);
        }
        const QString fresh = Write("log.csv.new", "x,1,2\ny,3,4\nz,5,6\nw,7,8\nq,9,10\n");
        QVERIFY(std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(doc->m_pLabels[0], std::string("x"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(doc->m_nRows, 5, 5000);
        // The file that took the name is watched from then on.
        Write("log.csv", "r,11,12\n", QIODevice::Append);
        QTRY_COMPARE_WITH_TIMEOUT(doc->m_nRows, 6, 5000);
        Frame()->OnCommand(FileAutoUpdate);
        QVERIFY(!m_app->GetDocManager().IsAutoUpdate(&doc));
    }

    // Following the latest data keeps the region's width on the last columns
    // as the file grows, with automatic update; the user's zoom ends it.
    void followLatestKeepsTheLastColumnsUntilTheUserZooms()
    {
        auto rows = [](int cols) {
            QByteArray text;
            for (const char* label : {"a", "b"}) {
                text += label;
                for (int c = 0; c < cols; ++c)
                    text += "," + QByteArray::number(c);
                text += "\n";
            }
            return text;
        };
        const QString path = Write("follow.csv", rows(10));
        Frame()->OpenDocumentFile(path);
        Settle();
        CSorvDoc& doc = View()->GetDocument();
        doc.SetRegion(2, 0, 5, 1);
        Settle();
        QVERIFY(!Action(ViewFollowLatest)->isChecked());
        Action(ViewFollowLatest)->trigger();
        QVERIFY(Action(ViewFollowLatest)->isChecked());
        QVERIFY(Action(FileAutoUpdate)->isChecked());
        QCOMPARE(QList<int>({doc.m_nX1, doc.m_nX2}), QList<int>({6, 9}));
        Write("follow.csv", rows(14));
        QTRY_COMPARE_WITH_TIMEOUT(doc->m_nCols, 14, 5000);
        Settle();
        QCOMPARE(QList<int>({doc.m_nX1, doc.m_nX2}), QList<int>({10, 13}));
        QCOMPARE(View()->Settings().m_dHMin, 10.0);
        QCOMPARE(View()->Settings().m_dHMax, 13.0);

        QTest::mouseDClick(View(), Qt::LeftButton, {}, QPoint(100, 100));
        Settle();
        QVERIFY(!Action(ViewFollowLatest)->isChecked());
        QVERIFY(Action(FileAutoUpdate)->isChecked());
        Write("follow.csv", rows(16));
        QTRY_COMPARE_WITH_TIMEOUT(doc->m_nCols, 16, 5000);
        QCOMPARE(QList<int>({doc.m_nX1, doc.m_nX2}), QList<int>({0, 15}));
        Frame()->OnCommand(FileAutoUpdate);

        // --follow 3: the file named opens on its last 3 columns, followed.
        Frame()->OnCommand(FileClose);
        QTRY_COMPARE(m_app->GetDocManager().GetDocumentCount(), 0);
        m_app->GetDocManager().FollowWhenOpened(path, 3);
        Frame()->OpenDocumentFile(path);
        Settle();
        CSorvDoc& opened = View()->GetDocument();
        QCOMPARE(QList<int>({opened.m_nX1, opened.m_nX2}), QList<int>({13, 15}));
        QCOMPARE(View()->Settings().m_dHMin, 13.0);
        QVERIFY(Action(ViewFollowLatest)->isChecked());
        QVERIFY(Action(FileAutoUpdate)->isChecked());
        Frame()->OnCommand(FileAutoUpdate);
    }

    void recentOptionsSurviveTheirText()
    {
        ImportOptions o;
        o.columns = true;
        o.delimiter = ImportDelimiter::Semicolon;
        o.header = true;
        o.firstColumn = FirstColumn::Skip;
        o.skip = 3;
        o.comment = '%';
        o.decimalComma = true;
        ImportOptions x = o;
        x.detectHeader = true;
        x.header = false;
        x.firstColumn = FirstColumn::Auto;
        x.xColumn = 4;
        x.xIndex = true;
        x.use = {{0, 0, {}}, {2, INT_MAX, {}}, {0, 0, "temp;rh=%1"}};
        ImportOptions row;
        row.xRow = 2;
        row.firstColumn = FirstColumn::X;
        for (const ImportOptions& given : {o, x, row}) {
            const std::optional<ImportOptions> back = CRecentFileList::ImportFromText(CRecentFileList::ImportText(given));
            QVERIFY(back && *back == given);
        }
        // What older versions wrote still reads.
        const std::optional<ImportOptions> old = CRecentFileList::ImportFromText(
            "columns=1;delimiter=tab;header=1;first=labels;skip=0;comment=35;decimal-comma=0");
        QVERIFY(old && old->header && old->firstColumn == FirstColumn::Labels && old->use.empty() && old->xRow < 0);
        QVERIFY(!CRecentFileList::ImportFromText(""));
        QVERIFY(!CRecentFileList::ImportFromText("columns=1;delimiter=pipe;header=0;first=data;skip=0;comment=0"));
        QVERIFY(!CRecentFileList::ImportFromText("columns=1;delimiter=tab;header=0;first=data;skip=-2;comment=0"));
    }
};

QTEST_MAIN(LoadingTest)
#include "LoadingTest.moc"
