#include "dialogs/AreaDlg.h"

#include "dialogs/DataExchange.h"
#include "settings/FieldRules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

CAreaDlg::CAreaDlg(QWidget* parent)
    : CSettingsDialog(tr("Area"), parent), m_editX1(NewEdit(60)), m_editY1(NewEdit(60)),
      m_editX2(NewEdit(60)), m_editY2(NewEdit(60))
{
    QGridLayout* grid = NewEditGrid(
        {{tr("x1"), m_editX1}, {tr("y1"), m_editY1}, {tr("x2"), m_editX2}, {tr("y2"), m_editY2}}, 25);
    auto* controls = new QVBoxLayout;
    controls->addWidget(NewGroup(tr("Index"), grid));
    FinishLayout(controls, {m_editX1, m_editY1, m_editX2, m_editY2});
}

void CAreaDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Int(m_editX1, m_nX1, 0, FieldRules::kMaxRegionIndex);
    dx.Int(m_editY1, m_nY1, 0, FieldRules::kMaxRegionIndex);
    dx.Int(m_editX2, m_nX2, 0, FieldRules::kMaxRegionIndex);
    dx.Int(m_editY2, m_nY2, 0, FieldRules::kMaxRegionIndex);
}
