#pragma once
// The value ticks of the 3D chart: rounded values of the V range, shared by
// the colour bar and the box's vertical edge, each drawn as a short mark with
// its label beside it.

#include "gfx/GdiTypes.h"
#include "ticks/AxisTicks.h"

#include <functional>
#include <optional>
#include <vector>

class CDC;

// The page rows from..to that a label covers.
struct C3DRows {
    long long from = 0;
    long long to = 0;
};

class C3DValueTicks {
public:
    C3DValueTicks() = default;
    // Rounded ticks of vmin..vmax for a scale `length` page units long: at
    // most one per five character widths, at least one, at most ten. None for
    // a range that is empty, inverted or not finite.
    C3DValueTicks(double vmin, double vmax, int length, int cw);

    const std::vector<AxisTick>& Ticks() const { return m_ticks; }
    // The byte length of the longest label.
    int LongestLabel() const;

    using PointAt = std::function<std::optional<CPoint>(double)>;

    // Draws each tick at its page point at(value): a mark half a character
    // long toward the labels' side and the label beside it, centred on the
    // mark, in the pen and font selected. Where the ticks lie closer than a
    // line, only every second (third, ...) is drawn. A tick without a point,
    // or whose label would overlap a label drawn before it or the rows taken,
    // is left out.
    void Draw(CDC& dc, const PointAt& at, bool right, std::vector<C3DRows> taken) const;

private:
    struct Stride {
        std::size_t every;
        std::size_t first;
    };
    Stride StrideOn(const PointAt& at) const;

    std::vector<AxisTick> m_ticks;
    int m_cw = 8;
};
