#include "dialogs/ImportDlg.h"

#include "dialogs/ImportColumnList.h"
#include "dialogs/ReadFailureText.h"
#include "doc/DateTime.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "read/Importer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The preview shows at most this many lines of the file and cells of a line.
constexpr int kPreviewLines = 20;
constexpr int kPreviewCells = 30;
constexpr int kMaxSkip = 1000000;

const ImportDelimiter kDelimiters[] = {ImportDelimiter::Auto, ImportDelimiter::Comma, ImportDelimiter::Tab,
                                       ImportDelimiter::Semicolon, ImportDelimiter::Blank};
const FirstColumn kFirstColumns[] = {FirstColumn::Auto, FirstColumn::X, FirstColumn::Labels, FirstColumn::Data,
                                     FirstColumn::Skip};

template <class T, std::size_t N>
int IndexOf(const T (&values)[N], T value)
{
    return int(std::find(values, values + N, value) - values);
}

QString DelimiterText(ImportDelimiter d)
{
    switch (d) {
    case ImportDelimiter::Auto: return CImportDlg::tr("自動");
    case ImportDelimiter::Comma: return CImportDlg::tr("ｶﾝﾏ");
    case ImportDelimiter::Tab: return CImportDlg::tr("ﾀﾌﾞ");
    case ImportDelimiter::Semicolon: return CImportDlg::tr("ｾﾐｺﾛﾝ");
    case ImportDelimiter::Blank: return CImportDlg::tr("空白");
    }
    return {};
}

QString FirstColumnText(FirstColumn f)
{
    switch (f) {
    case FirstColumn::Auto: return CImportDlg::tr("自動");
    case FirstColumn::X: return CImportDlg::tr("x");
    case FirstColumn::Labels: return CImportDlg::tr("ﾗﾍﾞﾙ");
    case FirstColumn::Data: return CImportDlg::tr("系列");
    case FirstColumn::Skip: return CImportDlg::tr("使わない");
    }
    return {};
}

QString LineEndText(LineEnd e)
{
    switch (e) {
    case LineEnd::Lf: return QStringLiteral("LF");
    case LineEnd::CrLf: return QStringLiteral("CR LF");
    case LineEnd::Cr: return QStringLiteral("CR");
    }
    return {};
}

QString HeaderText(bool header)
{
    return header ? CImportDlg::tr("見出しあり") : CImportDlg::tr("見出しなし");
}

// What detection found, in one line.
QString DetectedText(const ImportDetection& d)
{
    const ImportOptions& o = d.options;
    QStringList parts;
    parts << CImportDlg::tr("区切り %1").arg(DelimiterText(o.delimiter));
    parts << HeaderText(o.header);
    parts << (o.columns ? CImportDlg::tr("1 列が 1 系列") : CImportDlg::tr("1 行が 1 系列"));
    if (o.columns)
        parts << CImportDlg::tr("最初の列は %1").arg(FirstColumnText(o.firstColumn));
    parts << CImportDlg::tr("改行 %1").arg(LineEndText(d.lineEnd));
    if (o.decimalComma)
        parts << CImportDlg::tr("小数点はｶﾝﾏ");
    if (d.quoted)
        parts << CImportDlg::tr("引用符あり");
    return CImportDlg::tr("検出した設定: %1").arg(parts.join(CImportDlg::tr("、")));
}

QString DecodeLabel(std::string_view bytes, bool utf8)
{
    return DecodeText(bytes.data(), int(bytes.size()), utf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
}

QString CellText(double v)
{
    return std::isnan(v) ? QString() : QString::number(v, 'g', 15);
}

QString XText(const CXValues& x, double v)
{
    if (std::isnan(v))
        return QString();
    return x.IsTime() ? QString::fromStdString(FormatDateTime(v, v == std::floor(v) ? 0 : 3)) : CellText(v);
}

// The file's columns as o reads them, each named by the header when there is one.
QStringList ColumnNames(const std::string& head, ImportOptions o)
{
    o.columns = true;
    o.firstColumn = FirstColumn::Data;
    o.use.clear();
    o.xColumn = o.xRow = -1;
    CImporter importer(o, 1, 1);
    CSorvDoc doc;
    QStringList names;
    if (importer.Import(head, doc))
        for (int r = 0; r < doc->m_nRows; ++r)
            names << DecodeLabel(doc->m_pLabels[r], doc->m_bUtf8);
    return names;
}

}  // namespace

