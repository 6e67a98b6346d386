#pragma once
// A chain of connected lines (LineTo after LineTo) reduced, per column of equal
// x, to the lines through the column's first, lowest, highest and last points.
// Every line within a column is vertical, so the lines kept cover the same
// pixels as all of them; each point where the chain stood still keeps its
// zero-length line (once), which on its own marks a pixel: where a page point
// is not a whole device pixel, that pixel may lie beside the column's lines.

#include "gfx/GdiTypes.h"

#include <vector>

struct CLine {
    CPoint from;
    CPoint to;
    friend bool operator==(const CLine&, const CLine&) = default;
};

class CLineRun {
public:
    // True when a line from `from` continues the chain.
    bool Continues(CPoint from) const { return m_bActive && from == m_ptEnd; }
    // Ends any chain (its lines go to out) and starts one at from.
    void Start(CPoint from, std::vector<CLine>& out);
    // The next line, from the chain's end to `to`; lines to draw now go to out.
    void Add(CPoint to, std::vector<CLine>& out)
    {
        if (to.x == m_ptEnd.x && m_nPoints > 0)
            AddToColumn(to);  // the common case of a dense chain, kept inline
        else
            AddOther(to, out);
    }
    // Ends the chain: the lines still gathered go to out.
    void Finish(std::vector<CLine>& out);

private:
    void AddToColumn(CPoint to)
    {
        if (to.y == m_ptEnd.y && (m_still.empty() || m_still.back() != to.y))
            m_still.push_back(to.y);
        if (to.y < m_yLow) {
            m_yLow = to.y;
            m_nLow = m_nPoints;
        }
        if (to.y > m_yHigh) {
            m_yHigh = to.y;
            m_nHigh = m_nPoints;
        }
        ++m_nPoints;
        m_ptEnd = to;
    }
    void AddOther(CPoint to, std::vector<CLine>& out);
    void EndColumn(std::vector<CLine>& out);

    bool m_bActive = false;
    CPoint m_ptEnd;
    // The column of the chain's end: whether its first vertical line is drawn,
    // and the points gathered after it (first, lowest, highest, last).
    bool m_bVertical = false;
    int m_nPoints = 0;
    int m_nLow = 0;   // index of the first lowest point
    int m_nHigh = 0;  // index of the first highest point
    int m_yFirst = 0;
    int m_yLow = 0;
    int m_yHigh = 0;
    std::vector<int> m_still;  // y of the column's zero-length lines
};
