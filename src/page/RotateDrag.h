#pragma once
// Turning the 3D chart by dragging: the x angle follows the mouse up and down,
// the y angle left and right, from the angles the drag began with.

#include "gfx/GdiTypes.h"

struct CPlotSettings;

class CRotateDrag {
public:
    static constexpr double kDegreesPerPixel = 0.5;

    void Begin(CPoint start, const CPlotSettings& s);
    void End() { m_bActive = false; }
    bool IsActive() const { return m_bActive; }
    // Sets the x and y angles of s for the mouse at p, each kept in 0..360.
    // Up turns x as the up arrow does, right turns y as the right arrow does.
    void MoveTo(CPoint p, CPlotSettings& s) const;

private:
    bool m_bActive = false;
    CPoint m_ptStart{};
    double m_dRotX = 0.0;
    double m_dRotY = 0.0;
};
