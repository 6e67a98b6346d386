// The viewer in English, driven as a user would: menus, toolbar, status bar,
// the About box, every settings dialog with its messages, the file dialogs,
// failures and the readout; and the dialogs wide enough for their texts.

#include "app/AboutDlg.h"
#include "app/ChartContextMenu.h"
#include "app/CursorReadout.h"
#include "app/MainFrame.h"
#include "app/SaveImageDialog.h"
#include "app/SorvApp.h"
#include "app/SorvView.h"
#include "app/Translations.h"
#include "dialogs/AngleDlg.h"
#include "dialogs/AreaDlg.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/ColorDlg.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/LineAttrDlg.h"
#include "dialogs/SettingsCommands.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/TitleDlg.h"
#include "doc/SorvDoc.h"
#include "read/ImportDetect.h"
#include "settings/CommandIds.h"
#include "support/MenuTexts.h"
#include "support/ModalAnswer.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace CommandId;

// A dialog, and the edits whose texts a test enters, in the order of the fields.
using MakeDialog = std::function<QDialog*(QList<QLineEdit*>& edits)>;
Q_DECLARE_METATYPE(MakeDialog)
Q_DECLARE_METATYPE(UiLanguage)

namespace {

// The mnemonic letters of one menu's items that another item of it has too.
QStringList SharedMnemonics(const QList<QAction*>& actions)
{
    QStringList seen, shared;
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        if (a->menu())
            shared << SharedMnemonics(a->menu()->actions());
        const int at = a->text().indexOf('&');
        if (at < 0 || at + 1 >= a->text().size())
            continue;
        const QString letter = a->text().mid(at + 1, 1).toLower();
        (seen.contains(letter) ? shared : seen) << letter;
    }
    return shared;
}

// Every text a dialog shows, its caption first and the others sorted.
QStringList DialogTexts(QWidget* dialog)
{
    QStringList texts;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    texts.sort();
    return QStringList{dialog->windowTitle()} << texts;
}

// The texts of a shown dialog that their widgets are too narrow for.
QStringList Clipped(QWidget* dialog)
{
    QStringList clipped;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        int needed = 0;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            needed = label->sizeHint().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            needed = button->sizeHint().width();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text = group->title();
            needed = group->minimumSizeHint().width();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            text = combo->currentText();
            needed = combo->sizeHint().width();
        }
        if (w->width() < needed)
            clipped << QStringLiteral("%1 (%2 < %3)").arg(text).arg(w->width()).arg(needed);
    }
    return clipped;
}

