#pragma once
// The pens and brushes that the colour and shading models select per cell,
// filled once per draw before any cell is drawn.

#include "gfx/GdiTypes.h"

// Blue, cyan, green, yellow, red over k = 0..1023 (clamped into that range).
COLORREF RampColor(int k);
// The ramp index of a value of the V range vmin..vmin + range (range > 0),
// kept inside 0..1023 also when rounding of a tiny range against large
// values strays past either end: the colour models' value to colour.
int RampIndex(double value, double vmin, double range);

struct C3DTables {
    static constexpr int kSlots = 1024;
    static constexpr int kLevels = 256;

    CPen m_pens[kSlots];
    CBrush m_brushes[kSlots];

    // Model 2: ramp pens; 3: ramp brushes; 4: grey and 5: blue pens and
    // brushes of 256 levels; other models use no table.
    void Build(int model);
};
