#pragma once
// The settings changes of the view commands, free of any window.

#include "settings/FieldRules.h"
#include "settings/PlotSettings.h"

#include <algorithm>

// Stores the three angles, each folded once into 0..360 (360 stays 360).
inline void SetRotation(CPlotSettings& s, double x, double y, double z)
{
    double* const angles[3] = {&s.m_dRotX, &s.m_dRotY, &s.m_dRotZ};
    const double values[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        double v = values[i];
        if (v < 0.0)
            v += 360.0;
        if (v > 360.0)
            v -= 360.0;
        *angles[i] = v;
    }
}

// Zoom in while below 4; returns whether the zoom changed.
inline bool ZoomIn(CPlotSettings& s)
{
    if (!(s.m_dZoom < 4.0))
        return false;
    s.m_dZoom *= 1.25;
    return true;
}

// Zoom out while above 0.25; returns whether the zoom changed.
inline bool ZoomOut(CPlotSettings& s)
{
    if (!(s.m_dZoom > 0.25))
        return false;
    s.m_dZoom *= 0.8;
    return true;
}

// Stretches (factor above 1) or flattens the 3D chart's values: the fitted
// share within its bounds when the values are fitted to the box, else m_dScaleZ.
inline void StretchValues(CPlotSettings& s, double factor)
{
    if (s.m_bScaleZFit)
        s.m_dScaleZFit = std::clamp(s.m_dScaleZFit * factor, FieldRules::kMinScaleZFit, FieldRules::kMaxScaleZFit);
    else
        s.m_dScaleZ *= factor;
}
