#include "dialogs/AngleDlg.h"
#include "dialogs/AreaDlg.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/ColorDlg.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/LineAttrDlg.h"
#include "dialogs/PageSetupDlg.h"
#include "dialogs/SettingsCommands.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/TitleDlg.h"
#include "doc/SorvDoc.h"
#include "settings/PlotSettings.h"
#include "support/ModalAnswer.h"
#include "support/TestDoc.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cfloat>
#include <clocale>
#include <functional>
#include <memory>

namespace {

// Clicks OK, answers the message box that may appear, and returns its text
// ("" when none appeared).
QString ClickOk(QPushButton* ok)
{
    auto message = std::make_shared<QString>();
    QPointer<QTimer> answer = WhenModal<QMessageBox>([message](QMessageBox* box) {
        *message = box->text();
        box->accept();
    });
    QTest::mouseClick(ok, Qt::LeftButton);
    delete answer;  // the box, if any, came and went during the click
    return *message;
}

QPushButton* ButtonOf(QDialog& dlg, const QString& text)
{
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QPushButton* OkOf(QDialog& dlg) { return ButtonOf(dlg, "OK"); }
QPushButton* CancelOf(QDialog& dlg) { return ButtonOf(dlg, "Cancel"); }

// Types the texts into the edits and presses OK; returns the message shown ("" for none).
QString EnterAndOk(QDialog& dlg, const QList<QLineEdit*>& edits, const QStringList& texts)
{
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(texts[i]);
    return ClickOk(OkOf(dlg));
}

// After a refused OK the dialog stays open, and the failing edit (or the spin
// box it belongs to) has the focus with its whole text selected.
bool StaysOnField(QDialog& dlg, QLineEdit* edit)
{
    const QWidget* focus = dlg.focusWidget();
    return dlg.isVisible() && (focus == edit || focus == edit->focusProxy()) && edit->selectedText() == edit->text();
}

// The widgets that Tab visits, starting from the one focused on opening.
QList<QWidget*> TabChain(QDialog& dlg, int count)
{
    QList<QWidget*> chain;
    for (int i = 0; i < count; ++i) {
        QWidget* w = dlg.focusWidget();
        chain.append(w);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return chain;
}

QColor SwatchColor(CColorSwatch* swatch)
{
    const QImage image = swatch->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// A document of 10 columns and 20 rows.
std::unique_ptr<CSorvDoc> TenByTwenty()
{
    return MakeTestDoc(20, 10, [](int r, int c) { return r * 10.0 + c; });
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }
    // Every dialog a test waited for must have come.
    void cleanup()
    {
        const QList<QTimer*> left = WaitingForModal().findChildren<QTimer*>();
        qDeleteAll(left);
        QVERIFY2(left.isEmpty(), "an expected dialog never appeared");
    }

    void areaOpensWithValuesAndTabOrder();
    void areaFieldRules_data();
    void areaFieldRules();
    void areaCancelReturnsNothing();
    void enterInAnEditPressesOk();
    void axisOpensWithValues();
    void axisKeepsItsPresetsNearTheLargestDouble();
    void axisChecksFieldsInDeclarationOrder_data();
    void axisChecksFieldsInDeclarationOrder();
    void axisCancelAfterToggle();
    void spinArrowsStepTheText();
    void colorSwatchesAndPicker();
    void colorCommandCancelDiscardsPicks();
    void titleLimit();
    void titleCommandKeepsDocumentEncoding();
    void lineAttr();
    void angle_data();
    void angle();
    void angleFitAndValueScale_data();
    void angleFitAndValueScale();
    void viewCommand();
    void regionCommand();
    void regionOfALongDocument();
    void regionRefused();
    void pageSetupKeepsTheChosenLayout();
    void pageSetupMarginsStayOnThePaper();
};

void DialogsTest::areaOpensWithValuesAndTabOrder()
{
    CAreaDlg dlg;
    dlg.m_nX1 = 2;
    dlg.m_nY1 = 3;
    dlg.m_nX2 = 9;
    dlg.m_nY2 = 5;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.windowTitle(), "Area");
    QCOMPARE(dlg.m_editX1->text(), "2");
    QCOMPARE(dlg.m_editY1->text(), "3");
    QCOMPARE(dlg.m_editX2->text(), "9");
    QCOMPARE(dlg.m_editY2->text(), "5");
    QCOMPARE(dlg.m_editX1->selectedText(), "2");
    QVERIFY(OkOf(dlg)->isDefault());
    const QList<QWidget*> expected = {dlg.m_editX1, dlg.m_editY1, dlg.m_editX2, dlg.m_editY2,
                                      OkOf(dlg),    CancelOf(dlg), dlg.m_editX1};
    QCOMPARE(TabChain(dlg, 7), expected);
}

void DialogsTest::areaFieldRules_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("failing");  // index of the field that fails, -1 for none
    QTest::addColumn<QString>("message");
    // Up to the largest index a document can have.
    const QString range = "0 から 2147483647 までの整数を入力してください。";
    QTest::newRow("2147483647 everywhere") << QStringList{"2147483647", "2147483647", "2147483647", "2147483647"}
                                           << -1 << "";
    QTest::newRow("70000") << QStringList{"0", "70000", "1", "69999"} << -1 << "";
    QTest::newRow("four zeros") << QStringList{"0", "0", "0", "0"} << -1 << "";
    QTest::newRow("x1 above x2") << QStringList{"7", " 1\t", "3", "2"} << -1 << "";
    QTest::newRow("2147483648") << QStringList{"1", "2147483648", "2", "3"} << 1 << range;
    QTest::newRow("-1") << QStringList{"1", "2", "-1", "3"} << 2 << range;
    QTest::newRow("empty") << QStringList{"1", "2", "3", ""} << 3 << "整数を入力してください。";
    QTest::newRow("first failing wins") << QStringList{"x", "-1", "", ""} << 0 << "整数を入力してください。";
}

void DialogsTest::areaFieldRules()
{
    QFETCH(QStringList, texts);
    QFETCH(int, failing);
    QFETCH(QString, message);
    CAreaDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    const QList<QLineEdit*> edits = {dlg.m_editX1, dlg.m_editY1, dlg.m_editX2, dlg.m_editY2};
    QCOMPARE(EnterAndOk(dlg, edits, texts), message);
    if (failing < 0) {
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
        const int values[4] = {dlg.m_nX1, dlg.m_nY1, dlg.m_nX2, dlg.m_nY2};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(values[i], texts[i].trimmed().toInt());
        return;
    }
    QVERIFY(StaysOnField(dlg, edits[failing]));
}

void DialogsTest::areaCancelReturnsNothing()
{
    CAreaDlg dlg;
    dlg.m_nX1 = 4;
    dlg.show();
    dlg.m_editX1->setText("8");
    QTest::mouseClick(CancelOf(dlg), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.m_nX1, 4);
}

void DialogsTest::enterInAnEditPressesOk()
{
    CAreaDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.focusWidget(), dlg.m_editX1);
    dlg.m_editY1->setText("-1");
    QString message;
    WhenModal<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    QTest::keyClick(dlg.m_editX1, Qt::Key_Return);
    QCOMPARE(message, "0 から 2147483647 までの整数を入力してください。");
    QCOMPARE(dlg.focusWidget(), dlg.m_editY1);
    QCOMPARE(dlg.m_editY1->selectedText(), "-1");
    QVERIFY(!dlg.m_editX1->hasSelectedText());
    dlg.m_editY1->setText("6");
    QTest::keyClick(dlg.m_editY1, Qt::Key_Enter);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_nY1, 6);
}

