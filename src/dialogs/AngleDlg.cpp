#include "dialogs/AngleDlg.h"

#include "dialogs/DataExchange.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CAngleDlg::CAngleDlg(QWidget* parent)
    : CSettingsDialog(tr("Angle"), parent), m_editRotX(NewEdit(55)), m_editRotY(NewEdit(55)),
      m_editRotZ(NewEdit(55)), m_editScaleZ(NewEdit(55)), m_editScaleY(NewEdit(55)), m_comboModel(new QComboBox(this))
{
    m_comboModel->addItems({tr("Wire frame"), tr("Surface"), tr("Color polyline"), tr("Color polygon"),
                            tr("Shading (Gray)"), tr("Shading (Blue)")});
    m_comboModel->setMinimumWidth(DluX(90));
    auto* model = new QGridLayout;
    model->addWidget(m_comboModel, 0, 0);

    auto* controls = new QVBoxLayout;
    controls->setSpacing(DluY(5));
    QGridLayout* rotation = NewEditGrid({{tr("x", "rotation about"), m_editRotX},
                                         {tr("y", "rotation about"), m_editRotY},
                                         {tr("z", "rotation about"), m_editRotZ}},
                                        35);
    controls->addWidget(NewGroup(tr("Rotation [Degree]"), rotation));
    QGridLayout* scale =
        NewEditGrid({{tr("z", "scale of the values"), m_editScaleZ}, {tr("y", "scale of the rows"), m_editScaleY}}, 35);
    controls->addWidget(NewGroup(tr("Scale"), scale));
    controls->addWidget(NewGroup(tr("Model"), model));
    FinishLayout(controls, {m_editRotX, m_editRotY, m_editRotZ, m_editScaleZ, m_editScaleY, m_comboModel});
}

void CAngleDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Number(m_editRotX, m_dRotX, 0.0, 360.0);
    dx.Number(m_editRotY, m_dRotY, 0.0, 360.0);
    dx.Number(m_editRotZ, m_dRotZ, 0.0, 360.0);
    dx.Number(m_editScaleZ, m_dScaleZ, 1e-6, 1000000.0);
    dx.Index(m_comboModel, m_nModel);
    dx.Number(m_editScaleY, m_dScaleY, 1e-6, 1000000.0);
}
