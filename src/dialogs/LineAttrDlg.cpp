#include "dialogs/LineAttrDlg.h"

#include "dialogs/DataExchange.h"
#include "dialogs/SpinEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

CLineAttrDlg::CLineAttrDlg(QWidget* parent)
    : CSettingsDialog(tr("Line Attributes"), parent), m_spinWidth(new CSpinEdit(0, 99, this)),
      m_comboStyle(new QComboBox(this))
{
    m_comboStyle->addItems({tr("SOLID"), tr("DASH"), tr("DOT"), tr("DASHDOT"), tr("DASHDOTDOT")});
    m_comboStyle->setMinimumWidth(DluX(65));
    m_spinWidth->setMinimumWidth(DluX(24));

    // Width label and edit above, Style label and the wider combo box below,
    // both rows ending at the same right edge.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(DluX(5));
    grid->setVerticalSpacing(DluY(10));
    grid->addWidget(NewLabel(tr("Width [0-99]"), 70), 0, 0, 1, 2);
    grid->addWidget(m_spinWidth, 0, 2);
    grid->addWidget(NewLabel(tr("Style"), 30), 1, 0);
    grid->addWidget(m_comboStyle, 1, 1, 1, 2);
    grid->setRowStretch(2, 1);
    FinishLayout(grid, {m_spinWidth, m_comboStyle});
}

void CLineAttrDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Int(m_spinWidth->Edit(), m_nWidth, 0, 99);
    dx.Index(m_comboStyle, m_nStyle);
}