void DialogsTest::axisOpensWithValues()
{
    CAxisDlg dlg;
    dlg.m_dVMin = -0.0;
    dlg.m_dVMax = 1.0 / 3;
    dlg.m_dVStep = 0.1;
    dlg.m_dHMin = 1e-6;
    dlg.m_dHMax = 123456789012345678.0;
    dlg.m_dHStep = 2;
    dlg.m_bVLog = true;
    dlg.m_nVLimit = 3;
    dlg.m_nHLimit = 9;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.m_V.min->text(), "0");
    QCOMPARE(dlg.m_V.max->text(), "0.333333333333333");
    QCOMPARE(dlg.m_V.step->text(), "0.1");
    QCOMPARE(dlg.m_H.min->text(), "1e-06");
    QCOMPARE(dlg.m_H.max->text(), "1.23456789012346e+17");
    // The field shows the whole of a number of 15 digits.
    QVERIFY(dlg.m_H.max->contentsRect().width() > dlg.m_H.max->fontMetrics().horizontalAdvance("-1.23456789012346e+308"));
    QCOMPARE(dlg.m_H.step->text(), "2");
    QVERIFY(dlg.m_V.log->isChecked());
    QVERIFY(!dlg.m_H.log->isChecked());
    QCOMPARE(dlg.m_V.limit->Edit()->text(), "3");
    QCOMPARE(dlg.m_H.limit->Edit()->text(), "9");
    const QList<QWidget*> expected = {dlg.m_V.min, dlg.m_V.max, dlg.m_V.step, dlg.m_V.log, dlg.m_V.limit,
                                      dlg.m_H.min, dlg.m_H.max, dlg.m_H.step, dlg.m_H.log, dlg.m_H.limit,
                                      dlg.m_checkRound, OkOf(dlg), CancelOf(dlg)};
    QCOMPARE(TabChain(dlg, 13), expected);
    // Rounded ticks choose their own steps and digits.
    dlg.m_checkRound->setChecked(true);
    QVERIFY(!dlg.m_V.step->isEnabled() && !dlg.m_H.limit->isEnabled());

    // Pressing OK unchanged returns what was shown.
    dlg.m_H.log->setChecked(true);
    QCOMPARE(ClickOk(OkOf(dlg)), "");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_dVMax, 0.333333333333333);
    QCOMPARE(dlg.m_dHMax, 1.23456789012346e+17);
    QVERIFY(dlg.m_bHLog);
    QCOMPARE(dlg.m_nHLimit, 9u);
}

