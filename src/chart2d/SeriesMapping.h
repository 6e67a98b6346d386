#pragma once
// Where the series of a 2D chart go: the region's rows and columns, and the
// page position of a column and of a value, shared by every series drawing.

#include "chart2d/ScaleMap.h"
#include "settings/PageLayout.h"

#include <optional>

class CSorvDoc;

class CSeriesMapping {
public:
    // Takes the plot rectangle and scales that DrawAxes left in layout.
    CSeriesMapping(const CSorvDoc& doc, const CPageLayout& layout);

    // The region's rows and columns; both 0 when there is no matrix or the
    // region is inverted or not inside it, so that nothing is read.
    int Rows() const { return m_nRows; }
    int Columns() const { return m_nColumns; }

    // x of the region's column c: column 0 on L, the others c * m_dHScale right
    // of it. Worked out when asked: nothing is kept per column.
    std::optional<int> X(int c) const { return ColumnOnMap(m_columns, c); }
    static std::optional<int> ColumnX(const CPageLayout& layout, int c)
    {
        return ColumnOnMap(CScaleMap::Columns(layout), c);
    }
    // y of a value, log10 of it on a logarithmic axis. Nothing when the position
    // is infinite, undefined or beyond the int range (a value of 0 or below on
    // a logarithmic axis, an empty V range): such a point is left out.
    std::optional<int> Y(double v) const { return m_values.ToPage(v); }

private:
    // A one-column region has an infinite scale; its column still lies on L.
    static std::optional<int> ColumnOnMap(const CScaleMap& columns, int c)
    {
        return c == 0 ? std::optional<int>(columns.Origin()) : columns.ToPage(c);
    }

    int m_nRows = 0;
    int m_nColumns = 0;
    CScaleMap m_columns;
    CScaleMap m_values;
};