CImportDlg::CImportDlg(const QString& name, std::string head, const ImportDetection& detection, QWidget* parent)
    : QDialog(parent), m_comboSeries(new QComboBox), m_comboDelimiter(new QComboBox), m_comboHeader(new QComboBox),
      m_comboFirstColumn(new QComboBox), m_comboXColumn(new QComboBox), m_spinXRow(new QSpinBox),
      m_listColumns(new CImportColumnList), m_spinSkip(new QSpinBox), m_editComment(new QLineEdit),
      m_checkDecimalComma(new QCheckBox), m_labelDetected(new QLabel(DetectedText(detection))),
      m_tablePreview(new QTableWidget), m_labelPreview(new QLabel), m_head(std::move(head))
{
    setWindowTitle(tr("ｲﾝﾎﾟｰﾄ - %1").arg(name));
    m_comboSeries->addItems({tr("1 行が 1 系列"), tr("1 列が 1 系列 (時系列)")});
    for (ImportDelimiter d : kDelimiters)
        m_comboDelimiter->addItem(DelimiterText(d));
    m_comboHeader->addItems({tr("自動"), tr("あり"), tr("なし")});
    for (FirstColumn f : kFirstColumns)
        m_comboFirstColumn->addItem(FirstColumnText(f));
    m_spinXRow->setRange(0, kMaxSkip);
    m_spinXRow->setSpecialValueText(tr("なし", "no row as x"));
    m_spinSkip->setRange(0, kMaxSkip);
    m_editComment->setMaxLength(1);
    m_editComment->setMaximumWidth(40);
    m_checkDecimalComma->setText(tr("小数点はｶﾝﾏ (1,5)(&M)"));
    m_labelDetected->setWordWrap(true);
    m_labelPreview->setWordWrap(true);
    m_tablePreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tablePreview->setMinimumSize(480, 240);

    auto* form = new QFormLayout;
    form->addRow(tr("系列(&S):"), m_comboSeries);
    form->addRow(tr("区切り(&D):"), m_comboDelimiter);
    form->addRow(tr("1 行目は見出し(&H):"), m_comboHeader);
    form->addRow(tr("最初の列(&F):"), m_comboFirstColumn);
    form->addRow(tr("x にする列(&X):"), m_comboXColumn);
    form->addRow(tr("x にする行(&R):"), m_spinXRow);
    form->addRow(tr("読む列(&U):"), m_listColumns);
    form->addRow(tr("先頭で読み飛ばす行数(&K):"), m_spinSkip);
    form->addRow(tr("ｺﾒﾝﾄ行の先頭文字(&C):"), m_editComment);
    form->addRow(QString(), m_checkDecimalComma);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_labelDetected);
    layout->addWidget(m_tablePreview, 1);
    layout->addWidget(m_labelPreview);
    layout->addWidget(buttons);

    SetOptions(detection.options);
    m_listColumns->SetColumns(ColumnNames(m_head, Options()), detection.options.use);
    for (QComboBox* combo : {m_comboSeries, m_comboDelimiter, m_comboHeader})
        connect(combo, &QComboBox::currentIndexChanged, this, &CImportDlg::UpdateColumns);
    for (QComboBox* combo : {m_comboFirstColumn, m_comboXColumn})
        connect(combo, &QComboBox::currentIndexChanged, this, &CImportDlg::UpdatePreview);
    connect(m_checkDecimalComma, &QCheckBox::toggled, this, &CImportDlg::UpdateColumns);
    connect(m_spinSkip, &QSpinBox::valueChanged, this, &CImportDlg::UpdateColumns);
    connect(m_editComment, &QLineEdit::textChanged, this, &CImportDlg::UpdateColumns);
    connect(m_spinXRow, &QSpinBox::valueChanged, this, &CImportDlg::UpdatePreview);
    connect(m_listColumns, &CImportColumnList::useChanged, this, &CImportDlg::UpdatePreview);
    UpdateColumns();
}

// The header and the first column's role start as automatic, showing what they resolve to.
void CImportDlg::SetOptions(const ImportOptions& o)
{
    m_comboSeries->setCurrentIndex(o.columns ? 1 : 0);
    m_comboDelimiter->setCurrentIndex(IndexOf(kDelimiters, o.delimiter));
    m_comboHeader->setCurrentIndex(0);
    m_comboFirstColumn->setCurrentIndex(0);
    m_spinXRow->setValue(o.xRow + 1);
    m_spinSkip->setValue(o.skip);
    m_editComment->setText(o.comment ? QString(QLatin1Char(o.comment)) : QString());
    m_checkDecimalComma->setChecked(o.decimalComma);
}

