#pragma once
// The markers of the series: the chart's square, a circle, a cross or none.

#include "settings/SeriesStyle.h"

class CDC;

// The marker of shape with half-size f centred on (x, y), drawn with the pen
// and the brush selected (a cross with the pen alone). Nothing when any of
// its corners would lie beyond the int range.
void DrawMarker(CDC& dc, MarkerShape shape, int x, int y, int f);
