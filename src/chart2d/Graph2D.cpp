#include "chart2d/Graph2D.h"

#include "chart2d/Axes.h"
#include "chart2d/Legend.h"
#include "chart2d/ScatterLineGraph.h"
#include "chart2d/StackedGraph.h"
#include "gfx/DC.h"
#include "settings/PlotSettings.h"

// Grid and labels lie under the series, the frame over their edges; the
// series are cut to the plot rectangle.
void DrawGraph2D(CDC& dc, const CSorvDoc& doc, CPlotSettings& s)
{
    DrawAxes(dc, doc, s);
    if (s.m_bLegend)
        DrawLegend(dc, doc, s);
    dc.IntersectClipRect(s.m_nPlotLeft, s.m_nPlotTop, s.m_nPlotRight, s.m_nPlotBottom);
    if (s.m_nGraphType == 0)
        DrawScatterGraph(dc, doc, s);
    else if (s.m_nGraphType == 1)
        DrawLineGraph(dc, doc, s);
    else if (s.m_nGraphType == 2)
        DrawStackedGraph(dc, doc, s);
    dc.SelectClipRgnNull();
    DrawPlotFrame(dc, s);
}
