#pragma once
// Texts of the 3D chart placed beside a page point: the box's labels and the
// value ticks, all in one font whose characters are cw wide and 2 x cw high.

#include "gfx/GdiTypes.h"

#include <optional>
#include <string>

class CDC;

// The character width of the labels: 8 pixels on the screen, 16 (0.1 mm) on paper.
int LabelCharWidth3D(const CDC& dc);

struct C3DLabelWriter {
    CDC& dc;
    int cw;

    // The text right of p (one character gap) or left of it (ending one
    // character before p), raised by dy; nothing for a missing point or one
    // whose text position does not fit an int.
    void Beside(const std::optional<CPoint>& p, bool right, int dy, const std::string& text) const;
    void Beside(CPoint p, bool right, int dy, const std::string& text) const;
    // The same beside the middle of p and q.
    void BesideMiddle(const std::optional<CPoint>& p, const std::optional<CPoint>& q, bool right, int dy,
                      const std::string& text) const;
};
