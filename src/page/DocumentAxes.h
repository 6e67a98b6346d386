#pragma once
// The axes a chart window takes from its document: at the first update, when
// the document's region changes and when the document is read again. The H
// axis always names the columns drawn: their numbers, or their x values.

#include <optional>
#include <vector>
#include <utility>

class CDocSnapshot;
class CSorvDoc;
struct CSeriesStyle;
struct CPlotSettings;

// The H range of doc's region: its first and last column, or the smallest
// and largest x value of its columns (a single value widened by half a unit
// either way). Nothing when the region's columns have no x value.
std::optional<std::pair<double, double>> RegionHRange(const CDocSnapshot& doc);

// The first update of a new view: the V axis from the document's range, the
// H axis from its region, the title; rounded ticks for a document read
// column-wise or with x values.
void InitialUpdate(CPlotSettings& s, const CSorvDoc& doc);

// The H range follows the document's region; steps, log flags and limits stay.
void FollowRegion(CPlotSettings& s, const CDocSnapshot& doc);

// Which axes still show what the document gave them: the V axis its range
// (as the first update or a double click set it), the H axis its region, the
// right V axis the range of its series.
struct CAxesFollow {
    bool v = false;
    bool h = false;
    bool v2 = false;
};
CAxesFollow AxesFollowing(const CPlotSettings& s, const CDocSnapshot& doc);
// After doc was read again: the axes that followed it take its new range and region.
void FollowDocument(CPlotSettings& s, const CDocSnapshot& doc, CAxesFollow follow);
// The series take new styles; the V axes that followed the series shown on
// them follow them still (a series hidden or moved to the right leaves the
// left axis's range where that range is automatic).
void RestyleSeries(CPlotSettings& s, const CDocSnapshot& doc, std::vector<CSeriesStyle> styles);
// Both V axes take their ranges from the document again (a double click).
void ResetValueRanges(CPlotSettings& s, const CDocSnapshot& doc);
