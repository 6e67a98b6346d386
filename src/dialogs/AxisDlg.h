#pragma once
// The two axes of the 2D charts: range, tick step, logarithmic switch and the
// digits after the decimal point of the labels ("limit", 0..9).

#include "dialogs/SettingsDialog.h"

class CSpinEdit;
class QCheckBox;
class QVBoxLayout;

class CAxisDlg : public CSettingsDialog {
    Q_OBJECT
public:
    explicit CAxisDlg(QWidget* parent = nullptr);

    double m_dVMin = 0.0;
    double m_dVMax = 0.0;
    double m_dVStep = 0.0;
    double m_dHMin = 0.0;
    double m_dHMax = 0.0;
    double m_dHStep = 0.0;
    bool m_bVLog = false;
    bool m_bHLog = false;
    unsigned m_nVLimit = 0;
    unsigned m_nHLimit = 0;
    bool m_bRoundTicks = false;
    // The H axis shows date-times: its minimum and maximum read as such.
    bool m_bHTime = false;

    // The controls of one axis group.
    struct AxisControls {
        QLineEdit* min;
        QLineEdit* max;
        QLineEdit* step;
        QCheckBox* log;
        CSpinEdit* limit;
    };
    AxisControls m_V;
    AxisControls m_H;
    // 目盛りを丸める: the steps and limits are then not used.
    QCheckBox* m_checkRound;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    AxisControls NewAxisGroup(const QString& title, QVBoxLayout* controls);
    void EnableSteps();
};
