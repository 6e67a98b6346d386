#include "dialogs/AngleDlg.h"

#include "dialogs/DataExchange.h"
#include "settings/FieldRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CAngleDlg::CAngleDlg(QWidget* parent)
    : CSettingsDialog(tr("Angle"), parent), m_editRotX(NewEdit(55)), m_editRotY(NewEdit(55)),
      m_editRotZ(NewEdit(55)), m_editScaleZ(NewEdit(55)), m_editScaleY(NewEdit(55)),
      m_checkScaleZFit(new QCheckBox(tr("Fit z to box"), this)), m_editScaleZFit(NewEdit(55)),
      m_comboModel(new QComboBox(this)), m_checkColorBar(new QCheckBox(tr("Color bar, z ticks"), this))
{
    m_comboModel->addItems({tr("Wire frame"), tr("Surface"), tr("Color polyline"), tr("Color polygon"),
                            tr("Shading (Gray)"), tr("Shading (Blue)")});
    m_comboModel->setMinimumWidth(DluX(90));
    auto* model = new QGridLayout;
    model->addWidget(m_comboModel, 0, 0);
    model->addWidget(m_checkColorBar, 1, 0);

    auto* controls = new QVBoxLayout;
    controls->setSpacing(DluY(5));
    QGridLayout* rotation = NewEditGrid({{tr("x", "rotation about"), m_editRotX},
                                         {tr("y", "rotation about"), m_editRotY},
                                         {tr("z", "rotation about"), m_editRotZ}},
                                        35);
    controls->addWidget(NewGroup(tr("Rotation [Degree]"), rotation));
    controls->addWidget(NewGroup(tr("Scale"), NewScaleGrid()));
    controls->addWidget(NewGroup(tr("Model"), model));
    FinishLayout(controls, {m_editRotX, m_editRotY, m_editRotZ, m_editScaleZ, m_editScaleY, m_checkScaleZFit,
                            m_editScaleZFit, m_comboModel, m_checkColorBar});
}

// z and y, then the fit of the values to the box with its share, which is
// used only while the fit is checked.
QGridLayout* CAngleDlg::NewScaleGrid()
{
    QGridLayout* scale =
        NewEditGrid({{tr("z", "scale of the values"), m_editScaleZ}, {tr("y", "scale of the rows"), m_editScaleY}}, 35);
    scale->addWidget(m_checkScaleZFit, 2, 0, 1, 2);
    scale->addWidget(NewLabel(tr("share", "of the box's longer side that the values fill"), 35), 3, 0);
    scale->addWidget(m_editScaleZFit, 3, 1);
    m_editScaleZFit->setEnabled(false);
    connect(m_checkScaleZFit, &QCheckBox::toggled, m_editScaleZFit, &QWidget::setEnabled);
    return scale;
}

void CAngleDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Number(m_editRotX, m_dRotX, 0.0, 360.0);
    dx.Number(m_editRotY, m_dRotY, 0.0, 360.0);
    dx.Number(m_editRotZ, m_dRotZ, 0.0, 360.0);
    dx.Number(m_editScaleZ, m_dScaleZ, 1e-6, 1000000.0);
    dx.Index(m_comboModel, m_nModel);
    dx.Number(m_editScaleY, m_dScaleY, 1e-6, 1000000.0);
    dx.Check(m_checkScaleZFit, m_bScaleZFit);
    if (!dx.m_bSaveAndValidate || m_bScaleZFit)
        dx.Number(m_editScaleZFit, m_dScaleZFit, FieldRules::kMinScaleZFit, FieldRules::kMaxScaleZFit);
    dx.Check(m_checkColorBar, m_bColorBar);
}
