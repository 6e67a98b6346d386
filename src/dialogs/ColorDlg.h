#pragma once
// The four scheme colours of a chart, each picked in the colour picker and
// shown in a swatch beside its button.

#include "dialogs/SettingsDialog.h"
#include "gfx/GdiTypes.h"

class CColorSwatch;

class CColorDlg : public CSettingsDialog {
    Q_OBJECT
public:
    explicit CColorDlg(QWidget* parent = nullptr);

    // Set by the caller before the dialog runs.
    COLORREF m_crForeground = 0;
    COLORREF m_crBackground = 0;
    COLORREF m_crView = 0;
    COLORREF m_crAxis = 0;

    QPushButton* m_btnForeground;
    QPushButton* m_btnBackground;
    QPushButton* m_btnView;
    QPushButton* m_btnAxis;
    CColorSwatch* m_swForeground;
    CColorSwatch* m_swBackground;
    CColorSwatch* m_swView;
    CColorSwatch* m_swAxis;

protected:
    // The colours are held by the members alone: nothing to exchange.
    void DoDataExchange(CDataExchange&) override {}

private:
    // Opens the picker on color; a colour chosen there is stored and shown at once.
    void Pick(COLORREF& color, CColorSwatch* swatch);
};
