#pragma once
// The layout of one drawn page: what a draw returns, so that page positions can
// be turned back into columns, rows and values afterwards.

// How a 2D chart places its columns along H: by the region, column m_nX1 on
// the plot's left edge and m_nX2 on its right, whatever the H axis says; or at
// their position on the H axis: their column numbers, or their x values.
enum class HPlacement { Region, ColumnNumbers, XValues };

struct CPageLayout {
    // In page units: pixels on the screen, 0.1 mm on paper.
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    bool m_bPrinted = false;  // a printed or previewed page, not the screen
    // The least height of the chart's text, in page units; 0: as the page's
    // size makes it. A small window keeps its text legible this way.
    double m_dMinText = 0.0;
    // The legend is drawn: asked for, and room for it on the page.
    bool m_bLegend = false;
    // Room right of the plot for the labels of the right V axis; 0: none.
    int m_nRightAxisWidth = 0;
    // The plot rectangle of a 2D chart.
    int m_nPlotLeft = 0;
    int m_nPlotRight = 0;
    int m_nPlotBottom = 0;
    int m_nPlotTop = 0;
    HPlacement m_nHPlacement = HPlacement::Region;
    // Page units per column step of the region (Region placement), or per H
    // unit (per decade when m_bHLog) from m_dHStart on the plot's left edge.
    double m_dHScale = 0.0;
    double m_dHStart = 0.0;
    bool m_bHLog = false;
    double m_dVScale = 0.0;  // page units per value unit, or per decade when logarithmic
    // The V axis starts at the plot's bottom with m_dVStart: m_dVMin, or when
    // m_bVLog its log10 (floored at -6).
    double m_dVStart = 0.0;
    bool m_bVLog = false;
    // The V axis at the right, when series read on it: the same for its values.
    double m_dV2Scale = 0.0;
    double m_dV2Start = 0.0;
    bool m_bV2Log = false;
    double m_d3DScale = 0.0;  // the 3D chart's page units per grid step
    int m_n3DWidth = 0;  // the page width the 3D chart is centred in: all but a colour bar
};
