#pragma once
// The plot settings of one chart window: what the user chooses. Every drawing
// function reads them and none changes them.

#include "gfx/GdiTypes.h"
#include "settings/SeriesStyle.h"

#include <string>
#include <vector>

struct CPlotSettings {
    // "ＭＳ ゴシック" in Shift-JIS.
    std::string m_strFontFace = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
    // Chart title, bytes in the document's encoding.
    std::string m_strTitle;
    COLORREF m_crForeground = 0x600000;
    COLORREF m_crBackground = 0xDFDFDF;
    COLORREF m_crView = 0xFFFFFF;
    COLORREF m_crAxis = 0x808080;
    COLORREF m_crSeries[7] = {0xFF00FF, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0080FF, 0x0000FF};
    int m_nGraphType = 0;  // 0 scatter, 1 line, 2 stacked, 3 3D
    int m_nLineStyle = 0;  // PS_SOLID .. PS_DASHDOTDOT
    int m_nLineWidth = 0;  // 0..99
    int m_nVLimit = 3;  // decimals of the V labels, 0..9
    int m_nHLimit = 0;  // decimals of the H labels, 0..9
    bool m_bVLog = false;
    bool m_bHLog = false;
    // Ticks at round values (1, 2 or 5 times a power of ten, decades, calendar
    // steps) labelled with the fewest digits that tell them apart, recomputed
    // with every range; the steps and label digits above are then not used.
    bool m_bRoundTicks = false;
    double m_dVMin = 0.0;
    double m_dVMax = 0.0;
    double m_dVStep = 0.0;
    double m_dHMin = 0.0;
    double m_dHMax = 0.0;
    double m_dHStep = 0.0;
    double m_dRotX = 337.5;
    double m_dRotY = 315.0;
    double m_dRotZ = 0.0;
    double m_dScaleY = 1.0;
    double m_dScaleZ = 0.1;
    // The value range fitted to a share of the box's longer side instead of
    // m_dScaleZ, so that any file stands at a readable height.
    bool m_bScaleZFit = false;
    double m_dScaleZFit = 0.5;
    int m_nModel = 1;  // 0 wire frame .. 5 blue shading
    bool m_bLegend = true;
    // The value scale of the 3D chart: a colour bar beside the colour models and
    // ticks on the box's vertical edge; the box is then fitted into the page.
    bool m_bColorBar = false;
    double m_dZoom = 1.0;
    // The series as the user styles them, by document row; rows beyond take
    // the defaults, which draw them as the settings above do.
    std::vector<CSeriesStyle> m_series;
    int m_nPalette = 0;            // 0: m_crSeries; else one of the palettes (Palettes.h)
    bool m_bPlainMarkers = false;  // scatter markers outlined in their own colour
    // The V axis at the right of the plot, for the series that read on it.
    double m_dV2Min = 0.0;
    double m_dV2Max = 0.0;
    double m_dV2Step = 0.0;
    bool m_bV2Log = false;
    int m_nV2Limit = 3;
};
