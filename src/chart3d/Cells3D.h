#pragma once
// The cells of the 3D chart: every quadrilateral of four neighbouring grid
// points of the region, drawn in the model of the settings.

class CDC;
class CDocSnapshot;
class C3DProjection;
struct C3DTables;
struct CPlotSettings;

// Draws the cells row by row and, within a row, column by column, skipping
// cells with a value outside m_dVMin..m_dVMax (or NaN) and cells with a corner
// whose page point does not fit an int. Draws nothing for an empty document,
// a region that is inverted or outside the matrix, an empty value range or a
// model outside 0..5. Expects the view pen and brush to be selected. A draft
// (dc.m_bDraft) draws from every k-th row and column, k chosen so that a cell
// is about two page units. Stops between rows once the drawing is cancelled.
// The grid points are mapped blockPoints (at least 2) at a time: the memory
// taken does not grow with the region, and the drawing is the same for any block.
constexpr int kCornerBlock = 65536;
void Draw3DCells(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const C3DProjection& proj,
                 const C3DTables& tables, int blockPoints = kCornerBlock);