// Ranges up to the largest double open and close unchanged: a value whose 15
// digits would read back as infinity is shown with its shortest exact text.
void DialogsTest::axisKeepsItsPresetsNearTheLargestDouble()
{
    CAxisDlg dlg;
    dlg.m_dVMin = -DBL_MAX;
    dlg.m_dVMax = DBL_MAX;
    dlg.m_dVStep = DBL_MAX * 0.1 + DBL_MAX * 0.1;
    dlg.m_dHMax = 1.7976931348623155e308;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.m_V.min->text(), "-1.7976931348623157e+308");
    QCOMPARE(dlg.m_V.max->text(), "1.7976931348623157e+308");
    QCOMPARE(dlg.m_V.step->text(), "3.59538626972463e+307");
    QCOMPARE(dlg.m_H.max->text(), "1.7976931348623155e+308");
    QCOMPARE(ClickOk(OkOf(dlg)), "");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_dVMin, -DBL_MAX);
    QCOMPARE(dlg.m_dVMax, DBL_MAX);
    QCOMPARE(dlg.m_dHMax, 1.7976931348623155e308);
}

void DialogsTest::axisChecksFieldsInDeclarationOrder_data()
{
    // Fields: V min, max, step, H min, max, step, V limit, H limit.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("failing");
    QTest::addColumn<QString>("message");
    const QString number = "数字を入力してください。";
    const QString range = "0 から 9 までの整数を入力してください。";
    QTest::newRow("all good") << QStringList{"5", "1", "-2", "0", "0", "0", "9", "0"} << -1 << "";
    QTest::newRow("limit 10") << QStringList{"0", "1", "1", "0", "1", "1", "10", "0"} << 6 << range;
    QTest::newRow("limit -1") << QStringList{"0", "1", "1", "0", "1", "1", "1", "-1"} << 7
                              << "正の整数を入力してください。";
    QTest::newRow(".0") << QStringList{"0", ".0", "1", "0", "1", "1", "1", "1"} << 1 << number;
    QTest::newRow("-0") << QStringList{"0", "1", "-0", "0", "1", "1", "1", "1"} << 2 << number;
    QTest::newRow("H step before V limit") << QStringList{"0", "1", "1", "0", "1", "x", "10", "1"} << 5 << number;
}

void DialogsTest::axisChecksFieldsInDeclarationOrder()
{
    QFETCH(QStringList, texts);
    QFETCH(int, failing);
    QFETCH(QString, message);
    CAxisDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    const QList<QLineEdit*> edits = {dlg.m_V.min, dlg.m_V.max, dlg.m_V.step, dlg.m_H.min,
                                     dlg.m_H.max, dlg.m_H.step, dlg.m_V.limit->Edit(), dlg.m_H.limit->Edit()};
    QCOMPARE(EnterAndOk(dlg, edits, texts), message);
    if (failing < 0) {
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.m_dVMin, 5.0);
        QCOMPARE(dlg.m_dVStep, -2.0);
        QCOMPARE(dlg.m_nVLimit, 9u);
        return;
    }
    QVERIFY(StaysOnField(dlg, edits[failing]));
}

void DialogsTest::axisCancelAfterToggle()
{
    CPlotSettings s;
    s.m_bVLog = false;
    s.m_dVMin = 1;
    WhenModal<CAxisDlg>([](CAxisDlg* dlg) {
        dlg->m_V.log->setChecked(true);
        dlg->m_V.min->setText("7");
        QTest::mouseClick(CancelOf(*dlg), Qt::LeftButton);
    });
    QVERIFY(!RunAxisCommand(s));
    QVERIFY(!s.m_bVLog);
    QCOMPARE(s.m_dVMin, 1.0);

    // OK copies everything back; the step stays what was entered.
    WhenModal<CAxisDlg>([](CAxisDlg* dlg) {
        dlg->m_V.log->setChecked(true);
        dlg->m_V.max->setText("1");
        dlg->m_H.limit->Edit()->setText("4");
        QTest::mouseClick(OkOf(*dlg), Qt::LeftButton);
    });
    s.m_dVStep = 10;
    QVERIFY(RunAxisCommand(s));
    QVERIFY(s.m_bVLog);
    QCOMPARE(s.m_dVMax, 1.0);
    QCOMPARE(s.m_dVStep, 10.0);
    QCOMPARE(s.m_nHLimit, 4);
}

