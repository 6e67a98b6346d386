#pragma once
// Where the series of a 2D chart go: the region's rows and columns, and the
// page position of a column and of a value, shared by every series drawing.

#include "chart2d/ScaleMap.h"
#include "settings/PageLayout.h"

#include <optional>

class CDocSnapshot;

class CSeriesMapping {
public:
    // Takes the plot rectangle and scales that DrawAxes left in layout. A
    // draft walks the columns in strides of half a pixel or more, so that it
    // draws no more than a quarter of a million points.
    CSeriesMapping(const CDocSnapshot& doc, const CPageLayout& layout, bool draft = false);

    // The region's rows and columns; both 0 when there is no matrix or the
    // region is inverted or not inside it, so that nothing is read.
    int Rows() const { return m_nRows; }
    int Columns() const { return m_nColumns; }
    // The columns a series walks, every Stride()-th: 1 but in a draft.
    int Stride() const { return m_nStride; }

    // x of the region's column c. Placed by the region: column 0 on L, the
    // others c * m_dHScale right of it; placed on the axis: at its column
    // number or its x value (nothing for a column without one). Worked out
    // when asked: nothing is kept per column.
    std::optional<int> X(int c) const { return ColumnX(m_nPlacement, m_horizontal, m_pX, m_nFirstColumn, c); }
    static std::optional<int> ColumnX(const CPageLayout& layout, const CDocSnapshot& doc, int c);
    // Whether the layout's placement suits doc: x values placed only where
    // every column has one.
    static bool PlacesOn(const CPageLayout& layout, const CDocSnapshot& doc);
    // y of a value, log10 of it on a logarithmic axis. Nothing when the position
    // is infinite, undefined or beyond the int range (a value of 0 or below on
    // a logarithmic axis, an empty V range): such a point is left out.
    std::optional<int> Y(double v) const { return m_values.ToPage(v); }
    // y of a value of a series on the right V axis (right) or the left one.
    std::optional<int> Y(double v, bool right) const { return (right ? m_right : m_values).ToPage(v); }

private:
    // x: the document's x values; first: the region's first column. A
    // one-column region placed by the region has an infinite scale; its
    // column still lies on L.
    static std::optional<int> ColumnX(HPlacement placement, const CScaleMap& horizontal, const double* x, int first,
                                      int c)
    {
        switch (placement) {
        case HPlacement::XValues: return horizontal.ToPage(x[first + c]);
        case HPlacement::ColumnNumbers: return horizontal.ToPage(double(first) + c);
        case HPlacement::Region: break;
        }
        return c == 0 ? std::optional<int>(horizontal.Origin()) : horizontal.ToPage(c);
    }

    int m_nRows = 0;
    int m_nColumns = 0;
    int m_nFirstColumn = 0;
    int m_nStride = 1;
    HPlacement m_nPlacement;
    const double* m_pX;
    CScaleMap m_horizontal;
    CScaleMap m_values;
    CScaleMap m_right;
};
