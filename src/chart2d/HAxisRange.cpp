#include "chart2d/HAxisRange.h"

#include "doc/DocSnapshot.h"
#include "settings/PlotSettings.h"

HPlacement PlacementOf(const CDocSnapshot& doc, int graphType)
{
    const bool x = !doc->m_x.IsEmpty();
    if (x && (graphType != 2 || doc->m_x.NeverFalls()))
        return HPlacement::XValues;
    return x || doc->m_bColumnWise ? HPlacement::ColumnNumbers : HPlacement::Region;
}

CHAxisRange HorizontalAxisOf(const CDocSnapshot& doc, const CPlotSettings& s)
{
    CHAxisRange h{PlacementOf(doc, s.m_nGraphType), s.m_dHMin, s.m_dHMax, s.m_bHLog, false};
    if (h.placement == HPlacement::XValues)
        h.time = doc->m_x.IsTime();
    else if (h.placement == HPlacement::ColumnNumbers && !doc->m_x.IsEmpty())
        h = {h.placement, double(doc.m_nX1), double(doc.m_nX2), false, false};
    return h;
}
