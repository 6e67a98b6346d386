#include "dialogs/SeriesDlg.h"

#include "dialogs/DataExchange.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A colour as a 16-pixel square icon.
QIcon Swatch(COLORREF color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    return QIcon(pixmap);
}

QSpinBox* NewSpin(int min, int max, const QString& defaultText)
{
    auto* spin = new QSpinBox;
    spin->setRange(min, max);
    spin->setSpecialValueText(defaultText);
    return spin;
}

}  // namespace

CSeriesDlg::CSeriesDlg(QStringList labels, QWidget* parent)
    : CSettingsDialog(tr("系列"), parent), m_comboPalette(new QComboBox(this)),
      m_checkPlain(new QCheckBox(tr("ﾏｰｶｰを系列の色だけで描く(&M)"), this)), m_table(new QTableWidget(this)),
      m_editV2Min(NewEdit(65)), m_editV2Max(NewEdit(65)), m_checkV2Log(new QCheckBox(tr("Log"), this)),
      m_labels(std::move(labels))
{
    m_comboPalette->addItems({tr("標準 (7 色)"), tr("Okabe-Ito (8 色)"), tr("Tol (12 色)")});
    connect(m_comboPalette, &QComboBox::currentIndexChanged, this, &CSeriesDlg::ShowColors);
    m_table->setColumnCount(ColumnCount);
    m_table->setHorizontalHeaderLabels(
        {tr("表示"), tr("系列"), tr("色"), tr("ﾏｰｶｰ"), tr("大きさ"), tr("線幅"), tr("線種"), tr("右軸")});
    m_table->verticalHeader()->hide();
    m_table->setRowCount(int(std::min<qsizetype>(m_labels.size(), kMaxRows)));
    for (int row = 0; row < m_table->rowCount(); ++row)
        NewRow(row);
    m_table->resizeColumnsToContents();
    m_table->setMinimumSize(DluX(330), DluY(120));

    auto* palette = new QGridLayout;
    auto* paletteLabel = new QLabel(tr("ﾊﾟﾚｯﾄ(&P):"), this);
    paletteLabel->setBuddy(m_comboPalette);
    palette->addWidget(paletteLabel, 0, 0);
    palette->addWidget(m_comboPalette, 0, 1);
    palette->addWidget(m_checkPlain, 1, 0, 1, 2);
    QGridLayout* right = NewEditGrid({{tr("min"), m_editV2Min}, {tr("max"), m_editV2Max}}, 30);
    right->addWidget(m_checkV2Log, 2, 0);
    auto* controls = new QVBoxLayout;
    controls->addLayout(palette);
    controls->addWidget(m_table, 1);
    controls->addWidget(NewGroup(tr("右の V 軸"), right));
    FinishLayout(controls, {m_comboPalette, m_checkPlain, m_table, m_editV2Min, m_editV2Max, m_checkV2Log});
}

// The controls of a row; the colour's button opens the colour picker.
QWidget* CSeriesDlg::NewRow(int row)
{
    auto* shown = new QTableWidgetItem;
    shown->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    m_table->setItem(row, Shown, shown);
    auto* name = new QTableWidgetItem(m_labels.at(row));
    name->setFlags(Qt::ItemIsEnabled);
    m_table->setItem(row, Name, name);
    auto* color = new QPushButton;
    connect(color, &QPushButton::clicked, this, [this, row] { PickColor(row); });
    m_table->setCellWidget(row, Color, color);
    auto* marker = new QComboBox;
    marker->addItems({tr("既定"), tr("四角"), tr("丸"), tr("×"), tr("なし")});
    m_table->setCellWidget(row, Marker, marker);
    m_table->setCellWidget(row, MarkerSize, NewSpin(0, 50, tr("既定")));
    m_table->setCellWidget(row, LineWidth, NewSpin(-1, 99, tr("既定")));
    auto* style = new QComboBox;
    style->addItems({tr("既定"), tr("実線"), tr("破線"), tr("点線"), tr("一点鎖線"), tr("二点鎖線")});
    m_table->setCellWidget(row, LineStyle, style);
    auto* rightAxis = new QTableWidgetItem;
    rightAxis->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    m_table->setItem(row, RightAxis, rightAxis);
    return color;
}

