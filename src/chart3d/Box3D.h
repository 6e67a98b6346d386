#pragma once
// The magenta box around the 3D surface, from the bottom to the top of the V
// range, with the first and last column, row and value written along it.

class CDC;
class CDocSnapshot;
class C3DProjection;
class C3DValueTicks;
struct CPlotSettings;

// Twelve edges as four closed outlines, then nine labels on the side that
// faces the viewer. With the value scale, value ticks along the vertical edge
// take the place of its lowest and highest value, and its "z" stands above
// it; the ticks are the colour bar's when given. Draws nothing for an
// inverted region; an edge or label whose page point does not fit an int is
// left out.
void Draw3DBox(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const C3DProjection& proj,
               const C3DValueTicks* barTicks = nullptr);
