#include "dialogs/AxisDlg.h"

#include "dialogs/DataExchange.h"
#include "dialogs/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

CAxisDlg::CAxisDlg(QWidget* parent) : CSettingsDialog(tr("Axis"), parent)
{
    auto* controls = new QVBoxLayout;
    controls->setSpacing(DluY(10));
    m_V = NewAxisGroup(tr("V Axis"), controls);
    m_H = NewAxisGroup(tr("H Axis"), controls);
    m_checkRound = new QCheckBox(tr("目盛りを丸める"), this);
    controls->addWidget(m_checkRound);
    connect(m_checkRound, &QCheckBox::toggled, this, &CAxisDlg::EnableSteps);
    FinishLayout(controls, {m_V.min, m_V.max, m_V.step, m_V.log, m_V.limit, m_H.min, m_H.max, m_H.step, m_H.log,
                            m_H.limit, m_checkRound});
}

// Rounded ticks choose their own steps and digits.
void CAxisDlg::EnableSteps()
{
    const bool on = !m_checkRound->isChecked();
    for (const AxisControls* c : {&m_V, &m_H}) {
        c->step->setEnabled(on);
        c->limit->setEnabled(on);
    }
}

namespace {

// An edit wide enough for the longest text a range field shows: 15 digits
// with a sign and an exponent, or a date-time with milliseconds.
void FitWidestValue(QLineEdit* edit)
{
    const QFontMetrics metrics = edit->fontMetrics();
    const int text = std::max(metrics.horizontalAdvance(QStringLiteral("-1.23456789012346e+308")),
                              metrics.horizontalAdvance(QStringLiteral("2026-01-01 12:00:00.250")));
    edit->setMinimumWidth(std::max(edit->minimumWidth(), text + 4 * metrics.averageCharWidth()));
}

}  // namespace

CAxisDlg::AxisControls CAxisDlg::NewAxisGroup(const QString& title, QVBoxLayout* controls)
{
    AxisControls c{NewEdit(65), NewEdit(65), NewEdit(65), new QCheckBox(tr("Log"), this),
                   new CSpinEdit(0, 9, this)};
    for (QLineEdit* edit : {c.min, c.max, c.step})
        FitWidestValue(edit);
    c.limit->setMinimumWidth(DluX(24));
    QGridLayout* grid = NewEditGrid({{tr("min"), c.min}, {tr("max"), c.max}, {tr("step"), c.step}}, 30);
    auto* limitRow = new QHBoxLayout;
    limitRow->addWidget(NewLabel(tr("limit"), 35));
    limitRow->addWidget(c.limit);
    grid->addWidget(c.log, 3, 0);
    grid->addLayout(limitRow, 3, 1);
    controls->addWidget(NewGroup(title, grid));
    return c;
}

void CAxisDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Number(m_V.min, m_dVMin);
    dx.Number(m_V.max, m_dVMax);
    dx.Number(m_V.step, m_dVStep);
    if (m_bHTime) {
        dx.DateTime(m_H.min, m_dHMin);
        dx.DateTime(m_H.max, m_dHMax);
    } else {
        dx.Number(m_H.min, m_dHMin);
        dx.Number(m_H.max, m_dHMax);
    }
    dx.Number(m_H.step, m_dHStep);
    dx.Check(m_V.log, m_bVLog);
    dx.Check(m_H.log, m_bHLog);
    dx.Unsigned(m_V.limit->Edit(), m_nVLimit, 0, 9);
    dx.Unsigned(m_H.limit->Edit(), m_nHLimit, 0, 9);
    dx.Check(m_checkRound, m_bRoundTicks);
}
