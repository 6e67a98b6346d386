#pragma once
// The horizontal axis a 2D chart is drawn with: how its columns are placed,
// and the range, scale and kind of value its labels show.

#include "settings/PageLayout.h"

class CDocSnapshot;
struct CPlotSettings;

struct CHAxisRange {
    HPlacement placement = HPlacement::Region;
    double min = 0.0;
    double max = 0.0;
    bool log = false;
    bool time = false;  // the values are date-times
};

// Where a chart of type graphType places doc's columns: at their x values
// when the document has them (the stacked chart only when they never fall),
// at their column numbers when the document was read column-wise or its x
// values fall, else by the region.
HPlacement PlacementOf(const CDocSnapshot& doc, int graphType);

// The axis of s's chart of doc: the settings' H range, except where the
// stacked chart falls back from falling x values to the region's column
// numbers.
CHAxisRange HorizontalAxisOf(const CDocSnapshot& doc, const CPlotSettings& s);
