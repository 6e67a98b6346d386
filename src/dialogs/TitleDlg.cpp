#include "dialogs/TitleDlg.h"

#include "dialogs/DataExchange.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

CTitleDlg::CTitleDlg(QWidget* parent) : CSettingsDialog(tr("Title"), parent), m_editTitle(NewEdit(165))
{
    auto* grid = new QGridLayout;
    grid->addWidget(m_editTitle, 0, 0);
    auto* controls = new QVBoxLayout;
    controls->addWidget(NewGroup(tr("Title", "group"), grid));
    controls->addStretch();
    FinishLayout(controls, {m_editTitle});
}

void CTitleDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(m_editTitle, m_strTitle, 128);
}
