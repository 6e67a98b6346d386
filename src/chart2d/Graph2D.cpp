#include "chart2d/Graph2D.h"

#include "chart2d/Axes.h"
#include "chart2d/Legend.h"
#include "chart2d/ScatterLineGraph.h"
#include "chart2d/StackedGraph.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

// Grid and labels lie under the series, the frame over their edges; the
// series are cut to the plot rectangle.
void DrawGraph2D(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, CPageLayout& layout)
{
    DrawAxes(dc, doc, s, layout);
    const CPageLayout& l = layout;
    if (l.m_bLegend)
        DrawLegend(dc, doc, s, l);
    dc.IntersectClipRect(l.m_nPlotLeft, l.m_nPlotTop, l.m_nPlotRight, l.m_nPlotBottom);
    if (s.m_nGraphType == 0)
        DrawScatterGraph(dc, doc, s, l);
    else if (s.m_nGraphType == 1)
        DrawLineGraph(dc, doc, s, l);
    else if (s.m_nGraphType == 2)
        DrawStackedGraph(dc, doc, s, l);
    dc.SelectClipRgnNull();
    DrawPlotFrame(dc, s, l);
}
