#include "chart3d/Cells3D.h"

#include "chart3d/Projection3D.h"
#include "chart3d/Tables3D.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct Corner {
    C3DPoint view;
    std::optional<CPoint> page;
};

// What every cell shares: the value range and the model's objects.
struct CellStyle {
    int model;
    double vmin;
    double vmax;
    double range;
    const C3DTables& tables;
};

Corner MapCorner(const C3DProjection& proj, double x, double y, double value)
{
    const C3DPoint p = proj.Rotate(x, y, proj.ModelV(value));
    return {p, proj.ToPage(p.X, p.Y)};
}

// The rows or columns the surface is drawn from: every step-th index from
// first, and last.
class GridLines {
public:
    GridLines(int first, int last, int step)
        : m_first(first), m_last(last), m_step(step), m_count(int((std::int64_t(last) - first + step - 1) / step + 1))
    {
    }
    int Count() const { return m_count; }
    int At(int n) const { return n + 1 < m_count ? m_first + n * m_step : m_last; }

private:
    int m_first;
    int m_last;
    int m_step;
    int m_count;
};

// The grid points of row j at the grid columns from .. from + out.size() - 1.
void MapRow(const C3DProjection& proj, const CDocSnapshot& doc, int j, const GridLines& cols, int from,
            std::vector<Corner>& out)
{
    const double y = proj.ModelY(j);
    const double* values = doc->Row(j);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const int col = cols.At(from + int(n));
        out[n] = MapCorner(proj, proj.ModelX(col), y, values[col]);
    }
}

// Every step-th row and column, so that a cell is about two page units: a
// draft of a surface with many more cells than the page has pixels.
int DraftStep(const C3DProjection& proj)
{
    const double step = 2.0 / proj.m_dScale;
    return step >= 2.0 && step < 1e6 ? int(step) : 1;
}

bool InRange(const CellStyle& st, double v)
{
    return v >= st.vmin && v <= st.vmax;  // false for NaN
}

// The shading level 0..255 of a cell from its corners A, C and D; -1 when the
// cell is seen from below or its normal has no usable length.
int ShadeLevel(const C3DPoint& a, const C3DPoint& c, const C3DPoint& d)
{
    const double ux = a.X - c.X, uy = a.Y - c.Y, uz = a.Z - c.Z;
    const double wx = c.X - d.X, wy = c.Y - d.Y, wz = c.Z - d.Z;
    const double nx = uz * wy - uy * wz;
    const double ny = ux * wz - uz * wx;
    const double nz = uy * wx - ux * wy;
    const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (!(len > 0.0) || !std::isfinite(len))
        return -1;
    const double t = nz / len;
    if (!(t >= 0.0))
        return -1;
    const double q = t * 255.0;
    return q >= 255.0 ? 255 : int(q);
}

void DrawCell(CDC& dc, const CellStyle& st, const double (&v)[4], const Corner* (&k)[4])
{
    for (int n = 0; n < 4; ++n) {
        if (!InRange(st, v[n]) || !k[n]->page)
            return;
    }
    const CPoint pts[5] = {*k[0]->page, *k[1]->page, *k[2]->page, *k[3]->page, *k[0]->page};
    switch (st.model) {
    case 0:
        dc.Polyline(pts, 5);
        return;
    case 1:
        break;
    case 2:
    case 3: {
        const double sum = ((v[2] + v[3]) + v[1]) + v[0];
        const int idx = RampIndex(sum * 0.25, st.vmin, st.range);
        if (st.model == 2)
            dc.SelectObject(st.tables.m_pens[idx]);
        else
            dc.SelectObject(st.tables.m_brushes[idx]);
        break;
    }
    default: {
        const int level = ShadeLevel(k[0]->view, k[2]->view, k[3]->view);
        if (level < 0)
            return;
        dc.SelectObject(st.tables.m_pens[level]);
        dc.SelectObject(st.tables.m_brushes[level]);
        break;
    }
    }
    dc.Polygon(pts, 4);
}

// The cells between the grid points in upper (row j0) and lower (row j1),
// which start at grid column from.
void DrawRowOfCells(CDC& dc, const CDocSnapshot& doc, const CellStyle& st, int j0, int j1, const GridLines& cols,
                    int from, const std::vector<Corner>& upper, const std::vector<Corner>& lower)
{
    const double* row0 = doc->Row(j0);
    const double* row1 = doc->Row(j1);
    for (std::size_t i = 0; i + 1 < upper.size(); ++i) {
        const int i0 = cols.At(from + int(i));
        const int i1 = cols.At(from + int(i) + 1);
        const double values[4] = {row0[i0], row0[i1], row1[i1], row1[i0]};
        const Corner* corners[4] = {&upper[i], &upper[i + 1], &lower[i + 1], &lower[i]};
        DrawCell(dc, st, values, corners);
    }
}

}  // namespace

void Draw3DCells(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const C3DProjection& proj,
                 const C3DTables& tables, int blockPoints)
{
    const CellStyle st{s.m_nModel, s.m_dVMin, s.m_dVMax, s.m_dVMax - s.m_dVMin, tables};
    if (!doc.RegionInMatrix() || !(st.range > 0.0) || st.model < 0 || st.model > 5)
        return;
    const int step = dc.m_bDraft ? DraftStep(proj) : 1;
    const GridLines cols{doc.m_nX1, doc.m_nX2, step};
    const GridLines rows{doc.m_nY1, doc.m_nY2, step};
    // The grid points are mapped a block of grid columns at a time,
    // neighbouring blocks sharing a column. When a whole row fits one block
    // each point is mapped once: the lower edge of one row of cells is the
    // upper edge of the next.
    const bool wholeRows = cols.Count() <= blockPoints;
    const int block = wholeRows ? cols.Count() : blockPoints;
    std::vector<Corner> upper;
    std::vector<Corner> lower;
    for (int r = 0; r + 1 < rows.Count() && dc.Proceed(r, rows.Count()); ++r) {
        const int j0 = rows.At(r);
        const int j1 = rows.At(r + 1);
        for (int from = 0; from + 1 < cols.Count();) {
            const int n = std::min(block, cols.Count() - from);
            if (!wholeRows || r == 0) {
                upper.resize(std::size_t(n));
                MapRow(proj, doc, j0, cols, from, upper);
            }
            lower.resize(std::size_t(n));
            MapRow(proj, doc, j1, cols, from, lower);
            DrawRowOfCells(dc, doc, st, j0, j1, cols, from, upper, lower);
            if (wholeRows)
                std::swap(upper, lower);
            from += n - 1;
        }
    }
}