void DialogsTest::spinArrowsStepTheText()
{
    CLineAttrDlg dlg;
    dlg.m_nWidth = 98;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* edit = dlg.m_spinWidth->Edit();
    QCOMPARE(edit->text(), "98");
    QTest::keyClick(dlg.m_spinWidth, Qt::Key_Up);
    QCOMPARE(edit->text(), "99");
    QTest::keyClick(dlg.m_spinWidth, Qt::Key_Up);  // the top of the range
    QCOMPARE(edit->text(), "99");
    QTest::keyClick(dlg.m_spinWidth, Qt::Key_Down);
    QCOMPARE(edit->text(), "98");
    // Any text may be typed; the arrows restart a non-number from 0.
    edit->selectAll();
    QTest::keyClicks(dlg.m_spinWidth, "a1");
    QCOMPARE(edit->text(), "a1");
    QCOMPARE(ClickOk(OkOf(dlg)), "整数を入力してください。");
    QTest::keyClick(dlg.m_spinWidth, Qt::Key_Up);
    QCOMPARE(edit->text(), "0");
}

void DialogsTest::colorSwatchesAndPicker()
{
    CColorDlg dlg;
    dlg.m_crForeground = RGB(0, 0, 0x60);
    dlg.m_crBackground = RGB(0xDF, 0xDF, 0xDF);
    dlg.m_crView = RGB(0xFF, 0xFF, 0xFF);
    dlg.m_crAxis = RGB(0x80, 0x80, 0x80);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(SwatchColor(dlg.m_swForeground), QColor(0, 0, 0x60));
    QCOMPARE(SwatchColor(dlg.m_swBackground), QColor(0xDF, 0xDF, 0xDF));
    QCOMPARE(SwatchColor(dlg.m_swView), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(SwatchColor(dlg.m_swAxis), QColor(0x80, 0x80, 0x80));
    // The swatch is outlined in black.
    const QImage swatch = dlg.m_swAxis->grab().toImage();
    const QRect inner = dlg.m_swAxis->contentsRect();
    const qreal ratio = swatch.devicePixelRatio();
    QCOMPARE(swatch.pixelColor(int(inner.left() * ratio), int(inner.center().y() * ratio)), QColor(Qt::black));

    // The picker opens with the current colour; its Cancel changes nothing.
    QColor initial;
    WhenModal<QColorDialog>([&initial](QColorDialog* picker) {
        initial = picker->currentColor();
        picker->setCurrentColor(Qt::green);
        picker->reject();
    });
    QTest::mouseClick(dlg.m_btnAxis, Qt::LeftButton);
    QCOMPARE(initial, QColor(0x80, 0x80, 0x80));
    QCOMPARE(dlg.m_crAxis, RGB(0x80, 0x80, 0x80));

    // Red picked for Axis is stored and painted before OK.
    WhenModal<QColorDialog>([](QColorDialog* picker) {
        picker->setCurrentColor(Qt::red);
        picker->accept();
    });
    QTest::mouseClick(dlg.m_btnAxis, Qt::LeftButton);
    QCOMPARE(dlg.m_crAxis, COLORREF(0x0000FF));
    QCOMPARE(SwatchColor(dlg.m_swAxis), QColor(Qt::red));
    QVERIFY(dlg.isVisible());
}

void DialogsTest::colorCommandCancelDiscardsPicks()
{
    CPlotSettings s;
    const COLORREF axis = s.m_crAxis;
    const auto pickRedThen = [](const char* button) {
        WhenModal<CColorDlg>([button](CColorDlg* dlg) {
            WhenModal<QColorDialog>([](QColorDialog* picker) {
                picker->setCurrentColor(Qt::red);
                picker->accept();
            });
            QTest::mouseClick(dlg->m_btnView, Qt::LeftButton);
            QTest::mouseClick(QString(button) == "OK" ? OkOf(*dlg) : CancelOf(*dlg), Qt::LeftButton);
        });
    };
    pickRedThen("Cancel");
    QVERIFY(!RunColorCommand(s));
    QCOMPARE(s.m_crView, COLORREF(0xFFFFFF));
    pickRedThen("OK");
    QVERIFY(RunColorCommand(s));
    QCOMPARE(s.m_crView, COLORREF(0x0000FF));
    QCOMPARE(s.m_crAxis, axis);
}

void DialogsTest::titleLimit()
{
    CTitleDlg dlg;
    dlg.m_strTitle = QString(130, 'a');
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* edit = dlg.m_editTitle;
    // A longer preset is shown whole but refused on OK.
    QCOMPARE(edit->text(), QString(130, 'a'));
    QCOMPARE(ClickOk(OkOf(dlg)), "128 文字以内で入力してください。");
    QVERIFY(StaysOnField(dlg, edit));
    // It can be shortened but not lengthened.
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_B);
    QCOMPARE(edit->text().size(), 130);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text().size(), 128);
    QTest::keyClick(edit, Qt::Key_B);
    QCOMPARE(edit->text().size(), 128);

    // Typing stops at 128 bytes, a double-byte character counting two.
    edit->setText(QString(120, 'a'));
    edit->end(false);
    edit->insert(QString::fromUtf8("漢漢漢漢漢"));
    QCOMPARE(edit->text(), QString(120, 'a') + QString::fromUtf8("漢漢漢漢"));
    edit->setText(QString(127, 'a'));
    edit->home(false);
    edit->insert(QString::fromUtf8("漢"));
    QCOMPARE(edit->text(), QString(127, 'a'));
    QTest::keyClicks(edit, "xyz");
    QCOMPARE(edit->text(), "x" + QString(127, 'a'));
    QCOMPARE(ClickOk(OkOf(dlg)), "");
    QCOMPARE(dlg.m_strTitle, "x" + QString(127, 'a'));

    // An empty title is accepted.
    CTitleDlg empty;
    empty.m_strTitle = "old";
    empty.show();
    empty.m_editTitle->clear();
    QCOMPARE(ClickOk(OkOf(empty)), "");
    QCOMPARE(empty.m_strTitle, "");
}

