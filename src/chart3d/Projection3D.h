#pragma once
// The mapping of the 3D chart: a grid point (column, row, value) is centred
// and scaled to model coordinates, turned by the three view angles, projected
// in parallel and scaled to fit the page. Filled once per draw.

#include "gfx/GdiTypes.h"

#include <optional>

class CDocSnapshot;
struct CPlotSettings;

// A point after the rotation: X right, Y up on the page, Z depth.
struct C3DPoint {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

class C3DProjection {
public:
    double m_dCenterCol = 0.0;
    double m_dCenterRow = 0.0;
    double m_dCenterValue = 0.0;
    double m_dValueScale = 0.0;
    double m_dScaleY = 1.0;
    double m_dRot[3][3] = {};
    double m_dScale = 0.0;
    int m_nOriginX = 0;
    int m_nOriginY = 0;

    // Computes the record from the settings, the document's region and the
    // page size. A region of one column, row or cell and an inverted one keep
    // the fit scale finite; an empty value range gives a value scale of 0.
    // Nothing is divided by zero.
    void Init(const CPlotSettings& s, const CDocSnapshot& doc, int pageWidth, int pageHeight);

    double ModelX(double col) const { return col - m_dCenterCol; }
    double ModelY(double row) const { return m_dCenterRow - row * m_dScaleY; }
    double ModelV(double value) const { return (value - m_dCenterValue) * m_dValueScale; }

    // Model point to view point: nine multiplications.
    C3DPoint Rotate(double x, double y, double v) const
    {
        return {m_dRot[0][0] * x + m_dRot[0][1] * y + m_dRot[0][2] * v,
                m_dRot[1][0] * x + m_dRot[1][1] * y + m_dRot[1][2] * v,
                m_dRot[2][0] * x + m_dRot[2][1] * y + m_dRot[2][2] * v};
    }
    C3DPoint ToView(double col, double row, double value) const
    {
        return Rotate(ModelX(col), ModelY(row), ModelV(value));
    }
    // The page point of a view point; none when it is not finite or lies
    // beyond the range of int.
    std::optional<CPoint> ToPage(double X, double Y) const;

    // The view points of the box around the region from m_dVMin to m_dVMax:
    // k0..k3 the face at the first row (k0 first column and lowest value, k1
    // last column, k2 above k1, k3 above k0), k4..k7 the same at the last row.
    void BoxCorners(const CDocSnapshot& doc, const CPlotSettings& s, C3DPoint (&corners)[8]) const;
    // Sets the fit scale so that the corners, as turned, lie within halfWidth
    // and halfHeight page units of the origin, times zoom; keeps it when they
    // give no finite positive scale (a box of no extent).
    void FitBox(const C3DPoint (&corners)[8], double halfWidth, double halfHeight, double zoom);
};
