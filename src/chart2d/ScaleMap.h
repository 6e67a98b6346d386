#pragma once
// The one mapping between values along an axis and page units, linear or
// logarithmic, both ways: the axes, the series and the mouse zoom all use it,
// so that what is drawn and what a drag reads back always agree.

#include "gfx/PageInt.h"

#include <cmath>
#include <optional>

struct CPageLayout;

// The logarithmic position of an axis end; ends at or below 1e-6 sit at -6.
inline double LogAxisEnd(double v)
{
    return v > 1e-6 ? std::log10(v) : std::log10(1e-6);
}

class CScaleMap {
public:
    // Axis position start (a value, or the log10 of one) lies on page position
    // origin, and one axis unit is scale page units.
    CScaleMap(int origin, double start, double scale, bool log)
        : m_nOrigin(origin), m_dStart(start), m_dScale(scale), m_bLog(log)
    {
    }
    // min on page position from, max on to; a logarithmic map spans the decades
    // between the ends, each floored at 1e-6.
    static CScaleMap Fit(int from, int to, double min, double max, bool log);
    // The maps a 2D draw left in layout: H positions to page x (the region's
    // columns from 0, or the H axis's values, as the layout places them), and
    // values to page y.
    static CScaleMap Horizontal(const CPageLayout& layout);
    static CScaleMap Values(const CPageLayout& layout);
    static CScaleMap RightValues(const CPageLayout& layout);

    int Origin() const { return m_nOrigin; }
    double Start() const { return m_dStart; }
    double Scale() const { return m_dScale; }
    bool IsLog() const { return m_bLog; }

    // Where a value lies on the axis: the value, or its log10.
    double Position(double v) const { return m_bLog ? std::log10(v) : v; }
    // The page position of an axis position, truncated toward zero; nothing when
    // it is infinite, undefined or beyond the int range.
    std::optional<int> PageOfPosition(double t) const { return TruncToInt((t - m_dStart) * m_dScale, m_nOrigin); }
    std::optional<int> ToPage(double v) const { return PageOfPosition(Position(v)); }
    // Axis units from the start to page position p.
    double Offset(double p) const { return (p - m_nOrigin) / m_dScale; }
    // The value at page position p.
    double ToValue(double p) const;

private:
    int m_nOrigin;
    double m_dStart;
    double m_dScale;
    bool m_bLog;
};