void DialogsTest::titleCommandKeepsDocumentEncoding()
{
    CPlotSettings s;
    s.m_strTitle = "\x8a\xbf" "abc";  // "漢abc" in Shift-JIS
    QString shown;
    WhenModal<CTitleDlg>([&shown](CTitleDlg* dlg) {
        shown = dlg->m_editTitle->text();
        dlg->m_editTitle->setText(QString::fromUtf8("題名"));
        QTest::mouseClick(OkOf(*dlg), Qt::LeftButton);
    });
    QVERIFY(RunTitleCommand(s, TextEncoding::ShiftJis));
    QCOMPARE(shown, QString::fromUtf8("漢abc"));
    QCOMPARE(QByteArray::fromStdString(s.m_strTitle), QByteArray("\x91\xe8\x96\xbc"));

    s.m_strTitle = "題名";
    WhenModal<CTitleDlg>([&shown](CTitleDlg* dlg) {
        shown = dlg->m_editTitle->text();
        dlg->m_editTitle->setText("changed");
        QTest::mouseClick(CancelOf(*dlg), Qt::LeftButton);
    });
    QVERIFY(!RunTitleCommand(s, TextEncoding::Utf8));
    QCOMPARE(shown, QString::fromUtf8("題名"));
    QCOMPARE(s.m_strTitle, std::string("題名"));
}

void DialogsTest::lineAttr()
{
    CLineAttrDlg dlg;
    dlg.m_nStyle = 2;
    dlg.m_nWidth = 5;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.windowTitle(), "Line Attributes");
    QCOMPARE(dlg.m_comboStyle->currentText(), "DOT");
    QCOMPARE(dlg.m_comboStyle->count(), 5);
    QCOMPARE(dlg.m_spinWidth->Edit()->text(), "5");
    const QList<QWidget*> expected = {dlg.m_spinWidth, dlg.m_comboStyle, OkOf(dlg), CancelOf(dlg)};
    QCOMPARE(TabChain(dlg, 4), expected);

    QCOMPARE(EnterAndOk(dlg, {dlg.m_spinWidth->Edit()}, {"100"}), "0 から 99 までの整数を入力してください。");
    QVERIFY(StaysOnField(dlg, dlg.m_spinWidth->Edit()));
    for (const char* width : {"0", "99"}) {
        dlg.show();  // shows the members again: the texts follow
        dlg.m_spinWidth->Edit()->setText(width);
        dlg.m_comboStyle->setCurrentIndex(4);
        QCOMPARE(ClickOk(OkOf(dlg)), "");
        QCOMPARE(dlg.m_nWidth, QByteArray(width).toInt());
        QCOMPARE(dlg.m_nStyle, 4);
    }

    // The command copies both back; Cancel copies nothing.
    CPlotSettings s;
    WhenModal<CLineAttrDlg>([](CLineAttrDlg* d) {
        d->m_spinWidth->Edit()->setText("7");
        d->m_comboStyle->setCurrentIndex(1);
        QTest::mouseClick(OkOf(*d), Qt::LeftButton);
    });
    QVERIFY(RunLineAttrCommand(s));
    QCOMPARE(s.m_nLineWidth, 7);
    QCOMPARE(s.m_nLineStyle, 1);
    WhenModal<CLineAttrDlg>([](CLineAttrDlg* d) {
        d->m_spinWidth->Edit()->setText("9");
        QTest::mouseClick(CancelOf(*d), Qt::LeftButton);
    });
    QVERIFY(!RunLineAttrCommand(s));
    QCOMPARE(s.m_nLineWidth, 7);
}

