#pragma once
// Zero-width polygons (every point on one vertical line) drawn one after the
// other with one solid pen and brush, gathered per x: such a polygon fills
// nothing and its outline covers the pixels of its vertical span, so while
// the spans overlap, one polygon over their union covers the pixels of all.
// A polygon of a single point marks a pixel of its own, which at a fractional
// scale may lie beside the spans' pixels: each such point is kept, once.

#include "gfx/LineRun.h"

#include <algorithm>
#include <vector>

class CSpanRun {
public:
    // Takes the polygon when it is zero-width and continues the run; false
    // leaves it to the caller, who ends the run (Finish) and draws it. Kept
    // inline: it runs for every pair of columns of a stacked chart.
    bool Add(const CPoint* points, int count)
    {
        int low = 0, high = 0;
        if (IsEmpty() || !Extent(points, count, m_x, low, high))
            return false;
        if (m_bSpan && low < high && low <= m_yHigh && high >= m_yLow) {
            m_yLow = std::min(m_yLow, low);
            m_yHigh = std::max(m_yHigh, high);
            return true;
        }
        return Join(low, high);
    }
    // Starts a run with the polygon when it is zero-width (no run gathered).
    bool Start(const CPoint* points, int count);
    // Ends the run: the polygons to draw go to out, each as two points.
    void Finish(std::vector<CLine>& out);

private:
    bool IsEmpty() const { return !m_bSpan && m_points.empty(); }
    // The lowest and highest y of a polygon whose points all lie at x.
    static bool Extent(const CPoint* points, int count, int x, int& low, int& high)
    {
        low = high = points[0].y;
        for (int i = 0; i < count; ++i) {
            if (points[i].x != x)
                return false;
            low = std::min(low, points[i].y);
            high = std::max(high, points[i].y);
        }
        return true;
    }
    bool Join(int low, int high);

    bool m_bSpan = false;
    int m_x = 0;
    int m_yLow = 0;
    int m_yHigh = 0;
    std::vector<int> m_points;  // y of the single points
};
