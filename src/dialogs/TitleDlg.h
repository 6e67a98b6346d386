#pragma once
// The chart title, at most 128 bytes counted in Shift-JIS.

#include "dialogs/SettingsDialog.h"

class CTitleDlg : public CSettingsDialog {
    Q_OBJECT
public:
    explicit CTitleDlg(QWidget* parent = nullptr);

    QString m_strTitle;

    QLineEdit* m_editTitle;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
