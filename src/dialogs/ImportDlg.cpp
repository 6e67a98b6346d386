#include "dialogs/ImportDlg.h"

#include "dialogs/ReadFailureText.h"
#include "doc/Importer.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"

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
const FirstColumn kFirstColumns[] = {FirstColumn::Data, FirstColumn::Labels, FirstColumn::Skip};

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

QString LineEndText(LineEnd e)
{
    switch (e) {
    case LineEnd::Lf: return QStringLiteral("LF");
    case LineEnd::CrLf: return QStringLiteral("CR LF");
    case LineEnd::Cr: return QStringLiteral("CR");
    }
    return {};
}

// What detection found, in one line.
QString DetectedText(const ImportDetection& d)
{
    const ImportOptions& o = d.options;
    QStringList parts;
    parts << CImportDlg::tr("区切り %1").arg(DelimiterText(o.delimiter));
    parts << (o.header ? CImportDlg::tr("見出しあり") : CImportDlg::tr("見出しなし"));
    parts << (o.columns ? CImportDlg::tr("1 列が 1 系列") : CImportDlg::tr("1 行が 1 系列"));
    parts << CImportDlg::tr("改行 %1").arg(LineEndText(d.lineEnd));
    if (o.decimalComma)
        parts << CImportDlg::tr("小数点はｶﾝﾏ");
    if (d.quoted)
        parts << CImportDlg::tr("引用符あり");
    return CImportDlg::tr("検出した設定: %1").arg(parts.join(CImportDlg::tr("、")));
}

QString DecodeLabel(std::string_view bytes, const CSorvDoc& doc)
{
    return DecodeText(bytes.data(), int(bytes.size()), doc.m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
}

QString CellText(double v)
{
    return std::isnan(v) ? QString() : QString::number(v, 'g', 15);
}

}  // namespace

CImportDlg::CImportDlg(const QString& name, std::string head, const ImportDetection& detection, QWidget* parent)
    : QDialog(parent), m_comboSeries(new QComboBox), m_comboDelimiter(new QComboBox), m_checkHeader(new QCheckBox),
      m_comboFirstColumn(new QComboBox), m_spinSkip(new QSpinBox), m_editComment(new QLineEdit),
      m_checkDecimalComma(new QCheckBox), m_labelDetected(new QLabel(DetectedText(detection))),
      m_tablePreview(new QTableWidget), m_labelPreview(new QLabel), m_head(std::move(head))
{
    setWindowTitle(tr("ｲﾝﾎﾟｰﾄ - %1").arg(name));
    m_comboSeries->addItems({tr("1 行が 1 系列"), tr("1 列が 1 系列 (時系列)")});
    for (ImportDelimiter d : kDelimiters)
        m_comboDelimiter->addItem(DelimiterText(d));
    m_checkHeader->setText(tr("1 行目は見出し(&H)"));
    m_comboFirstColumn->addItems({tr("値"), tr("ﾗﾍﾞﾙ"), tr("読み飛ばす")});
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
    form->addRow(QString(), m_checkHeader);
    form->addRow(tr("最初の列(&F):"), m_comboFirstColumn);
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
    for (QComboBox* combo : {m_comboSeries, m_comboDelimiter, m_comboFirstColumn})
        connect(combo, &QComboBox::currentIndexChanged, this, &CImportDlg::UpdatePreview);
    for (QCheckBox* check : {m_checkHeader, m_checkDecimalComma})
        connect(check, &QCheckBox::toggled, this, &CImportDlg::UpdatePreview);
    connect(m_spinSkip, &QSpinBox::valueChanged, this, &CImportDlg::UpdatePreview);
    connect(m_editComment, &QLineEdit::textChanged, this, &CImportDlg::UpdatePreview);
    UpdatePreview();
}

void CImportDlg::SetOptions(const ImportOptions& o)
{
    m_comboSeries->setCurrentIndex(o.columns ? 1 : 0);
    m_comboDelimiter->setCurrentIndex(IndexOf(kDelimiters, o.delimiter));
    m_checkHeader->setChecked(o.header);
    m_comboFirstColumn->setCurrentIndex(IndexOf(kFirstColumns, o.firstColumn));
    m_spinSkip->setValue(o.skip);
    m_editComment->setText(o.comment ? QString(QLatin1Char(o.comment)) : QString());
    m_checkDecimalComma->setChecked(o.decimalComma);
}

ImportOptions CImportDlg::Options() const
{
    ImportOptions o;
    o.columns = m_comboSeries->currentIndex() == 1;
    o.delimiter = kDelimiters[std::clamp(m_comboDelimiter->currentIndex(), 0, 4)];
    o.header = m_checkHeader->isChecked();
    o.firstColumn = kFirstColumns[std::clamp(m_comboFirstColumn->currentIndex(), 0, 2)];
    o.skip = m_spinSkip->value();
    const QString comment = m_editComment->text();
    o.comment = comment.isEmpty() || comment.at(0).unicode() >= 0x80 ? '\0' : char(comment.at(0).unicode());
    o.decimalComma = m_checkDecimalComma->isChecked();
    return o;
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
    ShowTable(doc, options.columns);
    QStringList notes;
    for (const ImportWarning& w : importer.GetWarnings())
        notes << ImportWarningText(w);
    m_labelPreview->setText(notes.join(QLatin1Char('\n')));
}

// The file's lines down, their cells across: with columns, each column of
// the table is a series (a row of the document).
void CImportDlg::ShowTable(const CSorvDoc& doc, bool columns)
{
    const int lines = std::min(columns ? doc.m_nCols : doc.m_nRows, kPreviewLines);
    const int cells = std::min(columns ? doc.m_nRows : doc.m_nCols, kPreviewCells);
    m_tablePreview->setRowCount(lines);
    m_tablePreview->setColumnCount(cells);
    const auto seriesLabel = [&](int r) { return DecodeLabel(doc.m_pLabels[r], doc); };
    const auto columnLabel = [&](int c) {
        return std::size_t(c) < doc.m_columnLabels.Count() ? DecodeLabel(doc.m_columnLabels.Label(std::size_t(c)), doc)
                                                            : QString::number(c);
    };
    for (int i = 0; i < lines; ++i)
        m_tablePreview->setVerticalHeaderItem(i, new QTableWidgetItem(columns ? columnLabel(i) : seriesLabel(i)));
    for (int j = 0; j < cells; ++j)
        m_tablePreview->setHorizontalHeaderItem(j, new QTableWidgetItem(columns ? seriesLabel(j) : columnLabel(j)));
    for (int i = 0; i < lines; ++i)
        for (int j = 0; j < cells; ++j)
            m_tablePreview->setItem(i, j, new QTableWidgetItem(CellText(columns ? doc.Value(j, i) : doc.Value(i, j))));
}
