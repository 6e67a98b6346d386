#pragma once
// The magenta box around the 3D surface, from the bottom to the top of the V
// range, with the first and last column, row and value written along it.

class CDC;
class CSorvDoc;
class C3DProjection;
struct CPlotSettings;

// Twelve edges as four closed outlines, then nine labels on the side that
// faces the viewer. Draws nothing for an inverted region; an edge or label
// whose page point does not fit an int is left out.
void Draw3DBox(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const C3DProjection& proj);
