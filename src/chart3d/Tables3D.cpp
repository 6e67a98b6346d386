#include "chart3d/Tables3D.h"

COLORREF RampColor(int k)
{
    if (k < 0)
        k = 0;
    if (k > 1023)
        k = 1023;
    if (k < 256)
        return RGB(0, k, 255);
    if (k < 512)
        return RGB(0, 255, 511 - k);
    if (k < 768)
        return RGB(k - 512, 255, 0);
    return RGB(255, 1023 - k, 0);
}

int RampIndex(double value, double vmin, double range)
{
    const double q = (value - vmin) / range * 1023.0;
    if (!(q > 0.0))
        return 0;
    if (q >= 1023.0)
        return 1023;
    return int(q);
}

void C3DTables::Build(int model)
{
    if (model == 2) {
        for (int k = 0; k < kSlots; ++k)
            m_pens[k] = CPen{PS_SOLID, 0, RampColor(k)};
    } else if (model == 3) {
        for (int k = 0; k < kSlots; ++k)
            m_brushes[k] = CBrush{RampColor(k)};
    } else if (model == 4 || model == 5) {
        for (int k = 0; k < kLevels; ++k) {
            const COLORREF color = model == 4 ? RGB(k, k, k) : RGB(0, k, 255);
            m_pens[k] = CPen{PS_SOLID, 0, color};
            m_brushes[k] = CBrush{color};
        }
    }
}