ImportOptions CImportDlg::Options() const
{
    ImportOptions o;
    o.columns = m_comboSeries->currentIndex() == 1;
    o.delimiter = kDelimiters[std::clamp(m_comboDelimiter->currentIndex(), 0, 4)];
    o.detectHeader = m_comboHeader->currentIndex() <= 0;
    o.header = m_comboHeader->currentIndex() == 1;
    o.firstColumn = kFirstColumns[std::clamp(m_comboFirstColumn->currentIndex(), 0, 4)];
    o.xColumn = o.columns ? m_comboXColumn->currentIndex() - 1 : -1;
    o.xRow = o.columns ? -1 : m_spinXRow->value() - 1;
    o.use = m_listColumns->Use();
    o.skip = m_spinSkip->value();
    const QString comment = m_editComment->text();
    o.comment = comment.isEmpty() || comment.at(0).unicode() >= 0x80 ? '\0' : char(comment.at(0).unicode());
    o.decimalComma = m_checkDecimalComma->isChecked();
    return o;
}

// The columns change with the options that split the lines: the check boxes
// and the choice of an x column follow, keeping what was chosen.
void CImportDlg::UpdateColumns()
{
    const ImportOptions o = Options();
    const QStringList names = ColumnNames(m_head, o);
    if (names.size() != m_listColumns->count())
        m_listColumns->SetColumns(names, {});
    const QSignalBlocker blocker(m_comboXColumn);
    const int x = m_comboXColumn->currentIndex();
    m_comboXColumn->clear();
    m_comboXColumn->addItem(tr("最初の列の設定どおり"));
    for (int c = 0; c < names.size() && c < CImportColumnList::kMaxColumns; ++c)
        m_comboXColumn->addItem(names.at(c).isEmpty() ? tr("%1 列目").arg(c + 1)
                                                      : tr("%1 列目: %2").arg(c + 1).arg(names.at(c)));
    m_comboXColumn->setCurrentIndex(x < m_comboXColumn->count() ? std::max(x, 0) : 0);
    m_comboXColumn->setEnabled(o.columns);
    m_spinXRow->setEnabled(!o.columns);
    UpdatePreview();
}

// Imports the first lines with the options as they stand.
void CImportDlg::UpdatePreview()
{
    m_tablePreview->clear();
    m_tablePreview->setRowCount(0);
    m_tablePreview->setColumnCount(0);
    if (m_head.empty()) {
        m_labelPreview->setText(tr("ﾌﾟﾚﾋﾞｭｰはありません (ﾌｧｲﾙの先頭を読めません)。"));
        return;
    }
    const ImportOptions options = Options();
    CImporter importer(options, 1, 1);
    CSorvDoc doc;
    if (!importer.Import(m_head, doc)) {
        m_labelPreview->setText(tr("このままでは読み込めません: %1").arg(ReadFailureText(importer.GetFailure())));
        return;
    }
    ShowResolved(importer.GetOptions());
    ShowTable(doc, options.columns);
    QStringList notes;
    for (const ImportWarning& w : importer.GetWarnings())
        notes << ImportWarningText(w);
    m_labelPreview->setText(notes.join(QLatin1Char('\n')));
}

// The automatic entries say what they come to.
void CImportDlg::ShowResolved(const ImportOptions& used)
{
    m_comboHeader->setItemText(0, tr("自動 (%1)").arg(used.header ? tr("あり") : tr("なし")));
    m_comboFirstColumn->setItemText(0, tr("自動 (%1)").arg(FirstColumnText(used.firstColumn)));
}

// The file's lines down, their cells across: with columns, each column of
// the table is a series (a row of the document). x, when there is any,
// heads the lines or the cells.
void CImportDlg::ShowTable(const CDocSnapshot& doc, bool columns)
{
    const int lines = std::min(columns ? doc->m_nCols : doc->m_nRows, kPreviewLines);
    const int cells = std::min(columns ? doc->m_nRows : doc->m_nCols, kPreviewCells);
    m_tablePreview->setRowCount(lines);
    m_tablePreview->setColumnCount(cells);
    const auto seriesLabel = [&](int r) { return DecodeLabel(doc->m_pLabels[r], doc->m_bUtf8); };
    const auto columnLabel = [&](int c) {
        if (std::size_t(c) < doc->m_x.Count())
            return XText(doc->m_x, doc->m_x.At(std::size_t(c)));
        return std::size_t(c) < doc->m_columnLabels.Count()
                   ? DecodeLabel(doc->m_columnLabels.Label(std::size_t(c)), doc->m_bUtf8)
                   : QString::number(c);
    };
    for (int i = 0; i < lines; ++i)
        m_tablePreview->setVerticalHeaderItem(i, new QTableWidgetItem(columns ? columnLabel(i) : seriesLabel(i)));
    for (int j = 0; j < cells; ++j)
        m_tablePreview->setHorizontalHeaderItem(j, new QTableWidgetItem(columns ? seriesLabel(j) : columnLabel(j)));
    for (int i = 0; i < lines; ++i)
        for (int j = 0; j < cells; ++j)
            m_tablePreview->setItem(i, j, new QTableWidgetItem(CellText(columns ? doc->Value(j, i) : doc->Value(i, j))));
}
