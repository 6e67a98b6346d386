#pragma once

class CColumnLabels;
class CDC;
struct CPageLayout;
struct CPlotSettings;

// Grid lines and labels of the horizontal axis, with the pen already selected.
// The axis labels the plot's width from m_dHMin to m_dHMax with a scale of its
// own; it does not move the data. When only its ends are labelled and the
// file gave the columns labels, an end at a column shows that column's label.
void DrawHorizontalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& layout, const CColumnLabels& columns);