void CSeriesDlg::ShowRow(int row, const CSeriesStyle& style)
{
    m_table->item(row, Shown)->setCheckState(style.m_bHidden ? Qt::Unchecked : Qt::Checked);
    static_cast<QComboBox*>(m_table->cellWidget(row, Marker))->setCurrentIndex(int(style.m_nMarker) + 1);
    static_cast<QSpinBox*>(m_table->cellWidget(row, MarkerSize))->setValue(style.m_nMarkerSize);
    static_cast<QSpinBox*>(m_table->cellWidget(row, LineWidth))->setValue(style.m_nLineWidth);
    static_cast<QComboBox*>(m_table->cellWidget(row, LineStyle))->setCurrentIndex(style.m_nLineStyle + 1);
    m_table->item(row, RightAxis)->setCheckState(style.m_bRightAxis ? Qt::Checked : Qt::Unchecked);
}

CSeriesStyle CSeriesDlg::ReadRow(int row) const
{
    CSeriesStyle style = m_shown[std::size_t(row)];   // the colour as picked
    style.m_bHidden = m_table->item(row, Shown)->checkState() != Qt::Checked;
    style.m_nMarker = MarkerShape(static_cast<QComboBox*>(m_table->cellWidget(row, Marker))->currentIndex() - 1);
    style.m_nMarkerSize = static_cast<QSpinBox*>(m_table->cellWidget(row, MarkerSize))->value();
    style.m_nLineWidth = static_cast<QSpinBox*>(m_table->cellWidget(row, LineWidth))->value();
    style.m_nLineStyle = static_cast<QComboBox*>(m_table->cellWidget(row, LineStyle))->currentIndex() - 1;
    style.m_bRightAxis = m_table->item(row, RightAxis)->checkState() == Qt::Checked;
    return style;
}

COLORREF CSeriesDlg::ShownColor(int row) const
{
    const CSeriesStyle& style = m_shown[std::size_t(row)];
    if (style.m_bOwnColor)
        return style.m_crColor;
    CPlotSettings palette;
    palette.m_nPalette = m_comboPalette->currentIndex();
    return SeriesColor(palette, row);
}

void CSeriesDlg::ShowColors()
{
    for (int row = 0; row < m_table->rowCount(); ++row)
        static_cast<QPushButton*>(m_table->cellWidget(row, Color))->setIcon(Swatch(ShownColor(row)));
}

// A colour picked is the series' own.
void CSeriesDlg::PickColor(int row)
{
    const COLORREF color = ShownColor(row);
    QColorDialog picker(QColor(GetRValue(color), GetGValue(color), GetBValue(color)), this);
    if (picker.exec() != QDialog::Accepted)
        return;
    const QColor picked = picker.selectedColor();
    CSeriesStyle& style = m_shown[std::size_t(row)];
    style.m_bOwnColor = true;
    style.m_crColor = RGB(picked.red(), picked.green(), picked.blue());
    ShowColors();
}

void CSeriesDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Index(m_comboPalette, m_nPalette);
    dx.Check(m_checkPlain, m_bPlainMarkers);
    const int rows = m_table->rowCount();
    if (!dx.m_bSaveAndValidate) {
        m_shown = m_series;
        m_shown.resize(std::max(m_shown.size(), std::size_t(rows)));
        for (int row = 0; row < rows; ++row)
            ShowRow(row, m_shown[std::size_t(row)]);
        ShowColors();
    } else {
        m_series = m_shown;
        for (int row = 0; row < rows; ++row)
            m_series[std::size_t(row)] = ReadRow(row);
    }
    dx.Number(m_editV2Min, m_dV2Min);
    dx.Number(m_editV2Max, m_dV2Max);
    dx.Check(m_checkV2Log, m_bV2Log);
}
