#include "chart3d/ValueTicks3D.h"

#include "chart3d/LabelWriter3D.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Overlaps(const C3DRows& rows, const std::vector<C3DRows>& taken)
{
    return std::any_of(taken.begin(), taken.end(),
                       [&](const C3DRows& t) { return rows.from < t.to && t.from < rows.to; });
}

}  // namespace

C3DValueTicks::C3DValueTicks(double vmin, double vmax, int length, int cw)
    : m_ticks(MakeTicks(TickScale::Linear, vmin, vmax, std::clamp(length / (5 * cw), 1, 10)).ticks), m_cw(cw)
{
}

int C3DValueTicks::LongestLabel() const
{
    std::size_t n = 0;
    for (const AxisTick& t : m_ticks)
        n = std::max(n, t.label.size());
    return int(n);
}

// Ticks lie evenly: every stride-th keeps the labels a line apart, counted
// from 0 when it is a tick so that the labels drawn stay round.
C3DValueTicks::Stride C3DValueTicks::StrideOn(const PointAt& at) const
{
    const std::size_t n = m_ticks.size();
    const std::optional<CPoint> p0 = n > 1 ? at(m_ticks[0].value) : std::nullopt;
    const std::optional<CPoint> p1 = n > 1 ? at(m_ticks[1].value) : std::nullopt;
    if (!p0 || !p1)
        return {1, 0};
    const long long gap = std::llabs((long long)p1->y - p0->y);
    const long long line = 2LL * m_cw + 1;
    const std::size_t every = gap > 0 ? std::size_t(std::min<long long>((line + gap - 1) / gap, (long long)n)) : n;
    std::size_t first = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (m_ticks[i].value == 0.0)
            first = i % every;
    }
    return {every, first};
}

void C3DValueTicks::Draw(CDC& dc, const PointAt& at, bool right, std::vector<C3DRows> taken) const
{
    const Stride stride = StrideOn(at);
    for (std::size_t i = stride.first; i < m_ticks.size(); i += stride.every) {
        const AxisTick& t = m_ticks[i];
        const std::optional<CPoint> p = at(t.value);
        if (!p)
            continue;
        const C3DRows rows{(long long)p->y - m_cw, (long long)p->y + m_cw};
        const std::optional<int> markEnd = AddInts(p->x, right ? m_cw / 2 : -m_cw / 2);
        if (!markEnd || Overlaps(rows, taken))
            continue;
        taken.push_back(rows);
        dc.MoveTo(p->x, p->y);
        dc.LineTo(*markEnd, p->y);
        C3DLabelWriter{dc, m_cw}.Beside(*p, right, m_cw, t.label);
    }
}
