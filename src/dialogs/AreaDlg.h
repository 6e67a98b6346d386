#pragma once
// The region to chart: first and last column and row, each 0 up to the largest
// index a document can have.

#include "dialogs/SettingsDialog.h"

class CAreaDlg : public CSettingsDialog {
    Q_OBJECT
public:
    explicit CAreaDlg(QWidget* parent = nullptr);

    int m_nX1 = 0;
    int m_nY1 = 0;
    int m_nX2 = 0;
    int m_nY2 = 0;

    QLineEdit* m_editX1;
    QLineEdit* m_editY1;
    QLineEdit* m_editX2;
    QLineEdit* m_editY2;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
