#pragma once
// The colour bar of the colour models (2 and 3): the ramp over the V range,
// its lowest value at the bottom, each page row in the colour that the model
// gives its value, framed, with the value ticks at its right. It stands at the
// right edge of the page; the surface keeps the page left of it.

#include "chart3d/ValueTicks3D.h"
#include "gfx/GdiTypes.h"

#include <optional>

class CDC;
struct CPlotSettings;

class C3DColorBar {
public:
    // Shown when the settings ask for the value scale in model 2 or 3, the V
    // range has a finite positive size and the page leaves room: two
    // characters wide, from 15 % to 80 % of the page height, one character
    // left of the bar and one right of its labels.
    C3DColorBar(const CPlotSettings& s, int pageWidth, int pageHeight, int cw);

    bool IsShown() const { return m_bShown; }
    // The page width left for the surface: all of it when the bar is not shown.
    int SurfaceWidth() const { return m_bShown ? m_nStripLeft : m_nPageWidth; }
    // The ticks, which the box's edge shares; none when the bar is not shown.
    const C3DValueTicks* Ticks() const { return m_bShown ? &m_ticks : nullptr; }

    void Draw(CDC& dc, const CPlotSettings& s) const;

private:
    void DrawRamp(CDC& dc) const;
    void DrawFrame(CDC& dc) const;
    // The point on the bar's right edge at a value.
    std::optional<CPoint> TickPoint(double value) const;

    C3DValueTicks m_ticks;
    double m_dVMin = 0.0;
    double m_dRange = 0.0;
    int m_nPageWidth = 0;
    int m_nStripLeft = 0;
    int m_nLeft = 0;
    int m_nRight = 0;
    int m_nBottom = 0;
    int m_nTop = 0;
    int m_cw = 8;
    bool m_bShown = false;
};