// Clicks OK and returns the text of the message box that came up ("" for none).
QString ClickOk(QDialog& dlg)
{
    auto message = std::make_shared<QString>();
    QPointer<QTimer> answer = WhenModal<QMessageBox>([message](QMessageBox* box) {
        *message = box->text();
        box->accept();
    });
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->isDefault())
            QTest::mouseClick(b, Qt::LeftButton);
    delete answer;
    return *message;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<CTranslations> m_translations;
    std::unique_ptr<CSorvApp> m_app;

    QString WriteFile(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("a,1,2,3\nb,4,5,6\nc,7,8,9\n");
        return path;
    }
    CMainFrame* Start(const QStringList& files = {})
    {
        m_app = std::make_unique<CSorvApp>();
        m_app->InitInstance(files);
        QApplication::setActiveWindow(Frame());
        Settle();
        return Frame();
    }
    // Files are read in worker threads: waits until every read has come in.
    void Settle() const { QTRY_VERIFY_WITH_TIMEOUT(!Frame()->IsReading(), 20000); }
    CMainFrame* Frame() const { return m_app->GetMainFrame(); }
    CSorvView* View() const { return Frame()->GetActiveView(); }
    void Use(UiLanguage language)
    {
        m_translations.reset();
        m_translations = std::make_unique<CTranslations>(language, QLocale(QStringLiteral("ja_JP")));
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    }
    // English is asked for where the locale is Japanese: the request wins.
    void init()
    {
        QSettings("Sorv", "Sorv").clear();
        Use(UiLanguage::English);
    }
    void cleanup()
    {
        m_app.reset();
        m_translations.reset();
    }

    void menus()
    {
        Start();
        QCOMPARE(MenuBarTexts(Frame()->menuBar()),
                 QStringList({"[&File]", "&Open...\tCtrl+O", "&Import...\tCtrl+I", "-", "P&rint Setup...", "-",
                              "Recent File", "-", "E&xit", "[&View]", "&Toolbar", "&Status Bar", "[&Help]",
                              "&About Sorv..."}));
        const QString a = WriteFile("a.csv");
        Frame()->OpenDocumentFile(a);
        Settle();
        QCOMPARE(MenuBarTexts(Frame()->menuBar()),
                 QStringList({"[&File]", "&Open...\tCtrl+O", "&Import...\tCtrl+I", "&Close", "-",
                              "Save as Ima&ge...\tCtrl+Shift+S", "-", "R&eload\tF5", "Auto &Update", "-",
                              "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-",
                              "&1 " + QDir::toNativeSeparators(a), "-", "E&xit", "[&Edit]", "&Copy\tCtrl+C", "[&View]",
                              "S&catter Chart", "&Line Chart", "St&acked Chart", "&3D Chart", "-", "Le&gend", "-",
                              "Zoom &In\t+", "Zoom &Out\t-", "-", "&Back\tAlt+Left", "&Forward\tAlt+Right", "-", "Follo&w Latest Data", "-",
                              "&Toolbar", "&Status Bar", "[&Settings]", "&Region...", "-", "&Axes...", "&Colors...",
                              "&Line Attributes...", "&Title...", "S&eries...", "-", "3D &View...", "R&otate>", "About X, Forward",
                              "About X, Backward", "About Y, Forward", "About Y, Backward", "About Z, Forward",
                              "About Z, Backward", "<", "[&Window]", "&New Window", "&Cascade", "Tile &Stacked",
                              "&Tile Side by Side", "&Arrange Icons", "[&Help]", "&About Sorv..."}));
    }

    // Within the menu bar and within each of its menus, no two items share a
    // mnemonic. (The context menu gathers items of several menus and keeps
    // their mnemonics.)
    void mnemonicsAreUnique_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("English") << UiLanguage::English;
        QTest::newRow("Japanese") << UiLanguage::Japanese;
    }
    void mnemonicsAreUnique()
    {
        QFETCH(UiLanguage, language);
        Use(language);
        Start({WriteFile("a.csv")});
        QCOMPARE(SharedMnemonics(Frame()->menuBar()->actions()), QStringList());
    }

    // Each rotate button names its direction.
    void toolTipsPromptsAndPanes()
    {
        Start();
        QStringList tips;
        for (QAction* a : Frame()->GetToolBar()->actions())
            if (!a->isSeparator())
                tips << a->toolTip();
        QCOMPARE(tips, QStringList({"Open", "Print", "Scatter Chart", "Line Chart", "Stacked Chart", "3D Chart",
                                    "Region", "Axes", "Colors", "Line Attributes", "Title", "3D View", "Zoom In",
                                    "Zoom Out", "Rotate about Y backward", "Rotate about Y forward",
                                    "Rotate about X forward", "Rotate about X backward", "About Sorv"}));
        QAction* rotate = FindIn(Frame()->GetToolBar()->actions(), RotateXPlus);
        QCOMPARE(rotate->statusTip(), QString("Turn the 3D chart 22.5° forward about its X axis"));
        QCOMPARE(FindIn(Frame()->GetToolBar()->actions(), FileOpen)->statusTip(), QString("Open an existing file"));
        QCOMPARE(FindIn(Frame()->menuBar()->actions(), ViewToolbar)->statusTip(), QString("Show or hide the toolbar"));
        QCOMPARE(Frame()->GetToolBar()->windowTitle(), QString("Toolbar"));
        QStringList panes;
        for (QLabel* label : Frame()->GetStatusBar()->findChildren<QLabel*>())
            if (label->isVisibleTo(Frame()))
                panes << label->text();
        QCOMPARE(panes, QStringList({"Ready", "KANA", "CAP", "NUM", "SCRL"}));
    }

    void dialogs_data()
    {
        QTest::addColumn<MakeDialog>("make");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("About") << MakeDialog([](auto&) { return new CAboutDlg; })
                               << QStringList({"About Sorv", "OK", "Sorv Version 2.2.4"});
        QTest::newRow("Region") << MakeDialog([](auto&) { return new CAreaDlg; })
                                << QStringList({"Region", "Cancel", "Columns and Rows", "First column", "First row",
                                                "Last column", "Last row", "OK"});
        QTest::newRow("Axes") << MakeDialog([](auto&) { return new CAxisDlg; })
                              << QStringList({"Axes", "Cancel", "Decimals", "Decimals", "Horizontal Axis",
                                              "Logarithmic", "Logarithmic", "Maximum", "Maximum", "Minimum",
                                              "Minimum", "OK", "Round ticks", "Step", "Step", "Vertical Axis"});
        QTest::newRow("Colors") << MakeDialog([](auto&) { return new CColorDlg; })
                                << QStringList({"Colors", "Axes...", "Background...", "Cancel", "Foreground...", "OK",
                                                "Plot Area..."});
        QTest::newRow("Title") << MakeDialog([](auto&) { return new CTitleDlg; })
                               << QStringList({"Title", "Cancel", "Chart Title", "OK"});
        QTest::newRow("Line Attributes") << MakeDialog([](auto&) { return new CLineAttrDlg; })
                                         << QStringList({"Line Attributes", "Cancel", "Dash-Dot", "Dash-Dot-Dot",
                                                         "Dashed", "Dotted", "OK", "Solid", "Style", "Width (0-99)"});
        QTest::newRow("3D View") << MakeDialog([](auto&) { return new CAngleDlg; })
                                 << QStringList({"3D View", "About X", "About Y", "About Z", "Blue Shading", "Cancel",
                                                 "Color bar and value ticks", "Colored Polygons",
                                                 "Colored Polylines", "Fit values to the box", "Gray Shading",
                                                 "Model", "OK", "Rotation (degrees)", "Rows (y)", "Scale",
                                                 "Share of box", "Surface", "Values (z)", "Wire Frame"});
        QTest::newRow("Import") << MakeDialog([](auto&) {
            const std::string head = "time;a;b\r\n0,5;1;2\r\n1,5;3;4\r\n";
            return new CImportDlg("logger.csv", head, DetectImport(head));
        }) << QStringList({"Import - logger.csv", "", "&Comment lines start with:", "&Delimiter:", "&First column:",
                           "&Series:", "&x column:", "As the first column says", "Automatic", "Automatic (Yes)",
                           "Automatic (x)", "Blank", "Cancel", "Column 1: time", "Column 2: a", "Column 3: b",
                           "Columns to &use:", "Comma", "Decimal co&mma (1,5)",
                           "Detected settings: Delimiter Semicolon, Header line, One series per column, "
                           "First column x, Line ends CR LF, Decimal comma",
                           "First line is a &header:", "Labels", "Left out", "Lines to s&kip at the start:", "No",
                           "OK", "One series per column (time series)", "One series per row", "Semicolon", "Series",
                           "Tab", "Yes", "x", "x &row:"});
    }
    // Every text in English, each with room for the whole of it.
    void dialogs()
    {
        QFETCH(MakeDialog, make);
        QFETCH(QStringList, texts);
        QList<QLineEdit*> edits;
        std::unique_ptr<QDialog> dlg(make(edits));
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QCOMPARE(DialogTexts(dlg.get()), texts);
        QCOMPARE(Clipped(dlg.get()), QStringList());
    }

    void fieldMessages_data()
    {
        QTest::addColumn<MakeDialog>("make");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        const MakeDialog area = [](QList<QLineEdit*>& edits) {
            auto* dlg = new CAreaDlg;
            edits = {dlg->m_editX1, dlg->m_editY1};
            return dlg;
        };
        const MakeDialog angle = [](QList<QLineEdit*>& edits) {
            auto* dlg = new CAngleDlg;
            edits = {dlg->m_editRotX, dlg->m_editRotY, dlg->m_editRotZ, dlg->m_editScaleZ};
            return dlg;
        };
        QTest::newRow("integer") << area << QStringList({"1", "x"}) << "Please enter an integer.";
        QTest::newRow("integer range") << area << QStringList({"-1", "0"})
                                       << "Please enter an integer between 0 and 2147483647.";
        QTest::newRow("number") << angle << QStringList({"1", "2", "3", "1,5"}) << "Please enter a number.";
        QTest::newRow("number range") << angle << QStringList({"0", "0", "0", "0"})
                                      << "Please enter a number between 1e-06 and 1000000.";
        QTest::newRow("unsigned") << MakeDialog([](QList<QLineEdit*>& edits) {
            auto* dlg = new CAxisDlg;
            edits = {dlg->m_V.limit->Edit()};
            return dlg;
        }) << QStringList({"-1"}) << "Please enter an integer of 0 or more.";
        QTest::newRow("width") << MakeDialog([](QList<QLineEdit*>& edits) {
            auto* dlg = new CLineAttrDlg;
            edits = {dlg->m_spinWidth->Edit()};
            return dlg;
        }) << QStringList({"100"}) << "Please enter an integer between 0 and 99.";
        QTest::newRow("title") << MakeDialog([](QList<QLineEdit*>& edits) {
            auto* dlg = new CTitleDlg;
            edits = {dlg->m_editTitle};
            return dlg;
        }) << QStringList({QString(129, 't')})
                               << "Please enter no more than 128 characters; a full-width character counts as two.";
    }
    // The messages of the field rules in English, with their numbers.
    void fieldMessages()
    {
        QFETCH(MakeDialog, make);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QList<QLineEdit*> edits;
        std::unique_ptr<QDialog> dlg(make(edits));
        dlg->show();
        for (int i = 0; i < entries.size(); ++i) {
            // A preset text is shown whole; typing is held to the limit.
            const QValidator* limit = edits[i]->validator();
            edits[i]->setValidator(nullptr);
            edits[i]->setText(entries[i]);
            edits[i]->setValidator(limit);
        }
        QCOMPARE(ClickOk(*dlg), message);
        QVERIFY(dlg->isVisible());
    }

    void failuresInEnglish()
    {
        Start();
        const QString missing = m_dir.filePath("missing.csv");
        auto message = std::make_shared<QString>();
        WhenModal<QMessageBox>([message](QMessageBox* box) {
            *message = box->text();
            box->accept();
        });
        Frame()->OpenDocumentFile(missing);
        Settle();
        QCOMPARE(*message, "Cannot open " + QDir::toNativeSeparators(missing) + ".\nThe file was not found.");

        Frame()->OpenDocumentFile(WriteFile("a.csv"));
        Settle();
        View()->GetDocument().SetRegion(1, 1, 2, 2);
        // Column 0 lies outside the region of columns 1 and 2.
        WhenModal<CAreaDlg>([](CAreaDlg* dlg) {
            dlg->m_editX1->setText("0");
            dlg->m_editX2->setText("0");
            dlg->accept();
        });
        WhenModal<QMessageBox>([message](QMessageBox* box) {
            *message = box->text();
            box->accept();
        });
        RunRegionCommand(View()->GetDocument(), Frame());
        QCOMPARE(*message, QString("The region entered does not overlap the current region. The region is not changed."));
    }

    void fileDialogsReadoutAndContextMenu()
    {
        Start({WriteFile("a.csv")});
        Frame()->OnCommand(FileOpen);
        auto* open = Frame()->findChild<QFileDialog*>();
        QVERIFY(open && open->isVisible());
        QCOMPARE(open->windowTitle(), QString("Open"));
        QCOMPARE(open->nameFilters(), QStringList({"Data Files (*.csv *.txt *.dat *.tsv)", "All Files (*)"}));
        auto* types = open->findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types);
        QCOMPARE(types->itemText(0), QString("Data Files (*.csv;*.txt;*.dat;*.tsv)"));
        QCOMPARE(types->itemText(1), QString("All Files (*.*)"));
        open->reject();
        QTRY_VERIFY(!Frame()->findChild<QFileDialog*>() || !Frame()->findChild<QFileDialog*>()->isVisible());

        Frame()->OnCommand(FileSaveImage);
        CSaveImageDialog* save = nullptr;
        for (CSaveImageDialog* d : Frame()->findChildren<CSaveImageDialog*>())
            if (d->isVisible())
                save = d;
        QVERIFY(save);
        QCOMPARE(save->windowTitle(), QString("Save as Image"));
        QCOMPARE(save->nameFilters(), QStringList({"PNG Image (*.png)", "SVG Image (*.svg)", "PDF File (*.pdf)"}));
        save->reject();

        View()->OnCommand(Graph3D);
        QCOMPARE(CCursorReadout::Text(*View(), QPoint(5, 5)),
                 QString("Region: columns 0 to 2, rows 0 to 2    Rotation X 337.5°  Y 315°  Z 0°"));
        CChartContextMenu menu([](int) { return true; }, [](int) { return false; }, nullptr);
        QCOMPARE(MenuTexts(&menu),
                 QStringList({"S&catter Chart", "&Line Chart", "St&acked Chart", "&3D Chart", "-", "Le&gend", "-",
                              "&Back\tAlt+Left", "&Forward\tAlt+Right", "-", "&Copy\tCtrl+C",
                              "Save as Ima&ge...\tCtrl+Shift+S", "-", "&Region...", "&Axes...", "&Colors...",
                              "&Line Attributes...", "&Title...", "S&eries...", "3D &View..."}));
    }
};

QTEST_MAIN(EnglishTest)
#include "EnglishTest.moc"
