#pragma once
// Zero-width polygons (every point on one vertical line) drawn one after the
// other with one solid pen and brush, gathered per x: such a polygon fills
// nothing and its outline covers the pixels of its vertical span, so while
// the spans overlap, one polygon over their union covers the pixels of all.
// A polygon of a single point marks a pixel of its own, which at a fractional
// scale may lie beside the spans' pixels: each such point is kept, once.

#include "gfx/LineRun.h"

#include <vector>

class CSpanRun {
public:
    // Takes the polygon when it is zero-width and continues the run; false
    // leaves it to the caller, who ends the run (Finish) and draws it.
    bool Add(const CPoint* points, int count) { return !IsEmpty() && Take(points, count); }
    // Starts a run with the polygon when it is zero-width (no run gathered).
    bool Start(const CPoint* points, int count) { return Take(points, count); }
    // Ends the run: the polygons to draw go to out, each as two points.
    void Finish(std::vector<CLine>& out);

private:
    bool IsEmpty() const { return !m_bSpan && m_points.empty(); }
    bool Take(const CPoint* points, int count);

    bool m_bSpan = false;
    int m_x = 0;
    int m_yLow = 0;
    int m_yHigh = 0;
    std::vector<int> m_points;  // y of the single points
};
