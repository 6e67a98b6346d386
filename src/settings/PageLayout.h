#pragma once
// The layout of one drawn page: what a draw returns, so that page positions can
// be turned back into columns, rows and values afterwards.

struct CPageLayout {
    // In page units: pixels on the screen, 0.1 mm on paper.
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    bool m_bPrinted = false;  // a printed or previewed page, not the screen
    // The plot rectangle of a 2D chart.
    int m_nPlotLeft = 0;
    int m_nPlotRight = 0;
    int m_nPlotBottom = 0;
    int m_nPlotTop = 0;
    double m_dHScale = 0.0;  // page units per column step of the region
    double m_dVScale = 0.0;  // page units per value unit, or per decade when logarithmic
    // The V axis starts at the plot's bottom with m_dVStart: m_dVMin, or when
    // m_bVLog its log10 (floored at -6).
    double m_dVStart = 0.0;
    bool m_bVLog = false;
    double m_d3DScale = 0.0;  // the 3D chart's page units per grid step
};