void DialogsTest::angle_data()
{
    // Fields: x, y, z, scale z, scale y.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("failing");
    QTest::addColumn<QString>("message");
    const QString angle = "0 から 360 までの数字を入力してください。";
    const QString scale = "1e-06 から 1000000 までの数字を入力してください。";
    QTest::newRow("bounds") << QStringList{"360", "0", "0.5", "1e-6", "1000000"} << -1 << "";
    QTest::newRow("360.5") << QStringList{"360.5", "0", "0", "1", "1"} << 0 << angle;
    QTest::newRow("-0.1") << QStringList{"0", "0", "-0.1", "1", "1"} << 2 << angle;
    QTest::newRow("scale 0") << QStringList{"0", "0", "0", "0", "1"} << 3 << scale;
    QTest::newRow("scale y 2e6") << QStringList{"0", "0", "0", "1", "2e6"} << 4 << scale;
    QTest::newRow("not a number") << QStringList{"0", "1O", "0", "1", "1"} << 1 << "数字を入力してください。";
}

void DialogsTest::angle()
{
    QFETCH(QStringList, texts);
    QFETCH(int, failing);
    QFETCH(QString, message);
    CAngleDlg dlg;
    dlg.m_dRotX = 337.5;
    dlg.m_dRotY = 315;
    dlg.m_dScaleZ = 0.1;
    dlg.m_dScaleY = 1;
    dlg.m_nModel = 1;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.m_editRotX->text(), "337.5");
    QCOMPARE(dlg.m_editRotY->text(), "315");
    QCOMPARE(dlg.m_editRotZ->text(), "0");
    QCOMPARE(dlg.m_editScaleZ->text(), "0.1");
    QCOMPARE(dlg.m_editScaleY->text(), "1");
    QCOMPARE(dlg.m_comboModel->currentText(), "Surface");
    dlg.m_comboModel->setCurrentIndex(5);
    const QList<QLineEdit*> edits = {dlg.m_editRotX, dlg.m_editRotY, dlg.m_editRotZ, dlg.m_editScaleZ,
                                     dlg.m_editScaleY};
    QCOMPARE(EnterAndOk(dlg, edits, texts), message);
    if (failing < 0) {
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.m_dRotX, 360.0);
        QCOMPARE(dlg.m_dRotZ, 0.5);
        QCOMPARE(dlg.m_dScaleZ, 1e-6);
        QCOMPARE(dlg.m_dScaleY, 1e6);
        QCOMPARE(dlg.m_nModel, 5);
        return;
    }
    QVERIFY(StaysOnField(dlg, edits[failing]));
}

void DialogsTest::angleFitAndValueScale_data()
{
    QTest::addColumn<bool>("fit");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("result");
    const QString range = "0.01 から 10 までの数字を入力してください。";
    // The share is read only while the fit is checked.
    QTest::newRow("off, any text") << false << "x" << "" << 0.5;
    QTest::newRow("bounds") << true << "0.01" << "" << 0.01;
    QTest::newRow("upper bound") << true << "10" << "" << 10.0;
    QTest::newRow("zero") << true << "0" << range << 0.5;
    QTest::newRow("above") << true << "10.5" << range << 0.5;
    QTest::newRow("not a number") << true << "half" << "数字を入力してください。" << 0.5;
}

// The fit of the values with its share and the value scale: shown as preset,
// the share enabled with the fit, the new controls in the tab order after the
// scales and the model.
void DialogsTest::angleFitAndValueScale()
{
    QFETCH(bool, fit);
    QFETCH(QString, share);
    QFETCH(QString, message);
    QFETCH(double, result);
    CAngleDlg dlg;
    dlg.m_dScaleZ = 0.1;
    dlg.m_dScaleY = 1;
    dlg.m_nModel = 3;
    dlg.m_bScaleZFit = true;
    dlg.m_dScaleZFit = 0.5;
    dlg.m_bColorBar = true;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QVERIFY(dlg.m_checkScaleZFit->isChecked());
    QVERIFY(dlg.m_editScaleZFit->isEnabled());
    QCOMPARE(dlg.m_editScaleZFit->text(), "0.5");
    QVERIFY(dlg.m_checkColorBar->isChecked());
    QCOMPARE(TabChain(dlg, 11),
             (QList<QWidget*>{dlg.m_editRotX, dlg.m_editRotY, dlg.m_editRotZ, dlg.m_editScaleZ, dlg.m_editScaleY,
                              dlg.m_checkScaleZFit, dlg.m_editScaleZFit, dlg.m_comboModel, dlg.m_checkColorBar,
                              OkOf(dlg), CancelOf(dlg)}));
    dlg.m_checkScaleZFit->setChecked(fit);
    QCOMPARE(dlg.m_editScaleZFit->isEnabled(), fit);
    dlg.m_checkColorBar->setChecked(false);
    QCOMPARE(EnterAndOk(dlg, {dlg.m_editScaleZFit}, {share}), message);
    if (!message.isEmpty()) {
        QVERIFY(StaysOnField(dlg, dlg.m_editScaleZFit));
        return;
    }
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.m_bScaleZFit, fit);
    QCOMPARE(dlg.m_dScaleZFit, result);
    QVERIFY(!dlg.m_bColorBar);
}

