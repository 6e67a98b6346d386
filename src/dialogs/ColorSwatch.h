#pragma once
// A sunken, black-framed box filled with a colour, read from the dialog
// member it shows each time it is painted.

#include "gfx/GdiTypes.h"

#include <QFrame>

class CColorSwatch : public QFrame {
    Q_OBJECT
public:
    CColorSwatch(const COLORREF* color, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const COLORREF* m_pColor;
};
