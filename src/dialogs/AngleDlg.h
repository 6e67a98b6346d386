#pragma once
// The 3D view: rotation about x, y and z in degrees (0..360), the z and y
// scale factors (1e-6..1000000), the values fitted to a share of the box
// instead of the z scale, the model and the value scale.

#include "dialogs/SettingsDialog.h"

class QCheckBox;
class QComboBox;

class CAngleDlg : public CSettingsDialog {
    Q_OBJECT
public:
    explicit CAngleDlg(QWidget* parent = nullptr);

    double m_dRotX = 0.0;
    double m_dRotY = 0.0;
    double m_dRotZ = 0.0;
    double m_dScaleZ = 0.0;
    int m_nModel = -1;  // model index, -1 for none
    double m_dScaleY = 0.0;
    bool m_bScaleZFit = false;
    double m_dScaleZFit = 0.0;  // read only while m_bScaleZFit is checked
    bool m_bColorBar = false;

    QLineEdit* m_editRotX;
    QLineEdit* m_editRotY;
    QLineEdit* m_editRotZ;
    QLineEdit* m_editScaleZ;
    QLineEdit* m_editScaleY;
    QCheckBox* m_checkScaleZFit;
    QLineEdit* m_editScaleZFit;
    QComboBox* m_comboModel;
    QCheckBox* m_checkColorBar;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QGridLayout* NewScaleGrid();
};