void DialogsTest::viewCommand()
{
    CPlotSettings s;
    WhenModal<CAngleDlg>([](CAngleDlg* d) {
        d->m_editRotX->setText("360");
        d->m_editRotY->setText("90");
        d->m_editScaleZ->setText("2");
        d->m_editScaleY->setText("3");
        d->m_comboModel->setCurrentIndex(4);
        d->m_checkScaleZFit->setChecked(true);
        d->m_editScaleZFit->setText("0.75");
        d->m_checkColorBar->setChecked(true);
        QTest::mouseClick(OkOf(*d), Qt::LeftButton);
    });
    QVERIFY(RunViewCommand(s));
    QVERIFY(s.m_bScaleZFit);
    QCOMPARE(s.m_dScaleZFit, 0.75);
    QVERIFY(s.m_bColorBar);
    QCOMPARE(s.m_dRotX, 360.0);
    QCOMPARE(s.m_dRotY, 90.0);
    QCOMPARE(s.m_dRotZ, 0.0);
    QCOMPARE(s.m_dScaleZ, 2.0);
    QCOMPARE(s.m_dScaleY, 3.0);
    QCOMPARE(s.m_nModel, 4);
    WhenModal<CAngleDlg>([](CAngleDlg* d) {
        d->m_editRotX->setText("10");
        d->m_checkColorBar->setChecked(false);
        QTest::mouseClick(CancelOf(*d), Qt::LeftButton);
    });
    QVERIFY(!RunViewCommand(s));
    QCOMPARE(s.m_dRotX, 360.0);
    QVERIFY(s.m_bColorBar);
}

namespace {

// Answers the Area dialog of the Region command with four values (or Cancel).
void AnswerArea(const QStringList& values, QStringList* shown = nullptr)
{
    WhenModal<CAreaDlg>([values, shown](CAreaDlg* dlg) {
        QLineEdit* const edits[4] = {dlg->m_editX1, dlg->m_editY1, dlg->m_editX2, dlg->m_editY2};
        for (int i = 0; i < 4; ++i) {
            if (shown)
                shown->append(edits[i]->text());
            if (!values.isEmpty())
                edits[i]->setText(values[i]);
        }
        QTest::mouseClick(values.isEmpty() ? CancelOf(*dlg) : OkOf(*dlg), Qt::LeftButton);
    });
}

// A widget standing for a chart window: counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

void DialogsTest::regionCommand()
{
    const std::unique_ptr<CSorvDoc> owned = TenByTwenty();
    CSorvDoc& doc = *owned;
    PaintCounter view1, view2;
    view1.show();
    view2.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view1));
    QVERIFY(QTest::qWaitForWindowExposed(&view2));
    doc.m_fnUpdateAllViews = [&] {
        view1.update();
        view2.update();
    };
    const auto region = [&doc] { return QList<int>{doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2}; };

    const struct {
        QStringList entry;
        QList<int> result;
    } steps[] = {
        {{"2", "3", "50", "5"}, {2, 3, 9, 5}},
        {{"0", "0", "4", "100"}, {2, 3, 4, 5}},
        {{"0", "0", "0", "0"}, {0, 0, 9, 19}},
        {{"0", "0", "0", "1"}, {0, 0, 0, 1}},
    };
    QList<int> before = region();
    for (const auto& step : steps) {
        QStringList shown;
        AnswerArea(step.entry, &shown);
        const int paints1 = view1.paints;
        const int paints2 = view2.paints;
        RunRegionCommand(doc);
        QCOMPARE(shown, (QStringList{QString::number(before[0]), QString::number(before[1]),
                                     QString::number(before[2]), QString::number(before[3])}));
        QCOMPARE(region(), step.result);
        QTRY_VERIFY(view1.paints > paints1 && view2.paints > paints2);
        before = region();
    }

    // Cancel changes nothing and redraws nothing.
    bool updated = false;
    doc.m_fnUpdateAllViews = [&updated] { updated = true; };
    AnswerArea({});
    RunRegionCommand(doc);
    QCOMPARE(region(), (QList<int>{0, 0, 0, 1}));
    QVERIFY(!updated);
}

