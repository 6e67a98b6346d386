#pragma once
// How the user styles one series (a row of the document) beyond the chart's
// own settings: shown or hidden, its colour, marker and line, and the V axis
// it reads on. The defaults leave the chart as its settings draw it.

#include "gfx/GdiTypes.h"

enum class MarkerShape { Chart = -1, Square, Circle, Cross, None };

struct CSeriesStyle {
    bool m_bHidden = false;
    bool m_bOwnColor = false;  // m_crColor instead of the palette's
    COLORREF m_crColor = 0;
    MarkerShape m_nMarker = MarkerShape::Chart;  // the chart's: a square in the scatter chart, none on a line
    int m_nMarkerSize = 0;                       // half its side in page units; 0: as the page width gives it
    int m_nLineWidth = -1;                       // -1: the chart's
    int m_nLineStyle = -1;                       // -1: the chart's
    bool m_bRightAxis = false;                   // reads on the V axis at the right of the plot

    friend bool operator==(const CSeriesStyle&, const CSeriesStyle&) = default;
};
