#include "dialogs/ColorDlg.h"

#include "dialogs/ColorSwatch.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QPushButton>

CColorDlg::CColorDlg(QWidget* parent)
    : CSettingsDialog(tr("Color"), parent), m_btnForeground(new QPushButton(tr("Foreground"), this)),
      m_btnBackground(new QPushButton(tr("Background"), this)), m_btnView(new QPushButton(tr("View"), this)),
      m_btnAxis(new QPushButton(tr("Axis"), this)),
      m_swForeground(new CColorSwatch(&m_crForeground, this)),
      m_swBackground(new CColorSwatch(&m_crBackground, this)), m_swView(new CColorSwatch(&m_crView, this)),
      m_swAxis(new CColorSwatch(&m_crAxis, this))
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(DluX(5));
    grid->setVerticalSpacing(DluY(5));
    QPushButton* const buttons[4] = {m_btnForeground, m_btnBackground, m_btnView, m_btnAxis};
    CColorSwatch* const swatches[4] = {m_swForeground, m_swBackground, m_swView, m_swAxis};
    COLORREF* const colors[4] = {&m_crForeground, &m_crBackground, &m_crView, &m_crAxis};
    for (int row = 0; row < 4; ++row) {
        buttons[row]->setMinimumWidth(DluX(65));
        swatches[row]->setFixedSize(DluX(25), buttons[row]->sizeHint().height());
        grid->addWidget(buttons[row], row, 0);
        grid->addWidget(swatches[row], row, 1);
        connect(buttons[row], &QPushButton::clicked, this,
                [this, color = colors[row], swatch = swatches[row]] { Pick(*color, swatch); });
    }
    grid->setRowStretch(4, 1);
    FinishLayout(grid, {m_btnForeground, m_btnBackground, m_btnView, m_btnAxis});
}

void CColorDlg::Pick(COLORREF& color, CColorSwatch* swatch)
{
    // Parented to this dialog so that the picker opens over it.
    QColorDialog picker(QColor(GetRValue(color), GetGValue(color), GetBValue(color)), this);
    if (picker.exec() != QDialog::Accepted)
        return;
    const QColor picked = picker.selectedColor();
    color = RGB(picked.red(), picked.green(), picked.blue());
    swatch->repaint();
}
