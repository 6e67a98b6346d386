#pragma once
// The pen of the line chart: width 0..99 and one of the five pen styles.

#include "dialogs/SettingsDialog.h"

class CSpinEdit;
class QComboBox;

class CLineAttrDlg : public CSettingsDialog {
    Q_OBJECT
public:
    explicit CLineAttrDlg(QWidget* parent = nullptr);

    int m_nWidth = 0;
    int m_nStyle = -1;  // index of the pen style, -1 for none

    CSpinEdit* m_spinWidth;
    QComboBox* m_comboStyle;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
