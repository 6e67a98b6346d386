#pragma once
// The 3D view: rotation about x, y and z in degrees (0..360), the z and y
// scale factors (1e-6..1000000) and the model.

#include "dialogs/SettingsDialog.h"

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

    QLineEdit* m_editRotX;
    QLineEdit* m_editRotY;
    QLineEdit* m_editRotZ;
    QLineEdit* m_editScaleZ;
    QLineEdit* m_editScaleY;
    QComboBox* m_comboModel;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
