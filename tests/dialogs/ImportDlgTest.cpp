// The import dialog driven as a user would: the preview of a long file's
// head, the first column's roles, the header forced, columns left out and
// x from a column or a row.

#include "dialogs/ImportColumnList.h"
#include "dialogs/ImportDlg.h"
#include "read/FileHead.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<CImportDlg> Dialog(const std::string& head)
{
    auto dlg = std::make_unique<CImportDlg>("f.csv", head, DetectImport(head));
    dlg->show();
    return dlg;
}

QString HeaderText(QTableWidget* table, Qt::Orientation o, int i)
{
    QTableWidgetItem* item = o == Qt::Vertical ? table->verticalHeaderItem(i) : table->horizontalHeaderItem(i);
    return item ? item->text() : QString();
}

}  // namespace

class ImportDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The head of a regular 10,000-line file is read to a line end: no line is short.
    void previewOfALongFileWarnsOfNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("long.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("t,a,b\n");
        for (int i = 0; i < 10000; ++i)
            file.write(QByteArray::number(i) + ",1.25,-2.5\n");
        file.close();
        const auto dlg = Dialog(ReadFileHead(QFile::encodeName(path).toStdString()));
        QCOMPARE(dlg->m_labelPreview->text(), QString());
        QCOMPARE(dlg->m_tablePreview->rowCount(), 20);
        QCOMPARE(dlg->m_tablePreview->columnCount(), 2);
    }

    void firstColumnRolesShapeThePreview()
    {
        const auto dlg = Dialog("t,v,w\n0,1,5\n10,2,6\n25,3,7\n40,4,8\n");
        QTableWidget* table = dlg->m_tablePreview;
        QCOMPARE(dlg->m_comboFirstColumn->currentText(), QString("自動 (x)"));
        QCOMPARE(HeaderText(table, Qt::Vertical, 2), QString("25"));
        const struct {
            int index;
            FirstColumn role;
            int series;
            QString secondLine;
        } cases[] = {{1, FirstColumn::X, 2, "10"}, {2, FirstColumn::Labels, 2, "10"}, {3, FirstColumn::Data, 3, "1"},
                     {4, FirstColumn::Skip, 2, "1"}};
        for (const auto& c : cases) {
            dlg->m_comboFirstColumn->setCurrentIndex(c.index);
            QCOMPARE(dlg->Options().firstColumn, c.role);
            QCOMPARE(table->columnCount(), c.series);
            QCOMPARE(HeaderText(table, Qt::Vertical, 1), c.secondLine);
        }
        // x from another column, and the first one left to its role.
        dlg->m_comboFirstColumn->setCurrentIndex(2);
        dlg->m_comboXColumn->setCurrentIndex(3);
        QCOMPARE(dlg->Options().xColumn, 2);
        QCOMPARE(table->columnCount(), 1);
        QCOMPARE(HeaderText(table, Qt::Vertical, 2), QString("7"));
    }

    void headerForcedAndColumnsLeftOut()
    {
        const auto dlg = Dialog("t,v,w\n0,1,5\n10,2,6\n25,3,7\n40,4,8\n");
        QTableWidget* table = dlg->m_tablePreview;
        CImportColumnList* list = dlg->m_listColumns;
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QString("2: v"));
        list->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(dlg->Options().use, std::vector<ColumnPick>({{0, 0, {}}, {2, 2, {}}}));
        QCOMPARE(table->columnCount(), 1);
        QCOMPARE(HeaderText(table, Qt::Horizontal, 0), QString("w"));
        dlg->m_comboHeader->setCurrentIndex(2);   // no header: its line is data
        QVERIFY(!dlg->Options().header && !dlg->Options().detectHeader);
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(HeaderText(table, Qt::Horizontal, 0), QString());
    }

    void rowTakenAsX()
    {
        const auto dlg = Dialog("x,1,2,4,8\na,5,6,7,8\nb,9,10,11,12\n");
        QTableWidget* table = dlg->m_tablePreview;
        QCOMPARE(dlg->m_comboSeries->currentIndex(), 0);
        QVERIFY(dlg->m_spinXRow->isEnabled() && !dlg->m_comboXColumn->isEnabled());
        QCOMPARE(table->rowCount(), 3);
        dlg->m_spinXRow->setValue(1);
        QCOMPARE(dlg->Options().xRow, 0);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(HeaderText(table, Qt::Horizontal, 3), QString("8"));
        dlg->m_spinXRow->setValue(9);
        QVERIFY(dlg->m_labelPreview->text().contains("9"));
        dlg->m_comboSeries->setCurrentIndex(1);
        QVERIFY(!dlg->m_spinXRow->isEnabled() && dlg->m_comboXColumn->isEnabled());
        QCOMPARE(dlg->Options().xRow, -1);
    }
};

QTEST_MAIN(ImportDlgTest)
#include "ImportDlgTest.moc"