// A document of more rows than 65535: the dialog takes its own initial values.
void DialogsTest::regionOfALongDocument()
{
    const std::unique_ptr<CSorvDoc> doc = MakeTestDoc(70000, 2, [](int r, int c) { return r + c; });
    QVERIFY(doc->SetRegion(0, 100, 1, 69999));
    QString message;
    QStringList shown;
    AnswerArea({"1", "65536", "1", "69999"}, &shown);
    QPointer<QTimer> refusal = WhenModal<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    RunRegionCommand(*doc);
    delete refusal;  // a refusal would have come during the command
    QCOMPARE(shown, (QStringList{"0", "100", "1", "69999"}));
    QCOMPARE(message, QString());
    QCOMPARE((QList<int>{doc->m_nX1, doc->m_nY1, doc->m_nX2, doc->m_nY2}), (QList<int>{1, 65536, 1, 69999}));
}

void DialogsTest::regionRefused()
{
    const std::unique_ptr<CSorvDoc> owned = TenByTwenty();
    CSorvDoc& doc = *owned;
    QVERIFY(doc.SetRegion(2, 3, 4, 5));
    bool updated = false;
    doc.m_fnUpdateAllViews = [&updated] { updated = true; };
    // An entry beside the region, and an inverted one, leave it as it was.
    for (const QStringList& entry : {QStringList{"5", "0", "9", "19"}, QStringList{"4", "5", "3", "5"}}) {
        QString message;
        AnswerArea(entry);
        WhenModal<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        RunRegionCommand(doc);
        QVERIFY(message.contains("重なりません"));
        QCOMPARE((QList<int>{doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2}), (QList<int>{2, 3, 4, 5}));
        QVERIFY(!updated);
    }

    // An empty document keeps its empty region.
    CSorvDoc empty;
    QString message;
    AnswerArea({"0", "0", "0", "0"});
    WhenModal<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    RunRegionCommand(empty);
    QVERIFY(!message.isEmpty());
    QCOMPARE((QList<int>{empty.m_nX1, empty.m_nY1, empty.m_nX2, empty.m_nY2}), (QList<int>{0, 0, -1, -1}));
}

// Paper, orientation and margins come back as chosen, in millimetres.
void DialogsTest::pageSetupKeepsTheChosenLayout()
{
    const QPageLayout portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                               QPageLayout::Point);
    CPageSetupDlg dlg(portrait, CPageSetupDlg::StandardSizes());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* size = dlg.findChild<QComboBox*>();
    QCOMPARE(size->currentText(), QPageSize(QPageSize::A4).name());
    QCOMPARE(dlg.PageLayout().margins().left(), QPageLayout(portrait).margins(QPageLayout::Millimeter).left());

    size->setCurrentIndex(size->findText(QPageSize(QPageSize::A5).name()));
    for (QRadioButton* radio : dlg.findChildren<QRadioButton*>())
        if (radio->text() == "横(&A)")
            radio->setChecked(true);
    const QList<QDoubleSpinBox*> margins = dlg.findChildren<QDoubleSpinBox*>();
    QCOMPARE(margins.size(), 4);
    for (int i = 0; i < 4; ++i)
        margins[i]->setValue(5 + i);
    QDialogButtonBox* buttons = dlg.findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const QPageLayout chosen = dlg.PageLayout();
    QCOMPARE(chosen.pageSize().id(), QPageSize::A5);
    QCOMPARE(chosen.orientation(), QPageLayout::Landscape);
    QCOMPARE(chosen.margins(QPageLayout::Millimeter), QMarginsF(5, 6, 7, 8));
    QCOMPARE(chosen.paintRect(QPageLayout::Millimeter).size(), QSizeF(210 - 5 - 7, 148 - 6 - 8));
}

// A margin leaves at least 10 mm of paper and never goes below the printer's own.
void DialogsTest::pageSetupMarginsStayOnThePaper()
{
    QPageLayout layout(QPageSize(QPageSize::Postcard), QPageLayout::Portrait, QMarginsF(4, 4, 4, 4),
                       QPageLayout::Millimeter, QMarginsF(3, 3, 3, 3));
    CPageSetupDlg dlg(layout, {QPageSize(QPageSize::A4)});
    dlg.show();
    auto* size = dlg.findChild<QComboBox*>();
    QCOMPARE(size->count(), 2);  // the layout's own paper is offered as well
    QCOMPARE(size->currentText(), QPageSize(QPageSize::Postcard).name());
    const QList<QDoubleSpinBox*> margins = dlg.findChildren<QDoubleSpinBox*>();
    for (QDoubleSpinBox* m : margins) {
        m->setValue(1000);
        QVERIFY(m->value() <= (148 - 10) / 2.0);
        m->setValue(0);
        QCOMPARE(m->value(), 3.0);
    }
    QCOMPARE(margins[0]->maximum(), (100 - 10) / 2.0);
    for (QRadioButton* radio : dlg.findChildren<QRadioButton*>())
        if (radio->text() == "横(&A)")
            radio->setChecked(true);
    QCOMPARE(margins[0]->maximum(), (148 - 10) / 2.0);
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
